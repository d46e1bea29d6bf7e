// The drawing pass of one axis: title, labels, line, ticks, grid, inner ticks, minor ticks and
// minor grid. The label walk registers the tick positions once; every later step reuses them.
#include <algorithm>
#include <cmath>

#include "chart/engine/AxisGridPen.h"
#include "chart/engine/AxisItems.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/NamedPartGuard.h"
#include "chart/foundation/Canvas3D.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/ValueGuard.h"

namespace {

// The grid pen's default colour stands for this grey.
constexpr TColor DefaultGridColor = TColor(0x808080);

template <class V>
void SetDrawSetting(TChartAxis& axis, V& field, V value) {
    if (field == value) return;
    field = value;
    if (axis.Host()) axis.Host()->AxisChanged(axis);
}

}  // namespace

void TChartAxis::SetTickLength(int value) { SetDrawSetting(*this, FParts->TickLength, value); }
void TChartAxis::SetTickInnerLength(int value) {
    SetDrawSetting(*this, FParts->TickInnerLength, value);
}
void TChartAxis::SetMinorTickLength(int value) {
    SetDrawSetting(*this, FParts->MinorTickLength, value);
}
void TChartAxis::SetMinorTickCount(int value) {
    SetDrawSetting(*this, FParts->MinorTickCount, value);
}
void TChartAxis::SetTitleSize(int value) { SetDrawSetting(*this, FParts->TitleSize, value); }

bool TChartAxis::GridCentered() const { return FGrid->Centered(); }
void TChartAxis::SetGridCentered(bool value) { FGrid->SetCentered(value); }

void TChartAxis::PublishDrawing(TPublisher<TChartAxis>& p) {
    using A = TChartAxis;
    p.Object("Axis", &A::Axis, &A::SetAxis);
    // Stored with the grid pen as its "Centered".
    p.Boolean("GridCentered", &A::GridCentered, &A::SetGridCentered).Stored(false);
    p.Object("MinorGrid", &A::MinorGrid, &A::SetMinorGrid);
    p.Integer("MinorTickCount", &A::MinorTickCount, &A::SetMinorTickCount).Default(3);
    p.Integer("MinorTickLength", &A::MinorTickLength, &A::SetMinorTickLength).Default(2);
    p.Object("MinorTicks", &A::MinorTicks, &A::SetMinorTicks);
    p.Integer("TickInnerLength", &A::TickInnerLength, &A::SetTickInnerLength).Default(0);
    p.Integer("TickLength", &A::TickLength, &A::SetTickLength).Default(4);
    p.Object("Ticks", &A::Ticks, &A::SetTicks);
    p.Object("TicksInner", &A::TicksInner, &A::SetTicksInner);
    p.Object("Title", &A::Title, &A::SetTitle);
    p.Integer("TitleSize", &A::TitleSize, &A::SetTitleSize).Default(0);
}

int TChartAxis::DepthLabelRow() const {
    const TRect r = FHost ? FHost->AxisChartRect() : TRect{};
    return FOtherSide ? r.Bottom - FZPixel : r.Top + FZPixel;
}

void TChartAxis::Draw(bool computePosition) {
    TCanvas3D* canvas = Canvas3D();
    if (!canvas) return;
    TCanvas3D& c = *canvas;
    const TNamedPartGuard part(c, "axis");
    if (computePosition) {
        const TRect rect = FHost->AxisChartRect();
        FAxisPosition = Outward(EdgeOf(rect), -PositionOffset(rect));
    }

    TChartAxisTitle& title = *Title();
    if (title.Visible() && !title.Caption().empty()) {
        if (IsDepthAxis)
            DrawTitleAt(FTitlePosition, DepthLabelRow());
        else if (FHorizontal)
            DrawTitleAt(FICenterPos, FTitlePosition);
        else
            DrawTitleAt(FTitlePosition, FICenterPos);
    }

    FLabelsDrawn = 0;
    FAlternateRowWidth = FLabels.LabelsAlternate && !FHorizontal ? WidestLabel() : 0;
    if (FItems->Auto()) {
        FItems->ClearLabelsOfPass();
        c.UseFont(LabelsFont());
        WalkLabels();
    } else {
        DrawCustomLabels();
    }

    c.Brush()->SetStyle(bsClear);
    c.SetBackgroundMode(TRANSPARENT);
    FWallSize = FHost->AxisWallSize(*this);
    if (Axis()->Visible()) DrawAxisLine(c);
    DrawTicks(c, *Ticks(), 1, TickLength());
    DrawGrid(c);
    DrawTicks(c, *TicksInner(), -1, -TickInnerLength());
    DrawMinorMarks(c);
    c.SetBackgroundMode(OPAQUE);
}

