#include "pattern/PatternState.h"

#include "pattern/RandomSource.h"

namespace kaleidra {

void loadPatternState(PatternState &state, RandomSource &random)
{
    state = PatternState {};
    state.bairitu = 5.0;
    state.kansuu = 9;
    // The three draws are sequenced statements: a scripted source must see red first.
    state.curR = std::int16_t(randomWhole(random.next(), PatternState::highestLevel + 1));
    state.curG = std::int16_t(randomWhole(random.next(), PatternState::highestLevel + 1));
    state.curB = std::int16_t(randomWhole(random.next(), PatternState::highestLevel + 1));
    state.maxR = PatternState::highestLevel;
    state.maxG = PatternState::highestLevel;
    state.maxB = PatternState::highestLevel;
}

} // namespace kaleidra
