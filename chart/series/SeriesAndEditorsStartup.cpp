#include "chart/series/SeriesAndEditorsStartup.h"

#include <string>
#include <vector>

#include "chart/engine/SeriesTypes.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/series/map/MapSeries.h"
#include "chart/series/map/MapSeriesEditor.h"
#include "chart/series/polar/ClockEditor.h"
#include "chart/series/polar/ClockSeries.h"
#include "chart/series/polar/PolarBarSeries.h"
#include "chart/series/polar/PolarGridEditor.h"
#include "chart/series/polar/PolarGridSeries.h"
#include "chart/series/polar/PolarSeries.h"
#include "chart/series/polar/PolarSeriesEditor.h"
#include "chart/series/polar/RadarSeries.h"
#include "chart/series/polar/WindRoseEditor.h"
#include "chart/series/polar/WindRoseSeries.h"
#include "chart/series/price/BigCandleSeries.h"
#include "chart/series/price/CandleEditor.h"
#include "chart/series/price/CandleSeries.h"
#include "chart/series/price/CompressFuncEditor.h"
#include "chart/series/price/CompressFunction.h"
#include "chart/series/price/DarvasSeries.h"
#include "chart/series/price/OHLCSeries.h"
#include "chart/series/price/VolumeSeries.h"
#include "chart/series/price/VolumeSeriesEditor.h"
#include "chart/series/smith/SmithSeries.h"
#include "chart/series/smith/SmithSeriesEditor.h"
#include "chart/series/stats/CrossPointsFunction.h"
#include "chart/series/stats/CurveFittingEditor.h"
#include "chart/series/stats/CurveFittingFunction.h"
#include "chart/series/stats/DownSamplingFunction.h"
#include "chart/series/stats/HistogramFunction.h"
#include "chart/series/stats/RMSFuncEditor.h"
#include "chart/series/stats/StatisticFunctions.h"
#include "chart/series/stats/SubsetFuncEditor.h"
#include "chart/series/stats/SubsetFunction.h"
#include "chart/series/stats/TrendFunction.h"
#include "chart/series/surface/TriSurfaceSeries.h"
#include "chart/series/surface/TriSurfaceSeriesEditor.h"
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
        // Polar series.
        {ekSeries, &TPolarSeries::StaticClass(), &TxtExtPolar, &TxtExtended, 2},
        {ekSeries, &TRadarSeries::StaticClass(), &TxtExtRadar, &TxtExtended, 2},
        {ekSeries, &TPolarBarSeries::StaticClass(), &TxtExtPolarBar, &TxtExtended, 2},
        {ekSeries, &TPolarGridSeries::StaticClass(), &TxtExtPolarGrid, &TxtExt3D, 1},
        {ekSeries, &TWindRoseSeries::StaticClass(), &TxtExtWindRose, &TxtExtOther, 1},
        {ekSeries, &TClockSeries::StaticClass(), &TxtExtClock, &TxtExtOther, 1},
        {ekSeries, &TSmithSeries::StaticClass(), &TxtExtSmith, &TxtExtended, 2},
        {ekSeries, &TMapSeries::StaticClass(), &TxtExtMap, &TxtExtended, 1},
        // Surfaces.
        {ekSeries, &TTriSurfaceSeries::StaticClass(), &TxtExtTriangleSurf, &TxtExt3D, 1},
        // Price and indicator functions.

        // Compression of price series.
        {ekFunction, &TCompressFunction::StaticClass(), &TxtExtCompression, &TxtExtFinancial, 1},
        // Statistics, fitting and reshaping functions.
        {ekFunction, &TStdDeviationFunction::StaticClass(), &TxtExtStandardDeviation, &TxtExtended,
         1},
        {ekFunction, &TRMSFunction::StaticClass(), &TxtExtRootMeanSquare, &TxtExtended, 1},
        {ekFunction, &TVarianceFunction::StaticClass(), &TxtExtVariance, &TxtExtended, 1},
        {ekFunction, &TCountTeeFunction::StaticClass(), &TxtExtCount, &TxtStandard, 2},
        {ekFunction, &TCumulative::StaticClass(), &TxtExtCumulative, &TxtExtended, 2},
        {ekFunction, &TCrossPointsFunction::StaticClass(), &TxtExtCrossPoints, &TxtExtended, 1},
        {ekFunction, &TPerimeterFunction::StaticClass(), &TxtExtPerimeter, &TxtExtended, 1},
        {ekFunction, &TCurveFittingFunction::StaticClass(), &TxtExtCurveFitting, &TxtExtended, 1},
        {ekFunction, &TTrendFunction::StaticClass(), &TxtExtTrend, &TxtExtended, 1},
        {ekFunction, &TExpTrendFunction::StaticClass(), &TxtExtExponentialTrend, &TxtExtended, 1},
        {ekFunction, &TCorrelationFunction::StaticClass(), &TxtExtCorrelation, &TxtExtended, 1},
        {ekFunction, &TDownSamplingFunction::StaticClass(), &TxtExtDownsampling, &TxtExtended, 1},
        {ekFunction, &THistogramFunction::StaticClass(), &TxtExtHistogram2, &TxtExtended, 1},
        {ekFunction, &TSubsetTeeFunction::StaticClass(), &TxtSubset, &TxtStandard, 2},
    };
}

// Known to the component stream without a gallery entry of their own.
std::vector<TClass> StreamOnlyClasses() { return {&TOHLCSeries::StaticClass()}; }

// The editor forms, found by the names their series and functions give; one line a class.
std::vector<TClass> EditorFormClasses() {
    return {
        &TCandleEditor::StaticClass(),       &TVolumeSeriesEditor::StaticClass(),
        &TCompressFuncEditor::StaticClass(), &TRMSFuncEditor::StaticClass(),
        &TCurveFittingEditor::StaticClass(), &TSubsetFuncEditor::StaticClass(),
        &TPolarSeriesEditor::StaticClass(),  &TPolarGridEditor::StaticClass(),
        &TWindRoseEditor::StaticClass(),     &TClockEditor::StaticClass(),
        &TSmithSeriesEdit::StaticClass(),    &TTriSurfaceSeriesEditor::StaticClass(),
        &TMapSeriesEditor::StaticClass(),
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
