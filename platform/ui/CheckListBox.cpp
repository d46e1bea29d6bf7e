#include "platform/ui/CheckListBox.h"

#include <QListWidget>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <functional>

#include "platform/classes/Publisher.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"

namespace {
// A list that offers each press to its control first and tells where an item's box is.
class TCheckListWidget : public QListWidget {
public:
    std::function<bool(int x, int y)> OnPress;

    QRect BoxRect(QListWidgetItem* item) const {
        QStyleOptionViewItem option;
        initViewItemOption(&option);
        option.rect = visualItemRect(item);
        option.features |= QStyleOptionViewItem::HasCheckIndicator;
        return style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, this);
    }

protected:
    void mousePressEvent(QMouseEvent* e) override {
        const QPoint p = e->position().toPoint();
        if (e->button() == Qt::LeftButton && OnPress && OnPress(p.x(), p.y())) return;
        QListWidget::mousePressEvent(e);
    }
};

TCheckListWidget* List(QWidget* w) { return static_cast<TCheckListWidget*>(w); }

Qt::CheckState ToolkitState(TCheckBoxState state) {
    return state == cbChecked  ? Qt::Checked
           : state == cbGrayed ? Qt::PartiallyChecked
                               : Qt::Unchecked;
}
}  // namespace

void TCheckListBox::Publish(TPublisher<TCheckListBox>& p) {
    p.Color("Color", &TCheckListBox::Color, &TCheckListBox::SetColor).Default(clWindow);
    // Its own window colour: it does not take the parent's.
    p.Boolean("ParentColor", &TCheckListBox::ParentColor, &TCheckListBox::SetParentColor)
        .Default(false);
    p.Boolean("AllowGrayed", &TCheckListBox::AllowGrayed, &TCheckListBox::SetAllowGrayed)
        .Default(false);
}

TCheckListBox::TCheckListBox(TComponent* owner)
    : TWinControl(owner, new TCheckListWidget), FItems(std::make_unique<TStringList>()) {
    TCheckListWidget* list = List(Widget());
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->OnPress = [this](int x, int y) { return BoxPressed(x, y); };
    // The clicks land on the list's viewport, which reports them itself.
    QObject::connect(list, &QListWidget::itemClicked, [this](QListWidgetItem*) { Click(); });
    FItems->OnChange = [this](TStrings*) { ItemsChanged(); };
    SetColor(clWindow);
    SetBounds(0, 0, 121, 97);
}

TCheckListBox::~TCheckListBox() = default;

void TCheckListBox::ItemsChanged() {
    // Each new line takes the state of the first old row with its text not yet taken, so
    // added, inserted, deleted and moved lines leave the others' checks alone.
    std::vector<TRow> rows;
    std::vector<bool> taken(FRows.size(), false);
    for (int i = 0; i < FItems->Count(); ++i) {
        TRow row{FItems->Get(i)};
        for (size_t j = 0; j < FRows.size(); ++j)
            if (!taken[j] && FRows[j].text == row.text) {
                row = FRows[j];
                taken[j] = true;
                break;
            }
        rows.push_back(row);
    }
    FRows = std::move(rows);
    QListWidget* list = List(Widget());
    const int current = list->currentRow();
    list->clear();
    for (int i = 0; i < int(FRows.size()); ++i) {
        list->addItem(QString::fromStdString(FRows[size_t(i)].text));
        ShowRow(i);
    }
    if (current < Count()) list->setCurrentRow(current);
}

void TCheckListBox::ShowRow(int index) {
    const TRow& row = FRows[size_t(index)];
    QListWidgetItem* item = List(Widget())->item(index);
    item->setData(Qt::CheckStateRole, ToolkitState(row.state));
    // The box is ours to toggle: the toolkit's own toggling stays off.
    Qt::ItemFlags flags = Qt::ItemIsSelectable;
    if (row.enabled) flags |= Qt::ItemIsEnabled;
    item->setFlags(flags);
}

const TCheckListBox::TRow& TCheckListBox::RowAt(int index) const {
    if (index < 0 || index >= int(FRows.size())) throw EListError(Format(SListIndexError, {index}));
    return FRows[size_t(index)];
}

int TCheckListBox::ItemIndex() const { return List(Widget())->currentRow(); }

void TCheckListBox::SetItemIndex(int value) {
    List(Widget())->setCurrentRow(std::clamp(value, -1, Count() - 1));
}

int TCheckListBox::ItemAtPos(TPoint pos) const {
    QListWidget* list = List(Widget());
    QListWidgetItem* item = list->itemAt(list->viewport()->mapFrom(list, QPoint(pos.X, pos.Y)));
    return item ? list->row(item) : -1;
}

TCheckBoxState TCheckListBox::State(int index) const { return RowAt(index).state; }

void TCheckListBox::SetState(int index, TCheckBoxState value) {
    RowAt(index);
    FRows[size_t(index)].state = value;
    ShowRow(index);
}

bool TCheckListBox::ItemEnabled(int index) const { return RowAt(index).enabled; }

void TCheckListBox::SetItemEnabled(int index, bool value) {
    RowAt(index);
    FRows[size_t(index)].enabled = value;
    ShowRow(index);
}

void TCheckListBox::ToggleByUser(int index) {
    TRow& row = FRows[size_t(index)];
    if (!row.enabled) return;
    switch (row.state) {
        case cbUnchecked:
            row.state = FAllowGrayed ? cbGrayed : cbChecked;
            break;
        case cbGrayed:
            row.state = cbChecked;
            break;
        case cbChecked:
            row.state = cbUnchecked;
            break;
    }
    ShowRow(index);
    if (OnClickCheck) Fire([this] { OnClickCheck(this); });
}

bool TCheckListBox::BoxPressed(int x, int y) {
    TCheckListWidget* list = List(Widget());
    QListWidgetItem* item = list->itemAt(x, y);
    if (!item || !list->BoxRect(item).contains(x, y)) return false;
    const int index = list->row(item);
    if (!FRows[size_t(index)].enabled) return true;
    list->setCurrentRow(index);
    ToggleByUser(index);
    return true;
}

void TCheckListBox::KeyDown(int& key, TShiftState shift) {
    TWinControl::KeyDown(key, shift);
    if (key != VK_SPACE || ItemIndex() < 0) return;
    ToggleByUser(ItemIndex());
    key = 0;
}
