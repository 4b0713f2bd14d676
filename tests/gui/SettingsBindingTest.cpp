#include "core/settings/IniStore.h"
#include "gui/editor/MemoEdit.h"
#include "gui/i18n/InterfaceLanguage.h"
#include "support/FilesFixture.h"
#include "support/GuiTestSupport.h"
#include "support/ModalScript.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace quolan {
namespace {

using testing::FilesFixture;

QRect outer(const QWidget& window) {
    return window.frameGeometry();
}

void showAndSettle(QWidget& window) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    testing::settle();
}

TEST(SettingsAtStart, withoutAFileTheWindowTakesItsBuiltInOuterBounds) {
    FilesFixture f;
    showAndSettle(*f.form);
    EXPECT_EQ(outer(*f.form), QRect(276, 176, 525, 366));
    EXPECT_FALSE(f.exists("quolan.INI")); // nothing is written before the close
}

TEST(SettingsAtStart, storedBoundsAreAppliedAsTheyStandFrameIncluded) {
    // Partly beyond the screen's right edge, and kept there exactly.
    const int left = QGuiApplication::primaryScreen()->geometry().right() - 100;
    FilesFixture f("[Size]\r\nTop=0x20\r\nLeft=" + std::to_string(left) +
                   "\r\nWidth=$200\r\nHeight=300\r\n");
    showAndSettle(*f.form);
    EXPECT_EQ(outer(*f.form), QRect(left, 32, 512, 300));
}

TEST(SettingsAtStart, boundsLargerThanTheScreenAreFittedToIt) {
    // As 700 x 600 becomes at twice the scale on a small screen.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    FilesFixture f("[Size]\r\nTop=40\r\nLeft=-30\r\nWidth=" + std::to_string(area.width() * 2) +
                   "\r\nHeight=" + std::to_string(area.height() + 200) + "\r\n");
    showAndSettle(*f.form);
    EXPECT_EQ(outer(*f.form), area);
}

TEST(SettingsAtStart, unreadableValuesGiveTheBuiltInOnes) {
    FilesFixture f("[size]\r\ntop=abc\r\nLEFT=10\r\n");
    showAndSettle(*f.form);
    EXPECT_EQ(outer(*f.form), QRect(10, 176, 525, 366));
}

TEST(SettingsAtStart, aWindowThatWouldBeWhollyOffEveryScreenComesBack) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    FilesFixture f("[Size]\r\nTop=100\r\nLeft=" + std::to_string(screen.right() + 50) +
                   "\r\nWidth=400\r\nHeight=300\r\n");
    showAndSettle(*f.form);
    EXPECT_EQ(outer(*f.form), QRect(276, 176, 525, 366));
}

TEST(SettingsAtClose, theFourBoundsAndTheFontNameAreWrittenInOrder) {
    FilesFixture f;
    showAndSettle(*f.form);
    f.form->close();
    EXPECT_EQ(f.content("quolan.INI"),
              "[Size]\r\nTop=176\r\nLeft=276\r\nWidth=525\r\nHeight=366\r\n"
              "[Font]\r\nName=MS Sans Serif\r\n");
}

TEST(SettingsAtClose, theBoundsSurviveARestartWithoutGrowingByTheFrame) {
    FilesFixture f;
    showAndSettle(*f.form);
    f.form->move(40, 60);
    f.form->resize(600, 400);
    testing::settle();
    const QRect before = outer(*f.form);
    f.form->close();
    for (int run = 0; run < 2; ++run) {
        f.open();
        showAndSettle(*f.form);
        EXPECT_EQ(outer(*f.form), before) << run;
        f.form->close();
    }
}

TEST(SettingsAtClose, otherLinesOfTheFileStayAsTheyWere) {
    const std::string mine = "; written by hand\r\n[Size]\r\nTop=10\r\nColour=blue\r\n\r\n"
                             "[Language]\r\nInstalled=English\r\n";
    FilesFixture f(mine);
    showAndSettle(*f.form);
    f.form->close();
    const std::string after = f.content("quolan.INI");
    EXPECT_EQ(after.substr(0, 19), "; written by hand\r\n");
    EXPECT_NE(after.find("Colour=blue\r\n"), std::string::npos);
    EXPECT_NE(after.find("[Language]\r\nInstalled=English\r\n"), std::string::npos);
    EXPECT_NE(after.find("[Font]\r\nName=MS Sans Serif\r\n"), std::string::npos);
}

