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
    return toPixels(quarterPlacement(screenSize(widget)));
}

} // namespace Twips
