#pragma once
// Where each mark box of a series sits: the box, and the arrow from the point to the box. The
// series computes a position for every mark it draws; the list remembers it, and a position the
// user dragged (a custom one) overrides the computed one until the positions are reset.
#include <memory>
#include <vector>

#include "platform/graphics/Geometry.h"

class TSeriesMarks;

struct TSeriesMarkPosition {
    TPoint ArrowFrom;       // where the arrow leaves the point
    bool ArrowFix = false;  // the arrow start stays at the point under a stored position
    TPoint ArrowTo;         // where the arrow meets the box
    bool Custom = false;    // set by the user; overrides the computed position
    int Height = 0;
    TPoint LeftTop;
    int Width = 0;
    TPoint MidPoint;  // the elbow of the arrow
    bool HasMid = false;

    TRect Bounds() const {
        return TRect{LeftTop.X, LeftTop.Y, LeftTop.X + Width, LeftTop.Y + Height};
    }
    // Moves the box, the arrow end and the elbow down by dy (up when negative).
    void MoveBoxBy(int dy);
};

// One entry per point index, possibly empty.
class TSeriesMarksPositions {
public:
    explicit TSeriesMarksPositions(TSeriesMarks* marks = nullptr) : FMarks(marks) {}

    int Count() const { return int(FItems.size()); }
    // None for an empty entry or an index beyond the list.
    TSeriesMarkPosition* Position(int index) const;
    // Copies position into the entry of index (made when missing) and marks it custom.
    void SetPosition(int index, const TSeriesMarkPosition& position);
    // The entry of index, made (not custom) when missing.
    TSeriesMarkPosition& Ensure(int index);
    bool ExistCustom() const;
    void Clear() { FItems.clear(); }
    // The entry of a deleted point leaves the list, and the later ones move down.
    void Delete(int index);
    void DeleteRange(int start, int quantity);
    // Arrow start and end at (x, y), the box centred above it (its bottom on y), and the marks'
    // symbol box 2 pixels in from the box's top-left corner.
    void PlaceAtPoint(TSeriesMarkPosition& position, int x, int y) const;

private:
    TSeriesMarks* FMarks;
    std::vector<std::unique_ptr<TSeriesMarkPosition>> FItems;
};
