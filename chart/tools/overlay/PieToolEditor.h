#pragma once
// The pie slice tool's editor (TPieToolEditor): the chart's pie series to mark slices of (the
// list is disabled when the chart has none), the way of marking and the outline pen. Tag holds
// the tool.
#include "chart/editors/EditorForm.h"

class TButtonPen;
class TComboFlat;
class TLabel;
class TPieTool;
class TRadioGroup;

class TPieToolEditor : public TEditorForm {
    KV_DECLARE_CLASS(TPieToolEditor, TEditorForm)
public:
    explicit TPieToolEditor(TComponent* owner);
    ~TPieToolEditor() override;

    TPieTool* Tool() const;

    TLabel* LPieSeries;
    TComboFlat* CBPieSeries;
    TRadioGroup* RGStyle;
    TButtonPen* BPen;

protected:
    void DoShow() override;
};
