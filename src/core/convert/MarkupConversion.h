#pragma once

#include <span>
#include <string>
#include <string_view>

namespace quolan {

// Rewriting the bold, underline and italic tags between the bulletin-board
// form ("[b]") and the HTML form ("<b>"). Nothing else is touched.
enum class MarkupDirection { VbToHtml, HtmlToVb };

// One pass of the conversion: the two forms of one tag, of equal length.
struct MarkupPass {
    std::string_view vb;
    std::string_view html;
};

// The passes in the order they run.
std::span<const MarkupPass> markupPasses();

// Every exact, case-sensitive occurrence of a pass's pattern is overwritten
// with its other form; the text keeps its length. Returns how many were.
std::size_t convertInPlace(std::string& text, MarkupDirection direction);
std::string convert(std::string_view text, MarkupDirection direction);

} // namespace quolan
