#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "chart/engine/ChartValueList.h"
#include "platform/classes/Filer.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/RecordingDialogService.h"

namespace {

// A series stand-in: owns its lists and moves whole points on exchange.
class TListOwner : public TValueListOwner {
public:
    TChartValueLists& ValueLists() override { return FLists; }
    void ExchangePoints(int a, int b) override {
        for (TChartValueList* list : FLists) list->ExchangeValues(a, b);
    }
    void NotifyLinkedSeries(TLinkedSeriesChange kind, int index) override {
        Notices.push_back({kind, index});
    }
    void RefreshFromSource() override { ++Refreshes; }
    void RepaintChart() override { ++Repaints; }

    std::vector<std::pair<TLinkedSeriesChange, int>> Notices;
    int Refreshes = 0;
    int Repaints = 0;

private:
    TChartValueLists FLists;
};

std::vector<double> Values(const TChartValueList& list) {
    return std::vector<double>(list.Data(), list.Data() + list.Count());
}

TEST(ChartValueListTest, OrderedInsertionKeepsTiesInArrivalOrder) {
    struct Case {
        TChartListOrder Order;
        std::vector<double> Added;
        std::vector<int> Indices;
        std::vector<double> Result;
    };
    const Case cases[] = {
        {loAscending, {5, 3, 5, 1}, {0, 0, 2, 0}, {1, 3, 5, 5}},
        {loDescending, {1, 3, 3}, {0, 0, 1}, {3, 3, 1}},
        {loNone, {5, 3, 5, 1}, {0, 1, 2, 3}, {5, 3, 5, 1}},
        {loAscending, {2, 2, 1, 2}, {0, 1, 0, 3}, {1, 2, 2, 2}},
        {loDescending, {1, 4, 2, 4}, {0, 0, 1, 1}, {4, 4, 2, 1}},
    };
    for (const Case& c : cases) {
        TChartValueList list(nullptr, "X");
        list.SetOrder(c.Order);
        std::vector<int> indices;
        for (double v : c.Added) indices.push_back(list.AddValue(v));
        EXPECT_EQ(indices, c.Indices) << c.Order;
        EXPECT_EQ(Values(list), c.Result) << c.Order;
    }
}

TEST(ChartValueListTest, TieGoesBehindEqualValuesToTellThemApart) {
    // Ties are placed behind their equals: the later of two equal X keeps the larger index, so
    // the Y list inserted at the returned index pairs up with it.
    TListOwner owner;
    TChartValueList x(&owner, "X"), y(&owner, "Y");
    x.SetOrder(loAscending);
    for (auto [xv, yv] : {std::pair{2.0, 10.0}, {1.0, 20.0}, {2.0, 30.0}}) {
        x.TempValue = xv;
        y.InsertValue(x.InsertTempOrdered(), yv);
    }
    EXPECT_EQ(Values(x), (std::vector<double>{1, 2, 2}));
    EXPECT_EQ(Values(y), (std::vector<double>{20, 10, 30}));
}

TEST(ChartValueListTest, StorageGrowsByTheProcessWideStep) {
    struct Case {
        int Step, Appends, Capacity;
    };
    const Case cases[] = {{1000, 1, 1000},    {1000, 1000, 1000}, {1000, 1001, 2000},
                          {1000, 2500, 3000}, {10, 25, 30},       {1, 3, 3}};
    for (const Case& c : cases) {
        TValueListGrowthScope scope(c.Step);
        TChartValueList list(nullptr, "Y");
        for (int i = 0; i < c.Appends; ++i) list.AddValue(i);
        EXPECT_EQ(list.Capacity(), c.Capacity) << c.Step << " " << c.Appends;
        EXPECT_EQ(list.Count(), c.Appends);
        EXPECT_EQ(list.LastValue(), c.Appends - 1);
    }
    EXPECT_EQ(ValueListGrowthStep(), 1000);  // the scope restored it
    TChartValueList list(nullptr, "Y");
    list.AddValue(1);
    list.Clear();
    EXPECT_EQ(list.Capacity(), 0);  // clearing releases the storage
}

TEST(ChartValueListTest, StatisticsAreRecomputedOnFirstReadAfterAChange) {
    TListOwner owner;
    TChartValueList list(&owner, "Y");
    EXPECT_EQ(list.Minimum(), 0);
    EXPECT_EQ(list.Maximum(), 0);
    EXPECT_EQ(list.Sum(), 0);
    EXPECT_EQ(list.AbsoluteSum(), 0);
    EXPECT_EQ(list.Spread(), 0);

    for (double v : {-2.0, 5.0, 1.0}) list.AddValue(v);
    EXPECT_TRUE(list.Modified());
    EXPECT_EQ(list.Minimum(), -2);
    EXPECT_FALSE(list.Modified());
    EXPECT_EQ(list.Maximum(), 5);
    EXPECT_EQ(list.Sum(), 4);
    EXPECT_EQ(list.AbsoluteSum(), 8);

    list.SetValue(1, -7);
    EXPECT_EQ(owner.Notices.back(), std::make_pair(lscModified, 1));
    EXPECT_EQ(list.Minimum(), -7);
    EXPECT_EQ(list.Maximum(), 1);
    EXPECT_EQ(list.Spread(), 8);

    list.DeleteValue(1);
    EXPECT_EQ(list.Sum(), -1);
    // Rotation leaves the statistics as they were, stale flag included.
    list.RotateValues();
    EXPECT_EQ(Values(list), (std::vector<double>{1, -2}));
    EXPECT_FALSE(list.Modified());
}

TEST(ChartValueListTest, SortMovesWholePointsAndOnlyWhenOrdered) {
    TListOwner owner;
    TChartValueList x(&owner, "X"), y(&owner, "Y");
    for (double v : {3.0, 1.0, 2.0, 1.0}) x.AddValue(v);
    for (double v : {30.0, 10.0, 20.0, 11.0}) y.AddValue(v);
    x.Sort();  // loNone
    EXPECT_EQ(Values(x), (std::vector<double>{3, 1, 2, 1}));

    x.SetOrder(loDescending);
    EXPECT_EQ(Values(x), (std::vector<double>{3, 1, 2, 1}));  // setting the order moves nothing
    x.Sort();
    EXPECT_EQ(Values(x), (std::vector<double>{3, 2, 1, 1}));
    EXPECT_EQ(y[0], 30);
    EXPECT_EQ(y[1], 20);
    EXPECT_EQ(y[2] + y[3], 21);  // the sort is not stable; the pair moved together
    EXPECT_EQ(std::min(y[2], y[3]), 10);

    x.SetOrder(loAscending);
    x.Sort();
    EXPECT_EQ(Values(x), (std::vector<double>{1, 1, 2, 3}));
    EXPECT_EQ(Values(y)[3], 30);
}

TEST(ChartValueListTest, DeletionAndSequences) {
    TListOwner owner;
    TChartValueList list(&owner, "X");
    for (double v : {9.0, 8.0, 7.0, 6.0, 5.0}) list.AddValue(v);
    list.DeleteRange(1, 2);
    EXPECT_EQ(Values(list), (std::vector<double>{9, 6, 5}));
    list.DeleteRange(2, 10);  // never past the end
    EXPECT_EQ(Values(list), (std::vector<double>{9, 6}));
    list.DeleteRange(5, 1);
    EXPECT_EQ(list.Count(), 2);
    list.FillSequence();
    EXPECT_EQ(Values(list), (std::vector<double>{0, 1}));
    EXPECT_EQ(owner.Notices.back(), std::make_pair(lscModified, 0));
    EXPECT_EQ(list.IndexOfValue(1), 1);
    EXPECT_EQ(list.IndexOfValue(4), -1);
}

TEST(ChartValueListTest, ListsBelongToTheirOwnersContainer) {
    TListOwner owner;
    auto* x = new TChartValueList(&owner, "X");
    auto* y = new TChartValueList(&owner, "Y");
    ASSERT_EQ(owner.ValueLists().Count(), 2);
    EXPECT_EQ(owner.ValueLists().ValueList(1), y);
    TObject::Free(x);  // a list freed on its own leaves the container
    ASSERT_EQ(owner.ValueLists().Count(), 1);
    EXPECT_EQ(owner.ValueLists().ValueList(0), y);
    // The container frees the rest when the owner goes.
}

TEST(ChartValueListTest, SettersAndAssign) {
    TListOwner owner;
    TChartValueList a(&owner, "X"), b(nullptr, "Other");
    a.SetDateTime(true);
    a.SetDateTime(true);
    EXPECT_EQ(owner.Repaints, 1);
    a.SetValueSource("Field");
    a.SetValueSource("Field");
    EXPECT_EQ(owner.Refreshes, 1);
    a.SetOrder(loAscending);
    a.AddValue(4);
    b.Assign(&a);
    EXPECT_EQ(b.Order(), loAscending);
    EXPECT_TRUE(b.DateTime());
    EXPECT_EQ(b.ValueSource(), "Field");
    EXPECT_EQ(b.Name(), "Other");
    EXPECT_EQ(b.Count(), 0);

    auto stored = [](const TChartValueList& l) {
        return l.ClassType().Properties().Find("DateTime")->ShouldWrite(&l);
    };
    EXPECT_TRUE(stored(a));
    a.SetDefaultDateTime(true);
    EXPECT_FALSE(stored(a));
}

// Captures the reader of the obsolete property, as a stream reading the list would call it.
class TCaptureFiler : public TFiler {
public:
    using TFiler::TFiler;
    void DefineProperty(const std::string& name, const TReaderProc& read, const TWriterProc&,
                        bool hasData) override {
        if (name == "Multiplier") {
            Read = read;
            Writes = hasData;
        }
    }
    void DefineBinaryProperty(const std::string&, const TStreamProc&, const TStreamProc&,
                              bool) override {}
    TReaderProc Read;
    bool Writes = true;
};

class TStreamedList : public TChartValueList {
public:
    using TChartValueList::DefineProperties;
    using TChartValueList::TChartValueList;
};

TEST(ChartValueListTest, ObsoleteMultiplierIsReadAndReportedUnlessOne) {
    for (double multiplier : {1.0, 2.5}) {
        TRecordingDialogService dialogs;
        TStreamedList list(nullptr, "Y");
        TMemoryStream stream;
        {
            TWriter writer(stream);
            writer.WriteFloat(multiplier);
        }
        stream.SetPosition(0);
        TCaptureFiler filer(stream);
        list.DefineProperties(filer);
        ASSERT_TRUE(filer.Read);
        EXPECT_FALSE(filer.Writes);
        TReader reader(stream);
        filer.Read(reader);
        if (multiplier == 1) {
            EXPECT_TRUE(dialogs.Messages.empty());
        } else {
            ASSERT_EQ(dialogs.Messages.size(), 1u);
            EXPECT_EQ(dialogs.Messages[0].Text,
                      "Error: Multiplier property is obsolete.\rModify TeeDefs (enable "
                      "Multiplier) and recompile.");
            EXPECT_EQ(dialogs.Messages[0].Type, mtError);
            EXPECT_EQ(dialogs.Messages[0].Caption, "");
        }
    }
}

}  // namespace
