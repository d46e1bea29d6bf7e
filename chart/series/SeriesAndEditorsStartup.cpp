#include "chart/series/SeriesAndEditorsStartup.h"

#include <string>
#include <vector>

#include "chart/engine/SeriesTypes.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/series/price/BigCandleSeries.h"
#include "chart/series/price/CandleEditor.h"
#include "chart/series/price/CandleSeries.h"
#include "chart/series/price/CompressFuncEditor.h"
#include "chart/series/price/CompressFunction.h"
#include "chart/series/price/DarvasSeries.h"
#include "chart/series/price/OHLCSeries.h"
#include "chart/series/price/VolumeSeries.h"
#include "chart/series/price/VolumeSeriesEditor.h"
#include "chart/series/xy/ArrowSeries.h"
#include "chart/series/xy/ArrowSeriesEditor.h"
#include "chart/series/xy/BubbleSeries.h"
#include "chart/series/xy/BubbleSeriesEditor.h"
#include "chart/series/xy/ChartShape.h"
#include "chart/series/xy/ChartShapeEditor.h"
#include "chart/series/xy/DeltaPointSeries.h"
#include "chart/series/xy/ErrorBarSeries.h"
#include "chart/series/xy/ErrorSeries.h"
#include "chart/series/xy/ErrorSeriesEditor.h"
#include "chart/series/xy/GanttSeries.h"
#include "chart/series/xy/GanttSeriesEditor.h"
#include "chart/series/xy/HighLowEditor.h"
#include "chart/series/xy/HighLowLineEditor.h"
#include "chart/series/xy/HighLowLineSeries.h"
#include "chart/series/xy/HighLowSeries.h"
#include "chart/series/xy/ImageBarSeries.h"
#include "chart/series/xy/ImageBarSeriesEditor.h"
#include "chart/series/xy/ImagePointSeries.h"
#include "platform/classes/ClassRegistry.h"

namespace {

enum TEntryKind { ekSeries, ekFunction };

// One gallery entry: a series or a function class with its gallery name, page and number of
// sample series.
struct TSeriesLibraryEntry {
    TEntryKind Kind;
    TClass Class;
    const std::string* Name;
    const std::string* Page;
    int SampleSeries;
};

// In gallery order, one line a class.
std::vector<TSeriesLibraryEntry> GalleryEntries() {
    return {
        // Price series.
        {ekSeries, &TCandleSeries::StaticClass(), &TxtExtCandle, &TxtExtFinancial, 1},
        {ekSeries, &TVolumeSeries::StaticClass(), &TxtExtVolume, &TxtExtFinancial, 1},
        {ekSeries, &TDarvasSeries::StaticClass(), &TxtExtDarvas, &TxtExtFinancial, 1},
        {ekSeries, &TBigCandleSeries::StaticClass(), &TxtExtBigCandle, &TxtExtOther, 1},
        // Extended XY series.
        {ekSeries, &TGanttSeries::StaticClass(), &TxtGantt, &TxtStandard, 1},
        {ekSeries, &TChartShape::StaticClass(), &TxtShape, &TxtStandard, 2},
        {ekSeries, &TBubbleSeries::StaticClass(), &TxtBubble, &TxtStandard, 1},
        {ekSeries, &TArrowSeries::StaticClass(), &TxtArrow, &TxtExtended, 2},
        {ekSeries, &TErrorBarSeries::StaticClass(), &TxtExtErrorBar, &TxtExtStats, 1},
        {ekSeries, &TErrorSeries::StaticClass(), &TxtExtError, &TxtExtStats, 1},
        {ekSeries, &THighLowSeries::StaticClass(), &TxtExtHighLow, &TxtExtStats, 1},
        {ekSeries, &THighLowLineSeries::StaticClass(), &TxtExtHighLowLine, &TxtExtStats, 1},
        {ekSeries, &TImageBarSeries::StaticClass(), &TxtExtImageBar, &TxtExtOther, 1},
        {ekSeries, &TImagePointSeries::StaticClass(), &TxtExtImagePoint, &TxtExtOther, 1},
        {ekSeries, &TDeltaPointSeries::StaticClass(), &TxtExtDeltaPoint, &TxtExtOther, 1},
        // Price and indicator functions.

        // Compression of price series.
        {ekFunction, &TCompressFunction::StaticClass(), &TxtExtCompression, &TxtExtFinancial, 1},
    };
}

// Known to the component stream without a gallery entry of their own.
std::vector<TClass> StreamOnlyClasses() { return {&TOHLCSeries::StaticClass()}; }

// The editor forms, found by the names their series and functions give; one line a class.
std::vector<TClass> EditorFormClasses() {
    // clang-format off
    return {
        &TCandleEditor::StaticClass(),
        &TVolumeSeriesEditor::StaticClass(),
        &TCompressFuncEditor::StaticClass(),
        &TGanttSeriesEditor::StaticClass(),
        &TChartShapeEditor::StaticClass(),
        &TBubbleSeriesEditor::StaticClass(),
        &TArrowSeriesEditor::StaticClass(),
        &TErrorSeriesEditor::StaticClass(),
        &THighLowEditor::StaticClass(),
        &THighLowLineEditor::StaticClass(),
        &TImageBarSeriesEditor::StaticClass(),
    };
    // clang-format on
}

int StartupCount = 0;

}  // namespace

void ChartSeriesUnitStartup() {
    if (StartupCount++ > 0) return;
    for (const TSeriesLibraryEntry& e : GalleryEntries()) {
        if (e.Kind == ekSeries)
            RegisterSeriesClass(e.Class, e.Name, e.Page, e.SampleSeries);
        else
            RegisterFunctionClass(e.Class, e.Name, e.Page, e.SampleSeries);
    }
    for (TClass cls : StreamOnlyClasses()) RegisterClass(cls);
    for (TClass editor : EditorFormClasses()) RegisterClass(editor);
}

void ChartSeriesUnitShutdown() {
    if (StartupCount == 0 || --StartupCount > 0) return;
    for (const TSeriesLibraryEntry& e : GalleryEntries()) {
        if (e.Kind == ekSeries)
            UnregisterSeriesClasses({e.Class});
        else
            UnregisterFunctionClasses({e.Class});
    }
    for (TClass cls : StreamOnlyClasses()) UnRegisterClass(cls);
    for (TClass editor : EditorFormClasses()) UnRegisterClass(editor);
}
