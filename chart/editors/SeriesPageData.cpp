// The Data Source tab of the series page: where the series' points come from. Typed by hand in
// the grid, random sample values, another series, a function, or a registered source kind whose
// editor form is embedded below the style list.
#include <algorithm>

#include "chart/editors/ChartGrid.h"
#include "chart/editors/ChartGridNavigator.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/FunctionChoices.h"
#include "chart/editors/SeriesPage.h"
#include "chart/editors/SourceEditorBase.h"
#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/SeriesSource.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/ValueGuard.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/Timer.h"

namespace {

// The form class of the function editor, found by name: it is registered at start-up.
constexpr const char* FunctionEditorClassName = "TTeeFuncEditor";

TPanel* MakeBarePanel(TWinControl* parent, TAlign align) {
    TPanel* panel = MakeControl<TPanel>(parent);
    panel->SetBevelOuter(bvNone);
    panel->SetAlign(align);
    return panel;
}

// The embedded editor's "&Apply" button, when it is a data-source page.
TButton* ApplyButtonOf(TForm* editor) {
    auto* source = dynamic_cast<TBaseSourceEditor*>(editor);
    return source ? source->BApply : nullptr;
}

}  // namespace

void TFormTeeSeries::BuildDataSourceTab() {
    PanTop = MakeBarePanel(TabDataSource, alTop);
    PanTop->SetHeight(34);
    CBDataSourcestyle = MakeComboBox(PanTop, 8, 6, 150, {"Manual", "Random", "Series", "Function"});
    CBDataSourcestyle->SetDropDownCount(12);
    NewDataButton = MakePushButton(PanTop, 166, 6, 70, "&New...");
    EditDataButton = MakePushButton(PanTop, 240, 6, 70, "&Edit...");
    DeleteDataButton = MakePushButton(PanTop, 314, 6, 70, "&Delete");
    SetControlsVisible(false, {NewDataButton, EditDataButton, DeleteDataButton});
    Panel2 = MakeBarePanel(TabDataSource, alClient);
    ChartGridNavigator1 = MakeControl<TChartGridNavigator>(Panel2);
    ChartGridNavigator1->SetHeight(25);
    ChartGridNavigator1->SetAlign(alBottom);
    ChartGrid1 = MakeControl<TChartGrid>(Panel2);
    ChartGrid1->SetAlign(alClient);
    ChartGridNavigator1->SetGrid(ChartGrid1);

    PanelRandomSource = MakeBarePanel(Panel2, alClient);
    PanelRandomSource->SetVisible(false);
    MakeLabel(PanelRandomSource, 8, 12, "&Number of sample values:");
    ESamples = MakeControl<TEdit>(PanelRandomSource, 170, 8, 60, 23);
    CBSamplesDefault = MakeCheckBox(PanelRandomSource, 240, 10, 80, "&Default");
    BApplyRandom = MakePushButton(PanelRandomSource, 170, 40, 75, "&Apply");
    BApplyRandom->SetEnabled(false);
    Button3 = MakePushButton(PanelRandomSource, 250, 40, 75, "&Clear");

    PanelSeriesSource = MakeBarePanel(Panel2, alClient);
    PanelSeriesSource->SetVisible(false);
    MakeLabel(PanelSeriesSource, 8, 12, "&Series:");
    CBSeriesSource = MakeComboBox(PanelSeriesSource, 70, 8, 160, {});
    BApplySource = MakePushButton(PanelSeriesSource, 70, 40, 75, "&Apply");
    BApplySource->SetEnabled(false);
    BClearSource = MakePushButton(PanelSeriesSource, 150, 40, 75, "&Clear");
    BClearSource->SetEnabled(false);

    CBDataSourcestyle->OnChange = [this](TObject*) { CBDataSourcestyleChange(); };
    // The chart is told of every point typed, so that linked series follow.
    ChartGrid1->OnSetEditText = [this](TObject*, int, int, const std::string&) {
        if (TChartSeries* series = ChartGrid1->Series()) series->SignalDataChanged();
    };
    ESamples->OnChange = [this](TObject*) { ESamplesChange(); };
    CBSamplesDefault->OnClick = [this](TObject*) { SamplesDefaultChange(); };
    BApplyRandom->OnClick = [this](TObject*) {
        if (!FSeries) return;
        FSeries->SetDataSource(nullptr);
        FSeries->FillSampleValues(FSeries->NumSampleValues);
    };
    Button3->OnClick = [this](TObject*) {
        if (!FSeries) return;
        FSeries->Clear();
        CBDataSourcestyle->SetItemIndex(sdsManual);
        CBDataSourcestyleChange();
    };
    CBSeriesSource->OnChange = [this](TObject*) { BApplySource->SetEnabled(true); };
    BApplySource->OnClick = [this](TObject*) {
        if (!FSeries) return;
        const int index = CBSeriesSource->ItemIndex();
        FSeries->SetDataSource(
            index < 0 ? nullptr
                      : dynamic_cast<TComponent*>(CBSeriesSource->Items()->Objects(index)));
        BApplySource->SetEnabled(false);
        BClearSource->SetEnabled(index >= 0);
    };
    BClearSource->OnClick = [this](TObject*) {
        CBSeriesSource->SetItemIndex(-1);
        BApplySource->Click();
    };
}

