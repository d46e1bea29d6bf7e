#include "chart/series/polar/PolarGridSeries.h"

#include <algorithm>
#include <cmath>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/BlendScope.h"
#include "chart/engine/Chart.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/HitTests.h"
#include "chart/series/algo/PolarScale.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/NumberText.h"

// The private chart of the palette series: whatever changes there repaints the polar grid.
class TPolarGridPaletteChart : public TChart {
public:
    explicit TPolarGridPaletteChart(TPolarGridSeries& series) : TChart(nullptr), FSeries(series) {}
    void Invalidate() override { FSeries.Repaint(); }

private:
    TPolarGridSeries& FSeries;
};

// --- The palette settings.

void TGridColorPalette::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TGridColorPalette*>(source)) {
        TPolarGridPaletteSeries& s = FSeries;
        const TPolarGridPaletteSeries& o = other->FSeries;
        s.SetEndColor(o.EndColor());
        s.SetMidColor(o.MidColor());
        s.SetLegendEvery(o.LegendEvery());
        s.SetPaletteMin(o.PaletteMin());
        s.SetPaletteStep(o.PaletteStep());
        s.SetPaletteSteps(o.PaletteSteps());
        s.SetPaletteStyle(o.PaletteStyle());
        s.SetStartColor(o.StartColor());
        s.SetUseColorRange(o.UseColorRange());
        s.SetUsePalette(o.UsePalette());
        s.SetUsePaletteMin(o.UsePaletteMin());
        return;
    }
    TPersistent::Assign(source);
}

void TGridColorPalette::Publish(TPublisher<TGridColorPalette>& p) {
    using P = TGridColorPalette;
    using S = TPolarGridPaletteSeries;
    auto through = [](auto get) {
        return [get](const P& palette) { return (palette.Series().*get)(); };
    };
    auto into = [](auto set) {
        return [set](P& palette, auto value) { (palette.Series().*set)(value); };
    };
    p.Color("EndColor", through(&S::EndColor), into(&S::SetEndColor)).Default(TColor(0xFFFFFF));
    p.Color("MidColor", through(&S::MidColor), into(&S::SetMidColor)).Default(clNone);
    p.Integer("LegendEvery", through(&S::LegendEvery), into(&S::SetLegendEvery)).Default(1);
    p.Float("PaletteMin", through(&S::PaletteMin), into(&S::SetPaletteMin));
    p.Float("PaletteStep", through(&S::PaletteStep), into(&S::SetPaletteStep));
    p.Integer("PaletteSteps", through(&S::PaletteSteps), into(&S::SetPaletteSteps)).Default(32);
    p.Enumeration("PaletteStyle", TeePaletteStyleNames(), through(&S::PaletteStyle),
                  into(&S::SetPaletteStyle))
        .Default(int(psPale));
    p.Color("StartColor", through(&S::StartColor), into(&S::SetStartColor))
        .Default(TColor(0x800000));
    p.Boolean("UseColorRange", through(&S::UseColorRange), into(&S::SetUseColorRange))
        .Default(true);
    p.Boolean("UsePalette", through(&S::UsePalette), into(&S::SetUsePalette)).Default(false);
    p.Boolean("UsePaletteMin", through(&S::UsePaletteMin), into(&S::SetUsePaletteMin))
        .Default(false);
}

// --- The series.

TPolarGridSeries::TPolarGridSeries(TComponent* owner)
    : TCustomPolarSeries(owner),
      FCellValues(new TChartValueList(this, "Values")),
      FPaletteChart(new TPolarGridPaletteChart(*this)),
      FPaletteSeries(new TPolarGridPaletteSeries(nullptr)),
      FPalette(std::make_unique<TGridColorPalette>(*FPaletteSeries)) {
    XValues().SetName("Sectors");
    XValues().SetOrder(loNone);
    YValues().SetName("Tracks");
    SetRotationAngle(90);
    Pen()->SetColor(clBlack);
    Brush()->SetStyle(bsSolid);
    Pointer()->SetVisible(false);
    FPaletteSeries->SetParentChart(FPaletteChart.get());
}

