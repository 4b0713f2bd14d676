#include "core/preview/PostPreview.h"

#include "core/i18n/InterfaceRows.h"
#include "core/preview/PreviewFormat.h"
#include "core/preview/PreviewTags.h"
#include "core/tags/ParameterTags.h"
#include "core/tags/SimpleTags.h"
#include "core/ui/CommandIds.h"
#include "core/ui/MenuTables.h"
#include "core/ui/Shortcuts.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quolan::preview {
namespace {

using Kind = TagFinding::Kind;

// The rendered post without the document's frame.
std::u16string body(std::string_view post) {
    const std::u16string html = previewPost(post).html;
    const std::u16string_view head = u"<html><body style=\"font-size:13px;\">";
    const std::u16string_view tail = u"</body></html>";
    EXPECT_EQ(html.substr(0, head.size()), head);
    EXPECT_EQ(html.substr(html.size() - tail.size()), tail);
    return html.substr(head.size(), html.size() - head.size() - tail.size());
}

struct Expected {
    Kind kind;
    std::size_t line;
    std::size_t column;
    std::string tag;
    std::string openTag = {};
};

struct Case {
    const char* what;
    std::string post;
    std::u16string html;
    std::vector<Expected> findings = {};
};

#define BOLD u"<span style=\"font-weight:bold; \">"
#define BOX                                                                                        \
    u"<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"6\" "                     \
    u"style=\"border-color:#8c8c8c; border-style:solid;\"><tr><td><p style=\"color:#555555;\"><b>"
#define END_BOX u"</td></tr></table>"
#define MONO u"font-family:'Courier New', monospace; "
#define P(x) u"<div>" x u"</div>"
#define EMPTY u"<div>&nbsp;</div>"

const std::vector<Case> kCases = {
    {"bold", "[b]x[/b]", P(BOLD u"x</span>")},
    {"upper case", "[B]x[/B] [I]y[/i]",
     P(BOLD u"x</span> <span style=\"font-style:italic; \">y</span>")},
    {"unclosed", "a[b]x", P(u"a[b]x"), {{Kind::Unclosed, 1, 2, "[b]"}}},
    {"unopened", "x[/b]", P(u"x[/b]"), {{Kind::Unopened, 1, 2, "[/b]"}}},
    {"misnested",
     "[b][i]x[/b]y[/i]",
     P(u"<span style=\"font-weight:bold; font-style:italic; \">x</span>"
       u"<span style=\"font-style:italic; \">y</span>"),
     {{Kind::Misnested, 1, 8, "[/b]", "[i]"}}},
    {"nested three deep", "[b][b][b]x[/b][/b][/b]", P(BOLD u"x</span>")},
    {"four deep: the innermost opening and outermost closing stay text",
     "[b][b][b][b]x[/b][/b][/b][/b]",
     P(BOLD u"[b]x</span>[/b]"),
     {{Kind::Unclosed, 1, 10, "[b]"}, {Kind::Unopened, 1, 26, "[/b]"}}},
    {"different tags three deep", "[quote][b][i]x[/i][/b][/quote]",
     BOX u"Цитата:</b></p>" P(u"<span style=\"font-weight:bold; font-style:italic; \">x</span>")
         END_BOX},
    {"smileys in code", "[code]:) a  b[/code]",
     BOX u"Код:</b></p>" P(u"<span style=\"" MONO u"\"><img src=\"smiley:SpeedButton7\" "
                           u"width=\"15\" height=\"15\" />&nbsp;a&nbsp;&nbsp;b</span>") END_BOX},
    {"sizes", "[size=1]a[/size][size=7]b[/size][size=9]c[/size][size=0]d[/size][size=+1]e[/size]",
     P(u"<span style=\"font-size:8px; \">a</span><span style=\"font-size:39px; \">b</span>"
       u"<span style=\"font-size:39px; \">c</span><span style=\"font-size:8px; \">d</span>"
       u"<span style=\"font-size:16px; \">e</span>")},
    {"sizes that are no size", "[size=x]a[/size][size=]b[/size]", P(u"ab")},
    {"empty tags", "[b][/b][url][/url][quote][/quote]", BOX u"Цитата:</b></p>" END_BOX},
    {"named characters", "&#1071;&#x41;&#0;&#65 &#99999999;",
     P(u"&#1071;&#65;&amp;#0;&amp;#65 &amp;#99999999;")},
    {"text is escaped", "<b>&\"\xc0", P(u"&lt;b&gt;&amp;&quot;А")},
    {"line breaks, an empty line among them", "a\r\nb\n\rc\r\n", P(u"a") P(u"b") EMPTY P(u"c")},
    {"links", "[url=http://a.org/?x=1&y=2]a[/url] [URL]www.b.org[/URL] [email]c@d.e[/email]",
     P(u"<a href=\"http://a.org/?x=1&amp;y=2\">a</a> <a href=\"http://www.b.org\">www.b.org</a> "
       u"<a href=\"mailto:c@d.e\">c@d.e</a>")},
    {"no link but http, https, ftp and mailto", "[url=javascript:alert(1)]a[/url]", P(u"a")},
    {"a picture is a placeholder with its address", "[img]http://x/p.png[/img]",
     u"<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" style=\"border-color:#8c8c8c; "
     u"border-style:dashed;\"><tr><td><span style=\"color:#555555;\">Картинка: </span>"
     u"http://x/p.png</td></tr></table>"},
    {"an address holds no tags",
     "[img]a[b]x[/b][/img]",
     P(u"[img]a" BOLD u"x</span>[/img]"),
     {{Kind::Unclosed, 1, 1, "[img]"}, {Kind::Unopened, 1, 15, "[/img]"}}},
    {"alignment; text after a block stands apart", "[center]a[/center][right]b[/right]\r\nc",
     u"<div align=\"center\">" P(u"a") u"</div><div align=\"right\">" P(u"b") u"</div>" EMPTY P(
         u"c")},
    {"role-play blocks", "[focus=\xc2\xe0\xf1\xff]a[/focus][sa]b[/sa]",
     BOX u"Фокус: Вася</b></p>" P(u"a")
         END_BOX BOX u"Специальное действие: (ваш ник)</b></p>" P(u"b") END_BOX},
    {"a remark", "[ooc]a[/ooc]", P(u"<span style=\"font-style:italic; color:#7a7a7a; \">a</span>")},
    {"colours and fonts, quoted or not", "[color='red']a[/color][font=Arial]b[/font]",
     P(u"<span style=\"color:red; \">a</span><span style=\"font-family:'Arial'; \">b</span>")},
    {"misnested blocks close and open again",
     "[quote]a[center]b[/quote]c[/center]",
     BOX u"Цитата:</b></p>" P(u"a") u"<div align=\"center\">" P(
         u"b") u"</div>" END_BOX u"<div align=\"center\">" P(u"c") u"</div>",
     {{Kind::Misnested, 1, 18, "[/quote]", "[center]"}}},
    {"a smiley comes before a tag",
     ":-[b]x[/b]",
     P(u"<img src=\"smiley:SpeedButton37\" width=\"19\" height=\"20\" />b]x[/b]"),
     {{Kind::Unopened, 1, 7, "[/b]"}}},
    {"a smiley breaks a parameter",
     "[url=a;)]x[/url]",
     P(u"[url=a<img src=\"smiley:SpeedButton26\" width=\"15\" height=\"15\" />]x[/url]"),
     {{Kind::Unopened, 1, 11, "[/url]"}}},
    {"positions count lines",
     "a\r\nbc[i]\r\n[/u]",
     P(u"a") P(u"bc[i]") P(u"[/u]"),
     {{Kind::Unclosed, 2, 3, "[i]"}, {Kind::Unopened, 3, 1, "[/u]"}}},
};

TEST(PostPreview, rendersAndChecksEachPostAsTheForumWould) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(body(c.post), c.html);
        const std::vector<TagFinding> found = checkTags(c.post);
        ASSERT_EQ(found.size(), c.findings.size());
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(found[i].kind, c.findings[i].kind);
            EXPECT_EQ(found[i].line, c.findings[i].line);
            EXPECT_EQ(found[i].column, c.findings[i].column);
            EXPECT_EQ(found[i].tag, c.findings[i].tag);
            EXPECT_EQ(found[i].openTag, c.findings[i].openTag);
            EXPECT_EQ(c.post.substr(found[i].start, found[i].length), found[i].tag);
        }
    }
}

