#include "platform/ui/TreeView.h"

#include <QApplication>
#include <QHeaderView>
#include <QTreeWidget>
#include <algorithm>
#include <functional>

#include "platform/classes/Publisher.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Strings.h"

namespace {
// A tree that asks its view before editing a label and can hide its expand buttons.
class TTreeWidget : public QTreeWidget {
public:
    std::function<bool(QTreeWidgetItem*)> CanEdit;
    bool ShowButtons = true;

    QTreeWidgetItem* ItemOf(const QModelIndex& index) const { return itemFromIndex(index); }

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override {
        if (trigger != NoEditTriggers && !(editTriggers() & trigger)) return false;
        if (trigger != NoEditTriggers && CanEdit && !CanEdit(itemFromIndex(index))) return false;
        return QTreeWidget::edit(index, trigger, event);
    }
    void drawBranches(QPainter* painter, const QRect& rect,
                      const QModelIndex& index) const override {
        if (ShowButtons) QTreeWidget::drawBranches(painter, rect, index);
    }
};

TTreeWidget* Tree(QWidget* w) { return static_cast<TTreeWidget*>(w); }

TTreeNode* NodeOf(QTreeWidgetItem* item) {
    return item ? reinterpret_cast<TTreeNode*>(item->data(0, Qt::UserRole).value<quintptr>())
                : nullptr;
}

[[noreturn]] void IndexError(int index) { throw EListError(Format(SListIndexError, {index})); }

// Counts up and down around changes of our own making.
class TQuiet {
public:
    explicit TQuiet(int& count) : FCount(count) { ++FCount; }
    ~TQuiet() { --FCount; }
    TQuiet(const TQuiet&) = delete;
    TQuiet& operator=(const TQuiet&) = delete;

private:
    int& FCount;
};

}  // namespace

// ---------------------------------------------------------------------------------------------
// TTreeNode

TTreeNode::TTreeNode(TTreeNodes* owner, TTreeNode* parent, const std::string& text, void* data)
    : FOwner(owner), FParent(parent), FText(text), FData(data), FItem(new QTreeWidgetItem) {
    FItem->setText(0, QString::fromStdString(text));
    FItem->setData(0, Qt::UserRole, QVariant::fromValue(quintptr(this)));
    FItem->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable);
}

// The rows belong to the view, which frees them with their parents or with itself.
TTreeNode::~TTreeNode() = default;

TTreeView* TTreeNode::TreeView() const { return FOwner->Owner(); }

std::vector<std::unique_ptr<TTreeNode>>& TTreeNode::Siblings() const {
    return FOwner->ChildList(FParent);
}

void TTreeNode::SetText(const std::string& value) {
    if (value == FText) return;
    FText = value;
    TQuiet quiet(TreeView()->FQuiet);
    FItem->setText(0, QString::fromStdString(value));
}

TTreeNode* TTreeNode::Item(int index) const {
    if (index < 0 || index >= Count()) IndexError(index);
    return FChildren[size_t(index)].get();
}

int TTreeNode::Index() const {
    const auto& siblings = Siblings();
    for (size_t i = 0; i < siblings.size(); ++i)
        if (siblings[i].get() == this) return int(i);
    return -1;
}

int TTreeNode::Level() const { return FParent ? FParent->Level() + 1 : 0; }

TTreeNode* TTreeNode::GetNextSibling() const {
    const auto& siblings = Siblings();
    const int i = Index() + 1;
    return i < int(siblings.size()) ? siblings[size_t(i)].get() : nullptr;
}

TTreeNode* TTreeNode::GetPrevSibling() const {
    const int i = Index();
    return i > 0 ? Siblings()[size_t(i - 1)].get() : nullptr;
}

TTreeNode* TTreeNode::GetNext() const {
    if (HasChildren()) return GetFirstChild();
    for (const TTreeNode* n = this; n; n = n->FParent)
        if (TTreeNode* next = n->GetNextSibling()) return next;
    return nullptr;
}

bool TTreeNode::Expanded() const { return FItem->isExpanded(); }

void TTreeNode::SetExpanded(bool value) { TreeView()->ExpandNode(this, value, false); }

void TTreeNode::Expand(bool recurse) {
    SetExpanded(true);
    if (recurse)
        for (auto& child : FChildren) child->Expand(true);
}

void TTreeNode::Collapse(bool recurse) {
    SetExpanded(false);
    if (recurse)
        for (auto& child : FChildren) child->Collapse(true);
}

bool TTreeNode::Selected() const { return TreeView()->Selected() == this; }

