#include "chart/tools/view/GlyphPolygons.h"

#include <string>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/Path.h"
#include "platform/rtl/Exceptions.h"

bool SplitPathIntoPolygons(std::span<const TPoint> points, std::span<const uint8_t> types,
                           TGlyphPolygons& polygons) {
    polygons.clear();
    const size_t count = std::min(points.size(), types.size());
    for (size_t i = 0; i < count; ++i) {
        const uint8_t type = types[i];
        if (type == PT_MOVETO) {
            polygons.push_back({points[i]});
        } else if ((type & ~PT_CLOSEFIGURE) == PT_LINETO ||
                   (type & ~PT_CLOSEFIGURE) == PT_BEZIERTO) {
            if (polygons.empty()) return false;
            polygons.back().push_back(points[i]);
        } else if (type != PT_CLOSEFIGURE) {
            return false;
        }
    }
    // A closed contour may end where it began; the polygon closes itself.
    for (std::vector<TPoint>& polygon : polygons)
        while (polygon.size() > 2 && polygon.back() == polygon.front()) polygon.pop_back();
    return true;
}

bool TextOutlinePolygons(TCanvas& canvas, int x, int y, int lineHeight,
                         std::span<const std::string_view> lines, TGlyphPolygons& polygons) {
    polygons.clear();
    canvas.BeginPath();
    for (size_t i = 0; i < lines.size(); ++i) canvas.TextOut(x, y + int(i) * lineHeight, lines[i]);
    canvas.EndPath();
    if (!canvas.FlattenPath()) return false;
    std::vector<TPoint> points;
    std::vector<uint8_t> types;
    // The path just ended and flattened; only a canvas that records its drawing (a metafile)
    // keeps no path to read, and the outlines are then read from a canvas that draws.
    if (!canvas.GetPath(points, types)) throw Exception("GetPath error: " + std::to_string(0));
    return SplitPathIntoPolygons(points, types, polygons);
}
