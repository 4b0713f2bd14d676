#pragma once

#include "gui/app/ProgramWindows.h"
#include "gui/app/Windows.h"
#include "gui/editor/MemoEdit.h"
#include "gui/main/TMainForm.h"
#include "gui/support/SilentProgress.h"
#include "x11/support/Desktop.h"

#include <QApplication>
#include <QTest>

#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace quolan::x11 {

// The program's windows, created as the start-up creates them, with the main
// window shown and holding the keyboard.
class ProgramOnDesktop : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(std::system("setxkbmap -layout us"), 0);
        windows_ = std::make_unique<ProgramWindows>();
        windows_->create(progress_);
        ASSERT_NE(MainForm, nullptr);
        MainForm->show();
        ASSERT_TRUE(comesToFront(*MainForm));
        ASSERT_TRUE(QTest::qWaitFor([] { return MainForm->memo().hasFocus(); }, 2000));
    }
    void TearDown() override { windows_.reset(); }

    // A window manager still starting may drop a request for the keyboard;
    // asks again until it is granted.
    static bool comesToFront(QWidget& window) {
        for (int tries = 0; tries < 10; ++tries) {
            window.activateWindow();
            if (QTest::qWaitForWindowActive(&window, 1000))
                return true;
        }
        return false;
    }
    static std::string text() { return MainForm->editor().text(); }
    static bool endsWith(const std::string& tail) {
        const std::string all = text();
        return all.size() >= tail.size() &&
               all.compare(all.size() - tail.size(), tail.size(), tail) == 0;
    }
    // The program is back in the post: the main window has the keyboard, for
    // the window manager too, and a typed letter lands in the text.
    static void typesIntoThePost(const char* letter) {
        EXPECT_TRUE(QTest::qWaitFor([] { return MainForm->isEnabled(); }, 2000));
        EXPECT_TRUE(QTest::qWaitFor([] { return activeXWindow() == MainForm->winId(); }, 3000))
            << "the window manager's active window is " << activeXWindow();
        const std::string before = text();
        EXPECT_TRUE(typeKeys(letter, [&] { return text() == before + letter; }))
            << "typed '" << letter << "' after \"" << before << "\", the post holds \"" << text()
            << '"';
        EXPECT_EQ(QApplication::activeWindow(), MainForm);
    }
    // Visible with the keyboard, which a list it dropped open may hold.
    static bool shown(const QWidget* window) {
        return QTest::qWaitFor(
            [window] {
                const QWidget* popup = QApplication::activePopupWidget();
                const bool ownPopup =
                    popup && popup->parentWidget() && popup->parentWidget()->window() == window;
                return window->isVisible() && (window->isActiveWindow() || ownPopup);
            },
            3000);
    }
    // Names the main window as its owner to the window manager.
    static bool ownedByMain(const QWidget& window) {
        return ownerXWindow(window.winId()) == MainForm->winId();
    }

    std::unique_ptr<ProgramWindows> windows_;

private:
    testing::SilentProgress progress_;
};

} // namespace quolan::x11
