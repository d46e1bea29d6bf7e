#pragma once
// The chart editors' drop-down list: a choice-only combo box of the editors' height that knows
// its selected text and object, how wide its list drops, and whether the mouse is over it.
#include <string>

#include "platform/ui/ComboBox.h"

class TComboFlat : public TComboBox {
    KV_DECLARE_CLASS(TComboFlat, TComboBox)
public:
    explicit TComboFlat(TComponent* owner);
    ~TComboFlat() override;

    // The width of the dropped list; the control's own width until set.
    int DropDownWidth() const { return FDropDownWidth > 0 ? FDropDownWidth : Width(); }
    void SetDropDownWidth(int value) { FDropDownWidth = value; }
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int value) { FItemHeight = value; }
    bool MouseInside() const { return FMouseInside; }

    void AppendItem(const std::string& Text) { Items()->Add(Text); }
    // "" and null without a selection.
    std::string GetSelectedText() const;
    TObject* GetSelectedObject() const;

protected:
    void MouseEnter() override;
    void MouseLeave() override;
    void DoExit() override;

private:
    void SetMouseInside(bool value);

    int FDropDownWidth = 0;
    int FItemHeight = 13;
    bool FMouseInside = false;
};
