#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace quolan {

// Where the CR LF pairs of the text stand. The editor text counts a pair as
// two characters, a displayed document as one line separator; this index maps
// positions between the two in O(log lines).
//
// Entries at and after shiftFrom_ carry a pending shift: edits within one line
// then cost O(1) instead of renumbering every later line.
class LineBreakIndex {
public:
    void rebuild(std::string_view text);

    // Bytes [position, position + removed) were replaced by `inserted`. No pair
    // may straddle either end of the range (the editor model widens its edits).
    void replace(std::size_t position, std::size_t removed, std::string_view inserted);

    std::size_t count() const { return positions_.size(); }
    // Text position of the CR of pair `index`.
    std::size_t at(std::size_t index) const;
    // Number of pairs whose CR stands before `position`.
    std::size_t countBefore(std::size_t position) const;
    std::size_t countIn(std::size_t position, std::size_t length) const {
        return countBefore(position + length) - countBefore(position);
    }

    // Text position -> display position. A position between CR and LF maps to
    // the start of that separator.
    std::size_t toDisplay(std::size_t position) const { return position - countBefore(position); }
    // Display position -> text position.
    std::size_t toText(std::size_t displayPosition) const;

private:
    void moveShiftBoundary(std::size_t index);

    std::vector<std::int64_t> positions_;
    std::size_t shiftFrom_ = 0;
    std::int64_t shift_ = 0;
};

} // namespace quolan
