#include "core/editor/EditorModel.h"
#include "core/shell/EditCommands.h"
#include "core/tags/SimpleTags.h"
#include "core/ui/CommandIds.h"
#include "core/ui/CommandRegistry.h"

#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace quolan {
namespace {

class FakeClipboard final : public ClipboardPort {
public:
    bool writeText(std::string_view text) override {
        if (locked)
            return false;
        content = std::string(text);
        ++writes;
        return true;
    }
    std::optional<std::string> readText() override {
        if (locked)
            return std::nullopt;
        return content;
    }
    std::string content = "previous";
    bool locked = false;
    int writes = 0;
};

struct Fixture {
    Fixture() {
        const ReportError report = [this](std::string_view m) { messages.emplace_back(m); };
        registerSimpleTagCommands(commands, editor, report);
        registerEditCommands(commands, editor, clipboard, report);
    }
    void run(std::string_view id) { ASSERT_TRUE(commands.run(id)) << id; }

    EditorModel editor;
    FakeClipboard clipboard;
    CommandRegistry commands;
    std::vector<std::string> messages;
};

TEST(CommandRegistry, runsByNameAndRefusesDuplicates) {
    CommandRegistry registry;
    int runs = 0;
    registry.add("x", [&] { ++runs; });
    EXPECT_TRUE(registry.run("x"));
    EXPECT_FALSE(registry.run("y"));
    EXPECT_EQ(runs, 1);
    EXPECT_THROW(registry.add("x", [] {}), std::logic_error);
}

struct TagCase {
    std::string_view command;
    std::string_view opening;
    std::string_view closing;
};

class SimpleTagTest : public testing::TestWithParam<TagCase> {};

TEST_P(SimpleTagTest, wrapsTheSelectionAndLeavesTheCaretAfterTheClosingTag) {
    const TagCase& tag = GetParam();
    Fixture f;
    f.editor.setText("abc def");
    f.editor.setSelection(4, 3);
    f.run(tag.command);
    const std::string expected =
        "abc " + std::string(tag.opening) + "def" + std::string(tag.closing);
    EXPECT_EQ(f.editor.text(), expected);
    EXPECT_EQ(f.editor.selectionStart(), expected.size());
    EXPECT_EQ(f.editor.selectionLength(), 0u);
    EXPECT_TRUE(f.editor.modified());
    EXPECT_FALSE(f.editor.canUndo());
}

TEST_P(SimpleTagTest, anEmptySelectionGetsAnEmptyPairWithTheCaretAfterBoth) {
    const TagCase& tag = GetParam();
    Fixture f;
    f.editor.setText("xy");
    f.editor.setSelection(1, 0);
    f.run(tag.command);
    const std::string pair = std::string(tag.opening) + std::string(tag.closing);
    EXPECT_EQ(f.editor.text(), "x" + pair + "y");
    EXPECT_EQ(f.editor.selectionStart(), 1 + pair.size());
}

TEST_P(SimpleTagTest, selectionsOverLinesAndExistingTagsAreTakenAsTheyAre) {
    const TagCase& tag = GetParam();
    Fixture f;
    const std::string inner =
        "one\r\n" + std::string(tag.opening) + "two" + std::string(tag.closing) + " \r\n";
    f.editor.setText(inner);
    f.editor.selectAll();
    f.run(tag.command);
    EXPECT_EQ(f.editor.text(), std::string(tag.opening) + inner + std::string(tag.closing));
}

INSTANTIATE_TEST_SUITE_P(AllNine, SimpleTagTest,
                         testing::Values(TagCase{cmd::TagBold, "[b]", "[/b]"},
                                         TagCase{cmd::TagUnderline, "[u]", "[/u]"},
                                         TagCase{cmd::TagItalic, "[i]", "[/i]"},
                                         TagCase{cmd::TagOoc, "[ooc]", "[/ooc]"},
                                         TagCase{cmd::TagCenter, "[center]", "[/center]"},
                                         TagCase{cmd::TagRight, "[right]", "[/right]"},
                                         TagCase{cmd::TagQuote, "[quote]", "[/quote]"},
                                         TagCase{cmd::TagCode, "[code]", "[/code]"},
                                         TagCase{cmd::TagPhp, "[php]", "[/php]"}));

TEST(SimpleTags, theTableHoldsExactlyTheNineTags) {
    EXPECT_EQ(simpleTags().size(), 9u);
}

TEST(SimpleTags, aWrapBeyondCapacityIsReportedAndChangesNothing) {
    EditorModel editor(8);
    editor.setText("abcdef");
    editor.selectAll();
    CommandRegistry commands;
    std::vector<std::string> messages;
    registerSimpleTagCommands(commands, editor,
                              [&](std::string_view m) { messages.emplace_back(m); });
    commands.run(cmd::TagBold);
    EXPECT_EQ(editor.text(), "abcdef");
    EXPECT_EQ(messages, std::vector<std::string>{"Text exceeds memo capacity"});
}

TEST(EditCommands, copyAllWritesTheWholeTextButLeavesTheClipboardForAnEmptyPost) {
    Fixture f;
    f.run(cmd::CopyAll);
    EXPECT_EQ(f.clipboard.content, "previous");
    EXPECT_EQ(f.clipboard.writes, 0);
    f.editor.setText("line\r\nnext");
    f.editor.setSelection(1, 1);
    f.run(cmd::CopyAll);
    EXPECT_EQ(f.clipboard.content, "line\r\nnext");
}

TEST(EditCommands, copySelectionEmptiesTheClipboardWhenNothingIsSelected) {
    Fixture f;
    f.run(cmd::CopySelection); // empty post: untouched
    EXPECT_EQ(f.clipboard.content, "previous");
    f.editor.setText("abc");
    f.run(cmd::CopySelection);
    EXPECT_EQ(f.clipboard.content, "");
    f.editor.setSelection(1, 2);
    f.run(cmd::CopySelection);
    EXPECT_EQ(f.clipboard.content, "bc");
}

TEST(EditCommands, pasteReplacesTheSelectionAndCannotBeUndone) {
    Fixture f;
    f.editor.setText("abc");
    f.editor.setSelection(1, 1);
    f.clipboard.content = "XY";
    f.run(cmd::Paste);
    EXPECT_EQ(f.editor.text(), "aXYc");
    EXPECT_EQ(f.editor.selectionStart(), 3u);
    EXPECT_TRUE(f.editor.modified());
    f.run(cmd::Undo);
    EXPECT_EQ(f.editor.text(), "aXYc");
}

TEST(EditCommands, pasteOfAnEmptyOrNonTextClipboardChangesNothing) {
    Fixture f;
    f.editor.setText("abc");
    f.editor.setSelection(0, 3);
    f.clipboard.content = "";
    f.run(cmd::Paste);
    EXPECT_EQ(f.editor.text(), "abc");
    EXPECT_EQ(f.editor.selectionLength(), 3u);
    EXPECT_FALSE(f.editor.modified());
}

TEST(EditCommands, aClipboardThatCannotBeOpenedIsReportedAndTouchesNothing) {
    Fixture f;
    f.editor.setText("abc");
    f.clipboard.locked = true;
    f.run(cmd::CopyAll);
    f.run(cmd::CopySelection);
    f.run(cmd::Paste);
    EXPECT_EQ(f.editor.text(), "abc");
    EXPECT_EQ(f.clipboard.content, "previous");
    EXPECT_EQ(f.messages, std::vector<std::string>(3, "Cannot open clipboard"));
}

TEST(EditCommands, aPasteBeyondCapacityIsReportedAndChangesNothing) {
    EditorModel editor(8);
    editor.setText("abc");
    FakeClipboard clipboard;
    clipboard.content = "123456";
    CommandRegistry commands;
    std::vector<std::string> messages;
    registerEditCommands(commands, editor, clipboard,
                         [&](std::string_view m) { messages.emplace_back(m); });
    commands.run(cmd::Paste);
    EXPECT_EQ(editor.text(), "abc");
    EXPECT_FALSE(editor.modified());
    EXPECT_EQ(messages, std::vector<std::string>{"Text exceeds memo capacity"});
}

TEST(EditCommands, selectAllUndoAndTheInertKey) {
    Fixture f;
    f.editor.setText("ab");
    f.run(cmd::SelectAll);
    EXPECT_EQ(f.editor.selectionLength(), 2u);
    f.run(cmd::Nothing);
    EXPECT_EQ(f.editor.text(), "ab");
    EXPECT_EQ(f.editor.selectionLength(), 2u);
    EXPECT_EQ(f.clipboard.content, "previous");
    f.editor.edit(2, 0, "q");
    f.run(cmd::Undo);
    EXPECT_EQ(f.editor.text(), "ab");
    f.run(cmd::Undo);
    EXPECT_EQ(f.editor.text(), "abq");
}

} // namespace
} // namespace quolan
