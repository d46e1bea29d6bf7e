#pragma once
// The geometry of a sales funnel in value coordinates: the points sorted by quote, the largest
// Qmax first and the smallest Qmin last, each a segment one unit wide. The funnel's top edge
// falls from Qmax to (Qmax + Qmin) / 2 and its bottom edge rises from 0 to (Qmax - Qmin) / 2,
// both by the step s = (Qmax - Qmin) / 2 / count per segment. A segment is filled up to the
// level its opportunity reaches against its quote.
#include <vector>

struct TFunnelScale {
    double QuoteMax = 0;
    double QuoteMin = 0;
    double Step = 0;
};

TFunnelScale MakeFunnelScale(double quoteMax, double quoteMin, int count);

// A corner of a fill polygon in value coordinates (x along the funnel, y the value).
struct TFunnelCorner {
    double X = 0;
    double Y = 0;
};

// Opportunity over quote; 0 for a quote of 0.
double FunnelRatio(double opportunity, double quote);

enum TFunnelColorKind { fcAbove, fcWithin, fcBelow };
// Above at a ratio of 1 or more; below when it misses the quote by more than limit percent.
TFunnelColorKind FunnelColorKind(double ratio, double differenceLimit);

// The four corners of segment i: top left, top right, bottom right, bottom left.
void FunnelSegmentCorners(const TFunnelScale& scale, int i, TFunnelCorner (&corners)[4]);

// The level the segment is filled to, in value units.
double FunnelFillLevel(const TFunnelScale& scale, int i, double ratio);

// The polygon filled for segment i at that ratio. toY maps a value to a screen row (larger is
// lower), which decides the four cases, as the drawing does.
template <class ToY>
std::vector<TFunnelCorner> FunnelFillPolygon(const TFunnelScale& scale, int i, double ratio,
                                             ToY toY);

// --- Implementation of the template.

template <class ToY>
std::vector<TFunnelCorner> FunnelFillPolygon(const TFunnelScale& sc, int i, double r, ToY toY) {
    TFunnelCorner p[4];
    FunnelSegmentCorners(sc, i, p);
    const double level = FunnelFillLevel(sc, i, r);
    const int l = toY(level);
    const double left = i - 0.5;
    const double height = sc.QuoteMax - 2 * sc.Step * i;  // the segment's left side
    if (toY(p[0].Y) >= l) return {p[0], p[1], p[2], p[3]};
    if (toY(p[1].Y) >= l) {
        // The top edge comes down to the level at xa.
        const double xa = sc.Step == 0 ? p[1].X : height * (1 - r) / sc.Step + left;
        return {{left, level}, {xa, level}, p[1], p[2], p[3]};
    }
    if (toY(p[2].Y) < l) {
        // The bottom edge rises to the level at xb.
        const double xb = sc.Step == 0 ? left : height * r / sc.Step + left;
        return {{left, level}, {xb, level}, p[3]};
    }
    return {{left, level}, {p[1].X, level}, p[2], p[3]};
}
