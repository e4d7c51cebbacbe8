#pragma once

#include "pattern/RandomSource.h"

#include <deque>
#include <initializer_list>

namespace kaleidra {

// Hands out queued numbers in order, then the fallback once the queue is
// empty, and counts every draw so a test can check how many were taken.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(float fallback = 0.0f);

    void queue(float value);
    void queue(std::initializer_list<float> values);

    float next() override;

    int draws() const { return m_draws; }
    int pending() const { return int(m_queued.size()); }

private:
    std::deque<float> m_queued;
    float m_fallback;
    int m_draws = 0;
};

} // namespace kaleidra
