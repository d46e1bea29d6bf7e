#pragma once
// The editor of the line family (every series of the custom-series kind that names no form of
// its own, the line series among them): line pen and colour, stacking, stairs, 3-D height,
// outline, gradient, shadow, nulls and transparency, each written to the series at once. The
// series comes in Tag; on a series that is not a line series the controls of the line's own
// look are hidden. The point-marker editor of the series is added as a page of the series page.
#include "chart/editors/EditorForm.h"

class TButton;
class TButtonColor;
class TButtonGradient;
class TButtonPen;
class TCheckBox;
class TComboFlat;
class TCustomSeries;
class TEdit;
class TGroupBox;
class TLabel;
class TTrackBar;
class TUpDown;

class TCustomSeriesEditor : public TEditorForm {
    KV_DECLARE_CLASS(TCustomSeriesEditor, TEditorForm)
public:
    explicit TCustomSeriesEditor(TComponent* owner);
    ~TCustomSeriesEditor() override;

    TCustomSeries* Series() const { return FSeries; }
    // The "Point" page, once made.
    TForm* PointPage() const { return FPointPage; }

    TButtonPen* BLineBorder;
    TButtonColor* BLineColor;
    TButton* BBrush;
    TCheckBox* CBColorEach;
    TCheckBox* CBDark3D;
    TCheckBox* CBClick;
    TGroupBox* GBStair;
    TCheckBox* CBStairs;
    TCheckBox* CBInvStairs;
    TLabel* LStack;
    TComboFlat* CBStack;
    TLabel* LHeight;
    TEdit* EHeight;
    TUpDown* UDHeight;
    TButtonPen* BOutline;
    TCheckBox* CheckBox1;
    TButton* Button1;
    TButtonGradient* BGradient;
    TLabel* LNulls;
    TComboFlat* CBNulls;
    TLabel* LTransp;
    TTrackBar* TBTransp;

protected:
    void DoShow() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void BuildControls();
    void BindProperties();
    // Loads what the bindings do not: the pen and gradient buttons, which controls a series
    // other than a line shows, and the point page.
    void LoadSeries();
    // The shadow dialog, without the smoothing and transparency a line's shadow does not use.
    void Button1Click();

    TCustomSeries* FSeries = nullptr;
    TForm* FPointPage = nullptr;
};
