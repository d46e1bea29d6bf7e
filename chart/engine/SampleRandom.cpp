#include "chart/engine/SampleRandom.h"

#include <chrono>

namespace {
uint32_t RandSeed = 0;

uint64_t SystemClockTicks() {
    return uint64_t(std::chrono::system_clock::now().time_since_epoch().count());
}
TRandomizeClock Clock = SystemClockTicks;
}  // namespace

void SetRandomSeed(uint32_t seed) { RandSeed = seed; }
uint32_t RandomSeed() { return RandSeed; }

void SetRandomizeClock(TRandomizeClock clock) { Clock = clock ? clock : SystemClockTicks; }

void Randomize() {
    // Both halves of the ticks: the low half alone wraps round every few seconds.
    const uint64_t ticks = Clock();
    RandSeed = uint32_t(ticks) ^ uint32_t(ticks >> 32);
}

int RandomBelow(int limit) {
    RandSeed = RandSeed * 134775813u + 1u;
    if (limit < 1) return 0;
    // The high bits of the state are the well-mixed ones.
    return int((uint64_t(RandSeed) * uint64_t(limit)) >> 32);
}
