#pragma once
// The series transpose tool's editor: the one command. The tool comes in Tag.
#include "chart/editors/EditorForm.h"

class TButton;
class TTransposeSeriesTool;

class TTransposeSeriesToolEdit : public TEditorForm {
    KV_DECLARE_CLASS(TTransposeSeriesToolEdit, TEditorForm)
public:
    explicit TTransposeSeriesToolEdit(TComponent* owner);
    ~TTransposeSeriesToolEdit() override;

    TTransposeSeriesTool* Tool() const;

    TButton* BTranspose;
};
