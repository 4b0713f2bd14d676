#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace quolan::info {

// One tick of every animation. The windows' stages were designed for the
// shortest timer the platform delivered, about 10 ms; this keeps their look.
inline constexpr int kTickMs = 10;

// What a stage or an opener reads and sets on a control; Visible is 0 or 1.
enum class Property { Left, Top, Width, Height, Visible };

// The controls of one window, by object name.
class Controls {
public:
    virtual ~Controls() = default;
    virtual int get(std::string_view control, Property property) const = 0;
    virtual void set(std::string_view control, Property property, int value) = 0;
};

// One value an opener sets before the chain starts.
struct Preset {
    std::string_view control;
    Property property;
    int value;
};

void applyPresets(std::span<const Preset> presets, Controls& controls);

enum class Motion { Slide, Grow };
enum class Until { AtMost, AtLeast };

// One stage of a chain, ticked by a timer of its own. A slide moves
// `control` (and `partner`, from its own value) by `step` and ends once the
// control's value passes `limit`; a grow widens a frame towards kGrowTarget.
// At the end the same tick stops the stage, snaps (where given), shows
// controls, starts the next stage and stops the listed ones.
struct Stage {
    Motion motion;
    std::string_view control;
    Property property = Property::Left;
    int step = 0;
    Until until = Until::AtMost;
    int limit = 0;
    std::optional<int> snap{};
    std::string_view partner{};
    std::span<const std::string_view> show{};
    std::optional<std::size_t> next{};
    std::span<const std::size_t> stopAfter{};
};

// Where a growing frame comes to rest, and what it grows by per tick.
struct FrameBox {
    int left, top, width, height;
    friend bool operator==(const FrameBox&, const FrameBox&) = default;
};
inline constexpr FrameBox kGrowTarget{72, 72, 281, 161};
inline constexpr int kGrowStep = 3;

// One tick of a growing frame: out by kGrowStep on each side, then clamped
// top, left, width, height in that order.
FrameBox growFrame(FrameBox box);

// Runs one window's stage table. Which stages run is the chain's state; the
// window keeps a timer per stage in step with it through `timers`.
class Chain {
public:
    using TimerSwitch = std::function<void(std::size_t stage, bool on)>;

    Chain(std::span<const Stage> stages, Controls& controls, TimerSwitch timers = {});

    std::size_t size() const { return stages_.size(); }
    void start(std::size_t stage);
    void stop(std::size_t stage);
    bool running(std::size_t stage) const { return running_[stage]; }
    bool anyRunning() const;

    // One tick of the stage's timer; nothing when the stage is off.
    void tick(std::size_t stage);
    // Ticks the running stages until none is left, as if their timers had
    // fired unseen; returns the ticks taken.
    int completeNow();

private:
    bool reached(const Stage& stage) const;

    std::span<const Stage> stages_;
    Controls& controls_;
    TimerSwitch timers_;
    std::vector<bool> running_;
};

} // namespace quolan::info
