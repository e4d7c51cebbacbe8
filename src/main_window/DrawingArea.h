#pragma once

#include <QFrame>
#include <QImage>

namespace kaleidra {
class Picture;
struct PixelRect;
}

// The drawing area: a sunken two-pixel border round the pattern's persistent
// picture, which it shows without copying and repaints only where it changed.
class DrawingArea : public QFrame {
    Q_OBJECT

public:
    static constexpr int border = 2;

    explicit DrawingArea(kaleidra::Picture &picture, QWidget *parent = nullptr);

    // The drawing surface as an image sharing the picture's pixels.
    const QImage &image() const { return m_image; }
    void showChanged(const kaleidra::PixelRect &area);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
};
