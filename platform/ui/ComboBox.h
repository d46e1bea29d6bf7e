#pragma once
// Lists to choose from. TComboBox: a drop-down list (csDropDownList) or an edit with one
// (csDropDown); OnChange follows the user's choice or typing, not changes from code. It shows
// Items as they change. (TListBox is in ListBox.h.)
#include <memory>

#include "platform/rtl/StringList.h"
#include "platform/ui/Control.h"
#include "platform/ui/ListBox.h"

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };

class TComboBox : public TWinControl {
    KV_DECLARE_CLASS(TComboBox, TWinControl)
public:
    explicit TComboBox(TComponent* owner);
    ~TComboBox() override;

    TStrings* Items() const { return FItems.get(); }
    void SetItems(const TStrings& value) { FItems->Assign(value); }
    int ItemIndex() const;
    // -1 clears the choice; other values outside the items are ignored.
    void SetItemIndex(int value);
    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle value);
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int value);

    TNotifyEvent OnChange;

protected:
    const std::string& GetText() const override;
    void TextChanged() override;

private:
    void ItemsChanged();
    std::unique_ptr<TStringList> FItems;
    TComboBoxStyle FStyle = csDropDown;
    int FDropDownCount = 8;
    bool FSyncing = false;
    mutable std::string FTextCache;
};
