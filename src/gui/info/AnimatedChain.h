#pragma once

#include "core/info/Animation.h"

#include <QObject>

#include <vector>

class QTimer;
class QWidget;

namespace quolan {

// A window's stage table played on its controls: one timer per stage,
// `Timer1` onwards, each ticking only while its stage runs.
class AnimatedChain final : public QObject, private info::Controls {
public:
    AnimatedChain(QWidget& window, std::span<const info::Stage> stages);

    info::Chain& chain() { return chain_; }
    info::Controls& controls() { return *this; }
    QTimer& timer(std::size_t stage) const { return *timers_[stage]; }
    // While the window is put away with the main window its timers rest;
    // the running stages go on from where they were when it comes back.
    void pause();
    void resume();

private:
    int get(std::string_view control, info::Property property) const override;
    void set(std::string_view control, info::Property property, int value) override;
    QWidget* control(std::string_view name) const;

    QWidget& window_;
    std::vector<QTimer*> timers_;
    info::Chain chain_;
};

} // namespace quolan
