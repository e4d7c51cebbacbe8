#include "ColourSlider.h"

#include "FocusFrame.h"

#include <QPainter>

ColourSlider::ColourSlider(QWidget *parent)
    : QScrollBar(Qt::Horizontal, parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void ColourSlider::paintEvent(QPaintEvent *event)
{
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    drawFocusFrame(painter, *this);
}
