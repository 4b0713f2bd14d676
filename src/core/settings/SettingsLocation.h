#pragma once

#include <string>
#include <string_view>

namespace quolan {

// The program's path with its extension replaced by ".INI", or ".INI"
// appended when it has none: "/opt/quolan/quolan" -> "/opt/quolan/quolan.INI".
std::string settingsPathBeside(std::string_view programPath);

struct SettingsCandidates {
    std::string besideProgram;
    bool folderWritable = false;   // the program's folder
    bool existingWritable = false; // a settings file already beside the program
    std::string perUser;           // in the user's configuration folder
    // Installed in a system folder: even when run as the administrator, the
    // settings are the user's own and never land among the system's programs.
    bool installedSystemWide = false;
};

// Beside the program when the file can be kept there, else the user's own
// (the program installed system-wide).
std::string chooseSettingsPath(const SettingsCandidates& candidates);

} // namespace quolan
