#include "LineBreakIndex.h"

#include <algorithm>

namespace quolan {

namespace {
void collectPairs(std::string_view text, std::int64_t offset, std::vector<std::int64_t>& out) {
    for (std::size_t i = text.find("\r\n"); i != std::string_view::npos;
         i = text.find("\r\n", i + 2))
        out.push_back(offset + static_cast<std::int64_t>(i));
}
} // namespace

void LineBreakIndex::rebuild(std::string_view text) {
    positions_.clear();
    collectPairs(text, 0, positions_);
    shiftFrom_ = positions_.size();
    shift_ = 0;
}

std::size_t LineBreakIndex::at(std::size_t index) const {
    return static_cast<std::size_t>(positions_[index] + (index >= shiftFrom_ ? shift_ : 0));
}

void LineBreakIndex::moveShiftBoundary(std::size_t index) {
    if (shift_ == 0) {
        shiftFrom_ = index;
        return;
    }
    for (; shiftFrom_ < index; ++shiftFrom_)
        positions_[shiftFrom_] += shift_;
    for (; shiftFrom_ > index; --shiftFrom_)
        positions_[shiftFrom_ - 1] -= shift_;
}

std::size_t LineBreakIndex::countBefore(std::size_t position) const {
    // First pair whose CR stands at or after `position`.
    std::size_t low = 0;
    std::size_t high = positions_.size();
    while (low < high) {
        const std::size_t mid = low + (high - low) / 2;
        if (at(mid) < position)
            low = mid + 1;
        else
            high = mid;
    }
    return low;
}

std::size_t LineBreakIndex::toText(std::size_t displayPosition) const {
    // Pair i stands at display position at(i) - i; count those before the position.
    std::size_t low = 0;
    std::size_t high = positions_.size();
    while (low < high) {
        const std::size_t mid = low + (high - low) / 2;
        if (at(mid) - mid < displayPosition)
            low = mid + 1;
        else
            high = mid;
    }
    return displayPosition + low;
}

void LineBreakIndex::replace(std::size_t position, std::size_t removed, std::string_view inserted) {
    const std::size_t first = countBefore(position);
    const std::size_t last = countBefore(position + removed);
    moveShiftBoundary(last);

    std::vector<std::int64_t> added;
    collectPairs(inserted, static_cast<std::int64_t>(position), added);
    const auto begin = positions_.begin() + static_cast<std::ptrdiff_t>(first);
    if (added.size() == last - first) {
        std::copy(added.begin(), added.end(), begin);
    } else {
        positions_.erase(begin, positions_.begin() + static_cast<std::ptrdiff_t>(last));
        positions_.insert(positions_.begin() + static_cast<std::ptrdiff_t>(first), added.begin(),
                          added.end());
    }
    shiftFrom_ = first + added.size();
    shift_ += static_cast<std::int64_t>(inserted.size()) - static_cast<std::int64_t>(removed);
}

} // namespace quolan
