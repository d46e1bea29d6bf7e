#pragma once
// One dimension of a series' point data (X, Y, Z, open, high ...): a growable array of doubles
// with a name, a sort order, a date-time flag and the data field it is filled from, and cached
// statistics that the axes read when they compute their automatic range.
//
// The capacity grows by a process-wide step rather than by doubling, so large series do not
// carry up to twice their memory. The block behind it grows by at least an eighth of itself,
// though: growing a large block by a fixed step copies it every thousand values, which made
// appending a million points cost time in the square of the count. An eighth keeps appending in
// order O(1) per point with at most an eighth of the memory spare.
#include <string>
#include <vector>

#include "chart/engine/ValueListOwner.h"
#include "platform/classes/Persistent.h"

enum TChartListOrder { loNone, loAscending, loDescending };
const TEnumInfo& ChartListOrderNames();

// The growth step of every value list's storage, 1,000 values unless changed. Bulk fills of
// large grids raise it for their duration through TValueListGrowthScope.
int ValueListGrowthStep();
void SetValueListGrowthStep(int step);

class TValueListGrowthScope {
public:
    explicit TValueListGrowthScope(int step) : FSaved(ValueListGrowthStep()) {
        SetValueListGrowthStep(step);
    }
    ~TValueListGrowthScope() { SetValueListGrowthStep(FSaved); }
    TValueListGrowthScope(const TValueListGrowthScope&) = delete;
    TValueListGrowthScope& operator=(const TValueListGrowthScope&) = delete;

private:
    int FSaved;
};

inline constexpr const char* TxtMultiplierObsolete =
    "Error: Multiplier property is obsolete.\rModify TeeDefs (enable Multiplier) and recompile.";

class TChartValueList : public TPersistent {
    KV_DECLARE_CLASS(TChartValueList, TPersistent)
public:
    // Appends itself to the owner's lists (when there is an owner).
    TChartValueList(TValueListOwner* owner, const std::string& name);
    // Leaves the owner's lists.
    ~TChartValueList() override;

    TValueListOwner* Owner() const { return FOwner; }

    // --- Published.
    bool DateTime() const { return FDateTime; }
    void SetDateTime(bool value);
    const std::string& Name() const { return FName; }
    void SetName(const std::string& value) { FName = value; }
    // Setting it moves no value; Sort does.
    TChartListOrder Order() const { return FOrder; }
    void SetOrder(TChartListOrder value) { FOrder = value; }
    const std::string& ValueSource() const { return FValueSource; }
    void SetValueSource(const std::string& value);
    // Sets DateTime and the value it is stored against, so a series that holds dates by nature
    // does not write the flag.
    void SetDefaultDateTime(bool value);

    // --- Values. Indices are not checked: the series keeps them within 0 .. Count-1.
    int Count() const { return FCount; }
    int Capacity() const { return FCapacity; }
    double Value(int index) const { return FValues[index]; }
    double operator[](int index) const { return FValues[index]; }
    // Marks the statistics stale and tells the linked series.
    void SetValue(int index, double value);
    double FirstValue() const { return FValues[0]; }
    double LastValue() const { return FValues[FCount - 1]; }
    const double* Data() const { return FValues; }

    // Places the value by Order (equal values keep arrival order) and returns its index.
    virtual int AddValue(double value);
    // The value waiting for InsertTempOrdered: the series sets it on its X list, inserts, and
    // puts the other lists' values at the index that came back.
    double TempValue = 0;
    int InsertTempOrdered();
    virtual void InsertValue(int index, double value);
    virtual void DeleteValue(int index);
    // Removes up to quantity values from index on (never past the end).
    void DeleteRange(int index, int quantity);
    // Empties the list and releases the storage.
    virtual void Clear();

    int IndexOfValueIn(int first, int last, double value) const;
    int IndexOfValue(double value) const { return IndexOfValueIn(0, FCount - 1, value); }

    // Statistics, recomputed on the first read after a change; all 0 for an empty list.
    double Maximum();
    double Minimum();
    double Sum();
    double AbsoluteSum();
    // Replaces the absolute sum until the next change (a pie's "other" slice repeats values the
    // sum already holds).
    void SetAbsoluteSum(double value) {
        if (FModified) RecomputeStatistics();
        FAbsoluteSum = value;
    }
    double Spread() { return Maximum() - Minimum(); }
    void RecomputeStatistics();
    // Extends the statistics with the values from index on (from scratch for 0).
    void UpdateStatisticsFrom(int index);
    bool Modified() const { return FModified; }
    void SetModified() { FModified = true; }

    void ExchangeValues(int indexA, int indexB);
    // Value i becomes i.
    void FillSequence();
    // -1, 0 or 1 by Order (reversed for loDescending).
    int CompareValues(int indexA, int indexB) const;
    // Sorts every point of the owner by this list; nothing for loNone.
    void Sort();
    // The first value to the end; the statistics stay as they were.
    virtual void RotateValues();

    // The data-set field a data-bound chart fills this list from; not owned.
    void* BoundField = nullptr;

    // Order, DateTime and ValueSource; neither the values nor the name.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TChartValueList>& p);

protected:
    void DefineProperties(TFiler& filer) override;

private:
    void Reserve(int needed);
    void Changed(int index);

    TValueListOwner* FOwner;
    // Kept apart from the owner so that a list freed while the owner is being destroyed (its
    // lists go with it) leaves the container without a call into the owner.
    TChartValueLists* FLists;
    std::string FName;
    TChartListOrder FOrder = loNone;
    bool FDateTime = false;
    bool FDefaultDateTime = false;
    std::string FValueSource;
    bool FModified = true;
    double FMaximum = 0;
    double FMinimum = 0;
    double FSum = 0;
    double FAbsoluteSum = 0;
    double* FValues = nullptr;
    int FCount = 0;
    int FCapacity = 0;
    // Values the block can hold; never below FCapacity.
    int FAllocated = 0;
};

// The value lists of one series in creation order (X first, then Y, then the type's own). Owns
// them: clearing or destroying the container frees every list.
class TChartValueLists {
public:
    TChartValueLists() = default;
    ~TChartValueLists();
    TChartValueLists(const TChartValueLists&) = delete;
    TChartValueLists& operator=(const TChartValueLists&) = delete;

    int Count() const { return int(FItems.size()); }
    TChartValueList* ValueList(int index) const { return FItems[size_t(index)]; }
    void Add(TChartValueList* list) { FItems.push_back(list); }
    void Remove(TChartValueList* list);
    void Clear();
    auto begin() const { return FItems.begin(); }
    auto end() const { return FItems.end(); }

private:
    std::vector<TChartValueList*> FItems;
};
