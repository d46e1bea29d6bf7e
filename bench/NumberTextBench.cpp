// Numbers to text and back as value labels, reports and text files use them: the general form,
// a pattern with grouping, the fixed exponent form of the data files, and the strict reader.
// Reported as conversions per second.
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/NumberText.h"

namespace {

// Values of the kinds the program writes: small fractions, large results, doubles and 80-bit ones.
const std::array<long double, 8> kValues = {0.1 + 0.2,   1234.5678, -0.000123456, 6.02214076e23,
                                            1.0L / 3.0L, 273.15,    1e-300,       99.9996};

template <typename F>
void RunOverValues(benchmark::State& state, F&& f) {
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(f(kValues[i++ % kValues.size()]));
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_FloatToStr(benchmark::State& state) {
    RunOverValues(state, [](long double v) { return FloatToStr(v); });
}
BENCHMARK(BM_FloatToStr);

void BM_FormatFloatPattern(benchmark::State& state) {
    const std::string pattern = "#,##0.00;(#,##0.00);Zero";
    RunOverValues(state, [&](long double v) { return FormatFloat(pattern, v); });
}
BENCHMARK(BM_FormatFloatPattern);

void BM_FloatToStrFExponent(benchmark::State& state) {
    RunOverValues(state, [](long double v) { return FloatToStrF(v, ffExponent, 15, 4); });
}
BENCHMARK(BM_FloatToStrFExponent);

void BM_FormatMixed(benchmark::State& state) {
    RunOverValues(state, [](long double v) { return Format("%s = %.6f (%d)", {"x", v, 42}); });
}
BENCHMARK(BM_FormatMixed);

void BM_StrToFloat(benchmark::State& state) {
    const std::array<std::string, 4> texts = {" 2.5 ", "-1.23456789012345E-0004", "6.02214076e23",
                                              "273.15"};
    size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(StrToFloat(texts[i++ % texts.size()]));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StrToFloat);

}  // namespace
