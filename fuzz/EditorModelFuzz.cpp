// Any sequence of editor commands against a plain string: the model's text,
// line-break index, selection, modified flag and change notifications follow
// it, an undo returns to a text the edits passed through, and a second undo
// restores the text before the first.
#include "FuzzCheck.h"
#include "core/editor/EditorModel.h"
#include "core/text/LineBreaks.h"

#include <algorithm>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace quolan;

// Line breaks and blanks come up often; other bytes behave like letters.
std::string pieceFrom(FuzzedDataProvider& input) {
    static constexpr std::string_view kAlphabet = "ab \r\n\t\xE0\r\n";
    std::string piece = input.ConsumeRandomLengthString(24);
    for (char& c : piece)
        c = kAlphabet[static_cast<unsigned char>(c) % kAlphabet.size()];
    return piece;
}

std::size_t pairsIn(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string_view::npos;
         at = text.find("\r\n", at + 2))
        ++count;
    return count;
}

bool insidePair(std::string_view text, std::size_t position) {
    return position > 0 && position < text.size() && text[position - 1] == '\r' &&
           text[position] == '\n';
}

// The edit's brute-force answer: some stretch without a break, touching the
// edited range of the new text, is longer than `limit`.
bool slowLeavesUnbrokenRun(std::string_view text, std::size_t position, std::size_t removed,
                           std::string_view inserted, std::size_t limit) {
    position = std::min(position, text.size());
    removed = std::min(removed, text.size() - position);
    std::string after(text);
    after.replace(position, removed, inserted);
    const std::size_t end = position + inserted.size();
    std::size_t start = 0;
    for (std::size_t i = 0; i <= after.size(); ++i) {
        if (i < after.size() && !isWrapBreak(after[i]))
            continue;
        if (i - start > limit && start <= end && i >= position)
            return true;
        start = i + 1;
    }
    return false;
}

struct Shadow {
    std::string text;
    std::size_t selStart = 0;
    std::size_t selLength = 0;
    bool modified = false;
    // The texts the next undo may return to: the one before each edit of the
    // open undo unit, or the one before the last undo.
    std::vector<std::string> undoTargets;
    bool lastWasUndo = false;
};

class Session {
public:
    explicit Session(std::size_t capacity) : model_(capacity) {
        model_.changed.connect([this](const TextChange& change) { checkChange(change); });
        model_.selectionChanged.connect([this] { ++selectionNotes_; });
    }

    void run(FuzzedDataProvider& input) {
        const std::string before = shadow_.text;
        changes_ = 0;
        selectionNotes_ = 0;
        std::size_t expectedChanges = 0;
        std::size_t expectedSelectionNotes = 0;
        switch (input.ConsumeIntegralInRange(0, 8)) {
        case 0: { // typing or deleting
            auto position = input.ConsumeIntegralInRange<std::size_t>(0, before.size() + 2);
            auto removed = input.ConsumeIntegralInRange<std::size_t>(0, 4);
            const std::string inserted = pieceFrom(input);
            const auto limit = input.ConsumeIntegralInRange<std::size_t>(0, 12);
            FUZZ_CHECK(model_.editLeavesUnbrokenRunLongerThan(position, removed, inserted, limit) ==
                       slowLeavesUnbrokenRun(before, position, removed, inserted, limit));
            model_.edit(position, removed, inserted);
            position = std::min(position, before.size());
            removed = std::min(removed, before.size() - position);
            if (removed == 0 && inserted.empty())
                break;
            shadow_.text.replace(position, removed, inserted);
            shadow_.selStart = position + inserted.size();
            shadow_.selLength = 0;
            shadow_.modified = true;
            if (shadow_.lastWasUndo)
                shadow_.undoTargets.clear();
            shadow_.undoTargets.push_back(before);
            shadow_.lastWasUndo = false;
            expectedChanges = 1;
            break;
        }
        case 1: { // a command replacing the selection
            const std::string inserted = pieceFrom(input);
            const auto result = model_.replaceSelection(inserted);
            if (before.size() - shadow_.selLength + inserted.size() > model_.capacity()) {
                FUZZ_CHECK(result == EditorModel::Result::TooLarge);
                break;
            }
            FUZZ_CHECK(result == EditorModel::Result::Changed);
            shadow_.text.replace(shadow_.selStart, shadow_.selLength, inserted);
            shadow_.selStart += inserted.size();
            shadow_.selLength = 0;
            shadow_.modified = true;
            forgetHistory();
            expectedChanges = 1;
            break;
        }
        case 2:
        case 3: { // a file loaded, a text set as it is, or the text rewritten
            const int way = input.ConsumeIntegralInRange(0, 2);
            const std::string given = pieceFrom(input) + pieceFrom(input);
            const std::string wanted = way == 0 ? toCrLf(given) : given;
            const auto result = way == 0   ? model_.loadText(given)
                                : way == 1 ? model_.setText(given)
                                           : model_.rewrite(given);
            if (given.size() > model_.capacity() || wanted.size() > model_.capacity()) {
                // A load refuses a file too large before its breaks are mended.
                FUZZ_CHECK(result == EditorModel::Result::TooLarge);
                break;
            }
            if (wanted == before) {
                FUZZ_CHECK(result == EditorModel::Result::Unchanged);
                break;
            }
            FUZZ_CHECK(result == EditorModel::Result::Changed);
            resetTo(wanted);
            if (way == 2) { // kept for one undo, and not saved
                shadow_.modified = true;
                shadow_.undoTargets = {before};
            }
            expectedChanges = 1;
            break;
        }
        case 4:
            model_.clear();
            resetTo({});
            expectedChanges = 1;
            break;
        case 5: { // a selection made
            auto start = input.ConsumeIntegralInRange<std::size_t>(0, before.size() + 2);
            auto length = input.ConsumeIntegralInRange<std::size_t>(0, before.size() + 2);
            const bool all = input.ConsumeBool();
            all ? model_.selectAll() : model_.setSelection(start, length);
            start = all ? 0 : std::min(start, before.size());
            length = all ? before.size() : std::min(length, before.size() - start);
            expectedSelectionNotes = start != shadow_.selStart || length != shadow_.selLength;
            shadow_.selStart = start;
            shadow_.selLength = length;
            break;
        }
        case 6:
            shadow_.modified = input.ConsumeBool();
            model_.setModified(shadow_.modified);
            break;
        case 7:
        case 8:
            expectedChanges = undo();
            break;
        }
        FUZZ_CHECK(changes_ == expectedChanges);
        FUZZ_CHECK(selectionNotes_ == expectedSelectionNotes);
        checkState();
    }

private:
    void forgetHistory() {
        shadow_.undoTargets.clear();
        shadow_.lastWasUndo = false;
    }

