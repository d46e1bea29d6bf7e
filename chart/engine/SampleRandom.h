#pragma once
// The chart library's random generator for sample values: one linear congruential generator
// with a global, reseedable state. Sample values are never reproduced, so its sequence only
// needs to be cheap and spread. The engine's start-up seeds it from the clock (Randomize), so
// that the sample charts differ from one run to the next.
#include <cstdint>

// A random integer 0 .. limit-1 (0 for a limit below 1).
int RandomBelow(int limit);
void SetRandomSeed(uint32_t seed);
uint32_t RandomSeed();
// Seeds the generator from the clock.
void Randomize();
// The clock Randomize reads, in any unit that changes between runs; nullptr restores the
// system clock. Tests give a fixed one.
using TRandomizeClock = uint64_t (*)();
void SetRandomizeClock(TRandomizeClock clock);
