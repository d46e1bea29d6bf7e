#include "platform/ui/Grid.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QWidget>
#include <algorithm>

#include "platform/rtl/Exceptions.h"

namespace {
inline constexpr const char* SGridIndexOutOfRange = "Grid index out of range";
inline constexpr const char* SFixedColTooBig = "Fixed column count must be less than column count";
inline constexpr const char* SFixedRowTooBig = "Fixed row count must be less than row count";
}  // namespace

TCustomGrid::TCustomGrid(TComponent* owner) : TCustomControl(owner) {
    FColWidths.assign(5, FDefaultColWidth);
    FRowHeights.assign(5, FDefaultRowHeight);
    FHorzBar = new QScrollBar(Qt::Horizontal, Widget());
    FVertBar = new QScrollBar(Qt::Vertical, Widget());
    for (QScrollBar* bar : {FHorzBar, FVertBar}) {
        bar->hide();
        bar->setFocusPolicy(Qt::NoFocus);
        QObject::connect(bar, &QScrollBar::valueChanged, [this, bar](int value) {
            if (FUpdatingBars) return;
            if (bar == FVertBar)
                SetTopRow(value);
            else
                SetLeftCol(value);
        });
    }
    Widget()->setMouseTracking(true);  // the sizing cursor shows on hovering
    SetColor(clWindow);
    SetBounds(0, 0, 320, 120);
}

TCustomGrid::~TCustomGrid() {
    Destroying();
    // The editor and the bars go while the grid can still answer their last signals.
    for (QWidget* w : {static_cast<QWidget*>(FEditor), static_cast<QWidget*>(FHorzBar),
                       static_cast<QWidget*>(FVertBar)}) {
        if (!w) continue;
        QObject::disconnect(w, nullptr, nullptr, nullptr);
        delete w;
    }
}

// ---------------------------------------------------------------------------------------------
// Layout

void TCustomGrid::SetColCount(int value) {
    value = std::max(value, 1);
    if (value == ColCount()) return;
    if (value <= FFixedCols) FFixedCols = value - 1;
    FColWidths.resize(size_t(value), FDefaultColWidth);
    LayoutChanged();
}

void TCustomGrid::SetRowCount(int value) {
    value = std::max(value, 1);
    if (value == RowCount()) return;
    if (value <= FFixedRows) FFixedRows = value - 1;
    FRowHeights.resize(size_t(value), FDefaultRowHeight);
    LayoutChanged();
}

void TCustomGrid::SetFixedCols(int value) {
    if (value < 0 || value >= ColCount()) throw EInvalidOperation(SFixedColTooBig);
    if (value == FFixedCols) return;
    FFixedCols = value;
    LayoutChanged();
}

void TCustomGrid::SetFixedRows(int value) {
    if (value < 0 || value >= RowCount()) throw EInvalidOperation(SFixedRowTooBig);
    if (value == FFixedRows) return;
    FFixedRows = value;
    LayoutChanged();
}

void TCustomGrid::SetDefaultColWidth(int value) {
    FDefaultColWidth = std::max(value, 0);
    std::fill(FColWidths.begin(), FColWidths.end(), FDefaultColWidth);
    LayoutChanged();
}

void TCustomGrid::SetDefaultRowHeight(int value) {
    FDefaultRowHeight = std::max(value, 0);
    std::fill(FRowHeights.begin(), FRowHeights.end(), FDefaultRowHeight);
    LayoutChanged();
}

void TCustomGrid::SetColWidths(int col, int value) {
    int& width = FColWidths.at(size_t(col));
    if (value == width) return;
    width = std::max(value, 0);
    LayoutChanged();
}

void TCustomGrid::SetRowHeights(int row, int value) {
    int& height = FRowHeights.at(size_t(row));
    if (value == height) return;
    height = std::max(value, 0);
    LayoutChanged();
}

void TCustomGrid::SetGridLineWidth(int value) {
    if (value == FGridLineWidth) return;
    FGridLineWidth = std::max(value, 0);
    LayoutChanged();
}

