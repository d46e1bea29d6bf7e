#include "chart/tools/legend/LegendPaletteTool.h"

#include <utility>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/grid3d/ContourSeries.h"
#include "chart/engine/grid3d/Custom3DPaletteSeries.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeShadow.h"
#include "chart/tools/annotation/AnnotationTool.h"
#include "chart/tools/legend/PaletteChart.h"
#include "chart/tools/legend/PaletteSeries.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/RtlMath.h"

const TEnumInfo& LegendPaletteAxisNames() {
    static const TEnumInfo names{"laDefault", "laOther", "laBoth"};
    return names;
}

TLegendPaletteTool::TLegendPaletteTool(TComponent* owner)
    : TTeeCustomToolSeries(owner),
      FChart(new TPaletteChart(nullptr)),
      FSeries(new TPaletteSeries(nullptr)) {
    FSeries->SetTool(this);
    FChart->SetOwnerTool(this);
    FSeries->SetVertAxis(aBothVertAxis);
    FSeries->SetHorizAxis(aBothHorizAxis);
    FSeries->SetParentChart(FChart.get());
}

TLegendPaletteTool::~TLegendPaletteTool() {
    // Out of the host's list first; then the bar's series leaves its chart while both exist.
    SetParentChart(nullptr);
    FChart->SetOwnerTool(nullptr);
    FSeries.reset();
    FChart.reset();
}

void TLegendPaletteTool::Publish(TPublisher<TLegendPaletteTool>& p) {
    using T = TLegendPaletteTool;
    p.Enumeration("Axis", LegendPaletteAxisNames(), &T::Axis, &T::SetAxis).Default(laBoth);
    p.Object("Border", &T::Border, &T::SetBorder);
    p.Color("Color", &T::Color, &T::SetColor).Default(clWhite);
    p.Object("Gradient", &T::Gradient, &T::SetGradient);
    p.Integer("Height", &T::Height, &T::SetHeight).Default(200);
    p.Boolean("Inverted", &T::Inverted, &T::SetInverted).Default(false);
    p.Integer("Left", &T::Left, &T::SetLeft).Default(10);
    p.Enumeration("PositionUnits", TeeUnitsNames(), &T::PositionUnits, &T::SetPositionUnits)
        .Default(muPixels);
    p.Object("Shadow", &T::Shadow, &T::SetShadow);
    p.Boolean("Smooth", &T::Smooth, &T::SetSmooth).Default(false);
    p.Integer("Top", &T::Top, &T::SetTop).Default(10);
    p.Boolean("Transparent", &T::Transparent, &T::SetTransparent).Default(false);
    p.Boolean("Vertical", &T::Vertical, &T::SetVertical).Default(true);
    p.Integer("Width", &T::Width, &T::SetWidth).Default(100);
}

TLegendPaletteAxis TLegendPaletteTool::Axis() const {
    switch (FSeries->VertAxis()) {
        case aLeftAxis:
            return laDefault;
        case aRightAxis:
            return laOther;
        default:
            return laBoth;
    }
}

void TLegendPaletteTool::SetAxis(TLegendPaletteAxis value) {
    static const TVertAxis vertical[] = {aLeftAxis, aRightAxis, aBothVertAxis};
    static const THorizAxis horizontal[] = {aBottomAxis, aTopAxis, aBothHorizAxis};
    FSeries->SetVertAxis(vertical[value]);
    FSeries->SetHorizAxis(horizontal[value]);
    Repaint();
}

TChartHiddenPen* TLegendPaletteTool::Border() const { return FChart->Border(); }
void TLegendPaletteTool::SetBorder(const TChartHiddenPen* value) { FChart->SetBorder(value); }
TColor TLegendPaletteTool::Color() const { return FChart->Color(); }
void TLegendPaletteTool::SetColor(TColor value) { FChart->SetColor(value); }
TTeeGradient* TLegendPaletteTool::Gradient() const { return FChart->Gradient(); }
void TLegendPaletteTool::SetGradient(const TTeeGradient* value) { FChart->SetGradient(value); }
TTeeShadow* TLegendPaletteTool::Shadow() const { return FChart->Shadow(); }
void TLegendPaletteTool::SetShadow(const TTeeShadow* value) { FChart->SetShadow(value); }

bool TLegendPaletteTool::Transparent() const { return FChart->Color() == clNone; }
void TLegendPaletteTool::SetTransparent(bool value) { FChart->SetColor(value ? clNone : clWhite); }

bool TLegendPaletteTool::Inverted() const { return FChart->LeftAxis()->Inverted(); }

