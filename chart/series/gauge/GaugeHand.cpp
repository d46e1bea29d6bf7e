#include "chart/series/gauge/GaugeHand.h"

#include "platform/classes/AssignIfChanged.h"
#include "platform/classes/Publisher.h"

TGaugeHand::TGaugeHand(TChartSeries* series) : TGaugeSeriesPointer(series) {}
TGaugeHand::~TGaugeHand() = default;

void TGaugeHand::SetDistance(int value) {
    if (AssignIfChanged(FDistance, value)) Changed();
}

void TGaugeHand::SetOffset(int value) {
    if (AssignIfChanged(FOffset, value)) Changed();
}

void TGaugeHand::Assign(const TPersistent* source) {
    if (const auto* other = dynamic_cast<const TGaugeHand*>(source)) {
        FDistance = other->FDistance;
        FOffset = other->FOffset;
    }
    TGaugeSeriesPointer::Assign(source);
}

void TGaugeHand::Publish(TPublisher<TGaugeHand>& p) {
    p.Integer("Distance", &TGaugeHand::Distance, &TGaugeHand::SetDistance).Default(30);
    p.Integer("Offset", &TGaugeHand::Offset, &TGaugeHand::SetOffset).Default(80);
}
