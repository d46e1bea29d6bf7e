#pragma once
// The foundation's shutdown clears shared values that the other tests of the program rely on:
// a test that shuts it down puts them back with this.
#include "chart/foundation/DefaultChartFont.h"
#include "chart/foundation/DefaultColors.h"
#include "chart/foundation/FieldLists.h"

inline void RestoreFoundationValues() {
    SetupDefaultChartFont(false);
    ResetDefaultColors();
    LoadFieldSeparator();
}
