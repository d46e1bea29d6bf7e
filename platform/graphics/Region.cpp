#include "platform/graphics/Region.h"

#include <QRegion>

#include "platform/graphics/RegionImpl.h"
#include "platform/graphics/ShapeMask.h"

namespace {

// Rows of equal runs are merged into one band, which keeps ellipses and polygons compact.
QRegion RegionFromMask(const TShapeMask& mask) {
    std::vector<QRect> rects;
    std::vector<QRect> row, previous;
    int previousY = 0;
    auto flush = [&]() {
        rects.insert(rects.end(), previous.begin(), previous.end());
        previous.clear();
    };
    int currentY = mask.Bounds().Top - 1;
    auto endRow = [&]() {
        if (row.empty()) return;
        bool same = !previous.empty() && previous.size() == row.size() &&
                    previousY + previous[0].height() == currentY;
        for (size_t i = 0; same && i < row.size(); ++i)
            same = row[i].left() == previous[i].left() && row[i].width() == previous[i].width();
        if (same) {
            for (QRect& r : previous) r.setBottom(r.bottom() + 1);
        } else {
            flush();
            previous = row;
            previousY = currentY;
        }
        row.clear();
    };
    mask.ForEachRun([&](int y, int x0, int x1, uint8_t) {
        if (y != currentY) {
            endRow();
            currentY = y;
        }
        row.emplace_back(x0, y, x1 - x0, 1);
    });
    endRow();
    flush();
    QRegion region;
    if (!rects.empty()) region.setRects(rects.data(), int(rects.size()));
    return region;
}

}  // namespace

TRegion::TRegion() : FImpl(std::make_unique<TImpl>()) {}
TRegion::TRegion(std::unique_ptr<TImpl> impl) : FImpl(std::move(impl)) {}
TRegion::~TRegion() = default;
TRegion::TRegion(const TRegion& other) : FImpl(std::make_unique<TImpl>(*other.FImpl)) {}
TRegion& TRegion::operator=(const TRegion& other) {
    if (this != &other) *FImpl = *other.FImpl;
    return *this;
}
TRegion::TRegion(TRegion&& other) noexcept : FImpl(std::make_unique<TImpl>()) {
    std::swap(FImpl, other.FImpl);
}
TRegion& TRegion::operator=(TRegion&& other) noexcept {
    std::swap(FImpl, other.FImpl);
    return *this;
}

TRegion TRegion::FromRect(const TRect& rect) {
    auto impl = std::make_unique<TImpl>();
    const TRect r = NormalizedRect(rect);
    if (!r.IsEmpty()) impl->Region = QRegion(r.Left, r.Top, r.Width(), r.Height());
    return TRegion(std::move(impl));
}

TRegion TRegion::FromEllipse(const TRect& box) {
    const TRect r = NormalizedRect(box);
    TShapeMask mask;
    mask.Reset(r);
    mask.AddEllipse(r);
    auto impl = std::make_unique<TImpl>();
    impl->Region = RegionFromMask(mask);
    return TRegion(std::move(impl));
}

TRegion TRegion::FromRoundRect(const TRect& box, int ellipseWidth, int ellipseHeight) {
    const TRect r = NormalizedRect(box);
    TShapeMask mask;
    mask.Reset(r);
    mask.AddRoundRect(r, ellipseWidth, ellipseHeight);
    auto impl = std::make_unique<TImpl>();
    impl->Region = RegionFromMask(mask);
    return TRegion(std::move(impl));
}

TRegion TRegion::FromPolygon(std::span<const TPoint> points) {
    auto impl = std::make_unique<TImpl>();
    if (points.size() >= 3) {
        TRect bounds{points[0].X, points[0].Y, points[0].X, points[0].Y};
        for (const TPoint& p : points) {
            bounds.Left = std::min(bounds.Left, p.X);
            bounds.Top = std::min(bounds.Top, p.Y);
            bounds.Right = std::max(bounds.Right, p.X);
            bounds.Bottom = std::max(bounds.Bottom, p.Y);
        }
        TShapeMask mask;
        mask.Reset(bounds);
        mask.AddPolygon(points);
        impl->Region = RegionFromMask(mask);
    }
    return TRegion(std::move(impl));
}

bool TRegion::IsEmpty() const { return FImpl->Region.isEmpty(); }

TRect TRegion::Bounds() const {
    const QRect r = FImpl->Region.boundingRect();
    if (r.isEmpty()) return TRect{};
    return ::Bounds(r.x(), r.y(), r.width(), r.height());
}

bool TRegion::Contains(int x, int y) const { return FImpl->Region.contains(QPoint(x, y)); }

std::vector<TRect> TRegion::Rects() const {
    std::vector<TRect> result;
    for (const QRect& r : FImpl->Region)
        result.push_back(::Bounds(r.x(), r.y(), r.width(), r.height()));
    return result;
}

bool TRegion::operator==(const TRegion& other) const {
    return FImpl->Region == other.FImpl->Region;
}

void TRegion::Combine(const TRegion& a, const TRegion& b, TRegionCombineMode mode) {
    const QRegion& ra = a.FImpl->Region;
    const QRegion& rb = b.FImpl->Region;
    switch (mode) {
        case RGN_AND: FImpl->Region = ra.intersected(rb); break;
        case RGN_OR: FImpl->Region = ra.united(rb); break;
        case RGN_XOR: FImpl->Region = ra.xored(rb); break;
        case RGN_DIFF: FImpl->Region = ra.subtracted(rb); break;
        case RGN_COPY: FImpl->Region = ra; break;
    }
}

void TRegion::Offset(int dx, int dy) { FImpl->Region.translate(dx, dy); }
