#pragma once

#include <QPointer>
#include <QWidget>

namespace quolan {

class AnimatedChain;

// The credits window `Credits`, opened from the about window: the forum's
// staff and the program's contributors, brought in over fourteen stages.
// The window that opened it is disabled while it is open.
class TCredits final : public QWidget {
    Q_OBJECT

public:
    TCredits();

    // The credits opener: start positions, show, stage 1, `opener` disabled.
    void open(QWidget& opener);
    void CreditsOkClick();

    AnimatedChain& animation() const { return *animation_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void build();
    void stopOnClose();

    QPointer<QWidget> opener_;
    AnimatedChain* animation_ = nullptr;
    bool pictureLoaded_ = false;
};

} // namespace quolan
