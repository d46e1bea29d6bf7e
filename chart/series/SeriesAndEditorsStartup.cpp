#include "chart/series/SeriesAndEditorsStartup.h"

#include <string>
#include <vector>

#include "chart/engine/SeriesTypes.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/series/calendar/CalendarSeries.h"
#include "chart/series/calendar/CalendarSeriesEditor.h"
#include "chart/series/gauge/CircularGauge.h"
#include "chart/series/gauge/CircularGaugeEditor.h"
#include "chart/series/gauge/GaugeFonts.h"
#include "chart/series/gauge/GaugeSeries.h"
#include "chart/series/gauge/GaugeSeriesEditor.h"
#include "chart/series/gauge/LinearGauge.h"
#include "chart/series/gauge/LinearGaugeEditor.h"
#include "chart/series/gauge/NumericGauge.h"
#include "chart/series/gauge/NumericGaugeEditor.h"
#include "chart/series/gauge/NumericMarker.h"
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
#include "chart/series/price/ADXFunction.h"
#include "chart/series/price/BigCandleSeries.h"
#include "chart/series/price/BollingerFunction.h"
#include "chart/series/price/CCIFunction.h"
#include "chart/series/price/CandleEditor.h"
#include "chart/series/price/CandleSeries.h"
#include "chart/series/price/CompressFuncEditor.h"
#include "chart/series/price/CompressFunction.h"
#include "chart/series/price/DarvasSeries.h"
#include "chart/series/price/IndicatorFunctionEditors.h"
#include "chart/series/price/KagiSeries.h"
#include "chart/series/price/KagiSeriesEditor.h"
#include "chart/series/price/MACDFunction.h"
#include "chart/series/price/MomentumFunctions.h"
#include "chart/series/price/MovingAverageFunctions.h"
#include "chart/series/price/OHLCSeries.h"
#include "chart/series/price/PVOFunction.h"
#include "chart/series/price/PointFigureEditor.h"
#include "chart/series/price/PointFigureSeries.h"
#include "chart/series/price/PriceFunctionEditors.h"
#include "chart/series/price/RenkoSeries.h"
#include "chart/series/price/RenkoSeriesEditor.h"
#include "chart/series/price/SARFunction.h"
#include "chart/series/price/VolumeIndicatorFunctions.h"
#include "chart/series/price/VolumeSeries.h"
#include "chart/series/price/VolumeSeriesEditor.h"
#include "chart/series/shares/FunnelSeries.h"
#include "chart/series/shares/FunnelSeriesEditor.h"
#include "chart/series/shares/PyramidSeries.h"
#include "chart/series/shares/PyramidSeriesEditor.h"
#include "chart/series/shares/VolumePipeSeries.h"
#include "chart/series/shares/VolumePipeSeriesEditor.h"
#include "chart/series/smith/SmithSeries.h"
#include "chart/series/smith/SmithSeriesEditor.h"
#include "chart/series/stats/BoxSeries.h"
#include "chart/series/stats/BoxSeriesEditor.h"
#include "chart/series/stats/CrossPointsFunction.h"
#include "chart/series/stats/CurveFittingEditor.h"
#include "chart/series/stats/CurveFittingFunction.h"
#include "chart/series/stats/DownSamplingFunction.h"
#include "chart/series/stats/HistogramFunction.h"
#include "chart/series/stats/HistogramSeries.h"
#include "chart/series/stats/HistogramSeriesEditor.h"
#include "chart/series/stats/RMSFuncEditor.h"
#include "chart/series/stats/StatisticFunctions.h"
#include "chart/series/stats/SubsetFuncEditor.h"
#include "chart/series/stats/SubsetFunction.h"
#include "chart/series/stats/TrendFunction.h"
#include "chart/series/surface/TriSurfaceSeries.h"
#include "chart/series/surface/TriSurfaceSeriesEditor.h"
#include "chart/series/text/OrgSeries.h"
#include "chart/series/text/OrgSeriesEditor.h"
#include "chart/series/text/TagCloudEditor.h"
#include "chart/series/text/TagCloudSeries.h"
#include "chart/series/variant/Bar3DSeries.h"
#include "chart/series/variant/BarJoinEditor.h"
#include "chart/series/variant/BarJoinSeries.h"
#include "chart/series/variant/BezierSeries.h"
#include "chart/series/variant/DonutSeries.h"
#include "chart/series/variant/DonutSeriesEditor.h"
#include "chart/series/variant/LinePointEditor.h"
#include "chart/series/variant/LinePointSeries.h"
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
        {ekSeries, &TPointFigureSeries::StaticClass(), &TxtExtPointFigure, &TxtExtFinancial, 1},
        {ekSeries, &TRenkoSeries::StaticClass(), &TxtExtRenko, &TxtExtFinancial, 1},
        {ekSeries, &TKagiSeries::StaticClass(), &TxtExtKagi, &TxtExtFinancial, 1},
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
        // Polar series.
        {ekSeries, &TPolarSeries::StaticClass(), &TxtExtPolar, &TxtExtended, 2},
        {ekSeries, &TRadarSeries::StaticClass(), &TxtExtRadar, &TxtExtended, 2},
        {ekSeries, &TPolarBarSeries::StaticClass(), &TxtExtPolarBar, &TxtExtended, 2},
        {ekSeries, &TPolarGridSeries::StaticClass(), &TxtExtPolarGrid, &TxtExt3D, 1},
        {ekSeries, &TWindRoseSeries::StaticClass(), &TxtExtWindRose, &TxtExtOther, 1},
        {ekSeries, &TClockSeries::StaticClass(), &TxtExtClock, &TxtExtOther, 1},
        {ekSeries, &TSmithSeries::StaticClass(), &TxtExtSmith, &TxtExtended, 2},
        {ekSeries, &TMapSeries::StaticClass(), &TxtExtMap, &TxtExtended, 1},
        {ekSeries, &TCalendarSeries::StaticClass(), &TxtExtCalendar, &TxtExtOther, 1},
        // Gauges.
        {ekSeries, &TGaugeSeries::StaticClass(), &TxtExtGauge, &TxtExtGauges, 1},
        {ekSeries, &TCircularGauge::StaticClass(), &TxtExtCircularGauge, &TxtExtGauges, 1},
        {ekSeries, &TNumericGauge::StaticClass(), &TxtExtNumericGauge, &TxtExtGauges, 1},
        {ekSeries, &TLinearGauge::StaticClass(), &TxtExtLinearGauge, &TxtExtGauges, 1},
        // Surfaces.
        {ekSeries, &TTriSurfaceSeries::StaticClass(), &TxtExtTriangleSurf, &TxtExt3D, 1},
        // Words and boxes of text.
        {ekSeries, &TTagCloudSeries::StaticClass(), &TxtExtTagCloud, &TxtExtOther, 1},
        {ekSeries, &TOrgSeries::StaticClass(), &TxtExtOrgChart, &TxtExtended, 1},
        // Price and indicator functions.
        {ekFunction, &TMovingAverageFunction::StaticClass(), &TxtExtMovingAverage, &TxtExtFinancial,
         1},
        {ekFunction, &TExpMovAveFunction::StaticClass(), &TxtExtExpMovingAverage, &TxtExtFinancial,
         1},
        {ekFunction, &TExpAverageFunction::StaticClass(), &TxtExtExponentialAverage, &TxtExtended,
         1},
        {ekFunction, &TMomentumFunction::StaticClass(), &TxtExtMomentum, &TxtExtFinancial, 1},
        {ekFunction, &TMomentumDivFunction::StaticClass(), &TxtExtMomentumDivision,
         &TxtExtFinancial, 1},
        {ekFunction, &TPerformanceFunction::StaticClass(), &TxtExtPerformance, &TxtExtended, 1},
        {ekFunction, &TRSIFunction::StaticClass(), &TxtExtRSI, &TxtExtFinancial, 1},
        {ekFunction, &TStochasticFunction::StaticClass(), &TxtExtStochastic, &TxtExtFinancial, 1},
        {ekFunction, &TCCIFunction::StaticClass(), &TxtExtCommodityChannelIndex, &TxtExtFinancial,
         1},
        {ekFunction, &TADXFunction::StaticClass(), &TxtExtADX, &TxtExtFinancial, 1},
        {ekFunction, &TSARFunction::StaticClass(), &TxtExtSAR, &TxtExtFinancial, 1},
        {ekFunction, &TMACDFunction::StaticClass(), &TxtExtMACD, &TxtExtFinancial, 1},
        {ekFunction, &TBollingerFunction::StaticClass(), &TxtExtBollingerBands, &TxtExtFinancial,
         1},
        {ekFunction, &TCLVFunction::StaticClass(), &TxtExtCloseLocationValue, &TxtExtFinancial, 1},
        {ekFunction, &TOBVFunction::StaticClass(), &TxtExtOnBalanceVolume, &TxtExtFinancial, 1},
        {ekFunction, &TPVOFunction::StaticClass(), &TxtExtVolumeOscillator, &TxtExtFinancial, 1},
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
std::vector<TClass> StreamOnlyClasses() {
    return {&TOHLCSeries::StaticClass(), &TNumericMarker::StaticClass()};
}

