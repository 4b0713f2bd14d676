#include "gui/shell/TCreateNewFrm.h"
#include "gui/shell/TExitFrm2.h"
#include "support/GuiTestSupport.h"
#include "support/ModalScript.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace quolan {
namespace {

using testing::child;
using testing::ModalScript;

struct ButtonLook {
    const char* name;
    const char* caption;
};

void expectLook(const QWidget& window, const char* caption, QSize client, const char* text,
                std::initializer_list<ButtonLook> buttons) {
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8(caption));
    EXPECT_EQ(window.size(), client);
    EXPECT_EQ(window.minimumSize(), client);
    EXPECT_EQ(window.maximumSize(), client);
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));

    const auto& label = child<QLabel>(window, "Label1");
    EXPECT_EQ(label.text(), QString::fromUtf8(text));
    const auto* picture = window.findChild<QToolButton*>();
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(picture->autoRaise());
    EXPECT_FALSE(picture->icon().isNull());
    EXPECT_LT(picture->geometry().right(), label.geometry().left());
    for (const ButtonLook& b : buttons) {
        const auto& button = child<QPushButton>(window, b.name);
        EXPECT_EQ(button.text(), QString::fromUtf8(b.caption)) << b.name;
        EXPECT_TRUE(QRect(QPoint(), client).contains(button.geometry())) << b.name;
    }
}

void expectCentredOnTheDesktop(const QWidget& window) {
    const QPoint desktop = QGuiApplication::primaryScreen()->availableGeometry().center();
    const QPoint centre = window.frameGeometry().center();
    EXPECT_LE((centre - desktop).manhattanLength(), 2) << centre.x() << "," << centre.y();
}

TEST(CreateNewFrm, looksAsBuilt) {
    TCreateNewFrm window;
    EXPECT_EQ(window.objectName(), QStringLiteral("CreateNewFrm"));
    expectLook(window, "Создать", {254, 81}, "Создать новую запись?",
               {{"Button1", "Сохранить"}, {"Button2", "Создать"}, {"Button3", "Отмена"}});
    // Stacked at the right, top to bottom.
    const QRect save = child<QPushButton>(window, "Button1").geometry();
    const QRect create = child<QPushButton>(window, "Button2").geometry();
    const QRect cancel = child<QPushButton>(window, "Button3").geometry();
    EXPECT_EQ(save.left(), create.left());
    EXPECT_EQ(create.left(), cancel.left());
    EXPECT_LT(save.bottom(), create.top());
    EXPECT_LT(create.bottom(), cancel.top());
    EXPECT_GT(save.left(), child<QLabel>(window, "Label1").geometry().right());
}

TEST(ExitFrm2, looksAsBuilt) {
    TExitFrm2 window;
    EXPECT_EQ(window.objectName(), QStringLiteral("ExitFrm2"));
    expectLook(window, "Завершение работы", {315, 106}, "Завершение сеанса работы с редактором...",
               {{"Button1", "Сохранить"}, {"Button2", "Выйти"}});
    EXPECT_LT(child<QPushButton>(window, "Button1").geometry().right(),
              child<QPushButton>(window, "Button2").geometry().left());
}

struct CreateNewRun {
    CreateNewRun() {
        main.show();
        window.ask(
            main,
            [this] {
                ++saves;
                return saveSucceeds;
            },
            [this] { ++creates; });
    }
    QWidget main;
    TCreateNewFrm window;
    bool saveSucceeds = false;
    int saves = 0;
    int creates = 0;
};

TEST(CreateNewFrm, isShownOverTheDisabledMainWindowCentredOnTheDesktop) {
    CreateNewRun run;
    EXPECT_TRUE(run.window.isVisible());
    EXPECT_FALSE(run.window.isModal());
    EXPECT_FALSE(run.main.isEnabled());
    EXPECT_TRUE(run.window.isEnabled());
    expectCentredOnTheDesktop(run.window);
}

TEST(CreateNewFrm, everyWayOfClosingEnablesTheMainWindowAgain) {
    const std::function<void(CreateNewRun&)> ways[] = {
        [](CreateNewRun& r) { child<QPushButton>(r.window, "Button2").click(); },
        [](CreateNewRun& r) { child<QPushButton>(r.window, "Button3").click(); },
        [](CreateNewRun& r) { r.window.close(); },
        [](CreateNewRun& r) { QTest::keyClick(&r.window, Qt::Key_Escape); },
        [](CreateNewRun& r) {
            r.saveSucceeds = true;
            child<QPushButton>(r.window, "Button1").click();
        },
    };
    int way = 0;
    for (const auto& close : ways) {
        CreateNewRun run;
        close(run);
        EXPECT_FALSE(run.window.isVisible()) << way;
        EXPECT_TRUE(run.main.isEnabled()) << way;
        ++way;
    }
}

TEST(CreateNewFrm, answersThroughItsActions) {
    CreateNewRun run;
    child<QPushButton>(run.window, "Button1").click(); // the save did not happen
    EXPECT_EQ(run.saves, 1);
    EXPECT_TRUE(run.window.isVisible());
    EXPECT_FALSE(run.main.isEnabled());
    child<QPushButton>(run.window, "Button2").click();
    EXPECT_EQ(run.creates, 1);

    CreateNewRun cancelled;
    child<QPushButton>(cancelled.window, "Button3").click();
    cancelled.window.close();
    EXPECT_EQ(cancelled.saves + cancelled.creates, 0);
}

TEST(ExitFrm2, isModalUntilLeftAndStaysWhileTheSaveFails) {
    TExitFrm2 window;
    int saves = 0;
    bool modalWhileShown = false;
    bool stayedAfterFailedSave = false;
    ModalScript script({[&](QWidget& modal) {
        modalWhileShown = &modal == &window && window.isModal();
        expectCentredOnTheDesktop(window);
        child<QPushButton>(window, "Button1").click();
        stayedAfterFailedSave = window.isVisible();
        child<QPushButton>(window, "Button2").click();
    }});
    window.ask([&] {
        ++saves;
        return false;
    });
    EXPECT_TRUE(modalWhileShown);
    EXPECT_TRUE(stayedAfterFailedSave);
    EXPECT_EQ(saves, 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(script.unexpected(), 0);
}

TEST(ExitFrm2, closesOnceTheSaveSucceedsOrByItsCloseBox) {
    TExitFrm2 window;
    int saves = 0;
    ModalScript script({[&](QWidget&) { child<QPushButton>(window, "Button1").click(); },
                        [&](QWidget&) { window.close(); }});
    window.ask([&] { return ++saves > 0; });
    EXPECT_EQ(saves, 1);
    window.ask([&] { return ++saves > 0; });
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(script.handled(), 2);
}

} // namespace
} // namespace quolan
