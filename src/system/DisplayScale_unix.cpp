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

} // namespace

// An X window manager frames a window only once it is mapped, but gives its
// estimate on request; Qt reads it when it arrives. Without X (Wayland) or
// without an answer the frame stays unknown and counts as none.
void askForFrame(QWindow &window)
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return;
    xcb_connection_t *connection = x11->connection();
    // A window manager answers within milliseconds; one that never does costs this once.
    const QDeadlineTimer deadline(500);
    xcb_client_message_event_t request {};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = xcb_window_t(window.winId());
    request.type = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    if (request.type == XCB_ATOM_NONE)
        return;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_send_event(connection, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&request));
    xcb_flush(connection);
    while (window.frameMargins().isNull() && !deadline.hasExpired())
        QCoreApplication::processEvents();
}
