#pragma once

#include <QAbstractNativeEventFilter>

#include <cstdint>

class QWidget;
struct xcb_connection_t;

namespace quolan {

// The window manager's "no taskbar button" state of one window on X11, which
// Qt has no call for. Elsewhere every call does nothing and read() is false.
// It also watches the X events that tell when the state or the desktop's
// notification area may have changed, so that checking costs nothing while
// nothing happens.
class X11TaskbarHint final : public QAbstractNativeEventFilter {
public:
    explicit X11TaskbarHint(QWidget& window);
    ~X11TaskbarHint() override;
    X11TaskbarHint(const X11TaskbarHint&) = delete;
    X11TaskbarHint& operator=(const X11TaskbarHint&) = delete;

    bool available() const { return connection_ != nullptr; }
    bool read() const;
    void write(bool skipTaskbar);

    // Set by X events, cleared by the caller once it has looked again.
    bool stateMayHaveChanged = true;
    bool trayMayHaveChanged = true;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    std::uint32_t windowId() const;

    QWidget& window_;
    xcb_connection_t* connection_ = nullptr;
    std::uint32_t root_ = 0;
    std::uint32_t netWmState_ = 0;
    std::uint32_t skipTaskbar_ = 0;
    std::uint32_t manager_ = 0;
};

} // namespace quolan
