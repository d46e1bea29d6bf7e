#pragma once
// The five kinds of viewing condition, indexed by ViewIndex 0..4: their names, how many
// parameters each keeps with a result, and the names of their table's fields.
#include <array>
#include <cstddef>
#include <cstdint>

inline constexpr int ViewKindCount = 5;

extern const std::array<const char*, ViewKindCount> ViewKindNames;
extern const std::array<uint8_t, ViewKindCount> ViewParamCounts;
// Kind 4 has four fields but keeps only the first with a result. Unused entries are empty.
extern const std::array<std::array<const char*, 4>, ViewKindCount> ViewParamNames;

// The kind tables' index of a ViewIndex read from a database or a file: one outside
// 0..ViewKindCount-1 raises ERangeError, the range error of the tables' bounds.
size_t ViewKindIndex(long viewIndex);
