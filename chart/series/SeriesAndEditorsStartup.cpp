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
#include "chart/series/shares/FunnelSeries.h"
#include "chart/series/shares/FunnelSeriesEditor.h"
#include "chart/series/shares/PyramidSeries.h"
#include "chart/series/shares/PyramidSeriesEditor.h"
#include "chart/series/shares/VolumePipeSeries.h"
#include "chart/series/shares/VolumePipeSeriesEditor.h"
#include "chart/series/stat/BoxSeries.h"
#include "chart/series/stat/BoxSeriesEditor.h"
#include "chart/series/stat/HistogramSeries.h"
#include "chart/series/stat/HistogramSeriesEditor.h"
#include "chart/series/variant/Bar3DSeries.h"
#include "chart/series/variant/BarJoinEditor.h"
#include "chart/series/variant/BarJoinSeries.h"
#include "chart/series/variant/BezierSeries.h"
#include "chart/series/variant/DonutSeries.h"
#include "chart/series/variant/DonutSeriesEditor.h"
#include "chart/series/variant/LinePointEditor.h"
#include "chart/series/variant/LinePointSeries.h"
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
        // Statistical series.
        {ekSeries, &TBoxSeries::StaticClass(), &TxtExtBoxPlot, &TxtExtStats, 2},
        {ekSeries, &THorizBoxSeries::StaticClass(), &TxtExtHorizontalBoxPlot, &TxtExtStats, 2},
        {ekSeries, &THistogramSeries::StaticClass(), &TxtExtHistogram, &TxtExtStats, 1},
        {ekSeries, &THorizHistogramSeries::StaticClass(), &TxtExtHorizontalHistogram, &TxtExtStats,
         1},
        // Variations of the standard series.
        {ekSeries, &TBezierSeries::StaticClass(), &TxtExtBezier, &TxtExtended, 1},
        {ekSeries, &TDonutSeries::StaticClass(), &TxtExtDonut, &TxtExtended, 1},
        {ekSeries, &TMyPointSeries::StaticClass(), &TxtExtLinePoint, &TxtExtOther, 1},
        {ekSeries, &TBarJoinSeries::StaticClass(), &TxtExtBarJoin, &TxtExtOther, 1},
        {ekSeries, &TBar3DSeries::StaticClass(), &TxtExtBar3D, &TxtExtOther, 1},
        // Shares of a whole.
        {ekSeries, &TPyramidSeries::StaticClass(), &TxtExtPyramid, &TxtExtended, 2},
        {ekSeries, &TFunnelSeries::StaticClass(), &TxtExtFunnel, &TxtExtStats, 1},
        {ekSeries, &TVolumePipeSeries::StaticClass(), &TxtExtVolumePipe, &TxtExtStats, 1},
        // Price and indicator functions.

        // Compression of price series.
        {ekFunction, &TCompressFunction::StaticClass(), &TxtExtCompression, &TxtExtFinancial, 1},
    };
}

// Known to the component stream without a gallery entry of their own.
std::vector<TClass> StreamOnlyClasses() { return {&TOHLCSeries::StaticClass()}; }

// The editor forms, found by the names their series and functions give; one line a class.
std::vector<TClass> EditorFormClasses() {
    return {
        &TCandleEditor::StaticClass(),           &TVolumeSeriesEditor::StaticClass(),
        &TCompressFuncEditor::StaticClass(),     &TBoxSeriesEditor::StaticClass(),
        &THistogramSeriesEditor::StaticClass(),  &TDonutSeriesEditor::StaticClass(),
        &TLinePointEditor::StaticClass(),        &TBarJoinEditor::StaticClass(),
        &TPyramidSeriesEditor::StaticClass(),    &TFunnelSeriesEditor::StaticClass(),
        &TVolumePipeSeriesEditor::StaticClass(),
    };
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
