#pragma once

#include "roll/Clock.h"
#include "roll/RandomSource.h"

#include <random>

// The production source: a 64-bit Mersenne Twister whose reseed folds the clock
// into the current state instead of replacing it, so two reseeds within one clock
// tick (a 5 ms shuffle can do that) still lead to different rolls.
class ClockRandomSource final : public RandomSource
{
public:
    explicit ClockRandomSource(Clock &clock);

    void reseed() override;
    float nextDraw() override;

private:
    Clock &m_clock;
    std::mt19937_64 m_engine;
};
