#pragma once

#include "core/settings/IniStore.h"
#include "core/ui/CommandIds.h"

#include <functional>
#include <string>

namespace quolan {

// What the first tick of the main window's Timer1 does besides reading.
struct FirstTickSteps {
    std::function<void()> hideTaskbarButton;
    std::function<void()> showLanguageChooser;
    std::function<void(cmd::Id)> runCommand;
    // Only the name of the editor font is replaced.
    std::function<void(const std::string& fontName)> setEditorFontName;
};

// Font names longer than this are cut.
inline constexpr std::size_t kFontNameLimit = 31;

// The stored language and editor font applied once, a second after start.
// Each step reads the file anew: a language command writes its value back,
// so at most one language is applied.
void runFirstTick(const IniStore& settings, const FirstTickSteps& steps);

} // namespace quolan
