#include "chart/tools/data/SeriesStatsTool.h"

#include <memory>

#include "chart/engine/BasicFunctions.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartValueList.h"
#include "chart/engine/TeeFunction.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/StringList.h"

namespace {

std::string PositionText(const TChartValueList& values, double extreme) {
    const int index = values.IndexOfValue(extreme);
    return index < 0 ? std::string() : " at position " + std::to_string(index);
}

// The value of the function of that class over the whole series, as the series formats its
// values; empty when no such function class is registered.
std::string FunctionText(TClass cls, TChartSeries& series) {
    if (!cls || !cls->InheritsFrom(TTeeFunction::StaticClass())) return {};
    std::unique_ptr<TTeeFunction> function(CreateAs<TTeeFunction>(cls, nullptr));
    return FormatFloat(series.ValueFormat(), function->Calculate(series, -1, -1));
}

}  // namespace

void TSeriesStatsTool::Statistics(TStrings& lines) {
    TChartSeries* series = Series();
    if (!series) return;
    TChartValueList& v = series->MandatoryValueList();
    const std::string& format = series->ValueFormat();
    const double maximum = v.Maximum(), minimum = v.Minimum();
    lines.Add("Number of values: " + std::to_string(series->Count()));
    lines.Add("Maximum value: " + FormatFloat(format, maximum) + PositionText(v, maximum));
    lines.Add("Minimum value: " + FormatFloat(format, minimum) + PositionText(v, minimum));
    lines.Add("");
    lines.Add("Range: " + FormatFloat(format, maximum - minimum));
    lines.Add("");
    lines.Add("Average: " + FormatFloat(format, v.Count() == 0 ? 0.0 : v.Sum() / v.Count()));
    // The engine's own functions directly, the series library's by name.
    const struct {
        const char* Caption;
        TClass EngineClass;
        const char* LibraryClass;
    } functions[] = {
        {"Median:", &TMedianTeeFunction::StaticClass(), nullptr},
        {"Mode:", &TModeTeeFunction::StaticClass(), nullptr},
        {"Std. Deviation:", nullptr, "TStdDeviationFunction"},
        {"Variance:", nullptr, "TVarianceFunction"},
        {"Root Mean Square:", nullptr, "TRMSFunction"},
        {"Correlation:", nullptr, "TCorrelationFunction"},
    };
    for (const auto& f : functions) {
        const TClass cls = f.EngineClass ? f.EngineClass : GetClass(f.LibraryClass);
        lines.Add(std::string(f.Caption).append(" ").append(FunctionText(cls, *series)));
    }
}
