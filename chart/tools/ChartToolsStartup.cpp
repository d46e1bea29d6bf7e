#include "chart/tools/ChartToolsStartup.h"

#include "chart/engine/SeriesSource.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/foundation/TeeHtml.h"
#include "chart/tools/annotation/AnnotationTool.h"
#include "chart/tools/annotation/RectangleTool.h"
#include "chart/tools/axis/AxisArrowTool.h"
#include "chart/tools/axis/AxisScrollTool.h"
#include "chart/tools/axis/ColorBandTool.h"
#include "chart/tools/axis/ColorLineTool.h"
#include "chart/tools/axis/GridBandTool.h"
#include "chart/tools/overlay/CursorTool.h"
#include "chart/tools/overlay/DragMarksTool.h"
#include "chart/tools/overlay/DrawLineTool.h"
#include "chart/tools/overlay/MarksTipTool.h"
#include "chart/tools/overlay/NearestTool.h"
#include "chart/tools/sources/ChartImage.h"
#include "chart/tools/sources/ExcelSource.h"
#include "chart/tools/sources/UrlStreamCache.h"
#include "platform/classes/ClassRegistry.h"

namespace {

int StartCount = 0;

}  // namespace

// One line a class, in the gallery's order; a tool still to come keeps its place as a comment.
// clang-format off
std::vector<TClass> ChartToolClasses() {
    return {
        &TCursorTool::StaticClass(),
        &TDragMarksTool::StaticClass(),
        &TAxisArrowTool::StaticClass(),
        &TDrawLineTool::StaticClass(),
        &TNearestTool::StaticClass(),
        &TColorBandTool::StaticClass(),
        &TColorLineTool::StaticClass(),
        // TRotateTool
        // TChartImageTool
        &TMarksTipTool::StaticClass(),
        &TAnnotationTool::StaticClass(),
        // TSeriesAnimationTool
        &TGridBandTool::StaticClass(),
        &TAxisScrollTool::StaticClass(),
        &TRectangleTool::StaticClass(),
        // TClipSeriesTool
        // TFullScreenTool
    };
}
// clang-format on

void ChartToolsUnitStartup() {
    if (StartCount++ > 0) return;
    for (TClass toolClass : ChartToolClasses()) RegisterToolClasses({toolClass});
    for (TClass editorClass : ChartToolEditorClasses()) RegisterClass(editorClass);
    UrlStreamCacheStartup();
    SetUrlReadHook(&ReadUrlCached);
    RegisterChartImageFormat();
    RegisterClass(&TTeeExcelSource::StaticClass());
    RegisteredSourceClasses().push_back(&TTeeExcelSource::StaticClass());
}

void ChartToolsUnitShutdown() {
    if (StartCount == 0 || --StartCount > 0) return;
    std::erase(RegisteredSourceClasses(), &TTeeExcelSource::StaticClass());
    UnRegisterClass(&TTeeExcelSource::StaticClass());
    UnregisterChartImageFormat();
    SetUrlReadHook(nullptr);
    UrlStreamCacheShutdown();
    for (TClass editorClass : ChartToolEditorClasses()) UnRegisterClass(editorClass);
    for (TClass toolClass : ChartToolClasses()) UnregisterToolClasses({toolClass});
}
