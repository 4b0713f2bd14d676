#include "core/tags/SmileyTable.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace quolan {
namespace {

bool overlap(const Smiley& a, const Smiley& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

TEST(SmileyTable, holdsTwentyNineStandardAndTenMoreButtonsInPageOrder) {
    const auto table = smileyTable();
    ASSERT_EQ(table.size(), 39u);
    ASSERT_EQ(smileyPages().size(), 2u);
    std::vector<int> perPage(smileyPages().size());
    int previousPage = 0;
    for (const Smiley& s : table) {
        ASSERT_GE(s.page, previousPage) << s.button << " breaks the page order";
        ASSERT_LT(static_cast<std::size_t>(s.page), perPage.size()) << s.button;
        previousPage = s.page;
        ++perPage[static_cast<std::size_t>(s.page)];
    }
    EXPECT_EQ(perPage[0], 29);
    EXPECT_EQ(perPage[1], 10);
    EXPECT_EQ(smileyPages()[0].caption, "Стандартные");
    EXPECT_EQ(smileyPages()[1].caption, "Дополнительные");
}

TEST(SmileyTable, namesAndCaptionsAreUnique) {
    std::set<std::string_view> buttons;
    std::set<std::string_view> captions;
    std::set<std::string_view> inserted;
    for (const Smiley& s : smileyTable()) {
        EXPECT_TRUE(buttons.insert(s.button).second) << s.button;
        EXPECT_TRUE(captions.insert(s.caption).second) << s.caption;
        EXPECT_TRUE(inserted.insert(s.inserted).second) << s.inserted;
        EXPECT_NE(s.button, "SpeedButton29") << "the palette's Ok button is no smiley";
    }
}

TEST(SmileyTable, everyButtonInsertsExactlyItsCode) {
    // Independent of the table's layout: what each button must write.
    const std::map<std::string_view, std::string_view> expected = {
        {"SpeedButton5", ":cool:"},     {"SpeedButton26", ";)"},
        {"SpeedButton25", ":eek:"},     {"SpeedButton27", ":rolleyes:"},
        {"SpeedButton31", ":rtfm:"},    {"SpeedButton1", ":angry:"},
        {"SpeedButton7", ":)"},         {"SpeedButton3", ":D"},
        {"SpeedButton17", ":o"},        {"SpeedButton32", ":search:"},
        {"SpeedButton10", ":("},        {"SpeedButton6", ":confused:"},
        {"SpeedButton8", ":p"},         {"SpeedButton11", ":mad:"},
        {"SpeedButton22", ":flop:"},    {"SpeedButton4", ":top:"},
        {"SpeedButton23", ":drink:"},   {"SpeedButton24", "\\m/"},
        {"SpeedButton33", ":`("},       {"SpeedButton12", ":freud:"},
        {"SpeedButton2", "[censored]"}, {"SpeedButton9", ":censored:"},
        {"SpeedButton28", ":bug:"},     {"SpeedButton34", ":devil:"},
        {"SpeedButton35", ":in love:"}, {"SpeedButton36", ":rose:"},
        {"SpeedButton37", ":-["},       {"SpeedButton38", ":smiting:"},
        {"SpeedButton39", ":-!"},       {"SpeedButton15", ":seraph:"},
        {"SpeedButton14", ":Perse2:"},  {"SpeedButton13", ":mero:"},
        {"SpeedButton16", ":smiths:"},  {"SpeedButton30", ":Pokemon:"},
        {"SpeedButton19", ":Perse:"},   {"SpeedButton20", ":sati:"},
        {"SpeedButton18", ":ghost:"},   {"SpeedButton21", ":twins:"},
        {"SpeedButton40", ":smith:"},
    };
    ASSERT_EQ(expected.size(), smileyTable().size());
    for (const Smiley& s : smileyTable()) {
        const auto it = expected.find(s.button);
        ASSERT_NE(it, expected.end()) << s.button;
        EXPECT_EQ(s.inserted, it->second) << s.button;
    }
}

TEST(SmileyTable, onlyTheTongueAndTheTearInsertOtherThanTheirCaption) {
    std::map<std::string_view, std::pair<std::string_view, std::string_view>> differing;
    for (const Smiley& s : smileyTable())
        if (s.caption != s.inserted)
            differing[s.button] = {s.caption, s.inserted};
    using Pair = std::pair<std::string_view, std::string_view>;
    const std::map<std::string_view, Pair> expected = {
        {"SpeedButton8", Pair{":P", ":p"}},
        {"SpeedButton33", Pair{":'(", ":`("}}, // apostrophe shown, grave accent written
    };
    EXPECT_EQ(differing, expected);
}

TEST(SmileyTable, buttonsLieInsideTheirPageWithoutOverlapAndHoldTheirPictures) {
    const auto table = smileyTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        const Smiley& s = table[i];
        EXPECT_GE(s.left, 0) << s.button;
        EXPECT_GE(s.top, 0) << s.button;
        EXPECT_LE(s.left + s.width, kSmileyPagesWidth) << s.button;
        EXPECT_LE(s.top + s.height, kSmileyPagesHeight) << s.button;
        EXPECT_LE(s.pictureWidth, s.width) << s.button;
        EXPECT_LE(s.pictureHeight, s.height) << s.button;
        EXPECT_GT(s.pictureWidth, 0) << s.button;
        EXPECT_GT(s.pictureHeight, 0) << s.button;
        for (std::size_t j = i + 1; j < table.size(); ++j) {
            if (table[j].page == s.page) {
                EXPECT_FALSE(overlap(s, table[j])) << s.button << " overlaps " << table[j].button;
            }
        }
    }
}

struct InsertFixture {
    explicit InsertFixture(std::size_t capacity = EditorModel::kDefaultCapacity)
        : editor(capacity) {}
    void click(std::string_view button) {
        for (const Smiley& s : smileyTable())
            if (s.button == button)
                return insertSmiley(editor, s, report);
        FAIL() << "no smiley " << button;
    }

