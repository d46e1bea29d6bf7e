// The dataset-bound chart over a small in-memory table: refills on open, post and close, the
// grouping keywords, null values, the walk's abort and errors, the timer setting, series bound
// through a data source, and the watchers.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "ChartStubs.h"
#include "SeriesValues.h"
#include "chart/engine/DBChart.h"
#include "platform/classes/Cursors.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/db/ClientDataSet.h"
#include "platform/db/DataPacketFile.h"
#include "platform/db/DateTimeField.h"
#include "platform/db/NumericField.h"
#include "platform/db/StringField.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Timer.h"

namespace {

using TTestDBChart = TDBChart;

struct TRow {
    double Xi;
    double T;  // NaN: null
    const char* Name;
    double Date;
    double Amount;
};

struct DBChartTest : ::testing::Test {
    TFormatSettingsGuard Locale{TFormatSettings{}};
    TComponent Form{nullptr};
    TClientDataSet Table;
    TFloatField* Xi;
    TFloatField* T;
    TStringField* Name;
    TDateTimeField* Date;
    TFloatField* Amount;
    TTestDBChart* Chart;

    DBChartTest() {
        RegisterTestChartClasses();
        Xi = Table.AddField<TFloatField>("Xi");
        T = Table.AddField<TFloatField>("T");
        Name = Table.AddField<TStringField>("Name", 20);
        Date = Table.AddField<TDateTimeField>("Date");
        Amount = Table.AddField<TFloatField>("Amount");
        Table.CreateDataSet();
        Chart = new TTestDBChart(&Form);
    }
    ~DBChartTest() override { delete Chart; }

    void Add(const TRow& r) {
        Table.Append();
        Xi->SetAsFloat(r.Xi);
        if (r.T == r.T) T->SetAsFloat(r.T);
        Name->SetAsString(r.Name);
        Date->SetAsDateTime(r.Date);
        Amount->SetAsFloat(r.Amount);
        Table.Post();
    }
    // Four records out of Xi order, over January and February 2021.
    void Fill() {
        const double jan4 = EncodeDate(2021, 1, 4), feb1 = EncodeDate(2021, 2, 1);
        Add({3, 30, "b", jan4, 10});
        Add({1, 10, "a", jan4 + 1, 20});
        Add({2, 20, "c", feb1, 6});
        Add({4, 40, "b", feb1 + 2, 2});
    }
    TTestSeries* Bind(TComponent* source, const std::string& x, const std::string& y,
                      const std::string& labels = {}) {
        auto* s = new TTestSeries(&Form);
        Chart->AddSeries(s);
        s->XValues().SetValueSource(x);
        s->YValues().SetValueSource(y);
        s->SetXLabelsSource(labels);
        s->SetDataSource(source);
        return s;
    }
};

std::vector<std::string> Labels(const TChartSeries& s) {
    std::vector<std::string> v;
    for (int i = 0; i < s.Count(); ++i) v.push_back(s.PointLabel(i));
    return v;
}

TEST_F(DBChartTest, BoundTableFillsSortedEmptiesOnCloseAndFollowsOpenAndPost) {
    Fill();
    TTestSeries* s = Bind(&Table, "Xi", "T");
    EXPECT_EQ(Xs(*s), (std::vector<double>{1, 2, 3, 4}));
    EXPECT_EQ(Ys(*s), (std::vector<double>{10, 20, 30, 40}));
    Table.Close();
    EXPECT_EQ(s->Count(), 0);
    // An in-memory table reopens empty; each posted record refills the series.
    Table.CreateDataSet();
    Fill();
    EXPECT_EQ(Ys(*s), (std::vector<double>{10, 20, 30, 40}));
    Add({0, 5, "z", 1, 1});
    EXPECT_EQ(Ys(*s), (std::vector<double>{5, 10, 20, 30, 40}));
    // Without AutoRefresh nothing follows the dataset.
    Chart->AutoRefresh = false;
    Table.Close();
    EXPECT_EQ(s->Count(), 5);
    Table.CreateDataSet();
    Add({0, 5, "z", 1, 1});
    EXPECT_EQ(s->Count(), 5);
}

// A table read from a file opens with its records already in, so a series bound to it fills.
TEST_F(DBChartTest, ATableLoadedFromAPacketFillsItsBoundSeries) {
    Fill();
    TDataPacketFile file(Table);
    const std::string bytes = file.SaveToBytes();
    TTestSeries* s = Bind(&Table, "Xi", "T");
    Table.Close();
    EXPECT_EQ(s->Count(), 0);
    file.LoadFromBytes(bytes);
    EXPECT_EQ(Ys(*s), (std::vector<double>{10, 20, 30, 40}));
}

TEST_F(DBChartTest, KeywordsGroupRecordsIntoOnePointPerLabel) {
    struct Case {
        const char* labels;
        const char* values;
        std::vector<std::string> expectLabels;
        std::vector<double> expectValues;
    } cases[] = {
        {"#MONTH#Date", "#SUM#Amount", {"Jan/21", "Feb/21"}, {30, 8}},
        {"#month#Date", "#AVG#Amount", {"Jan/21", "Feb/21"}, {15, 4}},
        {"#MONTH#Date", "#HIGH#Amount", {"Jan/21", "Feb/21"}, {20, 6}},
        {"#QUARTER#Date", "#LOW#Amount", {"1/2021"}, {2}},
        {"#YEAR#Date", "#COUNT#Amount", {"2021"}, {4}},
        {"#WEEK#Date", "#SUM#Amount", {"1/2021", "5/2021"}, {30, 8}},
        {"#WEEKDAY#Date", "#COUNT#Amount", {"Mon", "Tue", "Wed"}, {2, 1, 1}},
        {"#DAY#Date", "#SUM#Amount", {"04/Jan", "05/Jan", "01/Feb", "03/Feb"}, {10, 20, 6, 2}},
        {"#SORTDES#Name", "#COUNT#Xi", {"c", "b", "a"}, {1, 2, 1}},
        {"#SORTASC#Name", "#SUM#Amount", {"a", "b", "c"}, {20, 12, 6}},
        {"Name", "#SUM#Amount", {"b", "a", "c"}, {12, 20, 6}},
    };
    Fill();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.labels) + " " + c.values);
        auto* s = new TTestSeries(&Form);
        Chart->AddSeries(s);
        s->YValues().SetValueSource(c.values);
        s->SetXLabelsSource(c.labels);
        s->SetDataSource(&Table);
        EXPECT_EQ(Labels(*s), c.expectLabels);
        EXPECT_EQ(Ys(*s), c.expectValues);
        // Point colours are automatic again (an average's counts are gone).
        for (int i = 0; i < s->Count(); ++i) EXPECT_EQ(s->StoredPointColor(i), clDefault);
        delete s;
    }
}

