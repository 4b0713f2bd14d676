#include "EditorModel.h"

#include "core/text/LineBreaks.h"

#include <algorithm>

namespace quolan {

EditorModel::EditorModel(std::size_t capacity) : capacity_(capacity) {}

TextChange EditorModel::apply(std::size_t position, std::size_t removed,
                              std::string_view inserted) {
    // Widen the range over a CR before it or an LF after it, so that no CR LF
    // pair is split or joined at its ends; the resulting text is the same.
    const bool crBefore = position > 0 && text_.at(position - 1) == '\r';
    const bool lfAfter = position + removed < text_.size() && text_.at(position + removed) == '\n';
    std::string widened;
    if (crBefore || lfAfter) {
        widened.reserve(inserted.size() + 2);
        if (crBefore) {
            widened += '\r';
            --position;
            ++removed;
        }
        widened += inserted;
        if (lfAfter) {
            widened += '\n';
            ++removed;
        }
        inserted = widened;
    }

    const TextChange change{position, removed, inserted.size(), breaks_.countIn(position, removed),
                            false};
    text_.replace(position, removed, inserted);
    breaks_.replace(position, removed, inserted);
    return change;
}

EditorModel::Result EditorModel::replaceWhole(std::string_view newText) {
    if (newText.size() > capacity_)
        return Result::TooLarge;
    if (text_.equals(newText))
        return Result::Unchanged;
    const TextChange change{0, text_.size(), newText.size(), breaks_.count(), true};
    text_.assign(newText);
    breaks_.rebuild(newText);
    selStart_ = 0;
    selLength_ = 0;
    modified_ = false;
    undo_.reset();
    changed.notify(change);
    return Result::Changed;
}

EditorModel::Result EditorModel::loadText(std::string_view newText) {
    if (newText.size() > capacity_)
        return Result::TooLarge;
    if (hasLoneLineBreak(newText))
        return replaceWhole(toCrLf(newText));
    return replaceWhole(newText);
}

EditorModel::Result EditorModel::setText(std::string_view newText) {
    return replaceWhole(newText);
}

EditorModel::Result EditorModel::rewrite(std::string_view newText) {
    if (newText.size() > capacity_)
        return Result::TooLarge;
    const std::string_view old = textView();
    if (old == newText)
        return Result::Unchanged;
    const std::size_t shorter = std::min(old.size(), newText.size());
    const std::size_t head = static_cast<std::size_t>(
        std::mismatch(old.begin(), old.begin() + static_cast<std::ptrdiff_t>(shorter),
                      newText.begin())
            .first -
        old.begin());
    std::size_t tail = 0;
    while (tail < shorter - head &&
           old[old.size() - 1 - tail] == newText[newText.size() - 1 - tail])
        ++tail;
    const std::size_t removed = old.size() - head - tail;
    const std::string_view inserted = newText.substr(head, newText.size() - head - tail);
    undo_ = UndoUnit{UndoUnit::Kind::Rewriting, head, std::string(old.substr(head, removed)),
                     std::string(inserted), false};
    TextChange change = apply(head, removed, inserted);
    change.wholeText = change.position == 0 && change.removed + change.inserted > 0 &&
                       change.inserted == text_.size();
    selStart_ = 0;
    selLength_ = 0;
    modified_ = true;
    changed.notify(change);
    return Result::Changed;
}

void EditorModel::clear() {
    // Unlike set text, clearing an empty text still resets the flag and undo.
    const TextChange change{0, text_.size(), 0, breaks_.count(), true};
    text_.assign({});
    breaks_.rebuild({});
    selStart_ = 0;
    selLength_ = 0;
    modified_ = false;
    undo_.reset();
    changed.notify(change);
}

EditorModel::Result EditorModel::replaceSelection(std::string_view newText) {
    if (text_.size() - selLength_ + newText.size() > capacity_)
        return Result::TooLarge;
    const std::size_t caret = selStart_ + newText.size();
    const TextChange change = apply(selStart_, selLength_, newText);
    selStart_ = caret;
    selLength_ = 0;
    modified_ = true;
    undo_.reset();
    changed.notify(change);
    return Result::Changed;
}

void EditorModel::selectAll() {
    setSelection(0, text_.size());
}

void EditorModel::setSelection(std::size_t start, std::size_t length) {
    start = std::min(start, text_.size());
    length = std::min(length, text_.size() - start);
    if (start == selStart_ && length == selLength_)
        return;
    selStart_ = start;
    selLength_ = length;
    selectionChanged.notify();
}

void EditorModel::edit(std::size_t position, std::size_t removed, std::string_view inserted) {
    position = std::min(position, text_.size());
    removed = std::min(removed, text_.size() - position);
    if (removed == 0 && inserted.empty())
        return;
    recordEdit(position, text_.substr(position, removed), inserted);
    const TextChange change = apply(position, removed, inserted);
    selStart_ = position + inserted.size();
    selLength_ = 0;
    modified_ = true;
    changed.notify(change);
}

void EditorModel::recordEdit(std::size_t position, std::string removed, std::string_view inserted) {
    if (undo_ && undo_->open) {
        UndoUnit& unit = *undo_;
        if (unit.kind == UndoUnit::Kind::Typing && removed.empty() && !inserted.empty() &&
            position == unit.position + unit.inserted.size()) {
            unit.inserted += inserted;
            return;
        }
        if (unit.kind == UndoUnit::Kind::Deleting && inserted.empty() && !removed.empty()) {
            if (position + removed.size() == unit.position) { // backspace
                unit.removed.insert(0, removed);
                unit.position = position;
                return;
            }
            if (position == unit.position) { // delete
                unit.removed += removed;
                return;
            }
        }
    }
    undo_ = UndoUnit{inserted.empty() ? UndoUnit::Kind::Deleting : UndoUnit::Kind::Typing, position,
                     std::move(removed), std::string(inserted), true};
}

bool EditorModel::editLeavesUnbrokenRunLongerThan(std::size_t position, std::size_t removed,
                                                  std::string_view inserted,
                                                  std::size_t limit) const {
    if (hasUnbrokenRunLongerThan(inserted, limit))
        return true;
    position = std::min(position, text_.size());
    const std::size_t after = std::min(position + removed, text_.size());
    std::size_t left = 0; // blank-free bytes just before the edit
    while (left <= limit && left < position && !isWrapBreak(text_.at(position - 1 - left)))
        ++left;
    std::size_t right = 0; // and just after it
    while (right <= limit && after + right < text_.size() && !isWrapBreak(text_.at(after + right)))
        ++right;
    const auto firstBreak = std::find_if(inserted.begin(), inserted.end(), isWrapBreak);
    if (firstBreak == inserted.end())
        return left + inserted.size() + right > limit;
    const auto lastBreak = std::find_if(inserted.rbegin(), inserted.rend(), isWrapBreak);
    const auto head = static_cast<std::size_t>(firstBreak - inserted.begin());
    const auto tail = static_cast<std::size_t>(lastBreak - inserted.rbegin());
    return left + head > limit || tail + right > limit;
}

void EditorModel::undo() {
    if (!undo_)
        return;
    UndoUnit& unit = *undo_;
    const TextChange change = apply(unit.position, unit.inserted.size(), unit.removed);
    std::swap(unit.removed, unit.inserted); // a second undo re-applies the edit
    unit.open = false;
    selStart_ = unit.position;
    selLength_ = unit.inserted.size();
    modified_ = true;
    changed.notify(change);
}

} // namespace quolan
