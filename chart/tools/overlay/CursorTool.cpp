#include "chart/tools/overlay/CursorTool.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartSeries.h"
#include "chart/foundation/Canvas3D.h"
#include "platform/classes/Cursors.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Colors.h"

const TEnumInfo& CursorToolStyleNames() {
    static const TEnumInfo names{"cssHorizontal", "cssVertical", "cssBoth", "cssScope",
                                 "cssScopeOnly"};
    return names;
}

const TEnumInfo& ScopeCursorStyleNames() {
    static const TEnumInfo names{"scsRectangle", "scsCircle", "scsDiamond", "scsEmpty",
                                 "scsCamera"};
    return names;
}

const TEnumInfo& SnapStyleNames() {
    static const TEnumInfo names{"ssDefault", "ssHorizontal", "ssVertical"};
    return names;
}

TCursorTool::TCursorTool(TComponent* owner) : TTeeCustomToolSeries(owner) {}

TCursorTool::~TCursorTool() = default;

void TCursorTool::Publish(TPublisher<TCursorTool>& p) {
    p.Integer("ClickTolerance", &TCursorTool::ClickTolerance, &TCursorTool::SetClickTolerance)
        .Default(3);
    p.Boolean("FollowMouse", &TCursorTool::FollowMouse, &TCursorTool::SetFollowMouse)
        .Default(false);
    p.Integer("HorizSize", &TCursorTool::HorizSize, &TCursorTool::SetHorizSize).Default(0);
    p.Object("Pen", &TCursorTool::Pen, &TCursorTool::SetPen);
    p.Integer("ScopeSize", &TCursorTool::ScopeSize, &TCursorTool::SetScopeSize).Default(4);
    p.Enumeration("ScopeStyle", ScopeCursorStyleNames(), &TCursorTool::ScopeStyle,
                  &TCursorTool::SetScopeStyle)
        .Default(scsRectangle);
    p.Boolean("Snap", &TCursorTool::Snap, &TCursorTool::SetSnap).Default(false);
    p.Enumeration("SnapStyle", SnapStyleNames(), &TCursorTool::SnapStyle,
                  &TCursorTool::SetSnapStyle)
        .Default(TSnapStyle::ssDefault);
    p.Enumeration("Style", CursorToolStyleNames(), &TCursorTool::Style, &TCursorTool::SetStyle)
        .Default(cssBoth);
    p.Boolean("UseSeriesZ", &TCursorTool::UseSeriesZ, &TCursorTool::SetUseSeriesZ).Default(false);
    p.Integer("VertSize", &TCursorTool::VertSize, &TCursorTool::SetVertSize).Default(0);
}

void TCursorTool::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TCursorTool*>(source)) {
        FClickTolerance = other->FClickTolerance;
        FFollowMouse = other->FFollowMouse;
        FHorizSize = other->FHorizSize;
        FScopeSize = other->FScopeSize;
        FScopeStyle = other->FScopeStyle;
        FSnap = other->FSnap;
        FSnapStyle = other->FSnapStyle;
        FStyle = other->FStyle;
        FUseSeriesZ = other->FUseSeriesZ;
        FVertSize = other->FVertSize;
        FullChartRect = other->FullChartRect;
        FXValue = other->FXValue;
        FYValue = other->FYValue;
    }
    TTeeCustomToolSeries::Assign(source);
}

void TCursorTool::SetStyle(TCursorToolStyle value) {
    if (value == FStyle) return;
    FStyle = value;
    SnapToPoint();
    Repaint();
}

void TCursorTool::SetSeries(TChartSeries* value) {
    TTeeCustomToolSeries::SetSeries(value);
    FLastSnap = -1;
    if (value && !ComponentState().Contains(csLoading)) {
        SnapToPoint();
        Repaint();
    }
}

void TCursorTool::SetParentChart(TCustomAxisPanel* value) {
    TTeeCustomToolSeries::SetParentChart(value);
    Repaint();
}

// --- Geometry.

TRect TCursorTool::CursorRect(bool drawnExtent) const {
    TRect r;
    if (FullChartRect && FParentChart) {
        r = FParentChart->ChartRect();
    } else {
        if (const TChartAxis* h = HorizAxis()) {
            r.Left = h->StartPos();
            r.Right = h->EndPos();
        }
        if (const TChartAxis* v = VertAxis()) {
            r.Top = v->StartPos();
            r.Bottom = v->EndPos();
        }
        if (OnGetAxisRect) OnGetAxisRect(const_cast<TCursorTool*>(this), r);
    }
    if (drawnExtent) {
        if (FHorizSize != 0) {
            r.Left = FX - FHorizSize;
            r.Right = FX + FHorizSize;
        }
        if (FVertSize != 0) {
            r.Top = FY - FVertSize;
            r.Bottom = FY + FVertSize;
        }
    }
    return r;
}

