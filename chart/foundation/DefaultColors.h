#pragma once
// The colours given in turn to new series and points.
#include <span>
#include <vector>

#include "platform/graphics/Colors.h"

extern std::vector<TColor> DefaultColors;

// The twenty standard colours, red first.
void ResetDefaultColors();
// Replaces the list; an empty list is refused (the old one stays), since DefaultColorAt cycles
// through it.
void SetDefaultColors(std::span<const TColor> Colors);
// The colour Index (>= 0) cycling through the list; clNone once the list has been freed.
TColor DefaultColorAt(int Index);
void FreeDefaultColors();
