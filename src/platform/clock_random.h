// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The clocks and the random source behind the scatter of the pieces, the reward flight's pace
// and the parent's hold. All are replaceable so tests can fix the time and the numbers.
#include <chrono>
#include <cstdint>
#include <ctime>
#include <functional>

namespace platform {

// Calendar time in seconds.
std::time_t currentTime();
void setClock(std::function<std::time_t()> clock); // empty: the real clock again

// The monotonic clock that paces animations and times holds.
using SteadyTime = std::chrono::steady_clock::time_point;
SteadyTime steadyNow();
void setSteadyClock(std::function<SteadyTime()> clock); // empty: the real clock again

// A classic linear congruential generator (15-bit results), so the scatter order depends on the
// seed alone and not on the C library.
void seedRandom(std::uint32_t seed);
int nextRandom();
void setRandomSource(std::function<int()> source); // empty: the generator again

} // namespace platform
