#include "ReferenceRenderer.h"

#include <cmath>

namespace kaleidra {

void referenceDrawPattern(const PatternState &state, PlotSink &sink)
{
    const int n = state.kansuu;
    const std::uint32_t colour = colourValue(state.curR, state.curG, state.curB);
    double theta[PatternState::termCapacity] = {};
    double phi[PatternState::termCapacity] = {};
    double px = 0;
    double py = 0;
    int k = 0;
    for (int pass = 0; pass <= 1; ++pass) {
        for (int step = 0; step <= 10000; ++step) {
            double vx = 0;
            double vy = 0;
            for (int i = 0; i < n; ++i) {
                vx = vx + (double(state.xAmp[i]) * std::cos(theta[i])) / 10;
                vy = vy + (double(state.yAmp[i]) * std::sin(phi[i])) / 10;
            }
            px = px + vx;
            py = py + vy;
            if (pass == 1) {
                if (k == 0) {
                    const double x = 315 + state.bairitu * px;
                    sink.plot(float(x), float(280 + state.bairitu * py), colour);
                    sink.plot(float(x), float((280 + (-state.bairitu) * py) + 100), colour);
                }
                k = (k + 1) % 9;
            }
            for (int i = 0; i < n; ++i) {
                theta[i] = theta[i] + double(state.xFreq[i]) / 10;
                phi[i] = phi[i] + double(state.yFreq[i]) / 10;
            }
        }
    }
}

static int floorOf(double value) { return int(std::floor(value)); }

void referenceToggleRun(PatternState &state, RandomSource &random)
{
    if (state.running != 0) {
        state.running = 0;
        return;
    }
    for (int i = 0; i < state.kansuu; ++i)
        for (PatternState::Terms *terms : termArrays(state))
            (*terms)[i] = std::int16_t(floorOf(double(random.next()) * 9 + 1));
    state.running = 1;
}

void referenceTick(PatternState &state, RandomSource &random)
{
    if (state.running == 0)
        return;
    const auto arrays = termArrays(state);
    for (int pass = 0; pass < state.henka + 1; ++pass) {
        int signs[4];
        for (int &sign : signs)
            sign = random.next() < 0.5f ? -1 : 1;
        for (int a = 0; a < 4; ++a) {
            const int i = floorOf(double(random.next()) * state.kansuu);
            (*arrays[a])[i] = std::int16_t((*arrays[a])[i] + signs[a]);
        }
    }
    // Frequencies stop at 1, amplitudes at 0.
    for (int i = 0; i < state.kansuu; ++i)
        for (int a = 0; a < 4; ++a)
            (*arrays[a])[i] = std::int16_t(std::clamp<int>((*arrays[a])[i], a < 2 ? 0 : 1, 10));
    const int steps[] = {5, 15, 15};
    for (int channel = 0; channel < 3; ++channel) {
        const auto [current, direction, low, high] = colourFields(state, channel);
        *current = std::int16_t(*direction == 0 ? *current + steps[channel] : *current - steps[channel]);
        if (*current > *high) {
            *current = *high;
            *direction = 1;
        }
        if (*current < *low) {
            *current = *low;
            *direction = 0;
        }
    }
}

} // namespace kaleidra
