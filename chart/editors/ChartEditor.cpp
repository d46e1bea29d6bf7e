#include "chart/editors/ChartEditor.h"

#include "chart/editors/ChartEditForm.h"
#include "chart/editors/ChartListBox.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartSeries.h"
#include "chart/foundation/EditorHooks.h"

TCustomChartEditor::TCustomChartEditor(TComponent* owner) : TComponent(owner) {}

TCustomChartEditor::~TCustomChartEditor() {
    if (FChart) FChart->RemoveFreeNotification(this);
}

void TCustomChartEditor::SetChart(TCustomChart* chart) {
    if (chart == FChart) return;
    if (FChart) FChart->RemoveFreeNotification(this);
    FChart = chart;
    if (FChart) FChart->FreeNotification(this);
}

void TCustomChartEditor::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == FChart) SetChart(nullptr);
}

TChartEditor::TChartEditor(TComponent* owner) : TCustomChartEditor(owner) {}

TChartEditor::~TChartEditor() {
    if (FSeries) FSeries->RemoveFreeNotification(this);
}

void TChartEditor::SetChart(TCustomChart* chart) {
    TCustomChartEditor::SetChart(chart);
    if (Chart() && FSeries && FSeries->ParentChart() != Chart()) SetSeries(nullptr);
}

void TChartEditor::SetSeries(TChartSeries* series) {
    if (series == FSeries) return;
    if (FSeries) FSeries->RemoveFreeNotification(this);
    FSeries = series;
    if (!FSeries) return;
    FSeries->FreeNotification(this);
    auto* parent = dynamic_cast<TCustomChart*>(FSeries->ParentChart());
    if (Chart() && parent && parent != Chart()) SetChart(parent);
}

void TChartEditor::Notification(TComponent* component, TOperation operation) {
    TCustomChartEditor::Notification(component, operation);
    if (operation == opRemove && component == FSeries) FSeries = nullptr;
}

void TChartEditor::Execute() {
    TCustomChart* chart = Chart();
    if (!chart) return;
    TChartEditForm* form = new TChartEditForm(nullptr);
    bool repaintHeld = false;
    bool formerAutoRepaint = chart->AutoRepaint();
    // What always happens when the dialog ends: the chart repaints again, OnClose, the form freed.
    auto finish = [&] {
        if (repaintHeld) {
            chart->SetAutoRepaint(formerAutoRepaint);
            chart->Invalidate();
        }
        if (OnClose) OnClose(form);
        TObject::Free(form);
    };
    try {
        form->TreeVisible = TreeView;
        form->RememberPosition = RememberPosition;
        form->SetCaption(Title);
        form->Options = Options;
        form->AssignChart(chart);
        form->HighLightTabs = HighLightTabs;
        form->TheSeries = FSeries;
        form->ApplyHelpOptions();
        form->DefaultTab = DefaultTab;
        form->HideTabs = HideTabs;
        form->LBSeries->OnChangeOrder = [this](TChartListBox* sender, TCustomChartSeries* a,
                                               TCustomChartSeries* b) {
            if (OnChangeSeriesOrder) OnChangeSeriesOrder(sender, a, b);
        };
        if (OnShow) OnShow(form);
        if (!AutoRepaint) {
            repaintHeld = true;
            chart->SetAutoRepaint(false);
        }
        ApplyFormHook(form);
        // The form is laid out at the screen's resolution already; PixelsPerInch only matters
        // where that differs, which it never does here.
        form->ShowModal();
    } catch (...) {
        finish();
        throw;
    }
    finish();
    // The rest of the mouse action that opened the editor is not the chart's.
    if (Chart()) Chart()->SetCancelMouse(true);
}
