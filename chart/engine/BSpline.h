#pragma once
// A uniform cubic B-spline through a sequence of 2-D control points, sampled by a parameter T
// from 0 to 1. It approximates the points, or in interpolating mode passes through every one of
// them; a point marked as a knuckle gives the curve a sharp corner there. Contour lines and the
// smoothing function draw their curves with it.
//
// Control points are numbered from 1. The curve is built on demand (VertexCount, CurvePoint)
// after any change of points or options: each point becomes one vertex (a knuckle three), in
// interpolating mode the vertices are solved for so that the curve meets the points, and two
// phantom vertices beyond the ends make the curve start at the first point and end at the last.
#include <vector>

struct T2DPoint {
    double X = 0;
    double Y = 0;
};

using T2DPointList = std::vector<T2DPoint>;
// Vertices 1..VertexCount with the phantom vertices at 0 and VertexCount + 1.
using TVertexList = std::vector<T2DPoint>;
// Indexed by point number 1..Capacity.
using TKnuckleList = std::vector<bool>;

class TBSpline {
public:
    // The largest number of segments a caller samples a curve into.
    static constexpr int MaxSegmentCount = 600;

    TBSpline();
    ~TBSpline();
    TBSpline(const TBSpline&) = delete;
    TBSpline& operator=(const TBSpline&) = delete;

    // No points and no vertices, capacity 0, approximating, 100 segments. The point and knuckle
    // lists keep their storage.
    void Clear();

    // The point becomes number PointCount() + 1; the capacity grows by 5 when it is full.
    void AppendControlPoint(double x, double y);
    int PointCount() const { return FPointCount; }
    int Capacity() const { return FCapacity; }
    // Point `index` (1..PointCount()).
    const T2DPoint& ControlPoint(int index) const;
    // Room for n points. A change clears every knuckle mark (marks made before a growth are
    // lost); points beyond n are dropped.
    void Resize(int n);

    // Marks point `index` (1..Capacity()) as a knuckle or not.
    void MarkKnuckle(int index, bool value);
    // The mark of point `index`; the first and the last point are never knuckles.
    bool IsKnuckle(int index) const;

    bool Interpolate() const { return FInterpolate; }
    void SetInterpolate(bool value);
    // How many segments a caller samples the curve into; at most MaxSegmentCount.
    int SegmentCount() const { return FSegmentCount; }
    void SetSegmentCount(int value);

    bool Built() const { return FBuilt; }
    // The number of vertices (0 with fewer than two points); builds the curve first.
    int VertexCount();
    // The point of the curve at t (0 the first control point, 1 the last). With one control
    // point the curve is that point; with none it is the origin.
    T2DPoint CurvePoint(double t);

private:
    void MarkUnbuilt();
    void Rebuild();
    // Replaces the vertices with the ones whose curve passes through them.
    void SolveInterpolation();
    void CheckIndex(int index, int last) const;

    int FPointCount = 0;
    int FCapacity = 0;
    T2DPointList FPoints;
    TVertexList FVertices;
    TKnuckleList FKnuckles;
    int FMarkedKnuckles = 0;
    bool FBuilt = false;
    int FVertexCount = 0;
    bool FInterpolate = false;
    int FSegmentCount = 100;
};
