#pragma once

#include "pattern/PatternState.h"

#include <algorithm>
#include <array>
#include <cstdint>

// One row of the colour column: caption, slider and read-out, the bound the
// slider sets and the slider of the same colour it must not pass.
struct ColourRow {
    const char *caption;
    const char *captionName;
    const char *sliderName;
    const char *readoutName;
    std::int16_t kaleidra::PatternState::*bound;
    int partner;
    bool isMinimum;
};

inline constexpr std::array<ColourRow, 6> colourRows { {
    { "赤最小", "Label8", "HScroll1", "lab_R1", &kaleidra::PatternState::minR, 1, true },
    { "赤最大", "Label9", "HScroll2", "lab_R2", &kaleidra::PatternState::maxR, 0, false },
    { "緑最小", "Label10", "HScroll3", "lab_G1", &kaleidra::PatternState::minG, 3, true },
    { "緑最大", "Label11", "HScroll4", "lab_G2", &kaleidra::PatternState::maxG, 2, false },
    { "青最小", "Label12", "HScroll5", "lab_B1", &kaleidra::PatternState::minB, 5, true },
    { "青最大", "Label14", "HScroll6", "lab_B2", &kaleidra::PatternState::maxB, 4, false },
} };

// Where a slider lands that was moved to value while its partner stands at
// partnerValue: a minimum pushed past its maximum, or a maximum past its
// minimum, yields to the partner.
constexpr int yieldingValue(const ColourRow &row, int value, int partnerValue)
{
    return row.isMinimum ? std::min(value, partnerValue) : std::max(value, partnerValue);
}
