#pragma once

#include <functional>

// The clock as the program reads it: seconds since midnight, single precision.
// Tests may put a source of their own in its place.
namespace Clock {

float secondsSinceMidnight();

using Source = std::function<float()>;
// An empty source gives the real clock back.
void setSource(Source source);

} // namespace Clock
