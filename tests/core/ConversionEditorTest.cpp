#include "core/convert/ConversionCommands.h"
#include "core/editor/EditorModel.h"
#include "core/text/PlatformText.h"
#include "core/ui/CommandIds.h"
#include "core/ui/CommandRegistry.h"

#include <gtest/gtest.h>
#include <string>

namespace quolan {
namespace {

std::string cp1251(std::u16string_view text) {
    return fromPlatform(text);
}

struct Fixture {
    Fixture() {
        registerConversionCommands(commands, editor);
        editor.changed.connect([this](const TextChange&) { ++changes; });
        editor.selectionChanged.connect([this] { ++selectionChanges; });
    }
    // A post being edited: typed at the end (so undo holds a unit and the
    // flag is set), with a stretch selected.
    void edited(std::string_view text, std::size_t selStart, std::size_t selLength) {
        editor.loadText(text);
        editor.edit(editor.length(), 0, "!");
        editor.setSelection(selStart, selLength);
        changes = 0;
        selectionChanges = 0;
    }
    void run(cmd::Id id) { ASSERT_TRUE(commands.run(id)) << id; }

    EditorModel editor;
    CommandRegistry commands;
    int changes = 0;
    int selectionChanges = 0;
};

TEST(ConversionCommands, wholeTextCommandsConvertEverythingAsOneUndoableEdit) {
    struct Case {
        cmd::Id command;
        std::u16string_view before;
        std::u16string_view after;
    };
    const Case cases[] = {
        {cmd::EngToRusWhole, u"Privet, mir\r\nPoka", u"Привет, мир\r\nПока!"},
        {cmd::RusToEngWhole, u"Привет, мир\r\nПока", u"Privet, mir\r\nPoka!"},
        {cmd::VbToHtml, u"[b]a[/b] [u]b[/u]\r\n[i]c[/i]", u"<b>a</b> <u>b</u>\r\n<i>c</i>!"},
        {cmd::HtmlToVb, u"<b>a</b> <u>b</u>\r\n<i>c</i>", u"[b]a[/b] [u]b[/u]\r\n[i]c[/i]!"},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.edited(cp1251(c.before), 2, 3);
        f.run(c.command);
        EXPECT_EQ(f.editor.text(), cp1251(c.after)) << c.command;
        EXPECT_EQ(f.changes, 1);
        EXPECT_EQ(f.editor.selectionStart(), 0U);
        EXPECT_EQ(f.editor.selectionLength(), 0U);
        // Not saved and not lost: closing asks, and one undo brings it back.
        EXPECT_TRUE(f.editor.modified()) << c.command;
        f.editor.undo();
        EXPECT_EQ(f.editor.text(), cp1251(c.before) + "!") << c.command;
        EXPECT_TRUE(f.editor.modified());
        f.editor.undo();
        EXPECT_EQ(f.editor.text(), cp1251(c.after)) << c.command;
        EXPECT_EQ(f.changes, 3);
    }
}

TEST(ConversionCommands, nothingToConvertLeavesTheEditorUntouched) {
    struct Case {
        cmd::Id command;
        std::u16string_view text;
    };
    const Case cases[] = {
        {cmd::EngToRusWhole, u"Щука, 2 ёжа."},
        {cmd::RusToEngWhole, u"Pike, 2 [b]hedgehogs[/b] щя ЧШЙ."},
        {cmd::VbToHtml, u"[B]x[/B] <b>y</b> [b"},
        {cmd::HtmlToVb, u"<B>x</B> [b]y[/b] <br> </"},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.edited(cp1251(c.text), 3, 4);
        const std::string before = f.editor.text();
        f.run(c.command);
        EXPECT_EQ(f.editor.text(), before) << c.command;
        EXPECT_EQ(f.changes, 0);
        EXPECT_EQ(f.selectionChanges, 0);
        EXPECT_EQ(f.editor.selectionStart(), 3U);
        EXPECT_EQ(f.editor.selectionLength(), 4U);
        EXPECT_TRUE(f.editor.modified());
        EXPECT_TRUE(f.editor.canUndo());

        Fixture empty;
        empty.editor.setModified(true);
        empty.run(c.command);
        EXPECT_EQ(empty.editor.text(), "");
        EXPECT_EQ(empty.changes, 0);
        EXPECT_TRUE(empty.editor.modified());
    }
}

TEST(ConversionCommands, conversionSetsTheTextOnceHoweverManyTags) {
    std::string text;
    for (int i = 0; i < 1000; ++i)
        text += "[b]a[/b][u]b[/u][i]c[/i]\r\n";
    Fixture f;
    f.edited(text, 0, 0);
    f.run(cmd::VbToHtml);
    EXPECT_EQ(f.changes, 1);
    EXPECT_EQ(f.editor.text().find('['), std::string::npos);
    f.run(cmd::HtmlToVb);
    EXPECT_EQ(f.changes, 2);
    EXPECT_EQ(f.editor.text(), text + "!");
}

TEST(ConversionCommands, selectionCommandsConvertOnlyTheSelection) {
    struct Case {
        cmd::Id command;
        std::u16string_view before;
        std::size_t selStart, selLength;
        std::u16string_view after;
    };
    const Case cases[] = {
        {cmd::EngToRusSelection, u"Privet Privet", 7, 6, u"Privet Привет!"},
        {cmd::RusToEngSelection, u"Привет\r\nПривет", 0, 8, u"Privet\r\nПривет!"},
        // Nothing to convert: still replaced, so the selection goes.
        {cmd::EngToRusSelection, u"Привет abc", 0, 6, u"Привет abc!"},
        {cmd::RusToEngSelection, u"Привет abc", 7, 3, u"Привет abc!"},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.edited(cp1251(c.before), c.selStart, c.selLength);
        f.editor.setModified(false);
        f.run(c.command);
        EXPECT_EQ(f.editor.text(), cp1251(c.after)) << c.command;
        EXPECT_EQ(f.changes, 1);
        EXPECT_EQ(f.editor.selectionStart(), c.selStart + c.selLength);
        EXPECT_EQ(f.editor.selectionLength(), 0U);
        EXPECT_TRUE(f.editor.modified());
        EXPECT_FALSE(f.editor.canUndo());
    }
}

TEST(ConversionCommands, selectionCommandsOnAnEmptySelectionKeepTheText) {
    for (const cmd::Id command : {cmd::EngToRusSelection, cmd::RusToEngSelection}) {
        Fixture f;
        f.edited("abc \xe0\xe1\xe2", 4, 0);
        f.editor.setModified(false);
        f.run(command);
        EXPECT_EQ(f.editor.text(), "abc \xe0\xe1\xe2!") << command;
        EXPECT_EQ(f.editor.selectionStart(), 4U);
        EXPECT_EQ(f.editor.selectionLength(), 0U);
        EXPECT_TRUE(f.editor.modified());
        EXPECT_FALSE(f.editor.canUndo());
    }
}

} // namespace
} // namespace quolan
