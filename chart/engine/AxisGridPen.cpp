#include "chart/engine/AxisGridPen.h"

#include <limits>

#include "platform/classes/Publisher.h"

TAxisGridPen::TAxisGridPen(TNotifyEvent onChange) : TDottedGrayPen(std::move(onChange)) {}

void TAxisGridPen::Publish(TPublisher<TAxisGridPen>& p) {
    p.Boolean("Centered", &TAxisGridPen::Centered, &TAxisGridPen::SetCentered).Default(false);
    p.Integer("DrawEvery", &TAxisGridPen::DrawEvery, &TAxisGridPen::SetDrawEvery).Default(1);
    // The default differs by axis, so the stored rule decides alone: a default no value equals
    // keeps a 0 on an axis whose default is 100 from being taken for the default and lost.
    p.Float("ZPosition", &TAxisGridPen::ZPosition, &TAxisGridPen::SetZPosition)
        .Default(std::numeric_limits<double>::quiet_NaN())
        .Stored([](const TAxisGridPen& g) { return g.FZPosition != g.FDefaultZPosition; });
}

void TAxisGridPen::SetCentered(bool value) {
    if (value == FCentered) return;
    FCentered = value;
    Changed();
}

void TAxisGridPen::SetDrawEvery(int value) {
    if (value == FDrawEvery) return;
    FDrawEvery = value;
    Changed();
}

void TAxisGridPen::SetZPosition(double value) {
    if (value == FZPosition) return;
    FZPosition = value;
    Changed();
}

void TAxisGridPen::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TAxisGridPen*>(source)) {
        FCentered = other->FCentered;
        FDrawEvery = other->FDrawEvery;
        FZPosition = other->FZPosition;
    }
    TDottedGrayPen::Assign(source);
}
