#pragma once
// The two process-wide registries that the series, function and tool units fill at start-up:
// series and function classes with the gallery page and description the galleries show them
// under, and tool classes. Galleries list the entries in registration order; nothing else
// depends on the order.
//
// Both registries are made on first use, so a unit that registers before the chart unit has
// started still finds them. A registration also makes the class known to the component
// stream by name.
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "platform/classes/Object.h"

class TChartSeries;

// One gallery entry. The texts are held by reference: a changed library text shows at once.
struct TTeeSeriesType {
    TClass SeriesClassRef = nullptr;    // none for a function entry
    TClass FunctionClassRef = nullptr;  // none for a plain series entry
    const std::string* DescriptionText = nullptr;
    const std::string* PageText = nullptr;
    int SampleSeriesCount = 0;
    // 0 for the plain entry of a class; 1, 2 ... for its further gallery variants.
    int VariantIndex = 0;
};

class TTeeSeriesTypes {
public:
    int Count() const { return int(FItems.size()); }
    TTeeSeriesType* GetItem(int index) const { return FItems.at(size_t(index)).get(); }
    TTeeSeriesType* operator[](int index) const { return GetItem(index); }
    // The first entry of the series class that carries no function class; none when absent.
    TTeeSeriesType* FindBySeriesClass(TClass seriesClass) const;
    void Add(std::unique_ptr<TTeeSeriesType> entry) { FItems.push_back(std::move(entry)); }
    void Delete(int index) { FItems.erase(FItems.begin() + index); }
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<TTeeSeriesType>> FItems;
};

// Tool classes in registration order; owns nothing.
class TTeeToolTypes {
public:
    int Count() const { return int(FItems.size()); }
    TClass GetItem(int index) const { return FItems.at(size_t(index)); }
    int IndexOf(TClass toolClass) const;
    void Add(TClass toolClass) { FItems.push_back(toolClass); }
    void Delete(int index) { FItems.erase(FItems.begin() + index); }
    void Clear() { FItems.clear(); }

private:
    std::vector<TClass> FItems;
};

// The registries, made when absent.
TTeeSeriesTypes& SeriesTypeList();
TTeeToolTypes& ToolTypeList();
// Frees both registries (the next use makes them anew); they are freed anyway at exit.
void FreeSeriesTypeRegistries();

// With a variant index 0 the pair of classes is registered once; other variants are always
// appended.
void AddSeriesTypeEntry(TClass seriesClass, TClass functionClass, const std::string* description,
                        const std::string* page, int sampleSeriesCount, int variantIndex);
void RegisterSeriesClass(TClass seriesClass, const std::string* description,
                         const std::string* page, int sampleSeriesCount);
// On the "Standard" page with two sample series.
void RegisterStandardSeries(TClass seriesClass, const std::string* description);
void RegisterFunctionClass(TClass functionClass, const std::string* description,
                           const std::string* page, int sampleSeriesCount);
void RegisterStandardFunction(TClass functionClass, const std::string* description);
// Every entry of each class goes, variants included.
void UnregisterSeriesClasses(std::initializer_list<TClass> classes);
void UnregisterFunctionClasses(std::initializer_list<TClass> classes);
// A class already registered is skipped; unregistering an absent class does nothing.
void RegisterToolClasses(std::initializer_list<TClass> classes);
void UnregisterToolClasses(std::initializer_list<TClass> classes);

// The gallery description of the series' class, else the class name.
std::string SeriesTypeDescription(const TChartSeries& series);
