#include "InfoWindows.h"

#include "core/shell/ForumLinks.h"
#include "gui/app/Windows.h"
#include "gui/info/TAbout.h"
#include "gui/info/TCredits.h"
#include "gui/info/THelpFrm.h"
#include "gui/info/THistoryFrm.h"
#include "gui/main/TMainForm.h"
#include "gui/shell/MainFormFiles.h"
#include "gui/ui/DesktopLinks.h"

#include <QAction>

namespace quolan {

QWidget* createAbout() {
    // The same host as the links menu: the settings file's, read anew each time.
    return createAbout(desktopLinks(), [] {
        return MainForm ? forumHost(MainForm->files().settings()) : std::string(kBuiltInForumHost);
    });
}

QWidget* createAbout(const LinkOpener& links, std::function<std::string()> host) {
    About = new TAbout(*MainForm, links, std::move(host));
    return About;
}

QWidget* createCredits() {
    Credits = new TCredits;
    if (About)
        About->setCredits(Credits);
    return Credits;
}

QWidget* createHistoryFrm() {
    HistoryFrm = new THistoryFrm(MainForm->findChild<QAction*>(QStringLiteral("N70")));
    return HistoryFrm;
}

QWidget* createHelpFrm() {
    HelpFrm = new THelpFrm;
    return HelpFrm;
}

} // namespace quolan
