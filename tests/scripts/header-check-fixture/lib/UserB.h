#pragma once
// Lean.h first, on purpose: alone, a user reads it before Base.h.
// clang-format off
#include "lib/Lean.h"
#include "lib/Base.h"
// clang-format on

inline int UserB(const TBase& base) { return LeanValue(base) + base.Value; }
