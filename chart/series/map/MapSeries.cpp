#include "chart/series/map/MapSeries.h"

#include <algorithm>
#include <array>
#include <vector>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/BlendScope.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/SampleRandom.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/HitTests.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/QuickSortWithCallbacks.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeShadow.h"
#include "chart/series/algo/PolygonCentroid.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/RtlMath.h"

namespace {

struct TSampleOutline {
    const char* Text;
    std::vector<std::array<int, 2>> Points;
};

// Twelve regions that fit together.
const std::vector<TSampleOutline>& SampleOutlines() {
    static const std::vector<TSampleOutline> outlines{
        {"A",
         {{1, 7},
          {3, 5},
          {4, 5},
          {4, 7},
          {5, 8},
          {5, 9},
          {6, 10},
          {6, 11},
          {4, 11},
          {3, 12},
          {2, 12},
          {1, 11},
          {2, 10},
          {2, 8}}},
        {"B", {{5, 4}, {7, 4}, {8, 5}, {8, 6}, {7, 7}, {6, 7}, {5, 8}, {4, 7}, {4, 5}}},
        {"C",
         {{9, 5},
          {10, 6},
          {11, 6},
          {11, 7},
          {12, 8},
          {9, 11},
          {8, 11},
          {7, 12},
          {6, 11},
          {6, 10},
          {5, 9},
          {5, 8},
          {6, 7},
          {7, 7},
          {8, 6},
          {8, 5}}},
        {"D", {{12, 5}, {14, 5}, {15, 6}, {14, 7}, {13, 7}, {12, 8}, {11, 7}, {11, 6}}},
        {"E",
         {{4, 11},
          {6, 11},
          {7, 12},
          {7, 13},
          {6, 14},
          {6, 15},
          {5, 16},
          {4, 16},
          {3, 15},
          {3, 14},
          {2, 13}}},
        {"F",
         {{7, 13},
          {8, 14},
          {9, 14},
          {11, 16},
          {10, 17},
          {8, 17},
          {7, 18},
          {6, 18},
          {5, 17},
          {5, 16},
          {6, 15},
          {6, 14}}},
        {"G",
         {{10, 10},
          {12, 12},
          {12, 13},
          {14, 15},
          {13, 16},
          {11, 16},
          {9, 14},
          {8, 14},
          {7, 13},
          {7, 12},
          {8, 11},
          {9, 11}}},
        {"H",
         {{17, 11},
          {19, 13},
          {18, 14},
          {18, 16},
          {17, 17},
          {15, 15},
          {14, 15},
          {13, 14},
          {15, 12},
          {16, 12}}},
        {"I",
         {{15, 6},
          {16, 6},
          {17, 7},
          {16, 8},
          {15, 8},
          {14, 9},
          {14, 10},
          {13, 11},
          {12, 12},
          {11, 11},
          {10, 10},
          {11, 9},
          {12, 8},
          {13, 7},
          {14, 7}}},
        {"J",
         {{15, 8},
          {16, 8},
          {16, 9},
          {17, 10},
          {17, 11},
          {16, 12},
          {15, 12},
          {13, 14},
          {12, 13},
          {12, 12},
          {14, 10},
          {14, 9}}},
        {"K",
         {{17, 5},
          {19, 5},
          {20, 6},
          {20, 8},
          {19, 8},
          {17, 10},
          {16, 9},
          {16, 8},
          {17, 7},
          {16, 6}}},
        {"L", {{19, 8}, {20, 8}, {21, 9}, {21, 11}, {19, 13}, {17, 11}, {17, 10}}},
    };
    return outlines;
}

}  // namespace

TMapSeries::TMapSeries(TComponent* owner)
    : TCustom3DPaletteSeries(owner),
      FShadow(std::make_unique<TTeeShadow>(StyleChangedEvent())),
      FShapes(std::make_unique<TTeePolygonList>(this)) {
    ZValues().SetName("Value");
}

TMapSeries::~TMapSeries() {
    FDeleting = true;
    FShapes.reset();
}

void TMapSeries::SetShadow(const TTeeShadow* value) { FShadow->Assign(value); }
void TMapSeries::SetShapes(const TTeePolygonList* value) { FShapes->Assign(value); }

void TMapSeries::SetTransparency(int value) {
    if (FTransparency == value) return;
    FTransparency = value;
    for (int i = 0; i < FShapes->Count(); ++i) FShapes->GetPolygon(i)->SetTransparency(value);
    Repaint();
}

