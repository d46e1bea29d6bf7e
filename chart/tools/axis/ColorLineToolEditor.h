#pragma once
// The colour line's editor, below the axis chooser and the pen button: its value and style on
// the "Value" page (the value only for a custom line), dragging and drawing on "Options".
// Tag holds the tool.
#include "chart/editors/AxisToolEditor.h"

class TCheckBox;
class TColorLineTool;
class TComboBox;
class TEdit;
class TPageControl;
class TTabSheet;

class TColorLineToolEditor : public TAxisToolEditor {
    KV_DECLARE_CLASS(TColorLineToolEditor, TAxisToolEditor)
public:
    explicit TColorLineToolEditor(TComponent* owner);
    ~TColorLineToolEditor() override;

    TColorLineTool* Line() const;

    TPageControl* PageControl1;
    TTabSheet* TabValue;
    TTabSheet* TabOptions;
    TEdit* EValue;
    TComboBox* CBStyle;
    TCheckBox* CBAllowDrag;
    TCheckBox* CBDragRepaint;
    TCheckBox* CBNoLimitDrag;
    TCheckBox* CBDrawBehind;
    TCheckBox* CBDraw3D;

protected:
    void DoShow() override;

private:
    void EnableValue();
};
