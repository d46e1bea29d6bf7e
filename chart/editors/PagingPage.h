#pragma once
// The paging page: how many points of each series a page of the chart shows, how the last page
// and the axes scale, and which page is shown.
#include "chart/editors/ChartPageForm.h"

class TButton;
class TChartPageNavigator;
class TTeeCustomTool;
class TCheckBox;
class TCustomChart;
class TEdit;
class TLabel;
class TUpDown;

// The tool class that shows a chart's page number; none until the tool library starts. The
// paging page offers "Show &Page Number" only while it is set.
extern TClass PageNumToolClass;

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
    // Shown only while a page-number tool class is registered.
    TCheckBox* CBPageNum;
    TButton* BEditTool;
    TChartPageNavigator* ChartPageNavigator1;
    TLabel* LabelPages;

    // The chart's first tool of the page-number class; with create, a new one named
    // "ChartTool<n>" (owned by the chart's owner) when the chart has none.
    TTeeCustomTool* FindPageNumTool(bool create);

protected:
    void LoadControls() override;

private:
    void BuildControls();
    void BindProperties();
    void PointsPerPageChanged();
    void RefreshNoPages();
    void RefreshLabel();
    void LoadPageNum();
    void PageNumClicked();
    void EditToolClicked();

    TCustomChart* FChart;
};
