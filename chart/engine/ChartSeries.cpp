#include "chart/engine/ChartSeries.h"

#include <algorithm>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/DataSourcesList.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/engine/TeeFunction.h"
#include "chart/foundation/DefaultColors.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/QuickSortWithCallbacks.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"

TChartSeries::TChartSeries(TComponent* owner)
    : TCustomChartSeries(owner),
      FX(new TChartValueList(this, "X")),
      FY(new TChartValueList(this, "Y")),
      FMarks(std::make_unique<TSeriesMarks>(this)),
      FPercentFormat(TxtDefaultPercentFormat),
      FValueFormat(TxtDefaultValueFormat),
      FDataSources(std::make_unique<TDataSourcesList>(this)),
      FDependentSeries(std::make_unique<TCustomSeriesList>(this)) {
    FX->SetOrder(loAscending);
}

// --- Adding.

int TChartSeries::AddXYPoint(double x, double y, const std::string& label, TColor color) {
    FX->TempValue = x;
    FY->TempValue = y;
    if (OnBeforeAdd && !OnBeforeAdd(*this)) return -1;
    // The X list decides the place, for horizontal series too; the others follow.
    const int index = FX->InsertTempOrdered();
    for (int i = 1; i < FValueLists.Count(); ++i) {
        TChartValueList* list = FValueLists.ValueList(i);
        list->InsertValue(index, list->TempValue);
    }
    InsertPointColor(index, color);
    if (!label.empty() || FLabels.Count() > 0) FLabels.InsertLabel(index, label);
    if (FUpdateCount == 0) NotifyValueAdded(index);
    return index;
}

void TChartSeries::InsertPointColor(int index, TColor color) {
    if (!FColors) {
        if (color == clDefault) return;
        // One entry for every point but the new one, whose entry comes next.
        FColors = std::make_unique<std::vector<TColor>>(size_t(Count() - 1), clDefault);
    }
    FColors->insert(FColors->begin() + index, color);
}

void TChartSeries::NotifyValueAdded(int valueIndex) {
    if (OnAfterAdd) OnAfterAdd(*this, valueIndex);
    NotifyLinkedSeries(lscAdded, valueIndex);
    if (Active()) RepaintChart();
}

int TChartSeries::AddValue(double value, const std::string& label, TColor color) {
    const double position = Count();
    return FYMandatory ? AddXYPoint(position, value, label, color)
                       : AddXYPoint(value, position, label, color);
}
int TChartSeries::AddX(double value, const std::string& label, TColor color) {
    return AddXYPoint(value, Count(), label, color);
}
int TChartSeries::AddY(double value, const std::string& label, TColor color) {
    return AddXYPoint(Count(), value, label, color);
}
int TChartSeries::AddNullPoint(const std::string& label) {
    return AddValue(DefaultNullValue, label, clNone);
}
int TChartSeries::AddNullXYPoint(double x, double y, const std::string& label) {
    return AddXYPoint(x, y, label, clNone);
}
int TChartSeries::AddNullValue(double value) { return AddValue(value, {}, clNone); }

// --- Reading and changing.

void TChartSeries::SetXValueAt(int index, double value) {
    FX->SetValue(index, value);
    RepaintChart();
}
void TChartSeries::SetYValueAt(int index, double value) {
    FY->SetValue(index, value);
    RepaintChart();
}

TColor TChartSeries::StoredPointColor(int index) const {
    if (!FColors || index < 0 || index >= int(FColors->size())) return clDefault;
    return (*FColors)[size_t(index)];
}

TColor TChartSeries::ValueColor(int index) const {
    const TColor stored = StoredPointColor(index);
    if (stored != clDefault) return stored;
    if (!FColorEachPoint) return SeriesColor();
    return FParentChart ? FParentChart->PaletteColor(index) : DefaultColorAt(index);
}

