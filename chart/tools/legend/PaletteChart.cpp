#include "chart/tools/legend/PaletteChart.h"

#include "chart/engine/AxisGridPen.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/ChartTools.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeZoom.h"
#include "platform/ui/Panel.h"

TPaletteChart::TPaletteChart(TComponent* owner) : TInnerChart(owner) {
    SetBufferedDisplay(false);
    Zoom()->SetAllow(false);
    SetAllowPanning(pmNone);
    SetView3D(false);
    SetClipPoints(false);
    SetColor(clWhite);
    SetBevelOuter(bvNone);
    SetMarginLeft(8);
    SetMarginTop(8);
    SetMarginRight(8);
    SetMarginBottom(8);
    for (TChartAxis* axis : {LeftAxis(), TopAxis(), RightAxis(), BottomAxis()}) {
        axis->Axis()->SetWidth(1);
        axis->Axis()->SetEndStyle(esSquare);
        axis->Grid()->SetVisible(false);
    }
    TopAxis()->SetVisible(false);
    BottomAxis()->SetVisible(false);
    Legend()->SetVisible(false);
}

void TPaletteChart::Invalidate() {
    if (!AutoRepaint()) return;
    if (FOwnerTool) FOwnerTool->Repaint();
}
