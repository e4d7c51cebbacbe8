#pragma once

#include "pattern/RandomSource.h"

#include <vector>

namespace kaleidra {

// Hands out the given numbers in order, then 0 once they are used up, and
// counts every draw so a test can check how many were taken.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(const std::vector<float> &queued = {}) : m_queued(queued) {}

    float next() override { return ++m_draws <= int(m_queued.size()) ? m_queued[m_draws - 1] : 0.0f; }

    int draws() const { return m_draws; }

private:
    std::vector<float> m_queued;
    int m_draws = 0;
};

} // namespace kaleidra
