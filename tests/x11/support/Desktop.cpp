#include "Desktop.h"

#include "gui/support/FreshStateFolder.h"

#include <QTest>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

namespace quolan::x11 {

namespace {
bool run(const std::string& command) {
    return std::system(command.c_str()) == 0;
}

bool settled(const std::function<bool()>& arrived) {
    const bool ok = QTest::qWaitFor(arrived, 3000);
    QTest::qWait(60); // anything else the input might still do
    return ok;
}
} // namespace

Desktop::Desktop() {
    qputenv("XDG_STATE_HOME", stateFolder_.path().toUtf8());
    ::testing::UnitTest::GetInstance()->listeners().Append(new testing::FreshStateFolder);
    // The manager announces itself on the root window once it runs; on a
    // busy machine that takes a while, and a server just started may turn
    // the first connection away. Without it nothing here means anything.
    for (int attempt = 0; attempt < 5; ++attempt) {
        windowManager_ = fork();
        if (windowManager_ == 0) {
            execlp("openbox", "openbox", "--sm-disable", static_cast<char*>(nullptr));
            _exit(127);
        }
        bool gone = false;
        for (int i = 0; i < 600 && !gone; ++i) {
            if (run("xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'"))
                return;
            gone = waitpid(windowManager_, nullptr, WNOHANG) == windowManager_;
            usleep(50'000);
        }
        if (!gone) { // never to announce itself
            kill(windowManager_, SIGTERM);
            waitpid(windowManager_, nullptr, 0);
        }
        windowManager_ = -1;
        usleep(500'000);
    }
    std::fprintf(stderr, "The window manager did not start.\n");
    std::exit(EXIT_FAILURE);
}

Desktop::~Desktop() {
    if (windowManager_ > 0) {
        kill(windowManager_, SIGTERM);
        waitpid(windowManager_, nullptr, 0);
    }
}

bool pressKeys(const std::string& keys, const std::function<bool()>& arrived) {
    return run("xdotool key --clearmodifiers --delay 30 " + keys) && settled(arrived);
}

bool typeKeys(const std::string& text, const std::function<bool()>& arrived) {
    return run("xdotool type --clearmodifiers --delay 30 '" + text + "'") && settled(arrived);
}

bool clickAt(const QWidget& widget, QPoint local, const std::function<bool()>& arrived) {
    const QPoint at = widget.mapToGlobal(local);
    return run("xdotool mousemove --sync " + std::to_string(at.x()) + ' ' + std::to_string(at.y()) +
               " click 1") &&
           settled(arrived);
}

bool clickOn(const QWidget& widget, const std::function<bool()>& arrived) {
    return clickAt(widget, widget.rect().center(), arrived);
}

namespace {
std::string xprop(const std::string& arguments) {
    FILE* output = popen(("xprop " + arguments + " 2>/dev/null").c_str(), "r");
    if (!output)
        return {};
    std::string text;
    char buffer[256];
    while (fgets(buffer, sizeof buffer, output))
        text += buffer;
    pclose(output);
    return text;
}

// The window id xprop prints for a WINDOW property ("... window id # 0x…").
unsigned long windowIn(const std::string& arguments) {
    const std::string text = xprop(arguments);
    const std::size_t mark = text.find("# ");
    return mark == std::string::npos ? 0 : std::strtoul(text.c_str() + mark + 2, nullptr, 16);
}
} // namespace

unsigned long activeXWindow() {
    return windowIn("-root _NET_ACTIVE_WINDOW");
}

unsigned long ownerXWindow(unsigned long window) {
    return windowIn("-id " + std::to_string(window) + " WM_TRANSIENT_FOR");
}

bool inXState(unsigned long window, const std::string& state) {
    return xprop("-id " + std::to_string(window) + " WM_STATE _NET_WM_STATE").find(state) !=
           std::string::npos;
}

} // namespace quolan::x11
