#include "core/editor/EditorModel.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quolan {
namespace {

// Records every notification the model sends.
struct Recorder {
    explicit Recorder(EditorModel& model) {
        model.changed.connect([this](const TextChange& c) { changes.push_back(c); });
        model.selectionChanged.connect([this] { ++selectionChanges; });
    }
    std::vector<TextChange> changes;
    int selectionChanges = 0;
};

EditorModel withText(std::string_view text) {
    EditorModel model;
    EXPECT_EQ(model.setText(text), EditorModel::Result::Changed);
    return model;
}

TEST(EditorModel, startsEmptyUnmodifiedWithCaretAtZero) {
    const EditorModel model;
    EXPECT_EQ(model.text(), "");
    EXPECT_EQ(model.length(), 0u);
    EXPECT_EQ(model.selectionStart(), 0u);
    EXPECT_EQ(model.selectionLength(), 0u);
    EXPECT_EQ(model.selectedText(), "");
    EXPECT_FALSE(model.modified());
    EXPECT_FALSE(model.canUndo());
}

TEST(EditorModel, replaceSelectionInsertsAtCaretAndLeavesCaretAfterIt) {
    EditorModel model;
    Recorder recorder(model);
    model.replaceSelection("[b][/b]");
    EXPECT_EQ(model.text(), "[b][/b]");
    EXPECT_EQ(model.selectionStart(), 7u);
    EXPECT_EQ(model.selectionLength(), 0u);
    EXPECT_TRUE(model.modified());
    ASSERT_EQ(recorder.changes.size(), 1u);
    EXPECT_EQ(recorder.changes[0].position, 0u);
    EXPECT_EQ(recorder.changes[0].inserted, 7u);
}

TEST(EditorModel, replaceSelectionReplacesTheSelectedStretch) {
    EditorModel model = withText("abc def");
    model.setSelection(4, 3);
    EXPECT_EQ(model.selectedText(), "def");
    model.replaceSelection("[i]def[/i]");
    EXPECT_EQ(model.text(), "abc [i]def[/i]");
    EXPECT_EQ(model.selectionStart(), 14u);
    EXPECT_EQ(model.selectionLength(), 0u);
}

TEST(EditorModel, replaceSelectionWithEmptyTextDeletesAndIsNotUndoable) {
    EditorModel model;
    model.edit(0, 0, "hello");
    ASSERT_TRUE(model.canUndo());
    model.setSelection(1, 3);
    model.replaceSelection("");
    EXPECT_EQ(model.text(), "ho");
    EXPECT_FALSE(model.canUndo());
    model.undo();
    EXPECT_EQ(model.text(), "ho");
}

TEST(EditorModel, lengthCountsCrLfAsTwo) {
    EditorModel model = withText("ab\r\nc");
    EXPECT_EQ(model.length(), 5u);
    model.selectAll();
    EXPECT_EQ(model.selectionStart(), 0u);
    EXPECT_EQ(model.selectionLength(), 5u);
    EXPECT_EQ(model.selectedText(), "ab\r\nc");
}

TEST(EditorModel, loadTextTurnsLoneCrAndLfIntoPairs) {
    EditorModel model;
    model.loadText("a\rb\nc\r\nd\n\re");
    EXPECT_EQ(model.text(), "a\r\nb\r\nc\r\nd\r\n\r\ne");
}

TEST(EditorModel, setTextKeepsLineBreaksAsGiven) {
    EditorModel model;
    model.setText("a\rb\nc");
    EXPECT_EQ(model.text(), "a\rb\nc");
}

TEST(EditorModel, wholeTextReplacementsResetSelectionFlagAndUndo) {
    using Load = EditorModel::Result (EditorModel::*)(std::string_view);
    for (const Load load : {&EditorModel::loadText, &EditorModel::setText}) {
        EditorModel model;
        model.edit(0, 0, "typed");
        model.setSelection(1, 2);
        Recorder recorder(model);
        EXPECT_EQ((model.*load)("other"), EditorModel::Result::Changed);
        EXPECT_EQ(model.text(), "other");
        EXPECT_EQ(model.selectionStart(), 0u);
        EXPECT_EQ(model.selectionLength(), 0u);
        EXPECT_FALSE(model.modified());
        EXPECT_FALSE(model.canUndo());
        ASSERT_EQ(recorder.changes.size(), 1u);
        EXPECT_TRUE(recorder.changes[0].wholeText);
    }
}

TEST(EditorModel, rewriteReportsOnlyTheStretchThatDiffersAndOneUndoTakesItBack) {
    struct Case {
        std::string_view before, after;
        std::size_t position, removed, inserted;
    };
    const Case cases[] = {
        {"[b]x[/b] y", "<b>x</b> y", 0, 8, 8},
        {"aa", "aaa", 2, 0, 1},
        {"abcabc", "abc", 3, 3, 0},
        {"abc", "ac", 1, 1, 0},
        {"x\r\ny", "x\r\nz", 3, 1, 1},
        {"old", "", 0, 3, 0},
    };
    for (const Case& c : cases) {
        EditorModel model = withText(c.before);
        model.setSelection(1, 1);
        Recorder recorder(model);
        ASSERT_EQ(model.rewrite(c.after), EditorModel::Result::Changed) << c.after;
        EXPECT_EQ(model.text(), c.after);
        ASSERT_EQ(recorder.changes.size(), 1u);
        EXPECT_EQ(recorder.changes[0].position, c.position) << c.after;
        EXPECT_EQ(recorder.changes[0].removed, c.removed) << c.after;
        EXPECT_EQ(recorder.changes[0].inserted, c.inserted) << c.after;
        EXPECT_TRUE(model.modified());
        EXPECT_EQ(model.selectionStart() + model.selectionLength(), 0u);
        model.undo();
        EXPECT_EQ(model.text(), c.before) << c.after;
        model.undo();
        EXPECT_EQ(model.text(), c.after) << c.after;
    }
}

TEST(EditorModel, anEqualWholeTextChangesNothingAtAll) {
    EditorModel model = withText("same\r\ntext");
    model.edit(4, 0, "!"); // modified, undoable, caret at 5
    model.setSelection(2, 3);
    Recorder recorder(model);
    EXPECT_EQ(model.setText("same!\r\ntext"), EditorModel::Result::Unchanged);
    EXPECT_EQ(model.loadText("same!\ntext"), EditorModel::Result::Unchanged);
    EXPECT_EQ(model.rewrite("same!\r\ntext"), EditorModel::Result::Unchanged);
    EXPECT_TRUE(recorder.changes.empty());
    EXPECT_EQ(recorder.selectionChanges, 0);
    EXPECT_EQ(model.selectionStart(), 2u);
    EXPECT_EQ(model.selectionLength(), 3u);
    EXPECT_TRUE(model.modified());
    EXPECT_TRUE(model.canUndo());
}

TEST(EditorModel, clearAlwaysResetsEvenAnEmptyText) {
    EditorModel model;
    model.edit(0, 0, "x");
    model.edit(0, 1, ""); // typed and deleted: empty but modified
    ASSERT_TRUE(model.modified());
    Recorder recorder(model);
    model.clear();
    EXPECT_EQ(model.text(), "");
    EXPECT_FALSE(model.modified());
    EXPECT_FALSE(model.canUndo());
    EXPECT_EQ(recorder.changes.size(), 1u);
}

TEST(EditorModel, selectionIsClampedToTheText) {
    EditorModel model = withText("abc");
    model.setSelection(10, 5);
    EXPECT_EQ(model.selectionStart(), 3u);
    EXPECT_EQ(model.selectionLength(), 0u);
    model.setSelection(1, 99);
    EXPECT_EQ(model.selectedText(), "bc");
}

TEST(EditorModel, selectAllNotifiesSelectionOnly) {
    EditorModel model = withText("abc");
    Recorder recorder(model);
    model.selectAll();
    EXPECT_TRUE(recorder.changes.empty());
    EXPECT_EQ(recorder.selectionChanges, 1);
    model.selectAll(); // already selected: nothing to say
    EXPECT_EQ(recorder.selectionChanges, 1);
}

TEST(EditorModel, textsBeyondCapacityAreRefusedAndTheTextKept) {
    EditorModel model(10);
    model.setText("keep");
    Recorder recorder(model);
    EXPECT_EQ(model.setText(std::string(11, 'x')), EditorModel::Result::TooLarge);
    EXPECT_EQ(model.loadText(std::string(11, 'x')), EditorModel::Result::TooLarge);
    // Exactly at capacity before conversion, over it after LF -> CR LF.
    EXPECT_EQ(model.loadText("123456789\n"), EditorModel::Result::TooLarge);
    model.selectAll();
    EXPECT_EQ(model.replaceSelection(std::string(11, 'x')), EditorModel::Result::TooLarge);
    EXPECT_EQ(model.text(), "keep");
    EXPECT_TRUE(recorder.changes.empty());
    EXPECT_EQ(model.setText(std::string(10, 'x')), EditorModel::Result::Changed);
}

TEST(EditorModel, textWithNulAndEveryByteIsHeldExactly) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EditorModel model = withText(all);
    EXPECT_EQ(model.text(), all);
    EXPECT_EQ(model.length(), 256u);
}

