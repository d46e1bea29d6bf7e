#pragma once
// The named gradients the gradient editor offers as a starting point. A preset sets the three
// colours, the direction and the balance of a gradient and nothing else.
#include <span>

#include "chart/foundation/TeeGradient.h"

struct TGradientPreset {
    const char* Name;
    TColor StartColor;
    // clNone switches the middle colour off.
    TColor MidColor;
    TColor EndColor;
    int Balance;
    TGradientDirection Direction;
};

// In the editor's index order (its list shows them sorted by name).
std::span<const TGradientPreset> GradientPresets();

// StartColor, MidColor, EndColor, Direction and Balance of gradient, in that order.
void ApplyGradientPreset(TCustomTeeGradient& gradient, const TGradientPreset& preset);
