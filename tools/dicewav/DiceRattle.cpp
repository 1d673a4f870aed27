#include "DiceRattle.h"

#include "RattleRandom.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {
constexpr double Pi = 3.14159265358979323846;
constexpr double Fs = DiceRattle::SampleRate;

struct Mode
{
    double freq;  // Hz
    double decay; // seconds to fall by 1/e
    double gain;
};

// A 16 mm plastic die is stiff and well damped: its knock is a bright click, not a tone.
constexpr std::array<Mode, 6> DieModes = {{
    {2650, 0.0035, 0.8},
    {3900, 0.0028, 1.0},
    {5200, 0.0022, 0.8},
    {6800, 0.0018, 0.6},
    {8300, 0.0014, 0.45},
    {10100, 0.0011, 0.3},
}};

// Each die is a little different (size, corners, weight).
constexpr std::array<double, DiceRattle::DiceCount> DieTuning = {0.93, 1.0, 1.07};

// A solid wooden tabletop: a short low "tok" under the clicks.
constexpr std::array<Mode, 9> TableModes = {{
    {118, 0.045, 0.40},
    {171, 0.040, 0.55},
    {236, 0.034, 0.50},
    {322, 0.028, 0.42},
    {447, 0.022, 0.36},
    {611, 0.016, 0.30},
    {842, 0.012, 0.26},
    {1135, 0.009, 0.20},
    {1560, 0.007, 0.15},
}};

// Adds a decaying sinusoid that starts at index `start` with a soft attack of about
// `contact` seconds (the time the surfaces touch), so no knock starts with a step.
void addMode(std::vector<double> &out, std::size_t start, double freq, double decay, double amp, double contact)
{
    const double w = 2.0 * Pi * freq / Fs;
    const double fall = 1.0 / (decay * Fs);
    const double rise = 1.0 / std::max(contact * Fs, 1.0);
    const auto length = static_cast<std::size_t>(decay * Fs * 9.2); // down to 1e-4
    for (std::size_t n = 0; n < length && start + n < out.size(); ++n) {
        const double t = static_cast<double>(n);
        const double env = (1.0 - std::exp(-t * rise)) * std::exp(-t * fall);
        out[start + n] += amp * env * std::sin(w * t);
    }
}

// The scrape of the contact itself: a very short burst of bright noise.
void addClickNoise(std::vector<double> &out, std::size_t start, double amp, double decay, RattleRandom &random)
{
    const auto length = static_cast<std::size_t>(decay * Fs * 7.0);
    double previous = 0;
    for (std::size_t n = 0; n < length && start + n < out.size(); ++n) {
        const double white = random.signedUnit();
        const double bright = white - 0.6 * previous; // tilt towards the highs
        previous = white;
        out[start + n] += amp * bright * std::exp(-static_cast<double>(n) / (decay * Fs));
    }
}

// The dull push of dice into a palm: low noise, no ring.
void addThud(std::vector<double> &out, std::size_t start, double amp, RattleRandom &random)
{
    const double decay = 0.012;
    const auto length = static_cast<std::size_t>(decay * Fs * 7.0);
    const double a = std::exp(-2.0 * Pi * 380.0 / Fs); // one-pole low pass
    double low = 0;
    for (std::size_t n = 0; n < length && start + n < out.size(); ++n) {
        low = a * low + (1.0 - a) * random.signedUnit();
        const double t = static_cast<double>(n);
        const double env = (1.0 - std::exp(-t / (0.002 * Fs))) * std::exp(-t / (decay * Fs));
        out[start + n] += amp * 6.0 * low * env;
    }
}

void addDieKnock(std::vector<double> &out, std::size_t start, int die, double strength, double brightness,
                 double contact, RattleRandom &random)
{
    for (const Mode &m : DieModes) {
        const double freq = m.freq * DieTuning[static_cast<std::size_t>(die)] * random.around(1.0, 0.03);
        // Where the die is struck decides which of its modes answer.
        const double amp = strength * m.gain * std::exp(-freq / brightness) * random.between(0.35, 1.0);
        addMode(out, start, freq, m.decay * random.around(1.0, 0.2), amp, contact);
    }
}

