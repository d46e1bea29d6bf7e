#include "chart/editors/FunctionChoices.h"

#include <cstdint>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/DataSourcesList.h"
#include "chart/engine/SeriesTypes.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/ComboBox.h"

namespace {

// A list item's object carries the class value itself (classes are not objects of the model).
TObject* ClassItem(TClass cls) {
    return reinterpret_cast<TObject*>(reinterpret_cast<std::uintptr_t>(cls));
}
TClass ItemClass(TObject* item) {
    return reinterpret_cast<TClass>(reinterpret_cast<std::uintptr_t>(item));
}

std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

void AddOwnedCandidates(const TComponent& owner, TStrings* available, TStrings& single,
                        TChartSeries& series) {
    TCustomAxisPanel* chart = series.ParentChart();
    for (int i = 0; i < owner.ComponentCount(); ++i) {
        TComponent* component = owner.Components(i);
        // A series on its way out tells the chart before it leaves its owner.
        if (component->ComponentState().Contains(csDestroying)) continue;
        if (auto* candidate = dynamic_cast<TChartSeries*>(component)) {
            const bool accepted = chart ? chart->AcceptsDataSource(&series, candidate)
                                        : series.AcceptsAsSource(candidate);
            if (accepted) {
                const std::string title =
                    chart ? chart->SeriesTitleText(candidate) : candidate->Name();
                single.AddObject(title, candidate);
                if (available && series.DataSources().IndexOf(candidate) < 0)
                    available->AddObject(title, candidate);
            }
        }
        AddOwnedCandidates(*component, available, single, series);
    }
}

}  // namespace

void FillFunctionChoices(TComboBox& combo) {
    TStrings& items = *combo.Items();
    items.Clear();
    items.Add("Copy");
    std::vector<TClass> listed;
    TTeeSeriesTypes& types = SeriesTypeList();
    for (int i = 0; i < types.Count(); ++i) {
        const TTeeSeriesType* type = types.GetItem(i);
        if (!type->FunctionClassRef || type->SeriesClassRef) continue;
        bool seen = false;
        for (TClass c : listed) seen = seen || c == type->FunctionClassRef;
        if (seen) continue;
        listed.push_back(type->FunctionClassRef);
        const std::string description = type->DescriptionText ? *type->DescriptionText : "";
        items.AddObject(OneLine(description), ClassItem(type->FunctionClassRef));
    }
}

TClass SelectedFunctionClass(const TComboBox& combo) {
    const int index = combo.ItemIndex();
    return index < 0 ? nullptr : ItemClass(combo.Items()->Objects(index));
}

bool SelectFunctionClass(TComboBox& combo, TClass functionClass) {
    const TStrings& items = *combo.Items();
    for (int i = 0; i < items.Count(); ++i) {
        const TClass cls = ItemClass(items.Objects(i));
        if (functionClass ? cls == functionClass : items.Strings(i) == "Copy") {
            combo.SetItemIndex(i);
            return true;
        }
    }
    return false;
}

void ListSourceCandidates(TStrings* available, TStrings& single, TChartSeries& series) {
    if (TComponent* owner = series.Owner()) AddOwnedCandidates(*owner, available, single, series);
}
