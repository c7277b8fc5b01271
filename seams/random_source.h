// What makes a quick prediction differ from one run to the next: chance.
#pragma once

#include <random>

namespace seams {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Starts a fresh sequence; called once at the start of every run.
    virtual void reseed() = 0;
    // The next value, uniform in [0, 1) with 24 random bits: a float below 1 is at most 1 - 2^-24.
    virtual float next() = 0;
};

// A Mersenne Twister seeded from the clock at every run.
class ClockSeededRandom final : public RandomSource {
public:
    void reseed() override;
    float next() override;

private:
    std::mt19937 m_engine;
};

} // namespace seams
