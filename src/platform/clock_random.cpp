#include "platform/clock_random.h"

#include <chrono>
#include <utility>

namespace platform {
namespace {
std::function<std::time_t()> clockOverride;
std::function<std::int64_t()> steadyOverride;
std::function<int()> randomOverride;
std::uint32_t randomState = 1;
} // namespace

std::time_t currentTime() {
    return clockOverride ? clockOverride() : std::time(nullptr);
}

void setClock(std::function<std::time_t()> clock) {
    clockOverride = std::move(clock);
}

std::int64_t steadyMilliseconds() {
    if (steadyOverride)
        return steadyOverride();
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void setSteadyClock(std::function<std::int64_t()> clock) {
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
