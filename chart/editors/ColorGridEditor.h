#pragma once
// The colour grid series editor: smoothing, frame, transparency, a picture turned into the grid,
// the grid lines and their spacing, and the plane and position the map is drawn on in 3-D.
// Tag holds the series.
// It adds the grid 3-D page for the same series.
#include "chart/editors/EditorForm.h"
#include "chart/editors/Grid3DPageSlot.h"

class TButton;
class TButtonPen;
class TCheckBox;
class TColorGridSeries;
class TComboFlat;
class TEdit;
class TPageControl;
class TTabSheet;
class TUpDown;

class TColorGridEditor : public TEditorForm {
    KV_DECLARE_CLASS(TColorGridEditor, TEditorForm)
public:
    explicit TColorGridEditor(TComponent* owner);
    ~TColorGridEditor() override;

    TColorGridSeries* Series() const { return FSeries; }
    // The grid 3-D page, once the editor has been shown with a series.
    TGrid3DSeriesEditor* Grid3DEditor() const { return FGrid3D.Page(); }

    TPageControl* PageControl1;
    TTabSheet* TabFormat;
    TTabSheet* TabGrid;
    TTabSheet* TabPosition;
    TCheckBox* CBSmooth;
    TButtonPen* ButtonPen1;
    TButton* Button2;
    TEdit* Edit3;
    TUpDown* UDTransp;
    TButtonPen* BGrid;
    TEdit* Edit2;
    TUpDown* UDX;
    TEdit* Edit1;
    TUpDown* UDZ;
    TEdit* Edit4;
    TUpDown* UDPosition;
    TComboFlat* CBPlane;
    TCheckBox* CBCentered;

protected:
    void DoShow() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void BuildControls();
    void BindProperties();
    // Asks for a picture file and makes the grid of its pixels.
    void LoadPicture();

    TColorGridSeries* FSeries = nullptr;
    TGrid3DPageSlot FGrid3D{this};
};
