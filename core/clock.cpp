#include "core/clock.h"

#include <QTime>

namespace {
Clock::Source& source()
{
    static Clock::Source s;
    return s;
}
} // namespace

float Clock::secondsSinceMidnight()
{
    if (source())
        return source()();
    return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
}

void Clock::setSource(Source s) { source() = std::move(s); }
