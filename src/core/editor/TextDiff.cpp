#include "TextDiff.h"

#include <algorithm>

namespace quolan {

TextDiff findTextDiff(std::u16string_view before, std::u16string_view after, std::size_t position,
                      const EditCaret& caret) {
    const std::size_t common = std::min(before.size(), after.size());
    std::size_t prefixLimit = common;
    std::size_t suffixLimit = common;
    const std::size_t rangeTo = position + before.size();
    if (!caret.selected && position <= caret.selectionFrom && caret.selectionTo <= rangeTo &&
        position <= caret.caret && caret.caret <= position + after.size()) {
        prefixLimit = std::min(caret.selectionFrom, caret.caret) - position;
        suffixLimit = position + after.size() - caret.caret;
    }
    std::size_t prefix = 0;
    while (prefix < std::min(common, prefixLimit) && before[prefix] == after[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < std::min(common - prefix, suffixLimit) &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    return {prefix, before.size() - prefix - suffix, after.size() - prefix - suffix};
}

} // namespace quolan
