#pragma once
// The indicators that weigh prices by traded volume, as plain functions over arrays. Each writes
// one result per point to out[] (room for n) and returns the count.

// Where each close lies in its high-low range, from -1 (at the low) to 1 (at the high); 1 for
// a bar without range. The values of points below volumeCount are multiplied by the volume
// (volume may be null: no volumes); with accumulate each adds the result before it.
int CloseLocationValue(const double* high, const double* low, const double* close, int n,
                       const double* volume, int volumeCount, bool accumulate, double* out);

// The running sum of volumes, adding a candle's volume when it closed above its own open and
// subtracting it otherwise; the first point takes its volume as it is. n is the number of points
// that have both a candle and a volume.
int OnBalanceVolume(const double* open, const double* close, const double* volume, int n,
                    double* out);
