#pragma once
// The oscillators of a price list, as plain functions over arrays. The window forms read the
// points first .. last only (the performance also reads the very first point); the commodity
// channel index runs once over the whole list. No function allocates.

// v[last] - v[first]: a window of P points looks P - 1 points back.
double Momentum(const double* v, int first, int last);
// v[last] x 100 / v[first]; 0 when v[first] is 0.
double MomentumDivision(const double* v, int first, int last);
// The change from the list's very first value in percent, whatever the window; 0 when that
// first value is 0.
double Performance(const double* v, int last);
// Where v[last] lies between the window's lowest low and highest high, in percent; 0 when the
// two are equal.
double Stochastic(const double* v, const double* low, const double* high, int first, int last);

enum TRSIStyle { rsiOpenClose, rsiClose };
// The relative strength over the window, 0 .. 100. Open-close style: each candle adds its close
// to the up sum, or to the down sum when it opened above it. Close style: each change of close
// from the point before (within the window) adds to the up or the down sum. Without down moves
// it is 100.
double RelativeStrength(const double* close, const double* open, int first, int last,
                        TRSIStyle style);

// The commodity channel index of period p (at least 1) over n points. typical[] (room for n)
// receives (close + high + low) / 3 of each point. For every point from p - 1 on whose mean
// deviation is not 0 it writes the point's index to at[] and the index's value to out[] (room for n
// each) and returns how many it wrote; a constant of 0 counts as 1.
int CommodityChannelIndex(const double* close, const double* high, const double* low, int n, int p,
                          double constant, double* typical, int* at, double* out);
