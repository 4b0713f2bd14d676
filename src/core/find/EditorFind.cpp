#include "EditorFind.h"

namespace quolan {

FindOutcome findInEditor(EditorModel& editor, const TextSearch& search, SearchDirection direction) {
    const std::string_view text = editor.textView();
    const std::size_t start = editor.selectionStart();
    const std::size_t end = start + editor.selectionLength();
    FindOutcome outcome;
    std::optional<std::size_t> at;
    if (direction == SearchDirection::Forward) {
        at = search.first(text, end, text.size());
        if (!at) {
            at = search.first(text, 0, text.size());
            outcome.wrapped = at.has_value();
        }
    } else {
        at = search.last(text, 0, start);
        if (!at) {
            at = search.last(text, 0, text.size());
            outcome.wrapped = at.has_value();
        }
    }
    if (!at)
        return outcome;
    outcome.found = true;
    editor.setSelection(*at, search.patternLength());
    return outcome;
}

bool selectionIsMatch(const EditorModel& editor, const TextSearch& search) {
    return editor.selectionLength() == search.patternLength() &&
           search.matchesAt(editor.textView(), editor.selectionStart());
}

TextSearch::Count countInEditor(const EditorModel& editor, const TextSearch& search) {
    const std::size_t current =
        selectionIsMatch(editor, search) ? editor.selectionStart() : editor.length() + 1;
    return search.count(editor.textView(), current);
}

ReplaceOutcome replaceCurrent(EditorModel& editor, const TextSearch& search,
                              std::string_view replacement) {
    ReplaceOutcome outcome;
    if (selectionIsMatch(editor, search)) {
        const std::size_t length = search.patternLength();
        if (editor.length() - length + replacement.size() > editor.capacity()) {
            outcome.tooLarge = true;
            return outcome;
        }
        editor.edit(editor.selectionStart(), length, replacement);
        outcome.replaced = true;
    }
    outcome.next = findInEditor(editor, search, SearchDirection::Forward);
    return outcome;
}

ReplaceAllOutcome replaceAllInEditor(EditorModel& editor, const TextSearch& search,
                                     std::string_view replacement) {
    TextSearch::Replaced replaced =
        search.replaceAll(editor.textView(), replacement, editor.selectionStart());
    ReplaceAllOutcome outcome;
    if (replaced.replacements == 0)
        return outcome;
    if (editor.rewrite(replaced.text) == EditorModel::Result::TooLarge) {
        outcome.tooLarge = true;
        return outcome;
    }
    outcome.replacements = replaced.replacements;
    editor.setSelection(replaced.position, 0);
    return outcome;
}

} // namespace quolan
