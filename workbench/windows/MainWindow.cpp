#include "workbench/windows/MainWindow.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "chart/engine/Chart.h"
#include "chart/engine/DBChart.h"
#include "chart/engine/PointSeries.h"
#include "controls/RzBalloonHints.h"
#include "engine/Global.h"
#include "engine/Loaders.h"
#include "platform/classes/Cursors.h"
#include "platform/graphics/Font.h"
#include "platform/rtl/MessageService.h"
#include "platform/ui/BitBtn.h"
#include "platform/ui/Button.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBMemo.h"
#include "platform/ui/DBNavigator.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/SizeConstraints.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/Timer.h"
#include "workbench/TemperaturePlacement.h"
#include "workbench/windows/AboutBox.h"
#include "workbench/windows/ControlBuilding.h"
#include "workbench/windows/DatasetFileCommands.h"
#include "workbench/windows/ModalGuard.h"
#include "workbench/windows/WorkbenchCharts.h"

namespace {

// The databases talk through whichever message service is in force when they speak (the
// toolkit's boxes in the program, a recorder in tests).
class TMessagesInForce final : public IMessageService {
public:
    void ShowMessage(const std::string& text) override { ::ShowMessage(text); }
    bool ConfirmYesNo(const std::string& text) override { return ::ConfirmYesNo(text); }
};

}  // namespace

TFMainDB::TFMainDB(TComponent* owner, const std::string& exeDir)
    : TForm(owner), FMessages(std::make_unique<TMessagesInForce>()) {
    FormCreate(exeDir);
}

TFMainDB::~TFMainDB() {
    if (&EngineHost() == this) SetEngineHost(nullptr);
}

void TFMainDB::FormCreate(const std::string& exeDir) {
    Hide();
    // The lock comes before any database file is read or written. Its file lives in db/, which
    // is made for it when missing (the other folders follow with the databases).
    const TProgramFolders folders = ProgramFoldersOf(exeDir);
    std::error_code ignored;
    std::filesystem::create_directories(folders.DbDir, ignored);
    if (!FLock.Acquire(folders.DbDir, InstanceLockFile)) {
        FStartRefused = true;
        std::string message(DefaultTitle);
        ShowMessage(message.append(" is already running"));
        return;
    }
    BuildFrame();
    FData = std::make_unique<TWorkbenchData>(*FMessages, exeDir);
    FData->StartUp();
    SetEngineHost(this);
    TDatasetDatabase& db = FData->Main;
    dbgDatasets->SetDataSource(&db.dsMain);
    dbnDatasets->SetDataSource(&db.dsMain);
    dbmDatasets->SetDataSource(&db.dsMain);
    dbmDatasets->SetDataField("Rem");
    db.dsMain.OnDataChange = [this](TDataSource*, TField*) { dsMainDataChange(); };
    // A temperature point placed anew is marked as the current one.
    InstallPointDerivation(db, [this](double z, double y) { sCurrentPoint->AddXYPoint(z, y); });
    BindCavityPage();
    BindTemperaturesPage();
    BindVCPage();
    BindWavelengthsPage();
    db.cdsMain.First();
    rgSort->SetItemIndex(db.SortChoice());
    edFind->SetVisible(db.FindVisible());
    PageControl1->SetActivePage(tsCavity);
    FormShow();
    DoCreate();
}

void TFMainDB::FormShow() {
    Shared.ProgramTitle = DefaultTitle;
    SetCaption(Shared.ProgramTitle);
    btnCompute->SetVisible(true);
    TDatasetDatabase& db = FData->Main;
    db.cdsMain.First();
    for (auto [table, bar] :
         {std::pair{&db.cdsCavity, sbCavity}, std::pair{&db.cdsWavelengths, sbW},
          std::pair{&db.cdsTemperatures, sbT}}) {
        std::string text;
        ShowRecordPosition(*table, text);
        bar->SetSimpleText(text);
    }
    dsMainDataChange();
    FormResize();
}

void TFMainDB::BuildFrame() {
    SetCaption(DefaultTitle);
    SetPosition(poScreenCenter);
    SetBorderIcons({biSystemMenu, biMaximize});
    Constraints()->SetMinWidth(800);
    Constraints()->SetMinHeight(600);
    SetBounds(0, 0, 800, 600);
    OnClose = [this](TObject*, TCloseAction& action) { FormClose(action); };
    // The balloons are framed in the 3-D shadow colour and point at the mouse, whatever the
    // control's size. The setters pass each value on to the balloon window at once.
    RzBalloonHints1 = new TRzBalloonHints(this);
    RzBalloonHints1->SetFrameColor(cl3DDkShadow);
    RzBalloonHints1->SetCenterThreshold(0);
    RzBalloonHints1->Font()->SetName("Tahoma");
    RzBalloonHints1->Font()->SetSize(8);

    sbMain = MakeControl<TStatusBar>(this, alBottom);
    for (int width : {400, 175, 200}) sbMain->Panels()->Add()->SetWidth(width);
    BuildButtons();
    BuildDatasetsPanel();
    BuildPages();
}

