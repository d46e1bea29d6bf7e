#include <gtest/gtest.h>

#include "ChartStubs.h"
#include "chart/engine/BasicFunctions.h"
#include "chart/engine/DataSourcesList.h"
#include "chart/engine/SeriesCreation.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/engine/TeeFunction.h"

namespace {

class TOtherTestSeries : public TChartSeries {
    KV_DECLARE_CLASS(TOtherTestSeries, TChartSeries)
public:
    explicit TOtherTestSeries(TComponent* owner) : TChartSeries(owner) {}
};

class TTestFunction : public TTeeFunction {
    KV_DECLARE_CLASS(TTestFunction, TTeeFunction)
public:
    using TTeeFunction::TTeeFunction;
};

std::string Description = "Test series";
std::string Page = "Test page";

// Every test leaves the registries as it found them.
class SeriesTypesTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterTestChartClasses(); }
    void TearDown() override {
        UnregisterSeriesClasses({&TTestSeries::StaticClass(), &TTestHorizSeries::StaticClass(),
                                 &TOtherTestSeries::StaticClass()});
        UnregisterFunctionClasses({&TTestFunction::StaticClass()});
        UnregisterToolClasses({&TTestSeriesTool::StaticClass(), &TTestAxisTool::StaticClass()});
    }
    static int EntriesOf(TClass seriesClass, TClass functionClass) {
        int n = 0;
        for (int i = 0; i < SeriesTypeList().Count(); ++i)
            n += SeriesTypeList()[i]->SeriesClassRef == seriesClass &&
                 SeriesTypeList()[i]->FunctionClassRef == functionClass;
        return n;
    }
};

TEST_F(SeriesTypesTest, VariantsDuplicatesAndRemoval) {
    const TClass series = &TTestSeries::StaticClass();
    const TClass function = &TTestFunction::StaticClass();
    RegisterSeriesClass(series, &Description, &Page, 1);
    RegisterSeriesClass(series, &Description, &Page, 1);
    EXPECT_EQ(EntriesOf(series, nullptr), 1);
    AddSeriesTypeEntry(series, nullptr, &Description, &Page, 1, 1);
    AddSeriesTypeEntry(series, nullptr, &Description, &Page, 1, 1);
    EXPECT_EQ(EntriesOf(series, nullptr), 3);
    // A series class registered only with a function has no description of its own.
    AddSeriesTypeEntry(&TTestHorizSeries::StaticClass(), function, &Description, &Page, 1, 0);
    EXPECT_EQ(SeriesTypeList().FindBySeriesClass(&TTestHorizSeries::StaticClass()), nullptr);
    EXPECT_EQ(SeriesTypeDescription(TTestHorizSeries(nullptr)), "TTestHorizSeries");
    EXPECT_EQ(GetClass("TTestFunction"), function);  // known to the stream by name
    RegisterSeriesClass(&TTestHorizSeries::StaticClass(), &Description, &Page, 1);

    // The description is read when asked, so a changed text shows at once.
    TTestSeries sample(nullptr);
    EXPECT_EQ(SeriesTypeDescription(sample), "Test series");
    Description = "Renamed";
    EXPECT_EQ(SeriesTypeDescription(sample), "Renamed");
    Description = "Test series";

    // Removing a function class leaves the plain series entry of the same series class.
    UnregisterFunctionClasses({function});
    EXPECT_EQ(EntriesOf(&TTestHorizSeries::StaticClass(), function), 0);
    EXPECT_EQ(EntriesOf(&TTestHorizSeries::StaticClass(), nullptr), 1);
    // Removing a series class takes its variants, however many follow each other.
    UnregisterSeriesClasses({series});
    EXPECT_EQ(EntriesOf(series, nullptr), 0);
    EXPECT_EQ(SeriesTypeDescription(sample), "TTestSeries");
}

TEST_F(SeriesTypesTest, ToolsAreListedOnceAndAbsentOnesIgnored) {
    const TClass a = &TTestSeriesTool::StaticClass(), b = &TTestAxisTool::StaticClass();
    const int before = ToolTypeList().Count();
    RegisterToolClasses({a, b, a});
    ASSERT_EQ(ToolTypeList().Count(), before + 2);
    EXPECT_EQ(ToolTypeList().GetItem(before), a);
    EXPECT_EQ(ToolTypeList().GetItem(before + 1), b);
    UnregisterToolClasses({a, a});
    EXPECT_EQ(ToolTypeList().Count(), before + 1);
    EXPECT_EQ(ToolTypeList().IndexOf(a), -1);
}

