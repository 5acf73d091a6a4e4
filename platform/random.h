#pragma once

#include <cstdint>

// The program's one pseudo-random generator.
//
// Generation procedures reseed it from the clock before their draws, sometimes inside a loop
// that repeats until a value fits. A reseed therefore mixes the clock reading into the
// current state instead of replacing it: two reseeds with the same reading (a fast machine,
// a frozen clock) still lead to different values, and such a loop always ends.
namespace Random {

// Exact seed, for tests that replay a sequence.
void seed(std::uint64_t value);
// Mixes a clock reading (seconds since midnight) into the state.
void reseed(float clockReading);
// Reseeds from the program's clock.
void reseedFromClock();
// Next value in [0, 1).
double next();
// A draw from 1 to n: next value times n, truncated, plus 1 (n at least 1).
int draw(int n);

} // namespace Random
