#include "roll/ClockRandomSource.h"

namespace {
// SplitMix64's finaliser: spreads the few changing low bits of a clock reading
// over the whole word before it meets the generator's state.
std::uint64_t mix(std::uint64_t x)
{
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}
} // namespace

ClockRandomSource::ClockRandomSource(Clock &clock)
    : m_clock(clock)
    , m_engine(mix(clock.nanoseconds()))
{
}

void ClockRandomSource::reseed()
{
    // Fold, do not replace: the next state depends on everything drawn so far.
    m_engine = std::mt19937_64(m_engine() ^ mix(m_clock.nanoseconds()));
}

float ClockRandomSource::nextDraw()
{
    // The top 24 bits make a float in [0, 1) exactly: k / 2^24 with k < 2^24.
    const auto k = static_cast<std::uint32_t>(m_engine() >> 40);
    return static_cast<float>(k) * (1.0f / 16777216.0f);
}
