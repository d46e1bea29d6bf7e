#include "platform/graphics/Region.h"

#include <QRegion>
#include <algorithm>
#include <limits>

#include "platform/graphics/RegionImpl.h"
#include "platform/graphics/ShapeRows.h"

namespace {

// Regions reach at most this far from the origin, far beyond any surface: a rectangle from a
// file may give any coordinates, and the toolkit works out widths as right - left + 1, which
// must stay within an int.
constexpr int RegionReach = (1 << 30) - 1;

int ToReach(int v) { return std::clamp(v, -RegionReach, RegionReach); }

// Collects a shape's spans row by row (rows rising, spans of a row from left to right) into the
// banded rectangles of a region; rows with the same spans as the row above extend its band.
class TBandBuilder {
public:
    void Add(int y, double lo, double hi) {
        int x0, x1;
        CentreCells(lo, hi, x0, x1);
        x0 = ToReach(x0);
        x1 = ToReach(x1);
        if (x0 >= x1) return;
        if (y != FRowY) EndRow(), FRowY = y;
        FRow.emplace_back(x0, y, x1 - x0, 1);
    }
    QRegion Finish() {
        EndRow();
        Flush();
        QRegion region;
        if (!FRects.empty()) region.setRects(FRects.data(), int(FRects.size()));
        return region;
    }

private:
    void EndRow() {
        if (FRow.empty()) return;
        bool same = !FBand.empty() && FBand.size() == FRow.size() &&
                    FBand[0].y() + FBand[0].height() == FRowY;
        for (size_t i = 0; same && i < FRow.size(); ++i)
            same = FRow[i].left() == FBand[i].left() && FRow[i].width() == FBand[i].width();
        if (same) {
            for (QRect& r : FBand) r.setHeight(r.height() + 1);
        } else {
            Flush();
            FBand.swap(FRow);
        }
        FRow.clear();
    }
    void Flush() {
        FRects.insert(FRects.end(), FBand.begin(), FBand.end());
        FBand.clear();
    }

    std::vector<QRect> FRects, FBand, FRow;
    int FRowY = std::numeric_limits<int>::min();
};

auto Adder(TBandBuilder& builder) {
    return [&builder](int y, double lo, double hi) { builder.Add(y, lo, hi); };
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
    const TRect n = NormalizedRect(rect);
    const TRect r = Rect(ToReach(n.Left), ToReach(n.Top), ToReach(n.Right), ToReach(n.Bottom));
    if (!r.IsEmpty()) impl->Region = QRegion(r.Left, r.Top, r.Width(), r.Height());
    return TRegion(std::move(impl));
}

TRegion TRegion::FromEllipse(const TRect& box) {
    TBandBuilder builder;
    EllipseRows(NormalizedRect(box), -RowLimit, RowLimit, Adder(builder));
    auto impl = std::make_unique<TImpl>();
    impl->Region = builder.Finish();
    return TRegion(std::move(impl));
}

TRegion TRegion::FromRoundRect(const TRect& box, int ellipseWidth, int ellipseHeight) {
    TBandBuilder builder;
    RoundRectRows(NormalizedRect(box), ellipseWidth, ellipseHeight, -RowLimit, RowLimit,
                  Adder(builder));
    auto impl = std::make_unique<TImpl>();
    impl->Region = builder.Finish();
    return TRegion(std::move(impl));
}

TRegion TRegion::FromPolygon(std::span<const TPoint> points) {
    TBandBuilder builder;
    std::vector<std::pair<double, int>> crossings;
    PolygonRows(points, false, -RowLimit, RowLimit, crossings, Adder(builder));
    auto impl = std::make_unique<TImpl>();
    impl->Region = builder.Finish();
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
        case RGN_AND:
            FImpl->Region = ra.intersected(rb);
            break;
        case RGN_OR:
            FImpl->Region = ra.united(rb);
            break;
        case RGN_XOR:
            FImpl->Region = ra.xored(rb);
            break;
        case RGN_DIFF:
            FImpl->Region = ra.subtracted(rb);
            break;
        case RGN_COPY:
            FImpl->Region = ra;
            break;
    }
}

void TRegion::Offset(int dx, int dy) { FImpl->Region.translate(dx, dy); }
