#pragma once
// The lighting tool's editor: whether the light follows the mouse, its place, its strength and
// its law. The tool comes in Tag.
#include "chart/editors/EditorForm.h"

class TCheckBox;
class TComboBox;
class TLightTool;
class TTrackBar;

class TLightToolEditor : public TEditorForm {
    KV_DECLARE_CLASS(TLightToolEditor, TEditorForm)
public:
    explicit TLightToolEditor(TComponent* owner);
    ~TLightToolEditor() override;

    TLightTool* Tool() const { return FTool; }

    TCheckBox* CheckBox2;
    TTrackBar* TBLeft;
    TTrackBar* TBTop;
    TTrackBar* TBFactor;
    TComboBox* CBStyle;

protected:
    void DoShow() override;

private:
    TLightTool* FTool = nullptr;
};
