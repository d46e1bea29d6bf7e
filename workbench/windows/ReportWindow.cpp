#include "workbench/windows/ReportWindow.h"

#include "engine/Global.h"
#include "platform/graphics/Font.h"
#include "platform/rtl/MessageService.h"
#include "platform/rtl/StrUtils.h"
#include "platform/ui/BitBtn.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/Memo.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SizeConstraints.h"
#include "workbench/Report.h"
#include "workbench/StoredRun.h"
#include "workbench/windows/ControlBuilding.h"
#include "workbench/windows/DatasetFileCommands.h"

TFReport::TFReport(TComponent* owner, TResultsDatabase& db) : TForm(owner), FDb(db) {
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 760, 560);
    Constraints()->SetMinWidth(500);
    Constraints()->SetMinHeight(300);

    TPanel* bottom = MakeControl<TPanel>(this, alBottom);
    bottom->SetHeight(40);
    bottom->SetBevelOuter(bvNone);
    cbReadOnly = MakeControl<TCheckBox>(bottom);
    cbReadOnly->SetBounds(10, 10, 100, 20);
    cbReadOnly->SetCaption("Read Only");
    cbReadOnly->SetChecked(true);
    cbReadOnly->SetHint("Disable/Enable Report Editing");
    cbReadOnly->SetShowHint(true);
    btnSaveReport = MakeButton(bottom, 130, 6, 100, "Save &As..", "Save Report in Text File");
    btnClose = MakeControl<TBitBtn>(bottom);
    btnClose->SetKind(bkClose);
    btnClose->SetBounds(650, 6, 90, 27);
    btnClose->SetAnchors({akRight, akTop});

    Memo1 = MakeControl<TMemo>(this, alClient);
    Memo1->Font()->SetName("Courier New");
    Memo1->SetScrollBars(ssBoth);
    Memo1->SetReadOnly(true);

    cbReadOnly->OnClick = [this](TObject*) { cbReadOnlyClick(); };
    btnSaveReport->OnClick = [this](TObject*) { btnSaveReportClick(); };
    OnShow = [this](TObject*) { FormShow(); };
    DoCreate();
}

TFReport::~TFReport() = default;

void TFReport::FormShow() {
    SetCaption(Shared.ProgramTitle + ": Report");
    const TStoredRun run = ReadStoredRun(FDb);
    FDatasetName = run.DatasetName;
    Memo1->Clear();
    const TReport report = BuildReport(run, Shared.ProgramTitle);
    TStrings* lines = Memo1->Lines();
    lines->BeginUpdate();
    for (const std::string& line : report.Lines) lines->Add(line);
    lines->EndUpdate();
    if (!report.Failure.empty()) ShowMessage(report.Failure);
}

void TFReport::cbReadOnlyClick() { Memo1->SetReadOnly(cbReadOnly->Checked()); }

void TFReport::btnSaveReportClick() {
    const std::string name = SaveTextFile(TextFileDialogCaption(true, "Report"), TextFileFilter,
                                          Shared.ReportsDir, FDatasetName);
    if (Trim(name).empty()) return;
    // A file that cannot be written raises; the application's error report shows it.
    Memo1->Lines()->SaveToFile(name);
}
