#pragma once

#include "pattern/PixelRect.h"

// Where the 630 × 630 picture goes in a screen or window of the given size:
// centred, each picture pixel a square of whole screen pixels where it fits,
// shrunk to the smaller side where it does not (Windows' small preview).
struct PictureFrame {
    int x = 0;
    int y = 0;
    int side = 0;

    static PictureFrame centredIn(int width, int height);

    // The largest whole scale at which the picture fits the smaller side; at least 1.
    static int wholeScale(int width, int height);

    // The screen pixels that show the given picture pixels, covering any
    // screen pixel a picture pixel touches.
    kaleidra::PixelRect toScreen(const kaleidra::PixelRect &picture) const;
    // The picture pixels that the given screen pixels show, clipped to the picture.
    kaleidra::PixelRect toPicture(const kaleidra::PixelRect &screen) const;
};
