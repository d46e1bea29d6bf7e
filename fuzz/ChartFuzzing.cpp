#include "fuzz/ChartFuzzing.h"

#include <cstdlib>
#include <exception>

#include "app/Startup.h"
#include "chart/engine/Chart.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/ProgramName.h"
#include "platform/ui/Application.h"

namespace {

std::exception_ptr gEscaped;

// Called from inside the application's exception report, where the exception is the one being
// handled: a refusal is shown, as in the program; anything else is kept for the harness.
void KeepEscaped(TObject*, const Exception&) {
    try {
        throw;
    } catch (const Exception&) {
    } catch (...) {
        gEscaped = std::current_exception();
    }
}

}  // namespace

void PrepareChartFuzzing() {
    static const bool prepared = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        SetProgramName("KAVRI320");
        static int argc = 1;
        static char name[] = "kv-fuzz";
        static char* argv[] = {name, nullptr};
        // Lives as long as the process: the toolkit must outlast every static the units made.
        auto* application = new TApplication(argc, argv);
        RegisterProgramUnits();
        application->OnException = KeepEscaped;
        return true;
    }();
    (void)prepared;
}

void DrawChartSmall(TCustomChart& chart) {
    TBitmap bitmap(160, 120);
    chart.Draw(bitmap.Canvas(), TRect{0, 0, 160, 120});
}

void RethrowEscapedEventException() {
    if (!gEscaped) return;
    const std::exception_ptr escaped = gEscaped;
    gEscaped = nullptr;
    std::rethrow_exception(escaped);
}
