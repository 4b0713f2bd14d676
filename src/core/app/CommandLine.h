#pragma once

#include "core/i18n/BilingualText.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quolan {

// What the command line asks for. Options of the window toolkit (such as
// "-platform offscreen") are skipped here: the toolkit takes them itself.
struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    std::vector<std::string> files; // the posts to open, in the order given
    std::string badOption;          // the option that made it an error
};

// `args` without the program name.
CommandLine parseCommandLine(std::span<const std::string_view> args);

// The terminal speaks Russian when the locale the user set says so.
Language terminalLanguage(const char* lcAll, const char* lcMessages, const char* lang);

std::string helpText(std::string_view program, Language language);
std::string versionText();
std::string badOptionText(std::string_view program, std::string_view option, Language language);

// Exit status for a command line that could not be understood.
inline constexpr int kUsageExitStatus = 2;

} // namespace quolan
