#include "saver/PictureFrame.h"

#include "pattern/Picture.h"

#include <algorithm>
#include <cassert>

using kaleidra::Picture;
using kaleidra::PixelRect;

namespace {

// floor(a / b) for b > 0, also below zero.
int floorDivide(long long a, long long b)
{
    assert(b > 0);
    return int(a >= 0 ? a / b : -((-a + b - 1) / b));
}

} // namespace

int PictureFrame::wholeScale(int width, int height)
{
    return std::max(1, std::min(width, height) / Picture::side);
}

PictureFrame PictureFrame::centredIn(int width, int height)
{
    const int smaller = std::max(0, std::min(width, height));
    PictureFrame frame;
    frame.side = smaller >= Picture::side ? Picture::side * wholeScale(width, height) : smaller;
    frame.x = (width - frame.side) / 2;
    frame.y = (height - frame.side) / 2;
    return frame;
}

PixelRect PictureFrame::toScreen(const PixelRect &picture) const
{
    PixelRect screen;
    if (picture.isEmpty() || side <= 0)
        return screen;
    screen.add(x + floorDivide((long long)picture.left * side, Picture::side),
               y + floorDivide((long long)picture.top * side, Picture::side));
    screen.add(x + floorDivide((long long)(picture.right + 1) * side + Picture::side - 1, Picture::side) - 1,
               y + floorDivide((long long)(picture.bottom + 1) * side + Picture::side - 1, Picture::side) - 1);
    return screen;
}

PixelRect PictureFrame::toPicture(const PixelRect &screen) const
{
    PixelRect picture;
    if (screen.isEmpty() || side <= 0)
        return picture;
    const auto clampToPicture = [](int value) { return std::clamp(value, 0, Picture::side - 1); };
    const int left = floorDivide((long long)(screen.left - x) * Picture::side, side);
    const int top = floorDivide((long long)(screen.top - y) * Picture::side, side);
    const int right = floorDivide((long long)(screen.right + 1 - x) * Picture::side - 1, side);
    const int bottom = floorDivide((long long)(screen.bottom + 1 - y) * Picture::side - 1, side);
    if (right < 0 || bottom < 0 || left >= Picture::side || top >= Picture::side)
        return picture;
    picture.add(clampToPicture(left), clampToPicture(top));
    picture.add(clampToPicture(right), clampToPicture(bottom));
    return picture;
}
