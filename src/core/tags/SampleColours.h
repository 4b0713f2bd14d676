#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace quolan {

// A colour name of the colour tag and the colour the chooser's sample is drawn
// in when it is picked. These are the sample's own colours, not the web's
// values of the same names; the tag always carries the name.
struct SampleColour {
    std::string_view name;
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

// The 23 names in the order the chooser lists them.
std::span<const SampleColour> sampleColours();

// The row of a name, compared exactly and case-sensitively; null when none.
const SampleColour* findSampleColour(std::string_view name);

// The sample's colour before the first pick.
inline constexpr SampleColour kInitialSampleColour{"lime", 0x00, 0xFF, 0x00};

// Chosen at every opening of the chooser.
inline constexpr std::string_view kDefaultColourName = "skyblue";

} // namespace quolan
