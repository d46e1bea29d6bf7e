#pragma once
// Least-squares lines through (x, y) pairs: the straight line y = m x + b, the exponential
// curve y = A e^(b x) (a straight line through (x, ln y)) and Pearson's correlation r. The sums
// are kept relative to the first pair, in extended precision, so that positions far from zero
// (dates) keep their digits; every formula below is invariant under that shift. Plain numeric
// code: no chart, no platform.

class TTrendSums {
public:
    void Add(double x, double y);
    int Count() const { return FCount; }

    // y = Slope x + Intercept. Positions that are all equal have no slope: the line is y = x.
    struct TLine {
        double Slope, Intercept;
    };
    TLine Line() const;
    // y = Scale e^(Rate x), fitted to (x, y) pairs already given as (x, ln y). Positions that
    // are all equal give the rate 1.
    struct TExponential {
        double Scale, Rate;
    };
    TExponential Exponential() const;
    // Pearson's r; 1 for fewer than two pairs or when either set does not vary.
    double Correlation() const;

private:
    int FCount = 0;
    double FX0 = 0, FY0 = 0;
    long double FSumX = 0, FSumY = 0, FSumXY = 0, FSumXX = 0, FSumYY = 0;
};
