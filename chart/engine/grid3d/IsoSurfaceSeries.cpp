#include "chart/engine/grid3d/IsoSurfaceSeries.h"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/BlendScope.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartLists.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/RtlMath.h"

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();
// A quadrilateral cut by two parallel lines keeps at most six vertices.
constexpr int MaxBandVertices = 8;

}  // namespace

// --- Sides.

TSurfaceSides::TSurfaceSides(TIsoSurfaceSeries* series, TNotifyEvent onChange)
    : FSeries(series), FPen(std::make_unique<TChartHiddenPen>(std::move(onChange))) {}
TSurfaceSides::~TSurfaceSides() = default;

TChartBrush* TSurfaceSides::Brush() const { return FSeries ? FSeries->SideBrush() : nullptr; }
void TSurfaceSides::SetBrush(const TChartBrush* value) {
    if (FSeries) FSeries->SetSideBrush(value);
}
void TSurfaceSides::SetLevels(bool value) {
    if (value == FLevels) return;
    FLevels = value;
    if (FSeries) FSeries->Repaint();
}
void TSurfaceSides::SetPen(const TChartHiddenPen* value) { FPen->Assign(value); }

void TSurfaceSides::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TSurfaceSides*>(source)) {
        FLevels = other->FLevels;
        FPen->Assign(other->FPen.get());
        return;
    }
    TPersistent::Assign(source);
}

void TSurfaceSides::Publish(TPublisher<TSurfaceSides>& p) {
    using S = TSurfaceSides;
    p.Object("Brush", &S::Brush, &S::SetBrush);
    p.Boolean("Levels", &S::Levels, &S::SetLevels).Default(true);
    p.Object("Pen", &S::Pen, &S::SetPen);
}

// --- The series.

TIsoSurfaceSeries::TIsoSurfaceSeries(TComponent* owner)
    : TSurfaceSeries(owner),
      FBandPen(std::make_unique<TChartPen>(StyleChangedEvent())),
      FSides(std::make_unique<TSurfaceSides>(this, StyleChangedEvent())) {
    SetUseColorRange(false);
    SetUsePalette(true);
    // Hidden by default, so that a shown pen is written and reads back shown.
    if (!ComponentState().Contains(csLoading)) Pen()->SetDefaultVisible(false);
}
TIsoSurfaceSeries::~TIsoSurfaceSeries() = default;

void TIsoSurfaceSeries::SetBandPen(const TChartPen* value) { FBandPen->Assign(value); }

bool TIsoSurfaceSeries::HasSides() const {
    return TSurfaceSeries::HasSides() || FSides->Pen()->Visible();
}

void TIsoSurfaceSeries::DrawAllValues() {
    if (UseColorRange()) RecolorPaletteFromRange();
    if (FParentChart) FYPositionPixel = YValueToPixel(FYPosition);
    TSurfaceSeries::DrawAllValues();
}

int TIsoSurfaceSeries::BandOf(double h) const {
    const TCustom3DPalette& palette = Palette();
    for (size_t k = 0; k < palette.size(); ++k)
        if (palette[k].UpToValue > h) return int(k);
    return -1;
}

// Sutherland-Hodgman against H >= lo, then H <= hi.
int TIsoSurfaceSeries::ClipBand(const TBandVertex* in, int count, double lo, double hi,
                                TBandVertex* out) {
    std::array<TBandVertex, MaxBandVertices> mid{};
    auto clip = [](const TBandVertex* src, int n, double bound, bool keepAbove, TBandVertex* dst) {
        int m = 0;
        auto inside = [&](const TBandVertex& v) { return keepAbove ? v.H >= bound : v.H <= bound; };
        for (int i = 0; i < n; ++i) {
            const TBandVertex& a = src[i];
            const TBandVertex& b = src[(i + 1) % n];
            if (inside(a) && m < MaxBandVertices) dst[m++] = a;
            if (inside(a) != inside(b) && m < MaxBandVertices) {
                const double t = (bound - a.H) / (b.H - a.H);
                dst[m++] = TBandVertex{a.X + t * (b.X - a.X), a.Z + t * (b.Z - a.Z), bound};
            }
        }
        return m;
    };
    const int n = lo == -Infinity ? (std::copy(in, in + count, mid.begin()), count)
                                  : clip(in, count, lo, true, mid.data());
    if (hi == Infinity) {
        std::copy(mid.begin(), mid.begin() + n, out);
        return n;
    }
    return clip(mid.data(), n, hi, false, out);
}

