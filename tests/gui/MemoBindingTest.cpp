#include "core/editor/EditorModel.h"
#include "core/text/PlatformText.h"
#include "core/ui/CommandIds.h"
#include "gui/app/WiredMainForm.h"
#include "gui/editor/MemoEdit.h"
#include "gui/ui/QtText.h"
#include "support/GuiTestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QTest>

#include <cctype>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

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
        form = std::make_unique<WiredMainForm>();
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

// The editor as its rules describe it, for the random editing test: the
// post's bytes, a selection with anchor and caret, the modified flag and one
// level of undo. Typing joins the open typing run when it goes on at its end;
// a deletion joins the open deletion run when it touches it from the left
// (backspace) or starts where it starts (delete); typing over a selection
// takes all of it; an undo closes the run; a replacement of the selection
// leaves nothing to undo.
struct ReferenceEditor {
    struct Unit {
        bool typing = false; // else a deletion
        std::size_t at = 0;
        std::string out; // taken from the text
        std::string in;  // put into it
        bool open = true;
    };
    std::string text;
    std::size_t anchor = 0;
    std::size_t caret = 0;
    bool modified = false;
    std::optional<Unit> undo;

    std::size_t from() const { return std::min(anchor, caret); }
    std::size_t to() const { return std::max(anchor, caret); }
    bool breakAt(std::size_t at) const {
        return at + 1 < text.size() && text.compare(at, 2, "\r\n") == 0;
    }
    std::size_t before(std::size_t at) const {
        return at >= 2 && breakAt(at - 2) ? at - 2 : at - 1;
    }
    std::size_t after(std::size_t at) const { return breakAt(at) ? at + 2 : at + 1; }
    // Positions on screen, where a line break is one character.
    int display(std::size_t at) const {
        int breaks = 0;
        for (std::size_t i = 0; i + 1 < at; ++i)
            breaks += breakAt(i);
        return static_cast<int>(at) - breaks;
    }
    std::size_t bytes(int shown) const {
        std::size_t at = 0;
        for (; shown > 0; --shown)
            at = after(at);
        return at;
    }

    void put(std::size_t at, std::size_t end, const std::string& in) {
        text.replace(at, end - at, in);
        anchor = caret = at + in.size();
        modified = true;
    }
    // Typing, Enter or an input method's commit: replaces the selection.
    void type(const std::string& in) {
        const std::string out = text.substr(from(), to() - from());
        if (undo && undo->open && undo->typing && out.empty() &&
            from() == undo->at + undo->in.size())
            undo->in += in;
        else
            undo = Unit{true, from(), out, in};
        put(from(), to(), in);
    }
    void erase(std::size_t at, std::size_t end) {
        const std::string out = text.substr(at, end - at);
        const bool run = undo && undo->open && !undo->typing;
        if (run && end == undo->at) {
            undo->out.insert(0, out);
            undo->at = at;
        } else if (run && at == undo->at) {
            undo->out += out;
        } else {
            undo = Unit{false, at, out, ""};
        }
        put(at, end, "");
    }
    void backspace() {
        if (from() < to())
            erase(from(), to());
        else if (caret > 0)
            erase(before(caret), caret);
    }
    void del() {
        if (from() < to())
            erase(from(), to());
        else if (caret < text.size())
            erase(caret, after(caret));
    }
    void undoLast() {
        if (!undo)
            return;
        text.replace(undo->at, undo->in.size(), undo->out);
        std::swap(undo->in, undo->out);
        undo->open = false;
        anchor = undo->at;
        caret = undo->at + undo->in.size();
        modified = true;
    }
    void replaceSelection(const std::string& in) {
        put(from(), to(), in);
        undo.reset();
    }
    void load(const std::string& newText) {
        if (newText == text)
            return;
        text = newText;
        anchor = caret = 0;
        modified = false;
        undo.reset();
    }
    void move(bool right, bool shift) {
        if (!shift && anchor != caret)
            caret = right ? to() : from();
        else if (right && caret < text.size())
            caret = after(caret);
        else if (!right && caret > 0)
            caret = before(caret);
        if (!shift)
            anchor = caret;
    }
};

std::string escaped(const std::string& bytes) {
    return QByteArray::fromStdString(bytes).toPercentEncoding(" []&#;/").toStdString();
}

// Everything the random editing test compares, as one line for its message.
std::string editorState(const std::string& text, std::size_t from, std::size_t to, bool modified,
                        bool canUndo, int viewAnchor, int viewCaret) {
    std::ostringstream out;
    out << '"' << escaped(text) << "\" selection " << from << ".." << to << " modified " << modified
        << " can undo " << canUndo << " view anchor " << viewAnchor << " caret " << viewCaret;
    return out.str();
}

