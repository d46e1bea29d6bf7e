#include "engine/Global.h"

#include <new>

const std::array<const char*, ViewKindCount> ViewKindNames = {
    "Normal Effective Emissivity", "Directional Effective Emissivity",
    "Right Conical Effective Emissivity", "Integrated Effective Emissivity",
    "Local Hemispherical Effective Emissivity"};

const std::array<uint8_t, ViewKindCount> ViewParamCounts = {2, 3, 3, 3, 1};

const std::array<std::array<const char*, 4>, ViewKindCount> ViewParamNames = {{
    {"YB", "RB", "", ""},
    {"ZB", "RB", "b (\u00B0)", ""},
    {"YB", "ZB", "w (\u00B0)", ""},
    {"YD", "RD", "H", ""},
    {"Xi", "Z", "Y", "isf"},
}};

TSharedData Shared;

bool StopFlag = false;

void ResetSharedData() {
    // The area holds about 2.6 MB of results: rebuild it in place rather than through a
    // temporary on the stack.
    Shared.~TSharedData();
    new (&Shared) TSharedData();
}
