#pragma once

#include <algorithm>
#include <limits>

namespace kaleidra {

// An inclusive rectangle of picture pixels; empty until a pixel is added,
// which makes it at least one pixel wide and high at once.
struct PixelRect {
    int left = std::numeric_limits<int>::max();
    int top = std::numeric_limits<int>::max();
    int right = std::numeric_limits<int>::min();
    int bottom = std::numeric_limits<int>::min();

    bool isEmpty() const { return right < left; }
    int width() const { return isEmpty() ? 0 : right - left + 1; }
    int height() const { return isEmpty() ? 0 : bottom - top + 1; }

    void add(int x, int y)
    {
        *this = { std::min(left, x), std::min(top, y), std::max(right, x), std::max(bottom, y) };
    }
};

} // namespace kaleidra
