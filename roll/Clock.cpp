#include "roll/Clock.h"

#include <chrono>

std::uint64_t SystemClock::nanoseconds()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

QDateTime SystemClock::now()
{
    return QDateTime::currentDateTime();
}
