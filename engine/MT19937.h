#pragma once
// The engine's one random generator: MT19937 in its 1998 reference form, seeded through the
// 69069 linear congruential initialisation. Every random decision of a run draws from it; it
// touches no other generator of the program. Each thread has its own state, so that threads
// tracing rays side by side draw from their own streams.
#include <cstdint>

#include "engine/Global.h"

inline constexpr int MTStateSize = 624;
// MTIndex of a generator that was never seeded; the first draw seeds it with MTDefaultSeed.
inline constexpr int32_t MTUnseeded = 625;
inline constexpr uint32_t MTDefaultSeed = 4357;

extern thread_local uint32_t MTState[MTStateSize];
extern thread_local int32_t MTIndex;

// Fills the state from `seed` and marks it used up, so the next draw regenerates it.
void MTSeed(uint32_t seed);
// Seeds from the clock (a different seed per call).
void MTRandomize();
// Fills the state from a 64-bit key through the SplitMix64 sequence and marks it used up: the
// generator of one block of rays of a run, whose key tells the run, the viewing condition and the
// block apart. Distinct keys give distinct states (the 32-bit seed of MTSeed would let a run of a
// million blocks repeat streams).
void MTSeedStream(uint64_t key);
// Regenerates the 624 words (seeding with MTDefaultSeed first when never seeded).
void MTGenerate();

// The next tempered word.
inline uint32_t MTNext() {
    if (MTIndex >= MTStateSize) [[unlikely]]
        MTGenerate();
    uint32_t y = MTState[MTIndex++];
    y ^= y >> 11;
    y ^= (y << 7) & 0x9D2C5680u;
    y ^= (y << 15) & 0xEFC60000u;
    y ^= y >> 18;
    return y;
}

// A uniform real in [0, 1): the word times 2^-32, exact in extended precision.
inline Real MTRandom() { return static_cast<Real>(MTNext()) * 0x1p-32L; }
