// How a function groups its source's points and places the results.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "ChartStubs.h"
#include "chart/engine/BasicFunctions.h"
#include "chart/engine/DataSourcesList.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Streams.h"

namespace {

struct TValuePoint {
    double X, Y;
};

std::vector<TValuePoint> ValuePoints(const TChartSeries& s) {
    std::vector<TValuePoint> v;
    for (int i = 0; i < s.Count(); ++i) v.push_back({s.XValues()[i], s.YValues()[i]});
    return v;
}

void ExpectPoints(const std::vector<TValuePoint>& actual,
                  const std::vector<TValuePoint>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i) {
        SCOPED_TRACE("point " + std::to_string(i));
        EXPECT_NEAR(actual[i].X, expected[i].X, 1e-9);
        EXPECT_NEAR(actual[i].Y, expected[i].Y, 1e-9);
    }
}

// A source in a chart and a series computed from it by a sum.
struct TScene {
    TComponent Form{nullptr};
    TTestChart* Chart = new TTestChart(&Form);
    TTestSeries* Source = new TTestSeries(&Form);
    TTestSeries* Result = new TTestSeries(&Form);
    TScene() {
        RegisterTestChartClasses();
        Chart->AddSeries(Source);
        Chart->AddSeries(Result);
    }
    void Compute(TTeeFunction* f) {
        Result->SetFunction(f);
        Result->SetDataSource(Source);
    }
};

TEST(TeeFunctionTest, GroupsAndPlacesTheResults) {
    struct {
        const char* what;
        std::function<TTeeFunction*(TComponent*)> make;
        std::function<void(TTeeFunction&, TChartSeries& result)> setUp;
        std::vector<TValuePoint> expected;
    } cases[] = {
        {"period 0: one point midway",
         [](TComponent* o) { return new TAddTeeFunction(o); },
         [](TTeeFunction&, TChartSeries&) {},
         {{4.5, 55}}},
        {"period 0: a level line",
         [](TComponent* o) { return new TAddTeeFunction(o); },
         [](TTeeFunction&, TChartSeries& r) { r.CentresSingleValue = false; },
         {{0, 55}, {9, 55}}},
        {"period 3: point 9 dropped",
         [](TComponent* o) { return new TAddTeeFunction(o); },
         [](TTeeFunction& f, TChartSeries&) { f.SetPeriod(3); },
         {{1, 6}, {4, 15}, {7, 24}}},
        {"period 3, first",
         [](TComponent* o) { return new TAddTeeFunction(o); },
         [](TTeeFunction& f, TChartSeries&) {
             f.SetPeriod(3);
             f.SetPeriodAlign(paFirst);
         },
         {{0, 6}, {3, 15}, {6, 24}}},
        {"period 3, last",
         [](TComponent* o) { return new TAddTeeFunction(o); },
         [](TTeeFunction& f, TChartSeries&) {
             f.SetPeriod(3);
             f.SetPeriodAlign(paLast);
         },
         {{2, 6}, {5, 15}, {8, 24}}},
        // A period of less than half a point takes one point rather than never moving on.
        {"period 0.4",
         [](TComponent* o) { return new TAddTeeFunction(o); },
         [](TTeeFunction& f, TChartSeries&) { f.SetPeriod(0.4); },
         {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 7}, {7, 8}, {8, 9}, {9, 10}}},
    };
    for (auto& k : cases) {
        SCOPED_TRACE(k.what);
        TScene scene;
        for (int i = 0; i < 10; ++i) scene.Source->AddXYPoint(i, i + 1);
        TTeeFunction* f = k.make(&scene.Form);
        k.setUp(*f, *scene.Result);
        scene.Compute(f);
        ExpectPoints(ValuePoints(*scene.Result), k.expected);
    }
}

// A moving sum, to see the window slide.
class TMovingSum : public TTeeMovingFunction {
public:
    using TTeeMovingFunction::TTeeMovingFunction;
    double Calculate(TChartSeries& source, int first, int last) override {
        double sum = 0;
        for (int i = first; i <= last; ++i) sum += source.YValues()[i];
        return sum;
    }
};

TEST(TeeFunctionTest, AMovingWindowSlidesByOnePoint) {
    for (double period : {3.0, 0.3}) {
        SCOPED_TRACE(period);
        TScene scene;
        for (int i = 0; i < 10; ++i) scene.Source->AddXYPoint(i, i + 1);
        auto* f = new TMovingSum(&scene.Form);
        f->SetPeriod(period);
        scene.Compute(f);
        const std::vector<TValuePoint> points = ValuePoints(*scene.Result);
        if (period == 3) {
            ASSERT_EQ(points.size(), 8u);
            EXPECT_EQ(points[0].X, 2);
            EXPECT_EQ(points[0].Y, 6);
            EXPECT_EQ(points[7].X, 9);
            EXPECT_EQ(points[7].Y, 27);
        } else {
            // Rounded to no point at all, the window still holds one.
            EXPECT_EQ(points.size(), 10u);
        }
    }
}