void TIsoSurfaceSeries::FillBandPolygon(const TBandVertex* points, int count, TColor color) {
    if (count < 3 || color == clNone) return;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.Brush()->SetColor(color);
    if (FParentChart->View3D()) {
        std::array<TPointXYZ, MaxBandVertices> p{};
        for (int k = 0; k < count; ++k)
            p[size_t(k)] = TPointXYZ{RoundToInt(points[k].X),
                                     FUseYPosition ? FYPositionPixel : YValueToPixel(points[k].H),
                                     FParentChart->DepthAxis()->PixelOfValue(points[k].Z)};
        canvas.DrawPolygon3D(std::span<const TPointXYZ>(p.data(), size_t(count)), count - 1);
    } else {
        std::array<TPoint, MaxBandVertices> p{};
        for (int k = 0; k < count; ++k)
            p[size_t(k)] = TPoint{RoundToInt(points[k].X), YValueToPixel(points[k].Z)};
        canvas.DrawPolygon(std::span<const TPoint>(p.data(), size_t(count)), count - 1);
    }
}

// The cell walked upwards band by band from the band of its lowest corner.
void TIsoSurfaceSeries::DrawBands(const TBandVertex* corners, int count) {
    const TCustom3DPalette& palette = Palette();
    double lowest = corners[0].H, highest = corners[0].H;
    for (int k = 1; k < count; ++k) {
        lowest = std::min(lowest, corners[k].H);
        highest = std::max(highest, corners[k].H);
    }
    const int first = BandOf(lowest);
    if (first < 0) return;
    std::array<TBandVertex, MaxBandVertices> band{};
    for (size_t k = size_t(first); k < palette.size(); ++k) {
        const double lo = k == 0 ? -Infinity : palette[k - 1].UpToValue;
        if (lo > highest) break;
        // Heights above the last bound belong to the last band, as their colour does.
        const double hi = k + 1 == palette.size() ? Infinity : palette[k].UpToValue;
        const int n = ClipBand(corners, count, lo, hi, band.data());
        FillBandPolygon(band.data(), n, palette[k].Color);
    }
}

// Each band bound crossing the cell, as segments between the crossings of the cell's edges.
void TIsoSurfaceSeries::DrawBandLines(const TBandVertex* corners, int count) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UsePen(FBandPen.get());
    const bool view3D = FParentChart->View3D();
    for (const TPaletteEntry& entry : Palette()) {
        const double level = entry.UpToValue;
        std::array<TBandVertex, 4> cross{};
        int n = 0;
        for (int i = 0; i < count && n < 4; ++i) {
            const TBandVertex& a = corners[i];
            const TBandVertex& b = corners[(i + 1) % count];
            if ((a.H < level) == (b.H < level)) continue;
            const double t = (level - a.H) / (b.H - a.H);
            cross[size_t(n++)] = TBandVertex{a.X + t * (b.X - a.X), a.Z + t * (b.Z - a.Z), level};
        }
        for (int i = 0; i + 1 < n; i += 2) {
            const TBandVertex& a = cross[size_t(i)];
            const TBandVertex& b = cross[size_t(i) + 1];
            if (view3D) {
                const int y0 = FUseYPosition ? FYPositionPixel : YValueToPixel(level);
                canvas.MovePenTo3D(RoundToInt(a.X), y0,
                                   FParentChart->DepthAxis()->PixelOfValue(a.Z));
                canvas.DrawLineTo3D(RoundToInt(b.X), y0,
                                    FParentChart->DepthAxis()->PixelOfValue(b.Z));
            } else {
                canvas.MovePenTo(RoundToInt(a.X), YValueToPixel(a.Z));
                canvas.DrawLineTo(RoundToInt(b.X), YValueToPixel(b.Z));
            }
        }
    }
}

