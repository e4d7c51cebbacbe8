#pragma once

#include "pattern/PatternState.h"
#include "pattern/PlotSink.h"

#include <array>
#include <cstring>
#include <random>
#include <vector>

namespace kaleidra {

// The pattern walked one step at a time, asking the given sine and cosine for
// every phase: slow, but plainly right, so drawPattern() is checked against
// it point for point. Leaves the colour as it is.
void referenceDrawPattern(const PatternState &state, PlotSink &sink, double (*sin)(double), double (*cos)(double));

struct PlottedPoint { float x, y; std::uint32_t colour; };

class RecordingSink : public PlotSink {
public:
    void plot(float x, float y, std::uint32_t colour) override { points.push_back({x, y, colour}); }
    std::vector<PlottedPoint> points;
};

// Bit for bit, so that −0.0 against +0.0 or a different NaN counts as a difference.
inline bool samePoints(const std::vector<PlottedPoint> &a, const std::vector<PlottedPoint> &b)
{
    static_assert(sizeof(PlottedPoint) == 12, "padding would take part in the comparison");
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(PlottedPoint)) == 0;
}

// A state as a run meets it: nine terms, amplitudes 0–10, frequencies 1–10,
// scale 5, any pen colour.
inline PatternState sampleRunState(std::mt19937 &generator)
{
    const auto whole = [&generator](int low, int high) {
        return std::int16_t(std::uniform_int_distribution<int>(low, high)(generator));
    };
    PatternState state;
    state.termCount = 9;
    state.magnification = 5.0;
    const std::array<PatternState::Terms *, 4> terms {&state.xAmplitude, &state.yAmplitude, &state.xFrequency, &state.yFrequency};
    for (int i = 0; i < state.termCount; ++i)
        for (int a = 0; a < 4; ++a)
            (*terms[a])[i] = whole(a < 2 ? 0 : 1, 10);
    for (auto *colour : { &state.pen.level.red, &state.pen.level.green, &state.pen.level.blue })
        *colour = whole(0, 255);
    return state;
}

} // namespace kaleidra
