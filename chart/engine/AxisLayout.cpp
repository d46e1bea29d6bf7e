// Where an axis goes beside the chart rectangle and how much room its title, labels, line and
// ticks take. "Outward" is away from the chart: down for the bottom axis, up for a horizontal
// axis on the other side, left for the left axis and right for a vertical one on the other side.
#include <algorithm>

#include "chart/engine/ChartAxis.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/HitTests.h"
#include "platform/rtl/RtlMath.h"

bool TAxisHost::AxisIsShown(const TChartAxis& axis) { return axis.Visible(); }

TCanvas3D* TChartAxis::Canvas3D() const {
    return FHost ? dynamic_cast<TCanvas3D*>(FHost->AxisCanvas()) : nullptr;
}

int TChartAxis::WallSizeOfStandardAxis(int index) const {
    // The chart lists its six standard axes first: bottom, top, left, right and the depth axes.
    if (!FHost) return 0;
    int i = 0, size = 0;
    FHost->ForEachAxis([&](TChartAxis& axis) {
        if (i++ == index) size = FHost->AxisWallSize(axis);
    });
    return size;
}

int TChartAxis::EdgeOf(const TRect& rect) const {
    if (FHorizontal) return FOtherSide ? rect.Top : rect.Bottom;
    return FOtherSide ? rect.Right : rect.Left;
}

int TChartAxis::Outward(int position, int pixels) const {
    const bool towardsHigher = FHorizontal != FOtherSide;  // down or right
    return towardsHigher ? position + pixels : position - pixels;
}

int TChartAxis::PositionOffset(const TRect& rect) const {
    if (FPositionUnits == muPixels) return RoundToInt(FPositionPercent);
    const int span = FHorizontal ? rect.Bottom - rect.Top : rect.Right - rect.Left;
    return RoundToInt(FPositionPercent * 0.01 * span);
}

int TChartAxis::LineAndTicksSize() {
    int size = 0;
    if (Axis()->Visible()) size = Axis()->Width() + 1;
    if (Ticks()->Visible()) size += TickLength();
    if (MinorTicks()->Visible()) size = std::max(size, MinorTickLength());
    return size;
}

int TChartAxis::LabelsSpace() {
    const int size = LabelSize(LabelsFont(), FLabels.LabelsAngle, FLabels.LabelsSize, nullptr);
    return FLabels.LabelsAlternate ? 2 * size : size;
}

void TChartAxis::PlaceInChartRect(TRect& rect, bool shrink) {
    if (!shrink) {
        FAxisPosition = Outward(EdgeOf(rect), -PositionOffset(rect));
        FLabelsPosition = Outward(FAxisPosition, LineAndTicksSize());
        FTitlePosition = Outward(FLabelsPosition, LabelsSpace());
        return;
    }
    auto lose = [&](int n) {
        if (FHorizontal)
            FOtherSide ? rect.Top += n : rect.Bottom -= n;
        else
            FOtherSide ? rect.Right -= n : rect.Left += n;
    };
    TChartAxisTitle& title = *Title();
    if (IsDepthAxis) {
        FTitlePosition = FOtherSide ? rect.Right : rect.Left;
    } else if (title.Visible() && !title.Caption().empty()) {
        lose(LabelSize(title.Font(), title.Angle(), TitleSize(), &title.Caption()));
        FTitlePosition = EdgeOf(rect);
    }
    if (Labels()) {
        const int space = LabelsSpace();
        lose(FHost ? FHost->AxisLabelsRoom(*this, space) : space);
        FLabelsPosition = EdgeOf(rect);
    }
    FWallSize = FHost ? FHost->AxisWallSize(*this) : 0;
    const int inner = FWallSize + LineAndTicksSize();
    if (inner > 0) lose(inner);
    // The line lies on the edge of what is left: the chart rectangle's edge on this side.
    const int offset = PositionOffset(rect);
    FAxisPosition = Outward(EdgeOf(rect), -offset);
    FTitlePosition = Outward(FTitlePosition, -offset);
    FLabelsPosition = Outward(FLabelsPosition, -offset);
}

TRect TChartAxis::AxisBounds() {
    int across0 = FAxisPosition, across1 = FAxisPosition;
    if (Labels()) {
        across0 = FLabelsPosition;
        across1 = Outward(FAxisPosition, -3);
    }
    const int a0 = std::min(across0, across1), a1 = std::max(across0, across1);
    const int s0 = std::min(FIStartPos, FIEndPos), s1 = std::max(FIStartPos, FIEndPos);
    return FHorizontal ? TRect{s0, a0, s1, a1} : TRect{a0, s0, a1, s1};
}

bool TChartAxis::ContainsPoint(int x, int y) {
    if (!FHost || !FHost->AxisIsShown(*this)) return false;
    const TRect r = AxisBounds();
    TCanvas3D* canvas = Canvas3D();
    if (FHost->AxisView3D() && canvas) {
        const auto corners =
            canvas->ProjectRectCorners(r, FOtherSide ? FHost->AxisChartDepth() : 0);
        return PointInPolygon(TPoint{x, y}, corners, 3);
    }
    // Edges included: an axis without labels is the line alone, a rectangle without width.
    return x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom;
}

void TChartAxis::PlaceTitleBeyondLabels() {
    if (Labels()) FTitlePosition = Outward(FLabelsPosition, LabelsSpace());
}
