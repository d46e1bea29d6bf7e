#pragma once
// The area a series tool draws in: between the ends of its series' axes, or the chart's plot
// rectangle when the tool has no series.
#include "platform/graphics/Geometry.h"

class TTeeCustomToolSeries;

TRect SeriesToolArea(const TTeeCustomToolSeries& tool);
// Clips the chart's canvas to that area as a cube as deep as the chart, when the chart allows
// clipping; false when it does not (then there is nothing to remove afterwards).
bool ClipToSeriesToolArea(const TTeeCustomToolSeries& tool);
