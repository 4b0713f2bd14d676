#include "core/tags/ParameterTags.h"

#include "core/editor/EditorModel.h"
#include "core/tags/SampleColours.h"
#include "core/ui/CommandIds.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace quolan {
namespace {

struct TagRow {
    ParameterTag tag;
    std::string_view parameter;
    std::string_view selection;
    std::string_view expected; // what replaces the selection; empty: nothing at all
};

// Every tag with and without a parameter, with and without a selection.
const TagRow kRows[] = {
    {ParameterTag::Link, "addr", "click here", "[url=addr]click here[/url]"},
    {ParameterTag::Link, "addr", "", "[url=addr][/url]"},
    {ParameterTag::Link, "", "click here", ""},
    {ParameterTag::Link, "", "", ""},
    {ParameterTag::Image, "pic.png", "lost", "[img]pic.png[/img]"},
    {ParameterTag::Image, "pic.png", "", "[img]pic.png[/img]"},
    {ParameterTag::Image, "", "kept", ""},
    {ParameterTag::Email, "a@b.c", "lost", "[email]a@b.c[/email]"},
    {ParameterTag::Email, "", "lost", "[email][/email]"},
    {ParameterTag::Email, "", "", "[email][/email]"},
    {ParameterTag::Size, "3", "big", "[size=3]big[/size]"},
    {ParameterTag::Size, "", "big", "[size=]big[/size]"},
    {ParameterTag::Size, "0", "", "[size=0][/size]"},
    {ParameterTag::Font, "Courier", "mono", "[font=Courier]mono[/font]"},
    {ParameterTag::Font, "", "mono", "[font=]mono[/font]"},
    {ParameterTag::Focus, "Hero", "attacks", "[focus=Hero]attacks[/focus]"},
    {ParameterTag::Focus, "", "attacks", "[focus]attacks[/focus]"},
    {ParameterTag::Focus, "", "", "[focus][/focus]"},
    {ParameterTag::SpecialAction, "Hero", "attacks", "[sa=Hero]attacks[/sa]"},
    {ParameterTag::SpecialAction, "", "attacks", "[sa]attacks[/sa]"},
    {ParameterTag::Color, "teal", "", "[color=teal][/color]"},
    {ParameterTag::Color, "skyblue", "hello", "[color=skyblue]hello[/color]"},
    {ParameterTag::Color, "", "hello", ""},
    // Parameters are taken as typed: blanks, brackets, quotes, line breaks.
    {ParameterTag::Link, " a]b\"c ", "x", "[url= a]b\"c ]x[/url]"},
    {ParameterTag::Focus, "[b]\r\nName", "x", "[focus=[b]\r\nName]x[/focus]"},
    {ParameterTag::Size, " ", "", "[size= ][/size]"},
};

class ParameterTagTest : public testing::TestWithParam<TagRow> {};

TEST_P(ParameterTagTest, replacesTheSelectionAsTheTableSays) {
    const TagRow& row = GetParam();
    EditorModel editor;
    const std::string before = "<<";
    const std::string after = ">>";
    editor.setText(before + std::string(row.selection) + after);
    editor.setSelection(before.size(), row.selection.size());

    const TagOutcome outcome = insertParameterTag(editor, row.tag, row.parameter);

    if (row.expected.empty()) {
        EXPECT_EQ(outcome, TagOutcome::NothingInserted);
        EXPECT_EQ(editor.text(), before + std::string(row.selection) + after);
        EXPECT_FALSE(editor.modified());
        EXPECT_EQ(editor.selectionLength(), row.selection.size());
        return;
    }
    EXPECT_EQ(outcome, TagOutcome::Inserted);
    EXPECT_EQ(editor.text(), before + std::string(row.expected) + after);
    EXPECT_EQ(editor.selectionStart(), before.size() + row.expected.size());
    EXPECT_EQ(editor.selectionLength(), 0u);
    EXPECT_TRUE(editor.modified());
}

TEST_P(ParameterTagTest, buildsTheSameTextWithoutAnEditor) {
    const TagRow& row = GetParam();
    std::string built = "stale";
    const bool inserts =
        buildParameterTag(parameterTagForm(row.tag), row.parameter, row.selection, built);
    EXPECT_EQ(inserts, !row.expected.empty());
    if (inserts) {
        EXPECT_EQ(built, row.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryTag, ParameterTagTest, testing::ValuesIn(kRows));

TEST(ParameterTags, everyTagHasOneRowAndItsOwnOpeningCommand) {
    const std::set<std::string_view> expected = {
        cmd::DialogUrl,  cmd::DialogImage, cmd::DialogEmail,         cmd::DialogSize,
        cmd::DialogFont, cmd::DialogFocus, cmd::DialogSpecialAction, cmd::DialogColor};
    std::set<std::string_view> commands;
    for (const ParameterTagForm& form : parameterTagForms()) {
        EXPECT_EQ(&parameterTagForm(form.tag), &form);
        commands.insert(form.command);
    }
    EXPECT_EQ(commands, expected);
    EXPECT_EQ(parameterTagForms().size(), expected.size());
}

TEST(ParameterTags, aTagThatWouldOverflowTheEditorLeavesItAsItWas) {
    EditorModel editor(20);
    editor.setText("0123456789");
    editor.setSelection(2, 3);
    EXPECT_EQ(insertParameterTag(editor, ParameterTag::Link, "http://x"), TagOutcome::TooLarge);
    EXPECT_EQ(editor.text(), "0123456789");
    EXPECT_EQ(editor.selectionStart(), 2u);
    EXPECT_EQ(editor.selectionLength(), 3u);
    EXPECT_EQ(insertParameterTag(editor, ParameterTag::Image, "ab"), TagOutcome::Inserted);
    EXPECT_EQ(editor.text(), "01[img]ab[/img]56789");
}

struct PrefillCase {
    std::u16string_view clipboard;
    bool prefills;
};

class AddressPrefillTest : public testing::TestWithParam<PrefillCase> {};

TEST_P(AddressPrefillTest, onlyTheExactPrefixesPrefill) {
    EXPECT_EQ(prefillsAddress(GetParam().clipboard), GetParam().prefills);
}

INSTANTIATE_TEST_SUITE_P(
    Clipboards, AddressPrefillTest,
    testing::Values(
        PrefillCase{u"http://brennow.example/forum", true},
        PrefillCase{u"ftp://files.example/a.zip", true}, PrefillCase{u"http://", true},
        PrefillCase{u"ftp://", true}, PrefillCase{u"http://a\nsecond line\n", true},
        PrefillCase{u"http://\u0444\u043e\u0440\u0443\u043c", true},
        PrefillCase{u"HTTP://brennow.example", false},
        PrefillCase{u"Http://brennow.example", false}, PrefillCase{u"FTP://files.example", false},
        PrefillCase{u"https://brennow.example", false}, PrefillCase{u"ftps://files.example", false},
        PrefillCase{u"brennow.example", false}, PrefillCase{u" http://brennow.example", false},
        PrefillCase{u"\nhttp://brennow.example", false}, PrefillCase{u"http:/", false},
        PrefillCase{u"ftp:/", false}, PrefillCase{u"h", false}, PrefillCase{u"", false},
        PrefillCase{u"http:\\\\x", false}));

TEST(SampleColours, lookupIsExactAndCaseSensitive) {
    const SampleColour* skyblue = findSampleColour("skyblue");
    ASSERT_NE(skyblue, nullptr);
    EXPECT_EQ(skyblue->name, "skyblue");
    for (std::string_view unknown :
         {"SkyBlue", "skyblue ", " skyblue", "sky", "", "lime", "limeGreen", "white", "red"})
        EXPECT_EQ(findSampleColour(unknown), nullptr) << unknown;
}

TEST(SampleColours, namesAreListedInOrderAndEachOnce) {
    std::set<std::string_view> names;
    std::string_view previous;
    for (const SampleColour& colour : sampleColours()) {
        EXPECT_LT(previous, colour.name);
        EXPECT_EQ(findSampleColour(colour.name), &colour);
        names.insert(colour.name);
        previous = colour.name;
    }
    EXPECT_EQ(names.size(), 23u);
    EXPECT_EQ(sampleColours().front().name, "black");
    EXPECT_EQ(sampleColours().back().name, "tomato");
    EXPECT_NE(findSampleColour(kDefaultColourName), nullptr);
}

} // namespace
} // namespace quolan
