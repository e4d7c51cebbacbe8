#include "pattern/ClockRandom.h"

#include <chrono>

namespace kaleidra {

namespace {

std::uint32_t clockSeed()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    const auto wide = static_cast<std::uint64_t>(ticks);
    return static_cast<std::uint32_t>(wide ^ (wide >> 32));
}

} // namespace

ClockRandom::ClockRandom()
    : ClockRandom(clockSeed())
{
}

ClockRandom::ClockRandom(std::uint32_t seed)
    : m_generator(seed)
{
}

float ClockRandom::next()
{
    return static_cast<float>(m_generator() >> 8) * 0x1p-24f;
}

} // namespace kaleidra