// The editor forms, found by the names their series and functions give; one line a class.
std::vector<TClass> EditorFormClasses() {
    return {
        &TCandleEditor::StaticClass(),
        &TVolumeSeriesEditor::StaticClass(),
        &TCompressFuncEditor::StaticClass(),
        &TPointFigureEditor::StaticClass(),
        &TRenkoSeriesEditor::StaticClass(),
        &TKagiSeriesEditor::StaticClass(),
        // Price and indicator functions.
        &TMovAveFuncEditor::StaticClass(),
        &TExpAveFuncEditor::StaticClass(),
        &TCCIFuncEditor::StaticClass(),
        &TADXFuncEditor::StaticClass(),
        &TSARFuncEditor::StaticClass(),
        &TMACDFuncEditor::StaticClass(),
        &TBollingerFuncEditor::StaticClass(),
        &TCLVFuncEditor::StaticClass(),
        &TOBVFuncEditor::StaticClass(),
        &TPVOFuncEditor::StaticClass(),
        // Statistics, fitting and reshaping functions.
        &TRMSFuncEditor::StaticClass(),
        &TCurveFittingEditor::StaticClass(),
        &TSubsetFuncEditor::StaticClass(),
        // Extended XY series.
        &TGanttSeriesEditor::StaticClass(),
        &TChartShapeEditor::StaticClass(),
        &TBubbleSeriesEditor::StaticClass(),
        &TArrowSeriesEditor::StaticClass(),
        &TErrorSeriesEditor::StaticClass(),
        &THighLowEditor::StaticClass(),
        &THighLowLineEditor::StaticClass(),
        &TImageBarSeriesEditor::StaticClass(),
        // Statistical, variant and share series.
        &TBoxSeriesEditor::StaticClass(),
        &THistogramSeriesEditor::StaticClass(),
        &TDonutSeriesEditor::StaticClass(),
        &TLinePointEditor::StaticClass(),
        &TBarJoinEditor::StaticClass(),
        &TPyramidSeriesEditor::StaticClass(),
        &TFunnelSeriesEditor::StaticClass(),
        &TVolumePipeSeriesEditor::StaticClass(),
        // Polar, Smith, surface and map series.
        &TPolarSeriesEditor::StaticClass(),
        &TPolarGridEditor::StaticClass(),
        &TWindRoseEditor::StaticClass(),
        &TClockEditor::StaticClass(),
        &TSmithSeriesEdit::StaticClass(),
        &TTriSurfaceSeriesEditor::StaticClass(),
        &TMapSeriesEditor::StaticClass(),
        &TTagCloudEditor::StaticClass(),
        &TOrgSeriesEditor::StaticClass(),
        &TCalendarSeriesEditor::StaticClass(),
        // Gauges.
        &TGaugeSeriesEditor::StaticClass(),
        &TNumericGaugeEditor::StaticClass(),
        &TLinearGaugeEditor::StaticClass(),
        &TCircularGaugeEditor::StaticClass(),
    };
}

