#include "core/editor/EditorModel.h"
#include "core/text/PlatformText.h"
#include "core/ui/CommandIds.h"
#include "gui/editor/MemoEdit.h"
#include "gui/editor/TMainForm.h"
#include "gui/ui/QtText.h"
#include "support/GuiTestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>
#include <memory>
#include <random>

namespace quolan {
namespace {

using testing::typeText;

// The document's characters as they are (toPlainText would turn a no-break
// space into a blank).
QString documentText(const MemoEdit& memo) {
    QTextCursor cursor(memo.document());
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

// The view must show exactly the model's text and selection.
::testing::AssertionResult inSync(const MemoEdit& memo) {
    const EditorModel& model = memo.model();
    if (documentText(memo) != displayText(model.text()))
        return ::testing::AssertionFailure()
               << "view: " << documentText(memo).toStdString()
               << "\nmodel: " << displayText(model.text()).toStdString();
    const QTextCursor cursor = memo.textCursor();
    const auto& breaks = model.lineBreaks();
    const auto start = static_cast<int>(breaks.toDisplay(model.selectionStart()));
    const auto end =
        static_cast<int>(breaks.toDisplay(model.selectionStart() + model.selectionLength()));
    if (cursor.selectionStart() != start || cursor.selectionEnd() != end)
        return ::testing::AssertionFailure()
               << "view selection " << cursor.selectionStart() << ".." << cursor.selectionEnd()
               << ", model " << start << ".." << end;
    return ::testing::AssertionSuccess();
}

class MemoBinding : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TMainForm>();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        memo().setFocus();
    }
    MemoEdit& memo() { return form->memo(); }
    EditorModel& model() { return form->editor(); }
    QString counter() { return testing::child<QLabel>(*form, "Len").text(); }

