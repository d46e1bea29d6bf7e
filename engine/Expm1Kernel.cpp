#include "engine/Expm1Kernel.h"

void FastRadianceRatios(const double* __restrict lambdaM, const double* __restrict e, double c2,
                        double T, int n, double* __restrict out) {
    for (int j = 0; j < n; ++j) out[j] = e[j] / Expm1Kernel(c2 / (lambdaM[j] * T));
}