void TTreeNode::SetSelected(bool value) {
    if (value)
        TreeView()->SetSelected(this);
    else if (Selected())
        TreeView()->SetSelected(nullptr);
}

void TTreeNode::MakeVisible() {
    TQuiet quiet(TreeView()->FQuiet);
    for (TTreeNode* p = FParent; p; p = p->FParent) p->FItem->setExpanded(true);
    Tree(TreeView()->Widget())->scrollToItem(FItem);
}

void TTreeNode::DeleteChildren() {
    while (!FChildren.empty()) FChildren.back()->Delete();
}

void TTreeNode::Delete() {
    TTreeView* view = TreeView();
    view->NodeDeleting(this);
    {
        TQuiet quiet(view->FQuiet);
        delete FItem;  // and the rows under it
        view->ShowSelected();
    }
    auto& siblings = Siblings();
    auto it = std::find_if(siblings.begin(), siblings.end(),
                           [this](const auto& p) { return p.get() == this; });
    siblings.erase(it);  // frees this node and its children
}

// ---------------------------------------------------------------------------------------------
// TTreeNodes

TTreeNodes::TTreeNodes(TTreeView* view) : FView(view) {}
TTreeNodes::~TTreeNodes() = default;

TTreeNode* TTreeNodes::InsertNode(TTreeNode* parent, int position, const std::string& text,
                                  void* data) {
    auto& list = ChildList(parent);
    auto* node = new TTreeNode(this, parent, text, data);
    list.insert(list.begin() + position, std::unique_ptr<TTreeNode>(node));
    TQuiet quiet(FView->FQuiet);
    if (parent)
        parent->FItem->insertChild(position, node->FItem);
    else
        Tree(FView->Widget())->insertTopLevelItem(position, node->FItem);
    return node;
}

TTreeNode* TTreeNodes::AddObject(TTreeNode* sibling, const std::string& text, void* data) {
    TTreeNode* parent = sibling ? sibling->Parent() : nullptr;
    return InsertNode(parent, int(ChildList(parent).size()), text, data);
}

TTreeNode* TTreeNodes::AddFirst(TTreeNode* sibling, const std::string& text) {
    return InsertNode(sibling ? sibling->Parent() : nullptr, 0, text, nullptr);
}

TTreeNode* TTreeNodes::Insert(TTreeNode* sibling, const std::string& text) {
    if (!sibling) return Add(nullptr, text);
    return InsertNode(sibling->Parent(), sibling->Index(), text, nullptr);
}

TTreeNode* TTreeNodes::AddChildObject(TTreeNode* parent, const std::string& text, void* data) {
    return InsertNode(parent, int(ChildList(parent).size()), text, data);
}

void TTreeNodes::Clear() {
    FView->FSelected = nullptr;
    {
        TQuiet quiet(FView->FQuiet);
        Tree(FView->Widget())->clear();
    }
    FRoots.clear();
}

int TTreeNodes::Count() const {
    int count = 0;
    for (TTreeNode* n = GetFirstNode(); n; n = n->GetNext()) ++count;
    return count;
}

TTreeNode* TTreeNodes::Item(int index) const {
    if (index >= 0) {
        int i = 0;
        for (TTreeNode* n = GetFirstNode(); n; n = n->GetNext(), ++i)
            if (i == index) return n;
    }
    IndexError(index);
}

void TTreeNodes::BeginUpdate() {
    if (FUpdateCount++ == 0) FView->Widget()->setUpdatesEnabled(false);
}

void TTreeNodes::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0) FView->Widget()->setUpdatesEnabled(true);
}

// ---------------------------------------------------------------------------------------------
// TTreeView

void TTreeView::Publish(TPublisher<TTreeView>& p) {
    p.Color("Color", &TTreeView::Color, &TTreeView::SetColor).Default(clWindow);
    // Its own window colour: it does not take the parent's.
    p.Boolean("ParentColor", &TTreeView::ParentColor, &TTreeView::SetParentColor).Default(false);
    p.Boolean("HideSelection", &TTreeView::HideSelection, &TTreeView::SetHideSelection)
        .Default(true);
    p.Boolean("ReadOnly", &TTreeView::ReadOnly, &TTreeView::SetReadOnly).Default(false);
    p.Boolean("ShowButtons", &TTreeView::ShowButtons, &TTreeView::SetShowButtons).Default(true);
    p.Boolean("ShowLines", &TTreeView::ShowLines, &TTreeView::SetShowLines).Default(true);
    p.Boolean("ShowRoot", &TTreeView::ShowRoot, &TTreeView::SetShowRoot).Default(true);
}

