#include "engine/MT19937.h"

#include <ctime>

thread_local uint32_t MTState[MTStateSize];
thread_local int32_t MTIndex = MTUnseeded;

void MTSeed(uint32_t seed) {
    for (int i = 0; i < MTStateSize; ++i) {
        uint32_t word = seed & 0xFFFF0000u;
        seed = 69069u * seed + 1u;
        word |= (seed & 0xFFFF0000u) >> 16;
        seed = 69069u * seed + 1u;
        MTState[i] = word;
    }
    MTIndex = MTStateSize;
}

void MTSeedStream(uint64_t key) {
    for (int i = 0; i < MTStateSize; ++i) {
        key += 0x9E3779B97F4A7C15u;
        uint64_t z = key;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
        MTState[i] = static_cast<uint32_t>((z ^ (z >> 31)) >> 32);
    }
    MTIndex = MTStateSize;
}

void MTRandomize() {
    // The low 32 bits of a nanosecond clock: a different seed for every run.
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    const uint64_t ns =
        static_cast<uint64_t>(ts.tv_sec) * 1000000000u + static_cast<uint64_t>(ts.tv_nsec);
    MTSeed(static_cast<uint32_t>(ns));
}

namespace {
constexpr int kMiddle = 397;
constexpr uint32_t kMatrix = 0x9908B0DFu;
constexpr uint32_t kUpper = 0x80000000u;
constexpr uint32_t kLower = 0x7FFFFFFFu;

inline uint32_t Twist(uint32_t current, uint32_t next, uint32_t far) {
    const uint32_t y = (current & kUpper) | (next & kLower);
    return far ^ (y >> 1) ^ ((y & 1u) ? kMatrix : 0u);
}
}  // namespace

void MTGenerate() {
    if (MTIndex == MTUnseeded) MTSeed(MTDefaultSeed);
    int i = 0;
    for (; i < MTStateSize - kMiddle; ++i)
        MTState[i] = Twist(MTState[i], MTState[i + 1], MTState[i + kMiddle]);
    for (; i < MTStateSize - 1; ++i)
        MTState[i] = Twist(MTState[i], MTState[i + 1], MTState[i + kMiddle - MTStateSize]);
    MTState[MTStateSize - 1] = Twist(MTState[MTStateSize - 1], MTState[0], MTState[kMiddle - 1]);
    MTIndex = 0;
}
