#include "pattern/PatternEngine.h"

#include "pattern/PatternRenderer.h"
#include "pattern/RandomSource.h"

#include <algorithm>
#include <cassert>

namespace kaleidra {

PatternEngine::PatternEngine(RandomSource &random)
    : m_random(random)
{
}

void PatternEngine::load()
{
    loadPatternState(m_state, m_random);
}

bool PatternEngine::toggleRun()
{
    if (m_state.running != 0) {
        m_state.running = 0;
        return false;
    }
    assert(m_state.kansuu >= 0 && m_state.kansuu <= PatternState::termCapacity);
    m_picture.clear();
    const auto draw = [this] { return std::int16_t(randomWhole(m_random.next(), 9) + 1); };
    for (int i = 0; i < m_state.kansuu; ++i) {
        m_state.xAmp[i] = draw();
        m_state.yAmp[i] = draw();
        m_state.xFreq[i] = draw();
        m_state.yFreq[i] = draw();
    }
    m_state.running = 1;
    return true;
}

PixelRect PatternEngine::tick()
{
    if (m_state.running != 0)
        stepPattern();
    return m_picture.takeChangedArea();
}

void PatternEngine::stepPattern()
{
    nudgeParameters();
    clampParameters();
    drawPattern(m_state, m_picture);
}

void PatternEngine::nudgeParameters()
{
    const int termCount = m_state.kansuu;
    assert(termCount >= 0 && termCount <= PatternState::termCapacity);
    const auto sign = [this] { return randomSign(m_random.next()); };
    // randomWhole(r, 0) is 0, so even without terms the index stays in the arrays.
    const auto index = [this, termCount] { return randomWhole(m_random.next(), termCount); };
    const int passes = m_state.henka + 1;
    for (int pass = 0; pass < passes; ++pass) {
        const int s1 = sign();
        const int s2 = sign();
        const int s3 = sign();
        const int s4 = sign();
        int i = index();
        m_state.xAmp[i] = std::int16_t(m_state.xAmp[i] + s1);
        i = index();
        m_state.yAmp[i] = std::int16_t(m_state.yAmp[i] + s2);
        i = index();
        m_state.xFreq[i] = std::int16_t(m_state.xFreq[i] + s3);
        i = index();
        m_state.yFreq[i] = std::int16_t(m_state.yFreq[i] + s4);
    }
}

void PatternEngine::clampParameters()
{
    const auto clamp = [](std::int16_t &value, std::int16_t low) { value = std::clamp(value, low, PatternState::highestParameter); };
    for (int i = 0; i < m_state.kansuu; ++i) {
        clamp(m_state.xAmp[i], 0);
        clamp(m_state.yAmp[i], 0);
        clamp(m_state.xFreq[i], PatternState::lowestFrequency);
        clamp(m_state.yFreq[i], PatternState::lowestFrequency);
    }
}

} // namespace kaleidra
