#include "chart/engine/LineSeriesClasses.h"

#include "chart/engine/AreaSeries.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/PointSeries.h"
#include "platform/classes/ClassRegistry.h"

void RegisterLineSeriesClasses() {
    RegisterClasses({&TLineSeries::StaticClass(), &THorizLineSeries::StaticClass(),
                     &TPointSeries::StaticClass(), &TAreaSeries::StaticClass(),
                     &THorizAreaSeries::StaticClass()});
}

void UnregisterLineSeriesClasses() {
    UnRegisterClasses({&TLineSeries::StaticClass(), &THorizLineSeries::StaticClass(),
                       &TPointSeries::StaticClass(), &TAreaSeries::StaticClass(),
                       &THorizAreaSeries::StaticClass()});
}
