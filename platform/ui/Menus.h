#pragma once
// Menus: TMenuItem is one command (or a separator, captioned "-") with the items of its
// submenu; TPopupMenu shows a tree of them at a screen point, and a control whose PopupMenu it
// is opens it on a right click. The menu is made anew from the items each time it pops up, so
// changes to captions, checks and visibility show the next time.
//
// Popup returns at once; the chosen item's OnClick runs when the user picks it.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/ui/ControlTypes.h"

class QMenu;
class TControl;

// A key with its modifiers: the virtual key code in the low byte.
using TShortCut = uint16_t;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;
inline constexpr TShortCut scNone = 0;

TShortCut ShortCut(int key, TShiftState shift);
// "Ctrl+Shift+A", "F2", "Del"; "" for scNone.
std::string ShortCutToText(TShortCut shortCut);

class TMenuItem : public TComponent {
    KV_DECLARE_CLASS(TMenuItem, TComponent)
public:
    explicit TMenuItem(TComponent* owner);
    // Frees the items of its submenu and leaves the menu it is in.
    ~TMenuItem() override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& value) { FCaption = value; }
    bool IsLine() const { return FCaption == "-"; }
    // Checking a radio item unchecks the radio items of its group among its siblings.
    bool Checked() const { return FChecked; }
    void SetChecked(bool value);
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool value) { FRadioItem = value; }
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value) { FGroupIndex = value; }
    // A click checks the item (a radio item) or turns its check over (another item).
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool value) { FAutoCheck = value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { FEnabled = value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { FVisible = value; }
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut value) { FShortCut = value; }

    // --- The submenu. An item is in one menu at a time: adding it takes it out of another.
    int Count() const { return int(FItems.size()); }
    TMenuItem* Items(int index) const { return FItems.at(size_t(index)); }
    TMenuItem* Parent() const { return FParent; }
    void Add(TMenuItem* item) { Insert(Count(), item); }
    void Insert(int index, TMenuItem* item);
    // Takes item out of the submenu without freeing it.
    void Remove(TMenuItem* item);
    // Frees the item at index / every item.
    void Delete(int index);
    void Clear();
    int IndexOf(const TMenuItem* item) const;
    // The position among its siblings; setting it moves the item.
    int MenuIndex() const;
    void SetMenuIndex(int value);
    // Whether item is this one or in its submenus.
    bool Contains(const TMenuItem* item) const;
    // The enabled, visible item of the tree with shortCut, or null.
    TMenuItem* FindShortCut(TShortCut shortCut);

    // What choosing the item does: AutoCheck, then OnClick (nothing when disabled).
    virtual void Click();

    TNotifyEvent OnClick;

private:
    std::string FCaption;
    bool FChecked = false;
    bool FRadioItem = false;
    int FGroupIndex = 0;
    bool FAutoCheck = false;
    bool FEnabled = true;
    bool FVisible = true;
    TShortCut FShortCut = scNone;
    std::vector<TMenuItem*> FItems;
    TMenuItem* FParent = nullptr;
};

class TPopupMenu : public TComponent {
    KV_DECLARE_CLASS(TPopupMenu, TComponent)
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;

    // The root of the tree: its submenu is the menu.
    TMenuItem* Items() const { return FItems.get(); }
    // Whether a right click on a control that has this menu opens it.
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool value) { FAutoPopup = value; }
    // The control the menu was last opened for by a right click.
    TControl* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TControl* value);

    // OnPopup, then the menu at the screen point (x, y).
    virtual void Popup(int x, int y);
    // Whether the menu shows now.
    bool Showing() const;
    // Clicks the item with the key's short cut, if any; true when there was one.
    bool IsShortCut(int key, TShiftState shift);

    TNotifyEvent OnPopup;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    void Build(QMenu* menu, TMenuItem* parent);
    std::unique_ptr<TMenuItem> FItems;
    bool FAutoPopup = true;
    TControl* FPopupComponent = nullptr;
    QMenu* FMenu = nullptr;
};