// A small room: a few early reflections from the walls near the table and a short
// diffuse tail (comb filters into all-passes), mixed in lightly.
std::vector<double> withRoom(const std::vector<double> &dry)
{
    std::vector<double> wet(dry.size(), 0.0);

    constexpr std::array<std::pair<double, double>, 5> Reflections = {{
        {0.0071, 0.22},
        {0.0113, 0.16},
        {0.0167, 0.12},
        {0.0231, 0.09},
        {0.0297, 0.06},
    }};
    for (const auto &[delay, gain] : Reflections) {
        const auto d = static_cast<std::size_t>(delay * Fs);
        for (std::size_t i = d; i < dry.size(); ++i)
            wet[i] += gain * dry[i - d];
    }

    constexpr std::array<double, 4> CombDelays = {0.0297, 0.0371, 0.0411, 0.0437};
    constexpr double Rt60 = 0.28;
    std::vector<double> tail(dry.size(), 0.0);
    for (const double delay : CombDelays) {
        const auto d = static_cast<std::size_t>(delay * Fs);
        const double feedback = std::pow(10.0, -3.0 * delay / Rt60);
        std::vector<double> line(dry.size(), 0.0);
        double damp = 0;
        for (std::size_t i = 0; i < dry.size(); ++i) {
            const double back = i >= d ? line[i - d] : 0.0;
            damp = 0.55 * damp + 0.45 * back; // walls swallow the highs first
            line[i] = dry[i] + feedback * damp;
            tail[i] += 0.25 * back;
        }
    }
    for (const double delay : {0.005, 0.0017}) {
        const auto d = static_cast<std::size_t>(delay * Fs);
        const double g = 0.7;
        std::vector<double> out(tail.size(), 0.0);
        for (std::size_t i = 0; i < tail.size(); ++i) {
            const double xd = i >= d ? tail[i - d] : 0.0;
            const double yd = i >= d ? out[i - d] : 0.0;
            out[i] = -g * tail[i] + xd + g * yd;
        }
        tail = std::move(out);
    }

    std::vector<double> mixed(dry.size());
    for (std::size_t i = 0; i < dry.size(); ++i)
        mixed[i] = dry[i] + 0.55 * wet[i] + 0.22 * tail[i];
    return mixed;
}
} // namespace

DiceRattle::DiceRattle(std::uint64_t state)
    : m_state(state)
{
    planShaking();
    planThrow();
    std::sort(m_contacts.begin(), m_contacts.end(), [](const Contact &a, const Contact &b) { return a.time < b.time; });
}

void DiceRattle::add(double time, double strength, Kind kind, int die, int other)
{
    if (time >= 0 && time < Seconds)
        m_contacts.push_back({time, strength, kind, die, other});
}

void DiceRattle::planShaking()
{
    RattleRandom random(m_state ^ 0x5a4b3c2d1e0fULL);
    // Three strokes of the hand, about seven a second; the dice hit the palm at the
    // turn of each stroke and knock against each other on the way.
    constexpr std::array<double, 3> Strokes = {0.010, 0.152, 0.296};
    for (std::size_t k = 0; k < Strokes.size(); ++k) {
        const double stroke = Strokes[k];
        const double force = 0.42 + 0.08 * static_cast<double>(k);
        add(stroke, force, Kind::Palm, 0);
        const int clicks = 6 + static_cast<int>(random.unit() * 4.0);
        double t = stroke + random.between(0.001, 0.004);
        double s = force * 0.75;
        for (int c = 0; c < clicks; ++c) {
            const int a = static_cast<int>(random.unit() * DiceCount);
            const int b = (a + 1 + static_cast<int>(random.unit() * (DiceCount - 1))) % DiceCount;
            add(t, s * random.around(1.0, 0.3), Kind::Shake, a, b);
            t += random.between(0.003, 0.011);
            s *= 0.84;
        }
        // A stray knock or two while the hand swings back.
        add(stroke + random.between(0.080, 0.120), random.between(0.06, 0.12), Kind::Shake, 0, 2);
    }
}

