#include "platform/ui/OwnerDraw.h"

#include <QPainter>
#include <QStyledItemDelegate>
#include <algorithm>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Font.h"

TOwnerDrawList::~TOwnerDrawList() = default;

namespace {
class TOwnerDrawDelegate : public QStyledItemDelegate {
public:
    TOwnerDrawDelegate(TOwnerDrawList* list, QObject* parent)
        : QStyledItemDelegate(parent), FList(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (!FList->OwnerDraws()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        const QRect& q = option.rect;
        TOwnerDrawState state;
        if (option.state & QStyle::State_Selected) state.Include(odSelected);
        if (option.state & QStyle::State_HasFocus) state.Include(odFocused);
        if (!(option.state & QStyle::State_Enabled)) state.Include(odDisabled);
        TRect rect = Rect(q.left(), q.top(), q.left() + q.width(), q.top() + q.height());
        TBitmap& bitmap = FList->DrawItemImage(index.row(), rect, state);
        painter->drawImage(q, bitmap.Image(), q);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (FList->OwnerDraws()) size.setHeight(FList->MeasureItem(index.row()));
        return size;
    }

private:
    TOwnerDrawList* FList;
};
}  // namespace

QAbstractItemDelegate* NewOwnerDrawDelegate(TOwnerDrawList* list, QObject* parent) {
    return new TOwnerDrawDelegate(list, parent);
}

void PrepareItemCanvas(TCanvas& canvas, const TFont& font, TColor color, TOwnerDrawState state) {
    canvas.SetFont(&font);
    canvas.Brush()->SetStyle(bsSolid);
    if (state.Contains(odSelected)) {
        canvas.Brush()->SetColor(clHighlight);
        canvas.Font()->SetColor(clHighlightText);
    } else {
        canvas.Brush()->SetColor(color);
    }
}

void DefaultDrawItem(TCanvas& canvas, const TRect& rect, const std::string& text) {
    canvas.FillRect(rect);
    canvas.TextOut(rect.Left + 2, rect.Top, text);
}

void EnsureItemBitmap(TBitmap& bitmap, int width, int height) {
    if (bitmap.Width() >= width && bitmap.Height() >= height) return;
    bitmap.SetSize(std::max(bitmap.Width(), width), std::max(bitmap.Height(), height));
}
