#include "chart/engine/StandardSeries.h"

#include "chart/engine/AreaSeries.h"
#include "chart/engine/BarSeries.h"
#include "chart/engine/FastLineSeries.h"
#include "chart/engine/HorizBarSeries.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/PieSeries.h"
#include "chart/engine/PointSeries.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/foundation/LibraryTexts.h"

void RegisterStandardSeriesTypes() {
    // The gallery shows them in this order; the number is how many sample series a preview of
    // the type holds.
    const struct {
        TClass seriesClass;
        const std::string* name;
        int samples;
    } types[] = {
        {&TLineSeries::StaticClass(), &TxtLine, 2},
        {&TBarSeries::StaticClass(), &TxtBar, 2},
        {&THorizBarSeries::StaticClass(), &TxtHorizontalBar, 2},
        {&TAreaSeries::StaticClass(), &TxtArea, 2},
        {&TPointSeries::StaticClass(), &TxtPoint, 2},
        {&TPieSeries::StaticClass(), &TxtPie, 1},
        {&TFastLineSeries::StaticClass(), &TxtFastLine, 2},
        {&THorizLineSeries::StaticClass(), &TxtHorizontalLine, 1},
        {&THorizAreaSeries::StaticClass(), &TxtHorizontalArea, 1},
    };
    for (const auto& t : types) RegisterSeriesClass(t.seriesClass, t.name, &TxtStandard, t.samples);
}
