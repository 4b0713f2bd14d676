#include "gui/app/InfoWindows.h"

#include "core/info/HistorySlide.h"
#include "core/info/InfoChains.h"
#include "core/shell/ForumLinks.h"
#include "core/support/FakeLinks.h"
#include "core/ui/CommandIds.h"
#include "gui/app/CommandWiring.h"
#include "gui/app/Windows.h"
#include "gui/editor/MemoEdit.h"
#include "gui/info/AnimatedChain.h"
#include "gui/info/InfoPictures.h"
#include "gui/info/TAbout.h"
#include "gui/info/TCredits.h"
#include "gui/info/THelpFrm.h"
#include "gui/info/THistoryFrm.h"
#include "support/FilesFixture.h"
#include "support/GuiTestSupport.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace quolan {
namespace {

using testing::child;

// The main window and the four information windows, as the start-up makes them.
struct InfoWindows : ::testing::Test {
    InfoWindows() {
        MainForm = files.form.get();
        windows.emplace_back(createAbout(links, [this] { return host; }));
        windows.emplace_back(createCredits());
        windows.emplace_back(createHistoryFrm());
        windows.emplace_back(createHelpFrm());
        wireProgramWindows(MainForm->commands());
    }
    ~InfoWindows() override {
        while (!windows.empty())
            windows.pop_back();
        About = nullptr;
        Credits = nullptr;
        HistoryFrm = nullptr;
        HelpFrm = nullptr;
        MainForm = nullptr;
    }

    TMainForm& main() const { return *files.form; }
    QWidget& about(const char* name) const { return child<QWidget>(*About, name); }
    QWidget& credits(const char* name) const { return child<QWidget>(*Credits, name); }

    // Fires whichever stage timer is running, as the event loop would,
    // until none runs or `limit` ticks; the ticks fired.
    static int drive(AnimatedChain& animation, int limit = 100000) {
        int ticks = 0;
        for (; ticks < limit; ++ticks) {
            std::size_t running = animation.chain().size();
            for (std::size_t i = 0; i < animation.chain().size(); ++i)
                if (animation.timer(i).isActive())
                    running = i;
            if (running == animation.chain().size())
                break;
            animation.chain().tick(running);
        }
        return ticks;
    }
    static int activeTimers(AnimatedChain& animation) {
        int active = 0;
        for (std::size_t i = 0; i < animation.chain().size(); ++i)
            active += animation.timer(i).isActive() ? 1 : 0;
        return active;
    }

