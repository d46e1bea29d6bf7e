// The Temperatures page of the main window: the reference and background temperatures and the
// temperature points with their commands. The points plot and the temperature plot wait for their
// chart series: their places are the empty panels pTDPointsPlot and pTDPlot.
#include "engine/Loaders.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBNavigator.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/StatusBar.h"
#include "workbench/TemperatureEdits.h"
#include "workbench/windows/ControlBuilding.h"
#include "workbench/windows/MainWindow.h"
#include "workbench/windows/ModalGuard.h"
#include "workbench/windows/NewTemperaturePointDialog.h"

void TFMainDB::BuildTemperaturesPage() {
    pcT = MakeControl<TPageControl>(tsTemperature, alTop);
    pcT->SetHeight(200);
    auto plotPage = [this](const char* caption) {
        TTabSheet* sheet = new TTabSheet(this);
        sheet->SetPageControl(pcT);
        sheet->SetCaption(caption);
        TPanel* place = MakeControl<TPanel>(sheet, alClient);
        place->SetColor(clWhite);
        place->SetBevelOuter(bvLowered);
        return place;
    };
    pTDPointsPlot = plotPage("Points");
    pTDPlot = plotPage("Temperature Distribution");
    pcT->SetActivePageIndex(0);

    TPanel* below = MakeControl<TPanel>(tsTemperature, alClient);
    below->SetBevelOuter(bvNone);
    auto dataEdit = [&](int left, const char* label) {
        TLabel* l = MakeControl<TLabel>(below);
        l->SetCaption(label);
        l->SetBounds(left, 12, 60, 16);
        TDBEdit* e = MakeControl<TDBEdit>(below);
        e->SetBounds(left + 62, 8, 90, 23);
        return e;
    };
    DBEdit1 = dataEdit(8, "T ref (K)");
    DBEdit2 = dataEdit(180, "T bg (K)");
    dbgT = MakeControl<TDBGrid>(below);
    dbgT->SetBounds(8, 38, 330, 160);
    dbgT->SetAnchors({akLeft, akTop, akBottom});
    const std::tuple<const char*, const char*, int, bool> columns[] = {{"Xi", "Xi", 65, false},
                                                                       {"Z", "Z", 60, true},
                                                                       {"R", "Y", 60, true},
                                                                       {"isf", "Surf. #", 48, true},
                                                                       {"T", "T (K)", 60, false}};
    for (auto [field, title, width, derived] : columns) {
        TColumn* c = dbgT->Columns()->Add();
        c->SetFieldName(field);
        c->Title()->SetCaption(title);
        c->SetWidth(width);
        if (derived) {
            c->SetReadOnly(true);
            c->SetColor(clMoneyGreen);
        }
    }
    dbnT = MakeControl<TDBNavigator>(below);
    dbnT->SetBounds(8, 202, 330, 25);
    dbnT->SetAnchors({akLeft, akBottom});
    dbnT->SetVisibleButtons(
        {nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbPost, nbCancel});
    sbT = MakeControl<TStatusBar>(below);
    sbT->SetSimplePanel(true);
    sbT->SetBounds(8, 230, 330, 20);
    sbT->SetAnchors({akLeft, akBottom});
    btnAddNewPoint =
        MakeButton(below, 346, 38, 122, "Add New Point", "Add New Temperature Point Mahually");
    btnAddNodes = MakeButton(below, 346, 70, 122, "Add Nodes",
                             "Place Temperature Points in Generatrix Nodes");
    btnSplit = MakeButton(below, 346, 102, 122, "Split Point",
                          "Create Two Closely Spaced Temperature Points instead of Current One");
    btnClearT = MakeButton(below, 346, 134, 122, "Clear Temperatures", "Erase Temperatures");
    btnClearAll =
        MakeButton(below, 346, 166, 122, "Clear All", "Erase Temperatures and Temperature Points");
}

void TFMainDB::BindTemperaturesPage() {
    TDatasetDatabase& db = FData->Main;
    for (auto [edit, field] : {std::pair{DBEdit1, "Tref"}, std::pair{DBEdit2, "Tbg"}}) {
        edit->SetDataSource(&db.dsMain);
        edit->SetDataField(field);
    }
    dbgT->SetDataSource(&db.dsTemperatures);
    dbnT->SetDataSource(&db.dsTemperatures);
    db.dsTemperatures.OnDataChange = [this](TDataSource*, TField*) {
        std::string text;
        ShowRecordPosition(FData->Main.cdsTemperatures, text);
        sbT->SetSimpleText(text);
    };
    dbgT->OnExit = [this](TObject*) {
        PostIfEditing(FData->Main.cdsTemperatures);
        PostIfEditing(FData->Main.cdsMain);
    };
    TClientDataSet& t = db.cdsTemperatures;
    // The cursor stays on the posted row, wherever its Xi put it in the key order.
    t.BeforePost = [this](TDataSet* table) { FLastPostedXi = table->FieldByName("Xi")->AsFloat(); };
    t.AfterPost = [this](TDataSet* table) {
        if (!table->ControlsDisabled())
            FData->Main.cdsTemperatures.FindNearest({TFieldValue(FLastPostedXi)});
    };
    t.AfterCancel = [this](TDataSet*) { PostIfEditing(FData->Main.cdsMain); };

    btnAddNewPoint->OnClick = [this](TObject*) {
        {
            TModalGuard modal(*this);
            TFNewTPoint dialog(this, FData->Main);
            dialog.ShowModal();
        }
        PostIfEditing(FData->Main.cdsMain);
    };
    btnAddNodes->OnClick = [this](TObject*) { AddNodeTemperaturePoints(FData->Main); };
    btnSplit->OnClick = [this](TObject*) { SplitTemperaturePoint(FData->Main); };
    btnClearT->OnClick = [this](TObject*) { ClearTemperatures(FData->Main); };
    btnClearAll->OnClick = [this](TObject*) { ClearAllTemperaturePoints(FData->Main); };
}
