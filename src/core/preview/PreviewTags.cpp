#include "PreviewTags.h"

#include <algorithm>
#include <array>

namespace quolan::preview {

namespace {
using E = Effect;
constexpr Text kNone = Text::QuoteHeading; // unused unless the effect is Box

// clang-format off
constexpr PreviewTag kTags[] = {
    {"b",      false, E::Bold,      false, false, kNone},
    {"i",      false, E::Italic,    false, false, kNone},
    {"u",      false, E::Underline, false, false, kNone},
    {"color",  true,  E::Colour,    false, false, kNone},
    {"size",   true,  E::Size,      false, false, kNone},
    {"font",   true,  E::Font,      false, false, kNone},
    {"ooc",    false, E::Remark,    false, false, kNone},
    {"center", false, E::Center,    false, false, kNone},
    {"right",  false, E::Right,     false, false, kNone},
    {"focus",  true,  E::Box,       false, false, Text::FocusHeading},
    {"focus",  false, E::Box,       false, false, Text::FocusHeading},
    {"sa",     true,  E::Box,       false, false, Text::SpecialActionHeading},
    {"sa",     false, E::Box,       false, false, Text::SpecialActionHeading},
    {"quote",  false, E::Box,       false, false, Text::QuoteHeading},
    {"code",   false, E::Box,       false, true,  Text::CodeHeading},
    {"php",    false, E::Box,       false, true,  Text::PhpHeading},
    {"url",    true,  E::Link,      false, false, kNone},
    {"url",    false, E::Address,   true,  false, kNone},
    {"email",  false, E::Mail,      true,  false, kNone},
    {"img",    false, E::Picture,   true,  false, kNone},
};
// clang-format on

constexpr std::size_t kRows = std::size(kTags);

struct Names {
    std::array<std::string_view, kRows> names{};
    std::array<std::size_t, kRows> ofRow{};
    std::size_t count = 0;
};

constexpr Names makeNames() {
    Names n;
    for (std::size_t row = 0; row < kRows; ++row) {
        std::size_t i = 0;
        while (i < n.count && n.names[i] != kTags[row].name)
            ++i;
        if (i == n.count)
            n.names[n.count++] = kTags[row].name;
        n.ofRow[row] = i;
    }
    return n;
}

constexpr Names kNames = makeNames();

bool sameLetters(std::string_view written, std::string_view lower) {
    return written.size() == lower.size() &&
           std::equal(written.begin(), written.end(), lower.begin(), [](char a, char b) {
               return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
           });
}
} // namespace

std::span<const PreviewTag> previewTags() {
    return kTags;
}

std::span<const std::string_view> previewTagNames() {
    return {kNames.names.data(), kNames.count};
}

std::size_t nameIndexOfRow(std::size_t row) {
    return kNames.ofRow[row];
}

int findPreviewTag(std::string_view name, bool withParameter) {
    for (std::size_t row = 0; row < kRows; ++row)
        if (kTags[row].takesParameter == withParameter && sameLetters(name, kTags[row].name))
            return static_cast<int>(row);
    return -1;
}

int findPreviewTagName(std::string_view name) {
    for (std::size_t i = 0; i < kNames.count; ++i)
        if (sameLetters(name, kNames.names[i]))
            return static_cast<int>(i);
    return -1;
}

} // namespace quolan::preview