    void resetTo(const std::string& text) {
        shadow_.text = text;
        shadow_.selStart = 0;
        shadow_.selLength = 0;
        shadow_.modified = false;
        forgetHistory();
    }

    std::size_t undo() {
        if (shadow_.undoTargets.empty()) {
            model_.undo();
            return 0;
        }
        const std::string before = shadow_.text;
        model_.undo();
        const std::string after = model_.text();
        FUZZ_CHECK(std::ranges::find(shadow_.undoTargets, after) != shadow_.undoTargets.end());
        if (shadow_.lastWasUndo)
            FUZZ_CHECK(after == shadow_.undoTargets.front());
        shadow_.text = after;
        // The text the undo put back is selected.
        shadow_.selStart = model_.selectionStart();
        shadow_.selLength = model_.selectionLength();
        FUZZ_CHECK(shadow_.selStart + shadow_.selLength <= after.size());
        shadow_.modified = true;
        shadow_.undoTargets = {before};
        shadow_.lastWasUndo = true;
        return 1;
    }

    // Called inside the notification: the change maps the old text onto the
    // new one, starts and ends outside any CR LF pair, and the selection is
    // already the new one.
    void checkChange(const TextChange& change) {
        ++changes_;
        const std::string_view old = shadow_.text;
        const std::string now = model_.text();
        FUZZ_CHECK(change.position + change.removed <= old.size());
        FUZZ_CHECK(change.position + change.inserted <= now.size());
        FUZZ_CHECK(old.size() - change.removed + change.inserted == now.size());
        FUZZ_CHECK(old.substr(0, change.position) == now.substr(0, change.position));
        FUZZ_CHECK(old.substr(change.position + change.removed) ==
                   std::string_view(now).substr(change.position + change.inserted));
        FUZZ_CHECK(change.removedBreaks == pairsIn(old.substr(change.position, change.removed)));
        FUZZ_CHECK(!insidePair(old, change.position) &&
                   !insidePair(old, change.position + change.removed));
        FUZZ_CHECK(!insidePair(now, change.position) &&
                   !insidePair(now, change.position + change.inserted));
        if (change.wholeText)
            FUZZ_CHECK(change.position == 0 && change.removed == old.size());
        FUZZ_CHECK(model_.selectionStart() + model_.selectionLength() <= now.size());
    }

    void checkState() const {
        const std::string& text = shadow_.text;
        FUZZ_CHECK(model_.text() == text && model_.textView() == text);
        FUZZ_CHECK(model_.length() == text.size());
        FUZZ_CHECK(model_.selectionStart() == shadow_.selStart);
        FUZZ_CHECK(model_.selectionLength() == shadow_.selLength);
        FUZZ_CHECK(model_.selectedText() == text.substr(shadow_.selStart, shadow_.selLength));
        FUZZ_CHECK(model_.modified() == shadow_.modified);
        FUZZ_CHECK(model_.canUndo() == !shadow_.undoTargets.empty());

        const LineBreakIndex& breaks = model_.lineBreaks();
        FUZZ_CHECK(breaks.count() == pairsIn(text));
        std::size_t pair = 0;
        for (std::size_t at = text.find("\r\n"); at != std::string::npos;
             at = text.find("\r\n", at + 2), ++pair) {
            FUZZ_CHECK(breaks.at(pair) == at);
            FUZZ_CHECK(breaks.toText(breaks.toDisplay(at)) == at);
        }
    }

    EditorModel model_;
    Shadow shadow_;
    std::size_t changes_ = 0;
    std::size_t selectionNotes_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    Session session(input.ConsumeIntegralInRange<std::size_t>(0, 200));
    while (input.remaining_bytes() > 0)
        session.run(input);
    return 0;
}
