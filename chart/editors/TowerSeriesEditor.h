#pragma once
// The tower series editor: border and fill of the towers, their shape, darkening, the origin
// they stand on, their share of the grid cell and their transparency. Tag holds the series.
// It adds the grid 3-D page for the same series.
#include "chart/editors/EditorForm.h"
#include "chart/editors/Grid3DPageSlot.h"

class TButton;
class TButtonPen;
class TCheckBox;
class TComboFlat;
class TEdit;
class TGroupBox;
class TTowerSeries;
class TUpDown;

class TTowerSeriesEditor : public TEditorForm {
    KV_DECLARE_CLASS(TTowerSeriesEditor, TEditorForm)
public:
    explicit TTowerSeriesEditor(TComponent* owner);
    ~TTowerSeriesEditor() override;

    TTowerSeries* Series() const { return FSeries; }
    // The grid 3-D page, once the editor has been shown with a series.
    TGrid3DSeriesEditor* Grid3DEditor() const { return FGrid3D.Page(); }

    TButtonPen* ButtonPen1;
    TButton* Button1;
    TCheckBox* CBDark3D;
    TGroupBox* GroupBox1;
    TCheckBox* CBOrigin;
    TEdit* EOrigin;
    TComboFlat* CBStyle;
    TGroupBox* GroupBox2;
    TEdit* Edit1;
    TUpDown* UDDepth;
    TEdit* Edit2;
    TUpDown* UDWidth;
    TEdit* Edit3;
    TUpDown* UDTransp;

protected:
    void DoShow() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void BuildControls();
    void BindProperties();

    TTowerSeries* FSeries = nullptr;
    TGrid3DPageSlot FGrid3D{this};
};
