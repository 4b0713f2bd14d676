#pragma once

#include "core/preview/PreviewTexts.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace quolan::preview {

// What a pair of tags does to the text between them.
enum class Effect : std::uint8_t {
    Bold,
    Italic,
    Underline,
    Colour, // parameter: a colour name or #rrggbb
    Size,   // parameter: 1 to 7
    Font,   // parameter: a font family
    Remark, // an out-of-character remark, set quietly apart
    Center,
    Right,
    Box,     // a framed block with a heading: quote, code, role-play blocks
    Link,    // parameter: the address; the text between is the link's text
    Address, // the text between is the address and the link's text
    Mail,    // the text between is an e-mail address
    Picture, // the text between is a picture's address
};

// One way of writing a tag. A name with two forms ("[url]" and "[url=...]")
// has two rows; both close with the same "[/name]". The rows' order is the
// order in which the forum's passes look for pairs.
struct PreviewTag {
    std::string_view name; // lower case, as written by this program
    bool takesParameter;   // "[name=P]" rather than "[name]"
    Effect effect;
    bool addressBetween; // the text between is an address: no tags, quotes
                         // or line breaks in it, or the pair is not made
    bool monospace;      // fixed-pitch text inside
    Text heading;        // Box: the heading above the framed text
};

std::span<const PreviewTag> previewTags();

// The distinct names of the rows, in the rows' order; a closing tag is known
// by its index here, an opening tag by its row.
std::span<const std::string_view> previewTagNames();
std::size_t nameIndexOfRow(std::size_t row);

// The row for "[name]" or "[name=" (case-insensitive), or -1.
int findPreviewTag(std::string_view name, bool withParameter);
// The index of a name for "[/name]" (case-insensitive), or -1.
int findPreviewTagName(std::string_view name);

// The forum renders passes of pairing this many times, reaching this deep.
inline constexpr int kPairingPasses = 3;

} // namespace quolan::preview
