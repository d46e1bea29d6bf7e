// The chart's native stream, text or binary form: a chart that reads is drawn, written in both
// forms, and each form reads back to a chart that writes the same binary bytes.
#include <string>

#include "chart/engine/Chart.h"
#include "chart/export/ChartStream.h"
#include "fuzz/ChartFuzzing.h"
#include "fuzz/FuzzBytes.h"
#include "fuzz/FuzzSupport.h"

namespace {

std::string Write(TCustomChart& chart, bool asText) {
    TMemoryStream out;
    WriteChartStream(chart, out, true, asText);
    return StreamBytes(out);
}

void Read(TCustomChart& chart, const std::string& bytes) {
    TMemoryStream in;
    FillStream(in, bytes.data(), bytes.size());
    ReadChartStreamEx(chart, in, true, nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    PrepareChartFuzzing();
    return RunFuzzInput([&] {
        TChart chart(nullptr);
        Read(chart, std::string(reinterpret_cast<const char*>(data), size));
        DrawChartSmall(chart);
        const std::string binary = Write(chart, false);
        const std::string text = MustAccept("the chart writer", [&] { return Write(chart, true); });
        TChart back(nullptr);
        MustAccept("the chart reader", [&] {
            Read(back, binary);
            return 0;
        });
        FuzzCheck(Write(back, false) == binary, "a chart read back writes other binary bytes");
        TChart fromText(nullptr);
        MustAccept("the chart reader", [&] {
            Read(fromText, text);
            return 0;
        });
        FuzzCheck(Write(fromText, false) == binary,
                  "a chart read back from its text writes other binary bytes");
    });
}
