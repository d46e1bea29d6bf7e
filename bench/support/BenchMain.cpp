// The main of every benchmark program: the platform's program name and the fonts that text
// drawing needs, owned here for the whole run, then the benchmarks.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "platform/graphics/FontEngine.h"
#include "platform/rtl/ProgramName.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    SetProgramName("kavri320-bench");
    TFontSupport fonts;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