TEST(TeeFunctionTest, RangesOverDailyDataGiveZeroForEmptyWeeks) {
    TScene scene;
    const double start = 45000;  // a Monday in 2023
    for (int day = 0; day < 14; ++day) scene.Source->AddXYPoint(start + day, 1);
    for (int day = 35; day < 42; ++day) scene.Source->AddXYPoint(start + day, 1);
    auto* f = new TAddTeeFunction(&scene.Form);
    f->SetPeriodStyle(psRange);
    f->SetPeriod(7);
    f->SetPeriodAlign(paFirst);
    scene.Compute(f);
    ExpectPoints(ValuePoints(*scene.Result), {{start, 7},
                                              {start + 7, 7},
                                              {start + 14, 0},
                                              {start + 21, 0},
                                              {start + 28, 0},
                                              {start + 35, 7}});
}

TEST(TeeFunctionTest, ARangeLostInThePrecisionOfThePositionsEnds) {
    TScene scene;
    for (int i = 0; i < 3; ++i) scene.Source->AddXYPoint(1e6 + i, 1);
    auto* f = new TAddTeeFunction(&scene.Form);
    f->SetPeriodStyle(psRange);
    f->SetPeriod(1e-300);
    scene.Compute(f);
    EXPECT_EQ(scene.Result->Count(), 0);
}

TEST(TeeFunctionTest, ANegativePeriodRaisesAndIsNotKept) {
    TScene scene;
    auto* f = new TAddTeeFunction(&scene.Form);
    f->SetPeriod(2);
    try {
        f->SetPeriod(-1);
        FAIL() << "no exception";
    } catch (const ChartException& e) {
        EXPECT_EQ(e.Message(), "Function Period should be >= 0");
    }
    EXPECT_EQ(f->Period(), 2);
}

TEST(TeeFunctionTest, OneEndUpdateEndsAnyNumberOfBeginUpdates) {
    TScene scene;
    for (int i = 0; i < 4; ++i) scene.Source->AddXYPoint(i, 1);
    auto* f = new TAddTeeFunction(&scene.Form);
    scene.Compute(f);
    ASSERT_EQ(scene.Result->Count(), 1);
    f->BeginUpdate();
    f->BeginUpdate();
    f->SetPeriod(2);
    EXPECT_EQ(scene.Result->Count(), 1);
    f->EndUpdate();
    EXPECT_FALSE(f->Updating());
    EXPECT_EQ(scene.Result->Count(), 2);
}

TEST(TeeFunctionTest, SeveralSourcesFollowTheLongestAndItsLabels) {
    TScene scene;
    auto* longer = new TTestSeries(&scene.Form);
    scene.Chart->AddSeries(longer);
    for (int i = 0; i < 5; ++i) scene.Source->AddXYPoint(i, 1);
    for (int i = 0; i < 8; ++i) longer->AddXYPoint(i * 10, 2, "p" + std::to_string(i));
    scene.Result->SetFunction(new TAddTeeFunction(&scene.Form));
    scene.Result->DataSources().AddSource(scene.Source);
    scene.Result->DataSources().AddSource(longer);
    ASSERT_EQ(scene.Result->Count(), 8);
    EXPECT_EQ(scene.Result->XValues()[7], 70);
    EXPECT_EQ(scene.Result->YValues()[4], 3);
    EXPECT_EQ(scene.Result->YValues()[5], 2);
    EXPECT_EQ(scene.Result->PointLabel(7), "p7");
}

}  // namespace

namespace {

TEST(TeeFunctionTest, AFunctionIsStoredAsItsSeriesChildWithItsSettings) {
    RegisterTestChartClasses();
    RegisterClasses({&TTeeMovingFunction::StaticClass(), &TAddTeeFunction::StaticClass()});
    TMemoryStream stream;
    {
        TTestChart chart(nullptr);
        auto* moving = new TTestSeries(&chart);
        chart.AddSeries(moving);
        auto* mf = new TTeeMovingFunction(&chart);
        mf->SetPeriod(5);
        moving->SetFunction(mf);
        auto* sum = new TTestSeries(&chart);
        chart.AddSeries(sum);
        auto* af = new TAddTeeFunction(&chart);
        af->SetPeriodStyle(psRange);
        af->SetPeriodAlign(paFirst);
        sum->SetFunction(af);
        WriteComponentToStream(stream, &chart);
    }
    TTestChart copy(nullptr);
    stream.SetPosition(0);
    ReadComponentFromStream(stream, &copy);
    ASSERT_EQ(copy.SeriesCount(), 2);
    auto* mf = dynamic_cast<TTeeMovingFunction*>(copy.GetSeries(0)->Function());
    ASSERT_NE(mf, nullptr);
    EXPECT_EQ(mf->Period(), 5);
    EXPECT_EQ(mf->PeriodAlign(), paLast);
    EXPECT_EQ(mf->ParentSeries(), copy.GetSeries(0));
    TTeeFunction* af = copy.GetSeries(1)->Function();
    ASSERT_NE(af, nullptr);
    EXPECT_EQ(af->Period(), 0);
    EXPECT_EQ(af->PeriodStyle(), psRange);
    EXPECT_EQ(af->PeriodAlign(), paFirst);
}

}  // namespace
