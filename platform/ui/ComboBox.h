#pragma once
// Lists to choose from. TComboBox: a drop-down list (csDropDownList) or an edit with one
// (csDropDown); OnChange follows the user's choice or typing, not changes from code. It shows
// Items as they change. In csOwnerDrawFixed and csOwnerDrawVariable it is a drop-down list whose
// owner draws the items (see OwnerDraw.h), its face too (with odComboBoxEdit). (TListBox is in
// ListBox.h.)
#include <memory>

#include "platform/rtl/StringList.h"
#include "platform/ui/Control.h"
#include "platform/ui/ListBox.h"

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

class TComboBox : public TWinControl, private TOwnerDrawList {
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
    // How wide the list drops: never narrower than the control.
    int DroppedWidth() const;
    void SetDroppedWidth(int value);

    // The height of the items of the owner-drawn styles (OnMeasureItem's preset in the variable
    // one), and the canvas they are drawn on.
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int value);
    TCanvas* Canvas();

    TNotifyEvent OnChange;
    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

protected:
    const std::string& GetText() const override;
    void TextChanged() override;
    bool ToolkitEvent(QEvent* event) override;
    virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);
    virtual void MeasureItem(int index, int& height);

private:
    void ItemsChanged();
    // The owner-drawn styles: a list that cannot be typed in, drawn by the owner.
    void ApplyOwnerDraw();
    void PaintFace();
    bool OwnerDraws() const override;
    int MeasureItem(int index) override;
    TBitmap& DrawItemImage(int index, const TRect& rect, TOwnerDrawState state) override;
    std::unique_ptr<TBitmap> FItemBitmap;
    QAbstractItemDelegate* FToolkitDelegate = nullptr;
    QAbstractItemDelegate* FOwnerDelegate = nullptr;
    int FItemHeight = 16;
    std::unique_ptr<TStringList> FItems;
    TComboBoxStyle FStyle = csDropDown;
    int FDropDownCount = 8;
    bool FSyncing = false;
    mutable std::string FTextCache;
};
