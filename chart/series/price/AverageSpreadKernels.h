#pragma once
// Indicators that compare a fast and a slow exponential average of one list of values (both
// seeded with the first value, k = 2 / (period + 1)), as plain functions over the array. Each
// writes one result per value to out[] (room for n) and returns the count: none below two
// values or when either period is not above 0.

// fast - slow: the MACD line.
int MacdLine(const double* v, int n, double fastPeriod, double slowPeriod, double* out);
// (fast - slow) / fast x 100 with percentage, else (fast - slow) x 100; where the fast average
// is 0 the percentage form gives slow x 100.
int PercentageOscillator(const double* v, int n, double fastPeriod, double slowPeriod,
                         bool percentage, double* out);