    std::unique_ptr<TMainForm> form;
};

TEST_F(MemoBinding, typingReachesTheModelAndTheCounter) {
    QTest::keyClicks(&memo(), "hello");
    EXPECT_EQ(model().text(), "hello");
    EXPECT_EQ(model().selectionStart(), 5u);
    EXPECT_TRUE(model().modified());
    EXPECT_EQ(counter(), QString::fromUtf8("Количество символов: 5"));
    EXPECT_TRUE(inSync(memo()));
}

TEST_F(MemoBinding, enterIsCrLfAndBackspaceRemovesThePair) {
    QTest::keyClicks(&memo(), "ab");
    QTest::keyClick(&memo(), Qt::Key_Return);
    QTest::keyClick(&memo(), Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(&memo(), "c");
    EXPECT_EQ(model().text(), "ab\r\n\r\nc");
    EXPECT_EQ(counter(), QString::fromUtf8("Количество символов: 7"));
    QTest::keyClick(&memo(), Qt::Key_Backspace);
    QTest::keyClick(&memo(), Qt::Key_Backspace);
    EXPECT_EQ(model().text(), "ab\r\n");
    EXPECT_TRUE(inSync(memo()));
}

TEST_F(MemoBinding, tabMovesTheFocusInsteadOfTyping) {
    QTest::keyClicks(&memo(), "a");
    QTest::keyClick(&memo(), Qt::Key_Tab);
    EXPECT_EQ(model().text(), "a");
}

TEST_F(MemoBinding, theCounterFollowsEveryKindOfChange) {
    const auto expectCount = [&](std::size_t n) {
        EXPECT_EQ(counter(), QString::fromUtf8("Количество символов: ") + QString::number(n));
    };
    QTest::keyClicks(&memo(), "ab");
    form->runCommand(cmd::TagBold); // replace selection
    expectCount(9);
    model().loadText("x\ny"); // load
    expectCount(4);
    QTest::keyClicks(&memo(), "z");
    QTest::keyClick(&memo(), Qt::Key_Z, Qt::ControlModifier); // undo
    expectCount(4);
    model().clear();
    expectCount(0);
}

TEST_F(MemoBinding, cyrillicIsStoredInWindows1251) {
    typeText(memo(), QString::fromUtf8("Привет, Ёж"));
    EXPECT_EQ(model().text(), "\xCF\xF0\xE8\xE2\xE5\xF2, \xA8\xE6");
    EXPECT_TRUE(inSync(memo()));
}

TEST_F(MemoBinding, aCharacterOutsideTheCodePageBecomesAReferenceInModelAndView) {
    QTest::keyClicks(&memo(), "M");
    typeText(memo(), QString::fromUtf8("ü"));
    // An emoji arrives as one key press carrying a surrogate pair.
    const QString emoji = QString::fromUtf8("😀");
    QTest::sendKeyEvent(QTest::KeyAction::Click, &memo(), Qt::Key_unknown, emoji, Qt::NoModifier);
    QTest::keyClicks(&memo(), "!");
    EXPECT_EQ(model().text(), "M&#252;&#128512;!");
    EXPECT_EQ(memo().toPlainText(), QStringLiteral("M&#252;&#128512;!"));
    EXPECT_EQ(model().selectionStart(), model().length());
    EXPECT_TRUE(inSync(memo()));
}

TEST_F(MemoBinding, anInputMethodNeverCutsTheReferenceItsCommitBecame) {
    QTest::keyClicks(&memo(), "ab");
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8("ü"));
    QApplication::sendEvent(&memo(), &commit);
    EXPECT_EQ(model().text(), "ab&#252;");
    EXPECT_TRUE(inSync(memo()));
    // The input method replaces "the character before the caret", which it
    // committed as one character.
    QInputMethodEvent correction;
    correction.setCommitString(QStringLiteral("Z"), -1, 1);
    QApplication::sendEvent(&memo(), &correction);
    EXPECT_EQ(model().text(), "abZ");
    EXPECT_TRUE(inSync(memo()));
}

TEST_F(MemoBinding, pasteUsesTheClipboardWithPostLineBreaks) {
    QGuiApplication::clipboard()->setText(QString::fromUtf8("x\ny Müller"));
    QTest::keyClicks(&memo(), "ab");
    QTest::keyClick(&memo(), Qt::Key_Left);
    QTest::keyClick(&memo(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(model().text(), "ax\r\ny M&#252;llerb");
    EXPECT_FALSE(model().canUndo()); // a paste is not undoable
    EXPECT_TRUE(inSync(memo()));
}

TEST_F(MemoBinding, ctrlXNeitherCutsNorCopies) {
    QGuiApplication::clipboard()->setText(QStringLiteral("kept"));
    QTest::keyClicks(&memo(), "abc");
    QTest::keyClick(&memo(), Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(&memo(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(model().text(), "abc");
    EXPECT_EQ(model().selectedText(), "c");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("kept"));
    EXPECT_TRUE(inSync(memo()));
}

TEST_F(MemoBinding, ctrlZUndoesTheLastTypingAndAgainRestoresIt) {
    QTest::keyClicks(&memo(), "q");
    QTest::keyClick(&memo(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(model().text(), "");
    EXPECT_TRUE(inSync(memo()));
    QTest::keyClick(&memo(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(model().text(), "q");
    EXPECT_TRUE(inSync(memo()));
}

TEST_F(MemoBinding, typingOverASelectionIsUndoneAsOneReplacement) {
    QTest::keyClicks(&memo(), "say the word");
    model().setSelection(4, 3);
    QTest::keyClicks(&memo(), "then");
    EXPECT_EQ(model().text(), "say then word");
    QTest::keyClick(&memo(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(model().text(), "say the word");
    EXPECT_EQ(model().selectedText(), "the");
    EXPECT_TRUE(inSync(memo()));

    // The same letter typed over itself is still an edit.
    model().setText("abc");
    ASSERT_FALSE(model().modified());
    model().setSelection(1, 1);
    QTest::keyClicks(&memo(), "b");
    EXPECT_TRUE(model().modified());
    EXPECT_EQ(model().selectionStart(), 2u);
    EXPECT_TRUE(model().canUndo());
    EXPECT_TRUE(inSync(memo()));
}

TEST_F(MemoBinding, anInputMethodCommitBeforeEqualLettersIsUndoneWhereItWasMade) {
    // Qt reports an input method's change over the whole line; the letters
    // after the caret equal the committed ones.
    model().setText("xab");
    model().setSelection(1, 0);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("ab"));
    QApplication::sendEvent(&memo(), &commit);
    QTest::keyClicks(&memo(), "c");
    EXPECT_EQ(model().text(), "xabcab");
    QTest::keyClick(&memo(), Qt::Key_Z, Qt::ControlModifier); // one run of typing
    EXPECT_EQ(model().text(), "xab");
    EXPECT_EQ(model().selectionStart(), 1u);
    EXPECT_TRUE(inSync(memo()));
}

TEST_F(MemoBinding, ctrlCCopiesTheSelectionAsUnicode) {
    typeText(memo(), QString::fromUtf8("да"));
    QTest::keyClick(&memo(), Qt::Key_Return);
    typeText(memo(), QString::fromUtf8("нет"));
    QTest::keyClick(&memo(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&memo(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("да\nнет"));
}

TEST_F(MemoBinding, keyboardSelectionReachesTheModel) {
    QTest::keyClicks(&memo(), "abc def");
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(&memo(), Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(model().selectionStart(), 4u);
    EXPECT_EQ(model().selectedText(), "def");
    form->runCommand(cmd::TagItalic);
    EXPECT_EQ(model().text(), "abc [i]def[/i]");
    EXPECT_EQ(memo().textCursor().position(), 14);
    EXPECT_TRUE(inSync(memo()));
}

TEST_F(MemoBinding, modelChangesAcrossLinesAreShownInPlace) {
    model().loadText("first\nsecond\r\nthird");
    EXPECT_TRUE(inSync(memo()));
    model().setSelection(3, 9); // "st\r\nsecon"
    EXPECT_EQ(memo().textCursor().selectedText(), QString::fromUtf8("st\u2029secon"));
    model().replaceSelection("[b]\r\n[/b]");
    EXPECT_EQ(model().text(), "fir[b]\r\n[/b]d\r\nthird");
    EXPECT_TRUE(inSync(memo()));
    model().setText("lone\rcr and lone\nlf");
    EXPECT_TRUE(inSync(memo()));
    EXPECT_EQ(documentText(memo()).size(), 19);
}

TEST_F(MemoBinding, typingNextToALoneBreakKeepsEveryByte) {
    model().setText("a\rb");
    memo().moveCursor(QTextCursor::End);
    QTest::keyClicks(&memo(), "c");
    EXPECT_EQ(model().text(), "a\rbc");
    memo().moveCursor(QTextCursor::Start);
    QTest::keyClick(&memo(), Qt::Key_Right);
    QTest::keyClick(&memo(), Qt::Key_Delete); // removes the lone CR
    EXPECT_EQ(model().text(), "abc");
    EXPECT_TRUE(inSync(memo()));
}

TEST_F(MemoBinding, textWithNulAndEveryByteLoadsAndStaysWhole) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    ASSERT_EQ(model().setText(all), EditorModel::Result::Changed);
    EXPECT_TRUE(inSync(memo()));
    memo().moveCursor(QTextCursor::End);
    QTest::keyClicks(&memo(), "z");
    EXPECT_EQ(model().text(), all + "z");
}

// Random keys and commands: after every step the view equals the model.
TEST_F(MemoBinding, aLongStretchWithoutBlanksBreaksAnywhereInsteadOfFreezing) {
    const std::string run(20000, 'x');
    model().loadText("short words " + run);
    EXPECT_EQ(memo().wordWrapMode(), QTextOption::WrapAnywhere);
    model().loadText("short words only");
    EXPECT_EQ(memo().wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    QGuiApplication::clipboard()->setText(QString::fromStdString(run));
    QTest::keyClick(&memo(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(memo().wordWrapMode(), QTextOption::WrapAnywhere);
    EXPECT_EQ(model().length(), 16 + run.size());
}

TEST_F(MemoBinding, aStretchGrownPastTheLimitByPastesOrTypingBreaksAnywhere) {
    QGuiApplication::clipboard()->setText(QString(4900, QLatin1Char('x')));
    form->runCommand(cmd::Paste);
    EXPECT_EQ(memo().wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    form->runCommand(cmd::Paste);
    EXPECT_EQ(memo().wordWrapMode(), QTextOption::WrapAnywhere);

    // Typed from both sides into the middle of a stretch just short of it.
    model().loadText(std::string(2500, 'y') + " " + std::string(2500, 'y'));
    EXPECT_EQ(memo().wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    model().setSelection(2500, 1);
    QTest::keyClicks(&memo(), "z");
    EXPECT_EQ(memo().wordWrapMode(), QTextOption::WrapAnywhere);
    EXPECT_EQ(model().length(), 5001u);
    EXPECT_TRUE(inSync(memo()));
}

TEST_F(MemoBinding, randomEditingKeepsViewAndModelIdentical) {
    std::mt19937 random(42);
    const Qt::Key moves[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
                             Qt::Key_Down, Qt::Key_Home,  Qt::Key_End};
    for (int step = 0; step < 400; ++step) {
        switch (random() % 8) {
        case 0:
            QTest::keyClicks(&memo(), "ab");
            break;
        case 1:
            typeText(memo(), QString::fromUtf8("ж"));
            break;
        case 2:
            QTest::keyClick(&memo(), Qt::Key_Return);
            break;
        case 3:
            QTest::keyClick(&memo(), Qt::Key_Backspace);
            break;
        case 4:
            QTest::keyClick(&memo(), Qt::Key_Delete);
            break;
        case 5:
            QTest::keyClick(&memo(), moves[random() % std::size(moves)],
                            random() % 2 ? Qt::ShiftModifier : Qt::NoModifier);
            break;
        case 6:
            form->runCommand(random() % 2 ? cmd::TagBold : cmd::TagQuote);
            break;
        case 7:
            QTest::keyClick(&memo(), Qt::Key_Z, Qt::ControlModifier);
            break;
        }
        ASSERT_TRUE(inSync(memo())) << "step " << step;
    }
}

TEST(MemoWithoutWindow, showsAModelThatAlreadyHoldsText) {
    EditorModel model;
    model.setText("one\r\ntwo");
    model.setSelection(5, 3);
    MemoEdit memo(model);
    EXPECT_EQ(memo.toPlainText(), QStringLiteral("one\ntwo"));
    EXPECT_EQ(memo.textCursor().selectedText(), QStringLiteral("two"));
    EXPECT_EQ(memo.objectName(), QStringLiteral("Memo"));
    EXPECT_FALSE(memo.isUndoRedoEnabled());
    EXPECT_TRUE(memo.tabChangesFocus());
}

} // namespace
} // namespace quolan
