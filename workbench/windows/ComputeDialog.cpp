#include "workbench/windows/ComputeDialog.h"

#include "engine/Global.h"
#include "engine/Loaders.h"
#include "engine/VC.h"
#include "platform/graphics/Font.h"
#include "platform/ui/Application.h"
#include "platform/ui/BitBtn.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/DBComboBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/Memo.h"
#include "platform/ui/Panel.h"
#include "platform/ui/ProgressBar.h"
#include "platform/ui/SizeConstraints.h"
#include "platform/ui/StatusBar.h"
#include "workbench/DatasetDatabase.h"
#include "workbench/windows/ControlBuilding.h"
#include "workbench/windows/MainWindow.h"

namespace {

TLabel* MakeLabel(TWinControl* parent, int left, int top, const std::string& caption) {
    TLabel* l = MakeControl<TLabel>(parent);
    l->SetLeft(left);
    l->SetTop(top);
    l->SetCaption(caption);
    return l;
}

TDBComboBox* MakeCombo(TWinControl* parent, int top, const char* field,
                       std::initializer_list<const char*> items, const char* hint) {
    TDBComboBox* c = MakeControl<TDBComboBox>(parent);
    c->SetBounds(8, top, 200, 23);
    for (const char* item : items) c->Items()->Add(item);
    c->SetDropDownCount(int(items.size()) + 1);
    c->SetDataField(field);
    c->SetHint(hint);
    c->SetShowHint(true);
    return c;
}

TBitBtn* MakeBitBtn(TWinControl* parent, int left, const std::string& caption,
                    const std::string& hint) {
    TBitBtn* b = MakeControl<TBitBtn>(parent);
    b->SetBounds(left, 56, 90, 27);
    b->SetCaption(caption);
    b->SetHint(hint);
    b->SetShowHint(!hint.empty());
    return b;
}

}  // namespace

TFCompute::TFCompute(TComponent* owner, TDatasetDatabase& db, std::function<void()> showResults)
    : TForm(owner), FDb(db), FShowResults(std::move(showResults)) {
    SetPosition(poScreenCenter);
    SetBorderIcons({biSystemMenu, biMaximize});
    SetBounds(0, 0, 640, 360);
    Constraints()->SetMinWidth(640);
    Constraints()->SetMinHeight(360);
    Font()->SetName("MS Sans Serif");
    Font()->SetHeight(-13);

    StatusBar1 = MakeControl<TStatusBar>(this, alBottom);
    StatusBar1->Panels()->Add()->SetWidth(350);
    StatusBar1->Panels()->Add()->SetWidth(50);

    TPanel* bottom = MakeControl<TPanel>(this, alBottom);
    bottom->SetHeight(92);
    bottom->SetBevelOuter(bvNone);
    Label4 = MakeLabel(bottom, 8, 8, "Viewing Conditions: ");
    lblVC = MakeLabel(bottom, 140, 8, "");
    pbVC = MakeControl<TProgressBar>(bottom);
    pbVC->SetBounds(8, 28, 300, 16);
    Label6 = MakeLabel(bottom, 324, 8, "Progress: ");
    lblPercentage = MakeLabel(bottom, 400, 8, "");
    pbPercentage = MakeControl<TProgressBar>(bottom);
    pbPercentage->SetBounds(324, 28, 300, 16);
    btnRun = MakeBitBtn(bottom, 8, "Run", "Start Monte Carlo Modeling");
    btnRun->Font()->SetStyle({fsBold});
    btnStop = MakeBitBtn(bottom, 104, "Stop", "Stop Monte Carlo Modeling");
    btnStop->SetEnabled(false);
    cbShowResults = MakeControl<TCheckBox>(bottom);
    cbShowResults->SetBounds(204, 60, 230, 20);
    cbShowResults->SetCaption("Show Results after Completion");
    cbShowResults->SetChecked(true);
    btnClose = MakeControl<TBitBtn>(bottom);
    btnClose->SetKind(bkClose);
    btnClose->SetBounds(534, 56, 90, 27);

    TPanel* right = MakeControl<TPanel>(this, alRight);
    right->SetWidth(220);
    right->SetBevelOuter(bvNone);
    Label2 = MakeLabel(right, 8, 8, "Number of Rays:  ");
    DBComboBox1 =
        MakeCombo(right, 26, "NRF", {"1", "1e3", "1e4", "1e5", "1e6", "1e7", "1e8", "1e9"},
                  "Choose Number of Rays for Mote Carlo Modeling");
    Label3 = MakeLabel(right, 8, 60, "Radiance Threshold: ");
    DBComboBox2 =
        MakeCombo(right, 78, "Threshold", {"0", "1e-3", "1e-4", "1e-5", "1e-6", "1e-7", "1e-8"},
                  "Choose (Spectral) Radiance Relative Threshold");

    mProgress = MakeControl<TMemo>(this, alClient);
    mProgress->Font()->SetName("Courier New");
    mProgress->Font()->SetHeight(-11);
    mProgress->SetScrollBars(ssVertical);
    mProgress->SetReadOnly(true);

    btnRun->OnClick = [this](TObject*) { btnRunClick(); };
    btnStop->OnClick = [this](TObject*) { btnStopClick(); };
    FormCreate();
    DoCreate();
}

