#include "FocusRing.h"

#include "FocusFrame.h"

#include <QEvent>
#include <QPainter>

FocusRing::FocusRing(QWidget *target)
    : QWidget(target)
    , m_target(target)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(target->rect());
    target->installEventFilter(this);
    raise();
}

bool FocusRing::eventFilter(QObject *watched, QEvent *event)
{
    // A change of focus needs no repaint here: the target repaints itself
    // whole then, and this ring with it.
    if (event->type() == QEvent::Resize)
        setGeometry(m_target->rect());
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent *)
{
    if (!m_target->hasFocus())
        return;
    QPainter painter(this);
    drawFocusFrame(painter, *this);
}