void TFMainDB::BuildButtons() {
    pButtons = MakeControl<TPanel>(this, alBottom);
    pButtons->SetHeight(43);
    pButtons->SetBevelOuter(bvNone);
    btnSaveDataset =
        MakeButton(pButtons, 8, 8, 130, "Save Dataset As...", "Save Dataset in Text File");
    btnLoadDataset =
        MakeButton(pButtons, 146, 8, 110, "Load Dataset", "Load Dataset from Text File");
    btnCompute = MakeButton(pButtons, 300, 8, 100, "Compute", "Perform Monte Carlo Calculations");
    btnCompute->Font()->SetStyle({fsBold});
    btnResults =
        MakeButton(pButtons, 408, 8, 100, "Results", "Show Database with Modeling Results");
    btnAbout = MakeButton(pButtons, 516, 8, 100, "About", "");
    btnClose = MakeControl<TBitBtn>(pButtons);
    btnClose->SetKind(bkClose);
    btnClose->SetBounds(680, 8, 100, 27);
    btnClose->SetAnchors({akTop, akRight});  // at the window's right edge, also maximised
    btnSaveDataset->OnClick = [this](TObject*) { btnSaveDatasetClick(); };
    btnLoadDataset->OnClick = [this](TObject*) { btnLoadDatasetClick(); };
    btnCompute->OnClick = [this](TObject*) { btnComputeClick(); };
    btnResults->OnClick = [this](TObject*) { btnResultsClick(); };
    btnAbout->OnClick = [this](TObject*) { btnAboutClick(); };
}

void TFMainDB::BuildDatasetsPanel() {
    pDatasets = MakeControl<TPanel>(this, alLeft);
    pDatasets->SetWidth(320);
    pDatasets->SetBevelOuter(bvNone);

    rgSort = MakeControl<TRadioGroup>(pDatasets);
    rgSort->SetCaption("Sort by");
    rgSort->SetBounds(4, 4, 150, 64);
    rgSort->Items()->Add("Datase tName");
    rgSort->Items()->Add("Date and Time");
    rgSort->OnClick = [this](TObject*) {
        FData->Main.SetSortChoice(rgSort->ItemIndex());
        edFind->SetVisible(FData->Main.FindVisible());
    };
    edFind = MakeControl<TLabeledEdit>(pDatasets);
    edFind->EditLabel()->SetCaption("Find");
    edFind->SetBounds(164, 40, 150, 23);
    edFind->SetHint("Enter Dataset Name");
    edFind->SetShowHint(true);
    edFind->OnChange = [this](TObject*) { FData->Main.Find(edFind->Text()); };

    dbgDatasets = MakeControl<TDBGrid>(pDatasets);
    dbgDatasets->SetBounds(4, 74, 312, 250);
    dbgDatasets->SetAnchors({akLeft, akTop, akRight, akBottom});
    TColumn* name = dbgDatasets->Columns()->Add();
    name->SetFieldName("DatasetName");
    name->Title()->SetCaption("Dataset  Name");
    name->Title()->SetAlignment(taCenter);
    name->SetWidth(165);
    TColumn* time = dbgDatasets->Columns()->Add();
    time->SetFieldName("DateTime");
    time->Title()->SetCaption("Date and Time");
    time->Title()->SetAlignment(taCenter);
    time->SetWidth(110);
    time->SetColor(clMoneyGreen);
    dbgDatasets->OnExit = [this](TObject*) { PostIfEditing(FData->Main.cdsMain); };

    dbnDatasets = MakeControl<TDBNavigator>(pDatasets);
    dbnDatasets->SetBounds(4, 328, 312, 25);
    dbnDatasets->SetAnchors({akLeft, akRight, akBottom});
    dbnDatasets->SetVisibleButtons(
        {nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbPost, nbCancel});
    sbDatasets = MakeControl<TStatusBar>(pDatasets);
    sbDatasets->SetSimplePanel(true);
    sbDatasets->SetBounds(4, 356, 312, 20);
    sbDatasets->SetAnchors({akLeft, akRight, akBottom});

    lComments = MakeControl<TLabel>(pDatasets);
    lComments->SetCaption("Comments:");
    lComments->SetBounds(4, 380, 100, 16);
    lComments->SetAnchors({akLeft, akBottom});
    dbmDatasets = MakeControl<TDBMemo>(pDatasets);
    dbmDatasets->SetBounds(4, 398, 312, 90);
    dbmDatasets->SetAnchors({akLeft, akRight, akBottom});
    dbmDatasets->SetScrollBars(ssBoth);
    dbmDatasets->OnExit = [this](TObject*) { PostIfEditing(FData->Main.cdsMain); };
}

