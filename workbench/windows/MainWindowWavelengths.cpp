// The Wavelengths page of the main window: the list of the current dataset's wavelengths, the
// regular set dialog, the text file and the clear command.
#include "engine/Loaders.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBNavigator.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/StatusBar.h"
#include "workbench/ProfileEdits.h"
#include "workbench/windows/ControlBuilding.h"
#include "workbench/windows/MainWindow.h"
#include "workbench/windows/ModalGuard.h"
#include "workbench/windows/ProfileFileCommands.h"
#include "workbench/windows/RegularWavelengthsDialog.h"

void TFMainDB::BuildWavelengthsPage() {
    dbgW = MakeControl<TDBGrid>(tsW);
    dbgW->SetBounds(8, 8, 190, 400);
    dbgW->SetAnchors({akLeft, akTop, akBottom});
    TColumn* w = dbgW->Columns()->Add();
    w->SetFieldName("Wavelength");
    w->Title()->SetCaption("Wavelength (\u00B5m)");
    w->Title()->SetAlignment(taCenter);
    w->SetWidth(145);
    dbnW = MakeControl<TDBNavigator>(tsW);
    dbnW->SetBounds(8, 412, 190, 25);
    dbnW->SetAnchors({akLeft, akBottom});
    dbnW->SetVisibleButtons(
        {nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbPost, nbCancel});
    sbW = MakeControl<TStatusBar>(tsW);
    sbW->SetSimplePanel(true);
    sbW->SetBounds(8, 440, 190, 20);
    sbW->SetAnchors({akLeft, akBottom});
    btnRegularW =
        MakeButton(tsW, 216, 8, 170, "Regular Wavelengths Set", "Append Regular Wavelengths Set");
    btnSaveW = MakeButton(tsW, 216, 44, 170, "Save Wavelengths");
    btnLoadW = MakeButton(tsW, 216, 80, 170, "Load Wavelengths");
    btnClearW = MakeButton(tsW, 216, 116, 170, "Clear Wavelengths");
}

void TFMainDB::BindWavelengthsPage() {
    TDatasetDatabase& db = FData->Main;
    dbgW->SetDataSource(&db.dsWavelengths);
    dbnW->SetDataSource(&db.dsWavelengths);
    db.dsWavelengths.OnDataChange = [this](TDataSource*, TField*) {
        std::string text;
        ShowRecordPosition(FData->Main.cdsWavelengths, text);
        sbW->SetSimpleText(text);
    };
    // Leaving the grid or cancelling a row posts the dataset (the commit convention).
    dbgW->OnExit = [this](TObject*) { PostIfEditing(FData->Main.cdsMain); };
    db.cdsWavelengths.AfterCancel = [this](TDataSet*) { PostIfEditing(FData->Main.cdsMain); };
    btnRegularW->OnClick = [this](TObject*) {
        TModalGuard modal(*this);
        TFRegularW dialog(this, FData->Main);
        dialog.ShowModal();
    };
    btnSaveW->OnClick = [this](TObject*) { SaveWavelengthsToTextFile(FData->Main); };
    btnLoadW->OnClick = [this](TObject*) { LoadWavelengthsFromTextFile(FData->Main); };
    btnClearW->OnClick = [this](TObject*) { ClearWavelengths(FData->Main); };
}
