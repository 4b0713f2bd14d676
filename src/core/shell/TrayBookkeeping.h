#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quolan {

// What the notification-area icon reports of the mouse.
enum class TrayPress { Click, DoubleClick, RightClick, MiddleClick, Other };

// Decides which reports of the icon bring the program back. Only a click
// does; a double click adds nothing to its first click, even where the
// platform reports its second press as another click.
class TrayClickFilter {
public:
    explicit TrayClickFilter(int doubleClickMs) : doubleClickMs_(doubleClickMs) {}

    bool restores(TrayPress press, std::int64_t nowMs);

private:
    int doubleClickMs_;
    std::int64_t lastClickMs_ = 0;
    bool clicked_ = false;
};

// The secondary windows that left the screen with the main window, by name,
// to be shown again, and only those, when the program comes back.
class WindowShelf {
public:
    // The program leaves the screen with `visible` shown: returns the windows
    // to hide, all remembered. Called again while away, it adds the windows
    // shown meanwhile.
    std::vector<std::string> putAway(std::span<const std::string> visible);
    // The windows to show again, in the order they went, forgotten now.
    std::vector<std::string> bringBack();
    bool away() const { return away_; }

private:
    std::vector<std::string> stored_;
    bool away_ = false;
};

// The taskbar button is hidden only while a notification area exists to
// bring the program back from.
enum class HintChange { None, Set, Clear };
HintChange skipTaskbarChange(bool trayAvailable, bool hintSet);

} // namespace quolan
