#pragma once

#include <cstddef>
#include <string_view>

namespace quolan {

// Where the user stood when the shown text changed, in display positions of
// the whole text.
struct EditCaret {
    std::size_t selectionFrom = 0; // the selection before the change
    std::size_t selectionTo = 0;
    std::size_t caret = 0; // the caret after it
    bool selected = false; // a selection is shown after it: no caret to go by
};

// The one edit that turns `before` into `after`, in positions from their start.
struct TextDiff {
    std::size_t from = 0;
    std::size_t removed = 0;  // characters of `before` from `from`
    std::size_t inserted = 0; // characters of `after` from `from`

    bool empty() const { return removed == 0 && inserted == 0; }
};

// The edit between two versions of the text standing at `position` of the
// whole text: the shortest one, except that an edit made at the caret (the
// caret alone after it, the old selection and the caret within the compared
// range) begins no later than the selection or caret stood and ends no
// earlier than where the caret now stands. Only this places an edit among
// equal characters: undo must take back what the user did, and a letter typed
// over itself is still an edit.
TextDiff findTextDiff(std::u16string_view before, std::u16string_view after, std::size_t position,
                      const EditCaret& caret);

} // namespace quolan
