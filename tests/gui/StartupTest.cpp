#include "core/app/StartupSequence.h"
#include "gui/app/ProgramWindows.h"
#include "gui/app/TZast.h"
#include "gui/app/WindowFactories.h"
#include "gui/app/Windows.h"
#include "gui/main/TMainForm.h"
#include "support/GuiTestSupport.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace quolan {
namespace {

using testing::child;

TEST(Startup, createsTheWindowsInOrderWithTheSplashsProgressAndLog) {
    TZast splash;
    std::vector<int> positions;
    auto& bar = child<QProgressBar>(splash, "ProgressBar1");
    QObject::connect(&bar, &QProgressBar::valueChanged, [&](int v) { positions.push_back(v); });
    {
        ProgramWindows windows;
        windows.create(splash);
        ASSERT_NE(MainForm, nullptr);
        EXPECT_EQ(MainForm->objectName(), QStringLiteral("MainForm"));
        // Nothing is shown by the start-up itself.
        for (QWidget* w : QApplication::topLevelWidgets())
            EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    }
    EXPECT_EQ(MainForm, nullptr);

    // The rows this build has windows for, in the table's order.
    std::set<std::string_view> built;
    for (const WindowFactory& f : windowFactories())
        built.insert(f.instance);
    std::vector<int> expectedPositions;
    QStringList expectedLog{QString::fromUtf8("Идет загрузка: ")};
    for (const StartupRow& row : startupRows()) {
        if (!built.contains(row.instance))
            continue;
        expectedPositions.push_back(row.progress);
        if (!row.logLine.empty())
            expectedLog << QString::fromUtf8(row.logLine.data(),
                                             static_cast<qsizetype>(row.logLine.size()));
    }
    EXPECT_EQ(positions, expectedPositions);
    EXPECT_EQ(child<QPlainTextEdit>(splash, "Loading").toPlainText().split(QLatin1Char('\n')),
              expectedLog);
}

TEST(Startup, everyFactoryBelongsToARowOfTheTable) {
    for (const WindowFactory& f : windowFactories()) {
        const auto rows = startupRows();
        EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [&](const StartupRow& r) {
            return r.instance == f.instance;
        })) << f.instance;
    }
}

TEST(Startup, theSplashIsABorderlessFixedWindowWithAHiddenLog) {
    TZast splash;
    EXPECT_EQ(splash.geometry(), QRect(341, 315, 430, 91));
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(child<QLabel>(splash, "Label3").text(), QStringLiteral("Quolan 1 Last Edition"));
    EXPECT_EQ(child<QProgressBar>(splash, "ProgressBar1").maximum(), 100);
    splash.show();
    EXPECT_FALSE(child<QPlainTextEdit>(splash, "Loading").isVisible());
    EXPECT_FALSE(child<QLabel>(splash, "Image").pixmap().isNull());
}

} // namespace
} // namespace quolan
