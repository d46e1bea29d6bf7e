// The owner-drawn styles of the combo box: its drop-down list and its face drawn by the owner.
#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/ui/ComboBox.h"

namespace {
QComboBox* OwnerDrawCombo(QWidget* w) { return static_cast<QComboBox*>(w); }
}  // namespace

bool TComboBox::OwnerDraws() const {
    return FStyle == csOwnerDrawFixed || FStyle == csOwnerDrawVariable;
}

void TComboBox::ApplyOwnerDraw() {
    QComboBox* combo = OwnerDrawCombo(Widget());
    if (!FOwnerDelegate) {
        FToolkitDelegate = combo->itemDelegate();
        FOwnerDelegate = NewOwnerDrawDelegate(this, combo);
    }
    if (OwnerDraws()) combo->setEditable(false);
    combo->setItemDelegate(OwnerDraws() ? FOwnerDelegate : FToolkitDelegate);
    combo->update();
}

void TComboBox::SetItemHeight(int value) {
    if (value <= 0 || value == FItemHeight) return;
    FItemHeight = value;
    OwnerDrawCombo(Widget())->view()->doItemsLayout();
}

TCanvas* TComboBox::Canvas() {
    if (!FItemBitmap) FItemBitmap = std::make_unique<TBitmap>();
    return FItemBitmap->Canvas();
}

int TComboBox::MeasureItem(int index) {
    int height = FItemHeight;
    if (FStyle == csOwnerDrawVariable) MeasureItem(index, height);
    return height;
}

void TComboBox::MeasureItem(int index, int& height) {
    if (OnMeasureItem) Fire([&] { OnMeasureItem(this, index, height); });
}

TBitmap& TComboBox::DrawItemImage(int index, const TRect& rect, TOwnerDrawState state) {
    Canvas();
    EnsureItemBitmap(*FItemBitmap, rect.Right, rect.Bottom);
    if (!Enabled()) state.Include(odDisabled);
    PrepareItemCanvas(*FItemBitmap->Canvas(), *Font(), Color(), state);
    // The face without a choice is only filled: no item to hand the owner.
    if (index < 0)
        FItemBitmap->Canvas()->FillRect(rect);
    else
        Fire([&] { DrawItem(index, rect, state); });
    return *FItemBitmap;
}

void TComboBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
    if (OnDrawItem)
        OnDrawItem(this, index, rect, state);
    else
        DefaultDrawItem(*Canvas(), rect, FItems->Get(index));
}

// The toolkit's frame and arrow, then the owner's picture of the chosen item in the field.
void TComboBox::PaintFace() {
    QComboBox* combo = OwnerDrawCombo(Widget());
    QStylePainter painter(combo);
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = false;
    option.frame = combo->hasFrame();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, combo);
    TOwnerDrawState state{odComboBoxEdit};
    if (combo->hasFocus()) state = state + TOwnerDrawState{odSelected, odFocused};
    const TRect rect =
        Rect(field.left(), field.top(), field.left() + field.width(), field.top() + field.height());
    TBitmap& bitmap = DrawItemImage(ItemIndex(), rect, state);
    painter.drawImage(field, bitmap.Image(), field);
}

bool TComboBox::ToolkitEvent(QEvent* event) {
    if (event->type() == QEvent::Paint && OwnerDraws()) {
        PaintFace();
        return true;
    }
    return TWinControl::ToolkitEvent(event);
}
