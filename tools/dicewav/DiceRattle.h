#pragma once

#include <cstdint>
#include <vector>

// Three dice shaken in a hand, thrown, clattering and bouncing on a wooden table and
// coming to rest: the sound a roll starts with. The sound is planned as a list of
// contacts (when, how hard, what against what) and each contact is rendered as a
// short knock through the resonances of the dice and of the tabletop, then a little
// room is added. Everything is fixed by the constructor's state value, so the build
// makes the same file every time.
class DiceRattle
{
public:
    static constexpr int SampleRate = 44100;
    static constexpr double Seconds = 2.0;
    static constexpr int DiceCount = 3;

    enum class Kind {
        Palm,  // the dice thrown against the cupped hand while shaking
        Shake, // die against die inside the hand, muffled
        Table, // die on the tabletop: a landing, a bounce, a tumble or a rock
        Clash, // die against die on the table
    };

    struct Contact
    {
        double time = 0;     // seconds from the start
        double strength = 0; // 1 = the hardest landing
        Kind kind = Kind::Table;
        int die = 0;
        int other = 0; // the second die of a Shake or Clash
    };

    explicit DiceRattle(std::uint64_t state = 0x51a7e0d1ce5eedULL);

    const std::vector<Contact> &contacts() const { return m_contacts; }

    // The whole sound as 16-bit samples, mono, SampleRate per second.
    std::vector<std::int16_t> render() const;

private:
    void planShaking();
    void planThrow();
    void add(double time, double strength, Kind kind, int die, int other = 0);

    std::uint64_t m_state;
    std::vector<Contact> m_contacts;
};
