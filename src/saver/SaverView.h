#pragma once

#include "saver/PictureFrame.h"

#include <QImage>
#include <QRasterWindow>

// One screen's or one given window's view of the picture: black all over,
// the picture centred in it, each picture pixel a block of screen pixels.
class SaverView : public QRasterWindow {
    Q_OBJECT

public:
    explicit SaverView(const QImage &picture, QWindow *parent = nullptr);

    // Repaints the screen pixels that show the given picture pixels.
    void showChanged(const kaleidra::PixelRect &area);

signals:
    void keyOrClick();
    void pointerMoved(QPoint global);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    const QImage &m_picture;
    PictureFrame m_frame;
};
