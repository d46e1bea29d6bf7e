#pragma once
// The options of the polar-style series: pages "Options" (pen, pattern, colour, the two
// increments, transparency, nulls, circle pen, closing, a colour per point), "Labels" (the
// angle labels) and "Font" (their font), plus the circled-series page and a "Point" page for
// the markers on the series page that holds the form. The series comes in Tag; each change is
// written at once. The wind rose, clock and polar grid editors extend it.
#include "chart/editors/EditorForm.h"

class TButton;
class TButtonColor;
class TButtonPen;
class TCheckBox;
class TComboBox;
class TCustomPolarSeries;
class TEdit;
class TLabel;
class TPageControl;
class TTabSheet;
class TTeeFontEditor;
class TUpDown;

class TPolarSeriesEditor : public TEditorForm {
    KV_DECLARE_CLASS(TPolarSeriesEditor, TEditorForm)
public:
    explicit TPolarSeriesEditor(TComponent* owner);
    ~TPolarSeriesEditor() override;

    TCustomPolarSeries* Series() const { return FSeries; }

    TPageControl* PageControl1;
    TTabSheet* TabOptions;
    TTabSheet* TabLabels;
    TTabSheet* TabFont;
    TButtonPen* BPen;
    TButton* BBrush;
    TButtonColor* BColor;
    TLabel* LAngleInc;
    TEdit* EAngleInc;
    TLabel* LRadiusInc;
    TEdit* ERadiusInc;
    TEdit* ETransp;
    TUpDown* UDTransp;
    TComboBox* CBNulls;
    TButtonPen* BCircle;
    TCheckBox* CBClose;
    TCheckBox* CBColorEach;
    TCheckBox* CBLabels;
    TCheckBox* CBRotated;
    TCheckBox* CBClockWise;
    TCheckBox* CBInside;
    TEdit* EMargin;
    TUpDown* UDMargin;

    // The angle increment is the series' own only for free angles (the polar series); the
    // descendants' editors decide for themselves.
    virtual void ShowAngleIncrementControls();

protected:
    void DoShow() override;
    TTeeFontEditor* FontEditor() const { return FFontEditor; }

private:
    void BuildOptionsPage();
    void BuildLabelsPage();
    void BindProperties();
    void ConnectHandlers();
    void LoadSeries();
    void EnableLabelControls();

    TCustomPolarSeries* FSeries = nullptr;
    TTeeFontEditor* FFontEditor = nullptr;
    bool FPagesEmbedded = false;
};
