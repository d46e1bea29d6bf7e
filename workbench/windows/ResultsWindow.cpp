#include "workbench/windows/ResultsWindow.h"

#include "engine/Global.h"
#include "engine/VC.h"
#include "platform/db/DataSource.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/MessageService.h"
#include "platform/rtl/StrUtils.h"
#include "platform/ui/Application.h"
#include "platform/ui/BitBtn.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBMemo.h"
#include "platform/ui/DBNavigator.h"
#include "platform/ui/Edit.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/SizeConstraints.h"
#include "platform/ui/StatusBar.h"
#include "workbench/DatabaseRoutines.h"
#include "workbench/ResultsDatabase.h"
#include "workbench/ResultsTextFile.h"
#include "workbench/TextFileFormat.h"
#include "workbench/windows/ControlBuilding.h"
#include "workbench/windows/DatasetFileCommands.h"
#include "workbench/windows/MainWindow.h"
#include "workbench/windows/ModalGuard.h"
#include "workbench/windows/PlotAgainstVCWindow.h"
#include "workbench/windows/PlotAgainstWWindow.h"
#include "workbench/windows/ReportWindow.h"

namespace {

// The result grid's columns: the wavelength, the condition's number, its three parameters, then
// EEiso, EE and RT.
enum { colParam1 = 2, colEEiso = 5, colEE = 6, colRT = 7 };

TColumn* AddColumn(TDBGrid* grid, const char* field, const std::string& title, int width) {
    TColumn* c = grid->Columns()->Add();
    c->SetFieldName(field);
    c->Title()->SetCaption(title);
    c->Title()->SetAlignment(taCenter);
    c->SetWidth(width);
    return c;
}

TCheckBox* MakeCheck(TWinControl* parent, int top, const char* caption) {
    TCheckBox* c = MakeControl<TCheckBox>(parent);
    c->SetBounds(10, top, 260, 20);
    c->SetCaption(caption);
    c->SetChecked(true);
    return c;
}

// The current run's kind as the window shows it, or -1 for a damaged run whose kind is outside
// the kind tables: it is shown without a kind name or parameter columns, so that it can still be
// browsed and deleted (deleting moves through the runs, showing each); the commands that need its
// kind (save, report, plots) stop with the tables' range error.
int ShownKind(TClientDataSet& runs) {
    const int kind = runs.FieldByName("ViewIndex")->AsInteger();
    return kind >= 0 && kind < ViewKindCount ? kind : -1;
}

// The runs grid takes the window's colour for its rows; the grids and the memo are pale green.
void Green(TControl* control) { control->SetColor(clMoneyGreen); }

}  // namespace

TFResults::TFResults(TComponent* owner, TResultsDatabase& db) : TForm(owner), FDb(db) {
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 850, 600);
    Constraints()->SetMinWidth(850);
    Constraints()->SetMinHeight(600);
    FRuns = new TDataSource(this);
    FRuns->SetAutoEdit(false);
    FRuns->SetDataSet(&FDb.cdsResults);
    FResults = new TDataSource(this);
    FResults->SetAutoEdit(false);
    FResults->SetDataSet(&FDb.cdsSEERT);
    BuildBottom();
    BuildRunsSide();
    BuildResultsSide();
    FRuns->OnDataChange = [this](TDataSource*, TField*) { dsResultsDataChange(); };
    FResults->OnDataChange = [this](TDataSource*, TField*) {
        std::string text;
        ShowRecordPosition(FDb.cdsSEERT, text);
        sbSEERT->SetSimpleText(text);
    };
    OnShow = [this](TObject*) { FormShow(); };
    rgSort->SetItemIndex(FDb.SortChoice());
    dsResultsDataChange();
    DoCreate();
}

void TFResults::BuildBottom() {
    StatusBar1 = MakeControl<TStatusBar>(this, alBottom);
    StatusBar1->Panels()->Add()->SetWidth(200);
    StatusBar1->Panels()->Add()->SetWidth(400);
    TPanel* bottom = MakeControl<TPanel>(this, alBottom);
    bottom->SetHeight(40);
    bottom->SetBevelOuter(bvNone);
    btnClearAll = MakeButton(bottom, 8, 6, 110, "Clear All", "Clear All Results");
    btnCreateReport =
        MakeButton(bottom, 130, 6, 110, "Create &Report", "Generate Report in Text Format");
    btnClose = MakeControl<TBitBtn>(bottom);
    btnClose->SetKind(bkClose);
    btnClose->SetBounds(730, 6, 100, 27);
    btnClose->SetAnchors({akRight, akTop});
    btnClearAll->OnClick = [this](TObject*) { btnClearAllClick(); };
    btnCreateReport->OnClick = [this](TObject*) { btnCreateReportClick(); };
}

