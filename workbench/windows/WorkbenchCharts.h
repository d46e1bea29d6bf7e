#pragma once
// The settings the workbench's charts share (the profile plots, the temperature and result plots
// and the targeting view), and the fit that gives a profile plot equal scales on both axes.
#include <functional>
#include <string>
#include <vector>

#include "platform/graphics/Colors.h"

class TChartAxis;
class TChartEditor;
class TComponent;
class TCustomChart;
class TCustomSeries;
class TPoint3DSeries;
struct TProfileBounds;

// White, flat, legend hidden, the title in bold Calibri of titleSize points (0: the chart's own
// title font), and the hint that tells how to edit the chart.
void SetUpWorkbenchChart(TCustomChart& chart, int titleSize, const std::string& hint);

// The chart editor each chart window holds: the general, paging, walls, 3-D, native export and
// tools pages hidden, tabs highlighted and, of the series commands, only renaming.
TChartEditor* MakeWorkbenchChartEditor(TComponent* owner, const std::string& title);

// A double-click on the chart opens the editor on `target` (the chart itself when none); what the
// user changes stays on the chart until its window closes and is never stored.
void EditOnDoubleClick(TCustomChart& chart, TChartEditor& editor,
                       std::function<TCustomChart*()> target = {});

// The axis's title and the format of its labels; an upright title reads horizontally on a
// vertical axis.
void SetUpAxis(TChartAxis& axis, const std::string& title, const std::string& format,
               bool upright = false);

// The chart's title, one line per text.
void SetChartTitle(TCustomChart& chart, const std::vector<std::string>& lines);

// Circle pointers 3 x 3 pixels, marks hidden: the points of the line series that plot results.
void SetUpResultSeries(TCustomSeries& series, const std::string& title, TColor lineColor,
                       TColor pointerFill, TColor pointerOutline);

// A line of the chart drawn through its points in the order they come, without pointers or marks:
// a cavity outline. clDefault takes the chart palette's colour; a width of 0 keeps the pen's own.
TPoint3DSeries* AddProfileSeries(TComponent* owner, TCustomChart& chart, TColor color,
                                 int width = 0);

// The outline loaded last into the engine's shared area (nodes 0..NodeCount) into `upper`, and its
// mirror image below the axis into `lower`, both with depth 0.
void AddOutline(TPoint3DSeries& upper, TPoint3DSeries& lower);

// The extent of the outline loaded last into the engine's shared area.
TProfileBounds OutlineBounds();

// Draws the chart once, so that its plotting area is laid out, then fixes both axes so that one
// unit spans the same number of pixels across and along the profile. False, axes untouched,
// when the plotting area has no pixels or the profile no height.
bool FixEqualScales(TCustomChart& chart, const TProfileBounds& bounds);
