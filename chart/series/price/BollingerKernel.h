#pragma once
// The Bollinger bands of one list of values, as a plain function over the array.

// Bands of period `period` (p = its rounded value, at least 1) over n values: for each window of
// p values ending at point i (i = p - 1 .. n - 1), the average of the window (the exponential
// average with k = 2 / (period + 1) at point i, or the window's plain mean) plus and minus
// `deviation` population standard deviations of the window, the spread computed with the
// unrounded period. upper[] and lower[] (room for n each) receive the bands of points p - 1 on;
// returns their count. Nothing for a period that rounds below 1, and nothing exponential below
// two values, where there is no exponential average to read.
int BollingerBands(const double* v, int n, double period, bool exponential, double deviation,
                   double* upper, double* lower);