TEST_F(DBChartTest, DateGroupLabels) {
    struct Case {
        int y, m, d, hour, grouping;
        const char* expect;
    } cases[] = {
        {2021, 1, 3, 0, 2, "53/2020"},   {2021, 1, 4, 0, 2, "1/2021"},
        {2008, 12, 29, 0, 2, "1/2009"},  {2020, 12, 31, 0, 2, "53/2020"},
        {2021, 3, 7, 15, 0, "07 15:00"}, {2021, 3, 7, 15, 1, "07/Mar"},
        {2021, 3, 7, 15, 3, "Sun"},      {2021, 12, 7, 0, 4, "Dec/21"},
        {2021, 12, 7, 0, 5, "4/2021"},   {1999, 12, 7, 0, 6, "1999"},
    };
    for (const Case& c : cases) {
        const double date = EncodeDate(c.y, c.m, c.d) + EncodeTime(c.hour, 25, 0, 0);
        EXPECT_EQ(DateGroupLabel(date, c.grouping), c.expect)
            << c.y << "-" << c.m << "-" << c.d << " grouping " << c.grouping;
    }
}

TEST_F(DBChartTest, KeywordPrefixParsing) {
    struct Case {
        const char *text, *keyword, *field;
    } cases[] = {{"#SUM#Amount", "SUM", "Amount"},
                 {"Amount", "", "Amount"},
                 {"##Amount", "", "##Amount"},
                 {"#SUM", "", "#SUM"},
                 {"#X#", "X", ""}};
    for (const Case& c : cases) {
        std::string keyword, field;
        SplitFieldKeyword(c.text, keyword, field);
        EXPECT_EQ(keyword, c.keyword) << c.text;
        EXPECT_EQ(field, c.field) << c.text;
    }
}

