#include "system/DisplayScale.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QScopedPointer>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstring>

namespace {

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name);
    const QScopedPointer<xcb_intern_atom_reply_t, QScopedPointerPodDeleter> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// Whether a window manager says it runs, as each keeps a window of its own
// named on the root window.
bool windowManagerRuns(xcb_connection_t *connection, xcb_window_t root)
{
    const xcb_atom_t check = atom(connection, "_NET_SUPPORTING_WM_CHECK");
    if (check == XCB_ATOM_NONE)
        return false;
    const xcb_get_property_cookie_t cookie = xcb_get_property(connection, 0, root, check, XCB_ATOM_WINDOW, 0, 1);
    const QScopedPointer<xcb_get_property_reply_t, QScopedPointerPodDeleter> reply(
        xcb_get_property_reply(connection, cookie, nullptr));
    return reply && xcb_get_property_value_length(reply.get()) > 0;
}

} // namespace

// An X window manager frames a window only once it is mapped, but gives its
// estimate on request; Qt reads it when it arrives. Without X (Wayland) the
// frame stays unknown and counts as none; a window manager too busy to answer
// in time is taken to draw a frame as large as the usual ones.
QMargins askForFrame(QWindow &window)
{
    constexpr QMargins usualFrame(4, 32, 4, 4);
    // Qt's offscreen platform offers the X11 interface too, with no connection behind it.
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return {};
    // A window manager answers within milliseconds; one that never does costs this once.
    const QDeadlineTimer deadline(500);
    xcb_client_message_event_t request {};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = xcb_window_t(window.winId());
    request.type = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    if (request.type == XCB_ATOM_NONE)
        return {};
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_send_event(connection, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&request));
    xcb_flush(connection);
    while (window.frameMargins().isNull() && !deadline.hasExpired())
        QCoreApplication::processEvents();
    if (window.frameMargins().isNull() && windowManagerRuns(connection, root))
        return usualFrame;
    return window.frameMargins();
}
