#include "seams/random_source.h"

#include <chrono>

namespace seams {

void ClockSeededRandom::reseed()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    m_engine.seed(static_cast<std::mt19937::result_type>(ticks ^ (ticks >> 32)));
}

float ClockSeededRandom::next()
{
    // The top 24 of 32 bits: exactly what a float holds below 1.
    constexpr float kUnit = 1.0F / (1U << 24);
    return static_cast<float>(m_engine() >> 8) * kUnit;
}

} // namespace seams
