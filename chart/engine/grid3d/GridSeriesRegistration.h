#pragma once
// The grid series on the gallery's "3D" page (and so in the component stream).
void GridSeriesUnitStartup();
void GridSeriesUnitShutdown();
