#include "PictureBox.h"

#include "pattern/Picture.h"

#include <QPaintEvent>
#include <QPainter>

using kaleidra::Picture;

PictureBox::PictureBox(Picture &picture, QWidget *parent)
    : QFrame(parent)
    , m_image(reinterpret_cast<uchar *>(picture.bits()), Picture::side, Picture::side,
              Picture::side * int(sizeof(std::uint32_t)), QImage::Format_RGB32)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(border);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::showChanged(const kaleidra::PixelRect &area)
{
    if (!area.isEmpty())
        update(area.left + border, area.top + border, area.width(), area.height());
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect surface = contentsRect();
    const QRect dirty = event->rect();
    if (!surface.contains(dirty))
        drawFrame(&painter);
    // Whole screen pixels per picture pixel: no smoothing, so a scaled
    // screen shows the pattern sharp.
    const QRect target = dirty & surface;
    painter.drawImage(target, m_image, target.translated(-surface.topLeft()));
}
