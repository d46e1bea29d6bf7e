#include "chart/tools/view/FrameTool.h"

#include <array>

#include "chart/engine/AxisPanel.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/ResourceRoutines.h"
#include "chart/foundation/TeeFilterPicture.h"
#include "chart/foundation/TeeFilterTransforms.h"
#include "chart/foundation/TeeFilters.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/NumberText.h"

namespace {

// The margins a chart has before anything changes them: percent, 4 above and below, 3 beside.
void GiveDefaultMargins(TCustomAxisPanel& chart) {
    chart.SetMarginUnits(muPercent);
    chart.SetMarginTop(4);
    chart.SetMarginBottom(4);
    chart.SetMarginLeft(3);
    chart.SetMarginRight(3);
}

bool ChartGoing(const TComponent& c) { return c.ComponentState().Contains(csDestroying); }

}  // namespace

TFrameTool::TFrameTool(TComponent* owner)
    : TTeeCustomTool(owner),
      FFrame(std::make_unique<TTeePicture>()),
      FRotate(std::make_unique<TRotateFilter>()) {
    Brush()->SetColor(clWhite);
    Brush()->SetStyle(bsClear);
    const TNotifyEvent changed = Brush()->OnChange;
    Brush()->OnChange = [this, changed](TObject* sender) {
        if (changed) changed(sender);
        AdjustMargins();
        Repaint();
    };
    FFrame->OnChange = [this](TObject*) { Repaint(); };
    LoadProgramBitmap(*FFrame->Bitmap(), "TeeFrame1");
}

TFrameTool::~TFrameTool() {
    // The base's destructor leaves the chart without this class's say: give the margins back
    // first, unless the chart is going too.
    if (ParentChart() && !ChartGoing(*ParentChart())) RestoreMargins();
}

void TFrameTool::Publish(TPublisher<TFrameTool>& p) {
    using T = TFrameTool;
    p.Object("Frame", &T::Frame, &T::SetFrame).Stored([](const T& t) { return t.Style() == 0; });
    p.Integer("Paspartou", &T::Paspartou, &T::SetPaspartou).Default(16);
    p.Boolean("ResizeChart", &T::ResizeChart, &T::SetResizeChart).Default(true);
    p.Integer("Size", &T::Size, &T::SetSize).Default(16);
    p.Integer("Style", &T::Style, &T::SetStyle).Default(1);
    p.Object("Pen", &T::Pen, &T::SetPen);
    p.Object("Brush", &T::Brush, &T::SetBrush);
}

void TFrameTool::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TFrameTool*>(source)) {
        SetFrame(other->Frame());
        SetPaspartou(other->FPaspartou);
        SetResizeChart(other->FResizeChart);
        SetSize(other->FSize);
        SetStyle(other->FStyle);
    }
    TTeeCustomTool::Assign(source);
}

void TFrameTool::SetFrame(const TTeePicture* value) {
    if (value)
        FFrame->Assign(value);
    else
        FFrame->SetGraphic(nullptr);
    Repaint();
}

void TFrameTool::SetPaspartou(int value) {
    if (value == FPaspartou) return;
    FPaspartou = value;
    Repaint();
    AdjustMargins();
}

void TFrameTool::SetResizeChart(bool value) {
    if (value == FResizeChart) return;
    FResizeChart = value;
    Repaint();
    AdjustMargins();
}

void TFrameTool::SetSize(int value) {
    if (value == FSize) return;
    FSize = value;
    Repaint();
    AdjustMargins();
}

void TFrameTool::SetStyle(int value) {
    const std::string name = "TeeFrame" + IntToStr(value);
    // Refused before it is stored: a style without a picture would fail every later load too.
    if (value < 0 || value >= StyleCount) throw EResNotFound(Format(SResNotFound, {name}));
    if (value != 0) LoadProgramBitmap(*FFrame->Bitmap(), name);
    if (value != FStyle) {
        FStyle = value;
        Repaint();
    }
}