void TFMainDB::BuildPages() {
    // The label lies behind the page control and shows while the control is hidden.
    Label1 = MakeControl<TLabel>(this, alClient);
    Label1->SetCaption("DATABASE IS EMPTY");
    Label1->SetAlignment(taCenter);
    Label1->SetLayout(tlCenter);
    Label1->Font()->SetName("Calibri");
    Label1->Font()->SetSize(22);
    Label1->Font()->SetStyle({fsBold});
    Label1->Font()->SetColor(clMaroon);
    PageControl1 = MakeControl<TPageControl>(this, alClient);
    PageControl1->SetHotTrack(true);
    auto page = [this](const char* caption) {
        TTabSheet* sheet = new TTabSheet(this);
        sheet->SetPageControl(PageControl1);
        sheet->SetCaption(caption);
        return sheet;
    };
    ce = MakeWorkbenchChartEditor(this, "Edit Graph");
    tsCavity = page("Cavity");
    BuildCavityPage();
    tsTemperature = page("Temperatures");
    BuildTemperaturesPage();
    tsVC = page("Viewing Conditions");
    BuildVCPage();
    tsW = page("Wavelengths");
    BuildWavelengthsPage();
}

void TFMainDB::dsMainDataChange() {
    TDatasetDatabase& db = FData->Main;
    const bool any = db.cdsMain.Active() && !db.cdsMain.IsEmpty();
    PageControl1->SetVisible(any);
    Label1->SetVisible(!any);
    if (any) DrawCavity();
    if (any) DrawTemperaturePoints();
    RefreshTemperaturePlot();
    // Both plots are titled with the dataset's name, also when its profile cannot be drawn.
    std::vector<std::string> title;
    if (any) title.push_back(db.cdsMainDatasetName->AsString());
    SetChartTitle(*dbchTD, title);
    SetChartTitle(*chCavity, title);
    if (any) dbrgVCChange();
    std::string position;
    ShowRecordPosition(db.cdsMain, position);
    sbDatasets->SetSimpleText(position);
}

void TFMainDB::FormClose(TCloseAction& action) {
    if (!FData) return;
    // What the user typed or posted into the current dataset is saved with it; an edit that
    // cannot be posted is the user's to drop, and keeping it keeps the window open.
    if (!FData->Main.SettlePendingEdits()) {
        action = caNone;
        return;
    }
    TCursorGuard hourglass;
    sbMain->Panels()->Items(0)->SetText(" Saving data in database...");
    sbMain->Panels()->Items(1)->SetText("");
    sbMain->Panels()->Items(2)->SetText("");
    TApplication::ProcessMessages();
    try {
        if (!FData->Close()) action = caNone;
    } catch (...) {
        // A failed save keeps the window open, so that the user may try again; the old file is
        // left as it was.
        action = caNone;
        if (Application) Application->HandleException(std::current_exception());
    }
}

void TFMainDB::btnComputeClick() {
    PostIfEditing(FData->Main.cdsMain);
    std::string message;
    if (!LoadDataset(message)) {
        ShowMessage(message);
        return;
    }
    if (ShowComputeDialog) {
        TModalGuard modal(*this);
        ShowComputeDialog();
    }
}

void TFMainDB::btnResultsClick() {
    if (FData->Results.cdsResults.IsEmpty()) {
        ShowMessage("Database RESULTS is empty");
        return;
    }
    if (ShowResultsWindow) {
        TModalGuard modal(*this);
        ShowResultsWindow();
    }
}

void TFMainDB::btnAboutClick() {
    TModalGuard modal(*this);
    TFAbout* about = new TFAbout(this);
    about->ShowModal();
}

void TFMainDB::btnSaveDatasetClick() { SaveDatasetToTextFile(FData->Main); }

void TFMainDB::btnLoadDatasetClick() { LoadDatasetFromTextFile(FData->Main); }

void TFMainDB::CloseAfter(int ms) {
    FCloseTimer = new TTimer(this);
    FCloseTimer->SetInterval(ms);
    FCloseTimer->OnTimer = [this](TObject*) {
        FCloseTimer->SetEnabled(false);
        Close();
    };
    FCloseTimer->SetEnabled(true);
}

void TFMainDB::SetStatusText(int panel, const std::string& text) {
    if (panel >= 0 && panel < sbMain->Panels()->Count())
        sbMain->Panels()->Items(panel)->SetText(text);
}

bool TFMainDB::IsMainWindowActive() { return Showing() && !TModalGuard::Active(*this); }
