#include "pattern/FigureLog.h"

#include <cassert>

namespace kaleidra {

namespace {

// A run keeps every parameter within 0–10, so two fit in a byte.
constexpr int nibble = 16;

std::uint8_t pair(std::int16_t low, std::int16_t high)
{
    assert(low >= 0 && low < nibble && high >= 0 && high < nibble);
    return std::uint8_t(low | high << 4);
}

} // namespace

void FigureLog::restart(const PatternState &state)
{
    assert(state.termCount >= 0 && state.termCount <= PatternState::termCapacity);
    m_shape = PatternState();
    m_shape.termCount = state.termCount;
    m_shape.magnification = state.magnification;
    m_count = 0;
    m_records.clear();
}

std::size_t FigureLog::recordSize() const
{
    return 3 + 2 * std::size_t(m_shape.termCount);
}

void FigureLog::add(const PatternState &state)
{
    assert(state.termCount == m_shape.termCount && state.magnification == m_shape.magnification);
    const ColourLevels &level = state.pen.level;
    m_records.push_back(std::uint8_t(level.red));
    m_records.push_back(std::uint8_t(level.green));
    m_records.push_back(std::uint8_t(level.blue));
    for (int i = 0; i < state.termCount; ++i) {
        m_records.push_back(pair(state.xAmplitude[i], state.yAmplitude[i]));
        m_records.push_back(pair(state.xFrequency[i], state.yFrequency[i]));
    }
    ++m_count;
}

PatternState FigureLog::figure(std::size_t index) const
{
    assert(index < m_count);
    PatternState state = m_shape;
    auto at = m_records.begin() + std::ptrdiff_t(index * recordSize());
    state.pen.level = { *at, *(at + 1), *(at + 2) };
    at += 3;
    for (int i = 0; i < state.termCount; ++i, at += 2) {
        state.xAmplitude[i] = std::int16_t(*at & 15);
        state.yAmplitude[i] = std::int16_t(*at >> 4);
        state.xFrequency[i] = std::int16_t(*(at + 1) & 15);
        state.yFrequency[i] = std::int16_t(*(at + 1) >> 4);
    }
    return state;
}

} // namespace kaleidra
