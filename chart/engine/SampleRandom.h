#pragma once
// The chart library's random generator for sample values: one linear congruential generator
// with a global, reseedable state. Sample values are never reproduced, so its sequence only
// needs to be cheap and spread.
#include <cstdint>

// A random integer 0 .. limit-1 (0 for a limit below 1).
int RandomBelow(int limit);
void SetRandomSeed(uint32_t seed);
