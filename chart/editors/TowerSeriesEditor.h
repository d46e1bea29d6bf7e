#pragma once
// The tower series editor: border and fill of the towers, their shape, darkening, the origin
// they stand on, their share of the grid cell and their transparency. Tag holds the series.
#include "platform/ui/Form.h"

class TButton;
class TButtonPen;
class TCheckBox;
class TComboFlat;
class TEdit;
class TGroupBox;
class TTowerSeries;
class TUpDown;

class TTowerSeriesEditor : public TForm {
    KV_DECLARE_CLASS(TTowerSeriesEditor, TForm)
public:
    explicit TTowerSeriesEditor(TComponent* owner);
    ~TTowerSeriesEditor() override;

    TTowerSeries* Series() const { return FSeries; }

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

private:
    // Writes a percent typed in one of the up-down edits.
    void PercentChanged(TUpDown* upDown, void (TTowerSeries::*setter)(int));

    TTowerSeries* FSeries = nullptr;
    bool FLoading = false;
};
