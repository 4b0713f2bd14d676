#include "core/editor/EditorModel.h"
#include "core/find/EditorFind.h"
#include "core/text/PlatformText.h"

#include <gtest/gtest.h>

namespace quolan {
namespace {

std::string post(std::u16string_view text) {
    return fromPlatform(text);
}

struct FindRow {
    const char* name;
    std::u16string_view text;
    std::u16string_view pattern;
    bool matchCase;
    bool wholeWords;
    std::size_t selStart, selLength;
    SearchDirection direction;
    std::optional<std::size_t> found; // where the selected match starts
    bool wrapped;
    std::size_t total;   // matches counted
    std::size_t ordinal; // place of the selected match afterwards
};

constexpr auto F = SearchDirection::Forward;
constexpr auto B = SearchDirection::Backward;

const FindRow kRows[] = {
    {"Cyrillic folds", u"Привет ПРИВЕТ привет", u"привет", false, false, 0, 0, F, 0, false, 3, 1},
    {"match case", u"Привет ПРИВЕТ привет", u"привет", true, false, 0, 0, F, 14, false, 1, 1},
    {"Ё and ё fold", u"Ёлка ёлка ЁЛКА елка", u"ёлка", false, false, 1, 0, F, 5, false, 3, 2},
    {"Я is not я with case", u"Я я", u"я", true, false, 0, 0, F, 2, false, 1, 1},
    {"Latin c is not Cyrillic с", u"с c С C", u"c", false, false, 0, 0, F, 2, false, 2, 1},
    {"whole Cyrillic words", u"кот котёнок кот_ скот Кот", u"кот", false, true, 1, 0, F, 22, false,
     2, 2},
    {"parts of words", u"кот котёнок кот_ скот Кот", u"кот", false, false, 1, 0, F, 4, false, 5, 2},
    {"whole Latin words", u"cat concat cat.", u"cat", false, true, 0, 3, F, 11, false, 2, 2},
    {"a tag is whole wherever it stands", u"x[b]y", u"[b]", false, true, 0, 0, F, 1, false, 1, 1},
    {"forward wraps", u"ab ab", u"ab", false, false, 3, 2, F, 0, true, 2, 1},
    {"backward", u"ab ab ab", u"ab", false, false, 6, 2, B, 3, false, 3, 2},
    {"backward wraps", u"ab ab ab", u"ab", false, false, 0, 2, B, 6, true, 3, 3},
    {"backward from inside a match", u"abcabc", u"abc", false, false, 5, 0, B, 0, false, 2, 1},
    {"matches taken one after another", u"aaaa", u"aa", false, false, 0, 0, F, 0, false, 2, 1},
    {"nothing found", u"abc", u"x", false, false, 1, 0, F, std::nullopt, false, 0, 0},
    {"a reference for a character outside the code page", u"a ★ b", u"★", false, false, 0, 0, F, 2,
     false, 1, 1},
};

TEST(FindReplace, findsCountsAndWrapsOnTheModel) {
    for (const FindRow& row : kRows) {
        SCOPED_TRACE(row.name);
        EditorModel editor;
        editor.loadText(post(row.text));
        editor.setSelection(row.selStart, row.selLength);
        const TextSearch search({post(row.pattern), row.matchCase, row.wholeWords});
        const FindOutcome outcome = findInEditor(editor, search, row.direction);
        EXPECT_EQ(outcome.found, row.found.has_value());
        EXPECT_EQ(outcome.wrapped, row.wrapped);
        if (row.found) {
            EXPECT_EQ(editor.selectionStart(), *row.found);
            EXPECT_EQ(editor.selectionLength(), search.patternLength());
        } else {
            EXPECT_EQ(editor.selectionStart(), row.selStart);
        }
        const TextSearch::Count count = countInEditor(editor, search);
        EXPECT_EQ(count.total, row.total);
        EXPECT_EQ(count.ordinal, row.ordinal);
        EXPECT_FALSE(editor.modified());
    }
}

TEST(FindReplace, replaceAllIsOneEditThatOneUndoTakesBack) {
    EditorModel editor;
    const std::string before = post(u"Кот и кот,\r\nскот и КОТ. Конец");
    editor.loadText(before);
    const std::size_t caret = before.size() - 5; // before "Конец"
    editor.setSelection(caret, 0);
    const TextSearch search({post(u"кот"), false, true});
    const ReplaceAllOutcome outcome = replaceAllInEditor(editor, search, post(u"пёсик"));
    EXPECT_EQ(outcome.replacements, 3u);
    EXPECT_FALSE(outcome.tooLarge);
    EXPECT_EQ(editor.text(), post(u"пёсик и пёсик,\r\nскот и пёсик. Конец"));
    EXPECT_TRUE(editor.modified());
    EXPECT_EQ(editor.selectionStart(), caret + 6); // still before "Конец"
    editor.undo();
    EXPECT_EQ(editor.text(), before);
    EXPECT_TRUE(editor.modified());
    editor.undo();
    EXPECT_EQ(editor.text(), post(u"пёсик и пёсик,\r\nскот и пёсик. Конец"));
}

TEST(FindReplace, replaceTakesTheSelectedMatchOnlyAndSelectsTheNext) {
    EditorModel editor;
    editor.loadText("one two one two");
    const TextSearch search({"two", false, false});
    // Not a match selected: the first press only finds.
    ReplaceOutcome outcome = replaceCurrent(editor, search, "2");
    EXPECT_FALSE(outcome.replaced);
    EXPECT_EQ(editor.selectionStart(), 4u);
    outcome = replaceCurrent(editor, search, "2");
    EXPECT_TRUE(outcome.replaced);
    EXPECT_EQ(editor.text(), "one 2 one two");
    EXPECT_EQ(editor.selectionStart(), 10u);
    EXPECT_EQ(editor.selectionLength(), 3u);
    editor.undo();
    EXPECT_EQ(editor.text(), "one two one two");
}

TEST(FindReplace, aReplacementPastTheCapacityChangesNothing) {
    EditorModel editor(12);
    editor.loadText("a a a a");
    const TextSearch search({"a", false, false});
    EXPECT_TRUE(replaceAllInEditor(editor, search, "bbb").tooLarge);
    editor.setSelection(0, 1);
    EXPECT_TRUE(replaceCurrent(editor, search, "bbbbbbbbbbbb").tooLarge);
    EXPECT_EQ(editor.text(), "a a a a");
    EXPECT_FALSE(editor.modified());
}

} // namespace
} // namespace quolan
