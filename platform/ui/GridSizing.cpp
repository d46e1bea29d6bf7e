// Sizing the grid's columns and rows with the mouse.
#include <QCursor>
#include <QWidget>
#include <algorithm>

#include "platform/ui/Grid.h"
#include "platform/ui/Screen.h"

namespace {
// How far from a line a press still takes it.
inline constexpr int SizingSlack = 2;
}  // namespace

// The column (row) whose closing line is at x (y) within the fixed rows (columns), with the
// client position where that column (row) starts.
TCustomGrid::TSizingKind TCustomGrid::SizingHit(int x, int y, int& index, int& origin) const {
    const TRect client = ClientRect();
    auto hit = [](const std::vector<int>& sizes, int fixed, int first, int line, int p, int extent,
                  int& index, int& origin) {
        int pos = 0;
        for (int i = 0; i < int(sizes.size()) && pos < extent; ++i) {
            if (i == fixed) i = first;
            if (i >= int(sizes.size())) break;
            const int edge = pos + sizes[size_t(i)];
            if (p >= edge - SizingSlack && p < edge + line + SizingSlack) {
                index = i;
                origin = pos;
                return true;
            }
            pos = edge + line;
        }
        return false;
    };
    const TGridCoord cell = MouseCoord(x, y);
    if (FOptions.Contains(goColSizing) && cell.Y >= 0 && cell.Y < FFixedRows &&
        hit(FColWidths, FFixedCols, FTopLeft.X, LineWidthX(), x, client.Right, index, origin))
        return skCol;
    if (FOptions.Contains(goRowSizing) && cell.X >= 0 && cell.X < FFixedCols &&
        hit(FRowHeights, FFixedRows, FTopLeft.Y, LineWidthY(), y, client.Bottom, index, origin))
        return skRow;
    return skNone;
}

bool TCustomGrid::SizingMouseDown(int x, int y) {
    FSizing = SizingHit(x, y, FSizingIndex, FSizingOrigin);
    return FSizing != skNone;
}

bool TCustomGrid::SizingMouseMove(TShiftState shift, int x, int y) {
    if (FSizing == skCol && shift.Contains(ssLeft)) {
        SetColWidths(FSizingIndex, std::max(x - FSizingOrigin, 0));
        return true;
    }
    if (FSizing == skRow && shift.Contains(ssLeft)) {
        SetRowHeights(FSizingIndex, std::max(y - FSizingOrigin, 0));
        return true;
    }
    // Hovering: the splitting cursor over a line that can be dragged, the control's elsewhere.
    int index = 0, origin = 0;
    TSizingKind kind = shift.Contains(ssLeft) ? skNone : SizingHit(x, y, index, origin);
    if (kind != skNone) {
        SetWidgetCursor(Widget(), kind == skCol ? crHSplit : crVSplit);
        FSizingCursor = true;
    } else if (FSizingCursor) {
        SetWidgetCursor(Widget(), Cursor());
        FSizingCursor = false;
    }
    return false;
}

bool TCustomGrid::SizingMouseUp() {
    bool was = FSizing != skNone;
    FSizing = skNone;
    return was;
}
