#pragma once
// The magnifier's editor: its options, and the annotation editor's "Position" and "Size" pages
// taken from a hidden annotation editor bound to the same tool.
#include <memory>

#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorForm.h"

class TAnnotationToolEdit;
class TButtonPen;
class TCheckBox;
class TComboBox;
class TEdit;
class TMagnifyTool;
class TPageControl;
class TTabSheet;
class TTrackBar;
class TUpDown;

class TMagnifyToolEditor : public TEditorForm {
    KV_DECLARE_CLASS(TMagnifyToolEditor, TEditorForm)
public:
    explicit TMagnifyToolEditor(TComponent* owner);
    ~TMagnifyToolEditor() override;

    TMagnifyTool* Tool() const { return FTool; }

    TPageControl* PageControl1;
    TTabSheet* TabOptions;
    TCheckBox* CBFollow;
    TTrackBar* TBFactor;
    TButtonPen* BBorder;
    TCheckBox* CBCircled;
    TCheckBox* CBDrag;
    TCheckBox* CBResize;
    TEdit* Edit1;
    TUpDown* UDWheel;
    TComboBox* CBCursor;
    // Made on show; its position and size pages live in this form's page control.
    TAnnotationToolEdit* AnnotationEditor() const { return FAnnotationEditor.get(); }

protected:
    void DoShow() override;

private:
    TMagnifyTool* FTool = nullptr;
    std::unique_ptr<TAnnotationToolEdit> FAnnotationEditor;
};
