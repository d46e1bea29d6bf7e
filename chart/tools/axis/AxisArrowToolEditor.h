#pragma once
// The axis arrow tool's editor, below the axis chooser and the pen button: the arrows' pattern,
// length, position, head width and shaft size, and how far and which way a click scrolls.
// Tag holds the tool.
#include "chart/editors/AxisToolEditor.h"

class TAxisArrowTool;
class TButton;
class TCheckBox;
class TComboBox;
class TEdit;
class TUpDown;

class TAxisArrowToolEditor : public TAxisToolEditor {
    KV_DECLARE_CLASS(TAxisArrowToolEditor, TAxisToolEditor)
public:
    explicit TAxisArrowToolEditor(TComponent* owner);
    ~TAxisArrowToolEditor() override;

    TAxisArrowTool* Arrows() const;

    TButton* BPattern;
    TEdit* ELength;
    TUpDown* UDLength;
    TComboBox* CBPosition;
    TEdit* EScroll;
    TUpDown* UDScroll;
    TCheckBox* CBInverted;
    TEdit* ESize;
    TUpDown* UDSize;
    TEdit* EWidth;
    TUpDown* UDWidth;

protected:
    void DoShow() override;
};
