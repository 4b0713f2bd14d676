#pragma once

#include "core/preview/PostPreview.h"
#include "core/preview/PostTokens.h"

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace quolan::preview {

// Which tags the forum turns into markup, and what that means for the post
// before anything is drawn. The HTML writer reads the same tokens: a paired
// Open or Close is markup, anything else is printed as it stands.

// Marks the Open and Close tokens the forum pairs: each pass takes the tag
// rows in order and, left to right, pairs every opening with the first
// closing after it that is still unpaired (shortest match), then goes on
// after that closing. Three passes reach three levels of nesting of one tag.
// Anything left unpaired is printed as it stands.
void pairTags(std::string_view post, std::vector<Token>& tokens);

// The Close token of the pair opened at `open`, a paired Open of a row whose
// text between is an address: nothing but text stands between the two.
std::size_t addressPairClose(std::span<const Token> tokens, std::size_t open);

struct PostCheck {
    std::vector<TagFinding> findings; // the first `keptFindings` of them
    std::size_t findingCount = 0;     // kept or not
    std::size_t forumCharacters = 0;  // as PostCounts::forumCharacters
};

// The tags printed as text or nested wrongly, and the characters the forum shows.
PostCheck checkPairs(std::string_view post, std::span<const Token> tokens,
                     std::size_t keptFindings);

} // namespace quolan::preview
