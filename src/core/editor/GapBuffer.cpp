#include "GapBuffer.h"

#include <algorithm>
#include <cstring>

namespace quolan {

namespace {
constexpr std::size_t kMinimumGap = 4096;

// The C functions want valid pointers even for zero bytes; empty views have none.
void copyBytes(char* to, const char* from, std::size_t count) {
    if (count != 0)
        std::memmove(to, from, count);
}

bool sameBytes(const char* a, const char* b, std::size_t count) {
    return count == 0 || std::memcmp(a, b, count) == 0;
}
} // namespace

void GapBuffer::assign(std::string_view text) {
    std::vector<char> fresh(text.size() + kMinimumGap);
    copyBytes(fresh.data(), text.data(), text.size());
    buffer_ = std::move(fresh);
    gapStart_ = text.size();
    gapEnd_ = buffer_.size();
}

void GapBuffer::moveGapTo(std::size_t position) const {
    if (position < gapStart_) {
        const std::size_t count = gapStart_ - position;
        copyBytes(buffer_.data() + gapEnd_ - count, buffer_.data() + position, count);
        gapStart_ -= count;
        gapEnd_ -= count;
    } else if (position > gapStart_) {
        const std::size_t count = position - gapStart_;
        copyBytes(buffer_.data() + gapStart_, buffer_.data() + gapEnd_, count);
        gapStart_ += count;
        gapEnd_ += count;
    }
}

void GapBuffer::reserveGap(std::size_t needed) {
    if (gapLength() >= needed)
        return;
    const std::size_t tail = buffer_.size() - gapEnd_;
    const std::size_t newGap = std::max({needed, kMinimumGap, size() / 8});
    std::vector<char> grown(gapStart_ + newGap + tail);
    copyBytes(grown.data(), buffer_.data(), gapStart_);
    copyBytes(grown.data() + gapStart_ + newGap, buffer_.data() + gapEnd_, tail);
    buffer_ = std::move(grown);
    gapEnd_ = gapStart_ + newGap;
}

void GapBuffer::replace(std::size_t position, std::size_t removed, std::string_view inserted) {
    position = std::min(position, size());
    removed = std::min(removed, size() - position);
    moveGapTo(position);
    gapEnd_ += removed; // the removed bytes join the gap
    reserveGap(inserted.size());
    copyBytes(buffer_.data() + gapStart_, inserted.data(), inserted.size());
    gapStart_ += inserted.size();
}

std::string_view GapBuffer::contiguous() const {
    moveGapTo(size());
    return {buffer_.data(), gapStart_};
}

std::string GapBuffer::substr(std::size_t position, std::size_t length) const {
    position = std::min(position, size());
    length = std::min(length, size() - position);
    std::string out;
    out.resize(length);
    const std::size_t end = position + length;
    std::size_t written = 0;
    if (position < gapStart_) {
        const std::size_t before = std::min(end, gapStart_) - position;
        copyBytes(out.data(), buffer_.data() + position, before);
        written = before;
    }
    if (end > gapStart_) {
        const std::size_t from = std::max(position, gapStart_);
        copyBytes(out.data() + written, buffer_.data() + from + gapLength(), end - from);
    }
    return out;
}

bool GapBuffer::rangeEquals(std::size_t position, std::string_view text) const {
    if (position > size() || text.size() > size() - position)
        return false;
    const std::size_t end = position + text.size();
    std::size_t checked = 0;
    if (position < gapStart_) {
        const std::size_t before = std::min(end, gapStart_) - position;
        if (!sameBytes(buffer_.data() + position, text.data(), before))
            return false;
        checked = before;
    }
    if (end > gapStart_) {
        const std::size_t from = std::max(position, gapStart_);
        if (!sameBytes(buffer_.data() + from + gapLength(), text.data() + checked, end - from))
            return false;
    }
    return true;
}

bool GapBuffer::equals(std::string_view text) const {
    return text.size() == size() && rangeEquals(0, text);
}

} // namespace quolan
