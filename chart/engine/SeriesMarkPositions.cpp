#include "chart/engine/SeriesMarkPositions.h"

#include <algorithm>

#include "chart/engine/SeriesMarks.h"
#include "chart/engine/SeriesMarksSymbol.h"

void TSeriesMarkPosition::MoveBoxBy(int dy) {
    LeftTop.Y += dy;
    ArrowTo.Y += dy;
    if (HasMid) MidPoint.Y += dy;
}

TSeriesMarkPosition* TSeriesMarksPositions::Position(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return FItems[size_t(index)].get();
}

TSeriesMarkPosition& TSeriesMarksPositions::Ensure(int index) {
    if (index >= Count()) FItems.resize(size_t(index) + 1);
    auto& slot = FItems[size_t(index)];
    if (!slot) slot = std::make_unique<TSeriesMarkPosition>();
    return *slot;
}

void TSeriesMarksPositions::SetPosition(int index, const TSeriesMarkPosition& position) {
    TSeriesMarkPosition& entry = Ensure(index);
    entry = position;
    entry.Custom = true;
}

bool TSeriesMarksPositions::ExistCustom() const {
    return std::any_of(FItems.begin(), FItems.end(), [](const auto& p) { return p && p->Custom; });
}

void TSeriesMarksPositions::Delete(int index) { DeleteRange(index, 1); }

void TSeriesMarksPositions::DeleteRange(int start, int quantity) {
    if (start < 0 || start >= Count() || quantity <= 0) return;
    const int end = std::min(Count(), start + quantity);
    FItems.erase(FItems.begin() + start, FItems.begin() + end);
}

void TSeriesMarksPositions::PlaceAtPoint(TSeriesMarkPosition& position, int x, int y) const {
    position.ArrowTo = TPoint{x, y};
    position.ArrowFrom = position.ArrowTo;
    position.LeftTop = TPoint{x - position.Width / 2, y - position.Height + 1};
    if (!FMarks) return;
    if (TSeriesMarksSymbol* symbol = FMarks->SymbolIfAny()) {
        const TRect& old = symbol->ShapeBounds();
        const int left = position.LeftTop.X + 2, top = position.LeftTop.Y + 2;
        symbol->SetShapeBounds(
            TRect{left, top, left + old.Right - old.Left, top + old.Bottom - old.Top});
    }
}
