#pragma once

#include "pattern/RandomSource.h"

#include <cstdint>
#include <random>

namespace kaleidra {

// The program's random numbers: one generator, seeded from the clock once.
class ClockRandom : public RandomSource {
public:
    ClockRandom();
    explicit ClockRandom(std::uint32_t seed);

    // 24 random bits scaled by 2^-24: every value is an exact float below 1.
    // std::generate_canonical<float> may round up to 1.0 on some libraries.
    float next() override;

private:
    std::mt19937 m_generator;
};

} // namespace kaleidra
