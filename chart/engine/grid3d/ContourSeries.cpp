#include "chart/engine/grid3d/ContourSeries.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/BSpline.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/engine/SeriesMarkPositions.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/engine/SeriesPointer.h"
#include "chart/engine/grid3d/IsoSurfaceSeries.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/HitTests.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/RtlMath.h"

TContourSeries::TContourSeries(TComponent* owner)
    : TCustom3DGridSeries(owner),
      FContourMarks(std::make_unique<TContourMarks>(this)),
      FLevels(std::make_unique<TContourLevels>(this)),
      FPointer(std::make_unique<TSeriesPointer>(this)),
      FSmoothing(std::make_unique<TSmoothPoints>(this)),
      FFrame(std::make_unique<TChartHiddenPen>(StyleChangedEvent())) {
    FPointer->SetSize(2);
    FPointer->SetVisible(false);
    FPointer->Pen()->SetVisible(false);
    Brush()->SetStyle(bsClear);
    SetColorEachPoint(true);
    Marks()->SetTransparent(true);
}

TContourSeries::~TContourSeries() {
    // The levels go without turning anything off.
    UpdatingLevels = true;
    FLevels.reset();
}

// --- Settings.

void TContourSeries::SetAutomaticLevels(bool value) {
    FAutomaticLevels = value;
    if (value) {
        UpdatingLevels = true;
        FLevels->Clear();
        UpdatingLevels = false;
    }
    Repaint();
}

int TContourSeries::NumLevels() const { return FAutomaticLevels ? FNumLevels : FLevels->Count(); }

void TContourSeries::SetNumLevels(int value) {
    FNumLevels = value;
    if (FAutomaticLevels) {
        UpdatingLevels = true;
        FLevels->Clear();
        UpdatingLevels = false;
    }
    Repaint();
}

void TContourSeries::SetFrame(const TChartHiddenPen* value) { FFrame->Assign(value); }
void TContourSeries::SetPointer(const TSeriesPointer* value) { FPointer->Assign(value); }

void TContourSeries::SetParentChart(TCustomAxisPanel* value) {
    TCustom3DGridSeries::SetParentChart(value);
    if (value && !ComponentState().Contains(csDestroying)) FPointer->SetParentChart(value);
}

// --- Levels.

void TContourSeries::CreateAutoLevels() {
    UpdatingLevels = true;
    std::optional<TAutoRepaintGuard> noRepaint;
    if (FParentChart) noRepaint.emplace(*FParentChart);
    struct TReset {
        bool& Flag;
        ~TReset() { Flag = false; }
    } reset{UpdatingLevels};
    if (FLevels->Count() != FNumLevels) FLevels->Clear();
    TChartValueList& y = YValues();
    const double minimum = y.Minimum();
    const double step = (y.Maximum() - minimum) / std::max(1, FNumLevels - 1);
    const bool reuse = FLevels->Count() == FNumLevels;
    for (int d = 0; d < FNumLevels; ++d) {
        double value = minimum + step * d;
        TColor color;
        if (ColorEachPoint())
            color = d < Count() && StoredPointColor(d) != clDefault ? ValueColor(d) : clDefault;
        else
            color = ColorForValue(value);
        TContourLevel* level =
            reuse ? FLevels->GetLevel(d) : static_cast<TContourLevel*>(FLevels->Add());
        if (reuse && !level->UsesDefaultPen()) color = level->Pen()->Color();
        if (OnGetLevel) OnGetLevel(*this, d, value, color);
        level->SetColor(color);
        level->SetUpToValue(value);
        if (!level->UsesDefaultPen()) level->Pen()->SetColor(color);
    }
}

void TContourSeries::EnsureAutoLevels() {
    if (!UpdatingLevels && FAutomaticLevels && FNumLevels > 0) CreateAutoLevels();
}

void TContourSeries::PrepareForChartDraw() {
    TCustom3DGridSeries::PrepareForChartDraw();
    EnsureAutoLevels();
}

