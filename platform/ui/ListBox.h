#pragma once
// A list to choose from. OnClick follows the user's choice (clicks and keys), not changes from
// code. With MultiSelect several items are selected: with ExtendedSelect (the default) a click
// selects one, Ctrl+click turns one over and Shift+click selects the run from the last one;
// without it each click turns an item over. ItemIndex is then the item with the focus.
//
// Styles lbOwnerDrawFixed and lbOwnerDrawVariable have the owner draw the items (see
// OwnerDraw.h): ItemHeight high, or as OnMeasureItem says item by item. Coordinates are the
// client area's, the inside of the border.
#include <memory>

#include "platform/rtl/StringList.h"
#include "platform/ui/Control.h"
#include "platform/ui/OwnerDraw.h"

enum TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };

class TListBox : public TWinControl, private TOwnerDrawList {
    KV_DECLARE_CLASS(TListBox, TWinControl)
public:
    explicit TListBox(TComponent* owner);
    ~TListBox() override;

    TStrings* Items() const { return FItems.get(); }
    void SetItems(const TStrings& value) { FItems->Assign(value); }
    int Count() const { return FItems->Count(); }
    void Clear() { FItems->Clear(); }
    int ItemIndex() const;
    // -1 clears the choice; values outside the items are ignored.
    void SetItemIndex(int value);
    bool Sorted() const { return FItems->Sorted(); }
    void SetSorted(bool value) { FItems->SetSorted(value); }

    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool value);
    bool ExtendedSelect() const { return FExtendedSelect; }
    void SetExtendedSelect(bool value);
    bool Selected(int index) const;
    // EListError for an index outside the items.
    void SetSelected(int index, bool value);
    // The number of selected items; -1 without MultiSelect.
    int SelCount() const;

    TListBoxStyle Style() const { return FStyle; }
    void SetStyle(TListBoxStyle value);
    // The height of every item in lbOwnerDrawFixed, the preset of OnMeasureItem in
    // lbOwnerDrawVariable, the font's line in lbStandard.
    int ItemHeight() const;
    void SetItemHeight(int value);
    // The canvas items are drawn on.
    TCanvas* Canvas();

    // The item at a client point; outside the items, -1 when existing, else Count (a point
    // outside the client area is always -1).
    int ItemAtPos(TPoint pos, bool existing) const;
    // The item's rectangle in client coordinates (empty when out of view).
    TRect ItemRect(int index) const;
    // The first item shown; setting it scrolls.
    int TopIndex() const;
    void SetTopIndex(int value);
    TRect ClientRect() const override;

    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

protected:
    bool ClicksOnMouseUp() const override { return false; }
    virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);
    virtual void MeasureItem(int index, int& height);

private:
    class TViewportFilter;
    void ItemsChanged();
    void UpdateSelectionMode();
    bool OwnerDraws() const override { return FStyle != lbStandard; }
    int MeasureItem(int index) override;
    TBitmap& DrawItemImage(int index, const TRect& rect, TOwnerDrawState state) override;

    std::unique_ptr<TStringList> FItems;
    std::unique_ptr<TBitmap> FItemBitmap;
    bool FSyncing = false;
    bool FMultiSelect = false;
    bool FExtendedSelect = true;
    TListBoxStyle FStyle = lbStandard;
    int FItemHeight = 16;
};
