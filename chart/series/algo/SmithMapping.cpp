#include "chart/series/algo/SmithMapping.h"

std::optional<TReflection> SmithReflection(double resistance, double reactance) {
    const double e = resistance * resistance + reactance * reactance;
    const double d = e + 2 * resistance + 1;
    if (!(d > 0)) return std::nullopt;
    const double k = 1 / d;
    return TReflection{(e - 1) * k, 2 * reactance * k};
}
