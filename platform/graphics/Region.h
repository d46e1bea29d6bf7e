#pragma once
// A set of pixels for clipping: rectangles, ellipses, rounded rectangles and polygons, combined
// with AND, OR, XOR and DIFF. Shapes cover the same pixels as the canvas fills them (right and
// bottom edges outside, polygons by alternate fill), so a clip to an ellipse and the ellipse
// itself agree.
#include <memory>
#include <span>
#include <vector>

#include "platform/graphics/Geometry.h"

enum TRegionCombineMode { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };

class TRegion {
public:
    TRegion();  // empty
    ~TRegion();
    TRegion(const TRegion& other);
    TRegion& operator=(const TRegion& other);
    TRegion(TRegion&& other) noexcept;
    TRegion& operator=(TRegion&& other) noexcept;

    static TRegion FromRect(const TRect& rect);
    static TRegion FromEllipse(const TRect& box);
    // Corners rounded by ellipses of ellipseWidth x ellipseHeight.
    static TRegion FromRoundRect(const TRect& box, int ellipseWidth, int ellipseHeight);
    static TRegion FromPolygon(std::span<const TPoint> points);

    bool IsEmpty() const;
    TRect Bounds() const;
    bool Contains(int x, int y) const;
    // The region's pixels as rectangles sorted by rows, then from left to right.
    std::vector<TRect> Rects() const;
    bool operator==(const TRegion& other) const;

    // This region becomes a `mode` b (RGN_COPY: a).
    void Combine(const TRegion& a, const TRegion& b, TRegionCombineMode mode);
    void Offset(int dx, int dy);

private:
    friend class TCanvas;
    struct TImpl;
    explicit TRegion(std::unique_ptr<TImpl> impl);
    std::unique_ptr<TImpl> FImpl;
};