void TFResults::BuildRunsSide() {
    TPanel* left = MakeControl<TPanel>(this, alLeft);
    left->SetWidth(400);
    left->SetBevelOuter(bvNone);
    rgSort = MakeControl<TRadioGroup>(left);
    rgSort->SetCaption("Sort By");
    rgSort->SetHint("Sort Results by One of Three Key Fields");
    rgSort->SetShowHint(true);
    rgSort->SetBounds(4, 4, 220, 80);
    for (const char* item :
         {"Dataset Name", "Date and Time of Creation", "Date and Time of Calculation"})
        rgSort->Items()->Add(item);
    rgSort->OnClick = [this](TObject*) { rgSortClick(); };
    edFind = MakeControl<TLabeledEdit>(left);
    edFind->EditLabel()->SetCaption("Find:");
    edFind->SetBounds(236, 56, 160, 23);
    edFind->SetHint("Enter Dataset Name");
    edFind->SetShowHint(true);
    edFind->OnChange = [this](TObject*) {
        if (!edFind->Text().empty()) FDb.Find(edFind->Text());
    };

    dbgResults = MakeControl<TDBGrid>(left);
    dbgResults->SetBounds(4, 90, 392, 250);
    dbgResults->SetAnchors({akLeft, akTop, akRight, akBottom});
    dbgResults->SetDataSource(FRuns);
    dbgResults->SetReadOnly(true);
    Green(dbgResults);
    AddColumn(dbgResults, "DatasetName", "Dataset Name", 150);
    AddColumn(dbgResults, "StartDateTime", "Start @", 110);
    AddColumn(dbgResults, "DateTime", "Create @", 110);
    DBNavigator1 = MakeControl<TDBNavigator>(left);
    DBNavigator1->SetBounds(4, 344, 392, 25);
    DBNavigator1->SetAnchors({akLeft, akRight, akBottom});
    DBNavigator1->SetVisibleButtons({nbFirst, nbPrior, nbNext, nbLast, nbDelete});
    DBNavigator1->SetDataSource(FRuns);
    sbResults = MakeControl<TStatusBar>(left);
    sbResults->SetSimplePanel(true);
    sbResults->SetBounds(4, 372, 392, 20);
    sbResults->SetAnchors({akLeft, akRight, akBottom});
    lComments = MakeControl<TLabel>(left);
    lComments->SetCaption("   Comments:");
    lComments->SetBounds(4, 396, 100, 16);
    lComments->SetAnchors({akLeft, akBottom});
    dbmResults = MakeControl<TDBMemo>(left);
    dbmResults->SetBounds(4, 414, 392, 100);
    dbmResults->SetAnchors({akLeft, akRight, akBottom});
    dbmResults->SetDataSource(FRuns);
    dbmResults->SetDataField("Rem");
    dbmResults->SetReadOnly(true);
    Green(dbmResults);
}

void TFResults::BuildResultsSide() {
    TPanel* right = MakeControl<TPanel>(this, alClient);
    right->SetBevelOuter(bvNone);
    gbSEERT = MakeControl<TGroupBox>(right);
    gbSEERT->SetCaption("Show Columns");
    gbSEERT->SetHint("Show/Hide Columns");
    gbSEERT->SetShowHint(true);
    gbSEERT->SetBounds(4, 4, 290, 86);
    cbShowVC = MakeCheck(gbSEERT, 18, "Viewing Conditions (VC) Parameters");
    cbShowEE = MakeCheck(gbSEERT, 40, "Effective Emissivities (EE)");
    cbShowRT = MakeCheck(gbSEERT, 62, "Radiance Temperatures (RT)");
    cbShowVC->OnClick = [this](TObject*) { cbShowVCClick(); };
    cbShowEE->OnClick = [this](TObject*) { cbShowEEClick(); };
    cbShowRT->OnClick = [this](TObject*) { cbShowRTClick(); };

    dbgSEERT = MakeControl<TDBGrid>(right);
    dbgSEERT->SetBounds(4, 96, 436, 340);
    dbgSEERT->SetAnchors({akLeft, akTop, akRight, akBottom});
    dbgSEERT->SetDataSource(FResults);
    dbgSEERT->SetReadOnly(true);
    Green(dbgSEERT);
    AddColumn(dbgSEERT, "Wavelength", "Wavelength (\u00B5m)", 90);
    AddColumn(dbgSEERT, "ivc", "VC #", 40);
    for (const char* param : {"param1", "param2", "param3"}) AddColumn(dbgSEERT, param, "", 60);
    for (const char* result : {"EEiso", "EE", "RT"}) AddColumn(dbgSEERT, result, result, 80);
    dbnSEERT = MakeControl<TDBNavigator>(right);
    dbnSEERT->SetBounds(4, 440, 200, 25);
    dbnSEERT->SetAnchors({akLeft, akBottom});
    dbnSEERT->SetVisibleButtons({nbFirst, nbPrior, nbNext, nbLast});
    dbnSEERT->SetDataSource(FResults);
    sbSEERT = MakeControl<TStatusBar>(right);
    sbSEERT->SetSimplePanel(true);
    sbSEERT->SetBounds(4, 468, 436, 20);
    sbSEERT->SetAnchors({akLeft, akRight, akBottom});
    btnSave = MakeButton(right, 300, 8, 140, "Save &As...", "Save Results in Text File");
    btnPlotAgainstW = MakeButton(right, 300, 38, 140, "Plot against Wavelength",
                                 "Plot Dependences on Wavelength");
    btnPlotAgainstVC = MakeButton(right, 300, 68, 140, "Plot against VC Parameter",
                                  "Plot Dependences on One of Viewing Conditions Parameters");
    btnSave->OnClick = [this](TObject*) { btnSaveClick(); };
    btnPlotAgainstW->OnClick = [this](TObject*) { btnPlotAgainstWClick(); };
    btnPlotAgainstVC->OnClick = [this](TObject*) { btnPlotAgainstVCClick(); };
}

