#pragma once

#include <QDateTime>

#include <cstdint>

// The program's one reading of time: a high-resolution count for seeding the dice, and
// the wall clock for what is dated (a roll, a saved game, a kept sheet). Nothing else in
// the program asks the system for the time, so tests set it.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual std::uint64_t nanoseconds() = 0;
    // The local date and time now.
    virtual QDateTime now() = 0;
};

// The system's clocks.
class SystemClock final : public Clock
{
public:
    std::uint64_t nanoseconds() override;
    QDateTime now() override;
};
