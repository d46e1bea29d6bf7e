#include "chart/tools/sources/ExcelSourceEditor.h"

#include "chart/editors/EditorControls.h"
#include "chart/engine/ChartSeries.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/tools/sources/ExcelSource.h"
#include "platform/classes/Cursors.h"
#include "platform/rtl/StrUtils.h"
#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"

namespace {

TEdit* MakeRangeEdit(TGroupBox* group, int top, const std::string& caption) {
    TLabel* label = MakeLabel(group, 8, top + 4, caption);
    TEdit* edit = MakeControl<TEdit>(group, 56, top, 70, 21);
    label->SetFocusControl(edit);
    return edit;
}

}  // namespace

TExcelSourceForm::TExcelSourceForm(TComponent* owner) : TBaseSourceEditor(owner) {
    // The page has one source kind: the base's source choice is not shown.
    LLabel->SetVisible(false);
    CBSources->SetVisible(false);

    LabelFile = MakeLabel(this, 8, 48, "&Excel file:");
    EFileName = MakeControl<TEdit>(this, 88, 44, 180, 21);
    LabelFile->SetFocusControl(EFileName);
    Button1 = MakePushButton(this, 274, 42, 75, "&Browse...");
    LabelSheet = MakeLabel(this, 8, 78, "&Worksheet:");
    CBWorkSheet = MakeControl<TComboFlat>(this, 88, 74, 180, 21);
    CBWorkSheet->SetStyle(csDropDownList);
    CBWorkSheet->SetEnabled(false);
    LabelSheet->SetFocusControl(CBWorkSheet);

    GroupValues = MakeControl<TGroupBox>(this, 8, 106, 140, 76);
    GroupValues->SetCaption("&Values Range:");
    EValFrom = MakeRangeEdit(GroupValues, 18, "&From:");
    EValTo = MakeRangeEdit(GroupValues, 46, "&To:");
    GroupLabels = MakeControl<TGroupBox>(this, 156, 106, 140, 76);
    GroupLabels->SetCaption("&Labels Range:");
    ELabFrom = MakeRangeEdit(GroupLabels, 18, "F&rom:");
    ELabTo = MakeRangeEdit(GroupLabels, 46, "T&o:");
    SetRangesEnabled(false);

    Button1->OnClick = [this](TObject*) { Button1Click(); };
    CBWorkSheet->OnChange = [this](TObject*) { CBWorkSheetChange(); };
    for (TEdit* edit : {EFileName, EValFrom, EValTo, ELabFrom, ELabTo})
        edit->OnChange = [this](TObject*) { BApply->SetEnabled(true); };
}

TExcelSourceForm::~TExcelSourceForm() = default;

void TExcelSourceForm::SetRangesEnabled(bool value) {
    for (TEdit* edit : {EValFrom, EValTo, ELabFrom, ELabTo}) edit->SetEnabled(value);
}

void TExcelSourceForm::Notification(TComponent* component, TOperation operation) {
    TBaseSourceEditor::Notification(component, operation);
    if (operation == opRemove && component == FSource) FSource = nullptr;
}

void TExcelSourceForm::DoShow() {
    TBaseSourceEditor::DoShow();
    TChartSeries* series = TheSeries();
    if (!series) return;
    FSource = dynamic_cast<TTeeExcelSource*>(series->DataSource());
    if (!FSource) FSource = new TTeeExcelSource(series);
    FSource->FreeNotification(this);
    {
        auto loading = LoadGuard();
        EFileName->SetText(FSource->FileName());
        EValFrom->SetText(FSource->RangeFrom());
        EValTo->SetText(FSource->RangeTo());
        ELabFrom->SetText(FSource->LabelsFrom());
        ELabTo->SetText(FSource->LabelsTo());
    }
    if (!FSource->FileName().empty()) {
        try {
            FillWorkSheets();
        } catch (const Exception&) {
            // A file that cannot be read leaves the list empty; Apply will say why.
        }
        CBWorkSheet->SetItemIndex(CBWorkSheet->Items()->IndexOf(FSource->WorkSheet()));
        SetRangesEnabled(CBWorkSheet->ItemIndex() >= 0);
    }
    BApply->SetEnabled(series->DataSource() != FSource);
}

void TExcelSourceForm::FillWorkSheets() {
    CBWorkSheet->Items()->Clear();
    struct TEnableAfter {
        TComboFlat* Combo;
        ~TEnableAfter() { Combo->SetEnabled(Combo->Items()->Count() > 0); }
    } enableAfter{CBWorkSheet};
    TCursorGuard hourglass(crHourGlass);
    TTeeExcelSource reader(nullptr);
    reader.SetFileName(EFileName->Text());
    for (const std::string& name : reader.WorkSheetNames()) CBWorkSheet->Items()->Add(name);
}

void TExcelSourceForm::Button1Click() {
    TOpenDialog dialog(nullptr);
    dialog.SetFilter("Microsoft Excel files|*.xls;*.xlsx");
    dialog.SetDefaultExt("xls");
    dialog.SetOptions({ofFileMustExist});
    if (!dialog.Execute()) return;
    EFileName->SetText(dialog.FileName());
    CBWorkSheet->Items()->Clear();
    CBWorkSheet->SetEnabled(false);
    if (FileExists(dialog.FileName())) FillWorkSheets();
}

void TExcelSourceForm::CBWorkSheetChange() {
    SetRangesEnabled(true);
    BApply->SetEnabled(true);
}

void TExcelSourceForm::BApplyClick() {
    if (Trim(EFileName->Text()).empty()) {
        if (EFileName->CanFocus()) EFileName->SetFocus();
        throw Exception("Excel file empty");
    }
    if (CBWorkSheet->ItemIndex() < 0) throw Exception("Excel WorkSheet must be specified");
    if (EValFrom->Text().empty() || EValTo->Text().empty())
        throw Exception("Range must be specified. (ie: From A1 to A10)");
    if (!FSource) return;
    TCursorGuard hourglass(crHourGlass);
    FSource->Deactivate();
    FSource->SetFileName(EFileName->Text());
    FSource->SetWorkSheet(CBWorkSheet->Items()->Get(CBWorkSheet->ItemIndex()));
    FSource->SetRangeFrom(EValFrom->Text());
    FSource->SetRangeTo(EValTo->Text());
    FSource->SetLabelsFrom(ELabFrom->Text());
    FSource->SetLabelsTo(ELabTo->Text());
    ConnectSource(FSource);
    FSource->Activate();
    BApply->SetEnabled(false);
}
