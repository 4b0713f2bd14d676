#include "core/editor/EditorModel.h"
#include "core/editor/GapBuffer.h"
#include "core/editor/LineBreakIndex.h"
#include "core/text/LineBreaks.h"
#include "core/text/PlatformText.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace quolan {
namespace {

// Display position of every text position, counted the slow way.
std::size_t slowToDisplay(const std::string& text, std::size_t position) {
    std::size_t display = 0;
    for (std::size_t i = 0; i < position; ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            if (i + 1 == position)
                return display; // between CR and LF: the separator's start
            ++i;
        }
        ++display;
    }
    return display;
}

void expectIndexMatches(const LineBreakIndex& index, const std::string& text) {
    const std::u16string display = toDisplay(text);
    for (std::size_t position = 0; position <= text.size(); ++position)
        ASSERT_EQ(index.toDisplay(position), slowToDisplay(text, position))
            << "text position " << position;
    std::size_t textPosition = 0;
    for (std::size_t d = 0; d <= display.size(); ++d) {
        ASSERT_EQ(index.toText(d), textPosition) << "display position " << d;
        if (d < display.size())
            textPosition += display[d] == kDisplayLineBreak ? 2u : 1u;
    }
}

TEST(LineBreakIndex, mapsPositionsAroundPairsAndLoneBreaks) {
    const std::string text = "ab\r\nc\r\n\r\nd\re\nf";
    LineBreakIndex index;
    index.rebuild(text);
    EXPECT_EQ(index.count(), 3u);
    EXPECT_EQ(index.toDisplay(4), 3u); // 'c'
    EXPECT_EQ(index.toDisplay(3), 2u); // between CR and LF
    EXPECT_EQ(index.toText(3), 4u);
    EXPECT_EQ(index.toText(5), 7u); // after two separators
    expectIndexMatches(index, text);
}

// Random edits through the model: its index must always equal one rebuilt
// from scratch, and display mapping must match a slow count.
TEST(LineBreakIndex, staysExactThroughRandomEdits) {
    std::mt19937 random(20261208);
    const std::string pieces[] = {"a", "bc", "\r\n", "\r", "\n", "x\r\ny", "\r\n\r\n", ""};
    EditorModel model;
    model.setText("start\r\nof\r\nthe text");
    std::string expected = model.text();
    for (int round = 0; round < 3000; ++round) {
        const std::size_t length = expected.size();
        const std::size_t position = length == 0 ? 0 : random() % (length + 1);
        const std::size_t removed =
            length == position ? 0 : random() % std::min<std::size_t>(4, length - position + 1);
        const std::string& inserted = pieces[random() % std::size(pieces)];
        if (random() % 2 == 0) {
            model.edit(position, removed, inserted);
        } else {
            model.setSelection(position, removed);
            model.replaceSelection(inserted);
        }
        expected.replace(position, removed, inserted);
        ASSERT_EQ(model.text(), expected) << "round " << round;
        LineBreakIndex fresh;
        fresh.rebuild(expected);
        ASSERT_EQ(model.lineBreaks().count(), fresh.count()) << "round " << round;
        for (std::size_t i = 0; i < fresh.count(); ++i)
            ASSERT_EQ(model.lineBreaks().at(i), fresh.at(i)) << "round " << round;
        if (round % 100 == 0)
            expectIndexMatches(model.lineBreaks(), expected);
    }
}

