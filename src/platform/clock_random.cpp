// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/clock_random.h"

#include <utility>

namespace platform {
namespace {
std::function<std::time_t()> clockOverride;
std::function<int()> randomOverride;
std::function<SteadyTime()> steadyOverride;
std::uint32_t randomState = 1;
} // namespace

std::time_t currentTime() {
    return clockOverride ? clockOverride() : std::time(nullptr);
}

void setClock(std::function<std::time_t()> clock) {
    clockOverride = std::move(clock);
}

SteadyTime steadyNow() {
    return steadyOverride ? steadyOverride() : std::chrono::steady_clock::now();
}

void setSteadyClock(std::function<SteadyTime()> clock) {
    steadyOverride = std::move(clock);
}

void seedRandom(std::uint32_t seed) {
    randomState = seed;
}

int nextRandom() {
    if (randomOverride)
        return randomOverride();
    randomState = randomState * 214013u + 2531011u;
    return static_cast<int>((randomState >> 16) & 0x7fff);
}

void setRandomSource(std::function<int()> source) {
    randomOverride = std::move(source);
}

} // namespace platform