TPoint TCursorTool::Unprojected(int x, int y) const {
    if (FUseSeriesZ && Series() && FParentChart)
        FParentChart->Canvas3D()->UnprojectPoint(x, y, Series()->FrontDepth);
    return TPoint{x, y};
}

TCursorTool::TDragPart TCursorTool::LineAtPoint(int x, int y) const {
    const TPoint p = Unprojected(x, y);
    const TRect r = CursorRect(false);
    // Only a line across the whole extent limits the hit to that extent.
    if (FHorizSize == 0 && (p.X < r.Left || p.X > r.Right)) return dpNone;
    if (FVertSize == 0 && (p.Y < r.Top || p.Y > r.Bottom)) return dpNone;
    const bool nearY = std::abs(p.Y - FY) <= FClickTolerance;
    const bool nearX = std::abs(p.X - FX) <= FClickTolerance;
    const bool crossing = FStyle == cssBoth || FStyle == cssScope || FStyle == cssScopeOnly;
    if (crossing && nearX && nearY) return dpBoth;
    if (FStyle != cssVertical && nearY) return dpHorizontal;
    if (FStyle != cssHorizontal && nearX) return dpVertical;
    return dpNone;
}

// --- Values.

void TCursorTool::SetPixelValues(int x, int y) {
    const TPoint p = Unprojected(x, y);
    // Dragging the horizontal line moves only the Y value, the vertical one only the X value.
    if (FDrag != dpHorizontal)
        if (const TChartAxis* h = HorizAxis()) FXValue = h->ValueAtPixel(p.X);
    if (FDrag != dpVertical)
        if (const TChartAxis* v = VertAxis()) FYValue = v->ValueAtPixel(p.Y);
}

void TCursorTool::PixelsFromValues() {
    if (const TChartAxis* h = HorizAxis()) FX = h->PixelOfValue(FXValue);
    if (const TChartAxis* v = VertAxis()) FY = v->PixelOfValue(FYValue);
}

