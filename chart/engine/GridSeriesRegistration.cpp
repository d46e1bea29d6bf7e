#include "chart/engine/GridSeriesRegistration.h"

#include "chart/engine/ContourSeries.h"
#include "chart/engine/IsoSurfaceSeries.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/engine/SurfaceSeries.h"
#include "chart/foundation/LibraryTexts.h"

void GridSeriesUnitStartup() {
    RegisterSeriesClass(&TSurfaceSeries::StaticClass(), &TxtExtSurface, &TxtExt3D, 1);
    RegisterSeriesClass(&TContourSeries::StaticClass(), &TxtExtContour, &TxtExt3D, 1);
    RegisterSeriesClass(&TWaterFallSeries::StaticClass(), &TxtExtWaterFall, &TxtExt3D, 1);
    RegisterSeriesClass(&TIsoSurfaceSeries::StaticClass(), &TxtExtIsoSurface, &TxtExt3D, 1);
}

void GridSeriesUnitShutdown() {
    UnregisterSeriesClasses({&TSurfaceSeries::StaticClass(), &TContourSeries::StaticClass(),
                             &TWaterFallSeries::StaticClass(), &TIsoSurfaceSeries::StaticClass()});
}