// Every cell whose height range reaches a level is contoured for the levels inside that range.
void TContourSeries::TraceLevels() {
    const int levels = FLevels->Count();
    for (int k = 0; k < levels; ++k) FLevels->GetLevel(k)->Segments.clear();
    if (levels == 0) return;
    const double first = FLevels->GetLevel(0)->UpToValue();
    const double last = FLevels->GetLevel(levels - 1)->UpToValue();
    CellRowStep = CellColumnStep = 1;
    const TChartValueList &xs = XValues(), &ys = YValues(), &zs = ZValues();
    std::array<TContourSegment, 4> found;
    for (int column = 1; column < NumZValues(); ++column)
        for (int row = 1; row < NumXValues(); ++row) {
            if (!GetCellIndices(row, column)) continue;
            const std::array<double, 4> h{ys[CellIndex[0]], ys[CellIndex[1]], ys[CellIndex[2]],
                                          ys[CellIndex[3]]};
            const double low = *std::min_element(h.begin(), h.end());
            const double high = *std::max_element(h.begin(), h.end());
            if (low > last || first > high) continue;
            const double x0 = xs[CellIndex[0]], x1 = xs[CellIndex[1]];
            const double z0 = zs[CellIndex[0]], z1 = zs[CellIndex[3]];
            const std::array<TContourPoint, 4> corners{TContourPoint{x0, z0}, TContourPoint{x1, z0},
                                                       TContourPoint{x1, z1},
                                                       TContourPoint{x0, z1}};
            for (int k = 0; k < levels; ++k) {
                TContourLevel& level = *FLevels->GetLevel(k);
                const double value = level.UpToValue();
                if (value < low || value > high) continue;
                const int n = CellLevelSegments(corners, h, value, found);
                for (int i = 0; i < n; ++i) AddLevelSegment(level.Segments, found[size_t(i)]);
            }
        }
}

// --- Drawing.

void TContourSeries::DrawAllValues() {
    if (Count() == 0 || NumLevels() <= 0) return;
    TraceLevels();
    if (Brush()->Style() != bsClear) FillBands();
    DrawLevelLines();
    if (FFrame->Visible()) {
        TCanvas3D& canvas = *FParentChart->Canvas3D();
        canvas.Brush()->SetStyle(bsClear);
        canvas.SetBackgroundMode(TRANSPARENT);
        canvas.UsePen(FFrame.get());
        const int left = XValueToPixel(XValues().Minimum());
        const int right = XValueToPixel(XValues().Maximum());
        if (FParentChart->View3D()) {
            const TChartAxis* depth = FParentChart->DepthAxis();
            canvas.FillPlaneAtY(left, FYPixel, right, depth->PixelOfValue(ZValues().Minimum()),
                                depth->PixelOfValue(ZValues().Maximum()));
        } else {
            canvas.DrawRectangle(left, YValueToPixel(ZValues().Minimum()), right,
                                 YValueToPixel(ZValues().Maximum()));
        }
    }
}

// The bands between the levels, by a temporary isosurface with one palette entry per level.
// It draws on the chart's surface without joining the chart's series, which are being drawn.
// It takes the points, the grid, the brush and the axes of the contour, not a whole copy of the
// series: assigning a series hands its function and its data sources over, which the contour
// would lose to a series that lives for one drawing.
void TContourSeries::FillBands() {
    TIsoSurfaceSeries bands(this);
    bands.SetIrregularGrid(IrregularGrid());
    bands.LoadFromSeries(*this);
    bands.Brush()->Assign(Brush());
    bands.SetHorizAxis(HorizAxis());
    bands.SetVertAxis(VertAxis());
    bands.SetCustomHorizAxis(CustomHorizAxis());
    bands.SetCustomVertAxis(CustomVertAxis());
    bands.SetUseColorRange(false);
    std::vector<TPaletteEntry> palette;
    for (int k = 0; k < FLevels->Count(); ++k)
        palette.push_back(
            TPaletteEntry{FLevels->GetLevel(k)->UpToValue(), FLevels->GetLevel(k)->ActualColor()});
    std::sort(palette.begin(), palette.end(), [](const TPaletteEntry& a, const TPaletteEntry& b) {
        return a.UpToValue < b.UpToValue;
    });
    bands.SetPaletteStyle(psCustom);
    bands.SetPalette(palette);
    bands.SetUsePalette(true);
    bands.SetUseYPosition(!FYPositionLevel);
    bands.SetYPosition(FYPosition);
    bands.Pen()->SetVisible(false);
    bands.BandPen()->SetVisible(false);
    bands.SetTransparency(FTransparency);
    bands.BorrowChart(FParentChart);
    struct TGiveBack {
        TIsoSurfaceSeries& Series;
        ~TGiveBack() { Series.BorrowChart(nullptr); }
    } giveBack{bands};
    bands.FillGridIndex();
    bands.DrawAllValues();
}

