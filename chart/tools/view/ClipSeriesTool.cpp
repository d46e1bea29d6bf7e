#include "chart/tools/view/ClipSeriesTool.h"

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/foundation/Canvas3D.h"

TClipSeriesTool::TClipSeriesTool(TComponent* owner) : TTeeCustomToolSeries(owner) {}

void TClipSeriesTool::SeriesDrawEvent(TChartSeriesToolEvent event) {
    TCustomAxisPanel* chart = ParentChart();
    if (!chart || !Series()) return;
    if (event == csteBeforeDrawValues) {
        if (!chart->ClipAllowed()) return;
        const TChartAxis* h = GetHorizAxis();
        const TChartAxis* v = GetVertAxis();
        if (!h || !v) return;
        chart->Canvas3D()->ClipToCube(TRect{h->StartPos(), v->StartPos(), h->EndPos(), v->EndPos()},
                                      0, chart->Width3D());
    } else if (event == csteAfterDrawValues) {
        chart->Canvas3D()->RemoveClipping();
    }
}