TPolarGridSeries::~TPolarGridSeries() {
    FPalette.reset();
    FPaletteSeries.reset();
    FPaletteChart.reset();
}

int TPolarGridSeries::AddCell(int sector, int track, double value) {
    FCellValues->TempValue = value;
    return AddXYPoint(sector, track);
}

TColor TPolarGridSeries::CellValueColor(double value) const {
    return FPaletteSeries->ColorForValue(value);
}

double TPolarGridSeries::ScreenAngle(double position) const {
    const double a = position * SectorWidth();
    return ClockWiseLabels() ? 360 - a : a;
}

void TPolarGridSeries::PrepareForChartDraw() {
    {
        TSeriesUpdate update(*FPaletteSeries);
        FPaletteSeries->Clear();
        FPaletteSeries->AddXYZValues(0, FCellValues->Minimum(), 0);
        FPaletteSeries->AddXYZValues(0, FCellValues->Maximum(), 0);
        FPaletteSeries->SetSeriesColor(SeriesColor());
        FPaletteSeries->PrepareForChartDraw();
    }
    SetAngleIncrement(SectorWidth());
    TCustomPolarSeries::PrepareForChartDraw();
}

int TPolarGridSeries::PointXPixel(int index) const {
    int x = 0, y = 0;
    RadiusToPoint(ScreenAngle(XValues()[index] - CentreShift()), YValues()[index], x, y);
    return x;
}

int TPolarGridSeries::PointYPixel(int index) const {
    int x = 0, y = 0;
    RadiusToPoint(ScreenAngle(XValues()[index] - CentreShift()), YValues()[index], x, y);
    return y;
}

std::array<TPoint, 4> TPolarGridSeries::CellPolygon(int valueIndex) const {
    const double sector = XValues()[valueIndex] - CentreShift();
    const double r = YValues()[valueIndex];
    std::array<TPoint, 4> p{};
    RadiusToPoint(ScreenAngle(sector), r, p[0].X, p[0].Y);
    RadiusToPoint(ScreenAngle(sector + 1), r, p[1].X, p[1].Y);
    if (r <= 0) {
        p[2] = p[3] = Centre();
    } else {
        RadiusToPoint(ScreenAngle(sector + 1), r - 1, p[2].X, p[2].Y);
        RadiusToPoint(ScreenAngle(sector), r - 1, p[3].X, p[3].Y);
    }
    return p;
}

void TPolarGridSeries::DrawValue(int valueIndex) {
    TColor color = ValueColor(valueIndex);
    if (color == clNone && TreatNulls() != tnIgnore) return;
    if (color == clDefault) {
        if (ColorEachPoint())
            color = ValueColor(valueIndex);
        else if (FPaletteSeries->UseColorRange() || FPaletteSeries->UsePalette())
            color = CellValueColor((*FCellValues)[valueIndex]);
    }
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UsePen(Pen());
    canvas.UseBrushColored(Brush(), color);
    const std::array<TPoint, 4> cell = CellPolygon(valueIndex);
    const bool view3D = FParentChart->View3D();
    TRect bounds{cell[0].X, cell[0].Y, cell[0].X, cell[0].Y};
    for (const TPoint& p : cell) {
        const TPoint q = view3D ? canvas.ProjectPoint(p.X, p.Y, MidDepth) : p;
        bounds = TRect{std::min(bounds.Left, q.X), std::min(bounds.Top, q.Y),
                       std::max(bounds.Right, q.X + 1), std::max(bounds.Bottom, q.Y + 1)};
    }
    TBlendScope blend(canvas, bounds, Transparency());
    if (view3D)
        canvas.DrawPolygonAtZ(cell, 3, MidDepth);
    else
        canvas.DrawPolygon(cell, 3);
}

