#include "chart/engine/ChartValueList.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>

#include "chart/engine/ErrorBox.h"
#include "chart/foundation/QuickSortWithCallbacks.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Publisher.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"

namespace {
int GrowthStep = 1000;
}

int ValueListGrowthStep() { return GrowthStep; }
void SetValueListGrowthStep(int step) { GrowthStep = std::max(1, step); }

const TEnumInfo& ChartListOrderNames() {
    static const TEnumInfo names{"loNone", "loAscending", "loDescending"};
    return names;
}

TValueListOwner::~TValueListOwner() = default;

TChartValueList::TChartValueList(TValueListOwner* owner, const std::string& name)
    : FOwner(owner), FLists(owner ? &owner->ValueLists() : nullptr), FName(name) {
    if (FLists) FLists->Add(this);
}

TChartValueList::~TChartValueList() {
    std::free(FValues);
    if (FLists) FLists->Remove(this);
}

void TChartValueList::Publish(TPublisher<TChartValueList>& p) {
    p.Boolean("DateTime", &TChartValueList::DateTime, &TChartValueList::SetDateTime)
        .Stored([](const TChartValueList& l) { return l.FDateTime != l.FDefaultDateTime; });
    p.String("Name", &TChartValueList::Name, &TChartValueList::SetName);
    p.Enumeration("Order", ChartListOrderNames(), &TChartValueList::Order,
                  &TChartValueList::SetOrder)
        .NoDefault();
    p.String("ValueSource", &TChartValueList::ValueSource, &TChartValueList::SetValueSource)
        .Default(std::string());
}

void TChartValueList::DefineProperties(TFiler& filer) {
    TPersistent::DefineProperties(filer);
    // Older streams scaled the values by a factor; it is read and ignored.
    filer.DefineProperty(
        "Multiplier",
        [](TReader& reader) {
            if (reader.ReadFloat() != 1) ShowErrorBox(TxtMultiplierObsolete);
        },
        nullptr, false);
    // An empty name equals the published property's default, so the writer leaves it out; but
    // each list's constructor names it, and the reader would keep that name. It is written here.
    filer.DefineProperty(
        "Name", [this](TReader& reader) { SetName(reader.ReadString()); },
        [this](TWriter& writer) { writer.WriteString(FName); }, FName.empty());
}

void TChartValueList::SetDateTime(bool value) {
    if (FDateTime == value) return;
    FDateTime = value;
    if (FOwner) FOwner->RepaintChart();
}

void TChartValueList::SetDefaultDateTime(bool value) {
    FDateTime = value;
    FDefaultDateTime = value;
}

void TChartValueList::SetValueSource(const std::string& value) {
    if (FValueSource == value) return;
    FValueSource = value;
    if (FOwner) FOwner->RefreshFromSource();
}

void TChartValueList::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TChartValueList*>(source)) {
        FOrder = other->FOrder;
        FDateTime = other->FDateTime;
        FValueSource = other->FValueSource;
        return;
    }
    TPersistent::Assign(source);
}

// --- Storage.

void TChartValueList::Reserve(int needed) {
    if (needed <= FCapacity) return;
    const int capacity = FCapacity + std::max(GrowthStep, needed - FCapacity);
    if (capacity > FAllocated) {
        const int64_t wanted = std::max<int64_t>(capacity, int64_t(FAllocated) + FAllocated / 8);
        const int allocated = int(std::min<int64_t>(wanted, INT32_MAX));
        void* grown = std::realloc(FValues, sizeof(double) * size_t(allocated));
        if (!grown) throw std::bad_alloc();
        FValues = static_cast<double*>(grown);
        FAllocated = allocated;
    }
    FCapacity = capacity;
}

void TChartValueList::Changed(int index) {
    FModified = true;
    if (FOwner) FOwner->NotifyLinkedSeries(lscModified, index);
}

void TChartValueList::SetValue(int index, double value) {
    FValues[index] = value;
    Changed(index);
}

int TChartValueList::AddValue(double value) {
    TempValue = value;
    return InsertTempOrdered();
}

int TChartValueList::InsertTempOrdered() {
    const double v = TempValue;
    int target = FCount;
    if (FCount > 0 && FOrder != loNone) {
        // Scan down from the end past the values that must come after v; ties stay in front.
        int i = FCount - 1;
        if (FOrder == loAscending) {
            if (v < FValues[i]) {
                while (i >= 0 && FValues[i] > v) --i;
                target = i + 1;
            }
        } else if (v > FValues[i]) {
            while (i >= 0 && FValues[i] < v) --i;
            target = i + 1;
        }
    }
    InsertValue(target, v);
    return target;
}

