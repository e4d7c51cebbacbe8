#pragma once

namespace kaleidra {

// An inclusive rectangle of picture pixels; empty until a pixel is added,
// which makes it at least one pixel wide and high at once.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = -1;
    int bottom = -1;

    bool isEmpty() const { return right < left; }
    int width() const { return isEmpty() ? 0 : right - left + 1; }
    int height() const { return isEmpty() ? 0 : bottom - top + 1; }

    void add(int x, int y)
    {
        if (isEmpty()) {
            left = right = x;
            top = bottom = y;
            return;
        }
        if (x < left) left = x;
        if (x > right) right = x;
        if (y < top) top = y;
        if (y > bottom) bottom = y;
    }
};

} // namespace kaleidra
