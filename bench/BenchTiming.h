#pragma once

#include <chrono>
#include <functional>

// How long the work takes, in milliseconds of the steady clock.
inline double Milliseconds(const std::function<void()> &work)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}
