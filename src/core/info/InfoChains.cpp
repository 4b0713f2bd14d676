#include "InfoChains.h"

namespace quolan::info {

namespace {
using P = Property;
using U = Until;
constexpr Motion S = Motion::Slide;

// ---- About window ----

constexpr Preset kAboutOpener[] = {
    {"Label6", P::Left, -240},       {"MovBevel1", P::Left, 432},
    {"Label1", P::Left, 440},        {"Label2", P::Left, 440},
    {"Logo", P::Visible, 0},         {"BrennowBevel", P::Visible, 0},
    {"BrennowBevel", P::Height, 17}, {"BrennowBevel", P::Width, 17},
    {"BrennowBevel", P::Left, 200},  {"BrennowBevel", P::Top, 152},
    {"Logo", P::Visible, 0},         {"Logo", P::Height, 17},
    {"Logo", P::Width, 17},          {"Logo", P::Left, 200},
    {"Logo", P::Top, 152},           {"Label4", P::Top, -12},
    {"Label5", P::Top, -12},         {"Label3", P::Top, -12},
    {"ButBev", P::Left, 410},        {"okBtn", P::Visible, 0},
};

constexpr std::string_view kShowFrame[] = {"BrennowBevel"};
constexpr std::string_view kShowLogo[] = {"Logo"};
constexpr std::string_view kShowOk[] = {"okBtn"};
// The last stage stops its own timer, then those of stages 8 down to 2.
constexpr std::size_t kAboutLastStops[] = {7, 6, 5, 4, 3, 2, 1};

constexpr Stage kAboutStages[] = {
    {.motion = S,
     .control = "MovBevel1",
     .property = P::Left,
     .step = -8,
     .until = U::AtMost,
     .limit = -24,
     .next = 1},
    {.motion = S,
     .control = "Label1",
     .property = P::Left,
     .step = -12,
     .until = U::AtMost,
     .limit = 8,
     .snap = 8,
     .partner = "Label2",
     .show = kShowFrame,
     .next = 2},
    {.motion = Motion::Grow, .control = "BrennowBevel", .show = kShowLogo, .next = 3},
    {.motion = Motion::Grow, .control = "Logo", .next = 4},
    {.motion = S,
     .control = "Label5",
     .property = P::Top,
     .step = 10,
     .until = U::AtLeast,
     .limit = 240,
     .snap = 240,
     .next = 5},
    {.motion = S,
     .control = "Label3",
     .property = P::Top,
     .step = 10,
     .until = U::AtLeast,
     .limit = 256,
     .snap = 256,
     .next = 6},
    {.motion = S,
     .control = "Label4",
     .property = P::Top,
     .step = 10,
     .until = U::AtLeast,
     .limit = 272,
     .snap = 272,
     .next = 7},
    {.motion = S,
     .control = "ButBev",
     .property = P::Left,
     .step = -5,
     .until = U::AtMost,
     .limit = 304,
     .snap = 304,
     .show = kShowOk,
     .next = 8},
    {.motion = S,
     .control = "Label6",
     .property = P::Left,
     .step = 14,
     .until = U::AtLeast,
     .limit = 336,
     .snap = 336,
     .stopAfter = kAboutLastStops},
};

// ---- Credits window ----

// Shown at the end of the curtain's sweep, in the opener's order.
constexpr std::string_view kAdminBlock[] = {"Label11", "Label1",  "Label3", "Label4", "Label2",
                                            "Label7",  "Label6",  "Label9", "Label8", "Label5",
                                            "Label10", "Label20", "Label21"};

constexpr Preset kCreditsOpener[] = {
    {"Image1", P::Left, 450},   {"Bevel1", P::Left, -369},  {"Bevel2", P::Top, -410},
    {"Bevel3", P::Left, 450},   {"BevelOk", P::Left, 450},  {"Label11", P::Visible, 0},
    {"Label1", P::Visible, 0},  {"Label3", P::Visible, 0},  {"Label4", P::Visible, 0},
    {"Label2", P::Visible, 0},  {"Label7", P::Visible, 0},  {"Label6", P::Visible, 0},
    {"Label9", P::Visible, 0},  {"Label8", P::Visible, 0},  {"Label5", P::Visible, 0},
    {"Label10", P::Visible, 0}, {"Label20", P::Visible, 0}, {"Label21", P::Visible, 0},
    {"Label12", P::Left, 450},  {"Label15", P::Left, 450},  {"Label18", P::Left, 450},
    {"Label19", P::Left, 450},  {"Label13", P::Left, 450},  {"Label16", P::Left, 450},
    {"Label14", P::Left, 450},  {"Label17", P::Left, 450},  {"CreditsOk", P::Visible, 0},
};

constexpr std::string_view kShowCreditsOk[] = {"CreditsOk"};

// A role label sliding in from the right to rest at 32.
constexpr Stage roleLabel(std::string_view control, std::size_t next) {
    return {.motion = S,
            .control = control,
            .property = P::Left,
            .step = -12,
            .until = U::AtMost,
            .limit = 32,
            .snap = 32,
            .next = next};
}

constexpr Stage kCreditsStages[] = {
    {.motion = S,
     .control = "Bevel1",
     .property = P::Left,
     .step = 9,
     .until = U::AtLeast,
     .limit = -48,
     .snap = -48,
     .show = kAdminBlock,
     .next = 1},
    {.motion = S,
     .control = "Bevel1",
     .property = P::Left,
     .step = -9,
     .until = U::AtMost,
     .limit = -370,
     .snap = -370,
     .next = 2},
    {.motion = S,
     .control = "Bevel2",
     .property = P::Top,
     .step = 8,
     .until = U::AtLeast,
     .limit = 0,
     .snap = 0,
     .next = 3},
    {.motion = S,
     .control = "Bevel3",
     .property = P::Left,
     .step = -11,
     .until = U::AtMost,
     .limit = 24,
     .snap = 24,
     .next = 4},
    roleLabel("Label12", 5),
    roleLabel("Label15", 6),
    roleLabel("Label18", 7),
    roleLabel("Label19", 8),
    roleLabel("Label13", 9),
    roleLabel("Label16", 10),
    roleLabel("Label14", 11),
    roleLabel("Label17", 12),
    {.motion = S,
     .control = "Image1",
     .property = P::Left,
     .step = -5,
     .until = U::AtMost,
     .limit = 280,
     .snap = 280,
     .next = 13},
    {.motion = S,
     .control = "BevelOk",
     .property = P::Left,
     .step = -6,
     .until = U::AtMost,
     .limit = 336,
     .snap = 336,
     .show = kShowCreditsOk},
};

constexpr std::size_t kCreditsStopOnClose[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
} // namespace

std::span<const Preset> aboutOpener() {
    return kAboutOpener;
}
std::span<const Stage> aboutStages() {
    return kAboutStages;
}
std::span<const Preset> creditsOpener() {
    return kCreditsOpener;
}
std::span<const Stage> creditsStages() {
    return kCreditsStages;
}
std::span<const std::size_t> creditsStopOnClose() {
    return kCreditsStopOnClose;
}

} // namespace quolan::info