// Random keys, input-method commits, pastes, commands and selections through
// the real widgets; after every step the model and the view equal a
// reference editor that follows the editor's rules.
TEST_F(MemoBinding, randomEditingKeepsViewAndModelIdentical) {
    struct Input {
        const char* utf8;
        const char* post;
    };
    const Input keys[] = {{"a", "a"}, {"b", "b"}, {" ", " "}, {"ж", "\xE6"}};
    const Input clips[] = {{"xy", "xy"}, {"a\nb", "a\r\nb"}, {"Mü", "M&#252;"}, {"", ""}};
    const Input commits[] = {{"a", "a"}, {"b", "b"}, {"ab", "ab"}, {"ü", "&#252;"}, {"ж", "\xE6"}};
    const char* const loads[] = {"", "the word", "two\r\nlines "};
    const Qt::Key lineMoves[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End};
    enum Step { Type, Enter, Back, Del, Undo, Paste, Commit, Arrow, Select, Line, Tag, Load };
    // Each kind of step as often as it comes in the draw.
    const Step plan[] = {Type,  Type,  Type,   Type,   Enter, Back,   Back,
                         Del,   Undo,  Undo,   Undo,   Paste, Commit, Commit,
                         Arrow, Arrow, Select, Select, Line,  Tag,    Load};
    for (const unsigned seed : {1u, 2u, 3u}) {
        model().clear();
        ReferenceEditor expected;
        std::mt19937 random(seed);
        std::vector<std::string> history;
        for (int step = 0; step < 300; ++step) {
            const bool shift = random() % 2 != 0;
            const auto modifier = shift ? Qt::ShiftModifier : Qt::NoModifier;
            std::string did;
            // Edits are found by comparing texts, so they go astray most
            // easily beside equal characters: half the keys and commits repeat
            // the letter at the caret or starting the selection.
            const auto draw = [&](const auto& inputs) {
                const Input& drawn = inputs[random() % std::size(inputs)];
                const std::size_t at = expected.from();
                if (random() % 2 != 0 || at == expected.text.size() ||
                    !std::isalpha(static_cast<unsigned char>(expected.text[at])))
                    return std::pair{QString::fromUtf8(drawn.utf8), std::string(drawn.post)};
                return std::pair{QString(QLatin1Char(expected.text[at])),
                                 expected.text.substr(at, 1)};
            };
            switch (plan[random() % std::size(plan)]) {
            case Type: {
                const auto [key, post] = draw(keys);
                typeText(memo(), key);
                expected.type(post);
                did = "type " + escaped(post);
                break;
            }
            case Enter:
                QTest::keyClick(&memo(), Qt::Key_Return);
                expected.type("\r\n");
                did = "Enter";
                break;
            case Back:
                QTest::keyClick(&memo(), Qt::Key_Backspace);
                expected.backspace();
                did = "Backspace";
                break;
            case Del:
                QTest::keyClick(&memo(), Qt::Key_Delete);
                expected.del();
                did = "Delete";
                break;
            case Undo:
                QTest::keyClick(&memo(), Qt::Key_Z, Qt::ControlModifier);
                expected.undoLast();
                did = "Ctrl+Z";
                break;
            case Paste: {
                const Input& clip = clips[random() % std::size(clips)];
                QGuiApplication::clipboard()->setText(QString::fromUtf8(clip.utf8));
                QTest::keyClick(&memo(), Qt::Key_V, Qt::ControlModifier);
                if (*clip.post)
                    expected.replaceSelection(clip.post);
                did = std::string("paste ") + escaped(clip.post);
                break;
            }
            case Commit: {
                const auto [commit, post] = draw(commits);
                QInputMethodEvent event;
                event.setCommitString(commit);
                QApplication::sendEvent(&memo(), &event);
                expected.type(post);
                did = "input method commits " + escaped(post);
                break;
            }
            case Arrow: {
                const bool right = random() % 2 != 0;
                QTest::keyClick(&memo(), right ? Qt::Key_Right : Qt::Key_Left, modifier);
                expected.move(right, shift);
                did = std::string(shift ? "shift+" : "") + (right ? "Right" : "Left");
                break;
            }
            case Select: {
                const auto pick = [&] {
                    const std::size_t at = random() % (expected.text.size() + 1);
                    return at > 0 && expected.breakAt(at - 1) ? at - 1 : at;
                };
                // Half of them only place the caret, as a click does.
                expected.anchor = pick();
                expected.caret = shift ? pick() : expected.anchor;
                QTextCursor cursor = memo().textCursor();
                cursor.setPosition(expected.display(expected.anchor));
                cursor.setPosition(expected.display(expected.caret), QTextCursor::KeepAnchor);
                memo().setTextCursor(cursor);
                did = "select from " + std::to_string(expected.anchor) + " to " +
                      std::to_string(expected.caret);
                break;
            }
            case Line:
                // Moves by line depend on the layout: the selection is taken from the view.
                QTest::keyClick(&memo(), lineMoves[random() % std::size(lineMoves)], modifier);
                expected.anchor = expected.bytes(memo().textCursor().anchor());
                expected.caret = expected.bytes(memo().textCursor().position());
                did = std::string(shift ? "shift+" : "") + "Up, Down, Home or End";
                break;
            case Tag: {
                const bool bold = random() % 2 != 0;
                const std::string selected =
                    expected.text.substr(expected.from(), expected.to() - expected.from());
                form->runCommand(bold ? cmd::TagBold : cmd::TagQuote);
                expected.replaceSelection(bold ? "[b]" + selected + "[/b]"
                                               : "[quote]" + selected + "[/quote]");
                did = bold ? "bold tag" : "quote tag";
                break;
            }
            case Load: {
                const std::string text = loads[random() % std::size(loads)];
                model().setText(text);
                expected.load(text);
                did = "set text " + escaped(text);
                break;
            }
            }
            history.push_back(did);
            const EditorModel& real = model();
            const QTextCursor view = memo().textCursor();
            const std::string got = editorState(
                real.text(), real.selectionStart(), real.selectionStart() + real.selectionLength(),
                real.modified(), real.canUndo(), view.anchor(), view.position());
            const std::string want =
                editorState(expected.text, expected.from(), expected.to(), expected.modified,
                            expected.undo.has_value(), expected.display(expected.anchor),
                            expected.display(expected.caret));
            const auto sync = inSync(memo());
            if (got != want || !sync) {
                std::string steps;
                for (std::size_t i = 0; i < history.size(); ++i)
                    steps += "  " + std::to_string(i) + ": " + history[i] + "\n";
                FAIL() << "seed " << seed << ", step " << step << "\n  got " << got << "\n want "
                       << want << "\n"
                       << sync.message() << "\nsteps:\n"
                       << steps;
            }
        }
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
