#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace Twips {

QSize screenSize(const QWidget *widget)
{
    const QScreen *screen = widget ? widget->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QSize pixels = screen->size();
    return { pixels.width() * perPixel, pixels.height() * perPixel };
}

QPoint quarterPlacement(QSize screen)
{
    const int w = screen.width();
    const int h = screen.height();
    return { w / 2 - w / 4, h / 4 };
}

QPoint toPixels(QPoint twips)
{
    return { twips.x() / perPixel, twips.y() / perPixel };
}

QPoint quarterOfScreen(const QWidget *widget)
{
    // Measured from that screen's own corner, which beside another screen is not the desktop's.
    const QPoint corner = widget->screen() ? widget->screen()->geometry().topLeft() : QPoint();
    return corner + toPixels(quarterPlacement(screenSize(widget)));
}

} // namespace Twips
