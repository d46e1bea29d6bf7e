#pragma once
// A group box of radio buttons made from Items, laid out in Columns (filled column by column).
// ItemIndex is the checked item, -1 for none. A change of ItemIndex, by a click or from code,
// fires OnClick.
#include <memory>
#include <vector>

#include "platform/rtl/StringList.h"
#include "platform/ui/GroupBox.h"

class QRadioButton;

class TRadioGroup : public TGroupBox {
    KV_DECLARE_CLASS(TRadioGroup, TGroupBox)
public:
    explicit TRadioGroup(TComponent* owner);
    ~TRadioGroup() override;

    TStrings* Items() const { return FItems.get(); }
    void SetItems(const TStrings& value) { FItems->Assign(value); }
    // Brought into -1..Items.Count-1.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int value);
    int Columns() const { return FColumns; }
    void SetColumns(int value);

protected:
    void Resize() override;

private:
    void ItemsChanged();
    void ArrangeButtons();
    void ShowItemIndex();
    void ButtonClicked(int index);

    std::unique_ptr<TStringList> FItems;
    std::vector<QRadioButton*> FButtons;  // children of the widget
    int FItemIndex = -1;
    int FColumns = 1;
};
