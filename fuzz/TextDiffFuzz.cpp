// The edit the editor finds between the text before and after a change of the
// shown text: applied to the old text it gives the new one, it is no wider
// than it must be, an edit made at the caret keeps to the caret's bounds, and
// typing over a selection is found as exactly that, even among equal letters.
#include "FuzzCheck.h"
#include "core/editor/TextDiff.h"

#include <algorithm>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

namespace {

using namespace quolan;

// Few letters, so that equal characters stand around most edits.
std::u16string textFrom(FuzzedDataProvider& input) {
    static constexpr std::u16string_view kAlphabet = u"aab\u2029\u044F";
    const std::string bytes = input.ConsumeRandomLengthString(32);
    std::u16string text;
    for (const char c : bytes)
        text += kAlphabet[static_cast<unsigned char>(c) % kAlphabet.size()];
    return text;
}

void checkApplies(std::u16string_view before, std::u16string_view after, const TextDiff& diff) {
    FUZZ_CHECK(diff.from + diff.removed <= before.size());
    FUZZ_CHECK(diff.from + diff.inserted <= after.size());
    FUZZ_CHECK(before.size() - diff.removed + diff.inserted == after.size());
    FUZZ_CHECK(before.substr(0, diff.from) == after.substr(0, diff.from));
    FUZZ_CHECK(before.substr(diff.from + diff.removed) == after.substr(diff.from + diff.inserted));
}

// Any change, with the caret and selection anywhere.
void checkAnyChange(FuzzedDataProvider& input) {
    const std::u16string before = textFrom(input);
    const std::u16string after = input.ConsumeBool() ? before : textFrom(input);
    const auto position = input.ConsumeIntegralInRange<std::size_t>(0, 4);
    const std::size_t reach = position + std::max(before.size(), after.size()) + 2;
    EditCaret caret;
    caret.selectionFrom = input.ConsumeIntegralInRange<std::size_t>(0, reach);
    caret.selectionTo = input.ConsumeIntegralInRange<std::size_t>(caret.selectionFrom, reach);
    caret.caret = input.ConsumeIntegralInRange<std::size_t>(0, reach);
    caret.selected = input.ConsumeBool();
    const TextDiff diff = findTextDiff(before, after, position, caret);
    checkApplies(before, after, diff);

    const bool atCaret = !caret.selected && position <= caret.selectionFrom &&
                         caret.selectionTo <= position + before.size() && position <= caret.caret &&
                         caret.caret <= position + after.size();
    const std::size_t startBound = std::min(caret.selectionFrom, caret.caret);
    if (atCaret) {
        FUZZ_CHECK(position + diff.from <= startBound);
        FUZZ_CHECK(position + diff.from + diff.inserted >= caret.caret);
    }
    // Each end stops at a difference, at the caret's bound, or where a text ends.
    const std::size_t common = std::min(before.size(), after.size());
    FUZZ_CHECK(diff.from == common || (atCaret && position + diff.from == startBound) ||
               before[diff.from] != after[diff.from]);
    FUZZ_CHECK(diff.removed == 0 || diff.inserted == 0 ||
               (atCaret && position + diff.from + diff.inserted == caret.caret) ||
               before[diff.from + diff.removed - 1] != after[diff.from + diff.inserted - 1]);
}

// Typing (or pasting, or deleting) over the selection, the caret after it.
void checkTypedAtCaret(FuzzedDataProvider& input) {
    const std::u16string before = textFrom(input);
    const auto from = input.ConsumeIntegralInRange<std::size_t>(0, before.size());
    const auto to = input.ConsumeIntegralInRange<std::size_t>(from, before.size());
    const std::u16string typed = textFrom(input);
    std::u16string after = before;
    after.replace(from, to - from, typed);
    const auto position = input.ConsumeIntegralInRange<std::size_t>(0, 4);
    const EditCaret caret{position + from, position + to, position + from + typed.size(), false};
    const TextDiff diff = findTextDiff(before, after, position, caret);
    checkApplies(before, after, diff);
    FUZZ_CHECK(diff.from == from && diff.removed == to - from && diff.inserted == typed.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    while (input.remaining_bytes() > 0)
        input.ConsumeBool() ? checkTypedAtCaret(input) : checkAnyChange(input);
    return 0;
}
