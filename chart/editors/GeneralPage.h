#pragma once
// The general page: how the user zooms and scrolls the chart with the mouse.
#include "chart/editors/ChartPageForm.h"

class TButton;
class TButtonPen;
class TCheckBox;
class TComboBox;
class TCustomChart;
class TEdit;
class TPageControl;
class TRadioGroup;
class TTabSheet;
class TUpDown;

class TFormTeeGeneral : public TChartPageForm {
    KV_DECLARE_CLASS(TFormTeeGeneral, TChartPageForm)
public:
    TFormTeeGeneral(TComponent* owner, TCustomChart* chart);
    ~TFormTeeGeneral() override;

    TPageControl* PageControl1;
    TTabSheet* TabZoom;
    TTabSheet* TabScroll;
    TCheckBox* CBAllowZoom;
    TCheckBox* CBAnimatedZoom;
    TEdit* SEAniZoomSteps;
    TUpDown* UDAniZoomSteps;
    TButtonPen* BZoomPen;
    TButton* BZoomColor;
    TEdit* EMinPix;
    TUpDown* UDMinPix;
    TComboBox* CBDir;
    TComboBox* CBZoomMouse;
    TCheckBox* CBUpLeft;
    TRadioGroup* RGPanning;
    TComboBox* CBScrollMouse;

protected:
    void LoadControls() override;

private:
    // The zoom controls follow "Allow"; the scroll button follows whether scrolling is allowed.
    void EnableZoom();
    void EnableScroll();

    TCustomChart* FChart;
};
