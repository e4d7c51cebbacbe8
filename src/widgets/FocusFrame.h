#pragma once

class QPainter;
class QWidget;

// The keyboard focus shown as a two-pixel ring in the style's highlight
// colour along the widget's edge, where the drawing area's sunken border and a
// slider's outline lie, so the contents keep every pixel.
void drawFocusFrame(QPainter &painter, const QWidget &widget);