void TMapSeries::SetTransparent(bool value) {
    if (FTransparent == value) return;
    FTransparent = value;
    for (int i = 0; i < FShapes->Count(); ++i) FShapes->GetPolygon(i)->SetTransparent(value);
    Repaint();
}

// --- One point per polygon.

void TMapSeries::PolygonAdded(int /*index*/) {
    while (Count() < FShapes->Count()) AddXYZPoint(0, 0, 0, {}, clDefault);
}

void TMapSeries::Delete(int valueIndex) {
    TCustom3DPaletteSeries::Delete(valueIndex);
    if (!FDeleting && valueIndex < FShapes->Count()) FShapes->Delete(valueIndex);
}

void TMapSeries::DeleteRange(int start, int quantity, bool removeGap) {
    TCustom3DPaletteSeries::DeleteRange(start, quantity, removeGap);
    if (!FDeleting) FShapes->DeleteRange(start, quantity);
}

void TMapSeries::ExchangePoints(int indexA, int indexB) {
    TCustom3DPaletteSeries::ExchangePoints(indexA, indexB);
    if (indexA < FShapes->Count() && indexB < FShapes->Count())
        FShapes->GetPolygon(indexA)->SetIndex(indexB);
    Repaint();
}

void TMapSeries::Clear() {
    TCustom3DPaletteSeries::Clear();
    if (FShapes && !ComponentState().Contains(csLoading) && !FDeleting) FShapes->Clear();
}

// --- Extremes over every outline.

template <class F>
double TMapSeries::Extreme(F&& pick, bool maximum) {
    bool any = false;
    double result = 0;
    for (int i = 0; i < FShapes->Count(); ++i) {
        TPolygonSeries& s = *FShapes->GetPolygon(i)->Points();
        if (s.Count() == 0) continue;
        const double v = pick(s);
        result = !any ? v : maximum ? std::max(result, v) : std::min(result, v);
        any = true;
    }
    return result;
}

double TMapSeries::GetMinXValue() {
    return Extreme([](TPolygonSeries& s) { return s.XValues().Minimum(); }, false);
}
double TMapSeries::GetMaxXValue() {
    return Extreme([](TPolygonSeries& s) { return s.XValues().Maximum(); }, true);
}
double TMapSeries::GetMinYValue() {
    return Extreme([](TPolygonSeries& s) { return s.YValues().Minimum(); }, false);
}
double TMapSeries::GetMaxYValue() {
    return Extreme([](TPolygonSeries& s) { return s.YValues().Maximum(); }, true);
}

void TMapSeries::HorizontalMarginsNeeded(int& left, int& right) {
    TCustom3DPaletteSeries::HorizontalMarginsNeeded(left, right);
    if (Pen()->Visible()) {
        left += Pen()->Width();
        right += Pen()->Width();
    }
}

void TMapSeries::VerticalMarginsNeeded(int& top, int& bottom) {
    TCustom3DPaletteSeries::VerticalMarginsNeeded(top, bottom);
    if (Pen()->Visible()) {
        top += Pen()->Width();
        bottom += Pen()->Width() + 1;
    }
}

// --- Drawing.

void TMapSeries::ComputeScreenPoints(int index) {
    TTeePolygon& polygon = *FShapes->GetPolygon(index);
    TPolygonSeries& s = *polygon.Points();
    polygon.ScreenPoints.resize(size_t(s.Count()));
    for (int i = 0; i < s.Count(); ++i)
        polygon.ScreenPoints[size_t(i)] =
            TPoint{XValueToPixel(s.XValues()[i]), YValueToPixel(s.YValues()[i])};
}

bool TMapSeries::PolygonVisible(int index) const {
    if (!FParentChart->ClipPoints()) return true;
    TPolygonSeries& s = *FShapes->GetPolygon(index)->Points();
    if (s.Count() == 0) return false;
    int x0 = XValueToPixel(s.XValues().Minimum()), x1 = XValueToPixel(s.XValues().Maximum());
    int y0 = YValueToPixel(s.YValues().Maximum()), y1 = YValueToPixel(s.YValues().Minimum());
    if (x0 > x1) std::swap(x0, x1);
    if (y0 > y1) std::swap(y0, y1);
    const TRect& r = FParentChart->ChartRect();
    return x1 >= r.Left && x0 <= r.Right && y1 >= r.Top && y0 <= r.Bottom;
}

int TMapSeries::DepthOf(int index) const { return FParentChart->View3D() ? PointZPixel(index) : 0; }

