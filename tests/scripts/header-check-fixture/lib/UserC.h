#pragma once
#include "lib/Lean.h"
#include "lib/Base.h"

inline int UserC(const TBase& base) { return LeanValue(base) + base.Value; }
