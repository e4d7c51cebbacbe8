#include "widgets/FocusFrame.h"

#include <QPainter>
#include <QWidget>

void drawFocusFrame(QPainter &painter, const QWidget &widget)
{
    const QColor highlight = widget.palette().color(QPalette::Active, QPalette::Highlight);
    QColor inner = highlight.lighter(140);
    inner.setAlpha(200);
    const QRect outer = widget.rect().adjusted(0, 0, -1, -1);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(highlight.darker(120));
    painter.drawRect(outer);
    painter.setPen(inner);
    painter.drawRect(outer.adjusted(1, 1, -1, -1));
    painter.restore();
}
