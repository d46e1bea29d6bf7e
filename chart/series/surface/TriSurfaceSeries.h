#pragma once
// A 3-D surface through scattered points (X, Y, Z) that need not lie on a grid: the points are
// triangulated in the horizontal X-Z plane (Y is only the height), each triangle is filled in the
// palette colour of its first corner, back to front when HideTriangles asks for it, and the
// convex hull can be outlined with Border. Fewer than three distinct X-Z points, or points all on
// one line, give no triangle and draw nothing; no error is raised while painting.
#include <memory>
#include <vector>

#include "chart/engine/grid3d/Custom3DPaletteSeries.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/series/algo/Triangulation.h"

// The hull outline: hidden and white until shown.
class TTriSurfaceBorderPen : public TChartHiddenPen {
    KV_DECLARE_CLASS(TTriSurfaceBorderPen, TChartHiddenPen)
public:
    explicit TTriSurfaceBorderPen(TNotifyEvent onChange = nullptr);
    static void Publish(TPublisher<TTriSurfaceBorderPen>& p);
};

class TCustomTriSurfaceSeries : public TCustom3DPaletteSeries {
    KV_DECLARE_CLASS(TCustomTriSurfaceSeries, TCustom3DPaletteSeries)
public:
    explicit TCustomTriSurfaceSeries(TComponent* owner);
    ~TCustomTriSurfaceSeries() override;
    static std::string EditorClassName() { return "TTriSurfaceSeriesEditor"; }

    TTriSurfaceBorderPen* Border() const { return FBorder.get(); }
    void SetBorder(const TChartHiddenPen* value);
    // The fill colour reaches the device by its stock brush: the same picture, kept as a setting.
    bool FastBrush() const { return FFastBrush; }
    void SetFastBrush(bool value) { FFastBrush = value; }
    bool HideTriangles() const { return FHideTriangles; }
    void SetHideTriangles(bool value) { ChangeField(FHideTriangles, value); }
    int Transparency() const { return FTransparency; }
    void SetTransparency(int value) { ChangeField(FTransparency, value); }
    // Not published: flips toward larger angles (on by default), and keeping the triangles
    // between drawings until the points are cleared (off by default).
    bool FlipOptimisation = true;
    bool ReuseTriangulation = false;

    // Triangulates the points now; the number of triangles.
    int Triangulate();
    bool Triangulated() const { return FTriangulated; }
    int TriangleCount() const { return int(FMesh.Triangles.size()); }
    // Point indices of triangle number t (1-based).
    const std::array<int, 3>& Triangle(int t) const { return FMesh.Triangles[size_t(t - 1)]; }
    const std::vector<THullEdge>& Hull() const { return FMesh.Hull; }
    // Triangle numbers in the order of the last back-to-front painting (empty for index order).
    const std::vector<int>& PaintedOrder() const { return FPainted; }

    void Clear() override;
    void DoBeforeDrawValues() override;
    void DrawAllValues() override;
    void DrawMark(int valueIndex, const std::string& text, TSeriesMarkPosition& position) override;
    // The number (1-based) of the triangle under the position, topmost first; -1 for none.
    int ValueIndexAt(int x, int y) override;
    int DefaultSampleCount() const override { return 15; }
    void AddRandomValues(int numValues, bool onlyMandatory) override;
    void ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) override;
    void ApplyGalleryVariant(TChartSeries* series, int index) override;
    void PrepareForGallery(bool enabled) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TCustomTriSurfaceSeries>& p);

private:
    TPointXYZ Corner(int pointIndex) const;
    // Back to front: by the largest Z of the corners, descending; reversed on an inverted depth
    // axis, and once more when a rotated 3-D view looks from behind.
    void SortTriangles();
    bool DrawsInIndexOrder() const;
    void FillTriangle(int t, bool ownColours);
    void DrawSortedTriangle(int t);
    void DrawBorder();
    TRect ProjectedBounds(int t) const;

    std::unique_ptr<TTriSurfaceBorderPen> FBorder;
    bool FFastBrush = false;
    bool FHideTriangles = true;
    int FTransparency = 0;
    bool FTriangulated = false;
    TTriangulation FMesh;
    std::vector<int> FPainted;
};

class TTriSurfaceSeries : public TCustomTriSurfaceSeries {
    KV_DECLARE_CLASS(TTriSurfaceSeries, TCustomTriSurfaceSeries)
public:
    explicit TTriSurfaceSeries(TComponent* owner) : TCustomTriSurfaceSeries(owner) {}
};