void TCustomGrid::SetFixedColor(TColor value) {
    if (value == FFixedColor) return;
    FFixedColor = value;
    Invalidate();
}

void TCustomGrid::SetOptions(TGridOptions value) {
    if (value == FOptions) return;
    FOptions = value;
    if (FOptions.Contains(goRowSelect)) FCurrent.X = FFixedCols;
    if (!CanEditShow()) HideEditor();
    LayoutChanged();
}

void TCustomGrid::SetScrollBars(TScrollStyle value) {
    if (value == FScrollBars) return;
    FScrollBars = value;
    LayoutChanged();
}

void TCustomGrid::SetDefaultDrawing(bool value) {
    if (value == FDefaultDrawing) return;
    FDefaultDrawing = value;
    Invalidate();
}

int TCustomGrid::LineWidthX() const { return FOptions.Contains(goVertLine) ? FGridLineWidth : 0; }

int TCustomGrid::LineWidthY() const { return FOptions.Contains(goHorzLine) ? FGridLineWidth : 0; }

TRect TCustomGrid::ClientRect() const {
    int width = Width() - (FVertBar->isVisibleTo(Widget()) ? FVertBar->width() : 0);
    int height = Height() - (FHorzBar->isVisibleTo(Widget()) ? FHorzBar->height() : 0);
    return Rect(0, 0, std::max(width, 0), std::max(height, 0));
}

// The cells keep their current cell, anchor and scroll position within the new bounds.
void TCustomGrid::LayoutChanged() {
    auto clampCoord = [this](TGridCoord& c) {
        c.X = std::clamp(c.X, FFixedCols, ColCount() - 1);
        c.Y = std::clamp(c.Y, FFixedRows, RowCount() - 1);
    };
    clampCoord(FCurrent);
    clampCoord(FAnchor);
    clampCoord(FTopLeft);
    UpdateScrollBars();
    PlaceEditor();
    Invalidate();
}

int TCustomGrid::CellStart(const std::vector<int>& sizes, int fixed, int first, int line,
                           int index) const {
    if (index >= fixed && index < first) return -1;
    int pos = 0;
    for (int i = 0; i < fixed && i < index; ++i) pos += sizes[size_t(i)] + line;
    if (index < fixed) return pos;
    for (int i = first; i < index; ++i) pos += sizes[size_t(i)] + line;
    return pos;
}

// The highest first scrolling cell that still shows index whole (the last: fills the extent).
int TCustomGrid::FirstShowing(const std::vector<int>& sizes, int fixed, int line, int extent,
                              int index) const {
    int room = extent - sizes[size_t(index)];
    for (int i = 0; i < fixed; ++i) room -= sizes[size_t(i)] + line;
    int first = index;
    while (first > fixed && room - (sizes[size_t(first - 1)] + line) >= 0) {
        --first;
        room -= sizes[size_t(first)] + line;
    }
    return std::max(first, fixed);
}

int TCustomGrid::VisibleColCount() const {
    int right = ClientRect().Right, count = 0;
    int x = CellStart(FColWidths, FFixedCols, FTopLeft.X, LineWidthX(), FTopLeft.X);
    for (int c = FTopLeft.X; c < ColCount(); ++c) {
        x += FColWidths[size_t(c)];
        if (x > right) break;
        ++count;
        x += LineWidthX();
    }
    return count;
}

int TCustomGrid::VisibleRowCount() const {
    int bottom = ClientRect().Bottom, count = 0;
    int y = CellStart(FRowHeights, FFixedRows, FTopLeft.Y, LineWidthY(), FTopLeft.Y);
    for (int r = FTopLeft.Y; r < RowCount(); ++r) {
        y += FRowHeights[size_t(r)];
        if (y > bottom) break;
        ++count;
        y += LineWidthY();
    }
    return count;
}

