#include "pattern/Picture.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace kaleidra {

Picture::Picture()
    : m_pixels(std::size_t(side) * side, background)
{
}

void Picture::clear()
{
    std::fill(m_pixels.begin(), m_pixels.end(), background);
    m_changed.add(0, 0);
    m_changed.add(side - 1, side - 1);
}

void Picture::plot(float x, float y, std::uint32_t colour)
{
    const long long px = toPixel(x);
    const long long py = toPixel(y);
    if (px < 0 || px >= side || py < 0 || py >= side)
        return;
    m_pixels[std::size_t(py) * side + std::size_t(px)] = toArgb(colour);
    m_changed.add(int(px), int(py));
}

std::uint32_t Picture::pixel(int x, int y) const
{
    assert(x >= 0 && x < side && y >= 0 && y < side);
    return m_pixels[std::size_t(y) * side + std::size_t(x)];
}

PixelRect Picture::takeChangedArea()
{
    const PixelRect changed = m_changed;
    m_changed = PixelRect();
    return changed;
}

long long Picture::toPixel(double coordinate)
{
    // Far beyond the surface every value is as good as another, but converting
    // a value outside the range of long long (or NaN) would be undefined.
    // fmax gives the bound for NaN.
    constexpr double farAway = 1e15;
    const double rounded = std::nearbyint(coordinate);
    return (long long)std::fmin(std::fmax(rounded, -farAway), farAway);
}

std::uint32_t Picture::toArgb(std::uint32_t colour)
{
    const std::uint32_t red = colour & 0xffu;
    const std::uint32_t green = (colour >> 8) & 0xffu;
    const std::uint32_t blue = (colour >> 16) & 0xffu;
    return background | red << 16 | green << 8 | blue;
}

} // namespace kaleidra
