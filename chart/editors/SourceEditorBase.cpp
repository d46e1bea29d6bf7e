#include "chart/editors/SourceEditorBase.h"

#include "chart/editors/EditorControls.h"
#include "chart/editors/FunctionChoices.h"
#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/DataSourcesList.h"
#include "chart/engine/SeriesCreation.h"
#include "chart/engine/SeriesSource.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/engine/TeeFunction.h"
#include "chart/foundation/EditorHooks.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"

// --- The source page.

TBaseSourceEditor::TBaseSourceEditor(TComponent* owner) : TEditorForm(owner) {
    SetBorderIcons({biSystemMenu});
    SetBounds(0, 0, 360, 260);
    SetAlign(alClient);
    Pan = MakeControl<TPanel>(this);
    Pan->SetHeight(34);
    Pan->SetAlign(alTop);
    Pan->SetBevelOuter(bvNone);
    LLabel = MakeLabel(Pan, 8, 10, "&Source:");
    CBSources = MakeControl<TComboBox>(Pan, 80, 6, 170, 23);
    CBSources->SetStyle(csDropDownList);
    LLabel->SetFocusControl(CBSources);
    PanelApply = MakeControl<TPanel>(Pan);
    PanelApply->SetWidth(84);
    PanelApply->SetAlign(alRight);
    PanelApply->SetBevelOuter(bvNone);
    BApply = MakePushButton(PanelApply, 4, 5, 75, "&Apply");
    BApply->SetEnabled(false);
    CBSources->OnChange = [this](TObject*) { BApply->SetEnabled(true); };
    BApply->OnClick = [this](TObject*) { BApplyClick(); };
}

TBaseSourceEditor::~TBaseSourceEditor() = default;

void TBaseSourceEditor::DoShow() {
    TObject* tag = TagObject();
    if (auto* series = dynamic_cast<TChartSeries*>(tag)) {
        FTheSeries = series;
        FTheSeries->FreeNotification(this);
    } else if (auto* chart = dynamic_cast<TCustomAxisPanel*>(tag)) {
        FTheChart = chart;
        FTheChart->FreeNotification(this);
    }
    BApply->SetEnabled(false);
    TForm::DoShow();
    ApplyFormHook(this);
}

void TBaseSourceEditor::Notification(TComponent* component, TOperation operation) {
    TForm::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == FTheSeries) FTheSeries = nullptr;
    if (component == FTheChart) FTheChart = nullptr;
}

void TBaseSourceEditor::ConnectSource(TComponent* component) {
    if (FTheChart && !FTheSeries) {
        // The first registered series type (the function entries have no series class).
        const TTeeSeriesTypes& types = SeriesTypeList();
        for (int i = 0; i < types.Count() && !FTheSeries; ++i)
            if (TClass seriesClass = types.GetItem(i)->SeriesClassRef)
                FTheSeries = FTheChart->AddSeriesOfClass(seriesClass);
        if (FTheSeries) FTheSeries->FreeNotification(this);
    }
    if (!FTheSeries || FTheSeries->DataSource() == component) return;
    // A source component this series made for itself goes with the link.
    if (auto* old = dynamic_cast<TTeeSeriesSource*>(FTheSeries->DataSource());
        old && old->Owner() == FTheSeries) {
        FTheSeries->SetDataSource(nullptr);
        TObject::Free(old);
    }
    FTheSeries->SetDataSource(nullptr);
    if (auto* source = dynamic_cast<TTeeSeriesSource*>(component); source && !source->Series())
        source->SetSeries(FTheSeries);
    FTheSeries->SetDataSource(component);
}

bool TBaseSourceEditor::CloseQuery() {
    if (!TForm::CloseQuery()) return false;
    if (!BApply->Enabled()) return true;
    switch (ConfirmYesNoCancel("Apply Changes ?")) {
        case mrYes:
            BApplyClick();
            return !BApply->Enabled();
        case mrNo:
            BApply->SetEnabled(false);
            return true;
        default:
            return false;
    }
}

// --- The function options form.

TBaseFunctionEditor::TBaseFunctionEditor(TComponent* owner) : TEditorForm(owner) {
    SetBorderIcons({biSystemMenu});
    SetBounds(0, 0, 300, 160);
    SetAlign(alClient);
    SetPosition(poScreenCenter);
}

TBaseSourceEditor* TBaseFunctionEditor::SourcePage() const {
    return dynamic_cast<TBaseSourceEditor*>(Owner());
}

void TBaseFunctionEditor::DoShow() {
    {
        auto loading = LoadGuard();
        SetEditedFunction(dynamic_cast<TTeeFunction*>(TagObject()));
        if (IFunction) {
            LoadFunction();
            if (TBaseSourceEditor* page = SourcePage()) page->BApply->SetEnabled(false);
        }
    }
    TForm::DoShow();
}

void TBaseFunctionEditor::SetEditedFunction(TTeeFunction* function) {
    if (function == IFunction) return;
    if (IFunction) IFunction->RemoveFreeNotification(this);
    IFunction = function;
    if (IFunction) IFunction->FreeNotification(this);
}

void TBaseFunctionEditor::Notification(TComponent* component, TOperation operation) {
    TForm::Notification(component, operation);
    if (operation == opRemove && component == IFunction) {
        IFunction = nullptr;
        SetTagObject(nullptr);
    }
}

void TBaseFunctionEditor::EnableApply() {
    if (Loading()) return;
    if (TBaseSourceEditor* page = SourcePage()) page->BApply->SetEnabled(true);
}

void TBaseFunctionEditor::ListChartSeries(TStrings& list) const {
    TChartSeries* series = IFunction ? IFunction->ParentSeries() : nullptr;
    if (TCustomAxisPanel* chart = series ? series->ParentChart() : nullptr)
        AddSeriesToStrings(list, chart->SeriesList(), true);
}

bool TBaseFunctionEditor::CloseQuery() {
    if (!TForm::CloseQuery()) return false;
    TBaseSourceEditor* page = SourcePage();
    TChartSeries* series = page ? page->TheSeries() : nullptr;
    if (!IFunction && series) {
        const TClass functionClass = SelectedFunctionClass(*page->CBSources);
        if (!functionClass) return true;
        // The series takes the new function at once (its former one is freed).
        SetEditedFunction(CreateSeriesFunction(series, functionClass));
        SetTagObject(IFunction);
    }
    if (!IFunction) return true;
    IFunction->BeginUpdate();
    try {
        ApplyFunction();
    } catch (...) {
        IFunction->EndUpdate();
        throw;
    }
    IFunction->EndUpdate();
    if (series && !series->Function()) series->SetFunction(IFunction);
    return true;
}
