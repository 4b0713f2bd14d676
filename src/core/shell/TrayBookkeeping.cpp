#include "TrayBookkeeping.h"

#include <algorithm>
#include <utility>

namespace quolan {

bool TrayClickFilter::restores(TrayPress press, std::int64_t nowMs) {
    if (press != TrayPress::Click)
        return false;
    if (clicked_ && nowMs >= lastClickMs_ && nowMs - lastClickMs_ < doubleClickMs_)
        return false; // the second press of a double click
    clicked_ = true;
    lastClickMs_ = nowMs;
    return true;
}

std::vector<std::string> WindowShelf::putAway(std::span<const std::string> visible) {
    away_ = true;
    for (const std::string& name : visible)
        if (std::find(stored_.begin(), stored_.end(), name) == stored_.end())
            stored_.push_back(name);
    return {visible.begin(), visible.end()};
}

std::vector<std::string> WindowShelf::bringBack() {
    away_ = false;
    return std::exchange(stored_, {});
}

HintChange skipTaskbarChange(bool trayAvailable, bool hintSet) {
    if (trayAvailable && !hintSet)
        return HintChange::Set;
    if (!trayAvailable && hintSet)
        return HintChange::Clear;
    return HintChange::None;
}

} // namespace quolan
