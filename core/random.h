#pragma once

#include <cstdint>
#include <span>

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
// Fills `out` with distinct values from `first` to `first + n - 1`, in the order drawn: each a
// draw from 1 to n moved to start at `first`, a value already in `out` drawn again. Never
// reseeds: the callers reseed where they need to. `out` holds at most n values.
void drawDistinct(std::span<std::int16_t> out, int n, int first);

} // namespace Random
