// Menu keys in a real X11 window, typed through the X server as a player
// types them: Qt's own key matching handles layouts and shifted keys, which
// offscreen key events cannot show. Runs under a private Xvfb (xvfb-run)
// with a window manager.
#include "core/ui/CommandIds.h"
#include "gui/app/WiredMainForm.h"
#include "gui/editor/MemoEdit.h"
#include "x11/support/Desktop.h"

#include <QApplication>
#include <QTest>

#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>

namespace quolan {
namespace {

class RealKeys : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(std::system("setxkbmap -layout us"), 0);
        form = std::make_unique<WiredMainForm>();
        for (const cmd::Id id : {cmd::DialogSpecialAction, cmd::DialogSize, cmd::DialogColor})
            form->commands().add(id, [this, id] { ++runs[std::string(id)]; });
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        form->memo().setFocus();
    }
    void TearDown() override { std::system("setxkbmap -layout us"); }

    // Sends keys through the X server and waits until the program has them.
    void press(const std::string& keys, const std::function<bool()>& arrived) {
        ASSERT_EQ(std::system(("xdotool key --clearmodifiers " + keys).c_str()), 0);
        EXPECT_TRUE(QTest::qWaitFor(arrived, 3000)) << keys;
        QTest::qWait(50); // anything else the keys might still do
    }
    std::string text() const { return form->editor().text(); }
    int ran(cmd::Id id) { return runs[std::string(id)]; }

    std::unique_ptr<TMainForm> form;
    std::map<std::string, int> runs;
};

TEST_F(RealKeys, menuKeysReachTheFirstItemAndNeverTheEditor) {
    press("a b c", [&] { return text() == "abc"; });
    press("shift+Left", [&] { return form->editor().selectionLength() == 1; });
    press("ctrl+x", [] { return true; });
    EXPECT_EQ(text(), "abc"); // no cut
    press("alt+s", [&] { return ran(cmd::DialogSpecialAction) == 1; });
    EXPECT_EQ(ran(cmd::DialogSize), 0);
    press("alt+c", [&] { return ran(cmd::DialogColor) == 1; });
    press("ctrl+shift+c", [&] { return text() == "ab[center]c[/center]"; });
    press("ctrl+b", [&] { return text() == "ab[center]c[/center][b][/b]"; });
    // Shift+2 and Shift+1 arrive as '@' and '!'.
    press("ctrl+shift+2", [&] { return text() == "ab[center]c[/center]<b></b>"; });
    press("ctrl+shift+1", [&] { return text() == "ab[center]c[/center][b][/b]"; });
}

TEST_F(RealKeys, keysWorkWithTheRussianLayoutActive) {
    ASSERT_EQ(std::system("setxkbmap -layout ru,us"), 0);
    QTest::qWait(200);
    press("Cyrillic_ve", [&] { return text() == "\xE2"; });                // typing gives Cyrillic
    press("ctrl+Cyrillic_i", [&] { return text() == "\xE2[b][/b]"; });     // the B key
    press("ctrl+shift+quotedbl", [&] { return text() == "\xE2<b></b>"; }); // Shift+2 there
}

} // namespace
} // namespace quolan
