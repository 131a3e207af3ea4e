#pragma once
// The clocks and the random source behind the scatter of the pieces and the parent's hold. All
// are replaceable so tests can fix the time and the numbers.
#include <cstdint>
#include <ctime>
#include <functional>

namespace platform {

// Calendar time in seconds.
std::time_t currentTime();
void setClock(std::function<std::time_t()> clock); // empty: the real clock again

// Milliseconds from a fixed point that never goes back: for holds and other short spans.
std::int64_t steadyMilliseconds();
void setSteadyClock(std::function<std::int64_t()> clock); // empty: the real clock again

// A classic linear congruential generator (15-bit results), so the scatter order depends on the
// seed alone and not on the C library.
void seedRandom(std::uint32_t seed);
int nextRandom();
void setRandomSource(std::function<int()> source); // empty: the generator again

} // namespace platform
