#pragma once
// The renko options: the box size as a typed number (a text that is no number keeps the present
// value), the transparency, bricks as cubes in 3-D, the up and down colours, the brick outline
// and the brick brush. The series comes in Tag; each change is written at once.
#include "chart/editors/EditorForm.h"

class TButton;
class TButtonColor;
class TButtonPen;
class TCheckBox;
class TEdit;
class TRenkoSeries;
class TUpDown;

class TRenkoSeriesEditor : public TEditorForm {
    KV_DECLARE_CLASS(TRenkoSeriesEditor, TEditorForm)
public:
    explicit TRenkoSeriesEditor(TComponent* owner);
    ~TRenkoSeriesEditor() override;

    TRenkoSeries* Series() const { return FSeries; }

    TEdit* EBoxSize;
    TEdit* ETransparency;
    TUpDown* UDTransparency;
    TCheckBox* CB3D;
    TButtonColor* BUp;
    TButtonColor* BDown;
    TButtonPen* BBorder;
    TButton* BBrush;

protected:
    void DoShow() override;

private:
    TRenkoSeries* FSeries = nullptr;
};
