#pragma once

#include "core/editor/GapBuffer.h"
#include "core/editor/LineBreakIndex.h"
#include "core/editor/TextChange.h"
#include "core/util/Signal.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quolan {

// The post being composed: Windows-1251 bytes with CR LF line breaks, a
// selection, the modified flag and a one-level undo. Every command edits the
// post through this class; the editor widget only mirrors it.
class EditorModel {
public:
    // No post comes near this; a larger text is refused rather than half-held.
    static constexpr std::size_t kDefaultCapacity = std::size_t{64} * 1024 * 1024;

    enum class Result { Changed, Unchanged, TooLarge };

    explicit EditorModel(std::size_t capacity = kDefaultCapacity);

    // Reading.
    std::string text() const { return text_.str(); }
    // The text without a copy, valid until the next change.
    std::string_view textView() const { return text_.contiguous(); }
    std::size_t length() const { return text_.size(); }
    std::string range(std::size_t position, std::size_t length) const {
        return text_.substr(position, length);
    }
    std::string selectedText() const { return text_.substr(selStart_, selLength_); }
    std::size_t selectionStart() const { return selStart_; }
    std::size_t selectionLength() const { return selLength_; }
    bool modified() const { return modified_; }
    bool canUndo() const { return undo_.has_value(); }
    std::size_t capacity() const { return capacity_; }
    const LineBreakIndex& lineBreaks() const { return breaks_; }
    // Whether replacing [position, position + removed) by `inserted` leaves a
    // stretch of more than `limit` bytes without a blank or line break that
    // reaches into the inserted text (or, for a deletion, across the joint).
    // Reads at most `limit` bytes on either side of the edit.
    bool editLeavesUnbrokenRunLongerThan(std::size_t position, std::size_t removed,
                                         std::string_view inserted, std::size_t limit) const;

    // Commands. None of these is recorded for undo; each empties the history.
    Result replaceSelection(std::string_view newText);
    Result loadText(std::string_view newText); // lone CR and LF become CR LF
    Result setText(std::string_view newText);  // taken exactly as given
    void clear();

    // Rewrites the text to `newText` as one edit the next undo takes back, so
    // that a conversion or a replace-all loses nothing: the post counts as
    // modified and the caret goes to the start. Only the stretch that differs
    // is replaced and reported.
    Result rewrite(std::string_view newText);

    void selectAll();
    void setSelection(std::size_t start, std::size_t length);
    void undo();
    void setModified(bool modified) { modified_ = modified; }

    // An edit the user made by typing or deleting: recorded for undo, runs of
    // typing at the caret and runs of deletion each forming one unit.
    void edit(std::size_t position, std::size_t removed, std::string_view inserted);

    // After every change of the text, with selection already updated.
    Signal<const TextChange&> changed;
    // After a change of the selection alone.
    Signal<> selectionChanged;

private:
    struct UndoUnit {
        enum class Kind { Typing, Deleting, Rewriting };
        Kind kind;
        std::size_t position;
        std::string removed;  // what the unit took out of the text
        std::string inserted; // what it put in
        bool open;            // a following edit may still join it
    };

    TextChange apply(std::size_t position, std::size_t removed, std::string_view inserted);
    Result replaceWhole(std::string_view newText);
    void recordEdit(std::size_t position, std::string removed, std::string_view inserted);

    GapBuffer text_;
    LineBreakIndex breaks_;
    std::size_t selStart_ = 0;
    std::size_t selLength_ = 0;
    bool modified_ = false;
    std::optional<UndoUnit> undo_;
    std::size_t capacity_;
};

} // namespace quolan
