#include "chart/foundation/FilterRegion.h"

#include <algorithm>

#include "platform/classes/Publisher.h"

TFilterRegion::TFilterRegion() = default;
TFilterRegion::~TFilterRegion() = default;

void TFilterRegion::Publish(TPublisher<TFilterRegion>& p) {
    p.Integer("Left", &TFilterRegion::Left, &TFilterRegion::SetLeft).Default(0);
    p.Integer("Top", &TFilterRegion::Top, &TFilterRegion::SetTop).Default(0);
    p.Integer("Width", &TFilterRegion::Width, &TFilterRegion::SetWidth).Default(0);
    p.Integer("Height", &TFilterRegion::Height, &TFilterRegion::SetHeight).Default(0);
}

void TFilterRegion::Assign(const TPersistent* source) {
    const auto* region = dynamic_cast<const TFilterRegion*>(source);
    if (!region) return TPersistent::Assign(source);
    FLeft = region->FLeft;
    FTop = region->FTop;
    FWidth = region->FWidth;
    FHeight = region->FHeight;
}

namespace {

// One direction: from start, extent pixels (0: to the edge), within 0..size-1.
bool Span(int start, int extent, int size, int& first, int& last) {
    const long long end = extent != 0 ? std::min<long long>(size - 1, (long long)start + extent)
                                      : std::max(start, size - 1);
    first = std::max(start, 0);
    last = int(std::min<long long>(end, size - 1));
    return first <= last;
}

}  // namespace

bool FilterBounds(const TFilterRegion* Region, int Width, int Height, TRect& Bounds) {
    if (!Region) {
        Bounds = TRect{0, 0, Width - 1, Height - 1};
        return Width > 0 && Height > 0;
    }
    const bool across = Span(Region->Left(), Region->Width(), Width, Bounds.Left, Bounds.Right);
    const bool down = Span(Region->Top(), Region->Height(), Height, Bounds.Top, Bounds.Bottom);
    return across && down;
}
