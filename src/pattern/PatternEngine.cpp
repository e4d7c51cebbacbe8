#include "pattern/PatternEngine.h"

#include "pattern/FigureLog.h"
#include "pattern/PatternRenderer.h"
#include "pattern/RandomSource.h"

#include <algorithm>
#include <cassert>

namespace kaleidra {

PatternEngine::PatternEngine(RandomSource &random, FigureLog *figures)
    : m_random(random)
    , m_figures(figures)
{
}

void PatternEngine::load()
{
    loadPatternState(m_state, m_random);
    if (m_figures)
        m_figures->restart(m_state);
}

bool PatternEngine::toggleRun()
{
    if (m_state.running) {
        m_state.running = false;
        return false;
    }
    assert(m_state.termCount >= 0 && m_state.termCount <= PatternState::termCapacity);
    m_picture.clear();
    if (m_figures)
        m_figures->restart(m_state);
    const auto draw = [this] { return std::int16_t(randomWhole(m_random.next(), 9) + 1); };
    for (int i = 0; i < m_state.termCount; ++i) {
        m_state.xAmplitude[i] = draw();
        m_state.yAmplitude[i] = draw();
        m_state.xFrequency[i] = draw();
        m_state.yFrequency[i] = draw();
    }
    m_state.running = true;
    return true;
}

PixelRect PatternEngine::tick()
{
    if (m_state.running)
        stepPattern();
    return m_picture.takeChangedArea();
}

void PatternEngine::stepPattern()
{
    nudgeParameters();
    clampParameters();
    if (m_figures)
        m_figures->add(m_state);
    drawPattern(m_state, m_picture);
}

void PatternEngine::nudgeParameters()
{
    const int termCount = m_state.termCount;
    assert(termCount >= 0 && termCount <= PatternState::termCapacity);
    const auto sign = [this] { return randomSign(m_random.next()); };
    // randomWhole(r, 0) is 0, so even without terms the index stays in the arrays.
    const auto index = [this, termCount] { return randomWhole(m_random.next(), termCount); };
    const int passes = m_state.extraNudgePasses + 1;
    for (int pass = 0; pass < passes; ++pass) {
        const int s1 = sign();
        const int s2 = sign();
        const int s3 = sign();
        const int s4 = sign();
        int i = index();
        m_state.xAmplitude[i] = std::int16_t(m_state.xAmplitude[i] + s1);
        i = index();
        m_state.yAmplitude[i] = std::int16_t(m_state.yAmplitude[i] + s2);
        i = index();
        m_state.xFrequency[i] = std::int16_t(m_state.xFrequency[i] + s3);
        i = index();
        m_state.yFrequency[i] = std::int16_t(m_state.yFrequency[i] + s4);
    }
}

void PatternEngine::clampParameters()
{
    const auto clamp = [](std::int16_t &value, std::int16_t low) { value = std::clamp(value, low, PatternState::highestParameter); };
    for (int i = 0; i < m_state.termCount; ++i) {
        clamp(m_state.xAmplitude[i], 0);
        clamp(m_state.yAmplitude[i], 0);
        clamp(m_state.xFrequency[i], PatternState::lowestFrequency);
        clamp(m_state.yFrequency[i], PatternState::lowestFrequency);
    }
}

} // namespace kaleidra