TRect TCustomGrid::CellRect(int col, int row) const {
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount()) return TRect{};
    int x = CellStart(FColWidths, FFixedCols, FTopLeft.X, LineWidthX(), col);
    int y = CellStart(FRowHeights, FFixedRows, FTopLeft.Y, LineWidthY(), row);
    TRect client = ClientRect();
    if (x < 0 || y < 0 || x >= client.Right || y >= client.Bottom) return TRect{};
    return Rect(x, y, std::min(x + FColWidths[size_t(col)], client.Right),
                std::min(y + FRowHeights[size_t(row)], client.Bottom));
}

void TCustomGrid::MouseToCell(int x, int y, int& col, int& row) const {
    TGridCoord c = MouseCoord(x, y);
    col = c.X;
    row = c.Y;
}

TGridCoord TCustomGrid::MouseCoord(int x, int y) const {
    // A cell owns the line after it.
    auto find = [](const std::vector<int>& sizes, int fixed, int first, int line, int p,
                   int extent) {
        if (p < 0 || p >= extent) return -1;
        int pos = 0;
        for (int i = 0; i < int(sizes.size()); ++i) {
            if (i == fixed) i = std::max(first, fixed);
            if (i >= int(sizes.size())) break;
            pos += sizes[size_t(i)] + line;
            if (p < pos) return i;
        }
        return -1;
    };
    TRect client = ClientRect();
    int col = find(FColWidths, FFixedCols, FTopLeft.X, LineWidthX(), x, client.Right);
    int row = find(FRowHeights, FFixedRows, FTopLeft.Y, LineWidthY(), y, client.Bottom);
    if (col < 0 || row < 0) return {-1, -1};
    return {col, row};
}

void TCustomGrid::InvalidateCell(int, int) { Invalidate(); }

// ---------------------------------------------------------------------------------------------
// Scrolling

void TCustomGrid::SetTopRow(int value) {
    value = std::clamp(
        value, FFixedRows,
        FirstShowing(FRowHeights, FFixedRows, LineWidthY(), ClientRect().Bottom, RowCount() - 1));
    if (value == FTopLeft.Y) return;
    FTopLeft.Y = value;
    TopLeftChanged();
}

void TCustomGrid::SetLeftCol(int value) {
    value = std::clamp(
        value, FFixedCols,
        FirstShowing(FColWidths, FFixedCols, LineWidthX(), ClientRect().Right, ColCount() - 1));
    if (value == FTopLeft.X) return;
    FTopLeft.X = value;
    TopLeftChanged();
}

void TCustomGrid::TopLeftChanged() {
    UpdateScrollBars();
    PlaceEditor();
    Invalidate();
    if (OnTopLeftChanged) Fire([this] { OnTopLeftChanged(this); });
}

void TCustomGrid::ClampInView(int col, int row) {
    TRect client = ClientRect();
    if (col >= FFixedCols && col < FTopLeft.X)
        SetLeftCol(col);
    else if (col >= FFixedCols && col >= FTopLeft.X + std::max(VisibleColCount(), 1))
        SetLeftCol(FirstShowing(FColWidths, FFixedCols, LineWidthX(), client.Right, col));
    if (row >= FFixedRows && row < FTopLeft.Y)
        SetTopRow(row);
    else if (row >= FFixedRows && row >= FTopLeft.Y + std::max(VisibleRowCount(), 1))
        SetTopRow(FirstShowing(FRowHeights, FFixedRows, LineWidthY(), client.Bottom, row));
}

