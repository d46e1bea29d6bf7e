#include "chart/engine/grid3d/ColorGridSeries.h"

#include <algorithm>
#include <cmath>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/Callout.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GraphicsLimits.h"
#include "platform/rtl/RtlMath.h"

namespace {
const TEnumInfo& Canvas3DPlaneNames() {
    static const TEnumInfo names{"cpX", "cpY", "cpZ"};
    return names;
}
}  // namespace

TColorGridSeries::TColorGridSeries(TComponent* owner)
    : TCustom3DGridSeries(owner),
      FBitmap(std::make_unique<TBitmap>()),
      FFrame(std::make_unique<TChartHiddenPen>(StyleChangedEvent())) {
    FBitmap->SetPixelFormat(pf24bit);
    Marks()->Callout()->SetLength(0);
}
TColorGridSeries::~TColorGridSeries() = default;

void TColorGridSeries::SetFrame(const TChartHiddenPen* value) { FFrame->Assign(value); }

// --- Cells.

double TColorGridSeries::UpperEdge(double v) const {
    if (IrregularGrid()) return FCenteredPoints ? v - 0.5 : v;
    return FCenteredPoints ? v + 0.5 : v + 1;
}

void TColorGridSeries::FindCells(const TChartValueList& list, TAxisCells& cells) const {
    // NaN has no place on the grid (nor an order to sort by).
    cells.Values.clear();
    for (int i = 0; i < list.Count(); ++i)
        if (!std::isnan(list[i])) cells.Values.push_back(list[i]);
    std::sort(cells.Values.begin(), cells.Values.end());
    cells.Values.erase(std::unique(cells.Values.begin(), cells.Values.end()), cells.Values.end());
    cells.Regular = true;
    cells.Spacing = 1;
    const size_t n = cells.Values.size();
    if (n < 2) return;
    const double last = cells.Values[n - 1] - cells.Values[n - 2];
    for (size_t i = 1; i + 1 < n && cells.Regular; ++i)
        cells.Regular = std::abs(cells.Values[i] - cells.Values[i - 1] - last) <= 1e-12;
    cells.Spacing = last < 1e-12 ? 1 : last;
}

double TColorGridSeries::MaxEdge(TChartValueList& list, TAxisCells& cells) {
    if (!IrregularGrid()) return UpperEdge(list.Maximum());
    FindCells(list, cells);
    return UpperEdge(cells.Regular ? list.Maximum() + cells.Spacing : list.Maximum());
}

double TColorGridSeries::PositionValue(TChartValueList& list, const TAxisCells& cells, int p) {
    if (!IrregularGrid()) return RoundToInt(list.Minimum()) + p - 1;
    const int n = int(cells.Values.size());
    if (n == 0) return 0;
    if (p <= n) return cells.Values[size_t(p - 1)];
    const double step = n > 1 ? cells.Values[size_t(n - 1)] - cells.Values[size_t(n - 2)] : 1;
    return cells.Values[size_t(n - 1)] + (p - n) * step;
}

int TColorGridSeries::PositionAt(TChartValueList& list, const TAxisCells& cells, double v) {
    if (!IrregularGrid() || cells.Regular) {
        // A grid of equal cells: the cell follows from the distance to the first one.
        const double first = IrregularGrid() ? list.Minimum() : RoundToInt(list.Minimum());
        const double d = (v - first) / (IrregularGrid() ? cells.Spacing : 1);
        return d < 0 ? 0 : int(d) + 1;
    }
    // Bands between successive values; nothing beyond the last one.
    const auto above = std::upper_bound(cells.Values.begin(), cells.Values.end(), v);
    if (above == cells.Values.begin() || above == cells.Values.end()) return 0;
    return int(above - cells.Values.begin());
}

// --- Extremes: X across and Z up, as cell edges.

double TColorGridSeries::GetMinXValue() { return LowerEdge(XValues().Minimum()); }
double TColorGridSeries::GetMaxXValue() { return MaxEdge(XValues(), FXCells); }
double TColorGridSeries::GetMinZValue() { return LowerEdge(ZValues().Minimum()); }
double TColorGridSeries::GetMaxZValue() { return MaxEdge(ZValues(), FZCells); }
double TColorGridSeries::GetMinYValue() { return GetMinZValue(); }
double TColorGridSeries::GetMaxYValue() { return GetMaxZValue(); }

// --- Pixels and marks.

int TColorGridSeries::PointXPixel(int index) const {
    const int x = TCustom3DGridSeries::PointXPixel(index);
    return FCenteredPoints ? x : x + XSizeToPixels(0.5);
}

int TColorGridSeries::PointYPixel(int index) const {
    const int y = YValueToPixel(ZValues()[index]);
    return FCenteredPoints ? y : y - YSizeToPixels(0.5);
}

