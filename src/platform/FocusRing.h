#pragma once

#include <QWidget>

// The keyboard focus of a widget whose style shows none, such as a drop-down
// or an empty list: the focus frame along the widget's edge, drawn over its
// contents while it has the focus. A child of the widget, it goes with it.
class FocusRing : public QWidget {
    Q_OBJECT

public:
    explicit FocusRing(QWidget *target);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget *m_target;
};
