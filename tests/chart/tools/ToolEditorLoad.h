#pragma once
// A tool's editor form shown on a tool of the bench's chart, as the tools page shows it, and
// the chart's whole stream compared before and after: loading an editor writes nothing.
#include <gtest/gtest.h>

#include <string>

#include "chart/export/ChartStream.h"
#include "platform/rtl/Streams.h"
#include "tests/chart/tools/ToolBench.h"

inline std::string BenchChartText(TToolBench& bench) {
    TMemoryStream stream;
    WriteChartStream(bench.Chart(), stream, true, true);
    return std::string(stream.Memory(), size_t(stream.Size()));
}

// The editor, owned by owner, shown on tool; the chart's stream is unchanged by the loading.
template <class TEditor>
TEditor* ShowToolEditor(TToolBench& bench, TComponent& tool, TComponent& owner) {
    const std::string before = BenchChartText(bench);
    auto* editor = new TEditor(&owner);
    editor->SetTagObject(&tool);
    editor->Show();
    EXPECT_EQ(BenchChartText(bench), before) << "loading " << editor->ClassName();
    return editor;
}
