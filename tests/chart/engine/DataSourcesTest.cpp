// Series fed by other series and by source components: validation, following, moving sources,
// freeing either side, and storing the sources.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ChartStubs.h"
#include "SeriesValues.h"
#include "chart/engine/BasicFunctions.h"
#include "chart/engine/DataSourcesList.h"
#include "chart/engine/SeriesCreation.h"
#include "chart/engine/SeriesSource.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Streams.h"

namespace {

// A source kind that fills its series with a fixed number of points when it loads.
class TCountingSource : public TTeeSeriesSource {
    KV_DECLARE_CLASS(TCountingSource, TTeeSeriesSource)
public:
    explicit TCountingSource(TComponent* owner) : TTeeSeriesSource(owner) {}
    int Points = 3;
    int Loads = 0;

protected:
    void LoadData() override {
        ++Loads;
        Series()->Clear();
        for (int i = 0; i < Points; ++i) Series()->AddY(i);
    }
};

struct DataSourcesTest : ::testing::Test {
    void SetUp() override { RegisterTestChartClasses(); }
    TComponent Form{nullptr};
    TTestChart* Chart = new TTestChart(&Form);
    TTestSeries* Make(const std::string& name, bool inChart = true) {
        auto* s = new TTestSeries(&Form);
        s->SetName(name);
        if (inChart) Chart->AddSeries(s);
        return s;
    }
};

std::string MessageOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const Exception& e) {
        return e.Message();
    }
    return "(none)";
}

TEST_F(DataSourcesTest, InvalidAndCircularSourcesAreRefusedBeforeAnythingChanges) {
    TTestSeries* a = Make("A");
    TTestSeries* b = Make("B");
    TTestSeries* c = Make("C");
    auto* unnamed = new TTestSeries(&Form);
    Chart->AddSeries(unnamed);
    auto* loose = new TTestSeries(&Form);
    TTestSeries* x = Make("X");
    b->SetDataSource(a);
    c->SetDataSource(b);
    struct {
        const char* what;
        std::function<void()> act;
        std::string message;
    } cases[] = {
        {"own series", [&] { a->SetDataSource(a); }, "No valid DataSource: A"},
        {"own, no name", [&] { unnamed->SetDataSource(unnamed); },
         "No valid DataSource: TTestSeries"},
        {"no chart", [&] { loose->SetDataSource(loose); }, "No ParentChart to validate DataSource"},
        {"chain A<-B<-C", [&] { a->SetDataSource(c); },
         "Circular Series dependences are not allowed"},
        // Through a second source of C: X first, then A.
        {"second source",
         [&] {
             x->DataSources().AddSource(c);
             a->DataSources().AddSource(x);
         },
         "Circular Series dependences are not allowed"},
        {"chain without chart",
         [&] {
             Chart->RemoveSeries(a);
             a->SetDataSource(c);
         },
         "Circular Series dependences are not allowed"},
    };
    for (auto& k : cases) {
        SCOPED_TRACE(k.what);
        EXPECT_EQ(MessageOf(k.act), k.message);
    }
    EXPECT_EQ(a->DataSources().Count(), 0);
    EXPECT_EQ(x->DataSources().Count(), 1);
    EXPECT_EQ(b->DependentSeries().Count(), 1);
    // A source listed already adds nothing.
    EXPECT_EQ(c->DataSources().AddSource(b), -1);
}

