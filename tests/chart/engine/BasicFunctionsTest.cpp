// What each basic function makes of a group of points and of one index across sources.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ChartStubs.h"
#include "chart/engine/BasicFunctions.h"

namespace {

using TMake = std::function<TTeeFunction*()>;

template <class F>
TMake Make(bool includeNulls = true) {
    return [includeNulls] {
        auto* f = new F(nullptr);
        if constexpr (requires { f->SetIncludeNulls(true); }) f->SetIncludeNulls(includeNulls);
        return f;
    };
}

// A series with these values; the points listed in nulls are null (their value is kept).
std::unique_ptr<TTestSeries> SeriesOf(const std::vector<double>& values,
                                      const std::vector<int>& nulls = {}) {
    auto s = std::make_unique<TTestSeries>(nullptr);
    for (size_t i = 0; i < values.size(); ++i) {
        const bool null = std::find(nulls.begin(), nulls.end(), int(i)) != nulls.end();
        s->AddY(values[i], {}, null ? clNone : clDefault);
    }
    return s;
}

TEST(BasicFunctionsTest, ValueOfAGroup) {
    struct {
        const char* what;
        TMake make;
        std::vector<double> values;
        std::vector<int> nulls;
        int first, last;
        double expected;
    } cases[] = {
        {"add all", Make<TAddTeeFunction>(), {2, 3, 5}, {}, -1, -1, 10},
        {"add group", Make<TAddTeeFunction>(), {2, 3, 5}, {}, 1, 2, 8},
        {"add empty group", Make<TAddTeeFunction>(), {2, 3, 5}, {}, 2, 1, 0},
        {"subtract, one source", Make<TSubtractTeeFunction>(), {10, 3}, {}, -1, -1, 0},
        {"divide, one source", Make<TDivideTeeFunction>(), {8, 2}, {}, 0, 1, 0},
        {"high all", Make<THighTeeFunction>(), {-5, -3}, {}, -1, -1, -3},
        {"high group", Make<THighTeeFunction>(), {-5, -3, 9}, {}, 0, 1, -3},
        {"high empty group", Make<THighTeeFunction>(), {-5, -3}, {}, 1, 0, 0},
        {"low all", Make<TLowTeeFunction>(), {4, 1, 7}, {}, -1, -1, 1},
        {"low group", Make<TLowTeeFunction>(), {4, 1, 7}, {}, 2, 2, 7},
        {"average, nulls skipped", Make<TAverageTeeFunction>(false), {1, 10, 3}, {1}, -1, -1, 2},
        {"average, nulls count", Make<TAverageTeeFunction>(), {1, 10, 3}, {1}, -1, -1, 14.0 / 3},
        {"average group", Make<TAverageTeeFunction>(false), {1, 10, 3, 5}, {1}, 1, 3, 4},
        {"average, only nulls", Make<TAverageTeeFunction>(false), {1, 2}, {0, 1}, 0, 1, 0},
        {"average, no points", Make<TAverageTeeFunction>(), {}, {}, -1, -1, 0},
        {"median odd", Make<TMedianTeeFunction>(), {3, 1, 2}, {}, -1, -1, 2},
        {"median even", Make<TMedianTeeFunction>(), {4, 1, 3, 2}, {}, -1, -1, 2.5},
        {"median single", Make<TMedianTeeFunction>(), {7}, {}, -1, -1, 7},
        {"median, nulls skipped", Make<TMedianTeeFunction>(false), {1, 100, 2}, {1}, -1, -1, 1.5},
        {"median, first -1 last given", Make<TMedianTeeFunction>(), {5, 1, 9}, {}, -1, 1, 3},
        {"mode", Make<TModeTeeFunction>(), {3, 2, 1, 2, 3}, {}, -1, -1, 2},
        {"mode, runs of one", Make<TModeTeeFunction>(), {5, 4}, {}, -1, -1, 4},
        {"mode, no values", Make<TModeTeeFunction>(false), {5}, {0}, -1, -1, 0},
    };
    for (auto& k : cases) {
        SCOPED_TRACE(k.what);
        std::unique_ptr<TTeeFunction> f(k.make());
        auto source = SeriesOf(k.values, k.nulls);
        EXPECT_DOUBLE_EQ(f->Calculate(*source, k.first, k.last), k.expected);
    }
}

TEST(BasicFunctionsTest, ValueAtAnIndexAcrossSources) {
    // An empty list stands for a source that lacks the point; nulls[j] are null in source j.
    struct {
        const char* what;
        TMake make;
        std::vector<std::vector<double>> sources;
        std::vector<int> nullSources;
        int index;
        double expected;
    } cases[] = {
        {"add", Make<TAddTeeFunction>(), {{2}, {3}, {5}}, {}, 0, 10},
        {"add, one lacks the point", Make<TAddTeeFunction>(), {{1, 2}, {5}}, {}, 1, 2},
        {"add, none has it", Make<TAddTeeFunction>(), {{1}, {5}}, {}, 3, 0},
        {"subtract", Make<TSubtractTeeFunction>(), {{10}, {3}, {2}}, {}, 0, 5},
        {"subtract, one lacks it", Make<TSubtractTeeFunction>(), {{10}, {}, {2}}, {}, 0, 8},
        {"subtract, first lacks it", Make<TSubtractTeeFunction>(), {{}, {3}, {2}}, {}, 0, 1},
        {"multiply", Make<TMultiplyTeeFunction>(), {{2}, {3}, {4}}, {}, 0, 24},
        {"divide", Make<TDivideTeeFunction>(), {{8}, {2}}, {}, 0, 4},
        {"divide by zero", Make<TDivideTeeFunction>(), {{8}, {0}}, {}, 0, 8},
        {"divide, none has it", Make<TDivideTeeFunction>(), {{8}, {0}}, {}, 1, 0},
        {"high", Make<THighTeeFunction>(), {{-5}, {-3}}, {}, 0, -3},
        {"high, first lacks it", Make<THighTeeFunction>(), {{}, {-5}, {-3}}, {}, 0, 0},
        {"low", Make<TLowTeeFunction>(), {{5}, {3}}, {}, 0, 3},
        {"low, first lacks it", Make<TLowTeeFunction>(), {{}, {-5}, {3}}, {}, 0, -5},
        {"average, nulls skipped", Make<TAverageTeeFunction>(false), {{1}, {10}, {3}}, {1}, 0, 2},
        {"average, nulls count", Make<TAverageTeeFunction>(), {{1}, {10}, {4}}, {1}, 0, 5},
        {"average, none", Make<TAverageTeeFunction>(), {{}, {}}, {}, 0, 0},
        {"median", Make<TMedianTeeFunction>(), {{1}, {3}, {2}}, {}, 0, 2},
        {"median, nulls skipped", Make<TMedianTeeFunction>(false), {{1}, {3}, {2}}, {2}, 0, 2},
        {"mode", Make<TModeTeeFunction>(), {{5}, {4}, {5}}, {}, 0, 5},
        {"mode, none", Make<TModeTeeFunction>(), {}, {}, 0, 0},
    };
    for (auto& k : cases) {
        SCOPED_TRACE(k.what);
        std::unique_ptr<TTeeFunction> f(k.make());
        std::vector<std::unique_ptr<TTestSeries>> owned;
        std::vector<TChartSeries*> sources;
        for (size_t j = 0; j < k.sources.size(); ++j) {
            const bool null = std::find(k.nullSources.begin(), k.nullSources.end(), int(j)) !=
                              k.nullSources.end();
            owned.push_back(
                SeriesOf(k.sources[j], null ? std::vector<int>{0} : std::vector<int>{}));
            sources.push_back(owned.back().get());
        }
        EXPECT_DOUBLE_EQ(f->CalculateAcross(sources, k.index), k.expected);
    }
}

TEST(BasicFunctionsTest, TheFormulaFunctionStepsXFromStartX) {
    RegisterTestChartClasses();
    TComponent form(nullptr);
    auto* chart = new TTestChart(&form);
    auto* series = new TTestSeries(&form);
    chart->AddSeries(series);
    auto* f = new TCustomTeeFunction(&form);
    f->SetStartX(0);
    f->SetPeriod(0.5);
    f->SetNumPoints(3);
    // Without a handler nothing changes.
    series->AddXYPoint(9, 9);
    f->ComputeFromSources(nullptr);
    EXPECT_EQ(series->Count(), 1);

    std::vector<double> xs;
    f->OnCalculate = [&](TTeeFunction&, double x, double& y) {
        xs.push_back(x);
        y += 1;  // from the previous point's y
    };
    series->SetFunction(f);
    EXPECT_EQ(xs, (std::vector<double>{0, 0.5, 1.0}));
    ASSERT_EQ(series->Count(), 3);
    EXPECT_EQ(series->XValues()[2], 1.0);
    EXPECT_EQ(series->YValues()[2], 3);
}

TEST(BasicFunctionsTest, RegisteredInGalleryOrderWithTheirNamesAndEditors) {
    LoadCoreTexts();
    BasicFunctionsUnitStartup();
    std::vector<std::string> names, classes;
    for (const TStandardFunctionEntry& e : BasicFunctionEntries()) {
        names.push_back(*e.Description);
        classes.push_back(e.FunctionClass->ClassName());
        EXPECT_EQ(FindClass(e.FunctionClass->ClassName()), e.FunctionClass);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Add", "Subtract", "Multiply", "Divide", "High",
                                               "Low", "Average", "y = f(x)", "Median", "Mode"}));
    EXPECT_EQ(classes.front(), "TAddTeeFunction");
    EXPECT_EQ(classes.back(), "TModeTeeFunction");
    EXPECT_EQ(TAverageTeeFunction(nullptr).EditorClassName(), "TAverageFuncEditor");
    EXPECT_EQ(TCustomTeeFunction(nullptr).EditorClassName(), "TCustomFunctionEditor");
    EXPECT_EQ(TMedianTeeFunction(nullptr).EditorClassName(), "TTeeFunctionEditor");
}

}  // namespace
