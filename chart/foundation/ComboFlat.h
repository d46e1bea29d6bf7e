#pragma once
// The chart editors' drop-down list: a choice-only combo box of the editors' height that knows
// its selected text and object and how wide its list drops. While the mouse is away and the
// focus elsewhere its frame is drawn flat over the toolkit's.
#include <string>

#include "platform/ui/ComboBox.h"

class TCanvas;

class TComboFlat : public TComboBox {
    KV_DECLARE_CLASS(TComboFlat, TComboBox)
public:
    explicit TComboFlat(TComponent* owner);
    ~TComboFlat() override;

    // The width of the dropped list; the control's own width until set wider.
    int DropDownWidth() const { return DroppedWidth(); }
    void SetDropDownWidth(int value) { SetDroppedWidth(value); }
    bool MouseInside() const { return FMouseInside; }

    void AppendItem(const std::string& Text) { Items()->Add(Text); }
    // "" and null without a selection.
    std::string GetSelectedText() const;
    TObject* GetSelectedObject() const;

protected:
    void MouseEnter() override;
    void MouseLeave() override;
    void DoEnter() override;
    void DoExit() override;
    // Drawn over the toolkit's face after each paint: face-coloured outlines hide its frame, a
    // window-coloured one sets the drop-down button apart.
    void PaintFlatFrame(TCanvas& canvas) const;

private:
    void SetMouseInside(bool value);

    bool FMouseInside = false;
};
