#include "system/SaverHost.h"

#include <QGuiApplication>
#include <QScopedPointer>
#include <QString>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdio>

namespace {

xcb_connection_t *connection()
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

} // namespace

namespace SaverHost {

void prepareProcess(bool drawing)
{
    if (!drawing)
        return;
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
}

std::optional<QSize> windowSize(WId window)
{
    xcb_connection_t *c = connection();
    if (!c)
        return {};
    const QScopedPointer<xcb_get_geometry_reply_t, QScopedPointerPodDeleter> reply(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, xcb_drawable_t(window)), nullptr));
    if (!reply)
        return {};
    return QSize(reply->width, reply->height);
}

void takeKeyboard(QWindow &window)
{
    window.requestActivate();
}

void showError(const QString &message)
{
    std::fprintf(stderr, "kaleidra-saver: %s\n", message.toUtf8().constData());
}

} // namespace SaverHost
