#pragma once
// The heaviest header the users open with: their base.
#include "lib/Deep.h"

struct TBase {
    TDeep Deep;
    int Value = 0;
};
