#pragma once

#include "core/clock.h"

// A clock that reads what the test sets.
class FakeClock
{
public:
    explicit FakeClock(float start = 36000.0f) : now(start)
    {
        Clock::setSource([this] { return now; });
    }
    ~FakeClock() { Clock::setSource({}); }
    FakeClock(const FakeClock&) = delete;
    FakeClock& operator=(const FakeClock&) = delete;

    float now;
};
