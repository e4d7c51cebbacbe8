#include "widgets/ColourSlider.h"

#include "widgets/FocusFrame.h"

#include <QKeyEvent>
#include <QPainter>

ColourSlider::ColourSlider(QWidget *parent)
    : QScrollBar(Qt::Horizontal, parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

// A scroll bar inverts its keys for scrolling a view, which turns ← and →
// round; the other keys already move it the way a slider goes.
void ColourSlider::keyPressEvent(QKeyEvent *event)
{
    const bool left = event->key() == Qt::Key_Left;
    if ((!left && event->key() != Qt::Key_Right) || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QScrollBar::keyPressEvent(event);
        return;
    }
    const bool lower = left != isRightToLeft();
    triggerAction(lower ? SliderSingleStepSub : SliderSingleStepAdd);
}

void ColourSlider::paintEvent(QPaintEvent *event)
{
    QScrollBar::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    drawFocusFrame(painter, *this);
}
