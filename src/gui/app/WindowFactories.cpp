#include "WindowFactories.h"

#include "gui/app/Windows.h"
#include "gui/editor/TMainForm.h"
#include "gui/shell/SettingsPath.h"
#include "gui/shell/TCreateNewFrm.h"
#include "gui/shell/TExitFrm2.h"

namespace quolan {

namespace {
const WindowFactory kFactories[] = {
    {"MainForm",
     []() -> QWidget* { return MainForm = new TMainForm(nullptr, programSettingsPath()); },
     [] { MainForm = nullptr; }},
    {"ExitFrm2", []() -> QWidget* { return ExitFrm2 = new TExitFrm2; }, [] { ExitFrm2 = nullptr; }},
    {"CreateNewFrm", []() -> QWidget* { return CreateNewFrm = new TCreateNewFrm; },
     [] { CreateNewFrm = nullptr; }},
};
} // namespace

std::span<const WindowFactory> windowFactories() { return kFactories; }

} // namespace quolan
