#include "chart/series/surface/TriSurfaceSeries.h"

#include <algorithm>
#include <cmath>

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
#include "chart/foundation/View3DOptions.h"
#include "platform/classes/Publisher.h"

TTriSurfaceBorderPen::TTriSurfaceBorderPen(TNotifyEvent onChange)
    : TChartHiddenPen(std::move(onChange)) {
    TNotifyEvent quiet = std::move(OnChange);
    SetColor(clWhite);
    OnChange = std::move(quiet);
}

void TTriSurfaceBorderPen::Publish(TPublisher<TTriSurfaceBorderPen>& p) {
    p.Inherited("Color").Default(clWhite);
}

TCustomTriSurfaceSeries::TCustomTriSurfaceSeries(TComponent* owner)
    : TCustom3DPaletteSeries(owner),
      FBorder(std::make_unique<TTriSurfaceBorderPen>(StyleChangedEvent())) {}

TCustomTriSurfaceSeries::~TCustomTriSurfaceSeries() = default;

void TCustomTriSurfaceSeries::SetBorder(const TChartHiddenPen* value) { FBorder->Assign(value); }

void TCustomTriSurfaceSeries::Clear() {
    TCustom3DPaletteSeries::Clear();
    FTriangulated = false;
    FMesh = {};
    FPainted.clear();
}

// --- Triangles.

int TCustomTriSurfaceSeries::Triangulate() {
    FPainted.clear();
    FTriangulated = false;
    FMesh = {};
    if (Count() < 3) return 0;
    const auto n = size_t(Count());
    std::vector<double> x(n), z(n);
    for (int i = 0; i < Count(); ++i) {
        x[size_t(i)] = XValues()[i];
        z[size_t(i)] = ZValues()[i];
    }
    FMesh = TriangulatePoints(x, z, FlipOptimisation);
    FTriangulated = !FMesh.Triangles.empty();
    return TriangleCount();
}

void TCustomTriSurfaceSeries::DoBeforeDrawValues() {
    TCustom3DPaletteSeries::DoBeforeDrawValues();
    if (Count() < 3) {
        FMesh = {};
        FTriangulated = false;
    } else if (!(ReuseTriangulation && FTriangulated)) {
        Triangulate();
    }
}

TPointXYZ TCustomTriSurfaceSeries::Corner(int pointIndex) const {
    return TPointXYZ{PointXPixel(pointIndex), PointYPixel(pointIndex), PointZPixel(pointIndex)};
}

TRect TCustomTriSurfaceSeries::ProjectedBounds(int t) const {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    TRect r{};
    bool first = true;
    for (int k : Triangle(t)) {
        const TPoint p = canvas.ProjectPoint3D(Corner(k));
        r = first ? TRect{p.X, p.Y, p.X + 1, p.Y + 1}
                  : TRect{std::min(r.Left, p.X), std::min(r.Top, p.Y), std::max(r.Right, p.X + 1),
                          std::max(r.Bottom, p.Y + 1)};
        first = false;
    }
    return r;
}

bool TCustomTriSurfaceSeries::DrawsInIndexOrder() const {
    return !FHideTriangles || FParentChart->Canvas3D()->SupportsFreeRotation() ||
           Brush()->Style() != bsSolid;
}

void TCustomTriSurfaceSeries::SortTriangles() {
    FPainted.resize(size_t(TriangleCount()));
    std::vector<double> key(FPainted.size());
    for (int t = 1; t <= TriangleCount(); ++t) {
        FPainted[size_t(t - 1)] = t;
        const auto& v = Triangle(t);
        key[size_t(t - 1)] = std::max({ZValues()[v[0]], ZValues()[v[1]], ZValues()[v[2]]});
    }
    bool ascending = FParentChart->DepthAxis() && FParentChart->DepthAxis()->Inverted();
    if (FParentChart->View3D() && !FParentChart->View3DOptions()->Orthogonal()) {
        const int rotation = FParentChart->View3DOptions()->Rotation();
        if (rotation > 90 && rotation < 270) ascending = !ascending;
    }
    // Equal keys keep the order of the triangles.
    std::stable_sort(FPainted.begin(), FPainted.end(), [&](int a, int b) {
        const double ka = key[size_t(a - 1)], kb = key[size_t(b - 1)];
        return ascending ? ka < kb : ka > kb;
    });
}

void TCustomTriSurfaceSeries::FillTriangle(int t, bool ownColours) {
    const auto& v = Triangle(t);
    const std::array<TPointXYZ, 3> corners{Corner(v[0]), Corner(v[1]), Corner(v[2])};
    const TColor first = ValueColor(v[0]);
    const std::array<TColor, 3> colours{first, ownColours ? ValueColor(v[1]) : first,
                                        ownColours ? ValueColor(v[2]) : first};
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    TBlendScope blend(canvas, FTransparency > 0 ? ProjectedBounds(t) : TRect{}, FTransparency);
    canvas.FillTriangle3D(corners, colours);
}

