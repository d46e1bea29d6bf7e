#include "chart/tools/parts/InnerChart.h"

#include "chart/engine/ChartLegend.h"
#include "chart/engine/ChartTitle.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/TeeZoom.h"
#include "chart/tools/parts/SubChartTool.h"
#include "platform/ui/Panel.h"

TInnerChart::TInnerChart(TComponent* owner) : TChart(owner) {
    Legend()->SetVisible(false);
    Title()->SetVisible(false);
    Foot()->SetVisible(false);
    SubTitle()->SetVisible(false);
    SubFoot()->SetVisible(false);
    SetMarginLeft(0);
    SetMarginTop(0);
    SetMarginRight(0);
    SetMarginBottom(0);
    SetBevelOuter(bvNone);
    SetColor(clNone);
}

TInnerChart::~TInnerChart() = default;

void TInnerChart::ResetToPublishedDefaults() {
    Legend()->SetVisible(true);
    Title()->SetVisible(true);
    Foot()->SetVisible(true);
    SubTitle()->SetVisible(true);
    SubFoot()->SetVisible(true);
    SetColor(clBtnFace);
    SetParentColor(true);
}

TSubChartTool* TInnerChart::Tool() const { return FItem ? FItem->Tool() : nullptr; }

void TInnerChart::Invalidate() {
    if (!AutoRepaint()) return;
    if (Canvas3D()) Canvas3D()->MarkDirty();
    if (TSubChartTool* tool = Tool()) tool->Repaint();
}

void TInnerChart::SetBounds(int left, int top, int width, int height) {
    TChart::SetBounds(left, top, width, height);
    Invalidate();
}

TComponent* TInnerChart::GetParentComponent() const { return Tool(); }

void TInnerChart::SetParentComponent(TComponent* value) {
    auto* tool = dynamic_cast<TSubChartTool*>(value);
    if (!tool || !FItem) return;
    FItem->SetTool(tool);
    FItem->AdoptChart(this);
}

void TInnerChart::ForwardMouse(TChartMouseEvent kind, TMouseButton button, TShiftState shift, int x,
                               int y) {
    switch (kind) {
        case cmeDown:
            MouseDown(button, shift, x, y);
            break;
        case cmeMove:
            MouseMove(shift, x, y);
            break;
        case cmeUp:
            MouseUp(button, shift, x, y);
            break;
    }
}

bool TInnerChart::MouseTaken() const {
    return CancelMouse() || Zoom()->Active || Panning()->Active;
}
