#pragma once
// The chart editor kept inside a panel: one embedded dialog, without border or bottom buttons,
// editing the panel's chart for as long as the panel lives.
#include "chart/foundation/TeePanel.h"

class TCustomChart;
class TChartEditForm;

class TChartEditorPanel : public TCustomPanelNoCaption {
    KV_DECLARE_CLASS(TChartEditorPanel, TCustomPanelNoCaption)
public:
    explicit TChartEditorPanel(TComponent* owner);
    ~TChartEditorPanel() override;

    TCustomChart* Chart() const { return FChart; }
    void SetChart(TCustomChart* chart);
    TChartEditForm* Editor() const { return FEditor; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TCustomChart* FChart = nullptr;
    TChartEditForm* FEditor = nullptr;
};
