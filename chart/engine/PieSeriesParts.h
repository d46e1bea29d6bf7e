#pragma once
// The settings objects of the pie: per-slice integer lists (explode and height percents), the
// "other" slice that gathers small values, and the placement of the marks.
#include <memory>
#include <string>
#include <vector>

#include "platform/classes/Persistent.h"
#include "platform/graphics/Colors.h"

class TChartLegend;
class TPieSeries;

enum TPieOtherStyle { poNone, poBelowPercent, poBelowValue };
const TEnumInfo& PieOtherStyleNames();

// One integer per slice. Reading past the end gives 0; writing past it first grows the list
// with zeros.
class TSliceValueList {
public:
    explicit TSliceValueList(TPieSeries* owner) : FOwner(owner) {}

    int Count() const { return int(FItems.size()); }
    int Value(int index) const;
    // Repaints the pie when the value changed.
    void PutValue(int index, int value);
    void Clear() { FItems.clear(); }
    // Drops the entry of a deleted slice (nothing past the end).
    void Delete(int index);
    // Grows to count entries (never shrinks).
    void GrowTo(int count);
    void Exchange(int a, int b);
    void Assign(const TSliceValueList& source) { FItems = source.FItems; }

private:
    TPieSeries* FOwner;
    std::vector<int> FItems;
};

// The slice that stands for every value below a limit (a percentage of the total or a value).
class TPieOtherSlice : public TPersistent {
    KV_DECLARE_CLASS(TPieOtherSlice, TPersistent)
public:
    explicit TPieOtherSlice(TPieSeries* owner = nullptr);
    ~TPieOtherSlice() override;

    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    // A legend of the grouped values of its own, hidden, made on first use for the pie's chart.
    TChartLegend* Legend();
    TChartLegend* LegendIfAny() const { return FLegend.get(); }
    // None frees it.
    void SetLegend(const TChartLegend* value);
    TPieOtherStyle Style() const { return FStyle; }
    void SetStyle(TPieOtherStyle value);
    // "Other" while empty.
    std::string Text() const;
    void SetText(const std::string& value);
    double Value() const { return FValue; }
    void SetValue(double value);
    // The legend moves to the pie's new chart.
    void ChartChanged();

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TPieOtherSlice>& p);

private:
    void Changed();

    TColor FColor = clDefault;
    std::unique_ptr<TChartLegend> FLegend;
    TPieOtherStyle FStyle = poNone;
    std::string FText;
    double FValue = 0;
    TPieSeries* FOwner;
};

class TPieMarks : public TPersistent {
    KV_DECLARE_CLASS(TPieMarks, TPersistent)
public:
    explicit TPieMarks(TPieSeries* owner = nullptr) : FOwner(owner) {}

    // The horizontal leg of a mark's callout, in pixels (0: none).
    int LegSize() const { return FLegSize; }
    void SetLegSize(int value);
    // The callout ends at the mark's vertical middle.
    bool VertCenter() const { return FVertCenter; }
    void SetVertCenter(bool value);

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TPieMarks>& p);

private:
    int FLegSize = 0;
    bool FVertCenter = false;
    TPieSeries* FOwner;
};
