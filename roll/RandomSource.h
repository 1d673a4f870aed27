#pragma once

// The application's one pseudo-random source, shared by every window that rolls.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    // Stirs a fresh reading of the clock into the source's state.
    virtual void reseed() = 0;

    // The next value u, uniform with 0 <= u < 1; never 1.
    virtual float nextDraw() = 0;
};
