#pragma once

#include <span>
#include <string_view>

namespace quolan {

// The texts the tray icon and the options window show beyond their controls'
// captions, in both interface languages. "%1" stands for a file path.
struct ShellText {
    std::string_view id;
    std::string_view russian;
    std::string_view english;
};

namespace shelltext {
inline constexpr ShellText TrayIconNotLoaded{
    "TrayIconNotLoaded",
    "Не удалось загрузить картинку \"%1\". В трее остаётся встроенная иконка.",
    "Cannot load the picture \"%1\". The tray keeps the built-in icon."};
inline constexpr ShellText TrayIconFileFilter{"TrayIconFileFilter", "*.ico", "*.ico"};
} // namespace shelltext

std::span<const ShellText> shellTexts();

} // namespace quolan
