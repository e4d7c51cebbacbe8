#pragma once

#include <algorithm>
#include <cassert>
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
    // Only a rectangle holding a pixel has a size: the empty one's bounds are far apart.
    int width() const
    {
        assert(!isEmpty());
        return right - left + 1;
    }
    int height() const
    {
        assert(!isEmpty());
        return bottom - top + 1;
    }

    void add(int x, int y)
    {
        *this = { std::min(left, x), std::min(top, y), std::max(right, x), std::max(bottom, y) };
    }
};

} // namespace kaleidra
