#include "chart/engine/GridSeriesRegistration.h"

#include "chart/engine/ColorGridSeries.h"
#include "chart/engine/ContourSeries.h"
#include "chart/engine/IsoSurfaceSeries.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/engine/SurfaceSeries.h"
#include "chart/engine/TowerSeries.h"
#include "chart/engine/Vector3DSeries.h"
#include "chart/foundation/LibraryTexts.h"

void GridSeriesUnitStartup() {
    RegisterSeriesClass(&TSurfaceSeries::StaticClass(), &TxtExtSurface, &TxtExt3D, 1);
    RegisterSeriesClass(&TContourSeries::StaticClass(), &TxtExtContour, &TxtExt3D, 1);
    RegisterSeriesClass(&TWaterFallSeries::StaticClass(), &TxtExtWaterFall, &TxtExt3D, 1);
    RegisterSeriesClass(&TColorGridSeries::StaticClass(), &TxtExtColorGrid, &TxtExt3D, 1);
    RegisterSeriesClass(&TVector3DSeries::StaticClass(), &TxtExtVector3D, &TxtExt3D, 1);
    RegisterSeriesClass(&TTowerSeries::StaticClass(), &TxtExtTower, &TxtExt3D, 1);
    RegisterSeriesClass(&TIsoSurfaceSeries::StaticClass(), &TxtExtIsoSurface, &TxtExt3D, 1);
}

void GridSeriesUnitShutdown() {
    UnregisterSeriesClasses({&TSurfaceSeries::StaticClass(), &TContourSeries::StaticClass(),
                             &TWaterFallSeries::StaticClass(), &TIsoSurfaceSeries::StaticClass()});
    UnregisterSeriesClasses({&TColorGridSeries::StaticClass(), &TVector3DSeries::StaticClass(),
                             &TTowerSeries::StaticClass()});
}
