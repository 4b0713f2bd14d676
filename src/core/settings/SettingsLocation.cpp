#include "SettingsLocation.h"

namespace quolan {

std::string settingsPathBeside(std::string_view programPath) {
    const std::size_t nameStart = programPath.find_last_of("/\\") + 1; // npos + 1 == 0
    const std::size_t dot = programPath.rfind('.');
    // A leading dot names a hidden file, it starts no extension.
    const bool hasExtension = dot != std::string_view::npos && dot > nameStart;
    return std::string(hasExtension ? programPath.substr(0, dot) : programPath) + ".INI";
}

std::string chooseSettingsPath(const SettingsCandidates& candidates) {
    if (candidates.installedSystemWide)
        return candidates.perUser;
    return candidates.folderWritable || candidates.existingWritable ? candidates.besideProgram
                                                                    : candidates.perUser;
}

} // namespace quolan
