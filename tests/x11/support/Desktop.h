#pragma once

#include <QPoint>
#include <QTemporaryDir>
#include <QWidget>

#include <functional>
#include <string>

namespace quolan::x11 {

// A desktop for the real-window tests: the private X server of xvfb-run plus a
// window manager, so that activation and focus behave as a player sees them.
// Started before the application, stopped when the tests end. Its state
// folders are temporary ones, a fresh one for every test, never the user's.
class Desktop {
public:
    Desktop();
    ~Desktop();
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

private:
    int windowManager_ = -1;
    QTemporaryDir stateFolder_;
};

// Sends keys through the X server (xdotool key syntax) and waits until
// `arrived` holds, letting the program run meanwhile.
bool pressKeys(const std::string& keys, const std::function<bool()>& arrived);
// Types text through the X server.
bool typeKeys(const std::string& text, const std::function<bool()>& arrived);
// Clicks the left mouse button at the centre of a widget (or at a point of it).
bool clickOn(const QWidget& widget, const std::function<bool()>& arrived);
bool clickAt(const QWidget& widget, QPoint local, const std::function<bool()>& arrived);

// What the window manager says: the window it made active (_NET_ACTIVE_WINDOW),
// and the owner a window names (WM_TRANSIENT_FOR); 0 for none.
unsigned long activeXWindow();
unsigned long ownerXWindow(unsigned long window);
// Whether the window manager has put the window in a state ("Iconic",
// "_NET_WM_STATE_MAXIMIZED_VERT").
bool inXState(unsigned long window, const std::string& state);

} // namespace quolan::x11
