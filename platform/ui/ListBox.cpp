#include "platform/ui/ListBox.h"

#include <QEvent>
#include <QFontMetrics>
#include <QListWidget>
#include <algorithm>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/FontEngine.h"

namespace {
QListWidget* List(QWidget* w) { return static_cast<QListWidget*>(w); }
}  // namespace

// The mouse works on the list's inner window: its events go to the control as its own.
class TListBox::TViewportFilter : public QObject {
public:
    TViewportFilter(TListBox* list, QObject* parent) : QObject(parent), FList(list) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (FList->ComponentState().Contains(csDestroying)) return false;
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseMove:
            case QEvent::Wheel:
            case QEvent::ContextMenu:
                return FList->ToolkitEvent(event);
            default:
                return false;
        }
    }

private:
    TListBox* FList;
};

TListBox::TListBox(TComponent* owner)
    : TWinControl(owner, new QListWidget),
      FItems(std::make_unique<TStringList>()),
      FItemBitmap(std::make_unique<TBitmap>()) {
    QListWidget* list = List(Widget());
    list->setItemDelegate(NewOwnerDrawDelegate(this, list));
    list->viewport()->installEventFilter(new TViewportFilter(this, list->viewport()));
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    FItems->OnChange = [this](TStrings*) { ItemsChanged(); };
    QObject::connect(list, &QListWidget::currentRowChanged, [this](int) {
        if (!FSyncing) Click();
    });
    SetColor(clWindow);
    SetBounds(0, 0, 121, 97);
}

TListBox::~TListBox() { FItems->OnChange = nullptr; }

void TListBox::ItemsChanged() {
    FSyncing = true;
    QListWidget* list = List(Widget());
    int row = list->currentRow();
    std::vector<bool> selected(size_t(list->count()));
    for (int i = 0; i < list->count(); ++i) selected[size_t(i)] = list->item(i)->isSelected();
    list->clear();
    for (int i = 0; i < FItems->Count(); ++i) list->addItem(QString::fromStdString(FItems->Get(i)));
    if (FMultiSelect) {
        // The marks stay on the positions they were at.
        for (int i = 0; i < list->count() && size_t(i) < selected.size(); ++i)
            list->item(i)->setSelected(selected[size_t(i)]);
        if (row < list->count())
            list->selectionModel()->setCurrentIndex(list->model()->index(row, 0),
                                                    QItemSelectionModel::NoUpdate);
    } else {
        list->setCurrentRow(row < list->count() ? row : -1);
    }
    FSyncing = false;
}

int TListBox::ItemIndex() const { return List(Widget())->currentRow(); }

void TListBox::SetItemIndex(int value) {
    if (value < -1 || value >= FItems->Count()) return;
    FSyncing = true;
    QListWidget* list = List(Widget());
    if (FMultiSelect)
        list->selectionModel()->setCurrentIndex(list->model()->index(value, 0),
                                                QItemSelectionModel::NoUpdate);
    else
        list->setCurrentRow(value);
    FSyncing = false;
}

void TListBox::SetMultiSelect(bool value) {
    if (value == FMultiSelect) return;
    FMultiSelect = value;
    UpdateSelectionMode();
}

void TListBox::SetExtendedSelect(bool value) {
    if (value == FExtendedSelect) return;
    FExtendedSelect = value;
    UpdateSelectionMode();
}

void TListBox::UpdateSelectionMode() {
    List(Widget())->setSelectionMode(!FMultiSelect     ? QAbstractItemView::SingleSelection
                                     : FExtendedSelect ? QAbstractItemView::ExtendedSelection
                                                       : QAbstractItemView::MultiSelection);
}

bool TListBox::Selected(int index) const {
    QListWidgetItem* item = List(Widget())->item(index);
    return item && item->isSelected();
}

void TListBox::SetSelected(int index, bool value) {
    QListWidgetItem* item = List(Widget())->item(index);
    if (!item) throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    FSyncing = true;
    if (!FMultiSelect && value) List(Widget())->setCurrentItem(item);
    item->setSelected(value);
    FSyncing = false;
}

int TListBox::SelCount() const {
    // A list of one choice has no count of selected items.
    if (!FMultiSelect) return -1;
    return int(List(Widget())->selectedItems().size());
}

void TListBox::SetStyle(TListBoxStyle value) {
    if (value == FStyle) return;
    FStyle = value;
    List(Widget())->setUniformItemSizes(value == lbOwnerDrawFixed);
    List(Widget())->doItemsLayout();
}

int TListBox::ItemHeight() const {
    if (FStyle != lbStandard) return FItemHeight;
    return QFontMetrics(ToolkitFont(*Font())).height();
}

void TListBox::SetItemHeight(int value) {
    if (value <= 0 || value == FItemHeight) return;
    FItemHeight = value;
    if (FStyle != lbStandard) List(Widget())->doItemsLayout();
}

TCanvas* TListBox::Canvas() { return FItemBitmap->Canvas(); }

int TListBox::MeasureItem(int index) {
    int height = FItemHeight;
    if (FStyle == lbOwnerDrawVariable) MeasureItem(index, height);
    return height;
}

void TListBox::MeasureItem(int index, int& height) {
    if (OnMeasureItem) Fire([&] { OnMeasureItem(this, index, height); });
}

TBitmap& TListBox::DrawItemImage(int index, const TRect& rect, TOwnerDrawState state) {
    EnsureItemBitmap(*FItemBitmap, rect.Right, rect.Bottom);
    if (!Enabled()) state.Include(odDisabled);
    PrepareItemCanvas(*FItemBitmap->Canvas(), *Font(), Color(), state);
    Fire([&] { DrawItem(index, rect, state); });
    return *FItemBitmap;
}

void TListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state) {
    if (OnDrawItem)
        OnDrawItem(this, index, rect, state);
    else
        DefaultDrawItem(*Canvas(), rect, FItems->Get(index));
}

TRect TListBox::ClientRect() const {
    QWidget* viewport = List(Widget())->viewport();
    return Rect(0, 0, viewport->width(), viewport->height());
}

int TListBox::ItemAtPos(TPoint pos, bool existing) const {
    const TRect client = ClientRect();
    if (pos.X < client.Left || pos.Y < client.Top || pos.X >= client.Right ||
        pos.Y >= client.Bottom)
        return -1;
    QModelIndex index = List(Widget())->indexAt(QPoint(pos.X, pos.Y));
    if (index.isValid()) return index.row();
    return existing ? -1 : Count();
}

TRect TListBox::ItemRect(int index) const {
    QListWidget* list = List(Widget());
    QListWidgetItem* item = list->item(index);
    if (!item) return TRect{};
    QRect r = list->visualItemRect(item);
    return Rect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
}

int TListBox::TopIndex() const {
    QModelIndex index = List(Widget())->indexAt(QPoint(0, 0));
    return index.isValid() ? index.row() : 0;
}

void TListBox::SetTopIndex(int value) {
    QListWidget* list = List(Widget());
    QListWidgetItem* item = list->item(std::clamp(value, 0, std::max(list->count() - 1, 0)));
    if (item) list->scrollToItem(item, QAbstractItemView::PositionAtTop);
}
