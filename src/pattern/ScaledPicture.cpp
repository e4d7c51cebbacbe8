#include "pattern/ScaledPicture.h"

#include "pattern/FigureLog.h"
#include "pattern/PatternRenderer.h"
#include "pattern/Picture.h"

#include <algorithm>
#include <cassert>

namespace kaleidra {

ScaledPicture::ScaledPicture(int scale)
    : m_scale(scale)
    , m_side(Picture::side * scale)
    , m_pixels(std::size_t(m_side) * std::size_t(m_side), Picture::background)
{
    assert(scale >= 1 && scale <= 16);
}

void ScaledPicture::plot(float x, float y, std::uint32_t colour)
{
    // A float times a small whole number is exact in a double.
    const long long left = Picture::toPixel(double(x) * m_scale);
    const long long top = Picture::toPixel(double(y) * m_scale);
    const long long firstColumn = std::max(left, 0LL);
    const long long lastColumn = std::min(left + m_scale, (long long)m_side);
    const long long firstRow = std::max(top, 0LL);
    const long long lastRow = std::min(top + m_scale, (long long)m_side);
    if (firstColumn >= lastColumn)
        return;
    const std::uint32_t argb = Picture::toArgb(colour);
    for (long long row = firstRow; row < lastRow; ++row) {
        std::uint32_t *line = m_pixels.data() + std::size_t(row) * std::size_t(m_side);
        std::fill(line + firstColumn, line + lastColumn, argb);
    }
}

std::uint32_t ScaledPicture::pixel(int x, int y) const
{
    assert(x >= 0 && x < m_side && y >= 0 && y < m_side);
    return m_pixels[std::size_t(y) * std::size_t(m_side) + std::size_t(x)];
}

bool redrawFigures(const FigureLog &log, ScaledPicture &picture, const std::function<bool(std::size_t)> &carryOn)
{
    for (std::size_t index = 0; index < log.size(); ++index) {
        PatternState state = log.figure(index);
        drawPattern(state, picture);
        if (!carryOn(index + 1))
            return false;
    }
    return true;
}

} // namespace kaleidra
