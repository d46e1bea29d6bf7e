#include "chart/engine/ChartTools.h"

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartSeries.h"
#include "platform/classes/Publisher.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"

// --- The tool base.

TTeeCustomTool::TTeeCustomTool(TComponent* owner) : TCustomChartElement(owner) {}

TTeeCustomTool::~TTeeCustomTool() { SetParentChart(nullptr); }

void TTeeCustomTool::SetParentChart(TCustomAxisPanel* value) {
    if (value == FParentChart) return;
    if (TCustomAxisPanel* old = FParentChart) {
        old->Tools().Remove(this);
        if (!value) old->Invalidate();
    }
    FParentChart = value;
    if (value) value->Tools().Append(this);
}

// --- Series tools.

TTeeCustomToolSeries::TTeeCustomToolSeries(TComponent* owner) : TTeeCustomTool(owner) {}

TTeeCustomToolSeries::~TTeeCustomToolSeries() { SetSeries(nullptr); }

void TTeeCustomToolSeries::Publish(TPublisher<TTeeCustomToolSeries>& p) {
    p.Component("Series", &TTeeCustomToolSeries::Series, &TTeeCustomToolSeries::SetSeries);
}

void TTeeCustomToolSeries::SetSeries(TChartSeries* value) {
    if (value == FSeries) return;
    if (FSeries) FSeries->RemoveFreeNotification(this);
    FSeries = value;
    if (FSeries) FSeries->FreeNotification(this);
}

void TTeeCustomToolSeries::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component == FSeries) SetSeries(nullptr);
    TTeeCustomTool::Notification(component, operation);
}

TChartAxis* TTeeCustomToolSeries::GetHorizAxis() const {
    if (FSeries) return FSeries->ResolvedHorizAxis();
    if (!FParentChart) return nullptr;
    const TCustomAxisPanel& c = *FParentChart;
    const bool top = c.SeriesUseAxis(c.TopAxis(), false) && !c.SeriesUseAxis(c.BottomAxis(), false);
    return top ? c.TopAxis() : c.BottomAxis();
}

TChartAxis* TTeeCustomToolSeries::GetVertAxis() const {
    if (FSeries) return FSeries->ResolvedVertAxis();
    if (!FParentChart) return nullptr;
    const TCustomAxisPanel& c = *FParentChart;
    const bool right =
        c.SeriesUseAxis(c.RightAxis(), false) && !c.SeriesUseAxis(c.LeftAxis(), false);
    return right ? c.RightAxis() : c.LeftAxis();
}

void TTeeCustomToolSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TTeeCustomToolSeries*>(source)) SetSeries(other->FSeries);
    TTeeCustomTool::Assign(source);
}

// --- Axis tools.

TTeeCustomToolAxis::TTeeCustomToolAxis(TComponent* owner) : TTeeCustomTool(owner) {}

void TTeeCustomToolAxis::SetAxis(TChartAxis* value) {
    if (value == FAxis) return;
    FAxis = value;
    SetParentChart(value ? dynamic_cast<TCustomAxisPanel*>(value->Host()) : nullptr);
    Repaint();
}

void TTeeCustomToolAxis::SetParentChart(TCustomAxisPanel* value) {
    TTeeCustomTool::SetParentChart(value);
    if (FAxis && !(value && value->OwnsAxis(FAxis))) FAxis = nullptr;
}

void TTeeCustomToolAxis::Assign(const TPersistent* source) {
    // Through SetAxis, so the tool sits in the chart of its axis and hears when it is freed.
    if (auto* other = dynamic_cast<const TTeeCustomToolAxis*>(source)) SetAxis(other->FAxis);
    TTeeCustomTool::Assign(source);
}

void TTeeCustomToolAxis::DefineProperties(TFiler& filer) {
    TTeeCustomTool::DefineProperties(filer);
    const int index = FAxis && FParentChart ? FParentChart->Axes().IndexOf(FAxis) : -1;
    filer.DefineProperty(
        "AxisID",
        [this](TReader& r) {
            const int64_t id = r.ReadInteger();
            // An index outside the chart's axes (a damaged stream) keeps no axis.
            if (FParentChart && id >= 0 && id < FParentChart->Axes().Count())
                SetAxis(FParentChart->Axes()[int(id)]);
        },
        [index](TWriter& w) { w.WriteInteger(index); }, index >= 0);
}