int TFrameTool::FrameWidth() const {
    return FSize + (Brush()->Style() != bsClear ? FPaspartou : 0);
}

void TFrameTool::SetActive(bool value) {
    TTeeCustomTool::SetActive(value);
    if (value)
        AdjustMargins();
    else
        RestoreMargins();
}

void TFrameTool::SetParentChart(TCustomAxisPanel* value) {
    if (value == ParentChart()) return;
    if (ParentChart() && !ChartGoing(*ParentChart())) RestoreMargins();
    FMarginsSet = false;
    TTeeCustomTool::SetParentChart(value);
    if (value) {
        AdjustMargins();
        Repaint();
    }
}

void TFrameTool::AdjustMargins() {
    TCustomAxisPanel* chart = ParentChart();
    if (!chart) return;
    if (FResizeChart && Active()) {
        const int f = FrameWidth();
        chart->SetMarginUnits(muPixels);
        chart->SetMarginTop(f);
        chart->SetMarginBottom(f);
        chart->SetMarginLeft(f);
        chart->SetMarginRight(f);
        FMarginsSet = true;
    } else {
        RestoreMargins();
    }
}

void TFrameTool::RestoreMargins() {
    if (!FMarginsSet) return;
    FMarginsSet = false;
    if (TCustomAxisPanel* chart = ParentChart()) GiveDefaultMargins(*chart);
}

void TFrameTool::ChartDrawEvent(TChartToolEvent event) {
    if (event == cteAfterDraw && Active() && ParentChart()) DrawFrame();
}

void TFrameTool::DrawFrame() {
    TCustomAxisPanel& chart = *ParentChart();
    TCanvas3D& c = *chart.Canvas3D();
    int w = chart.Width(), h = chart.Height();
    if (chart.Shadow()->Visible()) {
        w -= 2 * chart.Shadow()->HorizSize();
        h -= 2 * chart.Shadow()->VertSize();
    }
    const int s = FSize;
    if (Brush()->Style() != bsClear) {
        const int m = s + FPaspartou;
        c.UseBrush(Brush());
        c.Pen()->SetStyle(psClear);
        c.FillRectangle(TRect{s, s, w - s, m});
        c.FillRectangle(TRect{s, h - m, w - s, h - s});
        c.FillRectangle(TRect{s, s, m, h - s});
        c.FillRectangle(TRect{w - m, s, w - s, h - s});
        c.UsePen(Pen());
        c.Brush()->SetStyle(bsClear);
        c.DrawRectangle(m - 1, m - 1, w - m, h - m);
    }
    TGraphic* graphic = FFrame->FilteredGraphic();
    if (!graphic || graphic->Empty() || s < 1 || h < 1) return;
    TBitmap source;
    source.Assign(graphic);
    TBitmap strip;
    strip.SetSize(s, h);
    ResampleBitmapBest(source, strip);
    const auto side = [&c](std::array<TPoint, 4> clip, const TRect& into, TBitmap& picture) {
        c.ClipToPolygon(clip, 3, false);
        c.StretchDrawGraphic(into, &picture);
        c.RemoveClipping();
    };
    side({TPoint{0, 0}, TPoint{s, s}, TPoint{s, h - s}, TPoint{0, h}}, TRect{0, 0, s, h}, strip);
    ApplyFilterClass(&TReverseFilter::StaticClass(), strip);
    side({TPoint{w, 0}, TPoint{w - s, s}, TPoint{w - s, h - s}, TPoint{w, h}},
         TRect{w - s, 0, w, h}, strip);
    FRotate->SetAngle(270);
    ApplyToBitmap(*FRotate, strip);
    side({TPoint{0, 0}, TPoint{w, 0}, TPoint{w - s, s}, TPoint{s, s}}, TRect{0, 0, w, s}, strip);
    FRotate->SetAngle(180);
    ApplyToBitmap(*FRotate, strip);
    side({TPoint{0, h}, TPoint{w, h}, TPoint{w - s, h - s}, TPoint{s, h - s}},
         TRect{0, h - s, w, h}, strip);
}
