#include "engine/VC.h"

#include "platform/rtl/Exceptions.h"

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

size_t ViewKindIndex(long viewIndex) {
    if (viewIndex < 0 || viewIndex >= ViewKindCount) RaiseRangeError();
    return size_t(viewIndex);
}
