#include "InfoWindows.h"

#include "gui/app/Windows.h"
#include "gui/editor/TMainForm.h"
#include "gui/info/TAbout.h"
#include "gui/info/TCredits.h"
#include "gui/info/THelpFrm.h"
#include "gui/info/THistoryFrm.h"

#include <QAction>

namespace quolan {

QWidget* createAbout() {
    About = new TAbout(*MainForm);
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