// Undo, like a single-level edit control.

TEST(EditorModelUndo, aRunOfTypingIsOneUnitAndUndoRedoes) {
    EditorModel model;
    for (const char* c : {"a", "b", "c"})
        model.edit(model.selectionStart(), 0, c);
    model.undo();
    EXPECT_EQ(model.text(), "");
    EXPECT_TRUE(model.modified());
    model.undo();
    EXPECT_EQ(model.text(), "abc");
    EXPECT_EQ(model.selectionStart(), 0u);
    EXPECT_EQ(model.selectionLength(), 3u); // the restored stretch
    model.undo();
    EXPECT_EQ(model.text(), "");
}

TEST(EditorModelUndo, typingQThenUndoTwiceRemovesAndRestoresIt) {
    EditorModel model = withText("ab");
    model.setSelection(1, 0);
    model.edit(1, 0, "q");
    model.undo();
    EXPECT_EQ(model.text(), "ab");
    model.undo();
    EXPECT_EQ(model.text(), "aqb");
}

TEST(EditorModelUndo, backspacesAndDeletesEachFormOneUnit) {
    EditorModel model = withText("abcdef");
    model.edit(5, 1, ""); // backspace at 6
    model.edit(4, 1, ""); // backspace at 5
    EXPECT_EQ(model.text(), "abcd");
    model.undo();
    EXPECT_EQ(model.text(), "abcdef");
    EXPECT_EQ(model.selectedText(), "ef");

    EditorModel forward = withText("abcdef");
    forward.edit(1, 1, ""); // delete at 1
    forward.edit(1, 1, ""); // delete at 1 again
    EXPECT_EQ(forward.text(), "adef");
    forward.undo();
    EXPECT_EQ(forward.text(), "abcdef");
}

