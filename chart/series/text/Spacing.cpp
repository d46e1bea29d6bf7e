#include "chart/series/text/Spacing.h"

#include "chart/engine/ChartSeries.h"
#include "platform/classes/Publisher.h"

TSpacing::TSpacing(TChartSeries* series) : FSeries(series) {}

TSpacing::~TSpacing() = default;

void TSpacing::Change(int& field, int value) {
    if (field == value) return;
    field = value;
    if (FSeries) FSeries->Repaint();
}

void TSpacing::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TSpacing*>(source)) {
        SetVertical(other->FVertical);
        SetHorizontal(other->FHorizontal);
        return;
    }
    TPersistent::Assign(source);
}

void TSpacing::Publish(TPublisher<TSpacing>& p) {
    p.Integer("Horizontal", &TSpacing::Horizontal, &TSpacing::SetHorizontal).Default(8);
    p.Integer("Vertical", &TSpacing::Vertical, &TSpacing::SetVertical).Default(16);
}