TEST_F(SeriesTypesTest, BasicFunctionsSitOnTheStandardPageInGalleryOrder) {
    LoadCoreTexts();
    BasicFunctionsUnitStartup();
    std::vector<TClass> listed;
    for (int i = 0; i < SeriesTypeList().Count(); ++i) {
        const TTeeSeriesType* e = SeriesTypeList()[i];
        if (!e->FunctionClassRef || e->SeriesClassRef) continue;
        listed.push_back(e->FunctionClassRef);
        EXPECT_EQ(*e->PageText, "Standard");
        EXPECT_EQ(e->SampleSeriesCount, 2);
        EXPECT_EQ(e->VariantIndex, 0);
    }
    std::vector<TClass> expected;
    for (const TStandardFunctionEntry& e : BasicFunctionEntries())
        expected.push_back(e.FunctionClass);
    EXPECT_EQ(listed, expected);
}

class SeriesCreationTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestChartClasses();
        RegisterClasses({&TOtherTestSeries::StaticClass(), &TTestFunction::StaticClass()});
    }
    TComponent Form{nullptr};
    TTestChart* Chart = new TTestChart(&Form);
};

TEST_F(SeriesCreationTest, NamesTakeTheFirstFreeNumberAndTheChartKeepsOwningItsSeries) {
    TComponent empty(nullptr);
    TChartSeries* first = CreateChartSeries(&empty, nullptr, &TTestSeries::StaticClass());
    EXPECT_EQ(first->Name(), "Series1");
    EXPECT_EQ(first->Owner(), &empty);

    (new TTestSeries(&Form))->SetName("Series1");
    (new TTestSeries(&Form))->SetName("Series3");
    TChartSeries* s =
        CreateChartSeries(&Form, Chart, &TTestSeries::StaticClass(), &TTestFunction::StaticClass());
    EXPECT_EQ(s->Name(), "Series2");
    EXPECT_EQ(s->ParentChart(), Chart);
    ASSERT_NE(s->Function(), nullptr);
    EXPECT_EQ(s->Function()->Name(), "TeeFunction1");
    EXPECT_EQ(s->Function()->Owner(), &Form);

    // Once the chart owns one of its series it owns the new ones, whatever owner is asked for.
    TChartSeries* owned = CreateChartSeries(nullptr, Chart, &TTestSeries::StaticClass());
    EXPECT_EQ(owned->Owner(), Chart);
    TChartSeries* next = CreateChartSeries(&Form, Chart, &TTestSeries::StaticClass());
    EXPECT_EQ(next->Owner(), Chart);
    EXPECT_EQ(next->Name(), "Series2");  // the chart's own names
}

TEST_F(SeriesCreationTest, CloneCopiesClassSettingsPointsAndFunctionClass) {
    TChartSeries* s = CreateChartSeries(&Form, Chart, &TTestSeries::StaticClass());
    s->SetSeriesColor(clRed);
    s->AddXYPoint(1, 10);
    s->AddXYPoint(2, 20);
    TChartSeries* copy = CloneSeries(s);
    EXPECT_EQ(&copy->ClassType(), &TTestSeries::StaticClass());
    EXPECT_EQ(copy->ParentChart(), Chart);
    EXPECT_EQ(copy->Name(), "Series2");
    EXPECT_EQ(copy->SeriesColor(), clRed);
    ASSERT_EQ(copy->Count(), 2);
    EXPECT_EQ(copy->YValues()[1], 20);

    auto* tool = new TTestSeriesTool(&Form);
    tool->SetSeries(s);
    TTeeCustomTool* toolCopy = CloneChartTool(tool, &Form);
    EXPECT_EQ(&toolCopy->ClassType(), &TTestSeriesTool::StaticClass());
    EXPECT_EQ(toolCopy->Name(), "ChartTool1");
    EXPECT_EQ(static_cast<TTestSeriesTool*>(toolCopy)->Series(), s);
}

