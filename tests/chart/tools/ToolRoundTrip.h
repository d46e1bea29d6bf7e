#pragma once
// A tool through the native chart stream and back: the bench's chart written in the text form
// and in the binary form, each read into a chart of its own, and the tool at the same place of
// that chart's list compared with the original by its component stream (equal text, equal
// published state: class, name, every stored property, the series by name and the axis by its
// place). A test sets the properties it wants carried before calling it.
#include <gtest/gtest.h>

#include <string>

#include "chart/engine/Chart.h"
#include "chart/engine/ChartLists.h"
#include "chart/engine/ChartTools.h"
#include "chart/export/ChartStream.h"
#include "platform/rtl/Streams.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/support/ComponentText.h"

// The tool as the chart read back from a stream holds it, or none.
inline TTeeCustomTool* ReadBackTool(TToolBench& bench, TTeeCustomTool& tool, bool asText,
                                    TComponent& owner) {
    TMemoryStream stream;
    WriteChartStream(bench.Chart(), stream, true, asText);
    stream.SetPosition(0);
    auto* copy = new TChart(&owner);
    copy->SetBounds(0, 0, TToolBench::Width, TToolBench::Height);
    ReadChartStream(*copy, stream);
    const int index = bench.Chart().Tools().IndexOf(&tool);
    if (index < 0 || index >= copy->Tools().Count()) return nullptr;
    return copy->Tools()[index];
}

inline void ExpectToolRoundTrips(TToolBench& bench, TTeeCustomTool& tool) {
    const std::string original = StreamText(tool);
    for (const bool asText : {true, false}) {
        SCOPED_TRACE(asText ? "text stream" : "binary stream");
        TComponent owner(nullptr);
        TTeeCustomTool* read = ReadBackTool(bench, tool, asText, owner);
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(read->ClassName(), tool.ClassName());
        EXPECT_EQ(StreamText(*read), original);
    }
}
