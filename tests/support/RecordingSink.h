#pragma once

#include "pattern/PlotSink.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace kaleidra {

struct PlottedPoint {
    float x;
    float y;
    std::uint32_t colour;
};

class RecordingSink : public PlotSink {
public:
    void plot(float x, float y, std::uint32_t colour) override { points.push_back({x, y, colour}); }

    std::vector<PlottedPoint> points;
};

// Bit for bit, so that −0.0 against +0.0 or a different NaN counts as a difference.
inline bool sameBits(float a, float b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

inline bool samePoints(const std::vector<PlottedPoint> &a, const std::vector<PlottedPoint> &b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!sameBits(a[i].x, b[i].x) || !sameBits(a[i].y, b[i].y) || a[i].colour != b[i].colour)
            return false;
    }
    return true;
}

} // namespace kaleidra
