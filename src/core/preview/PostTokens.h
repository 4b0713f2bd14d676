#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace quolan::preview {

// The post cut into what the forum sees in it, left to right. Smiley codes
// are found first: a code inside a would-be tag breaks the tag, as the forum
// replaces smileys before it looks for tags.
enum class TokenKind : std::uint8_t {
    Text,      // plain text
    LineBreak, // CR LF, or a lone CR or LF
    Smiley,    // `tag` is the smiley's index in smileyTable()
    Entity,    // "&#N;" or "&#xH;" naming a character
    Open,      // `tag` is the row in previewTags()
    Close,     // `tag` is the index in previewTagNames()
};

struct Token {
    std::uint32_t start;
    std::uint32_t length;
    TokenKind kind;
    std::uint8_t tag = 0;
    bool paired = false; // Open and Close: the forum turns it into markup
};

// Cuts the post into tokens and pairs the tags as the forum does (pairTags).
std::vector<Token> tokenizePost(std::string_view post);

// The parameter of an opening "[name=P]" or "[name='P']" token.
std::string_view tokenParameter(std::string_view post, const Token& token);

// The character an Entity token names.
char32_t entityCharacter(std::string_view post, const Token& token);

} // namespace quolan::preview
