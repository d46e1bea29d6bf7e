#include "chart/tools/overlay/LightTool.h"

#include "chart/engine/AxisPanel.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/ValueGuard.h"

TLightTool::TLightTool(TComponent* owner)
    : TTeeCustomTool(owner), FFilter(std::make_unique<TLightFilter>()) {}

TLightTool::~TLightTool() = default;

void TLightTool::SetFactor(int value) {
    if (value == FFilter->Factor()) return;
    FFilter->SetFactor(value);
    Repaint();
}

void TLightTool::SetLeft(int value) {
    if (value == FFilter->Left()) return;
    FFilter->SetLeft(value);
    Repaint();
}

void TLightTool::SetTop(int value) {
    if (value == FFilter->Top()) return;
    FFilter->SetTop(value);
    Repaint();
}

void TLightTool::SetStyle(TLightStyle value) {
    if (value == FFilter->Style()) return;
    FFilter->SetStyle(value);
    Repaint();
}

void TLightTool::SetParentChart(TCustomAxisPanel* value) {
    TTeeCustomTool::SetParentChart(value);
    if (ParentChart()) Repaint();
}

void TLightTool::ChartDrawEvent(TChartToolEvent event) {
    TTeeCustomTool::ChartDrawEvent(event);
    if (!Active() || event != cteAfterDraw) return;
    FBitmap.reset();
    ApplyLight();
}

void TLightTool::ApplyLight() {
    TCustomAxisPanel* chart = ParentChart();
    if (!chart || FApplying || chart->Canvas3D()->RecordingMetafile()) return;
    // Rendering the chart into a bitmap paints it again: the light is not applied inside.
    const TValueGuard<bool> applying(FApplying, true);
    auto* buffered = dynamic_cast<TTeeCanvas3D*>(chart->Canvas3D());
    if (buffered && buffered->BufferBitmap()) {
        FBitmap = std::make_unique<TBitmap>();
        FBitmap->Assign(buffered->BufferBitmap());
        FBitmap->SetPixelFormat(pf24bit);
    } else {
        FBitmap = chart->RenderRectToBitmap(
            chart->Color(), TRect{0, 0, chart->Width() - 1, chart->Height() - 1}, pf24bit);
    }
    if (!FBitmap) return;
    ApplyToBitmap(*FFilter, *FBitmap);
    chart->Canvas3D()->DrawGraphic(0, 0, FBitmap.get());
}

void TLightTool::ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift,
                                 int x, int y) {
    TTeeCustomTool::ChartMouseEvent(kind, button, shift, x, y);
    if (!Active() || !FFollowMouse || kind != cmeMove) return;
    FFilter->SetLeft(x);
    FFilter->SetTop(y);
    Repaint();
}

void TLightTool::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TLightTool*>(source)) {
        FFilter->Assign(other->FFilter.get());
        FFollowMouse = other->FFollowMouse;
    }
    TTeeCustomTool::Assign(source);
}

void TLightTool::Publish(TPublisher<TLightTool>& p) {
    using T = TLightTool;
    p.Integer("Factor", &T::Factor, &T::SetFactor).Default(10);
    p.Boolean("FollowMouse", &T::FollowMouse, &T::SetFollowMouse).Default(false);
    p.Integer("Left", &T::Left, &T::SetLeft).Default(-1);
    p.Enumeration("Style", LightStyleNames(), &T::Style, &T::SetStyle).Default(lsLinear);
    p.Integer("Top", &T::Top, &T::SetTop).Default(-1);
}
