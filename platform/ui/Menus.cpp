#include "platform/ui/Menus.h"

#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <algorithm>
#include <map>

#include "platform/ui/Application.h"
#include "platform/ui/Control.h"
#include "platform/ui/ToolkitInput.h"

namespace {
// The toolkit key of a virtual key code: the first key that VirtualKeyOf maps to it.
int ToolkitKeyOf(int virtualKey) {
    if (virtualKey == 0) return 0;
    for (int key = 0x20; key < 0x7F; ++key)
        if (VirtualKeyOf(key) == virtualKey) return key;
    for (int key = Qt::Key_Escape; key < Qt::Key_Escape + 0x100; ++key)
        if (VirtualKeyOf(key) == virtualKey) return key;
    return 0;
}

QKeySequence KeySequenceOf(TShortCut shortCut) {
    int key = ToolkitKeyOf(shortCut & 0xFF);
    if (!key) return {};
    int modifiers = 0;
    if (shortCut & scShift) modifiers |= Qt::ShiftModifier;
    if (shortCut & scCtrl) modifiers |= Qt::ControlModifier;
    if (shortCut & scAlt) modifiers |= Qt::AltModifier;
    return QKeySequence(key | modifiers);
}
}  // namespace

TShortCut ShortCut(int key, TShiftState shift) {
    TShortCut result = TShortCut(key & 0xFF);
    if (shift.Contains(ssShift)) result |= scShift;
    if (shift.Contains(ssCtrl)) result |= scCtrl;
    if (shift.Contains(ssAlt)) result |= scAlt;
    return result;
}

std::string ShortCutToText(TShortCut shortCut) {
    return KeySequenceOf(shortCut).toString(QKeySequence::PortableText).toStdString();
}

// ---------------------------------------------------------------------------------------------
// TMenuItem

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
    Destroying();
    Clear();
    if (FParent) FParent->Remove(this);
}

void TMenuItem::SetChecked(bool value) {
    FChecked = value;
    if (!value || !FRadioItem || !FParent) return;
    for (TMenuItem* sibling : FParent->FItems)
        if (sibling != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex)
            sibling->FChecked = false;
}

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (!item || item == this || item->Contains(this)) return;
    if (item->FParent) item->FParent->Remove(item);
    index = std::clamp(index, 0, Count());
    FItems.insert(FItems.begin() + index, item);
    item->FParent = this;
}

void TMenuItem::Remove(TMenuItem* item) {
    auto it = std::find(FItems.begin(), FItems.end(), item);
    if (it == FItems.end()) return;
    FItems.erase(it);
    item->FParent = nullptr;
}

void TMenuItem::Delete(int index) { TObject::Free(Items(index)); }

void TMenuItem::Clear() {
    while (!FItems.empty()) TObject::Free(FItems.back());
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : int(it - FItems.begin());
}

int TMenuItem::MenuIndex() const { return FParent ? FParent->IndexOf(this) : -1; }

void TMenuItem::SetMenuIndex(int value) {
    if (!FParent) return;
    TMenuItem* parent = FParent;
    parent->Remove(this);
    parent->Insert(value, this);
}

bool TMenuItem::Contains(const TMenuItem* item) const {
    if (item == this) return true;
    return std::any_of(FItems.begin(), FItems.end(),
                       [item](const TMenuItem* i) { return i->Contains(item); });
}

TMenuItem* TMenuItem::FindShortCut(TShortCut shortCut) {
    if (!FEnabled || !FVisible) return nullptr;
    if (FShortCut == shortCut && FItems.empty()) return this;
    for (TMenuItem* item : FItems)
        if (TMenuItem* found = item->FindShortCut(shortCut)) return found;
    return nullptr;
}

void TMenuItem::Click() {
    if (!FEnabled) return;
    if (FAutoCheck) SetChecked(FRadioItem || !FChecked);
    if (OnClick) DispatchEvent([this] { OnClick(this); });
}

// ---------------------------------------------------------------------------------------------
// TPopupMenu

TPopupMenu::TPopupMenu(TComponent* owner)
    : TComponent(owner), FItems(std::make_unique<TMenuItem>(nullptr)) {}

TPopupMenu::~TPopupMenu() {
    Destroying();
    if (!FMenu) return;
    // The menu may be the one whose item is being chosen: it goes when the toolkit is done
    // with it, and nothing chosen in it reaches the freed items.
    FMenu->hide();
    for (QAction* action : FMenu->findChildren<QAction*>())
        QObject::disconnect(action, nullptr, nullptr, nullptr);
    FMenu->deleteLater();
}

void TPopupMenu::SetPopupComponent(TControl* value) {
    if (FPopupComponent) FPopupComponent->RemoveFreeNotification(this);
    FPopupComponent = value;
    if (value) value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component == FPopupComponent) FPopupComponent = nullptr;
    TComponent::Notification(component, operation);
}

void TPopupMenu::Build(QMenu* menu, TMenuItem* parent) {
    std::map<int, QActionGroup*> radioGroups;
    for (int i = 0; i < parent->Count(); ++i) {
        TMenuItem* item = parent->Items(i);
        if (!item->Visible()) continue;
        if (item->IsLine()) {
            menu->addSeparator();
            continue;
        }
        QString caption = QString::fromStdString(item->Caption());
        if (item->Count() > 0) {
            QMenu* sub = menu->addMenu(caption);
            sub->setEnabled(item->Enabled());
            Build(sub, item);
            continue;
        }
        QAction* action = menu->addAction(caption);
        action->setEnabled(item->Enabled());
        action->setShortcut(KeySequenceOf(item->ShortCut()));
        action->setCheckable(item->Checked() || item->RadioItem() || item->AutoCheck());
        action->setChecked(item->Checked());
        if (item->RadioItem()) {
            QActionGroup*& group = radioGroups[item->GroupIndex()];
            if (!group) group = new QActionGroup(menu);
            group->addAction(action);
        }
        // The item may have left the tree (or been freed) while the menu showed.
        QObject::connect(action, &QAction::triggered, [this, item] {
            if (FItems->Contains(item)) item->Click();
        });
    }
}

void TPopupMenu::Popup(int x, int y) {
    if (OnPopup) DispatchEvent([this] { OnPopup(this); });
    if (FMenu) {
        FMenu->hide();
        FMenu->deleteLater();
    }
    FMenu = new QMenu;
    FMenu->setAttribute(Qt::WA_DeleteOnClose, false);
    Build(FMenu, FItems.get());
    FMenu->popup(QPoint(x, y));
}

bool TPopupMenu::Showing() const { return FMenu && FMenu->isVisible(); }

bool TPopupMenu::IsShortCut(int key, TShiftState shift) {
    TMenuItem* item = FItems->FindShortCut(ShortCut(key, shift));
    if (!item || item == FItems.get()) return false;
    item->Click();
    return true;
}