    testing::FilesFixture files;
    std::vector<std::unique_ptr<QWidget>> windows;
    testing::FakeLinks links;
    std::string host{kBuiltInForumHost};
};

TEST_F(InfoWindows, theAboutOpenerSetsTheStartPositionsAndDisablesTheMainWindow) {
    main().show();
    main().runCommand(cmd::About);
    EXPECT_TRUE(About->isVisible());
    EXPECT_FALSE(main().isEnabled());
    EXPECT_EQ(about("Label6").x(), -240);
    EXPECT_EQ(about("MovBevel1").x(), 432);
    EXPECT_EQ(about("Label1").x(), 440);
    EXPECT_EQ(about("Label2").x(), 440);
    EXPECT_EQ(about("BrennowBevel").geometry(), QRect(200, 152, 17, 17));
    EXPECT_EQ(about("Logo").geometry(), QRect(200, 152, 17, 17));
    EXPECT_TRUE(about("Logo").isHidden());
    EXPECT_TRUE(about("BrennowBevel").isHidden());
    for (const char* name : {"Label3", "Label4", "Label5"})
        EXPECT_EQ(about(name).y(), -12) << name;
    EXPECT_EQ(about("ButBev").x(), 410);
    EXPECT_TRUE(about("okBtn").isHidden());
    EXPECT_TRUE(About->animation().timer(0).isActive());
    EXPECT_EQ(About->animation().timer(0).interval(), info::kTickMs);
    EXPECT_EQ(activeTimers(About->animation()), 1);
}

TEST_F(InfoWindows, theAboutChainPlaysToItsRestPositionsThroughItsTimers) {
    main().show();
    main().runCommand(cmd::About);
    EXPECT_EQ(drive(About->animation()), 57 + 36 + 44 + 44 + 26 + 27 + 29 + 22 + 42);
    EXPECT_EQ(about("Label6").pos(), QPoint(336, 40));
    EXPECT_EQ(about("Label1").x(), 8);
    EXPECT_EQ(about("MovBevel1").x(), -24);
    EXPECT_EQ(about("Logo").geometry(), QRect(72, 72, 281, 161));
    EXPECT_EQ(about("ButBev").x(), 304);
    EXPECT_TRUE(about("okBtn").isVisible());
    EXPECT_FALSE(child<QLabel>(*About, "Logo").pixmap().isNull());
}

TEST_F(InfoWindows, everyWayOfClosingTheAboutWindowEnablesTheMainWindow) {
    main().show();
    const std::function<void()> closings[] = {
        [] { QTest::mouseClick(&child<QPushButton>(*About, "okBtn"), Qt::LeftButton); },
        [] { About->close(); }, // the close box
    };
    for (const auto& closeIt : closings) {
        main().runCommand(cmd::About);
        drive(About->animation());
        ASSERT_FALSE(main().isEnabled());
        closeIt();
        EXPECT_FALSE(About->isVisible());
        EXPECT_TRUE(main().isEnabled());
    }
}

TEST_F(InfoWindows, closingMidAnimationEndsTheChainAtOnceAndRestsInPlace) {
    main().show();
    main().runCommand(cmd::About);
    drive(About->animation(), 70); // into stage 2
    About->close();
    EXPECT_TRUE(main().isEnabled());
    EXPECT_EQ(activeTimers(About->animation()), 0); // nothing ticks for a hidden window
    EXPECT_EQ(about("Label6").x(), 336);
    EXPECT_EQ(about("Label4").y(), 272);
}

TEST_F(InfoWindows, theOpenerRestartsTheAnimationOfAnOpenWindow) {
    main().show();
    main().runCommand(cmd::About);
    drive(About->animation(), 200); // in the growth stages
    main().runCommand(cmd::About);  // the tray menu's item, say
    EXPECT_TRUE(About->isVisible());
    EXPECT_EQ(about("MovBevel1").x(), 432);
    EXPECT_TRUE(about("BrennowBevel").isHidden());
    EXPECT_TRUE(About->animation().timer(0).isActive());
    EXPECT_EQ(activeTimers(About->animation()), 1);
}

TEST_F(InfoWindows, theLinkLabelsOpenTheSiteAndTheForumAndLeaveTheWindowsAsTheyAre) {
    main().show();
    main().runCommand(cmd::About);
    drive(About->animation());
    QTest::mouseClick(&child<QLabel>(*About, "Label3"), Qt::LeftButton);
    QTest::mouseClick(&child<QLabel>(*About, "Label4"), Qt::LeftButton);
    EXPECT_EQ(links.opened, (std::vector<std::string>{"http://www.brennow.org/",
                                                      "http://www.brennow.org/forum/"}));
    EXPECT_EQ(child<QLabel>(*About, "Label4").text(), QStringLiteral("www.brennow.org/forum/"));
    EXPECT_TRUE(About->isVisible());
    EXPECT_FALSE(main().isEnabled());
    for (const char* name : {"Label3", "Label4", "Label6"})
        EXPECT_EQ(about(name).cursor().shape(), Qt::PointingHandCursor) << name;

    // The host is asked anew at each opening.
    host = "mirror.example:8080";
    About->close();
    main().runCommand(cmd::About);
    drive(About->animation());
    QTest::mouseClick(&child<QLabel>(*About, "Label3"), Qt::LeftButton);
    EXPECT_EQ(child<QLabel>(*About, "Label3").text(), QStringLiteral("mirror.example:8080/"));
    EXPECT_EQ(links.opened.back(), "http://mirror.example:8080/");
}

TEST_F(InfoWindows, creditsOpenOverTheAboutWindowAndEveryCloseEnablesIt) {
    main().show();
    const std::function<void()> closings[] = {
        [] { QTest::mouseClick(&child<QPushButton>(*Credits, "CreditsOk"), Qt::LeftButton); },
        [] { Credits->close(); },
    };
    for (const auto& closeIt : closings) {
        main().runCommand(cmd::About);
        drive(About->animation());
        QTest::mouseClick(&child<QLabel>(*About, "Label6"), Qt::LeftButton);
        ASSERT_TRUE(Credits->isVisible());
        EXPECT_FALSE(About->isEnabled());
        EXPECT_EQ(credits("Image1").x(), 450);
        EXPECT_EQ(credits("Bevel1").x(), -369);
        EXPECT_EQ(credits("Bevel2").y(), -410);
        EXPECT_TRUE(credits("Label11").isHidden());
        EXPECT_TRUE(credits("CreditsOk").isHidden());
        EXPECT_EQ(drive(Credits->animation()), 36 + 36 + 52 + 39 + 8 * 35 + 34 + 19);
        EXPECT_TRUE(credits("Label20").isVisible());
        EXPECT_TRUE(credits("Label21").isVisible());
        EXPECT_EQ(credits("BevelOk").x(), 336);
        closeIt();
        EXPECT_FALSE(Credits->isVisible());
        EXPECT_TRUE(About->isEnabled());
        EXPECT_FALSE(main().isEnabled()); // the about window is still open
        About->close();
    }
}

TEST_F(InfoWindows, creditsOpenedMidAboutLetBothChainsRunAndACloseStopsItsTimers) {
    main().show();
    main().runCommand(cmd::About);
    drive(About->animation(), 100);
    About->Label6Click();
    EXPECT_GT(activeTimers(About->animation()), 0);
    EXPECT_TRUE(Credits->animation().timer(0).isActive());
    drive(Credits->animation(), 500); // into the role labels
    Credits->close();
    EXPECT_EQ(activeTimers(Credits->animation()), 0);
    EXPECT_EQ(drive(About->animation()), 57 + 36 + 44 + 44 + 26 + 27 + 29 + 22 + 42 - 100);
}

TEST_F(InfoWindows, everyLabelFitsItsWindowAtRest) {
    main().show();
    main().runCommand(cmd::About);
    drive(About->animation());
    About->Label6Click();
    drive(Credits->animation());
    // The texts the interface language gives the about window fit as well.
    auto& version = child<QLabel>(*About, "Label2");
    QStringList texts{version.text(), QString::fromUtf8("Версия программы: 1.56 LE"),
                      QStringLiteral("Program Version 1.56 LE")};
    for (const QString& text : texts) {
        version.setText(text);
        QApplication::sendPostedEvents();
        QApplication::processEvents();
        for (QWidget* window : {static_cast<QWidget*>(About), static_cast<QWidget*>(Credits)}) {
            for (QLabel* label : window->findChildren<QLabel*>()) {
                if (label->isHidden() || !label->pixmap().isNull())
                    continue;
                const std::string name =
                    (window->objectName() + QLatin1Char('.') + label->objectName()).toStdString();
                EXPECT_GE(label->width(), label->sizeHint().width()) << name;
                EXPECT_TRUE(window->rect().contains(label->geometry())) << name;
            }
        }
    }
    // The names stay clear of the picture beside them.
    for (QLabel* label : Credits->findChildren<QLabel*>())
        if (label->y() < 201 && label->pixmap().isNull()) {
            EXPECT_LE(label->geometry().right(), 280) << label->objectName().toStdString();
        }
}

TEST_F(InfoWindows, theCreditsPictureIsDecoded) {
    About->open();
    About->Label6Click();
    EXPECT_EQ(child<QLabel>(*Credits, "Image1").pixmap().size(), QSize(145, 185));
    EXPECT_TRUE(creditsPicture(QStringLiteral(":/info/no-such.jpg")).isNull());
}

// ---- History window ----

TEST_F(InfoWindows, historyTypesItsTextAndOkResetsIt) {
    main().show();
    auto& item = child<QAction>(main(), "N70");
    auto& memo = child<QPlainTextEdit>(*HistoryFrm, "Memo1");
    auto& typing = child<QTimer>(*HistoryFrm, "Timer1");
    const QString text = HistoryFrm->historyText();
    ASSERT_EQ(text.split(QLatin1Char('\n')).size(), 16);

    main().runCommand(cmd::History);
    EXPECT_TRUE(HistoryFrm->isVisible());
    EXPECT_TRUE(main().isEnabled());
    EXPECT_FALSE(item.isEnabled());
    EXPECT_TRUE(typing.isActive());
    EXPECT_EQ(typing.interval(), 20);
    HistoryFrm->Timer1Timer();
    EXPECT_EQ(memo.toPlainText(), text.left(1));
    for (qsizetype i = 1; i < text.size(); ++i)
        HistoryFrm->Timer1Timer();
    EXPECT_EQ(memo.toPlainText(), text);
    EXPECT_FALSE(typing.isActive());

    QTest::mouseClick(&child<QPushButton>(*HistoryFrm, "Button1"), Qt::LeftButton);
    EXPECT_FALSE(HistoryFrm->isVisible());
    EXPECT_TRUE(item.isEnabled());
    EXPECT_TRUE(memo.toPlainText().isEmpty());
}

TEST_F(InfoWindows, okMidTypingEmptiesTheScreenAndTheNextOpeningStartsAgain) {
    main().show();
    auto& memo = child<QPlainTextEdit>(*HistoryFrm, "Memo1");
    main().runCommand(cmd::History);
    for (int i = 0; i < 30; ++i)
        HistoryFrm->Timer1Timer();
    HistoryFrm->Button1Click();
    EXPECT_TRUE(memo.toPlainText().isEmpty());
    EXPECT_FALSE(child<QTimer>(*HistoryFrm, "Timer1").isActive());
    main().runCommand(cmd::History);
    HistoryFrm->Timer1Timer();
    EXPECT_EQ(memo.toPlainText(), HistoryFrm->historyText().left(1));
    // A close from the window manager does what "Ok" does.
    HistoryFrm->close();
    EXPECT_FALSE(HistoryFrm->isVisible());
    EXPECT_TRUE(child<QAction>(main(), "N70").isEnabled());
    EXPECT_TRUE(memo.toPlainText().isEmpty());
}

TEST_F(InfoWindows, theHistoryButtonSlidesOnlyWhileShownAndResumesWhereTheSlideWouldBe) {
    qint64 now = 0;
    HistoryFrm->setClock([&now] { return now; });
    auto& left = child<QTimer>(*HistoryFrm, "Timer2");
    auto& right = child<QTimer>(*HistoryFrm, "Timer3");
    auto& button = child<QPushButton>(*HistoryFrm, "Button1");
    EXPECT_FALSE(left.isActive() || right.isActive()); // hidden: nothing ticks

    now = 12345 * info::kTickMs + 3;
    main().show();
    main().runCommand(cmd::History);
    const info::ButtonSlide expected = info::slideAfter(info::ButtonSlide{}, 12345);
    EXPECT_EQ(button.x(), expected.left);
    EXPECT_NE(left.isActive(), right.isActive());
    EXPECT_EQ(left.isActive(), expected.leftward);

    // Ticks while shown keep within the two turning points.
    for (int i = 0; i < 1000; ++i) {
        HistoryFrm->slideTimer();
        ASSERT_GE(button.x(), 13);
        ASSERT_LE(button.x(), 472);
        ASSERT_NE(left.isActive(), right.isActive());
    }
    const info::ButtonSlide atHide = HistoryFrm->slide();
    HistoryFrm->Button1Click();
    EXPECT_FALSE(left.isActive() || right.isActive());
    now += 777 * info::kTickMs;
    main().runCommand(cmd::History);
    EXPECT_EQ(button.x(), info::slideAfter(atHide, 777).left);
}

// ---- Help window ----

TEST_F(InfoWindows, f1OpensTheHelpOnceWithTwoTabsAndASecondF1ChangesNothing) {
    main().show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    main().memo().setFocus();
    QTest::keyClick(static_cast<QWidget*>(&main().memo()), Qt::Key_F1);
    ASSERT_TRUE(HelpFrm->isVisible());
    EXPECT_TRUE(main().isEnabled());
    auto& pages = child<QTabWidget>(*HelpFrm, "PageControl1");
    QStringList shown;
    for (int i = 0; i < pages.count(); ++i)
        if (pages.isTabVisible(i))
            shown << pages.tabText(i);
    EXPECT_EQ(shown,
              (QStringList{QString::fromUtf8("Лицензионное соглашение"), QStringLiteral("FAQ")}));
    EXPECT_EQ(pages.currentWidget()->objectName(), QStringLiteral("TabSheet1"));
    EXPECT_FALSE(pages.isTabVisible(pages.indexOf(&child<QWidget>(*HelpFrm, "TabSheet3"))));
    EXPECT_FALSE(child<QPlainTextEdit>(*HelpFrm, "Memo2").toPlainText().isEmpty());

    pages.setCurrentWidget(&child<QWidget>(*HelpFrm, "TabSheet2"));
    const QPoint place = HelpFrm->pos();
    main().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    QTest::keyClick(static_cast<QWidget*>(&main().memo()), Qt::Key_F1);
    EXPECT_EQ(pages.currentWidget()->objectName(), QStringLiteral("TabSheet2"));
    EXPECT_EQ(HelpFrm->pos(), place);

    QTest::mouseClick(&child<QPushButton>(*HelpFrm, "Button1"), Qt::LeftButton);
    EXPECT_FALSE(HelpFrm->isVisible());
    main().runCommand(cmd::Help);
    EXPECT_EQ(pages.currentWidget()->objectName(), QStringLiteral("TabSheet2")); // kept
}

TEST_F(InfoWindows, theHelpTextsHaveTheirStructure) {
    const QStringList licence =
        child<QPlainTextEdit>(*HelpFrm, "Memo1").toPlainText().split(QLatin1Char('\n'));
    QStringList clauses;
    for (const QString& line : licence)
        if (!line.isEmpty() && line.front().isDigit())
            clauses << line.section(QLatin1Char('.'), 0, 0);
    EXPECT_EQ(clauses.size(), 13);
    EXPECT_EQ(clauses.back(), QStringLiteral("13"));
    const QStringList faq =
        child<QPlainTextEdit>(*HelpFrm, "Memo3").toPlainText().split(QLatin1Char('\n'));
    int questions = 0, answers = 0;
    for (const QString& line : faq) {
        questions += line.startsWith(QString::fromUtf8("В:")) ? 1 : 0;
        answers += line.startsWith(QString::fromUtf8("О:")) ? 1 : 0;
    }
    EXPECT_EQ(questions, 5);
    EXPECT_EQ(answers, 5);
    const QString history = HistoryFrm->historyText();
    for (const QString& text : {history, faq.join(QLatin1Char('\n'))})
        EXPECT_FALSE(text.contains(QLatin1Char('@'))) << "no e-mail addresses";
}

} // namespace
} // namespace quolan
