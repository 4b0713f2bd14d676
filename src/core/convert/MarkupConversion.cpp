#include "MarkupConversion.h"

#include <cstddef>

namespace quolan {

namespace {
constexpr MarkupPass kMarkupPasses[] = {
    {"[b]", "<b>"},   {"[/b]", "</b>"}, {"[u]", "<u>"},
    {"[/u]", "</u>"}, {"[i]", "<i>"},   {"[/i]", "</i>"},
};

// A replacement must never move the characters after it. And since every
// pattern of a direction starts with its opening bracket and no replacement
// writes that bracket, a replacement can never make a new match: one scan per
// pass finds every occurrence.
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
    std::size_t replaced = 0;
    for (const MarkupPass& pass : kMarkupPasses) {
        const bool toHtml = direction == MarkupDirection::VbToHtml;
        const std::string_view pattern = toHtml ? pass.vb : pass.html;
        const std::string_view replacement = toHtml ? pass.html : pass.vb;
        // find() never matches a pattern that would run past the end.
        for (std::size_t at = text.find(pattern); at != std::string::npos;
             at = text.find(pattern, at + pattern.size())) {
            text.replace(at, replacement.size(), replacement);
            ++replaced;
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