void TLegendPaletteTool::SetInverted(bool value) {
    for (TChartAxis* axis :
         {FChart->LeftAxis(), FChart->TopAxis(), FChart->RightAxis(), FChart->BottomAxis()})
        axis->SetInverted(value);
}

void TLegendPaletteTool::SetVertical(bool value) {
    if (FVertical == value) return;
    FVertical = value;
    // A stream holds the sizes as they are for its orientation.
    if (!ComponentState().Contains(csLoading)) std::swap(FWidth, FHeight);
    ShowAxes();
    Repaint();
}

void TLegendPaletteTool::ShowAxes() {
    FChart->BottomAxis()->SetVisible(!FVertical);
    FChart->TopAxis()->SetVisible(!FVertical);
    FChart->LeftAxis()->SetVisible(FVertical);
    FChart->RightAxis()->SetVisible(FVertical);
}

void TLegendPaletteTool::SetSeries(TChartSeries* value) {
    TTeeCustomToolSeries::SetSeries(value);
    Repaint();
}

void TLegendPaletteTool::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TLegendPaletteTool*>(source)) {
        FLeft = other->FLeft;
        FTop = other->FTop;
        FWidth = other->FWidth;
        FHeight = other->FHeight;
        FChart->Assign(other->FChart.get());
        FSmooth = other->FSmooth;
        SetInverted(other->Inverted());
        // The orientation without swapping: the copy keeps the sizes just copied.
        FVertical = other->FVertical;
        ShowAxes();
        FPositionUnits = other->FPositionUnits;
        FSeries->SetVertAxis(other->FSeries->VertAxis());
        FSeries->SetHorizAxis(other->FSeries->HorizAxis());
    }
    TTeeCustomToolSeries::Assign(source);
}

TRect TLegendPaletteTool::BarRect() const {
    TPoint at{FLeft, FTop};
    if (FPositionUnits == muPercent && ParentChart())
        at = TPoint{RoundToInt(ParentChart()->Width() * FLeft * 0.01),
                    RoundToInt(ParentChart()->Height() * FTop * 0.01)};
    return TRect{at.X, at.Y, at.X + FWidth, at.Y + FHeight};
}

void TLegendPaletteTool::AddEntry(int index, double value, TColor color) {
    if (FVertical)
        FSeries->AddXYPoint(index, value, "", color);
    else
        FSeries->AddXYPoint(value, index, "", color);
}

void TLegendPaletteTool::AddPaletteEntries() {
    TChartSeries* series = Series();
    if (auto* contour = dynamic_cast<TContourSeries*>(series)) {
        for (int i = 0; i < contour->Levels()->Count(); ++i) {
            const TContourLevel& level = *contour->Levels()->GetLevel(i);
            AddEntry(i, level.UpToValue(), level.ActualColor());
        }
    } else if (auto* palette = dynamic_cast<TCustom3DPaletteSeries*>(series)) {
        int i = 0;
        for (const TPaletteEntry& entry : palette->Palette())
            AddEntry(i++, entry.UpToValue,
                     palette->UsePalette() ? entry.Color : palette->ColorForValue(entry.UpToValue));
    } else if (auto* colored = dynamic_cast<IPaletteColoredSeries*>(series)) {
        const TCustom3DPaletteSeries& coloring = colored->ColoringPalette();
        int i = 0;
        for (const TPaletteEntry& entry : coloring.Palette())
            AddEntry(i++, entry.UpToValue, coloring.ColorForValue(entry.UpToValue));
    }
}

void TLegendPaletteTool::ChartDrawEvent(TChartToolEvent event) {
    if (event != cteAfterDraw || !ParentChart()) return;
    TCanvas* canvas = ParentChart()->Canvas3D()->GetDeviceHandle();
    if (!canvas) return;
    // Filling the bar is no change the host must be repainted for.
    const bool autoRepaint = FChart->AutoRepaint();
    FChart->SetAutoRepaint(false);
    {
        TSeriesUpdate update(*FSeries);
        FSeries->Clear();
        AddPaletteEntries();
        ParentChart()->Canvas3D()->RemoveClipping();
        FSeries->Pen()->Assign(Pen());
    }
    FChart->Draw(canvas, BarRect());
    FChart->SetAutoRepaint(autoRepaint);
}

void TLegendPaletteTool::ChartMouseEvent(TChartMouseEvent kind, TMouseButton button,
                                         TShiftState shift, int x, int y) {
    if (!ParentChart()) return;
    if (TCanvas* canvas = ParentChart()->Canvas3D()->GetDeviceHandle())
        FChart->Canvas3D()->BindCanvas(canvas);
    FChart->ForwardMouse(kind, button, shift, x, y);
    const TRect r = BarRect();
    if (x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom)
        ParentChart()->SetCancelMouse(true);
}
