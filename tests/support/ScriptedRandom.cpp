#include "ScriptedRandom.h"

#include <cassert>

namespace kaleidra {

ScriptedRandom::ScriptedRandom(float fallback)
    : m_fallback(fallback)
{
    assert(fallback >= 0.0f && fallback < 1.0f);
}

void ScriptedRandom::queue(float value)
{
    assert(value >= 0.0f && value < 1.0f);
    m_queued.push_back(value);
}

void ScriptedRandom::queue(std::initializer_list<float> values)
{
    for (float value : values)
        queue(value);
}

float ScriptedRandom::next()
{
    ++m_draws;
    if (m_queued.empty())
        return m_fallback;
    const float value = m_queued.front();
    m_queued.pop_front();
    return value;
}

} // namespace kaleidra
