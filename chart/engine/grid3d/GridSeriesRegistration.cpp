#include "chart/engine/grid3d/GridSeriesRegistration.h"

#include "chart/engine/SeriesTypes.h"
#include "chart/engine/grid3d/ColorGridSeries.h"
#include "chart/engine/grid3d/ContourSeries.h"
#include "chart/engine/grid3d/IsoSurfaceSeries.h"
#include "chart/engine/grid3d/SurfaceSeries.h"
#include "chart/engine/grid3d/TowerSeries.h"
#include "chart/engine/grid3d/Vector3DSeries.h"
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
