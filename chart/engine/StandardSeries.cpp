#include "chart/engine/StandardSeries.h"

#include "chart/engine/BarSeries.h"
#include "chart/engine/FastLineSeries.h"
#include "chart/engine/HorizBarSeries.h"
#include "chart/engine/PieSeries.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/foundation/LibraryTexts.h"

void RegisterStandardSeriesTypes() {
    // The gallery shows them in this order; the number is how many sample series a preview of
    // the type holds.
    // MERGE(h-line): RegisterSeriesClass(&TLineSeries::StaticClass(), &TxtLine, &TxtStandard, 2);
    RegisterSeriesClass(&TBarSeries::StaticClass(), &TxtBar, &TxtStandard, 2);
    RegisterSeriesClass(&THorizBarSeries::StaticClass(), &TxtHorizontalBar, &TxtStandard, 2);
    // MERGE(h-line): RegisterSeriesClass(&TAreaSeries::StaticClass(), &TxtArea, &TxtStandard, 2);
    // MERGE(h-line): RegisterSeriesClass(&TPointSeries::StaticClass(), &TxtPoint, &TxtStandard, 2);
    RegisterSeriesClass(&TPieSeries::StaticClass(), &TxtPie, &TxtStandard, 1);
    RegisterSeriesClass(&TFastLineSeries::StaticClass(), &TxtFastLine, &TxtStandard, 2);
    // MERGE(h-line): RegisterSeriesClass(&THorizLineSeries::StaticClass(), &TxtHorizontalLine,
    //                                    &TxtStandard, 1);
    // MERGE(h-line): RegisterSeriesClass(&THorizAreaSeries::StaticClass(), &TxtHorizontalArea,
    //                                    &TxtStandard, 1);
}