void TFResults::FormShow() {
    SetCaption(Shared.ProgramTitle + ": Results");
    cbShowVCClick();
    cbShowEEClick();
    cbShowRTClick();
}

void TFResults::rgSortClick() {
    FDb.SetSortChoice(rgSort->ItemIndex());
    edFind->SetVisible(FDb.FindVisible());
}

void TFResults::dsResultsDataChange() {
    TClientDataSet& runs = FDb.cdsResults;
    const bool any = runs.Active() && !runs.IsEmpty();
    for (TControl* c :
         std::initializer_list<TControl*>{btnClearAll, btnCreateReport, btnSave, btnPlotAgainstW,
                                          btnPlotAgainstVC, edFind, rgSort, gbSEERT})
        c->SetEnabled(any);
    std::string text;
    ShowRecordPosition(runs, text);
    sbResults->SetSimpleText(text);
    ShowRecordPosition(FDb.cdsSEERT, text);
    sbSEERT->SetSimpleText(text);
    if (!any) {
        StatusBar1->Panels()->Items(0)->SetText("");
        StatusBar1->Panels()->Items(1)->SetText("");
        return;
    }
    cbShowVCClick();
    cbShowEEClick();
    cbShowRTClick();
    ShowRunStatus();
}

void TFResults::ShowRunStatus() {
    TClientDataSet& runs = FDb.cdsResults;
    const int kind = ShownKind(runs);
    StatusBar1->Panels()->Items(0)->SetText(kind >= 0 ? ViewKindNames[size_t(kind)] : "");
    StatusBar1->Panels()->Items(1)->SetText(
        FormatFloat("###,###,###,##0", runs.FieldByName("NRF")->AsFloat()) +
        " rays.    Threshold = " + FloatToStr(runs.FieldByName("Threshold")->AsFloat()));
}

void TFResults::cbShowVCClick() {
    TClientDataSet& runs = FDb.cdsResults;
    const int kind = runs.Active() && !runs.IsEmpty() ? ShownKind(runs) : 0;
    for (int p = 0; p < 3; ++p) {
        TColumn* column = dbgSEERT->Columns()->Items(colParam1 + p);
        const bool known = kind >= 0;
        column->Title()->SetCaption(known ? ViewParamNames[size_t(kind)][size_t(p)] : "");
        column->SetVisible(cbShowVC->Checked() && known && p < ViewParamCounts[size_t(kind)]);
    }
}

void TFResults::cbShowEEClick() {
    dbgSEERT->Columns()->Items(colEEiso)->SetVisible(cbShowEE->Checked());
    dbgSEERT->Columns()->Items(colEE)->SetVisible(cbShowEE->Checked());
}

void TFResults::cbShowRTClick() {
    dbgSEERT->Columns()->Items(colRT)->SetVisible(cbShowRT->Checked());
}

void TFResults::btnSaveClick() {
    const std::string name =
        SaveTextFile(TextFileDialogCaption(true, "Results"), TextFileFilter, Shared.ResultsDir,
                     FDb.cdsResults.FieldByName("DatasetName")->AsString());
    if (Trim(name).empty()) return;
    // A file that cannot be written in full is reported too, not only one that cannot be made.
    if (WriteFileBytes(name, TextFileBytes(ResultsTextLines(FDb))) != TWriteResult::Written)
        ShowMessage("Cannot save file " + name);
}

void TFResults::btnClearAllClick() {
    FDb.ClearAll([this] {
        StatusBar1->Panels()->Items(0)->SetText(" Erasing results...");
        StatusBar1->Panels()->Items(1)->SetText("");
        TApplication::ProcessMessages();
    });
    StatusBar1->Panels()->Items(0)->SetText("");
    StatusBar1->Panels()->Items(1)->SetText("");
}

void TFResults::btnCreateReportClick() {
    TFReport report(this, FDb);
    report.ShowModal();
}

void TFResults::btnPlotAgainstWClick() {
    TFPlotAgainstW plot(this, FDb);
    plot.ShowModal();
}

void TFResults::btnPlotAgainstVCClick() {
    TFPlotAgainstVC plot(this, FDb);
    plot.ShowModal();
}

void ConnectResultsWindow(TFMainDB& main) {
    TFResults* window = new TFResults(&main, main.Data().Results);
    main.ShowResultsWindow = [window] { window->ShowModal(); };
}
