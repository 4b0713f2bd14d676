#include "HistorySlide.h"

namespace quolan::info {

ButtonSlide slideTick(ButtonSlide slide) {
    if (slide.leftward) {
        slide.left -= kSlideStep;
        if (slide.left <= kSlideLeftTurn)
            slide.leftward = false;
    } else {
        slide.left += kSlideStep;
        if (slide.left >= kSlideRightTurn)
            slide.leftward = true;
    }
    return slide;
}

namespace {
// Ticks until the slide has turned twice; stops early at `limit`.
std::uint64_t walkTwoTurns(ButtonSlide& slide, std::uint64_t limit) {
    std::uint64_t done = 0;
    for (int turns = 0; turns < 2 && done < limit; ++done) {
        const bool before = slide.leftward;
        slide = slideTick(slide);
        if (slide.leftward != before)
            ++turns;
    }
    return done;
}
} // namespace

ButtonSlide slideAfter(ButtonSlide slide, std::uint64_t ticks) {
    // After two turns the slide is at a turning point it comes back to once
    // per round: skip the whole rounds, walk the rest.
    ticks -= walkTwoTurns(slide, ticks);
    if (ticks == 0)
        return slide;
    ButtonSlide probe = slide;
    const std::uint64_t round = walkTwoTurns(probe, UINT64_MAX);
    ticks %= round;
    for (; ticks > 0; --ticks)
        slide = slideTick(slide);
    return slide;
}

} // namespace quolan::info