void TCustomGrid::UpdateScrollBars() {
    FUpdatingBars = true;
    // Showing one bar narrows the room of the other: settle in two rounds.
    for (int round = 0; round < 2; ++round) {
        TRect client = ClientRect();
        int maxLeft =
            FirstShowing(FColWidths, FFixedCols, LineWidthX(), client.Right, ColCount() - 1);
        int maxTop =
            FirstShowing(FRowHeights, FFixedRows, LineWidthY(), client.Bottom, RowCount() - 1);
        bool horz = (FScrollBars == ssHorizontal || FScrollBars == ssBoth) && maxLeft > FFixedCols;
        bool vert = (FScrollBars == ssVertical || FScrollBars == ssBoth) && maxTop > FFixedRows;
        FHorzBar->setVisible(horz);
        FVertBar->setVisible(vert);
        FHorzBar->setRange(FFixedCols, maxLeft);
        FVertBar->setRange(FFixedRows, maxTop);
    }
    int barWidth = FVertBar->sizeHint().width(), barHeight = FHorzBar->sizeHint().height();
    bool horz = FHorzBar->isVisibleTo(Widget()), vert = FVertBar->isVisibleTo(Widget());
    FVertBar->setGeometry(Width() - barWidth, 0, barWidth, Height() - (horz ? barHeight : 0));
    FHorzBar->setGeometry(0, Height() - barHeight, Width() - (vert ? barWidth : 0), barHeight);
    FVertBar->setPageStep(std::max(VisibleRowCount(), 1));
    FHorzBar->setPageStep(std::max(VisibleColCount(), 1));
    // The grid follows the thumb while it is dragged only with goThumbTracking.
    FHorzBar->setTracking(FOptions.Contains(goThumbTracking));
    FVertBar->setTracking(FOptions.Contains(goThumbTracking));
    FHorzBar->setValue(FTopLeft.X);
    FVertBar->setValue(FTopLeft.Y);
    FUpdatingBars = false;
}

void TCustomGrid::Resize() {
    UpdateScrollBars();
    SetTopRow(FTopLeft.Y);  // a larger window may show more of the last rows
    SetLeftCol(FTopLeft.X);
    PlaceEditor();
    TCustomControl::Resize();
}

// ---------------------------------------------------------------------------------------------
// The current cell and the selection

TGridRect TCustomGrid::Selection() const {
    TGridRect r{std::min(FAnchor.X, FCurrent.X), std::min(FAnchor.Y, FCurrent.Y),
                std::max(FAnchor.X, FCurrent.X), std::max(FAnchor.Y, FCurrent.Y)};
    if (FOptions.Contains(goRowSelect)) {
        r.Left = FFixedCols;
        r.Right = ColCount() - 1;
    }
    return r;
}

void TCustomGrid::SetSelection(const TGridRect& value) {
    TGridCoord anchor{value.Right, value.Bottom};
    MoveColRow(value.Left, value.Top, true, true);
    if (FCurrent == TGridCoord{value.Left, value.Top} && FOptions.Contains(goRangeSelect))
        FAnchor = anchor;
    Invalidate();
}

bool TCustomGrid::SelectCell(int, int) { return true; }

void TCustomGrid::MoveColRow(int col, int row, bool moveAnchor, bool show) {
    if (col < 0 || row < 0 || col >= ColCount() || row >= RowCount())
        throw EInvalidOperation(SGridIndexOutOfRange);
    if (FOptions.Contains(goRowSelect)) col = FFixedCols;
    if (!SelectCell(col, row)) return;
    if (!FOptions.Contains(goAlwaysShowEditor)) HideEditor();
    FCurrent = {col, row};
    if (moveAnchor || !FOptions.Contains(goRangeSelect)) FAnchor = FCurrent;
    if (show) ClampInView(col, row);
    Invalidate();
    if (FOptions.Contains(goAlwaysShowEditor)) {
        HideEditor();
        ShowEditor();
    }
}

// ---------------------------------------------------------------------------------------------
// Keys and mouse

