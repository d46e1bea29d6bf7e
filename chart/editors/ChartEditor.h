#pragma once
// The component a window drops beside a chart to open the chart editor: its settings say how
// the dialog (TChartEditForm) is set up, and Execute shows the dialog on the chart, modal, and
// frees it.
#include <string>

#include "chart/editors/ChartEditorTypes.h"
#include "chart/editors/ChartListBox.h"
#include "platform/classes/Component.h"
#include "platform/classes/Events.h"

class TCustomChart;
class TChartSeries;
class TChartEditForm;

class TCustomChartEditor : public TComponent {
    KV_DECLARE_CLASS(TCustomChartEditor, TComponent)
public:
    explicit TCustomChartEditor(TComponent* owner);
    ~TCustomChartEditor() override;

    TCustomChart* Chart() const { return FChart; }
    virtual void SetChart(TCustomChart* chart);
    virtual void Execute() {}

    // Told the dialog form: after it closed (before it is freed) and before it is shown.
    TNotifyEvent OnClose;
    TNotifyEvent OnShow;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TCustomChart* FChart = nullptr;
};

class TChartEditor : public TCustomChartEditor {
    KV_DECLARE_CLASS(TChartEditor, TCustomChartEditor)
public:
    explicit TChartEditor(TComponent* owner);
    ~TChartEditor() override;

    void SetChart(TCustomChart* chart) override;
    TChartSeries* Series() const { return FSeries; }
    void SetSeries(TChartSeries* series);
    // Shows the dialog on Chart (nothing without one); OnClose fires and the dialog is freed on
    // every path, and the chart's repaint switch comes back even when showing fails.
    void Execute() override;

    bool AutoRepaint = true;
    TChartEditorTab DefaultTab = cetMain;
    TChartEditorHiddenTabs HideTabs;
    bool HighLightTabs = false;
    TChartEditorOptions Options = DefaultChartEditorOptions;
    int PixelsPerInch = 0;
    bool RememberPosition = false;
    std::string Title;
    bool TreeView = false;
    // The dialog's series list exchanged two series (its move buttons, a drag).
    TChangeOrderEvent OnChangeSeriesOrder;

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TChartSeries* FSeries = nullptr;
};