int TCursorTool::NearestPointIndex() const {
    const TChartSeries* s = Series();
    if (!s || s->Count() == 0) return -1;
    const int last = s->Count() - 1;
    const int first = std::clamp(s->FirstInView, 0, last);
    const int end = std::clamp(s->LastInView, 0, last);
    const TSnapStyle by = FSnapStyle != TSnapStyle::ssDefault ? FSnapStyle
                          : FStyle == cssHorizontal           ? TSnapStyle::ssHorizontal
                          : FStyle == cssVertical             ? TSnapStyle::ssVertical
                                                              : TSnapStyle::ssDefault;
    int best = -1;
    double bestDistance = 0;
    for (int i = first; i <= end; ++i) {
        const double dx = FXValue - s->XValues()[i];
        const double dy = FYValue - s->YValues()[i];
        const double d = by == TSnapStyle::ssHorizontal ? std::fabs(dy)
                         : by == TSnapStyle::ssVertical ? std::fabs(dx)
                                                        : std::sqrt(dx * dx + dy * dy);
        // A later point must be strictly closer: ties go to the lowest index.
        if (best == -1 || d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

int TCursorTool::SnapToPoint() {
    const TChartSeries* s = Series();
    if (!s || !FSnap) return -1;
    const int index = NearestPointIndex();
    if (index == -1) return -1;
    if (FStyle != cssVertical) FYValue = s->YValues()[index];
    if (FStyle != cssHorizontal) FXValue = s->XValues()[index];
    return index;
}

void TCursorTool::CalcScreenPositions() {
    if (FX != -1 && FY != -1) {
        PixelsFromValues();
        return;
    }
    // First placed: at the centre of the axes, snapped, reported once.
    const TChartAxis* h = HorizAxis();
    const TChartAxis* v = VertAxis();
    FX = h ? (h->StartPos() + h->EndPos()) / 2 : 0;
    FY = v ? (v->StartPos() + v->EndPos()) / 2 : 0;
    SetPixelValues(FX, FY);
    const int index = SnapToPoint();
    PixelsFromValues();
    DoChange(index);
}

void TCursorTool::DoChange(int valueIndex) {
    if (OnChange) OnChange(this, FX, FY, FXValue, FYValue, Series(), valueIndex);
}

// --- Drawing.

void TCursorTool::RedrawCursor() {
    if (!FParentChart) return;
    TCustomAxisPanel& chart = *FParentChart;
    TCanvas3D& c = *chart.Canvas3D();
    TColor color = clSilver;
    if (!chart.Monochrome()) {
        const TColor back = chart.Color() == clDefault ? clBtnFace : chart.Color();
        color = ColorToRGB(Pen()->Color()) ^ ColorToRGB(back);
    }
    c.UsePenWithColor(Pen(), color);
    c.Pen()->SetColor(color);
    c.Brush()->SetStyle(bsClear);
    c.Pen()->SetMode(pmXor);
    const int z = FUseSeriesZ && Series() ? Series()->FrontDepth : 0;
    DrawByStyle(c, CursorRect(true), z);
    c.Pen()->SetMode(pmCopy);
    // The screen no longer shows what the chart's buffer holds.
    c.MarkDirty();
}

// In a 3-D chart at depth z, else flat.
void TCursorTool::HorizontalLine(TCanvas3D& c, int left, int right, int y, int z) const {
    if (FParentChart->View3D())
        c.DrawHorizontalLineAtZ(left, right, y, z);
    else
        c.DrawHorizontalLine(left, right, y);
}

void TCursorTool::VerticalLine(TCanvas3D& c, int x, int top, int bottom, int z) const {
    if (FParentChart->View3D())
        c.DrawVerticalLineAtZ(x, top, bottom, z);
    else
        c.DrawVerticalLine(x, top, bottom);
}

void TCursorTool::DrawByStyle(TCanvas3D& c, const TRect& r, int z) {
    const bool scope = FStyle == cssScope || FStyle == cssScopeOnly;
    if (scope) DrawScope(c, z);
    if (FStyle == cssScopeOnly) return;
    if (FStyle != cssVertical) HorizontalLine(c, r.Left, r.Right, FY, z);
    if (FStyle != cssHorizontal) VerticalLine(c, FX, r.Top, r.Bottom, z);
}

void TCursorTool::DrawScope(TCanvas3D& c, int z) {
    const bool flat = !FParentChart->View3D();
    const int x = FX, y = FY, s = FScopeSize, h = FHorizSize, v = FVertSize;
    auto rectangle = [&](const TRect& r) {
        if (flat)
            c.DrawRectangleFromRect(r);
        else
            c.DrawRectangleAtZ(r, z);
    };
    if (FScopeStyle == scsCamera) {
        rectangle(TRect{x - h - s, y - v - s, x + h + s, y + v + s});
        HorizontalLine(c, x - s, x + s, y, z);
        VerticalLine(c, x, y - s, y + s, z);
        return;
    }
    // Four arms from the figure out to the line sizes, then the figure.
    HorizontalLine(c, x - h - s, x - s, y, z);
    HorizontalLine(c, x + s, x + h + s, y, z);
    VerticalLine(c, x, y - v - s, y - s, z);
    VerticalLine(c, x, y + s, y + v + s, z);
    const TRect box{x - s, y - s, x + s, y + s};
    switch (FScopeStyle) {
        case scsRectangle:
            rectangle(box);
            break;
        case scsCircle:
            if (flat)
                c.DrawEllipseFromRect(box);
            else
                c.DrawEllipseAtZFromRect(box, z);
            break;
        case scsDiamond: {
            const TPoint diamond[] = {{x - s, y}, {x, y - s}, {x + s, y}, {x, y + s}};
            if (flat)
                c.DrawPolygon(diamond, 3);
            else
                c.DrawPolygonAtZ(diamond, 3, z);
            break;
        }
        case scsEmpty:
        case scsCamera:
            break;
    }
}

// --- Events.

void TCursorTool::ChartDrawEvent(TChartToolEvent event) {
    TTeeCustomToolSeries::ChartDrawEvent(event);
    // Over the finished chart only.
    if (event != cteAfterDraw || !FParentChart) return;
    CalcScreenPositions();
    RedrawCursor();
}

void TCursorTool::MoveTo(int x, int y) {
    RedrawCursor();  // erases the cursor where it is
    SetPixelValues(x, y);
    const int index = SnapToPoint();
    PixelsFromValues();
    RedrawCursor();
    DoChange(index);
    if (index != FLastSnap && OnSnapChange)
        OnSnapChange(this, FX, FY, FXValue, FYValue, Series(), index);
    FLastSnap = index;
}

void TCursorTool::ChartMouseEvent(TChartMouseEvent kind, TMouseButton, TShiftState, int x, int y) {
    if (!FParentChart) return;
    TCustomAxisPanel& chart = *FParentChart;
    switch (kind) {
        case cmeDown:
            if (FFollowMouse) return;
            FDrag = LineAtPoint(x, y);
            // The chart then neither zooms nor scrolls.
            if (FDrag != dpNone) chart.SetCancelMouse(true);
            return;
        case cmeMove: {
            const TRect r = CursorRect(false);
            const bool inside = x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom;
            if ((FDrag != dpNone || FFollowMouse) && inside) {
                MoveTo(x, y);
                return;
            }
            const TDragPart hit = LineAtPoint(x, y);
            if (hit == dpHorizontal)
                chart.SetCursor(crVSplit);
            else if (hit == dpVertical)
                chart.SetCursor(crHSplit);
            else if (hit == dpBoth)
                chart.SetCursor(crSizeAll);
            chart.SetCancelMouse(hit != dpNone);
            return;
        }
        case cmeUp:
            FDrag = dpNone;
            return;
    }
}
