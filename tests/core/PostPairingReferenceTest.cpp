// Random posts, paired by the tokenizer and by a plain, slow rewrite of the
// forum's own method: smileys replaced first, then three rounds of non-greedy
// pattern replacement, one pattern per tag row.
#include "core/preview/PostPreview.h"
#include "core/preview/PostTokens.h"
#include "core/preview/PreviewTags.h"
#include "core/tags/SmileyTable.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <regex>
#include <string>
#include <vector>

namespace quolan::preview {
namespace {

// Marks: an opening of row R turned into markup is "\x01R\x02", a closing of
// name N "\x03N\x04", smiley S "\x05S\x06".
std::string mark(char open, std::size_t n, char close) {
    return open + std::to_string(n) + close;
}

std::string byTokens(const std::string& post) {
    std::string out;
    for (const Token& t : tokenizePost(post)) {
        if (t.kind == TokenKind::Open && t.paired)
            out += mark('\x01', t.tag, '\x02');
        else if (t.kind == TokenKind::Close && t.paired)
            out += mark('\x03', t.tag, '\x04');
        else if (t.kind == TokenKind::Smiley)
            out += mark('\x05', t.tag, '\x06');
        else
            out += post.substr(t.start, t.length);
    }
    return out;
}

std::string byReplacement(const std::string& post) {
    // Smileys: at each place the longest code, left to right.
    std::string text;
    const auto smileys = smileyTable();
    for (std::size_t i = 0; i < post.size();) {
        std::size_t best = smileys.size();
        for (std::size_t s = 0; s < smileys.size(); ++s)
            if (post.compare(i, smileys[s].inserted.size(), smileys[s].inserted) == 0 &&
                (best == smileys.size() ||
                 smileys[s].inserted.size() > smileys[best].inserted.size()))
                best = s;
        if (best == smileys.size()) {
            text += post[i++];
        } else {
            text += mark('\x05', best, '\x06');
            i += smileys[best].inserted.size();
        }
    }
    const auto rows = previewTags();
    std::vector<std::regex> patterns;
    for (const PreviewTag& row : rows) {
        const std::string name(row.name);
        std::string pattern = "\\[" + name;
        pattern += row.takesParameter ? "=([\"']?)[^\"'\\[\\]\\r\\n\\x01-\\x06]*\\1\\]" : "\\]";
        pattern += row.addressBetween ? "([^\"\\[\\]\\r\\n\\x01-\\x06]*?)" : "([\\s\\S]*?)";
        pattern += "\\[/" + name + "\\]";
        patterns.emplace_back(pattern, std::regex::icase | std::regex::ECMAScript);
    }
    for (int pass = 0; pass < kPairingPasses; ++pass) {
        for (std::size_t row = 0; row < rows.size(); ++row) {
            const std::string content = rows[row].takesParameter ? "$2" : "$1";
            text = std::regex_replace(text, patterns[row],
                                      mark('\x01', row, '\x02') + content +
                                          mark('\x03', nameIndexOfRow(row), '\x04'));
        }
    }
    return text;
}

TEST(PostPairing, randomPostsPairAsTheForumsPatternsWould) {
    const std::vector<std::string> pieces = {"[b]",
                                             "[/b]",
                                             "[B]",
                                             "[i]",
                                             "[/I]",
                                             "[u]",
                                             "[/u]",
                                             "[quote]",
                                             "[/quote]",
                                             "[center]",
                                             "[/center]",
                                             "[url]",
                                             "[url=http://a.b]",
                                             "[url='x y']",
                                             "[url=\"x]",
                                             "[/url]",
                                             "[img]",
                                             "[/img]",
                                             "[email]",
                                             "[/email]",
                                             "[size=3]",
                                             "[size=]",
                                             "[/size]",
                                             "[focus]",
                                             "[focus=A]",
                                             "[/focus]",
                                             "[sa=]",
                                             "[/sa]",
                                             "[code]",
                                             "[/code]",
                                             ":)",
                                             ":-[",
                                             ";)",
                                             ":p",
                                             "[censored]",
                                             "x",
                                             "y z",
                                             "\r\n",
                                             "\n",
                                             "[",
                                             "]",
                                             "\"",
                                             "&#65;",
                                             "[/",
                                             "[url=",
                                             "a;)b",
                                             "[color=red"};
    std::mt19937 random(14);
    for (int round = 0; round < 2000; ++round) {
        std::string post;
        const std::size_t count = 1 + random() % 24;
        for (std::size_t i = 0; i < count; ++i)
            post += pieces[random() % pieces.size()];
        ASSERT_EQ(byTokens(post), byReplacement(post)) << "post: " << post;

        // Rendering any of them is safe, and what the forum shows is no more than the post.
        const PostPreview preview = previewPost(post);
        EXPECT_LE(preview.counts.forumCharacters, post.size());
        EXPECT_EQ(preview.html.find(u"<img src=\"http"), std::u16string::npos);
    }
}

TEST(PostPairing, randomCharactersPairAlikeToo) {
    const std::string alphabet = "[]/=\"':;)(-&#x1bBiuURLmgqaecnoszp \r\n\xc0\xff";
    std::mt19937 random(1251);
    for (int round = 0; round < 1000; ++round) {
        std::string post(random() % 60, ' ');
        for (char& c : post)
            c = alphabet[random() % alphabet.size()];
        ASSERT_EQ(byTokens(post), byReplacement(post)) << "post: " << post;
        EXPECT_LE(previewPost(post).counts.forumCharacters, post.size());
    }
}

} // namespace
} // namespace quolan::preview
