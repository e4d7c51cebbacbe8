#include "pattern/PatternState.h"

#include "pattern/RandomSource.h"

namespace kaleidra {

void loadPatternState(PatternState &state, RandomSource &random)
{
    state = PatternState {};
    state.bairitu = 5.0;
    state.kansuu = 9;
    // The three draws are sequenced statements: a scripted source must see red first.
    state.curR = std::int16_t(randomWhole(random.next(), 256));
    state.curG = std::int16_t(randomWhole(random.next(), 256));
    state.curB = std::int16_t(randomWhole(random.next(), 256));
    state.maxR = 255;
    state.maxG = 255;
    state.maxB = 255;
}

} // namespace kaleidra
