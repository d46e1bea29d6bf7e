#pragma once
// The rotate tool's editor (TRotateToolEditor): on "Options" the direction, the angles it turns,
// the button, the speed and the inertia; on "Format" the outline pen and the cursor with a
// picture of it. Every control writes the tool at once. Tag holds the tool.
#include "chart/editors/EditorForm.h"

class TButtonPen;
class TCheckBox;
class TComboBox;
class TEdit;
class TImage;
class TLabel;
class TPageControl;
class TRotateTool;
class TScrollBar;
class TTabSheet;
class TUpDown;

class TRotateToolEditor : public TEditorForm {
    KV_DECLARE_CLASS(TRotateToolEditor, TEditorForm)
public:
    explicit TRotateToolEditor(TComponent* owner);
    ~TRotateToolEditor() override;

    TRotateTool* Tool() const;

    TPageControl* PageControl1;
    TTabSheet* TabOptions;
    TTabSheet* TabFormat;
    TCheckBox* CBInverted;
    TComboBox* CBStyle;
    TComboBox* CBButton;
    TEdit* ESpeed;
    TUpDown* UDSpeed;
    TScrollBar* SBInertia;
    TLabel* LInertia;
    TButtonPen* BOutline;
    TComboBox* CBCursor;
    TImage* ICursor;

protected:
    void DoShow() override;

private:
    void ShowInertia();
    void ShowCursor();
};
