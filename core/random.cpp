#include "core/random.h"

#include "core/clock.h"

#include <algorithm>
#include <bit>

namespace {

std::uint64_t state = 0x9E3779B97F4A7C15ull;

std::uint64_t splitmix(std::uint64_t& s)
{
    std::uint64_t z = (s += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

} // namespace

void Random::seed(std::uint64_t value) { state = value; }

void Random::reseed(float clockReading)
{
    // The state keeps moving, so the same reading twice never replays a value.
    std::uint64_t mixed = state ^ (std::uint64_t(std::bit_cast<std::uint32_t>(clockReading)) * 0xD6E8FEB86659FD93ull);
    state = splitmix(mixed);
}

void Random::reseedFromClock() { reseed(Clock::secondsSinceMidnight()); }

double Random::next()
{
    // 53 random bits: evenly spread over [0, 1), never 1.
    return double(splitmix(state) >> 11) * 0x1.0p-53;
}

int Random::draw(int n)
{
    if (n < 1)
        return 1;
    return static_cast<int>(next() * n) + 1;
}

void Random::drawDistinct(std::span<std::int16_t> out, int n, int first)
{
    // More values than there are to draw would never end: only n are drawn.
    if (out.size() > std::size_t(std::max(n, 0)))
        out = out.first(std::size_t(std::max(n, 0)));
    for (auto it = out.begin(); it != out.end(); ++it) {
        std::int16_t value;
        do
            value = std::int16_t(draw(n) - 1 + first);
        while (std::find(out.begin(), it, value) != it);
        *it = value;
    }
}
