// The library's start-up: the tool classes in the gallery's fixed order, each tool's editor form
// found by the name the tool gives (in any letter case), and everything taken out again at
// shutdown.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "chart/engine/ChartElement.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/tools/ChartToolsStartup.h"
#include "chart/tools/view/FullScreenTool.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/rtl/StrUtils.h"
#include "tests/chart/tools/ToolBench.h"

namespace {

// The gallery's order of the library's tools; a tool not built yet is simply absent.
const std::vector<std::string> GalleryOrder = {
    "TCursorTool", "TDragMarksTool", "TAxisArrowTool", "TDrawLineTool", "TNearestTool",
    "TColorBandTool", "TColorLineTool", "TRotateTool", "TChartImageTool", "TMarksTipTool",
    "TAnnotationTool", "TSeriesAnimationTool", "TGridBandTool", "TAxisScrollTool", "TRectangleTool",
    "TClipSeriesTool", "TFullScreenTool",
    // The units after the first one, each registering its own tools.
    "TAntiAliasTool", "TDragPointTool", "TPieTool", "TGanttTool", "TSelectorTool", "TVideoTool",
    "TVideoPlayerTool", "TSubChartTool", "TFrameTool", "TText3DTool", "TFaderTool",
    "TFibonacciTool", "TPageNumTool", "TLegendScrollBar", "TDataTableTool", "TExtraLegendTool",
    "TLegendPaletteTool", "TSeriesStatsTool", "TGridTransposeTool", "TTransposeSeriesTool",
    "TSeriesBandTool", "TSeriesRegionTool", "TBannerTool", "TLinkTool", "TMagnifyTool",
    "TLightTool", "TSurfaceNearestTool"};

std::vector<std::string> RegisteredToolNames() {
    std::vector<std::string> names;
    for (int i = 0; i < ToolTypeList().Count(); ++i)
        names.push_back(ToolTypeList().GetItem(i)->ClassName());
    return names;
}

}  // namespace

TEST(ChartToolsStartup, RegistersTheToolsInTheGalleryOrderAndTakesThemOutAgain) {
    const std::vector<std::string> before = RegisteredToolNames();
    std::vector<std::string> registered;
    {
        TToolsLibrary library;
        const std::vector<std::string> all = RegisteredToolNames();
        ASSERT_EQ(all.size(), before.size() + ChartToolClasses().size());
        registered.assign(all.begin() + std::ptrdiff_t(before.size()), all.end());
        // Each one a tool of the gallery list, in that list's order.
        size_t at = 0;
        for (const std::string& name : registered) {
            const auto found =
                std::find(GalleryOrder.begin() + std::ptrdiff_t(at), GalleryOrder.end(), name);
            ASSERT_NE(found, GalleryOrder.end()) << name << " out of order or unknown";
            at = size_t(found - GalleryOrder.begin()) + 1;
            // Known to the component stream by name.
            EXPECT_NE(GetClass(name), nullptr) << name;
        }
        // A second start-up adds nothing and the first shutdown keeps them.
        ChartToolsUnitStartup();
        ChartToolsUnitShutdown();
        EXPECT_EQ(RegisteredToolNames(), all);
    }
    EXPECT_EQ(RegisteredToolNames(), before);
    for (TClass editor : ChartToolEditorClasses())
        EXPECT_EQ(GetClass(editor->ClassName()), nullptr) << editor->ClassName();
}

TEST(ChartToolsStartup, EveryToolsEditorIsFoundByItsNameInAnyLetterCase) {
    TToolsLibrary library;
    for (TClass tool : ChartToolClasses()) {
        if (tool == &TFullScreenTool::StaticClass()) continue;  // the one tool without a form
        const std::string name = TCustomChartElement::EditorClassNameOf(tool);
        SCOPED_TRACE(tool->ClassName() + " -> " + name);
        ASSERT_FALSE(name.empty());
        TClass editor = GetClass(UpperCase(name));
        ASSERT_NE(editor, nullptr);
        EXPECT_TRUE(SameText(editor->ClassName(), name));
    }
}
