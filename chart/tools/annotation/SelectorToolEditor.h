#pragma once
// The selector tool's editor (TSelectorToolEditor): the handles' pen, colour and size, whether
// parts may be dragged and the chart resized, and the cursor over a selectable part. Tag holds
// the tool.
#include "chart/editors/EditorForm.h"

class TButtonColor;
class TButtonPen;
class TCheckBox;
class TComboBox;
class TEdit;
class TSelectorTool;
class TUpDown;

class TSelectorToolEditor : public TEditorForm {
    KV_DECLARE_CLASS(TSelectorToolEditor, TEditorForm)
public:
    explicit TSelectorToolEditor(TComponent* owner);
    ~TSelectorToolEditor() override;

    TSelectorTool* Tool() const;

    TButtonPen* ButtonPen1;
    TButtonColor* ButtonColor1;
    TEdit* Edit1;
    TUpDown* UDSize;
    TCheckBox* CBAllowDrag;
    TCheckBox* CBResizeChart;
    TComboBox* CBCursor;

protected:
    void DoShow() override;
};
