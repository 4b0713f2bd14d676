#pragma once

#include <span>
#include <string_view>

namespace quolan {

// One button of the main toolbar, or a separator line when `name` is empty.
struct ToolbarEntry {
    enum class Face { Text, Bold, Underline, Italic, Picture };

    std::string_view name;
    Face face = Face::Text;
    std::string_view text{};       // caption, or the picture's name for Face::Picture
    std::string_view fontFamily{}; // for captions drawn in a font of their own
    int width = 23;
    std::string_view hint{};
    std::string_view command{};

    bool isSeparator() const { return name.empty(); }
};

inline constexpr int kToolbarButtonHeight = 18;

// CoolBar1, left to right.
std::span<const ToolbarEntry> mainToolbar();

} // namespace quolan
