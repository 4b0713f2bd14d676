#include "gui/app/WiredMainForm.h"
#include "gui/editor/MemoEdit.h"
#include "gui/ui/QtText.h"
#include "support/GuiTestSupport.h"

#include <QAction>
#include <QLabel>
#include <QTest>
#include <QTextCursor>

#include <gtest/gtest.h>

namespace quolan {
namespace {

using testing::child;

class ConversionWindow : public ::testing::Test {
protected:
    void SetUp() override {
        form.show();
        QApplication::setActiveWindow(&form);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        form.memo().setFocus();
        testing::settle();
    }

    void load(const QString& text) { form.editor().loadText(postText(text)); }
    QString shown() const { return form.memo().toPlainText(); }
    void expectMemoShowsModel() { EXPECT_EQ(postText(shown()), form.editor().text()); }
    void select(int from, int to) {
        QTextCursor cursor = form.memo().textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        form.memo().setTextCursor(cursor);
    }
    void trigger(const char* item) {
        child<QAction>(form, item).trigger();
        testing::settle();
    }

    WiredMainForm form;
};

TEST_F(ConversionWindow, controlShiftTwoAndOneConvertTheWholeText) {
    load(QStringLiteral("[b]bold[/b] and\n[i][u]both[/u][/i]"));
    select(2, 5);
    QTest::keyClick(&form.memo(), Qt::Key_2, Qt::ControlModifier | Qt::ShiftModifier);
    testing::settle();
    EXPECT_EQ(shown(), QStringLiteral("<b>bold</b> and\n<i><u>both</u></i>"));
    expectMemoShowsModel();
    EXPECT_FALSE(form.memo().textCursor().hasSelection());
    EXPECT_EQ(form.memo().textCursor().position(), 0);

    QTest::keyClick(&form.memo(), Qt::Key_1, Qt::ControlModifier | Qt::ShiftModifier);
    testing::settle();
    EXPECT_EQ(shown(), QStringLiteral("[b]bold[/b] and\n[i][u]both[/u][/i]"));
    expectMemoShowsModel();
}

TEST_F(ConversionWindow, wholeTextItemsTransliterateEverything) {
    load(QStringLiteral("Privet, mir!\nPoka"));
    select(0, 6);
    trigger("EngToRus1");
    EXPECT_EQ(shown(), ui("Привет, мир!\nПока"));
    expectMemoShowsModel();
    EXPECT_FALSE(form.memo().textCursor().hasSelection());
    // A misclick loses nothing: the post is unsaved, and Ctrl+Z takes it back.
    EXPECT_TRUE(form.editor().modified());
    QTest::keyClick(&form.memo(), Qt::Key_Z, Qt::ControlModifier);
    testing::settle();
    EXPECT_EQ(shown(), QStringLiteral("Privet, mir!\nPoka"));
    expectMemoShowsModel();
    QTest::keyClick(&form.memo(), Qt::Key_Z, Qt::ControlModifier);
    testing::settle();
    EXPECT_EQ(shown(), ui("Привет, мир!\nПока"));

    trigger("RusToEng1");
    EXPECT_EQ(shown(), QStringLiteral("Privet, mir!\nPoka"));
    expectMemoShowsModel();
}

TEST_F(ConversionWindow, wholeTextItemWithNothingToConvertKeepsTheSelection) {
    load(ui("Щука 123"));
    select(1, 4);
    const QString counter = child<QLabel>(form, "Len").text();
    trigger("EngToRus1");
    EXPECT_EQ(shown(), ui("Щука 123"));
    EXPECT_EQ(form.memo().textCursor().selectedText(), ui("ука"));
    EXPECT_EQ(form.editor().selectionStart(), 1U);
    EXPECT_EQ(child<QLabel>(form, "Len").text(), counter);
}

TEST_F(ConversionWindow, selectionItemsTransliterateTheSelectionOnly) {
    load(QStringLiteral("Privet Privet"));
    select(7, 13);
    trigger("EngToRus2");
    EXPECT_EQ(shown(), ui("Privet Привет"));
    expectMemoShowsModel();
    EXPECT_FALSE(form.memo().textCursor().hasSelection());
    EXPECT_EQ(form.memo().textCursor().position(), 13);
    EXPECT_TRUE(form.editor().modified());

    select(7, 13);
    trigger("RusToEng2");
    EXPECT_EQ(shown(), QStringLiteral("Privet Privet"));
    expectMemoShowsModel();

    // Nothing selected: the text stays as it is.
    select(3, 3);
    trigger("EngToRus2");
    EXPECT_EQ(shown(), QStringLiteral("Privet Privet"));
    EXPECT_EQ(form.memo().textCursor().position(), 3);
    expectMemoShowsModel();
}

} // namespace
} // namespace quolan
