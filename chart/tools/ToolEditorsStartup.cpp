// The editor forms of the tools, registered by ChartToolsUnitStartup.
#include "chart/tools/ChartToolsStartup.h"
#include "chart/tools/annotation/AnnotationToolEditor.h"
#include "chart/tools/annotation/BannerEditor.h"
#include "chart/tools/annotation/LinkToolEditor.h"
#include "chart/tools/annotation/MagnifyToolEditor.h"
#include "chart/tools/annotation/PageNumToolEditor.h"
#include "chart/tools/annotation/SelectorToolEditor.h"
#include "chart/tools/axis/AxisArrowToolEditor.h"
#include "chart/tools/axis/AxisScrollEditor.h"
#include "chart/tools/axis/ColorBandToolEditor.h"
#include "chart/tools/axis/ColorLineToolEditor.h"
#include "chart/tools/axis/GridBandToolEditor.h"
#include "chart/tools/data/DataTableEditor.h"
#include "chart/tools/data/GridTransposeToolEditor.h"
#include "chart/tools/data/SeriesStatsEditor.h"
#include "chart/tools/data/TransposeSeriesToolEditor.h"
#include "chart/tools/fill/SeriesBandToolEditor.h"
#include "chart/tools/fill/SeriesRegionEditor.h"
#include "chart/tools/financial/FibonacciEditor.h"
#include "chart/tools/legend/ExtraLegendEditor.h"
#include "chart/tools/legend/LegendPaletteEditor.h"
#include "chart/tools/legend/ScrollbarEditor.h"
#include "chart/tools/media/VideoPlayerEditor.h"
#include "chart/tools/media/VideoToolEditor.h"
#include "chart/tools/overlay/CursorToolEditor.h"
#include "chart/tools/overlay/DragMarksToolEditor.h"
#include "chart/tools/overlay/DragPointToolEditor.h"
#include "chart/tools/overlay/DrawLineEditor.h"
#include "chart/tools/overlay/GanttToolEditor.h"
#include "chart/tools/overlay/LightToolEditor.h"
#include "chart/tools/overlay/MarksTipToolEditor.h"
#include "chart/tools/overlay/NearestToolEditor.h"
#include "chart/tools/overlay/PieToolEditor.h"
#include "chart/tools/overlay/SurfaceNearestEditor.h"
#include "chart/tools/parts/SubChartEditor.h"
#include "chart/tools/sources/ExcelSourceEditor.h"
#include "chart/tools/view/AntiAliasEditor.h"
#include "chart/tools/view/ChartImageToolEditor.h"
#include "chart/tools/view/FaderEditor.h"
#include "chart/tools/view/FrameToolEditor.h"
#include "chart/tools/view/RotateToolEditor.h"
#include "chart/tools/view/SeriesAnimToolEditor.h"
#include "chart/tools/view/Text3DEditor.h"

// One line a form, in the order of the tools, so that lists merge line by line.
// clang-format off
std::vector<TClass> ChartToolEditorClasses() {
    return {
        &TCursorToolEditor::StaticClass(),
        &TDragMarksToolEditor::StaticClass(),
        &TAxisArrowToolEditor::StaticClass(),
        &TDrawLineEdit::StaticClass(),
        &TNearestToolEdit::StaticClass(),
        &TColorBandToolEditor::StaticClass(),
        &TColorLineToolEditor::StaticClass(),
        &TRotateToolEditor::StaticClass(),
        &TChartImageToolEditor::StaticClass(),
        &TMarksTipToolEdit::StaticClass(),
        &TAnnotationToolEdit::StaticClass(),
        &TSeriesAnimToolEditor::StaticClass(),
        &TGridBandToolEdit::StaticClass(),
        &TAxisScrollEditor::StaticClass(),
        &TAntiAliasEditor::StaticClass(),
        &TDragPointToolEdit::StaticClass(),
        &TPieToolEditor::StaticClass(),
        &TGanttToolEditor::StaticClass(),
        &TSelectorToolEditor::StaticClass(),
        &TVideoToolEditor::StaticClass(),
        &TVideoPlayerEditor::StaticClass(),
        &TSubChartEditor::StaticClass(),
        &TFrameToolEditor::StaticClass(),
        &TText3DEditor::StaticClass(),
        &TFaderEditor::StaticClass(),
        &TFibonacciEditor::StaticClass(),
        &TPageNumToolEdit::StaticClass(),
        &TScrollbarEditor::StaticClass(),
        &TDataTableEditor::StaticClass(),
        &TExtraLegendEditor::StaticClass(),
        &TLegendPaletteEditor::StaticClass(),
        &TSeriesStatsEditor::StaticClass(),
        &TGridTransposeToolEdit::StaticClass(),
        &TTransposeSeriesToolEdit::StaticClass(),
        &TSeriesBandToolEdit::StaticClass(),
        &TSeriesRegionEditor::StaticClass(),
        &TBannerEditor::StaticClass(),
        &TLinkToolEditor::StaticClass(),
        &TMagnifyToolEditor::StaticClass(),
        &TLightToolEditor::StaticClass(),
        &TSurfaceNearest::StaticClass(),
        &TExcelSourceForm::StaticClass(),
    };
}
// clang-format on
