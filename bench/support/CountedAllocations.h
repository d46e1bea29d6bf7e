#pragma once
// Counts every allocation of the benchmark program that includes it, so that a benchmark can show
// that a drawing pass allocates nothing per point. It replaces the global operator new: include
// it in exactly one source of a program.
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>

inline std::atomic<int64_t> Allocations{0};

void* operator new(std::size_t size) {
    ++Allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
