#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>

namespace quolan::testing {

// Answers the modal windows that open while it lives, one step each, in
// order (a window shown again counts as opening again); a modal window with no step left is
// rejected and counted, so that a wrong window never hangs a test. Unlike whenModalOpens, a step
// may open further modal windows that later steps answer, and a window that stays open after its
// step gets the next one.
class ModalScript final : public QObject {
public:
    using Step = std::function<void(QWidget& modal)>;

    explicit ModalScript(std::deque<Step> steps = {});

    void add(Step step) { steps_.push_back(std::move(step)); }
    int handled() const { return handled_; }
    int unexpected() const { return unexpected_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void poll();

    std::deque<Step> steps_;
    QTimer timer_;
    static constexpr qint64 kStrayGraceMs = 200;

    QPointer<QWidget> last_;
    QPointer<QWidget> stray_;
    QElapsedTimer straySince_;
    int handled_ = 0;
    int unexpected_ = 0;
};

} // namespace quolan::testing
