#pragma once

#include <QWidget>

// The keyboard focus of a widget whose style shows none, such as a drop-down
// or an empty list: the focus frame along the widget's edge, drawn over its
// contents while it has the focus. A child of the widget, made last, it goes
// with the widget and lies over its other children. It takes the widget's
// size once, as the chooser's controls keep theirs; it needs no repaint of
// its own when the focus comes or goes, as the widget then repaints whole.
class FocusRing : public QWidget {
    Q_OBJECT

public:
    explicit FocusRing(QWidget *target);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget *m_target;
};
