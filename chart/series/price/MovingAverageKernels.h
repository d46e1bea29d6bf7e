#pragma once
// The averages that smooth one list of values, as plain functions over arrays: the window
// forms take the window's first and last index and read nothing outside it; the exponential
// average runs once over the whole list. No function allocates.
//
// A null point is told apart by a flag per point (nonzero: null); a null pointer for the flags
// means no point is null.

// The mean of v[first .. last]; an empty window (last < first) is worth 0.
double WindowAverage(const double* v, int first, int last);
// The mean weighted by the positions x: sum(v x) / sum(x); 0 when the weights sum to 0.
double PositionWeightedAverage(const double* v, const double* x, int first, int last);
// The oldest point of the window weighs 1, the newest n.
double IndexWeightedAverage(const double* v, int first, int last);
// weight x v[last] + (1 - weight) x v[last - 1], and v[0] itself at index 0. It mixes two
// source values and never feeds back an earlier result.
double TwoPointBlend(const double* v, int last, double weight);

// The exponential moving average with k = 2 / (period + 1), seeded with the first value it
// takes. With ignoreNulls the null points count like any other; without it they add no result
// and leave the average as it was (the seed is the first point that is not null, or the last
// point when every point is null). Writes each result's source index to at[] and its value to
// out[] (room for n each) and returns how many it wrote: none when period is not above 0 or
// there are fewer than two points.
int ExpMovingAverage(const double* v, const unsigned char* nulls, int n, double period,
                     bool ignoreNulls, int* at, double* out);
