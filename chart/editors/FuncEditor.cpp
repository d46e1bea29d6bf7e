#include "chart/editors/FuncEditor.h"

#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/FunctionChoices.h"
#include "chart/editors/FunctionOptionEditors.h"
#include "chart/editors/SelectListForm.h"
#include "chart/editors/SeriesGallery.h"
#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartValueList.h"
#include "chart/engine/DataSourcesList.h"
#include "chart/engine/SeriesCreation.h"
#include "chart/engine/SeriesEvents.h"
#include "chart/engine/TeeFunction.h"
#include "chart/foundation/EditorHooks.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpeedButton.h"

namespace {

// A function of the class, made only to ask it what it needs; freed at the end of the scope.
struct TFunctionSample {
    explicit TFunctionSample(TClass cls) : Function(CreateAs<TTeeFunction>(cls, nullptr)) {}
    ~TFunctionSample() { TObject::Free(Function); }
    TFunctionSample(const TFunctionSample&) = delete;
    TFunctionSample& operator=(const TFunctionSample&) = delete;
    TTeeFunction* Function;
};

int IndexOfObject(const TStrings& items, const TObject* object) {
    for (int i = 0; i < items.Count(); ++i)
        if (items.Objects(i) == object) return i;
    return -1;
}

}  // namespace

TTeeFuncEditor::TTeeFuncEditor(TComponent* owner) : TBaseSourceEditor(owner) {
    LLabel->SetCaption("&Functions:");
    static_cast<TStringList*>(CBSources->Items())->SetSorted(true);
    SpeedButton1 = MakeControl<TSpeedButton>(Pan, 254, 6, 23, 23);
    SpeedButton1->SetCaption("...");
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    TabSource = MakeTabSheet(this, PageControl1, "Source Series");
    TabOptions = MakeTabSheet(this, PageControl1, "Options");
    PanSingle = MakeControl<TPanel>(TabSource);
    PanSingle->SetAlign(alClient);
    PanSingle->SetBevelOuter(bvNone);
    LSingle = MakeLabel(PanSingle, 8, 12, "&Series:");
    CBSingle = MakeControl<TComboBox>(PanSingle, 70, 8, 170, 23);
    CBSingle->SetStyle(csDropDownList);
    LSingle->SetFocusControl(CBSingle);
    LValues = MakeLabel(PanSingle, 8, 42, "&Values:");
    CBValues = MakeControl<TComboBox>(PanSingle, 70, 38, 170, 23);
    CBValues->SetStyle(csDropDownList);
    CBValues->SetEnabled(false);
    LValues->SetFocusControl(CBValues);
    BNone = MakePushButton(PanSingle, 246, 7, 75, "&None");
    BNone->SetEnabled(false);

    FillFunctionChoices(*CBSources);
    CBSources->OnChange = [this](TObject*) { CBSourcesChange(); };
    CBSingle->OnChange = [this](TObject*) { CBSingleChange(); };
    CBValues->OnChange = [this](TObject*) { BApply->SetEnabled(true); };
    BNone->OnClick = [this](TObject*) {
        CBSingle->SetItemIndex(-1);
        CBSingleChange();
    };
    SpeedButton1->OnClick = [this](TObject*) { SpeedButton1Click(); };
}

TTeeFuncEditor::~TTeeFuncEditor() { Listen(nullptr); }

void TTeeFuncEditor::Listen(TCustomAxisPanel* chart) {
    if (chart == FListened) return;
    if (FListened) {
        FListened->Listeners().Remove(this);
        FListened->RemoveFreeNotification(this);
    }
    FListened = chart;
    if (FListened) {
        FListened->Listeners().Add(this);
        FListened->FreeNotification(this);
    }
}

void TTeeFuncEditor::Notification(TComponent* component, TOperation operation) {
    TBaseSourceEditor::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == FListened) FListened = nullptr;
    if (component == FOptions) FOptions = nullptr;
    if (component == FSelectList) FSelectList = nullptr;
}