void TChartValueList::InsertValue(int index, double value) {
    Reserve(FCount + 1);
    if (index < FCount)
        std::memmove(FValues + index + 1, FValues + index, sizeof(double) * size_t(FCount - index));
    FValues[index] = value;
    ++FCount;
    FModified = true;
}

void TChartValueList::DeleteValue(int index) { DeleteRange(index, 1); }

void TChartValueList::DeleteRange(int index, int quantity) {
    if (index < 0 || index >= FCount) return;
    quantity = std::min(quantity, FCount - index);
    if (quantity <= 0) return;
    std::memmove(FValues + index, FValues + index + quantity,
                 sizeof(double) * size_t(FCount - index - quantity));
    FCount -= quantity;
    FModified = true;
}

void TChartValueList::Clear() {
    std::free(FValues);
    FValues = nullptr;
    FCount = 0;
    FCapacity = 0;
    FAllocated = 0;
    FModified = true;
}

int TChartValueList::IndexOfValueIn(int first, int last, double value) const {
    for (int i = first; i <= last; ++i)
        if (FValues[i] == value) return i;
    return -1;
}

// --- Statistics.

void TChartValueList::RecomputeStatistics() {
    if (FCount == 0) {
        FMinimum = FMaximum = FSum = FAbsoluteSum = 0;
    } else {
        UpdateStatisticsFrom(0);
    }
    FModified = false;
}

void TChartValueList::UpdateStatisticsFrom(int index) {
    int i = index;
    if (i == 0) {
        FMinimum = FMaximum = FSum = FValues[0];
        FAbsoluteSum = std::fabs(FValues[0]);
        i = 1;
    }
    for (; i < FCount; ++i) {
        const double x = FValues[i];
        if (x < FMinimum)
            FMinimum = x;
        else if (x > FMaximum)
            FMaximum = x;
        FSum += x;
        FAbsoluteSum += std::fabs(x);
    }
}

double TChartValueList::Maximum() {
    if (FModified) RecomputeStatistics();
    return FMaximum;
}
double TChartValueList::Minimum() {
    if (FModified) RecomputeStatistics();
    return FMinimum;
}
double TChartValueList::Sum() {
    if (FModified) RecomputeStatistics();
    return FSum;
}
double TChartValueList::AbsoluteSum() {
    if (FModified) RecomputeStatistics();
    return FAbsoluteSum;
}

// --- Reordering.

void TChartValueList::ExchangeValues(int indexA, int indexB) {
    std::swap(FValues[indexA], FValues[indexB]);
    Changed(indexA);
}

void TChartValueList::FillSequence() {
    for (int i = 0; i < FCount; ++i) FValues[i] = i;
    Changed(0);
}

int TChartValueList::CompareValues(int indexA, int indexB) const {
    const double a = FValues[indexA];
    const double b = FValues[indexB];
    const int result = a < b ? -1 : (a > b ? 1 : 0);
    return FOrder == loDescending ? -result : result;
}

void TChartValueList::Sort() {
    if (FOrder == loNone) return;
    // Whole points move, so every list, colour and label of a point stays together.
    auto exchange = [this](int a, int b) {
        if (FOwner)
            FOwner->ExchangePoints(a, b);
        else
            ExchangeValues(a, b);
    };
    QuickSortWithCallbacks(
        0, FCount - 1, [this](int a, int b) { return CompareValues(a, b); }, exchange);
}

void TChartValueList::RotateValues() {
    if (FCount == 0) return;
    std::rotate(FValues, FValues + 1, FValues + FCount);
}

// --- The lists of a series.

TChartValueLists::~TChartValueLists() { Clear(); }

void TChartValueLists::Remove(TChartValueList* list) {
    auto it = std::find(FItems.begin(), FItems.end(), list);
    if (it != FItems.end()) FItems.erase(it);
}

void TChartValueLists::Clear() {
    // Each list leaves this container as it is freed, so free from a detached copy.
    std::vector<TChartValueList*> items;
    items.swap(FItems);
    for (TChartValueList* list : items) TObject::Free(list);
}
