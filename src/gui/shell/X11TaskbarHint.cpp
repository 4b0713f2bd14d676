#include "X11TaskbarHint.h"

#include <QGuiApplication>
#include <QWidget>

#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace quolan {

namespace {
std::uint32_t internAtom(xcb_connection_t* connection, const char* name) {
    const auto cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    if (!reply)
        return XCB_ATOM_NONE;
    const std::uint32_t atom = reply->atom;
    std::free(reply);
    return atom;
}
} // namespace

X11TaskbarHint::X11TaskbarHint(QWidget& window) : window_(window) {
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return;
    connection_ = x11->connection();
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    netWmState_ = internAtom(connection_, "_NET_WM_STATE");
    skipTaskbar_ = internAtom(connection_, "_NET_WM_STATE_SKIP_TASKBAR");
    manager_ = internAtom(connection_, "MANAGER");
    qApp->installNativeEventFilter(this);
}

X11TaskbarHint::~X11TaskbarHint() {
    if (connection_ && qApp)
        qApp->removeNativeEventFilter(this);
}

std::uint32_t X11TaskbarHint::windowId() const {
    return static_cast<std::uint32_t>(window_.internalWinId());
}

bool X11TaskbarHint::read() const {
    const std::uint32_t window = windowId();
    if (!connection_ || !window)
        return false;
    const auto cookie = xcb_get_property(connection_, 0, window, netWmState_, XCB_ATOM_ATOM, 0, 64);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(connection_, cookie, nullptr);
    if (!reply)
        return false;
    bool found = false;
    if (reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
        const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
        const int count = xcb_get_property_value_length(reply) / 4;
        for (int i = 0; i < count && !found; ++i)
            found = atoms[i] == skipTaskbar_;
    }
    std::free(reply);
    return found;
}

void X11TaskbarHint::write(bool skipTaskbar) {
    const std::uint32_t window = windowId();
    if (!connection_ || !window)
        return;
    if (!window_.isVisible()) {
        // A withdrawn window states its wish itself; Qt keeps the atom when
        // it maps the window.
        if (skipTaskbar)
            xcb_change_property(connection_, XCB_PROP_MODE_APPEND, window, netWmState_,
                                XCB_ATOM_ATOM, 32, 1, &skipTaskbar_);
        else
            xcb_delete_property(connection_, window, netWmState_);
    } else {
        // A managed window asks the window manager.
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = window;
        event.type = netWmState_;
        event.data.data32[0] = skipTaskbar ? 1 : 0; // add, remove
        event.data.data32[1] = skipTaskbar_;
        event.data.data32[3] = 1; // from an application
        xcb_send_event(connection_, 0, root_,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&event));
    }
    xcb_flush(connection_);
}

bool X11TaskbarHint::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & 0x7f) {
    case XCB_PROPERTY_NOTIFY: {
        const auto* change = static_cast<const xcb_property_notify_event_t*>(message);
        if (change->atom == netWmState_ && change->window == windowId())
            stateMayHaveChanged = true;
        break;
    }
    case XCB_CLIENT_MESSAGE: // a notification area announcing itself
        if (static_cast<const xcb_client_message_event_t*>(message)->type == manager_)
            trayMayHaveChanged = true;
        break;
    case XCB_DESTROY_NOTIFY: // perhaps the notification area's window
    case XCB_MAP_NOTIFY:
    case XCB_UNMAP_NOTIFY:
        trayMayHaveChanged = true;
        stateMayHaveChanged = true;
        break;
    default:
        break;
    }
    return false;
}

} // namespace quolan
