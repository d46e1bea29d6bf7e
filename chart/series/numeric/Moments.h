#pragma once
// One-pass sums for the spread of a set of values. The values are summed after subtracting the
// first one, in extended precision: the textbook n*sum(v^2) - sum(v)^2 loses every digit when
// the values share a large offset (dates, temperatures in kelvin), the shifted sums do not, and
// the result is the same quantity. Plain numeric code: no chart, no platform.
#include <cmath>

class TMoments {
public:
    void Add(double v) {
        if (FCount == 0) FShift = v;
        const long double d = (long double)v - FShift;
        FSum += d;
        FSumSquares += d * d;
        FRawSquares += (long double)v * v;
        ++FCount;
    }
    int Count() const { return FCount; }

    // The standard deviation, over n (complete) or n - 1 values of freedom; 0 below two values.
    double StdDeviation(bool complete) const {
        if (FCount < 2) return 0;
        const long double n = FCount;
        const long double spread = n * FSumSquares - FSum * FSum;
        const long double var = spread / (complete ? n * n : n * (n - 1));
        return var < 0 ? 0 : double(std::sqrt(var));
    }
    // The root of the mean square, over n (complete) or n - 1 values; 0 below two values.
    double RootMeanSquare(bool complete) const {
        if (FCount < 2) return 0;
        return double(std::sqrt(FRawSquares / (complete ? FCount : FCount - 1)));
    }

private:
    int FCount = 0;
    double FShift = 0;
    long double FSum = 0;
    long double FSumSquares = 0;
    long double FRawSquares = 0;
};

// The population variance of values[0 .. n-1] by two passes (mean, then squared deviations);
// 0 for no values.
double PopulationVariance(const double* values, int n);