void TTeeFuncEditor::DoShow() {
    TBaseSourceEditor::DoShow();
    PageControl1->SetActivePage(TabSource);
    Listen(FTheSeries ? FTheSeries->ParentChart() : nullptr);
    if (!FSelectList) {
        FSelectList = new TSelectListForm(this);
        FSelectList->FreeNotification(this);
        FSelectList->FromList->SetHeight(FSelectList->FromList->Height() - 5);
        FSelectList->ToList->SetHeight(FSelectList->ToList->Height() - 5);
        FSelectList->SetHeight(FSelectList->Height() - 8);
        FSelectList->SetAlign(alClient);
        FSelectList->OnChange = [this](TObject*) { CBSourcesChange(); };
        EmbedTaggedEditorForm(*FSelectList, *TabSource, FTheSeries);
    }
    if (FTheSeries) {
        TTeeFunction* function = FTheSeries->Function();
        SelectFunctionClass(*CBSources, function ? &function->ClassType() : nullptr);
        CBSourcesChange();
        // After the function's choice, which decides between one source and several.
        FillSourceLists();
        BApply->SetEnabled(!function && !FTheSeries->DataSource());
    }
    FSelectList->UpdateButtons();
}

void TTeeFuncEditor::FillSourceLists() {
    if (!FTheSeries || !FSelectList) return;
    CBSingle->Items()->Clear();
    TStrings& available = *FSelectList->FromList->Items();
    TStrings& chosen = *FSelectList->ToList->Items();
    available.Clear();
    ListSourceCandidates(&available, *CBSingle->Items(), *FTheSeries);
    chosen.Clear();
    TCustomAxisPanel* chart = FTheSeries->ParentChart();
    for (TComponent* source : FTheSeries->DataSources()) {
        auto* series = dynamic_cast<TChartSeries*>(source);
        if (!series) continue;
        chosen.AddObject(chart ? chart->SeriesTitleText(series) : series->Name(), series);
        for (int i = available.Count() - 1; i >= 0; --i)
            if (available.Objects(i) == series) available.Delete(i);
    }
    if (!PanSingle->Visible()) return;
    auto* source = dynamic_cast<TChartSeries*>(FTheSeries->DataSource());
    const int index = source ? IndexOfObject(*CBSingle->Items(), source) : -1;
    if (index >= 0) {
        if (CBSingle->ItemIndex() != index) {
            auto loading = LoadGuard();
            CBSingle->SetItemIndex(index);
            CBSingleChange();
        }
        SelectValueSourceItem(*FTheSeries, *CBValues);
    } else {
        CBSingle->SetItemIndex(-1);
    }
}

void TTeeFuncEditor::SelectValueSourceItem(const TChartSeries& series, TComboBox& combo) {
    const int index = combo.Items()->IndexOf(series.MandatoryValueList().ValueSource());
    combo.SetItemIndex(index >= 0 ? index : 0);
}

void TTeeFuncEditor::FreeOptionsEditor() {
    TObject::Free(FOptions);
    FOptions = nullptr;
    FOptionsClass = nullptr;
}

void TTeeFuncEditor::CBSourcesChange() {
    BApply->SetEnabled(true);
    const TClass functionClass = SelectedFunctionClass(*CBSources);
    TabOptions->SetTabVisible(functionClass != nullptr);
    if (functionClass) {
        const TFunctionSample sample(functionClass);
        const TTeeFunction& f = *sample.Function;
        PanSingle->SetVisible(!f.NoSourceRequired && f.SingleSource);
        LValues->SetVisible(!f.HideSourceList);
        CBValues->SetVisible(!f.HideSourceList);
        // The options form edits the series' function when it is of the chosen class; for
        // another class it starts empty and applying makes the function.
        TTeeFunction* current = FTheSeries ? FTheSeries->Function() : nullptr;
        TTeeFunction* edited =
            current && &current->ClassType() == functionClass ? current : nullptr;
        // A change of sources keeps the options form of the same class with what the user
        // typed in it; another class gets its own form.
        if (!FOptions || FOptionsClass != functionClass) {
            FreeOptionsEditor();
            const TClass editorClass = GetClass(f.EditorClassName());
            if (editorClass && editorClass->InheritsFrom(TBaseFunctionEditor::StaticClass())) {
                FOptions = CreateAs<TBaseFunctionEditor>(editorClass, this);
                FOptions->FreeNotification(this);
                FOptionsClass = functionClass;
                ApplyFormHook(FOptions);
                EmbedTaggedEditorForm(*FOptions, *TabOptions, edited);
                FOptions->SetAlign(alClient);
            }
        }
        if (!FOptions) TabOptions->SetTabVisible(false);
        if (f.NoSourceRequired) {
            TabOptions->SetTabVisible(true);
            TabSource->SetTabVisible(false);
            PageControl1->SetActivePage(TabOptions);
        } else {
            TabSource->SetTabVisible(true);
        }
        if ((f.NoSourceRequired || (FTheSeries && FTheSeries->DataSource())) && FOptions)
            PageControl1->SetActivePage(TabOptions);
        // The options form's own loading has disabled Apply; the choice itself is a change.
        BApply->SetEnabled(true);
    } else {
        FreeOptionsEditor();
        TabSource->SetTabVisible(true);
        PanSingle->SetVisible(false);
    }
    if (FSelectList) {
        FSelectList->SetVisible(!PanSingle->Visible());
        if (FSelectList->Visible() && TabSource->TabVisible())
            PageControl1->SetActivePage(TabSource);
    }
}

