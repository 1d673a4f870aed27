#pragma once

#include <cstdint>

// A small generator of our own (SplitMix64) so that the rattle comes out the same,
// sample for sample, with every standard library: the distributions of <random>
// are not specified bit for bit.
class RattleRandom
{
public:
    explicit RattleRandom(std::uint64_t state)
        : m_state(state)
    {
    }

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1), 53 bits.
    double unit() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }

    // Uniform in [lo, hi).
    double between(double lo, double hi) { return lo + (hi - lo) * unit(); }

    // Uniform in [-1, 1).
    double signedUnit() { return 2.0 * unit() - 1.0; }

    // value * (1 +- spread), for natural variation of a planned quantity.
    double around(double value, double spread) { return value * (1.0 + spread * signedUnit()); }

    bool chance(double p) { return unit() < p; }

private:
    std::uint64_t m_state;
};
