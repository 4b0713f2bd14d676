#include "CommandWiring.h"

#include "core/tags/ParameterTags.h"
#include "core/ui/CommandIds.h"
#include "core/ui/CommandRegistry.h"
#include "gui/app/Windows.h"
#include "gui/editor/TMainForm.h"
#include "gui/info/TAbout.h"
#include "gui/info/TCredits.h"
#include "gui/info/THelpFrm.h"
#include "gui/info/THistoryFrm.h"
#include "gui/shell/TOptions.h"
#include "gui/tags/FieldDialogs.h"
#include "gui/tags/TColorFrm.h"
#include "gui/tags/TFontFrm.h"
#include "gui/tags/TSizeFrm.h"
#include "gui/tags/TSmileFRM.h"
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

void wireCommands(CommandRegistry& commands) {
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
