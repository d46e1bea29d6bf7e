#pragma once
// The bar series editor: the bars' style, brush, colours, gradient, tick lines and transparency
// ("Format"), their width, offset and depth ("Size"), their shadow ("Shadow") and border
// ("Border"). The series comes in Tag; each change is written at once. The stacking page
// (TStackBarSeriesEditor) is added as a page of the series page.
#include "platform/ui/Form.h"

class TButton;
class TButtonColor;
class TButtonPen;
class TCheckBox;
class TComboFlat;
class TCustomBarSeries;
class TEdit;
class TLabel;
class TPageControl;
class TTabSheet;
class TTrackBar;
class TUpDown;

class TBarSeriesEditor : public TForm {
    KV_DECLARE_CLASS(TBarSeriesEditor, TForm)
public:
    explicit TBarSeriesEditor(TComponent* owner);
    ~TBarSeriesEditor() override;

    TCustomBarSeries* Series() const { return FSeries; }
    TForm* StackPage() const { return FStackPage; }

    TPageControl* PageControl1;
    TTabSheet* TabFormat;
    TTabSheet* TabSize;
    TTabSheet* TabShadow;
    TTabSheet* TabBorder;
    TLabel* LStyle;
    TComboFlat* CBBarStyle;
    TButton* BBarBrush;
    TCheckBox* CBColorEach;
    TButtonColor* BBarColor;
    TButton* BGradient;
    TButtonPen* BTickLines;
    TCheckBox* CBDarkBar;
    TLabel* LTransp;
    TTrackBar* TBTransp;
    TEdit* SEBarwidth;
    TUpDown* UDBarWidth;
    TEdit* SEBarOffset;
    TUpDown* UDBarOffset;
    TEdit* Edit1;
    TUpDown* UDDepth;
    TCheckBox* CBBarSideMargins;
    TCheckBox* CBMarksAutoPosition;
    TButtonPen* BBarPen;
    TLabel* LBevel;
    TEdit* EBevel;
    TUpDown* UDBevel;
    TEdit* Edit2;
    TUpDown* UDDarkPen;

protected:
    void DoShow() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void LoadSeries();
    // The gradient button and the bevel controls follow the bar style.
    void ApplyStyleRules();
    void EnableColorButton();
    void BGradientClick();
    // Writes the up-down's position through set, unless loading or without a series.
    void PositionChanged(const TUpDown* upDown, void (TCustomBarSeries::*set)(int));

    TCustomBarSeries* FSeries = nullptr;
    TForm* FStackPage = nullptr;
    bool FLoading = true;
};