TTreeView::TTreeView(TComponent* owner)
    : TWinControl(owner, new TTreeWidget), FItems(std::make_unique<TTreeNodes>(this)) {
    TTreeWidget* tree = Tree(Widget());
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->CanEdit = [this](QTreeWidgetItem* item) { return CanEdit(item); };
    QObject::connect(tree, &QTreeWidget::currentItemChanged,
                     [this](QTreeWidgetItem* item, QTreeWidgetItem*) { CurrentChanged(item); });
    QObject::connect(tree, &QTreeWidget::itemExpanded, [this](QTreeWidgetItem* item) {
        if (!FQuiet) ExpandNode(NodeOf(item), true, true);
    });
    QObject::connect(tree, &QTreeWidget::itemCollapsed, [this](QTreeWidgetItem* item) {
        if (!FQuiet) ExpandNode(NodeOf(item), false, true);
    });
    QObject::connect(tree, &QTreeWidget::itemChanged, [this](QTreeWidgetItem* item, int) {
        if (!FQuiet) LabelEdited(item);
    });
    SetReadOnly(false);
    SetHideSelection(true);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 97);
}

TTreeView::~TTreeView() {
    // The rows go with the widget; the nodes need not tell it.
    FSelected = nullptr;
}

void TTreeView::ShowSelected() {
    TQuiet quiet(FQuiet);
    QTreeWidget* tree = Tree(Widget());
    tree->setCurrentItem(FSelected ? FSelected->FItem : nullptr);
    if (!FSelected) tree->clearSelection();
}

void TTreeView::SetSelected(TTreeNode* node) {
    if (node == FSelected) return;
    bool allow = true;
    if (OnChanging) Fire([&] { OnChanging(this, node, allow); });
    if (allow) FSelected = node;
    ShowSelected();
    if (allow && OnChange) Fire([&] { OnChange(this, node); });
}

void TTreeView::CurrentChanged(QTreeWidgetItem* item) {
    if (FQuiet) return;
    SetSelected(NodeOf(item));
}

void TTreeView::ExpandNode(TTreeNode* node, bool expand, bool byUser) {
    if (!byUser && (node->Expanded() == expand || !node->HasChildren())) return;
    bool allow = true;
    if (expand && OnExpanding) Fire([&] { OnExpanding(this, node, allow); });
    if (!expand && OnCollapsing) Fire([&] { OnCollapsing(this, node, allow); });
    // The user's change is already on screen: a refusal takes it back.
    if (allow != byUser) {
        TQuiet quiet(FQuiet);
        node->FItem->setExpanded(byUser ? !expand : expand);
    }
    if (!allow) return;
    if (expand && OnExpanded) Fire([&] { OnExpanded(this, node); });
    if (!expand && OnCollapsed) Fire([&] { OnCollapsed(this, node); });
}

bool TTreeView::CanEdit(QTreeWidgetItem* item) {
    TTreeNode* node = NodeOf(item);
    if (FReadOnly || !node) return false;
    bool allow = true;
    if (OnEditing) Fire([&] { OnEditing(this, node, allow); });
    return allow;
}

void TTreeView::LabelEdited(QTreeWidgetItem* item) {
    TTreeNode* node = NodeOf(item);
    if (!node) return;
    std::string text = item->text(0).toStdString();
    if (OnEdited) Fire([&] { OnEdited(this, node, text); });
    node->FText = text;
    TQuiet quiet(FQuiet);
    item->setText(0, QString::fromStdString(text));
}

void TTreeView::NodeDeleting(TTreeNode* node) {
    for (TTreeNode* n = FSelected; n; n = n->Parent())
        if (n == node) {
            FSelected = nullptr;
            return;
        }
}

void TTreeView::SetReadOnly(bool value) {
    FReadOnly = value;
    Tree(Widget())->setEditTriggers(value ? QAbstractItemView::NoEditTriggers
                                          : QAbstractItemView::EditKeyPressed |
                                                QAbstractItemView::SelectedClicked);
}

void TTreeView::SetHideSelection(bool value) {
    FHideSelection = value;
    QWidget* tree = Widget();
    QPalette palette = tree->palette();
    const QPalette standard = QApplication::palette(tree);
    // Without the focus a hidden selection looks like any other row.
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     standard.color(value ? QPalette::Base : QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     standard.color(value ? QPalette::Text : QPalette::HighlightedText));
    tree->setPalette(palette);
}

void TTreeView::SetShowRoot(bool value) {
    FShowRoot = value;
    Tree(Widget())->setRootIsDecorated(value);
}

void TTreeView::SetShowButtons(bool value) {
    FShowButtons = value;
    Tree(Widget())->ShowButtons = value;
    Widget()->update();
}
