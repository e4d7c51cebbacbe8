#pragma once

#include "pattern/PatternState.h"

#include <random>
#include <utility>

namespace kaleidra {

inline std::int16_t wholeBetween(std::mt19937 &generator, int low, int high)
{
    return std::int16_t(std::uniform_int_distribution<int>(low, high)(generator));
}

// A state as it looks during a run: nine terms, amplitudes 0–10, frequencies
// 1–10, scale 5 and a pen colour somewhere inside random colour ranges.
inline PatternState sampleRunState(std::mt19937 &generator)
{
    PatternState state;
    state.kansuu = 9;
    state.running = 1;
    state.bairitu = 5.0;
    for (int i = 0; i < state.kansuu; ++i) {
        state.xAmp[i] = wholeBetween(generator, 0, 10);
        state.yAmp[i] = wholeBetween(generator, 0, 10);
        state.xFreq[i] = wholeBetween(generator, 1, 10);
        state.yFreq[i] = wholeBetween(generator, 1, 10);
    }
    const auto channel = [&](std::int16_t &current, std::int16_t &direction, std::int16_t &low,
                             std::int16_t &high) {
        low = wholeBetween(generator, 0, 255);
        high = wholeBetween(generator, 0, 255);
        if (low > high)
            std::swap(low, high);
        current = wholeBetween(generator, low, high);
        direction = wholeBetween(generator, 0, 1);
    };
    channel(state.curR, state.dirR, state.minR, state.maxR);
    channel(state.curG, state.dirG, state.minG, state.maxG);
    channel(state.curB, state.dirB, state.minB, state.maxB);
    return state;
}

} // namespace kaleidra
