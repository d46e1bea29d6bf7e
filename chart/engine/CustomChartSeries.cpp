#include "chart/engine/CustomChartSeries.h"

#include "chart/engine/AxisPanel.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"

TCustomChartSeries::TCustomChartSeries(TComponent* owner) : TCustomChartElement(owner) {}
TCustomChartSeries::~TCustomChartSeries() = default;

void TCustomChartSeries::Publish(TPublisher<TCustomChartSeries>& p) {
    p.Boolean("ShowInLegend", &TCustomChartSeries::ShowInLegend,
              &TCustomChartSeries::SetShowInLegend)
        .Default(true);
    p.String("Title", &TCustomChartSeries::Title, &TCustomChartSeries::SetTitle);
}

void TCustomChartSeries::SetTitle(const std::string& value) {
    if (ChangeField(FTitle, value)) BroadcastEvent(seChangeTitle);
}

void TCustomChartSeries::BroadcastEvent(TChartSeriesEvent kind) {
    if (FParentChart) FParentChart->BroadcastSeriesEvent(this, kind);
}

void TCustomChartSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TCustomChartSeries*>(source)) {
        FShowInLegend = other->FShowInLegend;
        FTitle = other->FTitle;
        FStyleFlags = other->FStyleFlags;
        FIdentifier = other->FIdentifier;
    }
    TCustomChartElement::Assign(source);
}

void TCustomChartSeries::DefineProperties(TFiler& filer) {
    TCustomChartElement::DefineProperties(filer);
    filer.DefineProperty(
        "Identifier", [this](TReader& r) { FIdentifier = r.ReadString(); },
        [this](TWriter& w) { w.WriteString(FIdentifier); }, !FIdentifier.empty());
    filer.DefineProperty(
        "Style", [this](TReader& r) { SetSeriesStyleFlags(int(r.ReadInteger())); },
        [this](TWriter& w) { w.WriteInteger(FStyleFlags); }, FStyleFlags != 0);
}
