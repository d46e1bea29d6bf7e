#pragma once
// The paging page: how many points of each series a page of the chart shows, how the last page
// and the axes scale, and which page is shown.
#include "chart/editors/ChartPageForm.h"

class TButton;
class TChartPageNavigator;
class TCheckBox;
class TCustomChart;
class TEdit;
class TLabel;
class TUpDown;

class TFormTeePage : public TChartPageForm {
    KV_DECLARE_CLASS(TFormTeePage, TChartPageForm)
public:
    TFormTeePage(TComponent* owner, TCustomChart* chart);
    ~TFormTeePage() override;

    TEdit* SEPointsPerPage;
    TUpDown* UDPointsPerPage;
    TCheckBox* CBNoPages;
    TCheckBox* CBScaleLast;
    TCheckBox* CBAutoScale;
    TCheckBox* CBPageLegend;
    // The page-number tool is not among the chart's tool classes yet: these two stay hidden.
    TCheckBox* CBPageNum;
    TButton* BEditTool;
    TChartPageNavigator* ChartPageNavigator1;
    TLabel* LabelPages;

protected:
    void LoadControls() override;

private:
    void BuildControls();
    void BindProperties();
    void PointsPerPageChanged();
    void RefreshNoPages();
    void RefreshLabel();

    TCustomChart* FChart;
};