void TContourSeries::ScreenPoints(const TLevelSegment& line) {
    const bool view3D = FParentChart->View3D();
    const TChartAxis* depth = FParentChart->DepthAxis();
    FScreen.clear();
    FScreenDepth.clear();
    for (const TContourPoint& p : line.Points) {
        const int z = view3D ? depth->PixelOfValue(p.Z) : YValueToPixel(p.Z);
        FScreen.push_back(TPoint{XValueToPixel(p.X), z});
    }
}

void TContourSeries::Smooth() {
    TBSpline spline;
    for (const TPoint& p : FScreen) spline.AppendControlPoint(p.X, p.Y);
    spline.SetInterpolate(FSmoothing->Interpolate());
    const int segments =
        std::min(TBSpline::MaxSegmentCount, FSmoothing->Factor() * int(FScreen.size()));
    spline.SetSegmentCount(segments);
    FScreen.clear();
    for (int k = 0; k <= segments; ++k) {
        const T2DPoint c = spline.CurvePoint(double(k) / segments);
        FScreen.push_back(TPoint{RoundToInt(c.X), RoundToInt(c.Y)});
    }
}

void TContourSeries::DrawLevelPointers(TColor color, TColor lineColor) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const bool view3D = FParentChart->View3D();
    FPointer->PrepareCanvas(canvas, color);
    for (const TPoint& p : FScreen) {
        if (view3D) FrontDepth = MidDepth = BackDepth = p.Y;
        FPointer->DrawOnCanvas(canvas, view3D, p.X, view3D ? FYPixel : p.Y, FPointer->HorizSize(),
                               FPointer->VertSize(), color, FPointer->Style());
    }
    canvas.UsePenWithColor(Pen(), lineColor);
}

// The points whose height is the level's value, as pointers or single pixels.
void TContourSeries::DrawLevelPoints(TColor color, double value) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const bool view3D = FParentChart->View3D();
    const TChartAxis* depth = FParentChart->DepthAxis();
    for (int i = 0; i < Count(); ++i) {
        const double a = YValues()[i];
        const double tolerance = std::max(std::min(std::abs(a), std::abs(value)) * 1e-12, 1e-12);
        if (std::abs(a - value) > tolerance) continue;
        const int x = XValueToPixel(XValues()[i]);
        const int z = view3D ? depth->PixelOfValue(ZValues()[i]) : YValueToPixel(ZValues()[i]);
        if (FPointer->Visible()) {
            FPointer->PrepareCanvas(canvas, color);
            if (view3D) FrontDepth = MidDepth = BackDepth = z;
            FPointer->DrawOnCanvas(canvas, view3D, x, view3D ? FYPixel : z, FPointer->HorizSize(),
                                   FPointer->VertSize(), color, FPointer->Style());
        } else if (view3D) {
            canvas.SetPixelColorAtZ(x, FYPixel, z, color);
        } else {
            canvas.SetPixelColor(x, z, color);
        }
    }
}

bool TContourSeries::LinesHaveMarks() const {
    return Marks()->Visible() && FContourMarks->AtSegments();
}

