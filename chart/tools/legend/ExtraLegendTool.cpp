#include "chart/tools/legend/ExtraLegendTool.h"

#include "chart/engine/Chart.h"
#include "chart/engine/ChartLegend.h"
#include "platform/classes/Publisher.h"

TExtraLegendTool::TExtraLegendTool(TComponent* owner) : TTeeCustomToolSeries(owner) {}

TExtraLegendTool::~TExtraLegendTool() { SetParentChart(nullptr); }

std::unique_ptr<TChartLegend> TExtraLegendTool::MakeLegend(const TChartLegend* from) const {
    // The legend knows its chart from its birth: a tool moving to another chart takes a new
    // legend with the same settings.
    auto* chart = dynamic_cast<TCustomChart*>(FParentChart);
    auto legend = std::make_unique<TChartLegend>(FParentChart, chart);
    if (from) {
        legend->Assign(from);
    } else {
        legend->SetCustomPosition(true);
        legend->SetLegendStyle(lsValues);
    }
    if (FParentChart) {
        TCustomAxisPanel* panel = FParentChart;
        legend->DividingLines()->OnChange = [panel](TObject* sender) {
            panel->SettingChanged(sender);
        };
    }
    return legend;
}

TChartLegend* TExtraLegendTool::Legend() const {
    if (!FLegend) FLegend = MakeLegend(nullptr);
    return FLegend.get();
}

void TExtraLegendTool::SetLegend(const TChartLegend* value) { Legend()->Assign(value); }

void TExtraLegendTool::SetParentChart(TCustomAxisPanel* value) {
    TTeeCustomToolSeries::SetParentChart(value);
    if (FLegend && !ComponentState().Contains(csDestroying)) FLegend = MakeLegend(FLegend.get());
}

void TExtraLegendTool::SetSeries(TChartSeries* value) {
    TTeeCustomToolSeries::SetSeries(value);
    Repaint();
}

void TExtraLegendTool::ChartDrawEvent(TChartToolEvent event) {
    TTeeCustomToolSeries::ChartDrawEvent(event);
    if (event != cteAfterDraw || !FParentChart || !Series()) return;
    TChartLegend& legend = *Legend();
    legend.SetSeries(Series());
    if (legend.Visible()) legend.DrawLegend();
}

void TExtraLegendTool::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TExtraLegendTool*>(source); other && other->FLegend)
        SetLegend(other->FLegend.get());
    TTeeCustomToolSeries::Assign(source);
}

void TExtraLegendTool::Publish(TPublisher<TExtraLegendTool>& p) {
    using T = TExtraLegendTool;
    p.Object("Legend", &T::Legend, &T::SetLegend).Stored([](const T& t) { return t.HasLegend(); });
}