void TChartAxis::DrawAxisLine(TCanvas3D& c) {
    const TChartAxisPen& pen = *Axis();
    const int z = FZPixel;
    int x0, y0, x1, y1;  // the line, or the depths of a depth axis' line in z0 / z1
    int z0 = z, z1 = z;
    if (IsDepthAxis) {
        const TRect r = FHost->AxisChartRect();
        x0 = x1 = FAxisPosition;
        y0 = y1 = FOtherSide ? r.Bottom + WallSizeOfStandardAxis(0) - z : r.Top - z;
        z0 = FIStartPos;
        z1 = FIEndPos;
    } else if (FHorizontal) {
        y0 = y1 = FOtherSide ? FAxisPosition : FAxisPosition + FWallSize;
        x0 = FOtherSide ? FIStartPos : FIStartPos - WallSizeOfStandardAxis(2);
        x1 = FOtherSide ? FIEndPos : FIEndPos + WallSizeOfStandardAxis(3);
    } else {
        x0 = x1 = Outward(FAxisPosition, FWallSize);
        y0 = FIStartPos;
        y1 = FIEndPos + WallSizeOfStandardAxis(0);
    }
    if (pen.LineMode() == lmLine) {
        c.UsePen(&pen);
        if (IsDepthAxis)
            c.DrawDepthLine(x0, y0, z0, z1);
        else
            c.DrawLineAtZ(x0, y0, x1, y1, z);
        return;
    }
    // A solid as thick as the pen, in the pen's colour.
    c.Pen()->SetStyle(psClear);
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(pen.Color());
    const int w = pen.Width();
    const bool alongX = FHorizontal && !IsDepthAxis;
    const int left = alongX ? x0 : x0 - w, right = alongX ? x1 : x0 + w;
    const int top = alongX || IsDepthAxis ? y0 - w : y0,
              bottom = alongX || IsDepthAxis ? y0 + w : y1;
    const int front = IsDepthAxis ? z0 : z - w, back = IsDepthAxis ? z1 : z + w;
    if (pen.LineMode() == lmCylinder)
        c.DrawCylinder(!alongX, left, top, right, bottom, front, back, true);
    else
        c.DrawCuboid(left, right, top, bottom, front, back, true);
    c.Brush()->SetStyle(bsClear);
}

void TChartAxis::DrawTick(TCanvas3D& c, int p, int offset, int length) {
    const bool flat = !FHost->AxisView3D();
    const int z = FZPixel;
    if (IsDepthAxis) {
        const int sign = FOtherSide ? 1 : -1;
        c.DrawHorizontalLineAtZ(FAxisPosition + sign * offset,
                                FAxisPosition + sign * (offset + length), DepthLabelRow(), p);
    } else if (FHorizontal && FOtherSide) {
        const int y = FAxisPosition - offset;
        c.DrawVerticalLineAtZ(p, y, y - length, z);
    } else if (FOtherSide) {
        const int x = FAxisPosition + FWallSize + offset;
        c.DrawHorizontalLineAtZ(x, x + length, p, z);
    } else if (FHorizontal) {
        const int y = FAxisPosition + FWallSize + offset;
        flat ? c.DrawVerticalLine(p, y, y + length) : c.DrawVerticalLineAtZ(p, y, y + length, z);
    } else {
        const int x = FAxisPosition - FWallSize - offset;
        flat ? c.DrawHorizontalLine(x, x - length, p)
             : c.DrawHorizontalLineAtZ(x, x - length, p, z);
    }
}

void TChartAxis::DrawTicks(TCanvas3D& c, const TChartPen& pen, int offset, int length) {
    // A tick of no length is no tick: a wide pen would leave a dot at every label.
    if (!pen.Visible() || length == 0) return;
    c.UsePen(&pen);
    for (const int p : FTickPositions) DrawTick(c, p, offset, length);
}

void TChartAxis::DrawGridLine(TCanvas3D& c, int p, double zPosition) {
    // Lines on the ends would cover the axis line or the chart's frame.
    if (!(std::min(FIStartPos, FIEndPos) < p && p < std::max(FIStartPos, FIEndPos))) return;
    const TRect r = FHost->AxisChartRect();
    if (IsDepthAxis) {
        c.DrawVerticalLineAtZ(r.Left, r.Top, r.Bottom, p);
        c.DrawHorizontalLineAtZ(r.Left, r.Right, r.Bottom, p);
        return;
    }
    if (!FHost->AxisView3D()) {
        FHorizontal ? c.DrawVerticalLine(p, r.Top + 1, r.Bottom)
                    : c.DrawHorizontalLine(r.Left + 1, r.Right, p);
        return;
    }
    const bool behind = FHost->AxesBehind();
    const int depth = FHost->AxisChartDepth();
    const int back = behind ? depth : 0;
    if (!(behind && HideBackGrid)) {
        FHorizontal ? c.DrawVerticalLineAtZ(p, r.Top, r.Bottom, back)
                    : c.DrawHorizontalLineAtZ(r.Left, r.Right, p, back);
    }
    if (behind && !HideSideGrid) {
        const int front = RoundToInt(depth * zPosition * 0.01);
        if (front != depth) {
            FHorizontal ? c.DrawDepthLine(p, FAxisPosition, depth, front)
                        : c.DrawDepthLine(FAxisPosition, p, depth, front);
        }
    }
}

