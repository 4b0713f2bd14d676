#include "MarkupConversion.h"

#include <cstddef>

namespace quolan {

namespace {
constexpr MarkupPass kMarkupPasses[] = {
    {"[b]", "<b>"},   {"[/b]", "</b>"}, {"[u]", "<u>"},
    {"[/u]", "</u>"}, {"[i]", "<i>"},   {"[/i]", "</i>"},
};

// A replacement must never move the characters after it. Every pattern of a
// direction starts with its opening bracket and holds no other opening
// bracket, and no replacement writes one: so no two occurrences overlap, and
// a replacement never makes or breaks another match. Running the passes one
// after another therefore converts exactly the occurrences found in the
// original text, and one scan trying each pass's pattern at every opening
// bracket gives the same result.
constexpr bool sameLengthsOneBracket() {
    for (const MarkupPass& pass : kMarkupPasses) {
        if (pass.vb.size() != pass.html.size() || pass.vb.front() != '[' ||
            pass.html.front() != '<' || pass.vb.find_first_of("[<", 1) != std::string_view::npos ||
            pass.html.find_first_of("[<", 1) != std::string_view::npos)
            return false;
    }
    return true;
}
static_assert(sameLengthsOneBracket());
} // namespace

std::span<const MarkupPass> markupPasses() {
    return kMarkupPasses;
}

std::size_t convertInPlace(std::string& text, MarkupDirection direction) {
    const bool toHtml = direction == MarkupDirection::VbToHtml;
    const char opening = toHtml ? '[' : '<';
    std::size_t replaced = 0;
    for (std::size_t at = text.find(opening); at != std::string::npos;
         at = text.find(opening, at + 1)) {
        // compare() stops at the end of the text: a cut-off pattern never matches.
        for (const MarkupPass& pass : kMarkupPasses) {
            const std::string_view pattern = toHtml ? pass.vb : pass.html;
            if (text.compare(at, pattern.size(), pattern) == 0) {
                text.replace(at, pattern.size(), toHtml ? pass.html : pass.vb);
                ++replaced;
                break;
            }
        }
    }
    return replaced;
}

std::string convert(std::string_view text, MarkupDirection direction) {
    std::string result(text);
    convertInPlace(result, direction);
    return result;
}

} // namespace quolan
