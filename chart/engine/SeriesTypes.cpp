#include "chart/engine/SeriesTypes.h"

#include <algorithm>

#include "chart/engine/ChartSeries.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/ClassRegistry.h"

namespace {
std::unique_ptr<TTeeSeriesTypes> SeriesTypeRegistry;
std::unique_ptr<TTeeToolTypes> ToolTypeRegistry;

void RemoveSeriesTypeEntries(bool isSeries, TClass cls) {
    TTeeSeriesTypes& list = SeriesTypeList();
    // Deleting moves the next entry under the same index: advance only past a kept one.
    int i = 0;
    while (i < list.Count()) {
        const TTeeSeriesType* e = list[i];
        if ((isSeries ? e->SeriesClassRef : e->FunctionClassRef) == cls)
            list.Delete(i);
        else
            ++i;
    }
}
}  // namespace

TTeeSeriesType* TTeeSeriesTypes::FindBySeriesClass(TClass seriesClass) const {
    for (const auto& e : FItems)
        if (e->SeriesClassRef == seriesClass && !e->FunctionClassRef) return e.get();
    return nullptr;
}

int TTeeToolTypes::IndexOf(TClass toolClass) const {
    const auto it = std::find(FItems.begin(), FItems.end(), toolClass);
    return it == FItems.end() ? -1 : int(it - FItems.begin());
}

TTeeSeriesTypes& SeriesTypeList() {
    if (!SeriesTypeRegistry) SeriesTypeRegistry = std::make_unique<TTeeSeriesTypes>();
    return *SeriesTypeRegistry;
}

TTeeToolTypes& ToolTypeList() {
    if (!ToolTypeRegistry) ToolTypeRegistry = std::make_unique<TTeeToolTypes>();
    return *ToolTypeRegistry;
}

void FreeSeriesTypeRegistries() {
    SeriesTypeRegistry.reset();
    ToolTypeRegistry.reset();
}

void AddSeriesTypeEntry(TClass seriesClass, TClass functionClass, const std::string* description,
                        const std::string* page, int sampleSeriesCount, int variantIndex) {
    if (seriesClass) RegisterClass(seriesClass);
    if (functionClass) RegisterClass(functionClass);
    TTeeSeriesTypes& list = SeriesTypeList();
    if (variantIndex == 0)
        for (int i = 0; i < list.Count(); ++i)
            if (list[i]->SeriesClassRef == seriesClass &&
                list[i]->FunctionClassRef == functionClass)
                return;
    list.Add(std::make_unique<TTeeSeriesType>(TTeeSeriesType{
        seriesClass, functionClass, description, page, sampleSeriesCount, variantIndex}));
}

void RegisterSeriesClass(TClass seriesClass, const std::string* description,
                         const std::string* page, int sampleSeriesCount) {
    AddSeriesTypeEntry(seriesClass, nullptr, description, page, sampleSeriesCount, 0);
}

void RegisterStandardSeries(TClass seriesClass, const std::string* description) {
    RegisterSeriesClass(seriesClass, description, &TxtStandard, 2);
}

void RegisterFunctionClass(TClass functionClass, const std::string* description,
                           const std::string* page, int sampleSeriesCount) {
    AddSeriesTypeEntry(nullptr, functionClass, description, page, sampleSeriesCount, 0);
}

void RegisterStandardFunction(TClass functionClass, const std::string* description) {
    RegisterFunctionClass(functionClass, description, &TxtStandard, 2);
}

void UnregisterSeriesClasses(std::initializer_list<TClass> classes) {
    for (TClass c : classes) RemoveSeriesTypeEntries(true, c);
}

void UnregisterFunctionClasses(std::initializer_list<TClass> classes) {
    for (TClass c : classes) RemoveSeriesTypeEntries(false, c);
}

void RegisterToolClasses(std::initializer_list<TClass> classes) {
    TTeeToolTypes& list = ToolTypeList();
    for (TClass c : classes) {
        if (list.IndexOf(c) >= 0) continue;
        RegisterClass(c);
        list.Add(c);
    }
}

void UnregisterToolClasses(std::initializer_list<TClass> classes) {
    TTeeToolTypes& list = ToolTypeList();
    for (TClass c : classes)
        if (const int i = list.IndexOf(c); i >= 0) list.Delete(i);
}

std::string SeriesTypeDescription(const TChartSeries& series) {
    const TTeeSeriesType* e = SeriesTypeList().FindBySeriesClass(&series.ClassType());
    if (e && e->DescriptionText) return *e->DescriptionText;
    return series.ClassName();
}
