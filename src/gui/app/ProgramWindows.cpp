#include "ProgramWindows.h"

#include "gui/app/CommandWiring.h"
#include "gui/app/WindowFactories.h"
#include "gui/app/Windows.h"
#include "gui/i18n/QtTranslation.h"
#include "gui/i18n/TLanFrm.h"
#include "gui/main/TMainForm.h"
#include "gui/shell/TCreateNewFrm.h"
#include "gui/shell/TExitFrm2.h"
#include "gui/ui/QtText.h"

#include <QWidget>

#include <algorithm>

namespace quolan {

void ProgramWindows::create(StartupProgress& progress) {
    // The interface is built Russian, and so are Qt's own dialogs.
    useQtTranslation(Language::Russian);
    const auto factories = windowFactories();
    runStartup(
        startupRows(),
        [&](const StartupRow& row) {
            const auto factory =
                std::find_if(factories.begin(), factories.end(),
                             [&](const WindowFactory& f) { return f.instance == row.instance; });
            if (factory == factories.end())
                return false;
            windows_.push_back({&*factory, std::unique_ptr<QWidget>(factory->create())});
            return true;
        },
        progress);
    if (MainForm) {
        MainForm->useQuestionWindows({LanFrm, ExitFrm2, CreateNewFrm});
        wireProgramWindows(MainForm->commands());
    }
}

ProgramWindows::~ProgramWindows() {
    // Later windows may refer to earlier ones (all to the main window).
    while (!windows_.empty()) {
        windows_.back().factory->forget();
        windows_.pop_back();
    }
}

} // namespace quolan