TEST_F(SeriesCreationTest, ChangingToTheSameClassKeepsTheSeries) {
    TChartSeries* s = CreateChartSeries(&Form, Chart, &TTestSeries::StaticClass());
    TChartSeries* before = s;
    EXPECT_EQ(ChangeSeriesClass(s, &TTestSeries::StaticClass()), before);
    EXPECT_EQ(s, before);
    EXPECT_EQ(Chart->SeriesCount(), 1);
}

// The replaced series keeps its place, name, points, handlers (but the mouse enter and leave
// ones), tools and dependents; the old object is gone (checked under the address sanitizer).
TEST_F(SeriesCreationTest, ChangingTheClassMovesEverythingOntoTheNewSeries) {
    TChartSeries* a = CreateChartSeries(&Form, Chart, &TTestSeries::StaticClass());
    TChartSeries* s = CreateChartSeries(&Form, Chart, &TTestSeries::StaticClass());
    TChartSeries* c = CreateChartSeries(&Form, Chart, &TTestSeries::StaticClass());
    s->AddXYPoint(1, 5);
    s->AddXYPoint(2, 7);
    s->SetSeriesColor(clRed);
    int clicks = 0, enters = 0;
    s->OnClick = [&](TChartSeries&, int, TMouseButton, TShiftState, int, int) { ++clicks; };
    s->OnMouseEnter = [&](TObject*) { ++enters; };
    // Two dependents: one fed by s alone, one by a and then s.
    TChartSeries* d1 = CreateChartSeries(&Form, Chart, &TTestSeries::StaticClass());
    d1->SetDataSource(s);
    TChartSeries* d2 = CreateChartSeries(&Form, Chart, &TTestSeries::StaticClass());
    d2->SetDataSource(a);
    d2->DataSources().AddSource(s);
    auto* tool = new TTestSeriesTool(&Form);
    tool->SetParentChart(Chart);
    tool->SetSeries(s);

    ChangeSeriesClass(s, &TOtherTestSeries::StaticClass());
    ASSERT_EQ(&s->ClassType(), &TOtherTestSeries::StaticClass());
    EXPECT_EQ(Chart->SeriesCount(), 5);
    EXPECT_EQ(Chart->GetSeries(0), a);
    EXPECT_EQ(Chart->GetSeries(1), s);
    EXPECT_EQ(Chart->GetSeries(2), c);
    EXPECT_EQ(s->Name(), "Series2");
    EXPECT_EQ(s->SeriesColor(), clRed);
    ASSERT_EQ(s->Count(), 2);
    EXPECT_EQ(s->YValues()[1], 7);
    ASSERT_TRUE(s->OnClick);
    EXPECT_FALSE(s->OnMouseEnter);
    EXPECT_EQ(tool->Series(), s);

    ASSERT_EQ(d1->DataSources().Count(), 1);
    EXPECT_EQ(d1->DataSource(), s);
    EXPECT_EQ(d1->Count(), 2);  // still following
    ASSERT_EQ(d2->DataSources().Count(), 2);
    EXPECT_EQ(d2->DataSources()[0], a);
    EXPECT_EQ(d2->DataSources()[1], s);
    EXPECT_EQ(s->DependentSeries().Count(), 2);
    s->AddXYPoint(3, 9);
    EXPECT_EQ(d1->Count(), 3);
    EXPECT_EQ(clicks + enters, 0);
}

TEST_F(SeriesCreationTest, TheFunctionMovesOnceAndIsFreedOnce) {
    TChartSeries* source = CreateChartSeries(&Form, Chart, &TTestSeries::StaticClass());
    source->AddXYPoint(1, 4);
    TChartSeries* s = CreateChartSeries(&Form, Chart, &TTestSeries::StaticClass(),
                                        &TAverageTeeFunction::StaticClass());
    s->SetDataSource(source);
    TTeeFunction* function = s->Function();
    ChangeSeriesClass(s, &TOtherTestSeries::StaticClass());
    EXPECT_EQ(s->Function(), function);
    EXPECT_EQ(function->ParentSeries(), s);
    EXPECT_EQ(s->DataSource(), source);
    ASSERT_EQ(s->Count(), 1);
    EXPECT_EQ(s->YValues()[0], 4);
    // Freeing the chart and the form frees the function once (the sanitizer checks).
}

}  // namespace