TEST(PostPreview, everyTagThisProgramWritesIsKnown) {
    std::vector<std::string> pairs;
    for (const SimpleTag& tag : simpleTags())
        pairs.push_back(std::string(tag.opening) + "x" + std::string(tag.closing));
    for (const ParameterTagForm& form : parameterTagForms()) {
        for (const std::string_view parameter : {"1", ""}) {
            std::string tag;
            if (buildParameterTag(form, parameter, "x", tag))
                pairs.push_back(tag);
        }
    }
    for (const std::string& pair : pairs) {
        SCOPED_TRACE(pair);
        EXPECT_TRUE(checkTags(pair).empty());
        EXPECT_EQ(body(pair).find(u"[/"), std::u16string::npos);
    }
}

TEST(PostPreview, countsWhatTheEditorAndTheForumCount) {
    const std::string post = "[b]ab[/b]:)\r\n&#65;[img]x[/img][u]";
    const PostCounts counts = previewPost(post).counts;
    EXPECT_EQ(counts.editorCharacters, post.size());
    EXPECT_EQ(counts.bytes, post.size());
    // "ab", the smiley, the line break, "A", the picture and the text "[u]".
    EXPECT_EQ(counts.forumCharacters, 2u + 1 + 1 + 1 + 1 + 3);
}

