#pragma once
// The candle series' options, embedded in the series page: the style, the width, the ticks of
// the bar style, the 3-D body, the border and wick pens ("Options"), and the up and down
// colours and gradients with the colour rule ("Colors"). Controls that a style does not use
// are disabled. The series comes in Tag; each change is written at once.
#include "chart/editors/EditorForm.h"

class TButtonColor;
class TButtonGradient;
class TButtonPen;
class TCandleSeries;
class TCheckBox;
class TComboBox;
class TEdit;
class TPageControl;
class TRadioGroup;
class TTabSheet;
class TUpDown;

class TCandleEditor : public TEditorForm {
    KV_DECLARE_CLASS(TCandleEditor, TEditorForm)
public:
    explicit TCandleEditor(TComponent* owner);
    ~TCandleEditor() override;

    TCandleSeries* Series() const { return FSeries; }

    TPageControl* PageControl1;
    TTabSheet* TabOptions;
    TTabSheet* TabColors;
    TRadioGroup* RGStyle;
    TEdit* SEWidth;
    TUpDown* UDWidth;
    TCheckBox* CBShowOpen;
    TCheckBox* CBShowClose;
    TCheckBox* CBDraw3D;
    TCheckBox* CBDark3D;
    TButtonPen* Button1;
    TButtonPen* BHighLow;
    TButtonColor* BUpColor;
    TButtonColor* BDownColor;
    TButtonGradient* BUpGradient;
    TButtonGradient* BDownGradient;
    TComboBox* CBColorStyle;

protected:
    void DoShow() override;

private:
    void BindProperties();
    void RGStyleClick();
    // Enables the controls the current style uses.
    void EnableStyleControls();

    TCandleSeries* FSeries = nullptr;
};
