#pragma once

#include "core/preview/PreviewTexts.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quolan::preview {

// A tag the forum would not turn into markup as the writer meant it.
struct TagFinding {
    enum class Kind {
        Unclosed,  // opened and never closed: printed as text
        Unopened,  // closed and never opened: printed as text
        Misnested, // closes while a tag opened after its opening is still open
    };
    Kind kind;
    std::size_t start; // byte range of the tag in the post
    std::size_t length;
    std::size_t line;    // 1-based
    std::size_t column;  // 1-based, in characters (bytes) from the line's start
    std::string tag;     // the tag as written
    std::string openTag; // Misnested: the tag still open, as written
};

struct PostCounts {
    std::size_t editorCharacters = 0; // as the editor's counter: CR LF counts two
    std::size_t forumCharacters = 0;  // text the forum shows: tags gone, a smiley,
                                      // picture, named character or line break one
    std::size_t bytes = 0;            // the post as the forum receives it
};

struct PreviewOptions {
    Language language = Language::Russian;
    int basePixelSize = 13; // the size of text without [size]
    bool html = true;       // false: findings and counts only
    // The HTML stops at the first tag, word or line that starts this far
    // into the post; the findings and counts still take the whole post.
    std::size_t htmlBytes = SIZE_MAX;
    // Findings kept, the first ones; all are counted.
    std::size_t keptFindings = SIZE_MAX;
};

struct PostPreview {
    std::u16string html; // for Qt's rich text; pictures of smileys are "smiley:<button>"
    std::vector<TagFinding> findings;
    std::size_t findingCount = 0; // kept or not
    bool htmlCut = false;         // the HTML shows only the post's beginning
    PostCounts counts;
};

// The post (Windows-1251, as the editor holds it) as the forum will show it,
// with the tags it would print as text or nest wrongly.
PostPreview previewPost(std::string_view post, const PreviewOptions& options = {});

// The checker alone.
std::vector<TagFinding> checkTags(std::string_view post);

// One line of the checker's list.
std::u16string findingMessage(const TagFinding& finding, Language language = Language::Russian);

} // namespace quolan::preview