// The beginning of a long post, closed where it was cut; the check goes on.
TEST(PostPreview, theHtmlStopsWhereItWasAskedToAndTheCheckGoesOnToTheEnd) {
    const std::string post = "[quote]ab\r\ncd[/quote] [b]x [u]y [i]z";
    PreviewOptions options;
    options.htmlBytes = post.find("cd");
    options.keptFindings = 2;
    const PostPreview cut = previewPost(post, options);
    EXPECT_TRUE(cut.htmlCut);
    EXPECT_EQ(cut.html, u"<html><body style=\"font-size:13px;\">" BOX u"Цитата:</b></p>" P(u"ab")
                            END_BOX u"</body></html>");
    EXPECT_EQ(cut.findingCount, 3u);
    ASSERT_EQ(cut.findings.size(), 2u);
    EXPECT_EQ(cut.findings[1].tag, "[u]");
    EXPECT_EQ(cut.counts.forumCharacters, previewPost(post).counts.forumCharacters);

    options.htmlBytes = post.size();
    EXPECT_FALSE(previewPost(post, options).htmlCut);
}

TEST(PostPreview, sizesFollowTheBrowsersRatios) {
    const int expected[] = {8, 12, 13, 16, 20, 26, 39};
    for (int n = 1; n <= 7; ++n)
        EXPECT_EQ(sizeInPixels(std::to_string(n), 13), expected[n - 1]) << n;
    EXPECT_EQ(sizeInPixels("-5", 13), 8);
    EXPECT_EQ(sizeInPixels("99999999999", 13), 39);
    EXPECT_EQ(sizeInPixels("3x", 13), 0);
}

TEST(PostPreview, findingsReadInEitherLanguage) {
    const TagFinding f = checkTags("[b][i]x[/b][/i]").front();
    EXPECT_EQ(findingMessage(f), u"Строка 1, столбец 8: [/b] закрывает тег раньше, чем закрыт [i]");
    EXPECT_EQ(findingMessage(f, Language::English),
              u"Line 1, column 8: [/b] closes its tag before [i] is closed");
}

TEST(PostPreview, itsMenuItemReceivesF5AndTakesItsCaptionFromTheTextTable) {
    const auto bindings = resolveShortcuts(mainMenu());
    const auto f5 = std::find_if(bindings.begin(), bindings.end(),
                                 [](const ShortcutBinding& b) { return b.key == "F5"; });
    ASSERT_NE(f5, bindings.end());
    EXPECT_EQ(f5->item, "Preview1");
    EXPECT_EQ(f5->command, cmd::Preview);
    const auto item = std::find_if(mainMenu().begin(), mainMenu().end(),
                                   [](const MenuEntry& e) { return e.name == "Preview1"; });
    ASSERT_NE(item, mainMenu().end());
    EXPECT_EQ(item->caption, interface_rows::builtCaption("Preview1"));
}

} // namespace
} // namespace quolan::preview