void TFCompute::FormCreate() {
    SetCaption(Shared.ProgramTitle + ": Compute");
    PostIfEditing(FDb.cdsMain);
    DBComboBox1->SetDataSource(&FDb.dsMain);
    DBComboBox2->SetDataSource(&FDb.dsMain);
    mProgress->Clear();
    lblPercentage->SetCaption("");
    lblVC->SetCaption("");
    pbVC->SetPosition(0);
    pbPercentage->SetPosition(0);
    StatusBar1->Panels()->Items(0)->SetText("Dataset Name: " + Shared.CurDatasetName);
    StatusBar1->Panels()->Items(1)->SetText(ViewKindNames[Shared.CurViewIndex]);
    RememberAcceptedValues();
}

void TFCompute::RememberAcceptedValues() {
    FAcceptedNRF = FDb.cdsMain.FieldByName("NRF")->AsFloat();
    FAcceptedThreshold = FDb.cdsMain.FieldByName("Threshold")->AsFloat();
}

void TFCompute::TakeBackRefusedValues() {
    TClientDataSet& main = FDb.cdsMain;
    TField* nrf = main.FieldByName("NRF");
    TField* threshold = main.FieldByName("Threshold");
    std::string ignored;
    // Each value is checked with the other one's accepted value, so that only a refused one goes.
    const bool nrfRefused = !CheckRunParameters(nrf->AsFloat(), FAcceptedThreshold, ignored);
    const bool thresholdRefused = !CheckRunParameters(FAcceptedNRF, threshold->AsFloat(), ignored);
    if (nrfRefused && nrf->AsFloat() != FAcceptedNRF) {
        main.Edit();
        nrf->SetAsFloat(FAcceptedNRF);
    }
    if (thresholdRefused && threshold->AsFloat() != FAcceptedThreshold) {
        main.Edit();
        threshold->SetAsFloat(FAcceptedThreshold);
    }
}

void TFCompute::DoClose(TCloseAction& action) {
    // A number typed or chosen but never run is checked as a run would check it.
    Fire([this] {
        if (FDb.cdsMain.State() == dsEdit || FDb.cdsMain.State() == dsInsert)
            FDb.cdsMain.UpdateRecord();
        TakeBackRefusedValues();
    });
    TForm::DoClose(action);
}

void TFCompute::SetRunning(bool running) {
    btnStop->SetEnabled(running);
    btnRun->SetEnabled(!running);
}

// Ends the dialog: its modal loop, or its window when it was shown modeless.
void TFCompute::Finish() {
    if (Modal())
        SetModalResult(mrOk);
    else
        Close();
}

void TFCompute::btnRunClick() {
    // A number typed into a combo box counts even when the box has not lost the focus yet; a
    // text the field refuses stops the click before the run starts.
    if (FDb.cdsMain.State() == dsEdit || FDb.cdsMain.State() == dsInsert)
        FDb.cdsMain.UpdateRecord();
    SetRunning(true);
    std::string message;
    const TRunOutcome outcome = RunAndSaveResults(*this, message);
    if (outcome == TRunOutcome::Refused) {
        // The message has been shown: the refused value goes, and the dialog is ready again.
        TakeBackRefusedValues();
        SetRunning(false);
        return;
    }
    RememberAcceptedValues();
    switch (outcome) {
        case TRunOutcome::Stopped:
            SetRunning(false);
            break;
        case TRunOutcome::PreparationFailed:
        case TRunOutcome::SaveFailed:
            Finish();
            break;
        case TRunOutcome::Saved:
            if (cbShowResults->Checked()) {
                if (FShowResults) FShowResults();
                Finish();
            }
            break;
        default:  // a failed ray: the dialog keeps the running look until closed
            break;
    }
}

void TFCompute::btnStopClick() { StopFlag = true; }

void TFCompute::Log(const std::string& line) { mProgress->Lines()->Add(line); }

void TFCompute::SetVCText(const std::string& text) { lblVC->SetCaption(text); }

void TFCompute::SetVCPosition(int percent) { pbVC->SetPosition(percent); }

void TFCompute::SetPercentage(int percent, const std::string& text) {
    lblPercentage->SetCaption(text);
    pbPercentage->SetPosition(percent);
}

void TFCompute::PumpMessages() {
    TApplication::ProcessMessages();
    // A close asked for during the run (the close box, the Close button) stops it, so that
    // nothing is saved behind a closed dialog; the dialog closes once the run has ended.
    if (ModalResult() != mrNone || !Visible()) StopFlag = true;
}

void ConnectComputeDialog(TFMainDB& main) {
    main.ShowComputeDialog = [&main] {
        // The results window is asked for when it is needed: it may be connected later.
        TFCompute dialog(&main, main.Data().Main, [&main] {
            if (main.ShowResultsWindow) main.ShowResultsWindow();
        });
        dialog.ShowModal();
    };
}