void TIsoSurfaceSeries::DrawCell(int row, int column) {
    if (!CellPoints(row, column)) return;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    if (const TColor own = StoredPointColor(CellIndex[0]); own != clDefault) {
        // A point coloured by hand colours its cell as on a plain surface, in its colour.
        if (canvas.Brush()->Style() == bsClear) canvas.Brush()->SetStyle(Brush()->Style());
        canvas.Brush()->SetColor(own);
        const bool singleColor = SingleColor;
        FPlainCell = SingleColor = true;
        struct TReset {
            TIsoSurfaceSeries& Series;
            bool SingleColor;
            ~TReset() {
                Series.FPlainCell = false;
                Series.SingleColor = SingleColor;
            }
        } reset{*this, singleColor};
        TSurfaceSeries::DrawCell(row, column);
        return;
    }
    std::array<TBandVertex, 4> corners{};
    for (size_t k = 0; k < 4; ++k) {
        const int i = CellIndex[k];
        corners[k] = TBandVertex{double(XValueToPixel(XValues()[i])), ZValues()[i], YValues()[i]};
    }
    const TPenStyle penStyle = canvas.Pen()->Style();
    canvas.Pen()->SetStyle(psClear);
    canvas.Brush()->SetStyle(Brush()->Style() == bsClear ? bsSolid : Brush()->Style());
    {
        TRect bounds{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
        if (Transparency() > 0) {
            for (const TBandVertex& v : corners) {
                const bool view3D = FParentChart->View3D();
                const int y = !view3D         ? YValueToPixel(v.Z)
                              : FUseYPosition ? FYPositionPixel
                                              : YValueToPixel(v.H);
                const TPoint p = canvas.ProjectPoint(
                    RoundToInt(v.X), y, view3D ? FParentChart->DepthAxis()->PixelOfValue(v.Z) : 0);
                bounds.Left = std::min(bounds.Left, p.X);
                bounds.Top = std::min(bounds.Top, p.Y);
                bounds.Right = std::max(bounds.Right, p.X);
                bounds.Bottom = std::max(bounds.Bottom, p.Y);
            }
        }
        TBlendScope blend(canvas, bounds, Transparency());
        DrawBands(corners.data(), 4);
    }
    canvas.Pen()->SetStyle(penStyle);
    if (FBandPen->Visible()) DrawBandLines(corners.data(), 4);
}

// A side panel cut into bands at the vertical pixels of the palette bounds.
void TIsoSurfaceSeries::DrawCellShape(std::span<const TPoint, 4> points, int z0, int z1) {
    if (FPlainCell || !FSides->Levels() || SideBrush()->Style() == bsClear) {
        TSurfaceSeries::DrawCellShape(points, z0, z1);
        if (FPlainCell || !FSides->Pen()->Visible()) return;
    }
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    // On a panel the key is the height in pixels upwards (-Y), and Z is the depth pixel.
    const int depths[4] = {z0, z0, z1, z1};
    std::array<TBandVertex, 4> panel{};
    for (size_t k = 0; k < 4; ++k)
        panel[k] = TBandVertex{double(points[k].X), double(depths[k]), -double(points[k].Y)};
    const TCustom3DPalette& palette = Palette();
    const bool fill = FSides->Levels() && SideBrush()->Style() != bsClear;
    std::array<TBandVertex, MaxBandVertices> band{};
    const TPenStyle penStyle = canvas.Pen()->Style();
    if (fill) {
        canvas.Pen()->SetStyle(psClear);
        for (size_t k = 0; k < palette.size(); ++k) {
            const double lo = k == 0 ? -Infinity : -double(YValueToPixel(palette[k - 1].UpToValue));
            const double hi =
                k + 1 == palette.size() ? Infinity : -double(YValueToPixel(palette[k].UpToValue));
            const int n =
                ClipBand(panel.data(), 4, std::min(lo, hi), std::max(lo, hi), band.data());
            if (n < 3 || palette[k].Color == clNone) continue;
            canvas.Brush()->SetColor(palette[k].Color);
            std::array<TPointXYZ, MaxBandVertices> p{};
            for (int i = 0; i < n; ++i)
                p[size_t(i)] =
                    TPointXYZ{RoundToInt(band[size_t(i)].X), RoundToInt(-band[size_t(i)].H),
                              RoundToInt(band[size_t(i)].Z)};
            canvas.DrawPolygon3D(std::span<const TPointXYZ>(p.data(), size_t(n)), n - 1);
        }
        canvas.Pen()->SetStyle(penStyle);
    }
    if (!FSides->Pen()->Visible()) return;
    canvas.UsePen(FSides->Pen());
    const double top = std::max(panel[0].H, panel[3].H), base = panel[1].H;
    for (const TPaletteEntry& entry : palette) {
        const int y = YValueToPixel(entry.UpToValue);
        if (-y > top || -y < base) continue;
        canvas.MovePenTo3D(points[0].X, y, z0);
        canvas.DrawLineTo3D(points[3].X, y, z1);
    }
}

void TIsoSurfaceSeries::PrepareForGallery(bool enabled) {
    TSurfaceSeries::PrepareForGallery(enabled);
    // The sample draws quickly: the axes map without clamping, the cells fill fast.
    if (FParentChart) FParentChart->Axes().SetFastPixelMode(true);
    SetFastBrush(true);
    FBandPen->SetVisible(false);
}

void TIsoSurfaceSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TIsoSurfaceSeries*>(source)) {
        FBandPen->Assign(other->FBandPen.get());
        FSides->Assign(other->FSides.get());
        FUseYPosition = other->FUseYPosition;
        FYPosition = other->FYPosition;
    }
    TSurfaceSeries::Assign(source);
}

void TIsoSurfaceSeries::Publish(TPublisher<TIsoSurfaceSeries>& p) {
    using S = TIsoSurfaceSeries;
    p.Object("BandPen", &S::BandPen, &S::SetBandPen);
    p.Object("Sides", &S::Sides, &S::SetSides);
    p.Boolean("UseYPosition", &S::UseYPosition, &S::SetUseYPosition).Default(false);
    p.Float("YPosition", &S::YPosition, &S::SetYPosition).Default(0.0);
    // An iso-surface colours its bands from the palette, not from a colour range.
    p.Inherited("UseColorRange").Default(false);
    p.Inherited("UsePalette").Default(true);
}
