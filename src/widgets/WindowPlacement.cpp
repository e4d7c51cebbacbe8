#include "widgets/WindowPlacement.h"

#include <QScreen>
#include <QWidget>

namespace WindowPlacement {

QSize screenSize(const QScreen &screen)
{
    const QSize pixels = screen.size();
    return { pixels.width() * twipsPerPixel, pixels.height() * twipsPerPixel };
}

QPoint quarterPlacement(QSize screen)
{
    const int w = screen.width();
    const int h = screen.height();
    return { w / 2 - w / 4, h / 4 };
}

QPoint toPixels(QPoint twips)
{
    return { twips.x() / twipsPerPixel, twips.y() / twipsPerPixel };
}

QPoint quarterOfScreen(const QWidget *widget)
{
    const QScreen *screen = widget->screen();
    if (!screen)
        return {};
    // Measured from that screen's own corner, which beside another screen is not the desktop's.
    return screen->geometry().topLeft() + toPixels(quarterPlacement(screenSize(*screen)));
}

} // namespace WindowPlacement
