#pragma once

#include <QPoint>
#include <QSize>

class QScreen;
class QWidget;

// Window positions and screen sizes are measured in twips, 15 to a pixel.
namespace WindowPlacement {

constexpr int twipsPerPixel = 15;

// A screen's size, in twips.
QSize screenSize(const QScreen &screen);

// A quarter of the screen from the left and from the top, as W\2 − W\4 and
// H\4 with whole-number divisions that truncate.
QPoint quarterPlacement(QSize screen);

QPoint toPixels(QPoint twips);

// Where a window of the program opens: the quarter placement on the
// widget's screen, in pixels.
QPoint quarterOfScreen(const QWidget *widget);

} // namespace WindowPlacement