int StartupCount = 0;

}  // namespace

void ChartSeriesUnitStartup() {
    if (StartupCount++ > 0) return;
    // The numeric gauge's faces, before the gauge can draw.
    LoadGaugeFonts();
    for (const TSeriesLibraryEntry& e : GalleryEntries()) {
        if (e.Kind == ekSeries)
            RegisterSeriesClass(e.Class, e.Name, e.Page, e.SampleSeries);
        else
            RegisterFunctionClass(e.Class, e.Name, e.Page, e.SampleSeries);
    }
    // The linear gauge's second entry: the same gauge standing upright.
    AddSeriesTypeEntry(&TLinearGauge::StaticClass(), nullptr, &TxtExtVertical, &TxtExtGauges, 1, 1);
    for (TClass cls : StreamOnlyClasses()) RegisterClass(cls);
    for (TClass editor : EditorFormClasses()) RegisterClass(editor);
}

void ChartSeriesUnitShutdown() {
    if (StartupCount == 0 || --StartupCount > 0) return;
    RemoveGaugeFonts();
    for (const TSeriesLibraryEntry& e : GalleryEntries()) {
        if (e.Kind == ekSeries)
            UnregisterSeriesClasses({e.Class});
        else
            UnregisterFunctionClasses({e.Class});
    }
    for (TClass cls : StreamOnlyClasses()) UnRegisterClass(cls);
    for (TClass editor : EditorFormClasses()) UnRegisterClass(editor);
}