TEST_F(DataSourcesTest, DependentsFollowEachKindOfChangeAsTheirOptionsSay) {
    struct {
        const char* what;
        int options;
        std::function<void(TChartSeries&)> change;
        std::vector<double> expected;
    } cases[] = {
        {"add", 15, [](TChartSeries& s) { s.AddY(7); }, {1, 2, 3, 7}},
        {"add, not followed", 15 & ~sfoInsertions, [](TChartSeries& s) { s.AddY(7); }, {1, 2, 3}},
        {"delete", 15, [](TChartSeries& s) { s.Delete(0); }, {2, 3}},
        {"delete, not followed", sfoClear, [](TChartSeries& s) { s.Delete(0); }, {1, 2, 3}},
        // A deleted range names no point: the dependent reads its source again.
        {"delete range", 15, [](TChartSeries& s) { s.DeleteRange(0, 2); }, {3}},
        {"delete a point never taken",
         sfoDeletions,
         [](TChartSeries& s) {
             s.AddY(7);
             s.Delete(3);
         },
         {1, 2, 3}},
        {"clear", 15, [](TChartSeries& s) { s.Clear(); }, {}},
        {"clear, not followed", sfoDeletions, [](TChartSeries& s) { s.Clear(); }, {1, 2, 3}},
        {"modify", 15, [](TChartSeries& s) { s.YValues().SetValue(1, 9); }, {1, 9, 3}},
        {"modify, not followed", 0, [](TChartSeries& s) { s.YValues().SetValue(1, 9); }, {1, 2, 3}},
        {"batch, followed always",
         0,
         [](TChartSeries& s) {
             TSeriesUpdate update(s);
             s.AddY(5);
             s.Delete(0);
         },
         {2, 3, 5}},
    };
    for (auto& k : cases) {
        SCOPED_TRACE(k.what);
        TComponent form(nullptr);
        TTestChart chart(&form);
        auto* source = new TTestSeries(&form);
        auto* dependent = new TTestSeries(&form);
        chart.AddSeries(source);
        chart.AddSeries(dependent);
        for (double v : {1, 2, 3}) source->AddY(v);
        dependent->SetSourceFollowOptions(k.options);
        dependent->SetDataSource(source);
        ASSERT_EQ(Ys(*dependent), (std::vector<double>{1, 2, 3}));
        k.change(*source);
        EXPECT_EQ(Ys(*dependent), k.expected);
    }
}

TEST_F(DataSourcesTest, AFunctionIsRecomputedOnlyOnAFullChange) {
    TTestSeries* source = Make("Source");
    TTestSeries* sum = Make("Sum");
    for (double v : {1, 2, 3}) source->AddY(v);
    sum->SetFunction(new TAddTeeFunction(&Form));
    sum->SetDataSource(source);
    ASSERT_EQ(Ys(*sum), std::vector<double>{6});
    source->AddY(4);
    source->Delete(0);
    EXPECT_EQ(Ys(*sum), std::vector<double>{6});
    source->BeginUpdate();
    source->EndUpdate();
    EXPECT_EQ(Ys(*sum), std::vector<double>{9});
}

TEST_F(DataSourcesTest, ClearingTheSourcesKeepsPointsEnteredByHand) {
    TTestSeries* source = Make("Source");
    source->AddY(1);
    for (bool byHand : {false, true}) {
        TTestSeries* s = Make(byHand ? "Hand" : "Fed");
        s->SetDataSource(source);
        s->DataEnteredByHand = byHand;
        s->DataSources().Clear();
        EXPECT_EQ(s->Count(), byHand ? 1 : 0);
        EXPECT_EQ(source->DependentSeries().IndexOf(s), -1);
    }
}

TEST_F(DataSourcesTest, ASourceComponentMovesWithItsOwnershipAndStaysActive) {
    RegisterClass(&TCountingSource::StaticClass());
    TTestSeries* a = Make("A");
    TTestSeries* b = Make("B");
    auto* source = new TCountingSource(a);
    source->SetSeries(a);
    source->Activate();
    ASSERT_EQ(a->DataSource(), source);
    ASSERT_EQ(a->Count(), 3);
    EXPECT_TRUE(ClassAs<TSeriesSourceClass>(&TCountingSource::StaticClass()).IsSourceOf(a));

    b->SetDataSource(source);
    EXPECT_EQ(source->Owner(), b);
    EXPECT_EQ(source->Series(), b);
    EXPECT_TRUE(source->Active());
    EXPECT_EQ(b->Count(), 3);
    EXPECT_EQ(a->Count(), 0);  // cleared when the source was deactivated
    EXPECT_EQ(a->DataSources().Count(), 0);

    // Unlinked, the source lets go of its series; freed, the series forgets it.
    b->SetDataSource(nullptr);
    EXPECT_EQ(source->Series(), nullptr);
    source->SetSeries(b);
    delete source;
    EXPECT_EQ(b->DataSources().Count(), 0);
}

