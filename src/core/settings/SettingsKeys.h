#pragma once

#include <string_view>

namespace quolan {

struct SettingKey {
    std::string_view section;
    std::string_view key;
};

// Every key the program keeps in its settings file.
namespace setting {
inline constexpr SettingKey Top{"Size", "Top"};
inline constexpr SettingKey Left{"Size", "Left"};
inline constexpr SettingKey Width{"Size", "Width"};
inline constexpr SettingKey Height{"Size", "Height"};
inline constexpr SettingKey FontName{"Font", "Name"};
inline constexpr SettingKey Language{"Language", "Installed"};
// The picture of the notification-area icon, when the player chose one.
inline constexpr SettingKey TrayIcon{"ICos", "TreyIco"};
// The forum's site for the quick links, when it has moved.
inline constexpr SettingKey LinksHost{"Links", "Host"};
// Whether misspelt words are underlined: 1 or 0; on when missing.
inline constexpr SettingKey Spelling{"Spelling", "Check"};
} // namespace setting

// Values of "Language"/"Installed", compared exactly.
namespace language {
inline constexpr std::string_view NotChosen = "None";
inline constexpr std::string_view Russian = "Russian";
inline constexpr std::string_view English = "English";
} // namespace language

} // namespace quolan
