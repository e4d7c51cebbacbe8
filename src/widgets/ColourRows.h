#pragma once

#include "pattern/PatternState.h"

#include <algorithm>
#include <array>
#include <cstdint>

// One row of the colour column: its caption, the name its controls go by,
// the level of the colour bounds it sets, and the row of the same colour
// that it must not pass.
struct ColourRow {
    const char *caption;
    const char *name;
    std::int16_t kaleidra::ColourLevels::*level;
    bool isMinimum;
    int partner;
};

inline constexpr std::array<ColourRow, 6> colourRows { {
    { "赤最小", "redMinimum", &kaleidra::ColourLevels::red, true, 1 },
    { "赤最大", "redMaximum", &kaleidra::ColourLevels::red, false, 0 },
    { "緑最小", "greenMinimum", &kaleidra::ColourLevels::green, true, 3 },
    { "緑最大", "greenMaximum", &kaleidra::ColourLevels::green, false, 2 },
    { "青最小", "blueMinimum", &kaleidra::ColourLevels::blue, true, 5 },
    { "青最大", "blueMaximum", &kaleidra::ColourLevels::blue, false, 4 },
} };

// The bound that a row sets.
inline std::int16_t &boundOf(kaleidra::ColourBounds &bounds, const ColourRow &row)
{
    // Named first: GCC 12 reads (a ? b : c).*m from a copy of b or c, at -O3.
    kaleidra::ColourLevels &levels = row.isMinimum ? bounds.minimum : bounds.maximum;
    return levels.*row.level;
}

// Where a row's value lands that was set to value while its partner stands at
// partnerValue: a minimum pushed past its maximum, or a maximum past its
// minimum, yields to the partner.
constexpr int yieldingValue(const ColourRow &row, int value, int partnerValue)
{
    return row.isMinimum ? std::min(value, partnerValue) : std::max(value, partnerValue);
}
