#pragma once
// A list of items, each with a check box. A click on an item's box or Space on the current item
// toggles it (Unchecked, then Grayed when AllowGrayed, then Checked) and fires OnClickCheck; an
// item that is not ItemEnabled cannot be toggled. Checks set from code fire nothing. An item's
// state travels with it when Items change (added, inserted, deleted, moved lines). A click on an
// item's text makes it current and fires OnClick.
#include <memory>
#include <vector>

#include "platform/graphics/CheckGlyphs.h"  // TCheckBoxState, the state of an item's box
#include "platform/rtl/StringList.h"
#include "platform/ui/Control.h"

class TCheckListBox : public TWinControl {
    KV_DECLARE_CLASS(TCheckListBox, TWinControl)
public:
    explicit TCheckListBox(TComponent* owner);
    ~TCheckListBox() override;

    TStrings* Items() const { return FItems.get(); }
    void SetItems(const TStrings& value) { FItems->Assign(value); }
    int Count() const { return FItems->Count(); }
    // The current item, -1 for none; brought into -1..Count-1.
    int ItemIndex() const;
    void SetItemIndex(int value);
    // The item at a point of the client area, -1 for none.
    int ItemAtPos(TPoint pos) const;

    // Item index out of range raises EListError, as the Items would.
    bool Checked(int index) const { return State(index) == cbChecked; }
    void SetChecked(int index, bool value) { SetState(index, value ? cbChecked : cbUnchecked); }
    TCheckBoxState State(int index) const;
    void SetState(int index, TCheckBoxState value);
    bool ItemEnabled(int index) const;
    void SetItemEnabled(int index, bool value);
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool value) { FAllowGrayed = value; }

    static void Publish(TPublisher<TCheckListBox>& p);

    TNotifyEvent OnClickCheck;

protected:
    bool ClicksOnMouseUp() const override { return false; }
    void KeyDown(int& key, TShiftState shift) override;

private:
    struct TRow {
        std::string text;
        TCheckBoxState state = cbUnchecked;
        bool enabled = true;
    };
    void ItemsChanged();
    void ShowRow(int index);
    const TRow& RowAt(int index) const;
    // A press at (x, y) of the list's viewport; true when it hit a box and toggled it.
    bool BoxPressed(int x, int y);
    void ToggleByUser(int index);

    std::unique_ptr<TStringList> FItems;
    std::vector<TRow> FRows;  // one per item, in the same order
    bool FAllowGrayed = false;
};
