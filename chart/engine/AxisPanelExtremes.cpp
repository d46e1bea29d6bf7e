// Which series an axis shows, the extremes of their values along it (page by page when points
// are paged), and the depth of the 3-D view.
#include <algorithm>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartSeries.h"
#include "chart/foundation/View3DOptions.h"
#include "platform/rtl/RtlMath.h"

bool TCustomAxisPanel::IsAxisShown(const TChartAxis* axis) const {
    if (!FAxisVisible || !axis->Visible()) return false;
    if (axis->IsDepthAxis) return View3D();
    return SeriesUseAxis(axis, true);
}

bool TCustomAxisPanel::SeriesUseAxis(const TChartAxis* axis, bool fallback) const {
    bool anyActive = false;
    for (const TChartSeries* s : *FSeriesList) {
        if (!s->Active()) continue;
        anyActive = true;
        if (!s->UsesAxes()) return false;
        if (s->UsesAxis(axis)) return true;
    }
    return anyActive ? false : fallback;
}

bool TCustomAxisPanel::NoActiveSeriesUsesAxis(const TChartAxis* axis) const {
    return std::none_of(FSeriesList->begin(), FSeriesList->end(),
                        [axis](const TChartSeries* s) { return s->Active() && s->UsesAxis(axis); });
}

bool TCustomAxisPanel::CountsForAxis(const TChartSeries& s, const TChartAxis* axis) const {
    return s.UsesAxis(axis) && (s.Active() || NoActiveSeriesUsesAxis(axis));
}

TChartSeries* TCustomAxisPanel::FirstSeriesOfAxis(const TChartAxis* axis) const {
    for (TChartSeries* s : *FSeriesList)
        if (CountsForAxis(*s, axis)) return s;
    return nullptr;
}

TChartSeries* TCustomAxisPanel::BusiestSeriesOfAxis(const TChartAxis* axis) const {
    TChartSeries* result = nullptr;
    for (TChartSeries* s : *FSeriesList)
        if (CountsForAxis(*s, axis) && (!result || s->Count() > result->Count())) result = s;
    return result;
}

void TCustomAxisPanel::CustomAxesFollowMaster(TChartAxis* master, double minimum, double maximum) {
    ForEachAxis([&](TChartAxis& axis) {
        if (axis.Master == master) axis.SetLimits(minimum, maximum);
    });
}

// --- Extremes.

double TCustomAxisPanel::Extreme(bool isMin, bool isX, const TChartAxis* axis) {
    if (axis->IsDepthAxis) {
        // A depth axis labelled by values (series spread over depth) scales by the Z values;
        // one showing series titles by the depth rows.
        if (axis->EffectiveLabelStyle() != talValue) return isMin ? -0.5 : DepthRowCount + 0.5;
        bool any = false;
        double result = 0;
        for (TChartSeries* s : *FSeriesList) {
            if (!s->Active()) continue;
            const double v = isMin ? s->GetMinZValue() : s->GetMaxZValue();
            if (!any || (isMin ? v < result : v > result)) result = v;
            any = true;
        }
        return result;
    }
    const TChartSeries* first = FirstSeriesOfAxis(axis);
    const bool carriesPositions =
        isX ? (!first || first->YMandatory()) : (first && !first->YMandatory());
    if (MaxPointsPerPage() > 0 && carriesPositions) return PagedExtreme(isMin, isX, axis);

    const bool autoScale = MaxPointsPerPage() > 0 && FPages->AutoScale();
    const bool noActive = NoActiveSeriesUsesAxis(axis);
    bool any = false;
    double result = 0;
    for (TChartSeries* s : *FSeriesList) {
        if (!(s->Active() || noActive) || s->Count() == 0) continue;
        const bool uses = isX ? (s->HorizAxis() == aBothHorizAxis || s->ResolvedHorizAxis() == axis)
                              : (s->VertAxis() == aBothVertAxis || s->ResolvedVertAxis() == axis);
        if (!uses) continue;
        double v;
        if (autoScale) {
            // The points of the current page only.
            const int from = FPages->FirstPointOfPage();
            if (from >= s->Count()) continue;
            const int to = std::min(s->Count(), from + MaxPointsPerPage()) - 1;
            const TChartValueList& list = isX ? s->XValues() : s->YValues();
            v = list[from];
            for (int i = from + 1; i <= to; ++i)
                v = isMin ? std::min(v, list[i]) : std::max(v, list[i]);
        } else if (isX) {
            v = isMin ? s->GetMinXValue() : s->GetMaxXValue();
        } else {
            v = isMin ? s->GetMinYValue() : s->GetMaxYValue();
        }
        if (!any || (isMin ? v < result : v > result)) result = v;
        any = true;
    }
    return result;
}

// The positions of the busiest series' current page; with ScaleLastPage off a short last page
// is stretched to the width of a full one.
double TCustomAxisPanel::PagedExtreme(bool isMin, bool isX, const TChartAxis* axis) {
    const TChartSeries* s = BusiestSeriesOfAxis(axis);
    if (!s || s->Count() == 0) return 0;
    const TPointRange r = s->CalcPageRange();
    const TChartValueList& list = isX ? s->XValues() : s->YValues();
    if (isMin) return list[r.First];
    double maximum = list[r.Last];
    const int perPage = MaxPointsPerPage();
    const int d = r.Last - r.First + 1;
    if (!FPages->ScaleLastPage() && d < perPage) {
        const double x = list[r.First];
        maximum = maximum == x ? x + double(perPage) / d : x + (maximum - x) * perPage / d;
    }
    return maximum;
}

// --- Depth.

void TCustomAxisPanel::CalcDepthSizes() {
    if (!View3D()) {
        DepthRowSize = DepthRowHeight = 0;
        SetWidth3D(0);
        SetHeight3D(0);
        return;
    }
    const double f = FChart3DPercent * 0.001;
    DepthRowSize = RoundToInt(ChartWidth() * (View3DOptions()->Orthogonal() ? f : 2 * f));
    const double slope = View3DOptions()->OrthoSlope();
    if (slope > 1) DepthRowSize = RoundToInt(DepthRowSize / slope);
    DepthRowHeight = RoundToInt(DepthRowSize * slope);
    const int rows = ZOrderingEnabled() ? std::max(1, DepthRowCount + 1) : 1;
    SetHeight3D(rows * DepthRowHeight);
    SetWidth3D(rows * DepthRowSize);
}
