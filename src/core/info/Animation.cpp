#include "Animation.h"

#include <algorithm>

namespace quolan::info {

void applyPresets(std::span<const Preset> presets, Controls& controls) {
    for (const Preset& preset : presets)
        controls.set(preset.control, preset.property, preset.value);
}

FrameBox growFrame(FrameBox box) {
    box.top -= kGrowStep;
    box.left -= kGrowStep;
    box.height += 2 * kGrowStep;
    box.width += 2 * kGrowStep;
    if (box.top <= kGrowTarget.top)
        box.top = kGrowTarget.top;
    if (box.left <= kGrowTarget.left)
        box.left = kGrowTarget.left;
    if (box.width >= kGrowTarget.width)
        box.width = kGrowTarget.width;
    if (box.height >= kGrowTarget.height)
        box.height = kGrowTarget.height;
    return box;
}

Chain::Chain(std::span<const Stage> stages, Controls& controls, TimerSwitch timers)
    : stages_(stages), controls_(controls), timers_(std::move(timers)),
      running_(stages.size(), false) {}

void Chain::start(std::size_t stage) {
    running_[stage] = true;
    if (timers_)
        timers_(stage, true);
}

void Chain::stop(std::size_t stage) {
    running_[stage] = false;
    if (timers_)
        timers_(stage, false);
}

bool Chain::anyRunning() const {
    return std::find(running_.begin(), running_.end(), true) != running_.end();
}

namespace {
FrameBox frameOf(const Controls& controls, std::string_view control) {
    return {controls.get(control, Property::Left), controls.get(control, Property::Top),
            controls.get(control, Property::Width), controls.get(control, Property::Height)};
}

void setFrame(Controls& controls, std::string_view control, const FrameBox& box) {
    controls.set(control, Property::Top, box.top);
    controls.set(control, Property::Left, box.left);
    controls.set(control, Property::Height, box.height);
    controls.set(control, Property::Width, box.width);
}
} // namespace

bool Chain::reached(const Stage& stage) const {
    if (stage.motion == Motion::Grow)
        return frameOf(controls_, stage.control) == kGrowTarget;
    const int value = controls_.get(stage.control, stage.property);
    return stage.until == Until::AtMost ? value <= stage.limit : value >= stage.limit;
}

void Chain::tick(std::size_t index) {
    if (index >= stages_.size() || !running_[index])
        return;
    const Stage& stage = stages_[index];
    if (stage.motion == Motion::Grow) {
        setFrame(controls_, stage.control, growFrame(frameOf(controls_, stage.control)));
    } else {
        for (std::string_view control : {stage.control, stage.partner})
            if (!control.empty())
                controls_.set(control, stage.property,
                              controls_.get(control, stage.property) + stage.step);
    }
    if (!reached(stage))
        return;

    stop(index);
    if (stage.snap)
        for (std::string_view control : {stage.control, stage.partner})
            if (!control.empty())
                controls_.set(control, stage.property, *stage.snap);
    for (std::string_view control : stage.show)
        controls_.set(control, Property::Visible, 1);
    if (stage.next)
        start(*stage.next);
    for (std::size_t other : stage.stopAfter)
        stop(other);
}

int Chain::completeNow() {
    // Every stage ends within a few hundred ticks; the bound only guards a
    // table whose limit can never be reached.
    constexpr int kBound = 100000;
    int ticks = 0;
    while (ticks < kBound) {
        const auto on = std::find(running_.begin(), running_.end(), true);
        if (on == running_.end())
            break;
        tick(static_cast<std::size_t>(on - running_.begin()));
        ++ticks;
    }
    if (ticks == kBound)
        for (std::size_t i = 0; i < running_.size(); ++i)
            if (running_[i])
                stop(i);
    return ticks;
}

} // namespace quolan::info
