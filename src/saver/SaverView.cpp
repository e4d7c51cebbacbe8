#include "saver/SaverView.h"

#include "pattern/Picture.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

using kaleidra::Picture;
using kaleidra::PixelRect;

SaverView::SaverView(const QImage &picture, QWindow *parent)
    : QRasterWindow(parent)
    , m_picture(picture)
{
}

void SaverView::showChanged(const PixelRect &area)
{
    const PixelRect screen = m_frame.toScreen(area);
    if (!screen.isEmpty())
        update(QRect(screen.left, screen.top, screen.width(), screen.height()));
}

void SaverView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    const QRect frame(m_frame.x, m_frame.y, m_frame.side, m_frame.side);
    if (!frame.contains(dirty))
        painter.fillRect(dirty, Qt::black);
    PixelRect screen;
    screen.add(dirty.left(), dirty.top());
    screen.add(dirty.right(), dirty.bottom());
    const PixelRect source = m_frame.toPicture(screen);
    if (source.isEmpty())
        return;
    // Only the picture pixels under the dirty area, each a block of screen
    // pixels without smoothing.
    const double scale = double(m_frame.side) / Picture::side;
    const QRectF target(m_frame.x + source.left * scale, m_frame.y + source.top * scale,
                        source.width() * scale, source.height() * scale);
    painter.setClipRect(dirty);
    painter.drawImage(target, m_picture, QRectF(source.left, source.top, source.width(), source.height()));
}

void SaverView::resizeEvent(QResizeEvent *event)
{
    QRasterWindow::resizeEvent(event);
    m_frame = PictureFrame::centredIn(width(), height());
    update();
}

void SaverView::keyPressEvent(QKeyEvent *)
{
    emit keyOrClick();
}

void SaverView::mousePressEvent(QMouseEvent *)
{
    emit keyOrClick();
}

void SaverView::mouseMoveEvent(QMouseEvent *event)
{
    emit pointerMoved(event->globalPosition().toPoint());
}
