#pragma once

#include <array>
#include <cstdint>

namespace kaleidra {

class RandomSource;

// One level for each of red, green and blue, 0 to PatternState::highestLevel.
struct ColourLevels {
    std::int16_t red {};
    std::int16_t green {};
    std::int16_t blue {};
};

// The colour the next figure is drawn in, and the way each level moves after
// it: 0 upwards, 1 downwards.
struct PenColour {
    ColourLevels level;
    ColourLevels direction;
};

// The range each level of the pen colour moves in, as the sliders set it.
struct ColourBounds {
    ColourLevels minimum;
    ColourLevels maximum;
};

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

    std::int16_t termCount {};
    bool running = false;
    Terms xAmplitude {};
    Terms yAmplitude {};
    Terms xFrequency {};
    Terms yFrequency {};
    // Each step nudges the parameters this many times more than once.
    std::int16_t extraNudgePasses {};
    PenColour pen;
    double magnification {};
    ColourBounds bounds;
};

// Start values: not running, magnification 5.0, nine terms, no extra nudges,
// a random pen colour (three draws: red, green, blue) and the full 0–255
// colour ranges.
void loadPatternState(PatternState &state, RandomSource &random);

} // namespace kaleidra