void DiceRattle::planThrow()
{
    RattleRandom random(m_state ^ 0x7f6e5d4c3b2aULL);

    struct Plan
    {
        double landing;  // first touch of the table
        double strength; // of that touch
        double firstGap; // flight time before the first bounce
        double restitution;
        int tumbles; // edge-over-edge knocks after the bounces
        double rest; // when its last rocking tick has died away
    };
    // Released at about 0.40 s; the dice fly apart and come to rest one after another.
    constexpr std::array<Plan, DiceCount> Plans = {{
        {0.468, 1.00, 0.082, 0.50, 7, 1.30},
        {0.497, 0.86, 0.094, 0.47, 8, 1.57},
        {0.541, 0.93, 0.074, 0.52, 9, 1.83},
    }};

    for (int die = 0; die < DiceCount; ++die) {
        const Plan &p = Plans[static_cast<std::size_t>(die)];
        double t = p.landing;
        double gap = p.firstGap * random.around(1.0, 0.08);
        double s = p.strength;
        // Bounces: each flight shorter than the last by the restitution, each landing softer.
        while (gap > 0.016) {
            add(t, s, Kind::Table, die);
            if (random.chance(0.55)) // corner first, then the face slaps down
                add(t + random.between(0.0015, 0.0045), s * random.between(0.3, 0.55), Kind::Table, die);
            t += gap;
            gap *= p.restitution * random.around(1.0, 0.1);
            s *= random.between(0.52, 0.62);
        }

        // Tumbling: the die rolls over its edges, slowing down, each knock weaker. Then it
        // rocks on its face with quicker and quicker ticks, and lies still at `rest`.
        std::vector<double> tumbleGaps;
        double g = 0.045;
        for (int k = 0; k < p.tumbles; ++k) {
            tumbleGaps.push_back(g * random.around(1.0, 0.18));
            g *= 1.16;
        }
        std::vector<double> rockGaps;
        double r = 0.034;
        for (int k = 0; k < 5; ++k) {
            rockGaps.push_back(r * random.around(1.0, 0.1));
            r *= 0.62;
        }
        double planned = 0;
        for (const double x : tumbleGaps)
            planned += x;
        double rocking = 0;
        for (const double x : rockGaps)
            rocking += x;
        const double stretch = (p.rest - t - rocking) / planned;

        // Rolling over keeps much of the throw's energy: the first knocks are still firm.
        double ts = std::max(s * 1.15, 0.34 * p.strength);
        for (const double x : tumbleGaps) {
            add(t, ts * random.around(1.0, 0.25), Kind::Table, die);
            if (random.chance(0.35))
                add(t + random.between(0.002, 0.006), ts * random.between(0.25, 0.5), Kind::Table, die);
            t += x * stretch;
            ts *= 0.83;
        }
        double rs = std::min(ts, 0.1);
        for (const double x : rockGaps) {
            add(t, rs, Kind::Table, die);
            t += x;
            rs *= 0.72;
        }
    }

    // The dice run into each other while they are still lively.
    add(0.583, 0.52, Kind::Clash, 0, 1);
    add(0.712, 0.40, Kind::Clash, 1, 2);
    add(0.861, 0.30, Kind::Clash, 0, 2);
    add(1.104, 0.17, Kind::Clash, 1, 2);
}

std::vector<std::int16_t> DiceRattle::render() const
{
    const auto total = static_cast<std::size_t>(Seconds * Fs);
    std::vector<double> mix(total, 0.0);
    RattleRandom random(m_state ^ 0x1f2e3d4c5b6aULL);

    for (const Contact &c : m_contacts) {
        const auto start = static_cast<std::size_t>(c.time * Fs);
        switch (c.kind) {
        case Kind::Palm:
            addThud(mix, start, c.strength * 0.5, random);
            addDieKnock(mix, start, c.die, c.strength * 0.25, 2500.0, 0.0006, random);
            break;
        case Kind::Shake:
            // Inside the hand the highs are muffled by the fingers.
            addDieKnock(mix, start, c.die, c.strength * 0.6, 3200.0, 0.0003, random);
            addDieKnock(mix, start, c.other, c.strength * 0.45, 3200.0, 0.0003, random);
            addClickNoise(mix, start, c.strength * 0.015, 0.0004, random);
            break;
        case Kind::Table: {
            // A hard landing is a short contact and reaches the die's higher modes.
            const double brightness = 4500.0 + 6000.0 * c.strength;
            const double contact = 0.00025 - 0.00013 * c.strength;
            addDieKnock(mix, start, c.die, c.strength, brightness, contact, random);
            addClickNoise(mix, start, c.strength * 0.12, 0.0005, random);
            // Light rocking ticks hardly move the tabletop; landings make it thump.
            const double board = std::pow(c.strength, 1.4) * 0.55;
            for (const Mode &m : TableModes)
                addMode(mix, start, m.freq * random.around(1.0, 0.02), m.decay,
                        board * m.gain * random.between(0.5, 1.0), 0.0008);
            break;
        }
        case Kind::Clash:
            addDieKnock(mix, start, c.die, c.strength, 12000.0, 0.00008, random);
            addDieKnock(mix, start, c.other, c.strength * 0.8, 12000.0, 0.00008, random);
            addClickNoise(mix, start, c.strength * 0.15, 0.0003, random);
            break;
        }
    }

    std::vector<double> room = withRoom(mix);

    // Remove any slow drift, then set the loudest knock a little below full scale.
    double x1 = 0, y1 = 0;
    const double r = std::exp(-2.0 * Pi * 30.0 / Fs);
    for (double &v : room) {
        const double y = v - x1 + r * y1;
        x1 = v;
        y1 = y;
        v = y;
    }
    double peak = 0;
    for (const double v : room)
        peak = std::max(peak, std::abs(v));
    const double scale = peak > 0 ? 0.8 / peak : 0.0;

    // The last few milliseconds fade to silence so the player stops without a click.
    const auto fade = static_cast<std::size_t>(0.040 * Fs);
    std::vector<std::int16_t> samples(total);
    for (std::size_t i = 0; i < total; ++i) {
        double v = room[i] * scale;
        if (i + fade >= total)
            v *= 0.5 * (1.0 - std::cos(Pi * static_cast<double>(total - 1 - i) / static_cast<double>(fade)));
        samples[i] = static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0, 1.0) * 32767.0));
    }
    return samples;
}
