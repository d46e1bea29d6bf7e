#pragma once
// The tri-surface's options: pen, brush, hull outline, fast brush, painter's order and
// transparency, with the palette editor of 3-D palette series beside them on the series page.
// The series comes in Tag; each change is written at once.
#include "chart/editors/EditorForm.h"
#include "chart/editors/Grid3DPageSlot.h"

class TButton;
class TButtonPen;
class TCheckBox;
class TCustomTriSurfaceSeries;
class TEdit;
class TUpDown;

class TTriSurfaceSeriesEditor : public TEditorForm {
    KV_DECLARE_CLASS(TTriSurfaceSeriesEditor, TEditorForm)
public:
    explicit TTriSurfaceSeriesEditor(TComponent* owner);
    ~TTriSurfaceSeriesEditor() override;

    TButtonPen* BPen;
    TButton* BBrush;
    TButtonPen* BOutline;
    TCheckBox* CBFastBrush;
    TCheckBox* CBHide;
    TEdit* ETransp;
    TUpDown* UDTransp;

protected:
    void DoShow() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TCustomTriSurfaceSeries* FSeries = nullptr;
    TGrid3DPageSlot FGrid3D{this};
};
