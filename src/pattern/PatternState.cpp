#include "pattern/PatternState.h"

#include "pattern/RandomSource.h"

namespace kaleidra {

void loadPatternState(PatternState &state, RandomSource &random)
{
    state = PatternState {};
    state.magnification = 5.0;
    state.termCount = 9;
    // The three draws are sequenced statements: a scripted source must see red first.
    state.pen.level.red = std::int16_t(randomWhole(random.next(), PatternState::highestLevel + 1));
    state.pen.level.green = std::int16_t(randomWhole(random.next(), PatternState::highestLevel + 1));
    state.pen.level.blue = std::int16_t(randomWhole(random.next(), PatternState::highestLevel + 1));
    state.bounds.maximum.red = PatternState::highestLevel;
    state.bounds.maximum.green = PatternState::highestLevel;
    state.bounds.maximum.blue = PatternState::highestLevel;
}

} // namespace kaleidra
