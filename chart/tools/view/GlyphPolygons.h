#pragma once
// The outlines of text as closed polygons: a canvas records the text written between BeginPath
// and EndPath as a path of glyph contours, flattened into straight lines, and the path's points
// are split into one polygon per contour.
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "platform/graphics/Geometry.h"

class TCanvas;

using TGlyphPolygons = std::vector<std::vector<TPoint>>;

// Splits a flattened path into polygons: a move-to starts one, line-to and Bezier-to points
// (closing or not) join the current one, a lone close-figure is skipped. Points equal to a
// polygon's first point at its end are dropped, leaving at least two. False, with the polygons
// found so far, on a point of any other type or a point before the first move-to.
bool SplitPathIntoPolygons(std::span<const TPoint> points, std::span<const uint8_t> types,
                           TGlyphPolygons& polygons);

// The lines of text (each written lineHeight below the one before, from (x, y)) recorded as a
// path on canvas with its current font and read back as polygons. False when the path could
// not be ended, flattened or split; "GetPath error: " when it could not be read back.
bool TextOutlinePolygons(TCanvas& canvas, int x, int y, int lineHeight,
                         std::span<const std::string_view> lines, TGlyphPolygons& polygons);
