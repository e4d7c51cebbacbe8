#pragma once

#include "pattern/RandomSource.h"

#include <vector>

namespace kaleidra {

// Hands out queued numbers in order, then 0 once the queue is empty, and
// counts every draw so a test can check how many were taken.
class ScriptedRandom : public RandomSource {
public:
    void queue(const std::vector<float> &values) { m_queued.insert(m_queued.end(), values.begin(), values.end()); }

    float next() override { return ++m_draws <= int(m_queued.size()) ? m_queued[m_draws - 1] : 0.0f; }

    int draws() const { return m_draws; }

private:
    std::vector<float> m_queued;
    int m_draws = 0;
};

} // namespace kaleidra
