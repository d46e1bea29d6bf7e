#include "chart/series/stats/SubsetFunction.h"

#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartValueList.h"
#include "platform/classes/Publisher.h"

void TSubsetTeeFunction::Publish(TPublisher<TSubsetTeeFunction>& p) {
    using F = TSubsetTeeFunction;
    p.Float("EndValue", &F::EndValue, &F::SetEndValue).Default(0.0);
    p.Float("StartValue", &F::StartValue, &F::SetStartValue).Default(0.0);
}

void TSubsetTeeFunction::SetEndValue(double value) {
    if (value == FEndValue) return;
    FEndValue = value;
    Recalculate();
}

void TSubsetTeeFunction::SetStartValue(double value) {
    if (value == FStartValue) return;
    FStartValue = value;
    Recalculate();
}

void TSubsetTeeFunction::ComputeFromSources(TChartSeries* source) {
    TChartSeries* parent = ParentSeries();
    if (Updating() || !source || !parent) return;
    parent->Clear();
    // The list of exactly the name the series asks for; none of that name, nothing to copy.
    const std::string& name = parent->MandatoryValueList().ValueSource();
    const TChartValueList* copied = &source->MandatoryValueList();
    if (!name.empty()) {
        copied = nullptr;
        const TChartValueLists& lists = source->ValueLists();
        for (int i = 0; i < lists.Count() && !copied; ++i)
            if (lists.ValueList(i)->Name() == name) copied = lists.ValueList(i);
        if (!copied) return;
    }
    const TChartValueList& positions = source->NotMandatoryValueList();
    for (int i = 0; i < source->Count(); ++i) {
        const double x = positions[i];
        if (x < FStartValue || x > FEndValue) continue;
        if (parent->YMandatory())
            parent->AddXYPoint(x, (*copied)[i]);
        else
            parent->AddXYPoint((*copied)[i], x);
    }
}
