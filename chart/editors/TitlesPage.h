#pragma once
// The titles page: the chart's four titles, one at a time (text, visibility, frame adjustment,
// alignment).
#include "chart/editors/ChartPageForm.h"

class TCheckBox;
class TComboBox;
class TCustomChart;
class TChartTitle;
class TMemo;

class TFormTeeTitle : public TChartPageForm {
    KV_DECLARE_CLASS(TFormTeeTitle, TChartPageForm)
public:
    TFormTeeTitle(TComponent* owner, TChartTitle* title, TCustomChart* chart);
    ~TFormTeeTitle() override;

    TChartTitle* Title() const { return FTitle; }

    TComboBox* CBTitles;
    TMemo* MText;
    TCheckBox* CBVisible;
    TCheckBox* CBAdjust;
    TComboBox* CBAlign;

protected:
    void LoadControls() override;

private:
    void CBTitlesChange();
    void MTextChange();

    TCustomChart* FChart;
    TChartTitle* FTitle;
};
