#include "widgets/FocusRing.h"

#include "widgets/FocusFrame.h"

#include <QPainter>

FocusRing::FocusRing(QWidget *target)
    : QWidget(target)
    , m_target(target)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(target->rect());
}

void FocusRing::paintEvent(QPaintEvent *)
{
    if (!m_target->hasFocus())
        return;
    QPainter painter(this);
    drawFocusFrame(painter, *this);
}
