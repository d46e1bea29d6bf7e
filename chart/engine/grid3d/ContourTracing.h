#pragma once
// The geometry of contour lines, apart from any drawing: where a level crosses a grid cell
// (the triangle method: the cell cut into four triangles around its centre, each crossed by at
// most one straight segment), and how segments found cell by cell are joined into polylines.
#include <array>
#include <vector>

// A point of the X-Z plane.
struct TContourPoint {
    double X = 0;
    double Z = 0;
    bool operator==(const TContourPoint&) const = default;
};

struct TLevelSegment {
    std::vector<TContourPoint> Points;
};
using TLevelSegments = std::vector<TLevelSegment>;

struct TContourSegment {
    TContourPoint A, B;
};

// The segment where the linear height over the triangle (points p, heights h measured from the
// level) is 0; false when there is none (the level touches a single vertex, misses the
// triangle, or the triangle lies flat in it).
bool TriangleLevelSegment(const std::array<TContourPoint, 3>& p, const std::array<double, 3>& h,
                          TContourSegment& segment);

// The segments of the level in the cell with corners p (in order round the cell) and heights
// h; answers how many were written (at most 4).
int CellLevelSegments(const std::array<TContourPoint, 4>& p, const std::array<double, 4>& h,
                      double level, std::array<TContourSegment, 4>& out);

// Attaches the segment to the first polyline with an end at one of its ends (else starts a new
// one), then merges the extended polyline with another one that meets it there.
void AddLevelSegment(TLevelSegments& lines, const TContourSegment& segment);
