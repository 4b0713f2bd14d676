#include "core/convert/MarkupConversion.h"

#include <cstddef>
#include <gtest/gtest.h>
#include <random>
#include <span>
#include <string>
#include <utility>

namespace quolan {
namespace {

using enum MarkupDirection;

TEST(MarkupConversion, passesRunBoldUnderlineItalicOpeningThenClosing) {
    const std::pair<std::string_view, std::string_view> expected[] = {
        {"[b]", "<b>"},   {"[/b]", "</b>"}, {"[u]", "<u>"},
        {"[/u]", "</u>"}, {"[i]", "<i>"},   {"[/i]", "</i>"},
    };
    const auto passes = markupPasses();
    ASSERT_EQ(passes.size(), std::size(expected));
    for (std::size_t i = 0; i < passes.size(); ++i) {
        EXPECT_EQ(passes[i].vb, expected[i].first);
        EXPECT_EQ(passes[i].html, expected[i].second);
    }
}

struct Example {
    MarkupDirection direction;
    std::string_view input;
    std::string_view output;
    std::size_t replaced;
};

TEST(MarkupConversion, convertsExactlyTheSixTags) {
    const Example examples[] = {
        {VbToHtml, "[b]bold[/b] and [i][u]both[/u][/i]", "<b>bold</b> and <i><u>both</u></i>", 6},
        {HtmlToVb, "<b>bold</b> and <i><u>both</u></i>", "[b]bold[/b] and [i][u]both[/u][/i]", 6},
        {VbToHtml, "[b]open", "<b>open", 1},
        {VbToHtml, "[b][b][/b][/b]", "<b><b></b></b>", 4},
        {VbToHtml, "[B]x[/B]", "[B]x[/B]", 0},
        {VbToHtml, "[b ]x[/ b]", "[b ]x[/ b]", 0},
        {VbToHtml, "[url=a]x[/url]", "[url=a]x[/url]", 0},
        {VbToHtml, "[color=red]x[/color]", "[color=red]x[/color]", 0},
        {VbToHtml, "[quote]x[/quote]", "[quote]x[/quote]", 0},
        {VbToHtml, "[bold]", "[bold]", 0},
        {HtmlToVb, "<B>x</B>", "<B>x</B>", 0},
        {HtmlToVb, "<br>", "<br>", 0},
        {HtmlToVb, "<b class=x>", "<b class=x>", 0},
        {VbToHtml, "<b>[b]", "<b><b>", 1},
        {HtmlToVb, "[b]<b>", "[b][b]", 1},
        {VbToHtml, "[[b]]", "[<b>]", 1},
        {HtmlToVb, "<<i>>", "<[i]>", 1},
        {VbToHtml, "[/[u]i]", "[/<u>i]", 1},
        {VbToHtml, "", "", 0},
    };
    for (const Example& example : examples) {
        std::string text(example.input);
        EXPECT_EQ(convertInPlace(text, example.direction), example.replaced) << example.input;
        EXPECT_EQ(text, example.output);
        EXPECT_EQ(convert(example.input, example.direction), example.output);
    }
}

TEST(MarkupConversion, patternCutOffByTheEndDoesNotMatch) {
    for (const MarkupPass& pass : markupPasses()) {
        for (const auto& [pattern, replacement] :
             {std::pair{pass.vb, pass.html}, std::pair{pass.html, pass.vb}}) {
            const MarkupDirection direction = pattern == pass.vb ? VbToHtml : HtmlToVb;
            const std::string whole = "x " + std::string(pattern);
            // The rest of the pattern lies just past the end of the text.
            for (std::size_t cut = 1; cut < pattern.size(); ++cut) {
                const std::string_view text(whole.data(), whole.size() - cut);
                EXPECT_EQ(convert(text, direction), text);
            }
            EXPECT_EQ(convert(whole, direction), "x " + std::string(replacement));
        }
    }
}

// Up to thirty pieces picked at random.
std::string randomText(std::mt19937& random, std::span<const std::string_view> pieces) {
    std::string text;
    const auto count = random() % 30;
    for (unsigned i = 0; i < count; ++i)
        text += pieces[random() % pieces.size()];
    return text;
}

TEST(MarkupConversion, htmlToVbUndoesVbToHtmlWithoutAngleBrackets) {
    const std::string_view pieces[] = {"[b]",     "[/b]", "[u]",  "[/u]", "[i]", "[/i]", "[",
                                       "]",       "/",    "b",    "u",    "i",   "x",    "[B]",
                                       "[url=a]", " ",    "\r\n", ">",    "\xe0"};
    std::mt19937 random(7);
    for (int round = 0; round < 500; ++round) {
        const std::string text = randomText(random, pieces);
        const std::string html = convert(text, VbToHtml);
        ASSERT_EQ(html.size(), text.size());
        for (const MarkupPass& pass : markupPasses())
            EXPECT_EQ(html.find(pass.vb), std::string::npos) << text;
        EXPECT_EQ(convert(html, HtmlToVb), text) << text;
    }
}

// The conversion as six separate passes over the text, position by position,
// each overwriting every occurrence of its pattern.
std::string sixPasses(std::string text, MarkupDirection direction) {
    for (const MarkupPass& pass : markupPasses()) {
        const std::string_view pattern = direction == VbToHtml ? pass.vb : pass.html;
        const std::string_view replacement = direction == VbToHtml ? pass.html : pass.vb;
        for (std::size_t i = 0; i + pattern.size() <= text.size(); ++i)
            if (std::string_view(text).substr(i, pattern.size()) == pattern)
                text.replace(i, pattern.size(), replacement);
    }
    return text;
}

TEST(MarkupConversion, givesWhatSixSeparatePassesGive) {
    const std::string_view pieces[] = {"[b]", "[/b]", "[u]", "[/u]", "[i]", "[/i]", "<b>", "</b>",
                                       "<u>", "</u>", "<i>", "</i>", "[",   "<",    "]",   ">",
                                       "/",   "b",    "i",   "u",    "B",   " "};
    std::mt19937 random(11);
    for (int round = 0; round < 2000; ++round) {
        const std::string text = randomText(random, pieces);
        for (const MarkupDirection direction : {VbToHtml, HtmlToVb})
            EXPECT_EQ(convert(text, direction), sixPasses(text, direction)) << text;
    }
}

} // namespace
} // namespace quolan