TRect TMapSeries::PointRect(TPoint p) const {
    const int h = (FPointSize + 1) / 2;
    const int r = (FPointSize + 1) % 2 == 1 ? 1 : 0;
    return TRect{p.X - h + 1, p.Y - h + 1, p.X + h + r, p.Y + h + r};
}

void TMapSeries::DrawRegion(int index) {
    TTeePolygon& polygon = *FShapes->GetPolygon(index);
    TPolygonSeries& s = *polygon.Points();
    if (!s.Active() || s.Count() == 0 || !PolygonVisible(index)) return;
    ComputeScreenPoints(index);
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UsePen(polygon.ParentPen() ? Pen() : polygon.Pen());
    const TColor color = ValueColor(index);
    const TChartBrush* brush = polygon.ParentBrush() ? Brush() : polygon.Brush();
    if (color == clNone)
        canvas.Brush()->SetStyle(bsClear);
    else
        canvas.UseBrushColored(brush, color);
    const bool view3D = FParentChart->View3D();
    const int z = DepthOf(index);
    std::vector<TPoint>& points = polygon.ScreenPoints;
    TRect bounds{};
    if (polygon.Transparency() > 0) {
        std::vector<TPoint> shown =
            view3D ? canvas.ProjectPointArray(points, int(points.size()) - 1, z) : points;
        bounds = TRect{shown[0].X, shown[0].Y, shown[0].X + 1, shown[0].Y + 1};
        for (const TPoint& p : shown)
            bounds = TRect{std::min(bounds.Left, p.X), std::min(bounds.Top, p.Y),
                           std::max(bounds.Right, p.X + 1), std::max(bounds.Bottom, p.Y + 1)};
    }
    TBlendScope blend(canvas, bounds, polygon.Transparency());
    if (polygon.HasVisibleGradient() && FParentChart->ClipAllowed() && points.size() > 1) {
        polygon.Gradient()->DrawPolygon(canvas, points, int(points.size()) - 1, view3D, z);
        canvas.Brush()->SetStyle(bsClear);
    }
    if (points.size() == 1) {
        if (FPointSize < 2) {
            canvas.SetPixelColorAtZ(points[0].X, points[0].Y, z, color);
        } else {
            if (FPointSize < 3) canvas.Pen()->SetStyle(psClear);
            canvas.DrawRectangleAtZ(PointRect(points[0]), z);
        }
    } else if (polygon.Closed()) {
        if (view3D)
            canvas.DrawPolygonAtZ(points, int(points.size()) - 1, z);
        else
            canvas.DrawPolygon(points, int(points.size()) - 1);
    } else {
        canvas.DrawPolylineAtZ(points, int(points.size()) - 1, z);
    }
}

void TMapSeries::DrawValue(int valueIndex) {
    if (valueIndex < FShapes->Count()) DrawRegion(valueIndex);
}

void TMapSeries::DrawAllValues() {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    if (FShadow->Visible() && (FShadow->HorizSize() != 0 || FShadow->VertSize() != 0)) {
        for (int i = 0; i < FShapes->Count(); ++i) {
            TPolygonSeries& s = *FShapes->GetPolygon(i)->Points();
            if (!s.Active() || s.Count() < 2 || !PolygonVisible(i)) continue;
            ComputeScreenPoints(i);
            std::vector<TPoint>& points = FShapes->GetPolygon(i)->ScreenPoints;
            const std::vector<TPoint> shown =
                FParentChart->View3D()
                    ? canvas.ProjectPointArray(points, int(points.size()) - 1, DepthOf(i))
                    : points;
            FShadow->DrawPolygonShadow(canvas, shown, int(shown.size()) - 1);
        }
    }
    if (!FParentChart->View3D()) {
        TCustom3DPaletteSeries::DrawAllValues();
        return;
    }
    // In 3-D the polygons are drawn by value, the largest first.
    std::vector<int> order(size_t(std::min(Count(), FShapes->Count())));
    for (size_t i = 0; i < order.size(); ++i) order[i] = int(i);
    if (!order.empty())
        QuickSortWithCallbacks(
            0, int(order.size()) - 1,
            [&](int a, int b) {
                const double za = ZValues()[order[size_t(a)]], zb = ZValues()[order[size_t(b)]];
                return za < zb ? -1 : za > zb ? 1 : 0;
            },
            [&](int a, int b) { std::swap(order[size_t(a)], order[size_t(b)]); });
    for (auto it = order.rbegin(); it != order.rend(); ++it) DrawRegion(*it);
}

