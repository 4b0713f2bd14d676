// The secondary windows on a desktop with a window manager, typed and clicked
// through the X server as a player does: whichever way a window closes, the
// next keys reach the post.
#include "core/ui/CommandIds.h"
#include "gui/app/TagWindows.h"
#include "gui/shell/TCreateNewFrm.h"
#include "gui/shell/TExitFrm2.h"
#include "x11/support/ProgramOnDesktop.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <string>

namespace quolan {
namespace {

using x11::clickAt;
using x11::clickOn;
using x11::pressKeys;
using x11::typeKeys;

class DialogKeys : public x11::ProgramOnDesktop {
protected:
    static QToolButton& okOf(const QWidget& dialog, const char* name) {
        return *dialog.findChild<QToolButton*>(QString::fromLatin1(name));
    }
};

struct Opening {
    const char* keys; // empty: from the editor's context menu
    cmd::Id command;
};

QWidget* dialogFor(cmd::Id command) {
    if (command == cmd::DialogUrl)
        return UrlCreate;
    if (command == cmd::DialogImage)
        return ImageFrm;
    if (command == cmd::DialogEmail)
        return EmailFrm;
    if (command == cmd::DialogSize)
        return SizeFrm;
    if (command == cmd::DialogFont)
        return FontFrm;
    if (command == cmd::DialogFocus)
        return FocusFrm;
    if (command == cmd::DialogSpecialAction)
        return SAfrm;
    return ColorFrm;
}

TEST_F(DialogKeys, escapeAndTheCloseBoxCloseEveryWindowAndThePostHasTheKeys) {
    const Opening openings[] = {
        {"ctrl+shift+i", cmd::DialogUrl}, {"alt+i", cmd::DialogImage},
        {"ctrl+e", cmd::DialogEmail},     {"", cmd::DialogSize},
        {"ctrl+f", cmd::DialogFocus},     {"alt+s", cmd::DialogSpecialAction},
    };
    for (const char* closing : {"Escape", "alt+F4"}) {
        for (const Opening& opening : openings) {
            SCOPED_TRACE(std::string(opening.command) + " closed by " + closing);
            QWidget* window = dialogFor(opening.command);
            if (*opening.keys)
                pressKeys(opening.keys, [] { return true; });
            else
                MainForm->runCommand(opening.command);
            ASSERT_TRUE(shown(window));
            pressKeys(closing, [window] { return !window->isVisible(); });
            EXPECT_FALSE(window->isVisible());
            typesIntoThePost("x");
        }
    }
}

// The colour and font windows open with their list dropped open; whether the
// list was closed by Escape or used to pick, closing the window after it
// hands the keyboard back to the post.
TEST_F(DialogKeys, windowsThatOpenWithAListHandTheKeysBackAfterTheListWasUsed) {
    const Opening openings[] = {{"alt+c", cmd::DialogColor}, {"alt+f", cmd::DialogFont}};
    for (const char* closing : {"Escape", "alt+F4"}) {
        for (const char* listKeys : {"Escape", "Down Return"}) {
            for (const Opening& opening : openings) {
                SCOPED_TRACE(std::string(opening.command) + ", list by " + listKeys +
                             ", closed by " + closing);
                QWidget* window = dialogFor(opening.command);
                pressKeys(opening.keys, [window] { return window->isVisible(); });
                QComboBox& list = *window->findChild<QComboBox*>();
                ASSERT_TRUE(QTest::qWaitFor([&] { return list.view()->isVisible(); }, 2000));
                pressKeys(listKeys, [&] { return !list.view()->isVisible(); });
                ASSERT_TRUE(shown(window));
                pressKeys(closing, [window] { return !window->isVisible(); });
                EXPECT_FALSE(window->isVisible());
                typesIntoThePost("x");
            }
        }
    }
}

TEST_F(DialogKeys, returnInAnOpenListOnlyPicksAndTheOkButtonLeavesThePostTheKeys) {
    pressKeys("alt+c", [] { return ColorFrm->isVisible(); });
    QComboBox& colours = *ColorFrm->findChild<QComboBox*>();
    ASSERT_TRUE(QTest::qWaitFor([&] { return colours.view()->isVisible(); }, 2000));
    pressKeys("Down Return", [&] { return !colours.view()->isVisible(); });
    EXPECT_TRUE(ColorFrm->isVisible()); // the sample is there to be seen
    EXPECT_EQ(colours.currentText(), QStringLiteral("teal"));
    EXPECT_EQ(text(), "");
    clickOn(okOf(*ColorFrm, "SpeedButton1"), [] { return !ColorFrm->isVisible(); });
    EXPECT_EQ(text(), "[color=teal][/color]");
    typesIntoThePost("Q");

    // The font list opens on the name in the box, or on nothing when no
    // installed family has that name: Return keeps it either way.
    pressKeys("alt+f", [] { return FontFrm->isVisible(); });
    QComboBox& fonts = *FontFrm->findChild<QComboBox*>();
    ASSERT_TRUE(QTest::qWaitFor([&] { return fonts.view()->isVisible(); }, 2000));
    pressKeys("Return", [&] { return !fonts.view()->isVisible(); });
    EXPECT_TRUE(FontFrm->isVisible());
    EXPECT_EQ(fonts.currentText(), QStringLiteral("Courier"));
    pressKeys("Return", [] { return !FontFrm->isVisible(); });
    EXPECT_TRUE(endsWith("Q[font=Courier][/font]"));
    typesIntoThePost("R");
}

TEST_F(DialogKeys, aClickOnTheDisabledMainWindowGivesTheDialogTheKeyboard) {
    pressKeys("ctrl+shift+i", [] { return UrlCreate->isVisible(); });
    ASSERT_TRUE(shown(UrlCreate));
    // The dialog sits in the middle of the screen, the corner of the post is free.
    clickAt(MainForm->memo(), {12, 12}, [] { return false; });
    EXPECT_TRUE(shown(UrlCreate));
    typeKeys("abc", [] { return UrlCreate->edit().text() == QStringLiteral("abc"); });
    pressKeys("Return", [] { return !UrlCreate->isVisible(); });
    EXPECT_EQ(text(), "[url=abc][/url]");
    typesIntoThePost("x");
}

TEST_F(DialogKeys, confirmationButtonsTakeReturnAndOnlyTheNewPostQuestionTakesEscape) {
    typeKeys("abc", [] { return text() == "abc"; });
    pressKeys("ctrl+n", [] { return CreateNewFrm->isVisible(); });
    ASSERT_TRUE(shown(CreateNewFrm));
    pressKeys("Escape", [] { return !CreateNewFrm->isVisible(); });
    EXPECT_FALSE(CreateNewFrm->isVisible());
    EXPECT_EQ(text(), "abc");
    typesIntoThePost("d");

    pressKeys("ctrl+n", [] { return CreateNewFrm->isVisible(); });
    ASSERT_TRUE(shown(CreateNewFrm));
    pressKeys("Tab", [] { return true; }); // from "Сохранить" to "Создать"
    pressKeys("Return", [] { return !CreateNewFrm->isVisible(); });
    EXPECT_EQ(text(), "");
    typesIntoThePost("e");

    // Closing over unsaved text: Escape does not end the program, the
    // focused "Выйти" with Return does.
    bool escapeKeptIt = false;
    QTimer::singleShot(0, [&] {
        if (!shown(ExitFrm2))
            return;
        pressKeys("Escape", [] { return false; });
        escapeKeptIt = ExitFrm2->isVisible();
        pressKeys("Tab", [] { return true; });
        if (!pressKeys("Return", [] { return !ExitFrm2->isVisible(); }))
            ExitFrm2->reject(); // never leave the test waiting
    });
    MainForm->close();
    EXPECT_TRUE(escapeKeptIt);
    EXPECT_FALSE(ExitFrm2->isVisible());
}

TEST_F(DialogKeys, f10AndALoneAltTakeTheKeyboardToTheMenus) {
    // "Файл" opens; past "Правка" and "Вид" to "Теги" and its first item,
    // the out-of-character tag.
    for (const char* key : {"F10", "alt"}) {
        SCOPED_TRACE(key);
        const std::string before = text();
        pressKeys(key, [] { return QApplication::activePopupWidget() != nullptr; });
        pressKeys("Right Right Right Return", [&] { return text() == before + "[ooc][/ooc]"; });
        EXPECT_EQ(text(), before + "[ooc][/ooc]");
        typesIntoThePost("x");
    }
}

} // namespace
} // namespace quolan
