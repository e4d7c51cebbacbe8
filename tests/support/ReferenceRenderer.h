#pragma once

#include "pattern/PatternState.h"
#include "pattern/PlotSink.h"
#include "pattern/RandomSource.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <random>
#include <tuple>
#include <vector>

namespace kaleidra {

// The pattern walked one step at a time with the cosine and sine of every
// phase worked out afresh: slow, but plainly right, so drawPattern() is
// checked against it point for point. Leaves the colour as it is.
void referenceDrawPattern(const PatternState &state, PlotSink &sink);

// Start or stop, and a tick without its drawing (nudges, clamping, colour
// step), taken straight from their description with no shortcut.
void referenceToggleRun(PatternState &state, RandomSource &random);
void referenceTick(PatternState &state, RandomSource &random);

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
inline bool samePoints(const std::vector<PlottedPoint> &a, const std::vector<PlottedPoint> &b)
{
    static_assert(sizeof(PlottedPoint) == 12, "padding would take part in the comparison");
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const PlottedPoint &p, const PlottedPoint &q) { return std::memcmp(&p, &q, sizeof p) == 0; });
}

// xAmp, yAmp, xFreq and yFreq.
inline std::array<PatternState::Terms *, 4> termArrays(PatternState &s)
{
    return {&s.xAmp, &s.yAmp, &s.xFreq, &s.yFreq};
}

// Current value, direction, minimum and maximum of red (0), green (1) or blue (2).
inline std::array<std::int16_t *, 4> colourFields(PatternState &s, int channel)
{
    const std::array<std::array<std::int16_t *, 4>, 3> all {{{&s.curR, &s.dirR, &s.minR, &s.maxR},
                                                             {&s.curG, &s.dirG, &s.minG, &s.maxG},
                                                             {&s.curB, &s.dirB, &s.minB, &s.maxB}}};
    return all[channel];
}

inline bool sameState(const PatternState &a, const PatternState &b)
{
    const auto fields = [](const PatternState &s) {
        return std::tie(s.kansuu, s.running, s.xAmp, s.yAmp, s.xFreq, s.yFreq, s.henka, s.curR, s.curG, s.curB,
                        s.dirR, s.dirG, s.dirB, s.bairitu, s.minR, s.maxR, s.minG, s.maxG, s.minB, s.maxB);
    };
    return fields(a) == fields(b);
}

// A state as a run meets it: nine terms, amplitudes 0–10, frequencies 1–10,
// scale 5; the sliders keep each colour's bounds in order but may leave the
// pen colour outside them. Equal bounds, and pen colours on a bound or one
// step from it, are made common, as that is where a colour step turns.
inline PatternState sampleRunState(std::mt19937 &generator)
{
    const auto whole = [&generator](int low, int high) {
        return std::int16_t(std::uniform_int_distribution<int>(low, high)(generator));
    };
    PatternState state;
    state.kansuu = 9;
    state.bairitu = 5.0;
    for (int i = 0; i < state.kansuu; ++i)
        for (int a = 0; a < 4; ++a)
            (*termArrays(state)[a])[i] = whole(a < 2 ? 0 : 1, 10);
    for (int channel = 0; channel < 3; ++channel) {
        const auto fields = colourFields(state, channel);
        *fields[1] = whole(0, 1);
        *fields[2] = whole(0, 255);
        *fields[3] = whole(0, 3) == 0 ? *fields[2] : whole(*fields[2], 255);
        *fields[0] = whole(0, 1) == 0 ? whole(0, 255)
                                      : std::int16_t(std::clamp(*fields[2 + whole(0, 1)] + 5 * whole(-3, 3), 0, 255));
    }
    return state;
}

} // namespace kaleidra
