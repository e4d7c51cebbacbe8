#pragma once

#include <QScrollBar>

// A colour range slider: a horizontal scroll bar that shows when it has the
// keyboard focus, which the style's own scroll bars never do, and whose ← and
// → keys lower and raise it like every other slider.
class ColourSlider : public QScrollBar {
    Q_OBJECT

public:
    explicit ColourSlider(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
