#pragma once
#include "lib/Base.h"
#include "lib/Lean.h"

inline int UserA(const TBase& base) { return LeanValue(base) + base.Value; }