// However an entry leaves the list, a source component forgets the series, so freeing the
// series first and the source after reads nothing freed.
TEST_F(DataSourcesTest, ASourceComponentTakenOutOfTheListLetsGoOfItsSeries) {
    RegisterClass(&TCountingSource::StaticClass());
    TTestSeries* other = Make("Other");
    other->AddY(7);
    const struct {
        const char* what;
        std::function<void(TTestSeries&, TCountingSource&)> takeOut;
        int pointsLeft;
    } cases[] = {
        {"list cleared", [](TTestSeries& s, TCountingSource&) { s.DataSources().Clear(); }, 0},
        {"list cleared out of the chart",
         [this](TTestSeries& s, TCountingSource&) {
             Chart->RemoveSeries(&s);
             s.DataSources().Clear();
         },
         0},
        {"replaced by a series",
         [other](TTestSeries& s, TCountingSource&) { s.SetDataSource(other); }, 1},
        {"second entry removed",
         [other](TTestSeries& s, TCountingSource& source) {
             s.SetDataSource(other);
             s.DataSources().AddSource(&source);
             ASSERT_EQ(source.Series(), &s);
             s.DataSources().Remove(&source);
         },
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TTestSeries* s = Make("Fed");
        auto* source = new TCountingSource(&Form);
        source->SetSeries(s);
        source->Activate();
        ASSERT_EQ(s->Count(), 3);
        c.takeOut(*s, *source);
        EXPECT_EQ(source->Series(), nullptr);
        EXPECT_EQ(s->DataSources().IndexOf(source), -1);
        EXPECT_EQ(s->Count(), c.pointsLeft);
        delete s;
        delete source;
    }
}

// A dependent fed by a series and by an active source component: when the series is
// replaced, the dependent takes the new series and its source component stays active.
TEST_F(DataSourcesTest, ReplacingASourceSeriesLeavesTheDependentsSourceComponentActive) {
    RegisterClass(&TCountingSource::StaticClass());
    TTestSeries* a = Make("A");
    TTestSeries* dependent = Make("Dependent");
    dependent->SetDataSource(a);
    auto* source = new TCountingSource(&Form);
    dependent->DataSources().AddSource(source);
    source->Activate();
    TChartSeries* old = a;
    ReplaceSeries(old, Make("B"));
    ASSERT_EQ(dependent->DataSources().Count(), 2);
    EXPECT_EQ(dependent->DataSource()->Name(), "A");  // the new series takes the old one's name
    EXPECT_EQ(dependent->DataSources()[1], source);
    EXPECT_EQ(source->Series(), dependent);
    EXPECT_TRUE(source->Active());
}

TEST_F(DataSourcesTest, AssignHandsOverTheSourcesAndTheFunction) {
    TTestSeries* a = Make("A");
    TTestSeries* fed = Make("Fed");
    TTestSeries* copy = Make("Copy");
    for (double v : {1, 2}) a->AddY(v);
    auto* f = new TAddTeeFunction(&Form);
    fed->SetFunction(f);
    fed->SetDataSource(a);
    copy->Assign(fed);
    EXPECT_EQ(copy->DataSource(), a);
    EXPECT_EQ(copy->Function(), f);
    EXPECT_EQ(f->ParentSeries(), copy);
    EXPECT_EQ(fed->Function(), nullptr);
    EXPECT_EQ(Ys(*copy), std::vector<double>{3});
    EXPECT_EQ(a->DependentSeries().Count(), 2);
}

TEST_F(DataSourcesTest, ADependentOutOfItsChartRestsAndFollowsAgainOnReturn) {
    TTestSeries* source = Make("Source");
    TTestSeries* dependent = Make("Dependent");
    source->AddY(1);
    dependent->SetDataSource(source);
    Chart->RemoveSeries(dependent);
    EXPECT_EQ(source->DependentSeries().Count(), 0);
    source->AddY(2);
    EXPECT_EQ(dependent->Count(), 1);
    Chart->AddSeries(dependent);
    EXPECT_EQ(Ys(*dependent), (std::vector<double>{1, 2}));
    source->AddY(3);
    EXPECT_EQ(dependent->Count(), 3);
}

TEST_F(DataSourcesTest, FreeingEitherSideOfALinkLeavesNoReference) {
    for (bool sourceFirst : {true, false}) {
        SCOPED_TRACE(sourceFirst);
        TTestSeries* source = Make("Source");
        TTestSeries* dependent = Make("Dependent");
        source->AddY(1);
        dependent->SetDataSource(source);
        if (sourceFirst) {
            delete source;
            EXPECT_EQ(dependent->DataSources().Count(), 0);
            EXPECT_EQ(dependent->Count(), 0);
            delete dependent;
        } else {
            delete dependent;
            EXPECT_EQ(source->DependentSeries().Count(), 0);
            source->AddY(2);  // tells nobody
            delete source;
        }
    }
}

TEST_F(DataSourcesTest, OneSourceIsStoredAsDataSourceAndSeveralAsDataSources) {
    TMemoryStream stream;
    {
        TTestChart chart(nullptr);
        auto make = [&](const char* name) {
            auto* s = new TTestSeries(&chart);
            s->SetName(name);
            chart.AddSeries(s);
            return s;
        };
        TTestSeries* a = make("A");
        TTestSeries* b = make("B");
        TTestSeries* one = make("One");
        TTestSeries* sum = make("Sum");
        a->AddY(1);
        a->AddY(2);
        b->AddY(10);
        one->SetDataSource(a);
        sum->SetFunction(new TAddTeeFunction(&chart));
        sum->DataSources().AddSource(a);
        sum->DataSources().AddSource(b);
        a->DataEnteredByHand = b->DataEnteredByHand = true;
        WriteComponentToStream(stream, &chart);
    }
    // Only the points entered by hand are stored; the others are computed again.
    const std::string bytes(stream.Memory(), size_t(stream.Size()));
    size_t stored = 0;
    for (size_t at = bytes.find("\x04"
                                "Data");
         at != std::string::npos; at = bytes.find("\x04"
                                                  "Data",
                                                  at + 1))
        ++stored;
    EXPECT_EQ(stored, 2u);

    RegisterClasses({&TAddTeeFunction::StaticClass()});
    TTestChart copy(nullptr);
    stream.SetPosition(0);
    ReadComponentFromStream(stream, &copy);
    ASSERT_EQ(copy.SeriesCount(), 4);
    TChartSeries* a = copy.GetSeries(0);
    TChartSeries* one = copy.GetSeries(2);
    TChartSeries* sum = copy.GetSeries(3);
    EXPECT_EQ(one->DataSource(), a);
    ASSERT_EQ(sum->DataSources().Count(), 2);
    EXPECT_EQ(sum->DataSources()[1], copy.GetSeries(1));
    ASSERT_NE(sum->Function(), nullptr);
    EXPECT_EQ(sum->Function()->ClassName(), "TAddTeeFunction");
    EXPECT_EQ(a->DependentSeries().Count(), 2);
    EXPECT_EQ(Ys(*one), (std::vector<double>{1, 2}));
    EXPECT_EQ(Ys(*sum), (std::vector<double>{11, 2}));
}

}  // namespace
