#pragma once

class QFont;
class QString;

// Chosen before the application object exists: the screen's scale rounded
// down to a whole number unless it is at least three quarters on, so that
// every picture pixel is a whole block of screen pixels. 150 % gives 1, which
// keeps the window on a 1080-line screen; 175 % and 200 % give 2.
void chooseDisplayScale();

// Text of the given size in points as on the 96-dpi screen the windows were
// laid out on, sized in pixels: the layout is in pixels, and text sized in
// points would outgrow it on a screen of more dots per inch than the whole
// scale covers.
QFont designFont(const QString &family, int points);
