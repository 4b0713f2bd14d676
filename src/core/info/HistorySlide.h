#pragma once

#include <cstdint>

namespace quolan::info {

// The history window's "Ok" button, sliding to and fro along the bottom edge
// by kSlideStep per tick, turning at or past the two ends.
inline constexpr int kSlideStep = 3;
inline constexpr int kSlideLeftTurn = 16;
inline constexpr int kSlideRightTurn = 472;

struct ButtonSlide {
    int left = kSlideLeftTurn; // as built; the slide starts leftward
    bool leftward = true;
    friend bool operator==(const ButtonSlide&, const ButtonSlide&) = default;
};

ButtonSlide slideTick(ButtonSlide slide);
// Where `ticks` ticks take the button: the slide goes on while the window is
// hidden and no timer ticks, and this places it on the next showing.
ButtonSlide slideAfter(ButtonSlide slide, std::uint64_t ticks);

} // namespace quolan::info