    EditorModel editor;
    std::vector<std::string> messages;
    ReportError report = [this](std::string_view m) { messages.emplace_back(m); };
};

TEST(InsertSmiley, consecutiveCodesFollowEachOtherAtTheCaret) {
    InsertFixture f;
    f.click("SpeedButton7");
    f.click("SpeedButton26");
    EXPECT_EQ(f.editor.text(), ":);)");
    EXPECT_EQ(f.editor.selectionStart(), 4u);
    EXPECT_EQ(f.editor.selectionLength(), 0u);
    EXPECT_TRUE(f.editor.modified());
    EXPECT_TRUE(f.messages.empty());
}

TEST(InsertSmiley, replacesTheSelectionAndAddsNoBlanks) {
    InsertFixture f;
    ASSERT_EQ(f.editor.setText("say hello\r\nnow"), EditorModel::Result::Changed);
    f.editor.setSelection(4, 5);
    f.click("SpeedButton5");
    EXPECT_EQ(f.editor.text(), "say :cool:\r\nnow");
    EXPECT_EQ(f.editor.selectionStart(), 10u);
    EXPECT_EQ(f.editor.selectionLength(), 0u);
    EXPECT_FALSE(f.editor.canUndo());
}

TEST(InsertSmiley, aFullPostIsToldAndKeptAsItWas) {
    InsertFixture f(8);
    ASSERT_EQ(f.editor.setText("abcdef"), EditorModel::Result::Changed);
    f.editor.setSelection(6, 0);
    f.click("SpeedButton27"); // ":rolleyes:" does not fit
    EXPECT_EQ(f.editor.text(), "abcdef");
    EXPECT_EQ(f.messages, std::vector<std::string>{"Text exceeds memo capacity"});
    f.click("SpeedButton7"); // ":)" still does
    EXPECT_EQ(f.editor.text(), "abcdef:)");
    EXPECT_EQ(f.messages.size(), 1u);
}

} // namespace
} // namespace quolan