TEST(GapBuffer, behavesLikeAStringThroughRandomEdits) {
    std::mt19937 random(7);
    GapBuffer buffer("hello");
    std::string expected = "hello";
    for (int round = 0; round < 5000; ++round) {
        const std::size_t position = random() % (expected.size() + 1);
        const std::size_t removed = random() % 6;
        const std::string inserted(random() % (round % 50 == 0 ? 9000 : 5),
                                   static_cast<char>('a' + round % 26));
        buffer.replace(position, removed, inserted);
        expected.replace(position, std::min(removed, expected.size() - position), inserted);
        ASSERT_EQ(buffer.size(), expected.size());
        const std::size_t from = random() % (expected.size() + 1);
        const std::size_t count = random() % 20;
        ASSERT_EQ(buffer.substr(from, count), expected.substr(from, count));
        ASSERT_TRUE(buffer.rangeEquals(from, expected.substr(from, count)));
    }
    EXPECT_EQ(buffer.str(), expected);
    EXPECT_TRUE(buffer.equals(expected));
    EXPECT_FALSE(buffer.equals(expected + "x"));
}

} // namespace
} // namespace quolan

namespace quolan {
namespace {

TEST(UnbrokenRuns, findARunLongerThanTheLimitAnywhere) {
    for (const std::size_t limit : {1u, 3u, 5u}) {
        for (std::size_t length = 0; length <= 8; ++length) {
            for (std::size_t at = 0; at <= 3; ++at) {
                const std::string text = std::string(at, ' ') + std::string(length, 'x') + "\r\n";
                EXPECT_EQ(hasUnbrokenRunLongerThan(text, limit), length > limit)
                    << "limit " << limit << " length " << length << " at " << at;
            }
        }
    }
    EXPECT_FALSE(hasUnbrokenRunLongerThan("ab cd\tef\r\ngh", 2));
    EXPECT_TRUE(hasUnbrokenRunLongerThan("ab cd\tefg\r\ngh", 2));
    EXPECT_FALSE(hasUnbrokenRunLongerThan("", 0));
}

// The model judges an edit by the blank-free stretch it leaves through itself:
// compare with measuring every stretch of the edited text that meets the edit.
TEST(UnbrokenRuns, anEditIsJudgedWithTheStretchAroundIt) {
    std::mt19937 random(7);
    const auto randomText = [&](std::size_t most) {
        std::string text(random() % (most + 1), 'x');
        for (char& c : text)
            if (random() % 4 == 0)
                c = random() % 2 ? ' ' : '\n';
        return text;
    };
    for (int round = 0; round < 3000; ++round) {
        EditorModel model;
        model.setText(randomText(14));
        const std::size_t position = random() % (model.length() + 1);
        const std::size_t removed = random() % (model.length() - position + 1);
        const std::string inserted = randomText(5);
        const std::size_t limit = 1 + random() % 6;

        std::string after = model.text();
        after.replace(position, removed, inserted);
        bool expected = false;
        for (std::size_t from = 0; from <= after.size();) {
            std::size_t to = from;
            while (to < after.size() && !isWrapBreak(after[to]))
                ++to;
            if (from <= position + inserted.size() && to >= position && to - from > limit)
                expected = true;
            from = to + 1;
        }
        EXPECT_EQ(model.editLeavesUnbrokenRunLongerThan(position, removed, inserted, limit),
                  expected)
            << "text '" << model.text() << "' at " << position << " -" << removed << " +'"
            << inserted << "' limit " << limit;
    }
}

TEST(References, anOffsetInsideAReferenceFindsItsEnds) {
    const std::u16string text = u"a&#252;b&#128512;&#x;&#;&c";
    const auto expectAround = [&](std::size_t offset, std::size_t first, std::size_t second) {
        const auto found = referenceAround(text, offset);
        ASSERT_TRUE(found) << offset;
        EXPECT_EQ(*found, std::pair(first, second)) << offset;
    };
    EXPECT_FALSE(referenceAround(text, 1)); // before the "&"
    for (std::size_t offset = 2; offset <= 6; ++offset)
        expectAround(offset, 1, 7);
    EXPECT_FALSE(referenceAround(text, 7)); // after the ";"
    expectAround(16, 8, 17);
    for (std::size_t offset = 18; offset <= text.size(); ++offset)
        EXPECT_FALSE(referenceAround(text, offset)) << offset; // not references
    EXPECT_FALSE(referenceAround(u"", 0));
}

} // namespace
} // namespace quolan