void TFormTeeSeries::RefillDataStyles() {
    TStrings& items = *CBDataSourcestyle->Items();
    while (items.Count() > sdsFirstKind) items.Delete(items.Count() - 1);
    FSourceKinds.clear();
    for (TClass cls : RegisteredSourceClasses()) {
        auto* kind = dynamic_cast<const TSeriesSourceClass*>(cls);
        if (!kind || !kind->IsAvailableFor(FSeries->ParentChart())) continue;
        if (std::find(FSourceKinds.begin(), FSourceKinds.end(), kind) != FSourceKinds.end())
            continue;
        FSourceKinds.push_back(kind);
        items.Add(kind->KindCaption());
    }
}

int TFormTeeSeries::CurrentDataStyle() const {
    if (FSeries->Function()) return sdsFunction;
    TComponent* source = FSeries->DataSource();
    if (!source) return FSeries->Count() > 0 && !FSeries->DataEnteredByHand ? sdsRandom : sdsManual;
    if (dynamic_cast<TChartSeries*>(source)) return sdsSeries;
    for (size_t i = 0; i < FSourceKinds.size(); ++i)
        if (FSourceKinds[i]->IsSourceOf(FSeries)) return sdsFirstKind + int(i);
    return sdsManual;
}

void TFormTeeSeries::LoadDataSourceTab() {
    const int style = CurrentDataStyle();
    if (style == CBDataSourcestyle->ItemIndex()) return;
    CBDataSourcestyle->SetItemIndex(style);
    RebuildSourcePanel();
}

bool TFormTeeSeries::FreeSourceEditor() {
    if (!FSourceEditor) return true;
    if (!ComponentState().Contains(csDestroying) && !FSourceEditor->CloseQuery()) return false;
    TForm* editor = FSourceEditor;
    FSourceEditor = nullptr;
    TObject::Free(editor);
    return true;
}

void TFormTeeSeries::RebuildSourcePanel() {
    if (!FreeSourceEditor()) return;
    SetControlsVisible(false, {NewDataButton, EditDataButton, DeleteDataButton, ChartGrid1,
                               ChartGridNavigator1, PanelRandomSource, PanelSeriesSource});
    if (!FSeries) return;
    const int style = CBDataSourcestyle->ItemIndex();
    TClass editorClass = nullptr;
    switch (style) {
        case sdsManual:
            ChartGrid1->SetSeries(FSeries);
            SetControlsVisible(true, {ChartGrid1, ChartGridNavigator1});
            break;
        case sdsRandom:
            ShowRandomSource();
            break;
        case sdsSeries:
            ShowSeriesSource();
            break;
        case sdsFunction:
            editorClass = GetClass(FunctionEditorClassName);
            break;
        default:
            if (style >= sdsFirstKind && style - sdsFirstKind < int(FSourceKinds.size())) {
                const TSeriesSourceClass* kind = FSourceKinds[size_t(style - sdsFirstKind)];
                if (kind->OffersNewSeries())
                    for (TButton* button : {NewDataButton, EditDataButton, DeleteDataButton})
                        button->SetVisible(bool(button->OnClick));
                editorClass = GetClass(kind->EditorFormClass());
            }
            break;
    }
    // A kind whose editor is not registered simply shows no editor.
    if (editorClass && editorClass->InheritsFrom(TForm::StaticClass()))
        EmbedSourceEditor(static_cast<TForm*>(editorClass->Create(this)));
}