void TPolarGridSeries::DrawRing(int xRadius, int yRadius, int z) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const double step = AngleIncrement();
    const double c = CentreShift();
    int x = 0, y = 0;
    AngleToPointDegrees(c * step, xRadius, yRadius, x, y);
    canvas.MovePenTo3D(x, y, z);
    for (int k = 0; k <= Sectors() && k <= MaxPolarSteps; ++k) {
        AngleToPointDegrees((k + c) * step, xRadius, yRadius, x, y);
        canvas.DrawLineTo3D(x, y, z);
    }
}

void TPolarGridSeries::DoAfterDrawValues() {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UsePen(CirclePen());
    canvas.Brush()->SetStyle(bsClear);
    DrawRing(CircleWidth / 2, CircleHeight / 2, BackDepth);
    TCustomPolarSeries::DoAfterDrawValues();
}

std::string TPolarGridSeries::AngleLabelText(int index, double /*angle*/) {
    return IntToStr(ClockWiseLabels() && index > 0 ? Sectors() - index : index);
}

int TPolarGridSeries::ValueIndexAt(int x, int y) {
    if (Count() == 0 || !FParentChart) return -1;
    if (FParentChart->View3D()) FParentChart->Canvas3D()->UnprojectPoint(x, y, FrontDepth);
    for (int i = 0; i < Count(); ++i) {
        if (IsNullValue(i)) continue;
        const std::array<TPoint, 4> cell = CellPolygon(i);
        if (PointInPolygon(TPoint{x, y}, cell, 3)) return i;
    }
    return -1;
}

// --- The legend lists the palette.

int TPolarGridSeries::CountLegendItems() const { return FPaletteSeries->CountLegendItems(); }

TColor TPolarGridSeries::LegendItemColor(int legendIndex) const {
    return FPaletteSeries->LegendItemColor(legendIndex);
}

std::string TPolarGridSeries::LegendItemText(int legendIndex, TLegendTextStyle style) {
    return FPaletteSeries->LegendItemText(legendIndex, style);
}

// --- Copies, samples and the gallery.

bool TPolarGridSeries::CanCopyFrom(const TChartSeries& source) const {
    return dynamic_cast<const TPolarGridSeries*>(&source) != nullptr;
}

void TPolarGridSeries::AddRandomValues(int numValues, bool /*onlyMandatory*/) {
    FNumSectors = FNumTracks = numValues;
    TSeriesUpdate update(*this);
    auto cos2 = [](double v) { return std::cos(v) * std::cos(v); };
    for (int i = 0; i < FNumSectors; ++i)
        for (int j = 0; j < FNumTracks; ++j)
            AddCell(i, j,
                    0.5 * cos2(i / (0.2 * FNumSectors)) + cos2(j / (0.2 * FNumTracks)) -
                        std::cos(j / (0.5 * FNumTracks)));
}

void TPolarGridSeries::PrepareForGallery(bool enabled) {
    TCustomPolarSeries::PrepareForGallery(enabled);
    FillSampleValues(8);
}

void TPolarGridSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TPolarGridSeries*>(source)) {
        FCellValues->Assign(other->FCellValues);
        FCentered = other->FCentered;
        FNumSectors = other->FNumSectors;
        FNumTracks = other->FNumTracks;
        FPalette->Assign(other->FPalette.get());
    }
    TCustomPolarSeries::Assign(source);
}

void TPolarGridSeries::Publish(TPublisher<TPolarGridSeries>& p) {
    using S = TPolarGridSeries;
    p.Object("CellValues", [](const S& s) { return s.FCellValues; });
    p.Boolean("Centered", &S::Centered, &S::SetCentered).Default(true);
    p.Integer("NumSectors", &S::NumSectors, &S::SetNumSectors).Default(10);
    p.Integer("NumTracks", &S::NumTracks, &S::SetNumTracks).Default(10);
    p.Inherited("RotationAngle").Default(90);
}
