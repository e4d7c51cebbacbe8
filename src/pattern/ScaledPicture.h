#pragma once

#include "pattern/PlotSink.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace kaleidra {

class FigureLog;

// The drawing surface drawn again scale times as wide and as high. Each
// point becomes a scale × scale block whose corner is the pixel nearest to
// scale times the point: where the 630-pixel picture has a dot, this one
// has a sharp square in the same place. At scale 1 it is that picture.
// Pixels are 0xffRRGGBB, row after row, black where nothing was drawn.
class ScaledPicture : public PlotSink {
public:
    explicit ScaledPicture(int scale);

    int side() const { return m_side; }
    void plot(float x, float y, std::uint32_t colour) override;

    std::uint32_t *bits() { return m_pixels.data(); }

private:
    int m_scale;
    int m_side;
    std::vector<std::uint32_t> m_pixels;
};

// Draws the figures of the log again, in order, into picture, using every
// core. After each it asks carryOn, on the calling thread, with the number
// drawn so far, and stops when told no; returns whether every figure was
// drawn.
bool redrawFigures(const FigureLog &log, ScaledPicture &picture, const std::function<bool(std::size_t)> &carryOn);

} // namespace kaleidra