TEST(SettingsAtClose, aGarbageFileIsKeptAndAddedTo) {
    std::string garbage;
    for (int i = 0; i < 3000; ++i)
        garbage += static_cast<char>((i * 37) % 256);
    FilesFixture f(garbage);
    showAndSettle(*f.form);
    EXPECT_EQ(outer(*f.form), QRect(276, 176, 525, 366));
    f.form->close();
    EXPECT_EQ(f.content("quolan.INI").substr(0, garbage.size()), garbage);
}

TEST(SettingsAtClose, aRefusedWriteIsReportedOnceAndTheProgramStillEnds) {
    FilesFixture f;
    f.put("plain", "not a folder");
    const std::string path = f.path("plain/quolan.INI");
    f.form.reset();
    f.form = std::make_unique<WiredMainForm>(nullptr, QString::fromStdString(path));
    f.form->setErrorSink([&](std::string_view m) { f.messages.emplace_back(m); });
    int closings = 0;
    QObject::connect(f.form.get(), &TMainForm::closing, [&] { ++closings; });
    f.form->close();
    EXPECT_EQ(f.messages, std::vector<std::string>{"Unable to write to " + path});
    EXPECT_EQ(closings, 1);
}

TEST(SettingsWrites, reachTheFileAtOnce) {
    FilesFixture f;
    ASSERT_TRUE(f.form->files().settings().writeString("Language", "Installed", "English"));
    EXPECT_EQ(f.content("quolan.INI"), "[Language]\r\nInstalled=English\r\n");
}

// --- The first tick ----------------------------------------------------------

struct TickCase {
    const char* name;
    std::optional<std::string> stored;
    int russian;
    int english;
};

class FirstTick : public ::testing::TestWithParam<TickCase> {};

TEST_P(FirstTick, runsTheLanguageCommandOfTheStoredValueOnly) {
    FilesFixture f(GetParam().stored ? "[Language]\r\nInstalled=" + *GetParam().stored + "\r\n"
                                     : std::string("[Size]\r\n"));
    int russian = 0;
    int english = 0;
    QObject::connect(
        &f.form->language(), &InterfaceLanguage::languageShown,
        [&](Language language) { ++(language == Language::Russian ? russian : english); });
    emit f.form->firstTick();
    EXPECT_EQ(russian, GetParam().russian);
    EXPECT_EQ(english, GetParam().english);
    EXPECT_TRUE(f.form->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Values, FirstTick,
    ::testing::Values(TickCase{"None", "None", 0, 0}, TickCase{"Russian", "Russian", 1, 0},
                      TickCase{"English", "English", 0, 1}, TickCase{"lowerCase", "russian", 0, 0},
                      TickCase{"empty", "", 0, 0}, TickCase{"missing", std::nullopt, 0, 0}),
    [](const ::testing::TestParamInfo<TickCase>& p) { return p.param.name; });

TEST(FirstTick, theRealTimerTicksOnceAboutASecondAfterStart) {
    FilesFixture f("[Language]\r\nInstalled=English\r\n");
    f.open();
    auto& timer = testing::child<QTimer>(*f.form, "Timer1");
    timer.start(); // the fixture stopped it
    int english = 0;
    QObject::connect(&f.form->language(), &InterfaceLanguage::languageShown,
                     [&](Language language) { english += language == Language::English; });
    QTest::qWait(1400);
    EXPECT_EQ(english, 1);
    EXPECT_FALSE(timer.isActive());
}

TEST(FirstTick, replacesOnlyTheNameOfTheEditorFont) {
    FilesFixture f("[Font]\r\nName=Liberation Serif Condensed Bold Italic\r\n");
    QFont font = f.form->memo().font();
    font.setPointSize(14);
    font.setItalic(true);
    f.form->memo().setFont(font);
    emit f.form->firstTick();
    const QFont now = f.form->memo().font();
    EXPECT_EQ(now.family(), QStringLiteral("Liberation Serif Condensed Bold")); // 31 characters
    EXPECT_EQ(now.pointSize(), 14);
    EXPECT_TRUE(now.italic());

    f.form->close();
    EXPECT_NE(f.content("quolan.INI").find("Name=Liberation Serif Condensed Bold\r\n"),
              std::string::npos);
}

TEST(FirstTick, anEmptyNameLeavesTheFont) {
    FilesFixture f("[Font]\r\nName=\r\n");
    emit f.form->firstTick();
    EXPECT_EQ(f.form->memo().font().family(), QStringLiteral("MS Sans Serif"));
}

} // namespace
} // namespace quolan