void TContourSeries::DrawLevelLines() {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const bool view3D = FParentChart->View3D();
    canvas.SetBackgroundMode(TRANSPARENT);
    FYPixel = YValueToPixel(FYPosition);
    const bool clearBrush = Brush()->Style() == bsClear;
    const int levels = FLevels->Count();
    FMarkRects.clear();
    for (int k = 0; k < levels; ++k) {
        TContourLevel& level = *FLevels->GetLevel(k);
        const TColor levelColor = level.ActualColor();
        const bool withMarks = LinesHaveMarks() && k % std::max(1, Marks()->DrawEvery()) == 0;
        std::string text;
        TSeriesMarkPosition size;
        if (withMarks) {
            text = LevelMarkText(k);
            MarkTextSize(*Marks(), text, 0, 0, size);
        }
        const TColor lineColor = clearBrush || FLinesColor == clDefault ? levelColor : FLinesColor;
        if (FYPositionLevel) FYPixel = YValueToPixel(level.UpToValue());
        canvas.UsePenWithColor(level.LinePen(), lineColor);
        if (OnBeforeDrawLevel) OnBeforeDrawLevel(*this, k);
        if ((k == 0 || k == levels - 1) && level.Segments.empty() &&
            (FPointer->Visible() || Marks()->Visible()))
            DrawLevelPoints(levelColor, level.UpToValue());
        for (const TLevelSegment& line : level.Segments) {
            ScreenPoints(line);
            if (FSmoothing->Active() && FScreen.size() > 1) Smooth();
            if (withMarks) {
                DrawLineWithMarks(lineColor, levelColor, text, size.Width, size.Height);
            } else if (view3D) {
                canvas.MovePenTo3D(FScreen[0].X, FYPixel, FScreen[0].Y);
                for (size_t i = 1; i < FScreen.size(); ++i)
                    canvas.DrawLineTo3D(FScreen[i].X, FYPixel, FScreen[i].Y);
            } else {
                canvas.DrawPolyline(FScreen, int(FScreen.size()) - 1);
            }
            if (FPointer->Visible()) DrawLevelPointers(levelColor, lineColor);
        }
    }
}

void TContourSeries::DrawMarks() {
    // Marks along the lines replace the marks at the points.
    if (FContourMarks->AtSegments()) return;
    TCustom3DGridSeries::DrawMarks();
}

int TContourSeries::PointYPixel(int index) const {
    if (FParentChart && !FParentChart->View3D()) return YValueToPixel(ZValues()[index]);
    return TCustom3DGridSeries::PointYPixel(index);
}

// --- Extremes and clicks.

double TContourSeries::GetMaxYValue() {
    if (FParentChart && !FParentChart->View3D()) return ZValues().Maximum();
    return TCustom3DGridSeries::GetMaxYValue();
}

double TContourSeries::GetMinYValue() {
    if (FParentChart && !FParentChart->View3D()) return ZValues().Minimum();
    return TCustom3DGridSeries::GetMinYValue();
}

// Each line's screen points projected as drawn; the first level with a line through (x, y).
int TContourSeries::ValueIndexAt(int x, int y) {
    if (!FParentChart) return -1;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const bool view3D = FParentChart->View3D();
    const TPoint p{x, y};
    for (int k = 0; k < FLevels->Count(); ++k) {
        const TContourLevel& level = *FLevels->GetLevel(k);
        const int yPixel =
            FYPositionLevel ? YValueToPixel(level.UpToValue()) : YValueToPixel(FYPosition);
        for (const TLevelSegment& line : level.Segments) {
            ScreenPoints(line);
            for (TPoint& s : FScreen)
                if (view3D) s = canvas.ProjectPoint(s.X, yPixel, s.Y);
            for (size_t i = 1; i < FScreen.size(); ++i)
                if (IsPointNearLinePoints(p, FScreen[i - 1], FScreen[i], 0)) return k;
        }
    }
    return -1;
}

// --- Legend: one row per LegendEvery levels, the highest first.

int TContourSeries::LegendLevelIndex(int legendIndex) const {
    return NumLevels() - 1 - legendIndex * LegendEvery();
}

int TContourSeries::CountLegendItems() const { return FLevels->Count() / LegendEvery(); }

TColor TContourSeries::LegendItemColor(int legendIndex) const {
    const int k = LegendLevelIndex(legendIndex);
    if (k < 0 || k >= FLevels->Count()) return clNone;
    return FLevels->GetLevel(k)->ActualColor();
}

std::string TContourSeries::LegendItemText(int legendIndex, TLegendTextStyle style) {
    const int k = LegendLevelIndex(legendIndex);
    if (k < 0 || k >= FLevels->Count()) return {};
    const std::string value = FormatFloat(ValueFormat(), FLevels->GetLevel(k)->UpToValue());
    switch (style) {
        case ltsXValue:
            return std::to_string(k);
        case ltsXAndValue:
        case ltsXAndPercent:
            return std::to_string(k) + ColumnSeparator + value;
        default:
            return value;
    }
}