TEST_F(DBChartTest, NullValueMakesNullPointAndSeveralFieldsGivePointsPerField) {
    Add({1, NAN, "a", 1, 7});
    Add({2, 5, "b", 1, 8});
    TTestSeries* s = Bind(&Table, "Xi", "T");
    ASSERT_EQ(s->Count(), 2);
    EXPECT_TRUE(s->IsNullValue(0));
    EXPECT_FALSE(s->IsNullValue(1));

    auto* multi = new TTestSeries(&Form);
    Chart->AddSeries(multi);
    multi->YValues().SetValueSource("T;Amount");
    multi->SetDataSource(&Table);
    EXPECT_EQ(Labels(*multi), (std::vector<std::string>{"T", "Amount", "T", "Amount"}));
    EXPECT_EQ(Ys(*multi), (std::vector<double>{0, 7, 5, 8}));
    EXPECT_TRUE(multi->IsNullValue(0));
}

TEST_F(DBChartTest, AbortKeepsEarlierPointsAndErrorsRestoreEverything) {
    Fill();
    Table.First();
    Table.Next();
    const int recNo = Table.RecNo();
    int records = 0;
    Chart->OnProcessRecord = [&](TCustomDBChart& sender, TDataSet* d) {
        EXPECT_TRUE(sender.Refreshing());
        EXPECT_TRUE(d->ControlsDisabled());
        EXPECT_EQ(ScreenCursorShape(), crHourGlass);
        // Inside a refresh, another is refused.
        sender.RefreshDataSet(d, nullptr);
        if (++records == 3) throw EAbort("");
    };
    TTestSeries* s = Bind(&Table, "Xi", "T");
    EXPECT_EQ(Ys(*s), (std::vector<double>{10, 30}));
    EXPECT_EQ(Table.RecNo(), recNo);
    EXPECT_FALSE(Table.ControlsDisabled());

    struct Case {
        const char* what;
        std::function<void()> act;
        const char* message;
    } cases[] = {
        {"unknown field",
         [&] {
             s->YValues().SetValueSource("Nope");
             Chart->LoadSeriesFromSource(s);
         },
         "Field 'Nope' not found"},
        {"handler error",
         [&] {
             s->YValues().SetValueSource("T");
             Chart->OnProcessRecord = [](TCustomDBChart&, TDataSet*) { throw Exception("boom"); };
             Chart->LoadSeriesFromSource(s);
         },
         "boom"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string message;
        try {
            c.act();
        } catch (const Exception& e) {
            message = e.Message();
        }
        EXPECT_EQ(message, c.message);
        EXPECT_FALSE(Chart->Refreshing());
        EXPECT_TRUE(Chart->AutoRepaint());
        EXPECT_EQ(ScreenCursorShape(), crDefault);
        EXPECT_EQ(Table.RecNo(), recNo);
        EXPECT_FALSE(Table.ControlsDisabled());
    }
}

TEST_F(DBChartTest, RefreshIntervalRangeAndTimer) {
    for (int bad : {61, -1}) {
        try {
            Chart->SetRefreshInterval(bad);
            ADD_FAILURE() << bad;
        } catch (const DBChartException& e) {
            EXPECT_EQ(e.Message(), "Refresh Interval must be between 0 and 60");
        }
        EXPECT_EQ(Chart->RefreshInterval(), 0);
    }
    EXPECT_EQ(Chart->RefreshTimer(), nullptr);
    Chart->SetRefreshInterval(5);
    ASSERT_NE(Chart->RefreshTimer(), nullptr);
    EXPECT_TRUE(Chart->RefreshTimer()->Enabled());
    EXPECT_EQ(Chart->RefreshTimer()->Interval(), 5000);

    // A tick refills, and a tick that fails leaves the timer running.
    Fill();
    TTestSeries* s = Bind(&Table, "Xi", "T");
    Chart->RefreshAll();
    EXPECT_EQ(s->Count(), 4);
    Chart->OnProcessRecord = [](TCustomDBChart&, TDataSet*) { throw Exception("tick"); };
    EXPECT_THROW(Chart->RefreshAll(), Exception);
    EXPECT_TRUE(Chart->RefreshTimer()->Enabled());

    auto* copy = new TTestDBChart(&Form);
    copy->Assign(Chart);
    EXPECT_EQ(copy->RefreshInterval(), 5);
    ASSERT_NE(copy->RefreshTimer(), nullptr);
    // The settings travel through a stream too; the interval through its setter.
    Chart->AutoRefresh = false;
    Chart->ShowGlassCursor = false;
    TMemoryStream stream;
    WriteComponentToStream(stream, Chart);
    TTestDBChart read(nullptr);
    stream.SetPosition(0);
    ReadComponentFromStream(stream, &read);
    EXPECT_FALSE(read.AutoRefresh);
    EXPECT_FALSE(read.ShowGlassCursor);
    EXPECT_EQ(read.RefreshInterval(), 5);
    ASSERT_NE(read.RefreshTimer(), nullptr);
    Chart->SetRefreshInterval(0);
    EXPECT_FALSE(Chart->RefreshTimer()->Enabled());
    delete copy;
}

TEST_F(DBChartTest, SeriesThroughDataSourceGainsCurrentRecordUntilNextFullRefill) {
    Fill();
    TDataSource source(nullptr);
    source.SetDataSet(&Table);
    Table.First();
    TTestSeries* s = Bind(&source, "", "T");
    EXPECT_EQ(Ys(*s), (std::vector<double>{30}));
    EXPECT_EQ(Labels(*s), (std::vector<std::string>{"T"}));
    Table.Next();
    Table.Next();
    EXPECT_EQ(Ys(*s), (std::vector<double>{30, 10, 20}));
    // A table-bound series on the same table does not take those points away.
    TTestSeries* direct = Bind(&Table, "Xi", "T");
    Table.Next();
    EXPECT_EQ(Ys(*s), (std::vector<double>{30, 10, 20, 40}));
    EXPECT_EQ(direct->Count(), 4);
    Chart->LoadSeriesFromSource(s);
    EXPECT_EQ(Ys(*s), (std::vector<double>{40}));
    // Closing keeps the points of a series fed through a data source.
    Table.Close();
    EXPECT_EQ(s->Count(), 1);
    EXPECT_EQ(direct->Count(), 0);
}

// Fed one record at a time, an average is the mean of the records its label was given so far,
// in the series' own colour.
TEST_F(DBChartTest, AnAverageFedThroughADataSourceShowsMeansNotSums) {
    Fill();
    TDataSource source(nullptr);
    source.SetDataSet(&Table);
    Table.First();
    TTestSeries* s = Bind(&source, "", "#AVG#Amount", "Name");
    for (int i = 0; i < 3; ++i) Table.Next();
    EXPECT_EQ(Labels(*s), (std::vector<std::string>{"b", "a", "c"}));
    EXPECT_EQ(Ys(*s), (std::vector<double>{6, 20, 6}));
    for (int i = 0; i < s->Count(); ++i) EXPECT_EQ(s->StoredPointColor(i), clDefault);
    // Refilled, the series starts again from the current record.
    Chart->LoadSeriesFromSource(s);
    Table.Prior();
    Table.Prior();
    Table.Prior();
    EXPECT_EQ(Labels(*s), (std::vector<std::string>{"b", "c", "a"}));
    EXPECT_EQ(Ys(*s), (std::vector<double>{6, 6, 20}));
}

TEST_F(DBChartTest, WatcherStaysWhileAnotherSeriesUsesTheTable) {
    Fill();
    TTestSeries* a = Bind(&Table, "Xi", "T");
    TTestSeries* b = Bind(&Table, "Xi", "Amount");
    EXPECT_EQ(Chart->Watchers().Count(), 1);
    a->SetDataSource(nullptr);
    EXPECT_EQ(Chart->Watchers().Count(), 1);
    Add({5, 50, "e", 1, 9});
    EXPECT_EQ(b->Count(), 5);
    b->SetDataSource(nullptr);
    EXPECT_EQ(Chart->Watchers().Count(), 0);
}

TEST_F(DBChartTest, SourcesAndFieldsOfTheChart) {
    Fill();
    TTestDBChart other(nullptr);
    auto* s = new TTestSeries(&Form);
    other.AddSeries(s);
    try {
        Chart->LoadSeriesFromSource(s);
        ADD_FAILURE();
    } catch (const ChartException& e) {
        EXPECT_EQ(e.Message(), "Series.ParentChart is not myself!");
    }
    TDataSource source(nullptr);
    EXPECT_TRUE(Chart->AcceptsDataSource(s, &Table));
    EXPECT_TRUE(Chart->AcceptsDataSource(s, &source));
    TTestSeries* bound = Bind(&Table, "Xi", "T");
    std::vector<std::string> names;
    EXPECT_TRUE(Chart->ListSourceFields(bound, [&](const std::string& n) { names.push_back(n); }));
    EXPECT_EQ(names, (std::vector<std::string>{"Xi", "T", "Name", "Date", "Amount"}));
    EXPECT_FALSE(Chart->ListSourceFields(s, [](const std::string&) {}));
    names.clear();
    EXPECT_TRUE(Chart->ListValueSources(bound->YValues(),
                                        [&](const std::string& n) { names.push_back(n); }));
    EXPECT_EQ(names.size(), 5u);
    delete s;
}

}  // namespace
