// The Viewing Conditions page of the main window: the kind of the current dataset, the table of
// that kind with its columns rebuilt when the kind changes, the regular dialogs and the clear
// command, and a drawing of each kind on a page of its own. The targeting view comes with its
// own part.
#include "engine/CavityOutline.h"
#include "engine/Compute.h"
#include "engine/Loaders.h"
#include "engine/VC.h"
#include "platform/graphics/Font.h"
#include "platform/rtl/MessageService.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBNavigator.h"
#include "platform/ui/DBRadioGroup.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/StatusBar.h"
#include "workbench/windows/ControlBuilding.h"
#include "workbench/windows/MainWindow.h"
#include "workbench/windows/ModalGuard.h"
#include "workbench/windows/RegularVCDialogs.h"
#include "workbench/windows/ResourceImage.h"

namespace {

const char* const KindItems[] = {"Normal", "Directional", "Right Conical", "Integrated",
                                 "Local Hemispherical"};
const char* const PicturePages[] = {"Normal", "Directional", "Conical", "Integrated", "Local"};
// The drawings of the kinds in resources/, in kind order.
const char* const KindPictures[] = {"VCNormal", "VCDirectional", "VCConical", "VCIntegrated",
                                    "VCLocal"};

}  // namespace

void TFMainDB::BuildVCPage() {
    dbrgVC = MakeControl<TDBRadioGroup>(tsVC);
    dbrgVC->SetCaption("Effective Emissivity");
    dbrgVC->SetHint("Choose Viewing Conditions");
    dbrgVC->SetShowHint(true);
    dbrgVC->SetBounds(8, 8, 170, 130);
    for (int kind = 0; kind < ViewKindCount; ++kind) {
        dbrgVC->Items()->Add(KindItems[kind]);
        dbrgVC->Values()->Add(std::to_string(kind));
    }
    pEE = MakeControl<TPanel>(tsVC);
    pEE->SetBounds(190, 8, 300, 24);
    pEE->Font()->SetStyle({fsBold});
    pEE->Font()->SetColor(clNavy);
    pEE->Font()->SetSize(10);
    // One page per kind, without tabs; each is the place of the kind's picture.
    pcVCTop = MakeControl<TPageControl>(tsVC);
    pcVCTop->SetBounds(500, 8, 300, 170);
    for (int kind = 0; kind < ViewKindCount; ++kind) {
        TTabSheet* sheet = new TTabSheet(this);
        sheet->SetPageControl(pcVCTop);
        sheet->SetCaption(PicturePages[kind]);
        sheet->SetTabVisible(false);
        TImage* picture = MakeResourceImage(sheet, KindPictures[kind], 0, 0);
        picture->SetAlign(alClient);
        picture->SetCenter(true);
    }
    pcVCTop->SetActivePageIndex(0);
    dbgVC = MakeControl<TDBGrid>(tsVC);
    dbgVC->SetBounds(8, 146, 480, 240);
    // Taller with the window, not wider: the kind's picture stands to its right, beside the
    // grid's first rows.
    dbgVC->SetAnchors({akLeft, akTop, akBottom});
    dbnVC = MakeControl<TDBNavigator>(tsVC);
    dbnVC->SetBounds(8, 390, 300, 25);
    dbnVC->SetAnchors({akLeft, akBottom});
    dbnVC->SetVisibleButtons(
        {nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbPost, nbCancel});
    sbVC = MakeControl<TStatusBar>(tsVC);
    sbVC->SetSimplePanel(true);
    sbVC->SetBounds(8, 418, 300, 20);
    sbVC->SetAnchors({akLeft, akBottom});
    btnRegularVC = MakeButton(tsVC, 190, 40, 180, "Regular Viewing Conditions");
    btnTargeting = MakeButton(tsVC, 190, 74, 180, "Targeting", "Check Viewing Conditions");
    btnClearVC = MakeButton(tsVC, 190, 108, 180, "Clear");
}