void TCustomGrid::KeyDown(int& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (key == 0) return;
    bool extend = shift.Contains(ssShift) && FOptions.Contains(goRangeSelect);
    bool ctrl = shift.Contains(ssCtrl);
    int col = FCurrent.X, row = FCurrent.Y;
    int page = std::max(VisibleRowCount(), 1);
    switch (key) {
        case VK_UP:
            --row;
            break;
        case VK_DOWN:
            ++row;
            break;
        case VK_LEFT:
            --col;
            break;
        case VK_RIGHT:
            ++col;
            break;
        case VK_PRIOR:
            row -= page;
            break;
        case VK_NEXT:
            row += page;
            break;
        case VK_HOME:
            col = FFixedCols;
            if (ctrl) row = FFixedRows;
            break;
        case VK_END:
            col = ColCount() - 1;
            if (ctrl) row = RowCount() - 1;
            break;
        case VK_TAB:
            if (!FOptions.Contains(goTabs)) return;
            extend = false;
            if (shift.Contains(ssShift)) {
                if (--col < FFixedCols) {
                    col = ColCount() - 1;
                    if (--row < FFixedRows) row = RowCount() - 1;
                }
            } else if (++col >= ColCount()) {
                col = FFixedCols;
                if (++row >= RowCount()) row = FFixedRows;
            }
            key = 0;  // not the focus chain's
            break;
        case VK_F1 + 1:  // F2
            SetEditorMode(true);
            return;
        case VK_ESCAPE:
            if (FEditorMode && FEditor) {
                FEditor->setText(QString::fromStdString(FEditorOpenText));
                HideEditor();
            }
            return;
        default:
            return;
    }
    col = std::clamp(col, FFixedCols, ColCount() - 1);
    row = std::clamp(row, FFixedRows, RowCount() - 1);
    if (col != FCurrent.X || row != FCurrent.Y) MoveColRow(col, row, !extend, true);
}

void TCustomGrid::KeyPress(char& key) {
    TCustomControl::KeyPress(key);
    if (key == 0) return;
    // Enter opens and closes the editor where there is one to open (and it does not stay
    // open); elsewhere it is the form's.
    if (key == '\r' && !FOptions.Contains(goAlwaysShowEditor) && (FEditorMode || CanEditShow())) {
        if (FEditorMode)
            HideEditor();
        else
            ShowEditor();
        key = 0;
    } else if (!FEditorMode && (static_cast<unsigned char>(key) >= 32 || key == '\b') &&
               CanEditShow() && CanEditModify() && CanEditAcceptKey(key)) {
        ShowEditorChar(key);
        key = 0;
    }
}

void TCustomGrid::DoExit() {
    TCustomControl::DoExit();
    if (!FOptions.Contains(goAlwaysShowEditor)) HideEditor();
    Invalidate();
}

void TCustomGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft && !SizingMouseDown(x, y)) {
        TGridCoord cell = MouseCoord(x, y);
        if (cell.X >= FFixedCols && cell.Y >= FFixedRows) {
            if (cell == FCurrent && !shift.Contains(ssDouble) && !FEditorMode &&
                FOptions.Contains(goEditing)) {
                ShowEditor();
            } else {
                bool extend = shift.Contains(ssShift) && FOptions.Contains(goRangeSelect);
                MoveColRow(cell.X, cell.Y, !extend, true);
                FSelecting = FOptions.Contains(goRangeSelect);
            }
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomGrid::MouseMove(TShiftState shift, int x, int y) {
    if (!SizingMouseMove(shift, x, y) && FSelecting && shift.Contains(ssLeft)) {
        TGridCoord cell = MouseCoord(x, y);
        if (cell.X >= FFixedCols && cell.Y >= FFixedRows && !(cell == FCurrent))
            MoveColRow(cell.X, cell.Y, false, true);
    }
    TCustomControl::MouseMove(shift, x, y);
}

void TCustomGrid::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        FSelecting = false;
        SizingMouseUp();
    }
    TCustomControl::MouseUp(button, shift, x, y);
}

// A notch moves the current row by one.
bool TCustomGrid::MouseWheel(TShiftState shift, int wheelDelta, int x, int y) {
    if (TCustomControl::MouseWheel(shift, wheelDelta, x, y)) return true;
    int row = std::clamp(FCurrent.Y + (wheelDelta < 0 ? 1 : -1), FFixedRows, RowCount() - 1);
    if (row != FCurrent.Y) MoveColRow(FCurrent.X, row, true, true);
    return true;
}
