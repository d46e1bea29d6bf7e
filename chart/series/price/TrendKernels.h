#pragma once
// The trend indicators of a price history, as plain functions over its high, low and close
// arrays. Each runs once over the points and allocates nothing.

// Where the directional movement results lie: +DI and -DI for the source points diFirst ..
// diFirst + diCount - 1, the ADX for adxFirst .. adxFirst + adxCount - 1.
struct TDirectionalCounts {
    int DIFirst = 0;
    int DICount = 0;
    int ADXFirst = 0;
    int ADXCount = 0;
};

// The directional movement of period p over n points (Wilder's sum smoothing S - S/p + value).
// The first ADX averages the p - 1 DX values it has seen, the later ones smooth by p. Nothing
// when p < 2 or 2p > n. up[], down[] and adx[] need room for n values each. While the smoothed
// true range is 0 (prices without any range) both DI are 0.
TDirectionalCounts DirectionalMovement(const double* high, const double* low, const double* close,
                                       int n, double p, double* up, double* down, double* adx);

// The parabolic stop-and-reverse level of n points: the first two points only seed it (the high
// of point 1 in an up trend; point 0's level, its close, is never read back), so out[] receives
// the levels of points 2 .. n - 1; returns their count, 0 for 2 points or fewer.
int ParabolicSAR(const double* high, const double* low, int n, double acceleration, double maxStep,
                 double* out);
