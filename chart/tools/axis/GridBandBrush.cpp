#include "chart/tools/axis/GridBandBrush.h"

#include "chart/foundation/TeeGradient.h"
#include "platform/classes/Publisher.h"

TGridBandBrush::TGridBandBrush(TNotifyEvent onChange)
    : TChartBrush(onChange), FGradient(std::make_unique<TTeeGradient>(onChange)) {
    SetBackColor(clNone);
}

TGridBandBrush::~TGridBandBrush() = default;

void TGridBandBrush::Publish(TPublisher<TGridBandBrush>& p) {
    p.Inherited("BackColor").Default(clNone);
    p.Object("Gradient", &TGridBandBrush::Gradient, &TGridBandBrush::SetGradient);
    p.Integer("Transparency", &TGridBandBrush::Transparency, &TGridBandBrush::SetTransparency)
        .Default(0);
}

void TGridBandBrush::SetGradient(const TTeeGradient* value) { FGradient->Assign(value); }

void TGridBandBrush::SetTransparency(int value) {
    if (value == FTransparency) return;
    FTransparency = value;
    if (OnChange) OnChange(this);
}

void TGridBandBrush::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TGridBandBrush*>(source)) {
        FGradient->Assign(other->FGradient.get());
        FTransparency = other->FTransparency;
    }
    TChartBrush::Assign(source);
}