void TTeeFuncEditor::CBSingleChange() {
    if (!Loading()) BApply->SetEnabled(true);
    CBValues->Items()->Clear();
    const int index = CBSingle->ItemIndex();
    auto* series =
        index >= 0 ? dynamic_cast<TChartSeries*>(CBSingle->Items()->Objects(index)) : nullptr;
    CBValues->SetEnabled(series != nullptr);
    BNone->SetEnabled(series != nullptr);
    if (!series) return;
    const TChartValueLists& lists = series->ValueLists();
    for (int i = 1; i < lists.Count(); ++i) CBValues->Items()->Add(lists.ValueList(i)->Name());
    CBValues->SetItemIndex(0);
}

void TTeeFuncEditor::SpeedButton1Click() {
    const TClass chosen = ShowFunctionGallery(this);
    if (!chosen) return;
    SelectFunctionClass(*CBSources, chosen);
    CBSourcesChange();
}

void TTeeFuncEditor::ApplySources() {
    if (PanSingle->Visible()) {
        const int index = CBSingle->ItemIndex();
        auto* source =
            index >= 0 ? dynamic_cast<TChartSeries*>(CBSingle->Items()->Objects(index)) : nullptr;
        FTheSeries->SetDataSource(source);
        FTheSeries->MandatoryValueList().SetValueSource(
            source && CBValues->ItemIndex() >= 0 ? CBValues->Items()->Get(CBValues->ItemIndex())
                                                 : std::string());
        return;
    }
    const TStrings& chosen = *FSelectList->ToList->Items();
    if (chosen.Count() == 0) {
        FTheSeries->SetDataSource(nullptr);
        return;
    }
    // Every source is checked before the list changes, so a circle leaves the sources as
    // they were.
    for (int i = 0; i < chosen.Count(); ++i)
        FTheSeries->CheckSourceNotCircular(static_cast<TChartSeries*>(chosen.Objects(i)));
    FTheSeries->DataSources().Clear();
    for (int i = 0; i < chosen.Count(); ++i)
        FTheSeries->DataSources().AddSource(static_cast<TChartSeries*>(chosen.Objects(i)));
}

void TTeeFuncEditor::ApplyFunctionClass() {
    const TClass functionClass = SelectedFunctionClass(*CBSources);
    TTeeFunction* current = FTheSeries->Function();
    if (!functionClass) {
        if (current) FTheSeries->SetFunction(nullptr);
        return;
    }
    if (!current || &current->ClassType() != functionClass)
        CreateSeriesFunction(FTheSeries, functionClass);
}

void TTeeFuncEditor::BApplyClick() {
    if (!FTheSeries) return;
    const TClass functionClass = SelectedFunctionClass(*CBSources);
    if (FOptions && functionClass) {
        // A function of another class gives way now; the options form makes the new one.
        TTeeFunction* current = FTheSeries->Function();
        if (current && &current->ClassType() != functionClass) FTheSeries->SetFunction(nullptr);
        if (!FOptions->CloseQuery()) return;
    }
    {
        TSeriesUpdate update(*FTheSeries);
        ApplySources();
        ApplyFunctionClass();
    }
    FTheSeries->RefreshFromSource();
    BApply->SetEnabled(false);
}

void TTeeFuncEditor::HandleTeeEvent(TTeeEvent* event) {
    if (ComponentState().Contains(csDestroying)) return;
    auto* seriesEvent = dynamic_cast<TTeeSeriesEvent*>(event);
    if (!seriesEvent) return;
    const TChartSeriesEvent kind = seriesEvent->Event;
    if (kind != seAdd && kind != seRemove && kind != seSwap) return;
    if (seriesEvent->Series && seriesEvent->Series == FTheSeries)
        BApply->SetEnabled(false);
    else
        FillSourceLists();
}
