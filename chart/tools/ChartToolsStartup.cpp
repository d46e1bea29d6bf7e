#include "chart/tools/ChartToolsStartup.h"

#include "chart/editors/PagingPage.h"
#include "chart/engine/SeriesSource.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/foundation/TeeFilter.h"
#include "chart/foundation/TeeHtml.h"
#include "chart/tools/annotation/AnnotationTool.h"
#include "chart/tools/annotation/BannerTool.h"
#include "chart/tools/annotation/LinkTool.h"
#include "chart/tools/annotation/MagnifyTool.h"
#include "chart/tools/annotation/PageNumTool.h"
#include "chart/tools/annotation/RectangleTool.h"
#include "chart/tools/annotation/SelectorTool.h"
#include "chart/tools/axis/AxisArrowTool.h"
#include "chart/tools/axis/AxisScrollTool.h"
#include "chart/tools/axis/ColorBandTool.h"
#include "chart/tools/axis/ColorLineTool.h"
#include "chart/tools/axis/GridBandTool.h"
#include "chart/tools/data/DataTableTool.h"
#include "chart/tools/data/GridTransposeTool.h"
#include "chart/tools/data/SeriesStatsTool.h"
#include "chart/tools/data/TransposeSeriesTool.h"
#include "chart/tools/fill/SeriesBandTool.h"
#include "chart/tools/fill/SeriesRegionTool.h"
#include "chart/tools/financial/FibonacciTool.h"
#include "chart/tools/legend/ExtraLegendTool.h"
#include "chart/tools/legend/LegendPaletteTool.h"
#include "chart/tools/legend/LegendScrollBar.h"
#include "chart/tools/media/VideoPlayerTool.h"
#include "chart/tools/media/VideoTool.h"
#include "chart/tools/overlay/CursorTool.h"
#include "chart/tools/overlay/DragMarksTool.h"
#include "chart/tools/overlay/DragPointTool.h"
#include "chart/tools/overlay/DrawLineTool.h"
#include "chart/tools/overlay/GanttTool.h"
#include "chart/tools/overlay/LightFilter.h"
#include "chart/tools/overlay/LightTool.h"
#include "chart/tools/overlay/MarksTipTool.h"
#include "chart/tools/overlay/NearestTool.h"
#include "chart/tools/overlay/PieTool.h"
#include "chart/tools/overlay/SurfaceNearestTool.h"
#include "chart/tools/parts/InnerChart.h"
#include "chart/tools/parts/SubChartTool.h"
#include "chart/tools/sources/ChartImage.h"
#include "chart/tools/sources/ExcelSource.h"
#include "chart/tools/sources/UrlStreamCache.h"
#include "chart/tools/view/AntiAliasTool.h"
#include "chart/tools/view/ChartImageTool.h"
#include "chart/tools/view/ClipSeriesTool.h"
#include "chart/tools/view/FaderTool.h"
#include "chart/tools/view/FrameTool.h"
#include "chart/tools/view/FullScreenTool.h"
#include "chart/tools/view/RotateTool.h"
#include "chart/tools/view/SeriesAnimationTool.h"
#include "chart/tools/view/Text3DTool.h"
#include "platform/classes/ClassRegistry.h"

namespace {

int StartCount = 0;

// Classes the tools keep inside their streams, read back by class name.
std::vector<TClass> ToolStreamClasses() { return {&TInnerChart::StaticClass()}; }

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
        &TRotateTool::StaticClass(),
        &TChartImageTool::StaticClass(),
        &TMarksTipTool::StaticClass(),
        &TAnnotationTool::StaticClass(),
        &TSeriesAnimationTool::StaticClass(),
        &TGridBandTool::StaticClass(),
        &TAxisScrollTool::StaticClass(),
        &TRectangleTool::StaticClass(),
        &TClipSeriesTool::StaticClass(),
        &TFullScreenTool::StaticClass(),
        &TAntiAliasTool::StaticClass(),
        &TDragPointTool::StaticClass(),
        &TPieTool::StaticClass(),
        &TGanttTool::StaticClass(),
        &TSelectorTool::StaticClass(),
        &TVideoTool::StaticClass(),
        &TVideoPlayerTool::StaticClass(),
        &TSubChartTool::StaticClass(),
        &TFrameTool::StaticClass(),
        &TText3DTool::StaticClass(),
        &TFaderTool::StaticClass(),
        &TFibonacciTool::StaticClass(),
        &TPageNumTool::StaticClass(),
        &TLegendScrollBar::StaticClass(),
        &TDataTableTool::StaticClass(),
        &TExtraLegendTool::StaticClass(),
        &TLegendPaletteTool::StaticClass(),
        &TSeriesStatsTool::StaticClass(),
        &TGridTransposeTool::StaticClass(),
        &TTransposeSeriesTool::StaticClass(),
        &TSeriesBandTool::StaticClass(),
        &TSeriesRegionTool::StaticClass(),
        &TBannerTool::StaticClass(),
        &TLinkTool::StaticClass(),
        &TMagnifyTool::StaticClass(),
        &TLightTool::StaticClass(),
        &TSurfaceNearestTool::StaticClass(),
    };
}
// clang-format on

void ChartToolsUnitStartup() {
    if (StartCount++ > 0) return;
    for (TClass toolClass : ChartToolClasses()) RegisterToolClasses({toolClass});
    for (TClass editorClass : ChartToolEditorClasses()) RegisterClass(editorClass);
    for (TClass streamed : ToolStreamClasses()) RegisterClass(streamed);
    PageNumToolClass = &TPageNumTool::StaticClass();
    RegisterFilterClasses({&TLightFilter::StaticClass()});
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
    for (TClass streamed : ToolStreamClasses()) UnRegisterClass(streamed);
    PageNumToolClass = nullptr;
    UnregisterFilterClasses({&TLightFilter::StaticClass()});
    for (TClass editorClass : ChartToolEditorClasses()) UnRegisterClass(editorClass);
    for (TClass toolClass : ChartToolClasses()) UnregisterToolClasses({toolClass});
}
