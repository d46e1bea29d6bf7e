#pragma once
// The surface series editor: drawing mode (solid, wire frame, dot frame), smooth palette, pens
// and brushes of the cells and sides, transparency, fast brush and hidden cells, edited in
// place on the series in Tag. It adds the grid 3-D page for the same series. The water-fall
// and isosurface editors build on it.
#include "chart/editors/EditorForm.h"
#include "chart/editors/Grid3DPageSlot.h"

class TButton;
class TButtonPen;
class TCheckBox;
class TEdit;
class TRadioGroup;
class TSurfaceSeries;
class TUpDown;

class TSurfaceSeriesEditor : public TEditorForm {
    KV_DECLARE_CLASS(TSurfaceSeriesEditor, TEditorForm)
public:
    explicit TSurfaceSeriesEditor(TComponent* owner);
    ~TSurfaceSeriesEditor() override;

    TSurfaceSeries* Series() const { return FSeries; }
    // The grid 3-D page, once the editor has been shown.
    TGrid3DSeriesEditor* Grid3DEditor() const { return FGrid3D.Page(); }

    TRadioGroup* RadioGroup1;
    TCheckBox* CBSmooth;
    TButtonPen* Button2;
    TButton* Button3;
    TButton* Button1;
    TButtonPen* BSideLines;
    TEdit* Edit1;
    TUpDown* UDTransp;
    TCheckBox* CBFastBrush;
    TCheckBox* CBHideCells;

protected:
    void DoShow() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void BuildControls();
    void BindProperties();
    void DrawingModeClicked();

    TSurfaceSeries* FSeries = nullptr;
    TGrid3DPageSlot FGrid3D{this};
};
