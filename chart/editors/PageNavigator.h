#pragma once
// The page navigator: first, prior, next and last buttons over the pages of a chart's points.
#include "chart/editors/TeeNavigator.h"

class TCustomAxisPanel;

class TChartPageNavigator : public TCustomTeeNavigator {
    KV_DECLARE_CLASS(TChartPageNavigator, TCustomTeeNavigator)
public:
    explicit TChartPageNavigator(TComponent* owner);
    ~TChartPageNavigator() override;

    TCustomAxisPanel* Chart() const;
    void SetChart(TCustomAxisPanel* chart);
    // Only a chart with axes can be paged: any other panel counts as none.
    void SetPanel(TCustomTeePanel* panel) override;
    // First and prior after the first page, next and last before the last one.
    void EnableButtons() override;
    int PageCount() override;
    // A single page prints at once; more ask which pages in the print dialog.
    void Print() override;
    static void Publish(TPublisher<TChartPageNavigator>& p);

protected:
    void TeeEvent(TTeeEvent* event) override;
    void BtnClick(TTeeNavigateBtn index) override;
};
