#include "chart/engine/SampleRandom.h"

namespace {
uint32_t RandSeed = 0;
}

void SetRandomSeed(uint32_t seed) { RandSeed = seed; }

int RandomBelow(int limit) {
    RandSeed = RandSeed * 134775813u + 1u;
    if (limit < 1) return 0;
    // The high bits of the state are the well-mixed ones.
    return int((uint64_t(RandSeed) * uint64_t(limit)) >> 32);
}