void TCustomTriSurfaceSeries::DrawSortedTriangle(int t) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const auto& v = Triangle(t);
    std::array<TPoint, 3> points{};
    for (int k = 0; k < 3; ++k) points[size_t(k)] = canvas.ProjectPoint3D(Corner(v[size_t(k)]));
    canvas.Brush()->SetColor(ValueColor(v[0]));
    TBlendScope blend(canvas, FTransparency > 0 ? ProjectedBounds(t) : TRect{}, FTransparency);
    canvas.DrawPolygon(points, 2);
}

void TCustomTriSurfaceSeries::DrawBorder() {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UsePen(FBorder.get());
    for (const THullEdge& e : Hull()) {
        canvas.MovePenToPoint3D(Corner(e.Start));
        canvas.DrawLineToPoint3D(Corner(e.End));
    }
}

void TCustomTriSurfaceSeries::DrawAllValues() {
    FPainted.clear();
    if (!FParentChart || TriangleCount() == 0) return;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    if (Pen()->Visible() || Brush()->Style() != bsClear) {
        canvas.UsePen(Pen());
        canvas.UseBrush(Brush());
        if (DrawsInIndexOrder()) {
            const bool ownColours = canvas.SupportsFreeRotation();
            for (int t = 1; t <= TriangleCount(); ++t) FillTriangle(t, ownColours);
        } else {
            SortTriangles();
            for (int t : FPainted) DrawSortedTriangle(t);
        }
    }
    if (FBorder->Visible()) DrawBorder();
}

void TCustomTriSurfaceSeries::DrawMark(int valueIndex, const std::string& text,
                                       TSeriesMarkPosition& position) {
    Marks()->ZPosition = PointZPixel(valueIndex);
    Marks()->OffsetByCallout(position);
    TCustom3DPaletteSeries::DrawMark(valueIndex, text, position);
}

int TCustomTriSurfaceSeries::ValueIndexAt(int x, int y) {
    if (!FParentChart || TriangleCount() == 0) return -1;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    auto contains = [&](int t) {
        std::array<TPoint, 3> points{};
        for (int k = 0; k < 3; ++k)
            points[size_t(k)] = canvas.ProjectPoint3D(Corner(Triangle(t)[size_t(k)]));
        return PointInPolygon(TPoint{x, y}, points, 2);
    };
    if (!FPainted.empty()) {
        for (auto it = FPainted.rbegin(); it != FPainted.rend(); ++it)
            if (contains(*it)) return *it;
        return -1;
    }
    for (int t = 1; t <= TriangleCount(); ++t)
        if (contains(t)) return t;
    return -1;
}

// --- Samples and the gallery.

void TCustomTriSurfaceSeries::AddRandomValues(int numValues, bool /*onlyMandatory*/) {
    numValues = std::max(numValues, 3);
    for (int i = 0; i < numValues; ++i) {
        const double x = RandomBelow(1000) * 0.001;
        const double z = RandomBelow(1000) * 0.001;
        AddXYZValues(x, std::exp(2 * z) * std::cos(x * z), z);
    }
}

void TCustomTriSurfaceSeries::ListGalleryVariants(
    const std::function<void(const std::string&)>& addVariant) {
    TCustom3DPaletteSeries::ListGalleryVariants(addVariant);
    addVariant(TxtExtWireframe);
    addVariant(TxtExtNoLine);
    addVariant(TxtExtBorder);
}

void TCustomTriSurfaceSeries::ApplyGalleryVariant(TChartSeries* series, int index) {
    auto* s = dynamic_cast<TCustomTriSurfaceSeries*>(series);
    if (!s) return;
    switch (index) {
        case 2:
            s->Brush()->SetStyle(bsClear);
            break;
        case 3:
            s->Pen()->SetVisible(false);
            break;
        case 4:
            s->Border()->SetVisible(true);
            break;
        default:
            TCustom3DPaletteSeries::ApplyGalleryVariant(series, index);
    }
}

void TCustomTriSurfaceSeries::PrepareForGallery(bool enabled) {
    TCustom3DPaletteSeries::PrepareForGallery(enabled);
    FillSampleValues(DefaultSampleCount());
}

void TCustomTriSurfaceSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TCustomTriSurfaceSeries*>(source)) {
        FBorder->Assign(other->FBorder.get());
        FlipOptimisation = other->FlipOptimisation;
        FHideTriangles = other->FHideTriangles;
        FTransparency = other->FTransparency;
    }
    TCustom3DPaletteSeries::Assign(source);
}

void TCustomTriSurfaceSeries::Publish(TPublisher<TCustomTriSurfaceSeries>& p) {
    using S = TCustomTriSurfaceSeries;
    p.Object("Border", &S::Border, &S::SetBorder);
    p.Boolean("FastBrush", &S::FastBrush, &S::SetFastBrush).Default(false);
    p.Boolean("HideTriangles", &S::HideTriangles, &S::SetHideTriangles).Default(true);
    p.Integer("Transparency", &S::Transparency, &S::SetTransparency).Default(0);
}