void TChartAxis::RedrawGrid() {
    TCanvas3D& c = *Canvas3D();
    c.Brush()->SetStyle(bsClear);
    c.SetBackgroundMode(TRANSPARENT);
    DrawGrid(c);
    c.SetBackgroundMode(OPAQUE);
}

void TChartAxis::DrawGrid(TCanvas3D& c) {
    const TAxisGridPen& grid = *FGrid;
    if (!FParts->GridVisibleOverride.value_or(grid.Visible())) return;
    if (OnBeforeDrawGrid) OnBeforeDrawGrid(*this);
    const TColor color = grid.Color() == clDefault ? DefaultGridColor : grid.Color();
    if (grid.Visible()) {
        c.UsePenWithColor(&grid, color);
    } else {
        // Shown for this call only: a visible copy, the pen itself untouched.
        TChartPen shown;
        shown.Assign(&grid);
        shown.SetVisible(true);
        c.UsePenWithColor(&shown, color);
    }
    const size_t every = size_t(std::max(1, grid.DrawEvery()));
    const bool centered = grid.Centered();
    const std::vector<int>& t = FTickPositions;
    for (size_t i = centered ? 1 : 0; i < t.size(); i += every) {
        const int p = centered ? RoundToInt((t[i] + t[i - 1]) * 0.5) : t[i];
        DrawGridLine(c, p, grid.ZPosition());
    }
}

std::vector<int> TChartAxis::MinorMarkPositions() {
    std::vector<int> marks;
    const std::vector<int>& t = FTickPositions;
    const int m = MinorTickCount();
    if (t.empty() || m <= 0) return marks;
    auto inside = [this](int p) {
        return std::min(FIStartPos, FIEndPos) < p && p < std::max(FIStartPos, FIEndPos);
    };
    auto add = [&](int p) {
        if (inside(p)) marks.push_back(p);
    };
    if (FLogarithmic) {
        // By value: m marks between each label value v and v times the base.
        const double base = FLogarithmicBase;
        std::vector<double> values{ValueAtPixel(t.back()) / base};
        for (const int p : t) {
            const double v = ValueAtPixel(p);
            if (std::find(values.begin(), values.end(), v) == values.end()) values.push_back(v);
        }
        for (const double v : values)
            for (int j = 1; j <= m; ++j) {
                const double mark = v + j * (v * base - v) / (m + 1);
                if (mark >= FIMinimum && mark <= FIMaximum) add(PixelOfValue(mark));
            }
        return marks;
    }
    auto gap = [&](int from, int s) {
        for (int j = 1; j <= m; ++j) add(from - RoundToInt(double(j) * s / (m + 1)));
    };
    for (size_t i = 1; i < t.size(); ++i) gap(t[i], t[i] - t[i - 1]);
    if (t.size() >= 2) {
        // Beyond both ends, at the spacing of the first gap.
        const int s = t[1] - t[0];
        gap(t.front(), s);
        gap(t.back(), -s);
    }
    return marks;
}

void TChartAxis::DrawMinorMarks(TCanvas3D& c) {
    const bool ticks = MinorTicks()->Visible() && MinorTickLength() != 0;
    const bool grid = MinorGrid()->Visible();
    if ((!ticks && !grid) || FTickPositions.empty()) return;
    const std::vector<int> marks = MinorMarkPositions();
    if (ticks) {
        c.UsePen(MinorTicks());
        for (const int p : marks) DrawTick(c, p, 1, MinorTickLength());
    }
    if (grid) {
        c.UsePen(MinorGrid());
        for (const int p : marks) DrawGridLine(c, p, FGrid->ZPosition());
    }
}

void TChartAxis::DrawAtPositions(int labelsPosition, int titlePosition, int axisPosition,
                                 bool gridVisible, int startPosition, int endPosition) {
    FLabelsPosition = labelsPosition;
    FTitlePosition = titlePosition;
    FAxisPosition = axisPosition;
    SetPositions(startPosition, endPosition);
    // The grid pen itself is left alone, so that nothing asks for a repaint.
    const TValueGuard<std::optional<bool>> grid(FParts->GridVisibleOverride, gridVisible);
    Draw(false);
}

void TChartAxis::DrawWithRangeAt(int labelsPosition, int titlePosition, int axisPosition,
                                 bool gridVisible, double minimum, double maximum, double increment,
                                 int startPosition, int endPosition) {
    // Guards end in reverse order: the settings come back first, then the working range is
    // recomputed from them, also when drawing fails.
    struct TRecompute {
        TChartAxis& Axis;
        ~TRecompute() { Axis.ComputeRange(); }
    } recompute{*this};
    const TValueGuard<double> min(FMinimum, minimum), max(FMaximum, maximum),
        inc(FIncrement, increment);
    const TValueGuard<bool> automatic(FAutomatic, false), automaticMin(FAutomaticMinimum, false),
        automaticMax(FAutomaticMaximum, false);
    ComputeRange();
    DrawAtPositions(labelsPosition, titlePosition, axisPosition, gridVisible, startPosition,
                    endPosition);
}
