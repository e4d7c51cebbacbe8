#pragma once

#include <cstdint>

namespace kaleidra {

// Colour value as the pattern state builds it: red + 256 × green + 65536 × blue.
constexpr std::uint32_t colourValue(int red, int green, int blue)
{
    return std::uint32_t(red) + 256u * std::uint32_t(green) + 65536u * std::uint32_t(blue);
}

// Where the renderer puts its points: single-precision picture coordinates,
// x to the right and y downwards, and a colour value.
class PlotSink {
public:
    virtual ~PlotSink() = default;
    virtual void plot(float x, float y, std::uint32_t colour) = 0;
};

} // namespace kaleidra
