#pragma once
// The anti-alias tool's editor (TAntiAliasEditor): smoothing on or off, and the filters the
// tool runs over the finished chart, edited over a picture of the chart drawn without them.
// Tag holds the tool.
#include "chart/editors/EditorForm.h"

class TAntiAliasTool;
class TButton;
class TCheckBox;

class TAntiAliasEditor : public TEditorForm {
    KV_DECLARE_CLASS(TAntiAliasEditor, TEditorForm)
public:
    explicit TAntiAliasEditor(TComponent* owner);
    ~TAntiAliasEditor() override;

    TAntiAliasTool* Tool() const;

    TCheckBox* CBAnti;
    TButton* Button1;

    // The filters editor over a picture of the chart drawn with the tool off.
    void EditFilters();

protected:
    void DoShow() override;
};
