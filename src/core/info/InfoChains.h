#pragma once

#include "core/info/Animation.h"

#include <span>

namespace quolan::info {

// The about window's opening: start positions, then nine stages in turn.
std::span<const Preset> aboutOpener();
std::span<const Stage> aboutStages();

// The credits window's opening: start positions, then fourteen stages.
std::span<const Preset> creditsOpener();
std::span<const Stage> creditsStages();
// The stages a close of the credits window stops, in this order.
std::span<const std::size_t> creditsStopOnClose();

} // namespace quolan::info