void TFMainDB::BindVCPage() {
    TDatasetDatabase& db = FData->Main;
    dbrgVC->SetDataSource(&db.dsMain);
    dbrgVC->SetDataField("ViewIndex");
    dbrgVC->OnChange = [this](TObject*) { dbrgVCChange(); };
    // The chosen kind is stored at once (the radio group has written it to the field).
    dbrgVC->OnClick = [this](TObject*) { PostIfEditing(FData->Main.cdsMain); };
    dbrgVC->OnExit = [this](TObject*) { PostIfEditing(FData->Main.cdsMain); };
    dbgVC->OnExit = [this](TObject*) {
        PostIfEditing(*FData->Main.VCDataSets[size_t(CurrentKind())]);
        PostIfEditing(FData->Main.cdsMain);
    };
    for (int kind = 0; kind < ViewKindCount; ++kind)
        db.VCDataSources[size_t(kind)]->OnDataChange = [this, kind](TDataSource*, TField*) {
            if (kind == CurrentKind()) ShowVCPosition();
        };
    btnRegularVC->OnClick = [this](TObject*) {
        TModalGuard modal(*this);
        const int kind = CurrentKind();
        if (kind == 4) {
            // The dialog reads the nodes of the outline loaded last: load the current one.
            std::string message;
            LoadCavityOutline(message);
            TFRegularVCLH dialog(this, FData->Main);
            dialog.ShowModal();
        } else {
            TFRegularVC dialog(this, FData->Main, kind);
            dialog.ShowModal();
        }
        dbrgVCChange();
    };
    btnTargeting->OnClick = [this](TObject*) { btnTargetingClick(); };
    btnClearVC->OnClick = [this](TObject*) {
        TClientDataSet& table = *FData->Main.VCDataSets[size_t(CurrentKind())];
        if (table.IsEmpty() || !ConfirmYesNo("All Viewing Conditions will be erased.\rContinue?"))
            return;
        DeleteAllRecords(table, MessageService());
        // Posted at once, so that a close right after it does not undo the clear.
        PostIfEditing(FData->Main.cdsMain);
    };
}

void TFMainDB::btnTargetingClick() {
    PostIfEditing(FData->Main.cdsMain);
    std::string message;
    for (bool (*step)(std::string&) :
         {LoadNameAndViewIndex, LoadCavityOutline, LoadViewingConditions, PrepareRun})
        if (!step(message)) {
            if (!message.empty()) ShowMessage(message);
            return;
        }
    if (ShowTargetingView) {
        TModalGuard modal(*this);
        ShowTargetingView();
    }
}

int TFMainDB::CurrentKind() const {
    const TField* field = FData->Main.cdsMain.FieldByName("ViewIndex");
    const int kind = field->IsNull() ? 0 : field->AsInteger();
    return kind >= 0 && kind < ViewKindCount ? kind : 0;
}

void TFMainDB::dbrgVCChange() {
    if (dbrgVC->ItemIndex() < 0) return;
    const int kind = CurrentKind();
    if (kind == FShownKind && dbgVC->DataSource()) {
        ShowVCPosition();
        return;
    }
    FShownKind = kind;
    pEE->SetCaption(ViewKindNames[size_t(kind)]);
    pcVCTop->SetActivePageIndex(kind);
    TDatasetDatabase& db = FData->Main;
    dbgVC->SetDataSource(db.VCDataSources[size_t(kind)]);
    dbnVC->SetDataSource(db.VCDataSources[size_t(kind)]);
    TDBGridColumns& columns = *dbgVC->Columns();
    columns.BeginUpdate();
    columns.Clear();
    TClientDataSet& table = *db.VCDataSets[size_t(kind)];
    auto add = [&](const std::string& field, const std::string& title, int width) {
        TColumn* c = columns.Add();
        c->SetFieldName(field);
        c->Title()->SetCaption(title);
        c->Title()->SetAlignment(taCenter);
        c->SetWidth(width);
        return c;
    };
    for (int p = 0; p < ViewParamCounts[size_t(kind)]; ++p) {
        const std::string name = table.Fields(p)->FieldName();
        add(name, name, 120);
    }
    if (kind == 4)
        for (auto [field, title, width] : {std::tuple{"Z", "Z", 120}, std::tuple{"R", "Y", 120},
                                           std::tuple{"isf", "Surface #", 61}}) {
            TColumn* c = add(field, title, width);
            c->SetReadOnly(true);
            c->SetColor(clMoneyGreen);
        }
    columns.EndUpdate();
    ShowVCPosition();
}

void TFMainDB::ShowVCPosition() {
    std::string text;
    ShowRecordPosition(*FData->Main.VCDataSets[size_t(CurrentKind())], text);
    sbVC->SetSimpleText(text);
}