void TContourSeries::DrawLegendShape(int valueIndex, const TRect& rect) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const bool own = valueIndex == -1;
    if (FLegendLines && Brush()->Style() == bsClear) {
        const int middle = (rect.Top + rect.Bottom) / 2;
        if (own) {
            canvas.UsePenWithColor(Pen(), SeriesColor());
        } else {
            const int k = LegendLevelIndex(valueIndex);
            if (k < 0 || k >= FLevels->Count()) return;
            TContourLevel& level = *FLevels->GetLevel(k);
            TChartPen pen;
            pen.Assign(level.LinePen());
            pen.SetEndStyle(esFlat);
            canvas.UsePenWithColor(&pen, level.ActualColor());
        }
        canvas.DrawHorizontalLine(rect.Left, rect.Right, middle);
        return;
    }
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(own ? SeriesColor() : LegendItemColor(valueIndex));
    TCustom3DGridSeries::DrawLegendShape(valueIndex, rect);
}

// --- Samples, gallery and settings.

void TContourSeries::AddRandomValues(int numValues, bool onlyMandatory) {
    TCustom3DGridSeries::AddRandomValues(numValues, onlyMandatory);
    FYPosition = (YValues().Minimum() + YValues().Maximum()) / 2;
}

void TContourSeries::PrepareForGallery(bool enabled) {
    TCustom3DGridSeries::PrepareForGallery(enabled);
    if (!enabled) SetSeriesColor(TColor(0x808080));
}

void TContourSeries::ListGalleryVariants(
    const std::function<void(const std::string&)>& addVariant) {
    TCustom3DGridSeries::ListGalleryVariants(addVariant);
    addVariant(TxtColors);
    addVariant(TxtExtPositions);
    addVariant(TxtFilled);
    addVariant(TxtMarks);
}

void TContourSeries::ApplyGalleryVariant(TChartSeries* series, int index) {
    auto* s = dynamic_cast<TContourSeries*>(series);
    if (!s || index < 2 || index > 5) {
        TCustom3DGridSeries::ApplyGalleryVariant(series, index);
        return;
    }
    switch (index) {
        case 2:
            s->SetColorEachPoint(true);
            break;
        case 3:
            s->SetYPositionLevel(true);
            break;
        case 4:
            s->Brush()->SetStyle(bsSolid);
            break;
        default:
            s->Marks()->SetVisible(true);
            break;
    }
}

void TContourSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TContourSeries*>(source)) {
        FAutomaticLevels = other->FAutomaticLevels;
        FLegendLines = other->FLegendLines;
        UpdatingLevels = true;
        FLevels->Assign(other->FLevels.get());
        UpdatingLevels = false;
        FLinesColor = other->FLinesColor;
        FFrame->Assign(other->FFrame.get());
        FNumLevels = other->FNumLevels;
        FPointer->Assign(other->FPointer.get());
        FTransparency = other->FTransparency;
        FYPosition = other->FYPosition;
        FYPositionLevel = other->FYPositionLevel;
    }
    TCustom3DGridSeries::Assign(source);
}

void TContourSeries::Publish(TPublisher<TContourSeries>& p) {
    using S = TContourSeries;
    p.Boolean("AutomaticLevels", &S::AutomaticLevels, &S::SetAutomaticLevels).Default(true);
    p.Boolean("ColorEachPoint", &S::ColorEachPoint, &S::SetColorEachPoint).Default(true);
    p.Object("ContourMarks", &S::ContourMarks, &S::SetContourMarks);
    p.Object("Frame", &S::Frame, &S::SetFrame);
    p.Boolean("LegendLines", &S::LegendLines, &S::SetLegendLines).Default(false);
    p.Object("Levels", &S::Levels, &S::SetLevels).Stored([](const S& s) {
        return !s.AutomaticLevels();
    });
    p.Color("LinesColor", &S::LinesColor, &S::SetLinesColor).Default(clBlack);
    p.Integer("NumLevels", &S::NumLevels, &S::SetNumLevels).Default(10);
    p.Object("Pointer", &S::Pointer, &S::SetPointer);
    p.Object("Smoothing", &S::Smoothing, &S::SetSmoothing);
    p.Integer("Transparency", &S::Transparency, &S::SetTransparency).Default(0);
    p.Float("YPosition", &S::YPosition, &S::SetYPosition).Default(0.0);
    p.Boolean("YPositionLevel", &S::YPositionLevel, &S::SetYPositionLevel).Default(false);
}
