#pragma once
// The Smith chart's mapping of a normalised impedance z = r + i x to the reflection coefficient
// (z - 1) / (z + 1), the point of the unit circle where it is drawn. z = -1 has no such point.
#include <optional>

struct TReflection {
    double Re = 0;
    double Im = 0;
};

std::optional<TReflection> SmithReflection(double resistance, double reactance);
