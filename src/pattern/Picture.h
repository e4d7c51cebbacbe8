#pragma once

#include "pattern/PixelRect.h"
#include "pattern/PlotSink.h"

#include <cstdint>
#include <vector>

namespace kaleidra {

// The persistent 630 × 630 image of the drawing surface, black when cleared.
// Pixels are 0xffRRGGBB, row after row, so a toolkit image can share the
// buffer without copying. Remembers the area changed since it was last asked.
class Picture : public PlotSink {
public:
    static constexpr int side = 630;
    static constexpr std::uint32_t background = 0xff000000u;

    Picture();

    void clear();
    // Rounds each coordinate to the nearest pixel (halves to even) and ignores
    // points outside the surface.
    void plot(float x, float y, std::uint32_t colour) override;

    std::uint32_t pixel(int x, int y) const;
    std::uint32_t *bits() { return m_pixels.data(); }

    PixelRect takeChangedArea();

    // The pixel a coordinate falls on; may lie outside.
    static long long toPixel(double coordinate);
    // 0xffRRGGBB of a colour value.
    static std::uint32_t toArgb(std::uint32_t colour);

private:
    std::vector<std::uint32_t> m_pixels;
    PixelRect m_changed;
};

} // namespace kaleidra
