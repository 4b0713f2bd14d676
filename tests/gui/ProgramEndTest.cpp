// "Выход" ends the program whatever else is open: the whole run, start-up to
// the end of the message loop, with secondary windows that answer a close
// their own way (the history turns it into "Ok", the chooser refuses it).
#include "core/ui/CommandIds.h"
#include "gui/app/Program.h"
#include "gui/app/Windows.h"
#include "gui/i18n/TLanFrm.h"
#include "gui/main/TMainForm.h"
#include "gui/shell/MainFormTray.h"
#include "gui/shell/SettingsPath.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QTimer>

#include <gtest/gtest.h>

namespace quolan {
namespace {

struct OpenWindows {
    const char* name;
    std::vector<cmd::Id> openings; // the chooser when empty
};

class ProgramEnd : public ::testing::TestWithParam<OpenWindows> {
protected:
    void TearDown() override { QFile::remove(programSettingsPath()); }
};

TEST_P(ProgramEnd, exitFromTheTrayEndsTheRunAtOnceWithEveryWindowGone) {
    const OpenWindows& run = GetParam();
    if (run.openings.empty()) { // the first start asks for a language
        QFile settings(programSettingsPath());
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write("[Language]\r\nInstalled=None\r\n");
    }
    QElapsedTimer sinceExit;
    bool asked = false;
    // Polls until the windows are up, then asks the program to end.
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        if (asked || !MainForm || !MainForm->isVisible())
            return;
        if (run.openings.empty()) {
            if (!LanFrm || !LanFrm->isVisible())
                return; // the first tick comes after a second
        } else {
            for (const cmd::Id command : run.openings)
                MainForm->runCommand(command);
        }
        asked = true;
        auto* exit = MainForm->tray().menu().findChild<QAction*>(QStringLiteral("N42"));
        ASSERT_NE(exit, nullptr);
        sinceExit.start();
        exit->trigger();
    });
    driver.start(20);
    // A run that does not end within the time is ended here, and counts so.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(8000);

    EXPECT_EQ(runProgram({}), 0);
    EXPECT_TRUE(asked);
    EXPECT_LT(sinceExit.elapsed(), 1000);
    EXPECT_EQ(MainForm, nullptr); // and its tray icon with it
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Windows, ProgramEnd,
    ::testing::Values(OpenWindows{"history", {cmd::History}},
                      OpenWindows{"smileys", {cmd::Smileys}}, OpenWindows{"help", {cmd::Help}},
                      OpenWindows{"severalAtOnce",
                                  {cmd::History, cmd::Smileys, cmd::Help, cmd::About}},
                      OpenWindows{"languageChooser", {}}),
    [](const ::testing::TestParamInfo<OpenWindows>& p) { return p.param.name; });

} // namespace
} // namespace quolan
