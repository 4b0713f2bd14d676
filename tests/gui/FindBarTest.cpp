#include "gui/find/FindBar.h"

#include "core/ui/CommandIds.h"
#include "gui/app/WiredMainForm.h"
#include "gui/editor/MemoEdit.h"
#include "gui/ui/QtText.h"
#include "support/GuiTestSupport.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace quolan {
namespace {

using testing::child;

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

TEST(FindBar, opensFromTheEditMenuFindsWithF3AndReplacesAllInOneUndo) {
    WiredMainForm form;
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EditorModel& model = form.editor();
    const std::string before = postText(text("один два Один три\r\nодин"));
    model.loadText(before);
    form.memo().setFocus();

    auto& bar = child<FindBar>(form, "FindBar");
    auto& find = child<QLineEdit>(bar, "FindText");
    auto& status = child<QLabel>(bar, "FindStatus");
    EXPECT_FALSE(bar.isVisible());
    child<QAction>(form, "Find1").trigger();
    ASSERT_TRUE(bar.isVisible());
    EXPECT_FALSE(child<QLineEdit>(bar, "ReplaceText").isVisible());
    QTRY_VERIFY(find.hasFocus());

    testing::typeText(find, text("один"));
    EXPECT_EQ(status.text(), text("Совпадений: 3"));
    QTest::keyClick(&find, Qt::Key_Return);
    EXPECT_EQ(model.selectionStart(), 0u);
    EXPECT_EQ(form.memo().textCursor().selectedText(), text("один"));
    QTest::keyClick(&find, Qt::Key_F3);
    EXPECT_EQ(model.selectionStart(), 9u);
    EXPECT_EQ(status.text(), text("2 из 3"));
    child<QCheckBox>(bar, "MatchCase").click();
    QTest::keyClick(&find, Qt::Key_F3); // "Один" no longer counts
    EXPECT_EQ(model.selectionStart(), 19u);
    EXPECT_EQ(status.text(), text("2 из 2"));
    QTest::keyClick(&find, Qt::Key_F3);
    EXPECT_EQ(model.selectionStart(), 0u);
    EXPECT_TRUE(status.text().endsWith(text("продолжено с начала")));
    QTest::keyClick(&find, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(model.selectionStart(), 19u);
    QTest::keyClick(&find, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(&find, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(model.selectionStart(), 19u);
    EXPECT_TRUE(status.text().endsWith(text("продолжено с конца")));

    QTest::keyClick(&find, Qt::Key_Escape);
    EXPECT_FALSE(bar.isVisible());
    QTRY_VERIFY(form.memo().hasFocus());

    QTest::keyClick(&form.memo(), Qt::Key_H, Qt::ControlModifier);
    auto& replacement = child<QLineEdit>(bar, "ReplaceText");
    ASSERT_TRUE(replacement.isVisible());
    QTRY_VERIFY(replacement.hasFocus()); // the text to find is there already
    testing::typeText(replacement, text("раз"));
    child<QPushButton>(bar, "ReplaceAllBtn").click();
    EXPECT_EQ(model.text(), postText(text("раз два Один три\r\nраз")));
    EXPECT_EQ(form.memo().toPlainText(), text("раз два Один три\nраз"));
    EXPECT_TRUE(model.modified());
    EXPECT_EQ(status.text(), text("Заменено: 2"));
    form.runCommand(cmd::LanguageEnglish);
    EXPECT_EQ(status.text(), text("Replaced: 2"));
    EXPECT_EQ(child<QCheckBox>(bar, "MatchCase").text(), text("Match case"));

    form.memo().setFocus();
    QTest::keyClick(&form.memo(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(model.text(), before);
    EXPECT_EQ(form.memo().toPlainText(), text("один два Один три\nодин"));
}

} // namespace
} // namespace quolan