void TFormTeeSeries::ShowRandomSource() {
    TValueGuard<bool> quiet(FQuiet, true);
    PanelRandomSource->SetVisible(true);
    const int defaultCount = FSeries->DefaultSampleCount();
    const int count = FSeries->NumSampleValues;
    ESamples->SetText(IntToStr(count == 0 ? defaultCount : count));
    const bool isDefault = count == 0 || count == defaultCount;
    CBSamplesDefault->SetChecked(isDefault);
    CBSamplesDefault->SetEnabled(!isDefault);
}

void TFormTeeSeries::ShowSeriesSource() {
    PanelSeriesSource->SetVisible(true);
    CBSeriesSource->Items()->Clear();
    ListSourceCandidates(nullptr, *CBSeriesSource->Items(), *FSeries);
    CBSeriesSource->SetItemIndex(CBSeriesSource->Items()->IndexOfObject(FSeries->DataSource()));
    BClearSource->SetEnabled(CBSeriesSource->ItemIndex() >= 0);
    BApplySource->SetEnabled(false);
}

void TFormTeeSeries::EmbedSourceEditor(TForm* editor) {
    FSourceEditor = editor;
    editor->SetAlign(alClient);
    // Shown, the editor loads the series it finds in its Tag.
    EmbedTaggedEditorForm(*editor, *Panel2, FSeries);
    Timer1->SetEnabled(true);
}

void TFormTeeSeries::Timer1Timer() {
    Timer1->SetEnabled(false);
    // Leaving the tab and coming back lays the new editor out at the tab's final size.
    PageSeries->SetActivePage(nullptr);
    PageSeries->SetActivePage(TabDataSource);
}

void TFormTeeSeries::CBDataSourcestyleChange() {
    if (!FSeries) return;
    if (TButton* apply = ApplyButtonOf(FSourceEditor)) apply->SetEnabled(false);
    const int style = CBDataSourcestyle->ItemIndex();
    if (style == sdsManual) {
        DetachSource();
        FSeries->DataEnteredByHand = true;
    } else if (style == sdsRandom) {
        DetachSource();
    }
    RebuildSourcePanel();
}

void TFormTeeSeries::DetachSource() {
    auto* source = dynamic_cast<TTeeSeriesSource*>(FSeries->DataSource());
    if (source && source->Owner() == FSeries) {
        source->SetSeries(nullptr);
        TObject::Free(source);
        FSeries->SetDataSource(nullptr);
        FSeries->Clear();
    }
    FSeries->SetFunction(nullptr);
}

void TFormTeeSeries::ESamplesChange() {
    if (FQuiet || !FSeries) return;
    FSeries->NumSampleValues = StrToIntDef(ESamples->Text(), 0);
    const int count = FSeries->NumSampleValues;
    const bool isDefault = count == 0 || count == FSeries->DefaultSampleCount();
    {
        TValueGuard<bool> quiet(FQuiet, true);
        CBSamplesDefault->SetChecked(isDefault);
    }
    CBSamplesDefault->SetEnabled(!isDefault);
    BApplyRandom->SetEnabled(true);
}

void TFormTeeSeries::SamplesDefaultChange() {
    if (FQuiet || !FSeries || !CBSamplesDefault->Checked()) return;
    ESamples->SetText(IntToStr(FSeries->DefaultSampleCount()));
    CBSamplesDefault->SetEnabled(false);
}