TEST(EditorModelUndo, typingElsewhereOrDeletingStartsANewUnit) {
    EditorModel model = withText("xy");
    model.edit(0, 0, "a");
    model.edit(3, 0, "b"); // not at the caret of the first unit
    model.undo();
    EXPECT_EQ(model.text(), "axy");

    EditorModel mixed;
    mixed.edit(0, 0, "ab");
    mixed.edit(1, 1, ""); // backspace after typing
    mixed.undo();
    EXPECT_EQ(mixed.text(), "ab");
}

TEST(EditorModelUndo, typingOverASelectionUndoesToTheSelection) {
    EditorModel model = withText("hello world");
    model.edit(6, 5, "t");
    model.edit(7, 0, "here");
    EXPECT_EQ(model.text(), "hello there");
    model.undo();
    EXPECT_EQ(model.text(), "hello world");
    EXPECT_EQ(model.selectedText(), "world");
}

TEST(EditorModelUndo, typingAfterAnUndoIsANewUnit) {
    EditorModel model;
    model.edit(0, 0, "ab");
    model.undo();
    model.undo(); // "ab" back, unit closed
    model.edit(2, 0, "c");
    model.undo();
    EXPECT_EQ(model.text(), "ab");
}

TEST(EditorModelUndo, everyCommandEmptiesTheHistory) {
    const auto typed = [] {
        EditorModel model = withText("text");
        model.edit(4, 0, "!");
        return model;
    };
    {
        EditorModel model = typed();
        model.replaceSelection("[b][/b]");
        model.undo();
        EXPECT_EQ(model.text(), "text![b][/b]");
    }
    {
        EditorModel model = typed();
        model.clear();
        model.undo();
        EXPECT_EQ(model.text(), "");
    }
    {
        EditorModel model = typed();
        model.loadText("new");
        model.undo();
        EXPECT_EQ(model.text(), "new");
    }
}

// Changes never split a CR LF pair, so a view can map them line by line.

TEST(EditorModelChange, anEditBetweenCrAndLfIsWidenedOverThePair) {
    EditorModel model = withText("a\r\nb");
    Recorder recorder(model);
    model.setSelection(2, 0);
    model.replaceSelection("x");
    EXPECT_EQ(model.text(), "a\rx\nb");
    ASSERT_EQ(recorder.changes.size(), 1u);
    EXPECT_EQ(recorder.changes[0].position, 1u);
    EXPECT_EQ(recorder.changes[0].removed, 2u);
    EXPECT_EQ(recorder.changes[0].inserted, 3u);
    EXPECT_EQ(recorder.changes[0].removedBreaks, 1u);
    EXPECT_EQ(model.lineBreaks().count(), 0u);

    model.setSelection(2, 1);
    model.replaceSelection(""); // the lone CR and LF meet again
    EXPECT_EQ(model.text(), "a\r\nb");
    EXPECT_EQ(model.lineBreaks().count(), 1u);
}

} // namespace
} // namespace quolan
