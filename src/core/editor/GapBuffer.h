#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quolan {

// Byte buffer with a movable gap: edits at or near the previous edit cost
// O(edit size), so typing in a post of megabytes does not move the whole text.
class GapBuffer {
public:
    GapBuffer() = default;
    explicit GapBuffer(std::string_view text) { assign(text); }

    std::size_t size() const { return buffer_.size() - gapLength(); }
    bool empty() const { return size() == 0; }
    char at(std::size_t index) const {
        return index < gapStart_ ? buffer_[index] : buffer_[index + gapLength()];
    }

    void assign(std::string_view text);
    void replace(std::size_t position, std::size_t removed, std::string_view inserted);

    std::string str() const { return substr(0, size()); }
    // The whole text in one piece, valid until the next edit. Moves the gap
    // to the end when it is elsewhere (after a whole-text assign it is there).
    std::string_view contiguous() const;
    std::string substr(std::size_t position, std::size_t length) const;
    bool equals(std::string_view text) const;
    bool rangeEquals(std::size_t position, std::string_view text) const;

private:
    std::size_t gapLength() const { return gapEnd_ - gapStart_; }
    void moveGapTo(std::size_t position) const;
    void reserveGap(std::size_t needed);

    // Mutable so that contiguous() can move the gap: the text stays the same.
    mutable std::vector<char> buffer_;
    mutable std::size_t gapStart_ = 0;
    mutable std::size_t gapEnd_ = 0;
};

} // namespace quolan
