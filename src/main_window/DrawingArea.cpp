#include "main_window/DrawingArea.h"

#include "pattern/Picture.h"
#include "widgets/FocusFrame.h"

#include <QAccessibleWidget>
#include <QPaintEvent>
#include <QPainter>

#include <mutex>

using kaleidra::Picture;

namespace {

// A plain frame would be announced as a frame, which screen readers take
// for a window of its own; the drawing area is a canvas.
QAccessibleInterface *canvasFor(const QString &className, QObject *object)
{
    if (className == QLatin1String("DrawingArea") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Canvas);
    return nullptr;
}

} // namespace

DrawingArea::DrawingArea(Picture &picture, QWidget *parent)
    : QFrame(parent)
    , m_image(reinterpret_cast<uchar *>(picture.bits()), Picture::side, Picture::side,
              Picture::side * int(sizeof(std::uint32_t)), QImage::Format_RGB32)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(border);
    setFocusPolicy(Qt::StrongFocus);
    static std::once_flag canvasRole;
    std::call_once(canvasRole, QAccessible::installFactory, canvasFor);
    setAccessibleName(QStringLiteral("描画領域"));
    setAccessibleDescription(QStringLiteral("描画領域: 模様が描かれる 630 × 630 ドットの黒い正方形"));
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DrawingArea::showChanged(const kaleidra::PixelRect &area)
{
    if (!area.isEmpty())
        update(area.left + border, area.top + border, area.width(), area.height());
}

void DrawingArea::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect surface = contentsRect();
    const QRect dirty = event->rect();
    if (!surface.contains(dirty)) {
        drawFrame(&painter);
        if (hasFocus())
            drawFocusFrame(painter, *this);
    }
    // No smoothing: at any scale each picture pixel is a block of whole
    // screen pixels, one or two a side at 125 %, and the pattern stays sharp.
    const QRect target = dirty & surface;
    painter.drawImage(target, m_image, target.translated(-surface.topLeft()));
}
