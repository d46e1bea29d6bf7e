#include "chart/series/algo/FunnelSegments.h"

TFunnelScale MakeFunnelScale(double quoteMax, double quoteMin, int count) {
    TFunnelScale s{quoteMax, quoteMin, 0};
    if (count > 0) s.Step = (quoteMax - quoteMin) * 0.5 / count;
    return s;
}

double FunnelRatio(double opportunity, double quote) {
    return quote == 0 ? 0 : opportunity / quote;
}

TFunnelColorKind FunnelColorKind(double ratio, double differenceLimit) {
    if (ratio >= 1) return fcAbove;
    return (1 - ratio) * 100 > differenceLimit ? fcBelow : fcWithin;
}

void FunnelSegmentCorners(const TFunnelScale& sc, int i, TFunnelCorner (&p)[4]) {
    p[0] = {i - 0.5, sc.QuoteMax - i * sc.Step};
    p[1] = {i + 0.5, sc.QuoteMax - (i + 1) * sc.Step};
    p[2] = {i + 0.5, (i + 1) * sc.Step};
    p[3] = {i - 0.5, i * sc.Step};
}

double FunnelFillLevel(const TFunnelScale& sc, int i, double r) {
    return (sc.QuoteMax - 2 * sc.Step * i) * r + i * sc.Step;
}
