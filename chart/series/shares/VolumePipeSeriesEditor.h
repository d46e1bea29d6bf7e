#pragma once
// The volume pipe's options: the cone percent (a text that is no whole number is reported as a
// conversion error and changes nothing), the border and lines pens, the fill pattern with an
// option to clear the brush's background colour, the gradient and its direction. The series
// comes in Tag; each change is written at once.
#include "chart/editors/EditorForm.h"

class TButton;
class TButtonPen;
class TCheckBox;
class TComboBox;
class TEdit;
class TUpDown;
class TVolumePipeSeries;

class TVolumePipeSeriesEditor : public TEditorForm {
    KV_DECLARE_CLASS(TVolumePipeSeriesEditor, TEditorForm)
public:
    explicit TVolumePipeSeriesEditor(TComponent* owner);
    ~TVolumePipeSeriesEditor() override;

    TVolumePipeSeries* Series() const { return FSeries; }

    TEdit* Edit2;
    TUpDown* UpDown1;
    TButtonPen* ButtonPen1;
    TButtonPen* ButtonPen2;
    TButton* Button1;
    TCheckBox* CheckBox1;
    TCheckBox* CheckGradient;
    TComboBox* CBDirection;

protected:
    void DoShow() override;

private:
    void ClearBrushBack();

    TVolumePipeSeries* FSeries = nullptr;
};
