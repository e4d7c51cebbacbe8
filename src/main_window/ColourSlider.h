#pragma once

#include <QScrollBar>

// A colour range slider: a horizontal scroll bar that shows when it has the
// keyboard focus, which the style's own scroll bars never do.
class ColourSlider : public QScrollBar {
    Q_OBJECT

public:
    explicit ColourSlider(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
