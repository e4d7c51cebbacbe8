#pragma once

#include <array>
#include <cstdint>

namespace kaleidra {

class RandomSource;

// The variables the main window keeps for the whole life of the program.
// Every field is 0 until loadPatternState() gives the start values.
struct PatternState {
    static constexpr int termCapacity = 31;
    // A run keeps amplitudes in 0–10 and frequencies in 1–10: a frequency of
    // 0 would freeze its term.
    static constexpr std::int16_t highestParameter = 10;
    static constexpr std::int16_t lowestFrequency = 1;
    // Each of red, green and blue runs from 0 to this.
    static constexpr std::int16_t highestLevel = 255;
    using Terms = std::array<std::int16_t, termCapacity>;

    std::int16_t kansuu {};
    std::int16_t running {};
    Terms xAmp {};
    Terms yAmp {};
    Terms xFreq {};
    Terms yFreq {};
    std::int16_t henka {};
    std::int16_t curR {};
    std::int16_t curG {};
    std::int16_t curB {};
    std::int16_t dirR {};
    std::int16_t dirG {};
    std::int16_t dirB {};
    double bairitu {};
    std::int16_t minR {};
    std::int16_t maxR {};
    std::int16_t minG {};
    std::int16_t maxG {};
    std::int16_t minB {};
    std::int16_t maxB {};
};

// Start values: not running, scale 5.0, nine terms, no extra nudges, a random
// pen colour (three draws: red, green, blue) and the full 0–255 colour ranges.
void loadPatternState(PatternState &state, RandomSource &random);

} // namespace kaleidra
