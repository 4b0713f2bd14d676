#include "WindowFactories.h"

#include "gui/app/InfoWindows.h"
#include "gui/app/TagWindows.h"
#include "gui/app/Windows.h"
#include "gui/app/WiredMainForm.h"
#include "gui/i18n/InterfaceLanguage.h"
#include "gui/i18n/LanguageChoice.h"
#include "gui/i18n/TLanFrm.h"
#include "gui/pictures/SmileyPictures.h"
#include "gui/shell/MainFormFiles.h"
#include "gui/shell/MainFormTray.h"
#include "gui/shell/SettingsPath.h"
#include "gui/shell/StateFolder.h"
#include "gui/shell/TCreateNewFrm.h"
#include "gui/shell/TExitFrm2.h"
#include "gui/shell/TOptions.h"
#include "gui/tags/TSmileFRM.h"

#include <QAction>

namespace quolan {

namespace {
RunCommand runOn(TMainForm& mainWindow) {
    return [&mainWindow](std::string_view command) { mainWindow.runCommand(command); };
}

const WindowFactory kFactories[] = {
    {"MainForm",
     []() -> QWidget* {
         MainForm = new WiredMainForm(nullptr, programSettingsPath(), programStateFolder());
         followShownLanguage(MainForm->language());
         return MainForm;
     },
     [] { MainForm = nullptr; }},
    {"UrlCreate", createTagWindow<TUrlCreate, UrlCreate>, forgetTagWindow<TUrlCreate, UrlCreate>},
    {"ColorFrm", createTagWindow<TColorFrm, ColorFrm>, forgetTagWindow<TColorFrm, ColorFrm>},
    {"SizeFrm", createTagWindow<TSizeFrm, SizeFrm>, forgetTagWindow<TSizeFrm, SizeFrm>},
    {"ImageFrm", createTagWindow<TImageFrm, ImageFrm>, forgetTagWindow<TImageFrm, ImageFrm>},
    {"FontFrm", createTagWindow<TFontFrm, FontFrm>, forgetTagWindow<TFontFrm, FontFrm>},
    {"About", createAbout, [] { About = nullptr; }},
    {"ExitFrm2", []() -> QWidget* { return ExitFrm2 = new TExitFrm2; }, [] { ExitFrm2 = nullptr; }},
    {"EmailFrm", createTagWindow<TEmailFrm, EmailFrm>, forgetTagWindow<TEmailFrm, EmailFrm>},
    {"LanFrm",
     []() -> QWidget* {
         return LanFrm = new TLanFrm(*MainForm, MainForm->files().settings(), runOn(*MainForm));
     },
     [] { LanFrm = nullptr; }},
    {"Credits", createCredits, [] { Credits = nullptr; }},
    {"FocusFrm", createTagWindow<TFocusFrm, FocusFrm>, forgetTagWindow<TFocusFrm, FocusFrm>},
    {"SAfrm", createTagWindow<TSAfrm, SAfrm>, forgetTagWindow<TSAfrm, SAfrm>},
    {"CreateNewFrm", []() -> QWidget* { return CreateNewFrm = new TCreateNewFrm; },
     [] { CreateNewFrm = nullptr; }},
    {"HistoryFrm", createHistoryFrm, [] { HistoryFrm = nullptr; }},
    {"SmileFRM", []() -> QWidget* { return SmileFRM = createSmileFRM(*MainForm); },
     [] { SmileFRM = nullptr; }},
    {"HelpFrm", createHelpFrm, [] { HelpFrm = nullptr; }},
    {"Options",
     []() -> QWidget* { return Options = static_cast<TOptions*>(createOptions(*MainForm)); },
     [] { Options = nullptr; }},
};
} // namespace

TSmileFRM* createSmileFRM(TMainForm& mainWindow) {
    auto* palette = new TSmileFRM(mainWindow.editor(), reportOn(mainWindow));
    if (auto* item = mainWindow.findChild<QAction*>(QStringLiteral("N60")))
        item->setIcon(smileyMenuPicture());
    return palette;
}

QWidget* createOptions(TMainForm& mainWindow) {
    auto* window = new TOptions(mainWindow.tray().iconPath(), [&mainWindow](const QString& path) {
        mainWindow.IcoUseClick(path);
    });
    bindLanguageChoice(*window, mainWindow.language(), runOn(mainWindow));
    return window;
}

std::span<const WindowFactory> windowFactories() {
    return kFactories;
}

} // namespace quolan