void TMapSeries::ValueScreenPoint(int valueIndex, int& x, int& y) const {
    const TTeePolygon& polygon = *FShapes->GetPolygon(valueIndex);
    std::vector<TIntPoint> points;
    for (const TPoint& p : polygon.ScreenPoints) points.push_back({p.X, p.Y});
    const TCentroid c = PolygonCentroid(points);
    x = RoundToInt(c.X);
    y = RoundToInt(c.Y);
}

void TMapSeries::DrawMark(int valueIndex, const std::string& text, TSeriesMarkPosition& position) {
    TCustom3DPaletteSeries::DrawMark(valueIndex, text, position);
}

int TMapSeries::ValueIndexAt(int x, int y) {
    if (!FParentChart) return -1;
    for (int i = FShapes->Count() - 1; i >= 0; --i) {
        TTeePolygon& polygon = *FShapes->GetPolygon(i);
        if (polygon.Points()->Count() == 0 || !PolygonVisible(i)) continue;
        ComputeScreenPoints(i);
        int px = x, py = y;
        if (FParentChart->View3D()) FParentChart->Canvas3D()->UnprojectPoint(px, py, DepthOf(i));
        const TPoint p{px, py};
        const std::vector<TPoint>& points = polygon.ScreenPoints;
        if (points.size() == 1) {
            const TRect r = PointRect(points[0]);
            if (p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom) return i;
        } else if (PointInPolygon(p, points, int(points.size()) - 1)) {
            return i;
        }
    }
    return -1;
}

// --- Samples and the gallery.

void TMapSeries::AddRandomValues(int numValues, bool /*onlyMandatory*/) {
    const std::vector<TSampleOutline>& outlines = SampleOutlines();
    for (int k = 0; k < numValues; ++k) {
        const TSampleOutline& outline = outlines[size_t(k % 12)];
        const bool shifted = Count() > 12;
        const int dx = shifted ? RandomBelow(12) : 0, dy = shifted ? RandomBelow(12) : 0;
        TTeePolygon* polygon = FShapes->AddPolygon();
        for (const auto& p : outline.Points) polygon->AddXY(p[0] + dx, p[1] + dy);
        polygon->SetText(outline.Text);
        polygon->SetZ(RandomBelow(1000) / 1000.0);
    }
}

void TMapSeries::ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) {
    TCustom3DPaletteSeries::ListGalleryVariants(addVariant);
    addVariant(TxtColors);
}

void TMapSeries::ApplyGalleryVariant(TChartSeries* series, int index) {
    if (index == 2) {
        if (auto* s = dynamic_cast<TMapSeries*>(series)) s->SetColorEachPoint(true);
        return;
    }
    TCustom3DPaletteSeries::ApplyGalleryVariant(series, index);
}

void TMapSeries::Apply3DFromGallery(bool enabled) {
    if (enabled)
        TCustom3DPaletteSeries::Apply3DFromGallery(enabled);
    else if (FParentChart)
        FParentChart->SetView3D(false);
}

void TMapSeries::PrepareForGallery(bool enabled) {
    TCustom3DPaletteSeries::PrepareForGallery(enabled);
    if (!enabled)
        for (int i = 0; i < FShapes->Count(); ++i)
            FShapes->GetPolygon(i)->SetColor(TColor(0xC0C0C0));
}

// --- Copies and streams.

void TMapSeries::Assign(const TPersistent* source) {
    TCustom3DPaletteSeries::Assign(source);
    if (auto* other = dynamic_cast<const TMapSeries*>(source)) {
        FPointSize = other->FPointSize;
        FShadow->Assign(other->FShadow.get());
        FTransparency = other->FTransparency;
        FTransparent = other->FTransparent;
        for (int i = 0; i < other->FShapes->Count(); ++i)
            FShapes->AddPolygon()->Points()->Assign(other->FShapes->GetPolygon(i)->Points());
    }
}

void TMapSeries::DefineProperties(TFiler& filer) {
    // The map's own points follow from its polygons unless asked for.
    if (!SaveOwnPoints) {
        AlwaysStoreData = false;
        NeverStoreData = true;
    }
    TCustom3DPaletteSeries::DefineProperties(filer);
}

void TMapSeries::Publish(TPublisher<TMapSeries>& p) {
    using S = TMapSeries;
    p.Integer("PointSize", &S::PointSize, &S::SetPointSize).Default(1);
    p.Object("Shadow", &S::Shadow, &S::SetShadow);
    p.Object("Shapes", &S::Shapes, &S::SetShapes);
    p.Boolean("Transparent", &S::Transparent, &S::SetTransparent).Default(false);
    p.Integer("Transparency", &S::Transparency, &S::SetTransparency).Default(0);
}