void TColorGridSeries::DrawMark(int valueIndex, const std::string& text,
                                TSeriesMarkPosition& position) {
    // Centred on the cell.
    position.LeftTop.X = XValueToPixel(XValues()[valueIndex] + 0.5) - position.Width / 2;
    position.LeftTop.Y = YValueToPixel(ZValues()[valueIndex] + 0.5) - position.Height / 2;
    TCustom3DGridSeries::DrawMark(valueIndex, text, position);
}

// --- Clicks.

int TColorGridSeries::ValueIndexAt(int x, int y) {
    if (Count() == 0 || !FParentChart) return -1;
    const double shift = FCenteredPoints ? 0.5 : 0;
    const double vx = PixelToXValue(x) + shift, vz = PixelToYValue(y) + shift;
    if (IrregularGrid()) {
        FindCells(XValues(), FXCells);
        FindCells(ZValues(), FZCells);
    }
    const int row = PositionAt(XValues(), FXCells, vx);
    const int column = PositionAt(ZValues(), FZCells, vz);
    if (row < 1 || row > NumXValues() || column < 1 || column > NumZValues()) return -1;
    const int i = GridIndex(row, column);
    return i < Count() ? i : -1;
}

// --- Pictures.

void TColorGridSeries::LoadBitmap(TGraphic* picture) {
    if (!picture) return;
    // One point per pixel: a picture of more pixels than a series may take as points is refused
    // before anything changes.
    CheckPictureSize(picture->Width(), picture->Height(), MaxPicturePoints);
    FBitmap->Assign(picture);
    FBitmap->SetPixelFormat(pf24bit);
    const int width = FBitmap->Width(), height = FBitmap->Height();
    const TSeriesUpdate update(*this);
    Clear();
    SetCenteredPoints(true);
    SetNumXValues(width);
    SetNumZValues(height);
    for (int i = 0; i < width; ++i) {
        for (int j = 0; j < height; ++j) {
            const uint8_t* bgr = FBitmap->ScanLine(j) + 3 * i;
            const TColor color = RGB(bgr[2], bgr[1], bgr[0]);
            AddXYZPoint(i + 1, double(color), j + 1, {}, color);
        }
    }
}

// --- Gallery.

void TColorGridSeries::ListGalleryVariants(
    const std::function<void(const std::string&)>& addVariant) {
    TCustom3DGridSeries::ListGalleryVariants(addVariant);
    for (const std::string* t : {&TxtExtNoGrid, &TxtBottomAxis, &TxtLeftAxis}) addVariant(*t);
}

void TColorGridSeries::ApplyGalleryVariant(TChartSeries* series, int index) {
    auto* s = dynamic_cast<TColorGridSeries*>(series);
    if (!s || index < 2 || index > 4) {
        TCustom3DGridSeries::ApplyGalleryVariant(series, index);
        return;
    }
    if (index == 2) s->Pen()->SetVisible(false);
    if (index == 3) s->SetDrawPlane3D(cpY);
    if (index == 4) s->SetDrawPlane3D(cpX);
}

void TColorGridSeries::PrepareForGallery(bool enabled) {
    TCustom3DGridSeries::PrepareForGallery(enabled);
    const bool wanted = SampleValuesWanted;
    SampleValuesWanted = true;
    FillGridValues(8, 4);
    SampleValuesWanted = wanted;
}

void TColorGridSeries::Apply3DFromGallery(bool enabled) {
    TCustom3DGridSeries::Apply3DFromGallery(enabled);
    if (!FParentChart) return;
    FParentChart->SetView3D(enabled);
    FParentChart->SetClipPoints(true);
}

// --- Copies and the stream.

void TColorGridSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TColorGridSeries*>(source)) {
        FCenteredPoints = other->FCenteredPoints;
        FSmoothBitmap = other->FSmoothBitmap;
        FFrame->Assign(other->FFrame.get());
        FDrawPlane3D = other->FDrawPlane3D;
        FDrawPosition = other->FDrawPosition;
        FTransparency = other->FTransparency;
    }
    TCustom3DGridSeries::Assign(source);
}

void TColorGridSeries::Publish(TPublisher<TColorGridSeries>& p) {
    using S = TColorGridSeries;
    p.Object("Brush", &S::Brush, &S::SetBrush);
    p.Boolean("CenteredPoints", &S::CenteredPoints, &S::SetCenteredPoints).Default(false);
    p.Enumeration("DrawPlane3D", Canvas3DPlaneNames(), &S::DrawPlane3D, &S::SetDrawPlane3D)
        .Default(cpZ);
    p.Integer("DrawPosition", &S::DrawPosition, &S::SetDrawPosition).Default(0);
    p.Object("Frame", &S::Frame, &S::SetFrame);
    p.Object("Pen", &S::Pen, &S::SetPen);
    p.Boolean("SmoothBitmap", &S::SmoothBitmap, &S::SetSmoothBitmap).Default(false);
    p.Integer("Transparency", &S::Transparency, &S::SetTransparency).Default(0);
    p.Integer("XGridEvery", &S::XGridEvery, &S::SetXGridEvery).Default(1);
    p.Integer("ZGridEvery", &S::ZGridEvery, &S::SetZGridEvery).Default(1);
}
