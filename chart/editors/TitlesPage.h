#pragma once
// The titles page: the chart's four titles, one at a time (text, visibility, frame adjustment,
// alignment).
#include "chart/editors/ChartPageForm.h"
#include "chart/editors/OwnedForm.h"

class TButton;
class TCheckBox;
class TComboBox;
class TCustomChart;
class TChartTitle;
class TMemo;
class TEdit;
class TFormTeeShape;
class TPageControl;
class TTabSheet;
class TUpDown;

class TFormTeeTitle : public TChartPageForm {
    KV_DECLARE_CLASS(TFormTeeTitle, TChartPageForm)
public:
    TFormTeeTitle(TComponent* owner, TChartTitle* title, TCustomChart* chart);
    ~TFormTeeTitle() override;

    // The page on title with the pages of a shape editor for it after its own "Style" tab.
    static TFormTeeTitle* CreateForTitle(TComponent* owner, TChartTitle* title,
                                         TCustomChart* chart);
    TFormTeeShape* ShapeEditor() const { return FShapeEditor.get(); }

    TChartTitle* Title() const { return FTitle; }

    TPageControl* PageControl1;
    TTabSheet* TabStyle;
    TComboBox* CBTitles;
    TMemo* MText;
    TCheckBox* CBVisible;
    TCheckBox* CBAdjust;
    TComboBox* CBAlign;
    TButton* Button1;
    TCheckBox* CBCustPos;
    TEdit* ECustLeft;
    TUpDown* UDLeft;
    TEdit* ECustTop;
    TUpDown* UDTop;
    TEdit* Edit1;
    TUpDown* UDMargin;

protected:
    void LoadControls() override;

private:
    void CBTitlesChange();
    void MTextChange();
    void Button1Click();
    void RefreshCustom();

    TCustomChart* FChart;
    TChartTitle* FTitle;
    bool FQuiet = false;
    TOwnedForm<TFormTeeShape> FShapeEditor;
};
