// The ranges of a series' points (inside the axes, on the current page), values as pixels, and
// sample values.
#include <algorithm>
#include <cmath>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/SampleRandom.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/rtl/DateTime.h"

// --- Pixels.

int TChartSeries::XValueToPixel(double value) const {
    return FResolvedHorizAxis->PixelOfValue(value);
}
int TChartSeries::YValueToPixel(double value) const {
    return FResolvedVertAxis->PixelOfValue(value);
}
int TChartSeries::ValueToMandatoryPixel(double value) const {
    return FYMandatory ? YValueToPixel(value) : XValueToPixel(value);
}
double TChartSeries::PixelToXValue(int pixel) const {
    return FResolvedHorizAxis->ValueAtPixel(pixel);
}
double TChartSeries::PixelToYValue(int pixel) const {
    return FResolvedVertAxis->ValueAtPixel(pixel);
}
int TChartSeries::XSizeToPixels(double value) const {
    return FResolvedHorizAxis->ValueSizeInPixels(value);
}
int TChartSeries::YSizeToPixels(double value) const {
    return FResolvedVertAxis->ValueSizeInPixels(value);
}

// --- Ranges.

// The value on the position axis at an edge of the chart rectangle. Axis offsets move the
// edge inward by the offset, less one pixel for a vertical series.
double TChartSeries::VisibleRangeBound(bool startCorner) const {
    const TRect r = FParentChart->ChartRect();
    const TChartAxis& axis = FYMandatory ? *FResolvedHorizAxis : *FResolvedVertAxis;
    const bool offsets = axis.MinimumOffset() != 0 || axis.MaximumOffset() != 0;
    const bool low = startCorner != axis.Inverted();  // the end where values are lowest
    int pixel;
    if (FYMandatory) {
        pixel = low ? r.Left : r.Right;
        if (offsets)
            pixel =
                startCorner ? pixel + axis.MinimumOffset() - 1 : pixel - axis.MaximumOffset() + 1;
    } else {
        pixel = low ? r.Bottom : r.Top;
        if (offsets)
            pixel = startCorner ? pixel - axis.MaximumOffset() : pixel + axis.MinimumOffset();
    }
    return axis.ValueAtPixel(pixel);
}

void TChartSeries::ComputeVisibleRange() {
    FirstInView = LastInView = -1;
    if (Count() == 0) return;
    const TChartValueList& positions = NotMandatoryValueList();
    const TChartAxis* axis = FYMandatory ? FResolvedHorizAxis : FResolvedVertAxis;
    if (!ClipsToAxisRange || positions.Order() == loNone || !axis) {
        FirstInView = 0;
        LastInView = Count() - 1;
        return;
    }
    const TPointRange range = VisibleRange(positions, VisibleRangeBound(true),
                                           VisibleRangeBound(false), ReachesRangeEdge);
    FirstInView = range.First;
    LastInView = range.Last;
}

TPointRange TChartSeries::CalcPageRange() const {
    if (!FParentChart) return PageRange(Count(), 0, 1);
    return PageRange(Count(), FParentChart->MaxPointsPerPage(), FParentChart->CurrentPage());
}

// --- Sample values.

TChartSeries& TChartSeries::FillSampleValues(int numValues) {
    if (numValues < 0) throw ChartException(TxtFillSampleValuesNumValuesMustBe0);
    if (numValues == 0) numValues = NumSampleValues > 0 ? NumSampleValues : DefaultSampleCount();
    Clear();
    SetRandomSeed(uint32_t(RandomBelow(7774444)));
    {
        TSeriesUpdate update(*this);
        AddRandomValues(numValues, false);
        ApplyValueOrder();
    }
    DataEnteredByHand = false;
    return *this;
}

TSampleValueBounds TChartSeries::SampleValueBounds(int n) {
    double minY = 0, maxY = 1000, minX, maxX;
    if (FParentChart && FParentChart->MaxPointsOfActiveSeries() > 0) {
        TCustomAxisPanel& c = *FParentChart;
        minY = c.SeriesMinY(FResolvedVertAxis);
        maxY = c.SeriesMaxY(FResolvedVertAxis);
        minX = c.SeriesMinX(FResolvedHorizAxis);
        maxX = c.SeriesMaxX(FResolvedHorizAxis);
        if (maxY == minY) maxY = minY != 0 ? 2 * minY : 1000;
        if (maxX == minX) maxX = minX != 0 ? 2 * minX : n - 1;
        if (!FYMandatory) {
            std::swap(minX, minY);
            std::swap(maxX, maxY);
        }
    } else if (FX->DateTime()) {
        minX = Date();
        maxX = minX + n - 1;
    } else {
        minX = 0;
        maxX = n - 1;
    }
    TSampleValueBounds b;
    b.FirstX = minX;
    b.StepX = maxX - minX;
    if (n > 1) b.StepX /= (n - 1);
    b.SpreadY = std::clamp(maxY - minY, -2147483647.0, 2147483647.0);
    b.MinY = minY;
    b.StartY = RandomBelow(100) * b.SpreadY * 0.01 + minY;
    return b;
}

void TChartSeries::AddRandomValues(int numValues, bool onlyMandatory) {
    const TSampleValueBounds b = SampleValueBounds(numValues);
    const double q = b.SpreadY / 4;
    double x = b.FirstX;
    double y = b.StartY;
    for (int i = 0; i < numValues; ++i) {
        // A random walk that stays above zero.
        y = std::fabs(RandomBelow(100) * q * 0.01 + y - q / 2);
        if (onlyMandatory)
            AddValue(y);
        else if (FYMandatory)
            AddXYPoint(x, y);
        else
            AddXYPoint(y, x);
        x += b.StepX;
    }
}
