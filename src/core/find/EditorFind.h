#pragma once

#include "core/editor/EditorModel.h"
#include "core/find/TextSearch.h"

#include <cstddef>
#include <string_view>

namespace quolan {

// Find and replace on the post, through the editor model only: a match
// found is selected there, and every replacement is an edit of the model.

enum class SearchDirection { Forward, Backward };

struct FindOutcome {
    bool found = false;
    bool wrapped = false; // the search went past an end of the text and on from the other
};

// Selects the first match after the selection, or with Backward the last one
// before it; when there is none up to that end of the text, the search goes
// on from the other end.
FindOutcome findInEditor(EditorModel& editor, const TextSearch& search, SearchDirection direction);

// Whether the selection is exactly one match.
bool selectionIsMatch(const EditorModel& editor, const TextSearch& search);

// The matches the post holds, and the place of the selected one among them.
TextSearch::Count countInEditor(const EditorModel& editor, const TextSearch& search);

struct ReplaceOutcome {
    bool replaced = false;
    bool tooLarge = false; // the replacement would pass the editor's capacity
    FindOutcome next;      // the match selected afterwards
};

// Replaces the selection when it is a match, as typing the replacement over
// it would (one undoable edit), then selects the next match. A selection that
// is no match is left alone and the next match is selected.
ReplaceOutcome replaceCurrent(EditorModel& editor, const TextSearch& search,
                              std::string_view replacement);

struct ReplaceAllOutcome {
    std::size_t replacements = 0;
    bool tooLarge = false;
};

// Replaces every match in one edit that one undo takes back; the post counts
// as modified. The caret stays where it was in the text around the matches.
ReplaceAllOutcome replaceAllInEditor(EditorModel& editor, const TextSearch& search,
                                     std::string_view replacement);

} // namespace quolan
