#pragma once

#include <cstdint>

// A high-resolution clock reading; replaceable so that tests control time.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual std::uint64_t nanoseconds() = 0;
};

// The system's high-resolution clock.
class SystemClock final : public Clock
{
public:
    std::uint64_t nanoseconds() override;
};
