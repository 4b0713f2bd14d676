#include "CommandWiring.h"

#include "core/convert/ConversionCommands.h"
#include "core/document/Document.h"
#include "core/shell/EditCommands.h"
#include "core/shell/ForumLinks.h"
#include "core/tags/ParameterTags.h"
#include "core/tags/SimpleTags.h"
#include "core/ui/CommandIds.h"
#include "core/ui/CommandRegistry.h"
#include "gui/app/Windows.h"
#include "gui/find/FindBar.h"
#include "gui/i18n/InterfaceLanguage.h"
#include "gui/info/TAbout.h"
#include "gui/info/TCredits.h"
#include "gui/info/THelpFrm.h"
#include "gui/info/THistoryFrm.h"
#include "gui/main/TMainForm.h"
#include "gui/shell/MainFormFiles.h"
#include "gui/shell/MainFormTray.h"
#include "gui/shell/TOptions.h"
#include "gui/spell/MainFormSpelling.h"
#include "gui/tags/FieldDialogs.h"
#include "gui/tags/TColorFrm.h"
#include "gui/tags/TFontFrm.h"
#include "gui/tags/TSizeFrm.h"
#include "gui/tags/TSmileFRM.h"
#include "gui/ui/DesktopLinks.h"
#include "gui/ui/SecondaryWindows.h"

namespace quolan {

namespace {
// A command that acts on a window through its program-wide reference, so it
// does nothing once the window is gone.
template <typename Window, typename Action>
CommandRegistry::Command on(Window*& window, Action action) {
    return [&window, action] {
        if (window && MainForm)
            action(*window);
    };
}

template <typename Window> void opensTagWindow(CommandRegistry& commands, Window*& window) {
    commands.add(parameterTagForm(Window::kTag).command, on(window, [](Window& w) { w.open(); }));
}
} // namespace

void wireMainWindow(TMainForm& main) {
    CommandRegistry& commands = main.commands();
    EditorModel& editor = main.editor();
    const ReportError report = [&main](std::string_view message) { main.reportError(message); };
    // Whole tables of the core: the tags without parameters, editing and the
    // clipboard, transliteration and conversions, the post's files, the links.
    registerSimpleTagCommands(commands, editor, report);
    registerEditCommands(commands, editor, main.clipboard(), report);
    registerConversionCommands(commands, editor);
    registerDocumentCommands(commands, main.files().document());
    registerLinkCommands(commands, main.files().settings(), desktopLinks());

    FindBar& find = main.findBar();
    commands.add(cmd::Find, [&find] { find.openFind(); });
    commands.add(cmd::Replace, [&find] { find.openReplace(); });
    commands.add(cmd::FindNext, [&find] { find.findNext(); });
    commands.add(cmd::FindPrevious, [&find] { find.findPrevious(); });

    commands.add(cmd::WordWrap, [&main] { main.N57Click(); });
    commands.add(cmd::EditorFont, [&main] { main.N31Click(); });
    commands.add(cmd::Spelling, [&main] { main.spelling().toggled(); });
    commands.add(cmd::Preview, [&main] { main.openPreview(); });
    commands.add(cmd::TranslitMenu, [&main] { main.popUpAtCursor("PopupMenu2"); });
    commands.add(cmd::LinksMenu, [&main] { main.popUpAtCursor("PopupMenu1"); });
    commands.add(cmd::LanguageEnglish, [&main] { main.language().run(Language::English); });
    commands.add(cmd::LanguageRussian, [&main] { main.language().run(Language::Russian); });
    commands.add(cmd::Minimize, [&main] { main.tray().N71Click(); });
    commands.add(cmd::Restore, [&main] { main.tray().N43Click(); });
    commands.add(cmd::Exit, [&main] { main.close(); });
}

void wireProgramWindows(CommandRegistry& commands) {
    opensTagWindow(commands, UrlCreate);
    opensTagWindow(commands, ColorFrm);
    opensTagWindow(commands, SizeFrm);
    opensTagWindow(commands, ImageFrm);
    opensTagWindow(commands, FontFrm);
    opensTagWindow(commands, EmailFrm);
    opensTagWindow(commands, FocusFrm);
    opensTagWindow(commands, SAfrm);
    // The main menu's N18 and the tray menu's N39 run the same opener.
    commands.add(cmd::About, on(About, [](TAbout& w) { w.open(); }));
    commands.add(cmd::History, on(HistoryFrm, [](THistoryFrm& w) { w.open(); }));
    commands.add(cmd::Help, on(HelpFrm, [](THelpFrm& w) { w.open(MainForm); }));
    commands.add(cmd::Smileys, on(SmileFRM, [](TSmileFRM& w) { w.showPalette(*MainForm); }));
    commands.add(cmd::Options, on(Options, [](TOptions& w) { showBesideMain(w, *MainForm); }));
}

} // namespace quolan
