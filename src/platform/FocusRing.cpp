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
    if (event->type() == QEvent::Resize)
        setGeometry(m_target->rect());
    else if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        update();
    return QWidget::eventFilter(watched, event);
}

void FocusRing::paintEvent(QPaintEvent *)
{
    if (!m_target->hasFocus())
        return;
    QPainter painter(this);
    drawFocusFrame(painter, *this);
}
