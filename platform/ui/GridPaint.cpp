// The grid's painting: every cell shown, in its colours, then the lines between them.
#include <QLineEdit>

#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/Pen.h"
#include "platform/ui/Grid.h"

namespace {
// The indices shown along one axis: the fixed ones, then the scrolling ones from first until
// the extent is full.
template <class F>
void ForEachShown(const std::vector<int>& sizes, int fixed, int first, int line, int extent,
                  F&& visit) {
    int pos = 0;
    for (int i = 0; i < int(sizes.size()) && pos < extent; ++i) {
        if (i == fixed) i = first;
        if (i >= int(sizes.size())) break;
        visit(i, pos);
        pos += sizes[size_t(i)] + line;
    }
}
}  // namespace

void TCustomGrid::PaintCellFrame(const TRect& r) {
    // The raised edge of a fixed cell.
    TCanvas* canvas = Canvas();
    canvas->Pen()->SetStyle(psSolid);
    canvas->Pen()->SetWidth(1);
    canvas->Pen()->SetColor(clBtnHighlight);
    canvas->MoveTo(r.Left, r.Bottom - 1);
    canvas->LineTo(r.Left, r.Top);
    canvas->LineTo(r.Right, r.Top);
    canvas->Pen()->SetColor(clBtnShadow);
    canvas->MoveTo(r.Right - 1, r.Top);
    canvas->LineTo(r.Right - 1, r.Bottom - 1);
    canvas->LineTo(r.Left - 1, r.Bottom - 1);
}

void TCustomGrid::Paint() {
    TCanvas* canvas = Canvas();
    const TRect client = ClientRect();
    const TGridRect selection = Selection();
    const bool focused = Focused() || (FEditor && FEditor->hasFocus());
    const int lineX = LineWidthX(), lineY = LineWidthY();
    ForEachShown(FRowHeights, FFixedRows, FTopLeft.Y, lineY, client.Bottom, [&](int row, int y) {
        ForEachShown(FColWidths, FFixedCols, FTopLeft.X, lineX, client.Right, [&](int col, int x) {
            const TRect r = Rect(x, y, x + FColWidths[size_t(col)], y + FRowHeights[size_t(row)]);
            const bool fixed = col < FFixedCols || row < FFixedRows;
            TGridDrawState state;
            if (fixed) state.Include(gdFixed);
            if (!fixed && selection.Contains(col, row)) state.Include(gdSelected);
            const bool current = col == FCurrent.X && row == FCurrent.Y;
            if (!fixed && current && focused) state.Include(gdFocused);
            canvas->SetFont(Font());
            canvas->Brush()->SetStyle(bsSolid);
            const bool highlight =
                state.Contains(gdSelected) &&
                (!state.Contains(gdFocused) || FOptions.Contains(goDrawFocusSelected) ||
                 FOptions.Contains(goRowSelect));
            if (fixed) {
                canvas->Brush()->SetColor(FFixedColor);
            } else if (highlight) {
                canvas->Brush()->SetColor(clHighlight);
                canvas->Font()->SetColor(clHighlightText);
            } else {
                canvas->Brush()->SetColor(Color());
            }
            if (FDefaultDrawing) canvas->FillRect(r);
            DrawCell(col, row, r, state);
            if (FDefaultDrawing && fixed) PaintCellFrame(r);
            // The lines after the cell, black between fixed cells, silver between the others.
            const bool vert = FOptions.Contains(fixed ? goFixedVertLine : goVertLine);
            const bool horz = FOptions.Contains(fixed ? goFixedHorzLine : goHorzLine);
            canvas->Brush()->SetStyle(bsSolid);
            canvas->Brush()->SetColor(fixed ? clBlack : clSilver);
            if (vert && lineX > 0)
                canvas->FillRect(Rect(r.Right, r.Top, r.Right + lineX, r.Bottom + lineY));
            if (horz && lineY > 0)
                canvas->FillRect(Rect(r.Left, r.Bottom, r.Right + lineX, r.Bottom + lineY));
        });
    });
}