void TChartSeries::SetPointColor(int index, TColor color) {
    if (!FColors) {
        if (color == clDefault) return;
        FColors = std::make_unique<std::vector<TColor>>(size_t(Count()), clDefault);
    }
    if (index >= 0 && index < int(FColors->size())) (*FColors)[size_t(index)] = color;
    RepaintChart();
}

void TChartSeries::SetPointLabel(int index, const std::string& text) {
    FLabels.SetLabel(index, text);
    RepaintChart();
}

// --- Deleting and clearing.

void TChartSeries::Delete(int valueIndex) {
    if (valueIndex < 0 || valueIndex >= Count())
        throw ChartException(
            Format(TxtSeriesDeleteValueIndexOutOfBounds, {valueIndex, Count() - 1}));
    for (TChartValueList* list : FValueLists) list->DeleteValue(valueIndex);
    if (FColors) FColors->erase(FColors->begin() + valueIndex);
    FLabels.DeleteLabel(valueIndex);
    FMarks->Positions().Delete(valueIndex);
    FMarks->Items().Delete(valueIndex);
    NotifyLinkedSeries(lscDeleted, valueIndex);
    if (Active()) RepaintChart();
}

void TChartSeries::DeleteRange(int start, int quantity, bool removeGap) {
    if (start < 0 || start >= Count() || quantity <= 0) return;
    // Clamped here once, so that every list, colour and label loses the same points.
    quantity = std::min(quantity, Count() - start);
    for (TChartValueList* list : FValueLists) list->DeleteRange(start, quantity);
    if (FColors) {
        FColors->erase(FColors->begin() + start, FColors->begin() + start + quantity);
        if (FColors->empty()) FColors.reset();
    }
    FLabels.DeleteRange(start, quantity);
    // The per-point looks stay where they are.
    FMarks->Positions().DeleteRange(start, quantity);
    NotifyLinkedSeries(lscDeleted, -1);
    if (Active()) RepaintChart();
    if (removeGap) NotMandatoryValueList().FillSequence();
}

void TChartSeries::ClearValueStorage() {
    for (TChartValueList* list : FValueLists) list->Clear();
    FColors.reset();
    FLabels.Clear();
    FMarks->Clear();
}

void TChartSeries::Clear() {
    FirstInView = LastInView = -1;
    ClearValueStorage();
    if (FFunction) FFunction->SeriesCleared();
    if (OnClearValues) OnClearValues(*this);
    NotifyLinkedSeries(lscCleared, 0);
    if (Active() && !ComponentState().Contains(csDestroying)) RepaintChart();
}

// --- Ordering.

void TChartSeries::ExchangePoints(int indexA, int indexB) {
    for (TChartValueList* list : FValueLists) list->ExchangeValues(indexA, indexB);
    if (FColors) std::swap((*FColors)[size_t(indexA)], (*FColors)[size_t(indexB)]);
    FLabels.Exchange(indexA, indexB);
}

void TChartSeries::SortByLabels(TChartListOrder order) {
    if (order == loNone) return;
    const int sign = order == loDescending ? -1 : 1;
    QuickSortWithCallbacks(
        0, Count() - 1,
        [this, sign](int a, int b) {
            const std::string la = FLabels.Label(a), lb = FLabels.Label(b);
            return sign * (la < lb ? -1 : (la == lb ? 0 : 1));
        },
        [this](int a, int b) { ExchangePoints(a, b); });
    NotMandatoryValueList().FillSequence();
    RepaintChart();
}

void TChartSeries::ApplyValueOrder() {
    TChartValueList& mandatory = MandatoryValueList();
    if (mandatory.Order() == loNone) return;
    mandatory.Sort();
    TChartValueList& positions = NotMandatoryValueList();
    if (positions.ValueSource().empty()) positions.FillSequence();
    RepaintChart();
}

TChartValueList& TChartSeries::ValueListByName(const std::string& name) {
    for (int i = 2; i < FValueLists.Count(); ++i)
        if (SameText(FValueLists.ValueList(i)->Name(), name)) return *FValueLists.ValueList(i);
    return MandatoryValueList();
}
