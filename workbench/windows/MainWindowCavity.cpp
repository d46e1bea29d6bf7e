// The Cavity page of the main window: the profile plot at equal scales with the highlighted
// surface, the start node, the generatrix rows with their hidden key, the surface range dialogs
// and the generatrix text files.
#include "chart/engine/Chart.h"
#include "chart/engine/grid3d/Point3DSeries.h"
#include "engine/CavityOutline.h"
#include "engine/Loaders.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBGridColumns.h"
#include "platform/ui/DBNavigator.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/StatusBar.h"
#include "workbench/EqualScaleLimits.h"
#include "workbench/TemperaturePlacement.h"
#include "workbench/windows/ControlBuilding.h"
#include "workbench/windows/MainWindow.h"
#include "workbench/windows/ModalGuard.h"
#include "workbench/windows/ProfileFileCommands.h"
#include "workbench/windows/SurfaceRangeDialogs.h"
#include "workbench/windows/WorkbenchCharts.h"

namespace {

TDBEdit* MakeDataEdit(TWinControl* parent, int left, const char* label) {
    TLabel* l = MakeControl<TLabel>(parent);
    l->SetCaption(label);
    l->SetBounds(left, 12, 20, 16);
    TDBEdit* e = MakeControl<TDBEdit>(parent);
    e->SetBounds(left + 22, 8, 100, 23);
    return e;
}

}  // namespace

void TFMainDB::BuildCavityPage() {
    // The controls below the profile keep their height; the profile takes what the window
    // gives beyond it.
    TPanel* below = MakeControl<TPanel>(tsCavity, alBottom);
    below->SetHeight(256);
    below->SetBevelOuter(bvNone);
    chCavity = MakeControl<TChart>(tsCavity, alClient);
    SetUpWorkbenchChart(*chCavity, 10, "Double-click to Edit");
    EditOnDoubleClick(*chCavity, *ce);
    SetUpAxis(*chCavity->BottomAxis(), "Z", "###0.#########");
    SetUpAxis(*chCavity->LeftAxis(), "Y", "   ###0.#########", true);
    const TColor profile = TColor(0x804000);  // RGB 0, 64, 128
    sUpper = AddProfileSeries(this, *chCavity, profile, 3);
    sLower = AddProfileSeries(this, *chCavity, profile, 3);
    ssUpper = AddProfileSeries(this, *chCavity, clRed, 3);
    ssLower = AddProfileSeries(this, *chCavity, clRed, 3);

    DBEdit3 = MakeDataEdit(below, 8, "Z0");
    DBEdit4 = MakeDataEdit(below, 140, "Y0");
    cbHighlight = MakeControl<TCheckBox>(below);
    cbHighlight->SetCaption("Highlight Current Surface");
    cbHighlight->SetBounds(280, 10, 180, 20);

    dbgCavity = MakeControl<TDBGrid>(below);
    dbgCavity->SetBounds(8, 38, 326, 160);
    dbgCavity->SetAnchors({akLeft, akTop, akRight, akBottom});
    const std::pair<const char*, const char*> columns[] = {
        {"Z", "Z"}, {"R", "Y"}, {"Emissivity", "Emissivity"}, {"Diffusity", "Diffusity"}};
    const int widths[] = {72, 72, 75, 75};
    for (int i = 0; i < 4; ++i) {
        TColumn* c = dbgCavity->Columns()->Add();
        c->SetFieldName(columns[i].first);
        c->Title()->SetCaption(columns[i].second);
        c->Title()->SetAlignment(taCenter);
        c->SetWidth(widths[i]);
    }
    dnCavity = MakeControl<TDBNavigator>(below);
    dnCavity->SetBounds(8, 202, 326, 25);
    dnCavity->SetAnchors({akLeft, akRight, akBottom});
    dnCavity->SetVisibleButtons(
        {nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbEdit, nbPost, nbCancel});
    sbCavity = MakeControl<TStatusBar>(below);
    sbCavity->SetSimplePanel(true);
    sbCavity->SetBounds(8, 230, 326, 20);
    sbCavity->SetAnchors({akLeft, akRight, akBottom});

    gbNodes = MakeControl<TGroupBox>(below);
    gbNodes->SetCaption("Nodes");
    gbNodes->SetBounds(338, 38, 132, 120);
    gbNodes->SetAnchors({akTop, akRight});
    btnLoadGeneratrix =
        MakeButton(gbNodes, 8, 20, 116, "Load", "Load Cavity Generatrix from Text File");
    btnSaveGeneratrix =
        MakeButton(gbNodes, 8, 52, 116, "Save As...", "Save Cavity Generatrix in Text File");
    btnDeleteZY = MakeButton(gbNodes, 8, 84, 116, "Delete", "Delete Several Generatrix Nodes");
    gbED = MakeControl<TGroupBox>(below);
    gbED->SetCaption("Emissivity && Diffusity");
    gbED->SetBounds(338, 164, 132, 88);
    gbED->SetAnchors({akTop, akRight});
    btnAssignED = MakeButton(gbED, 8, 20, 116, "Assign");
    btnEraseED = MakeButton(gbED, 8, 52, 116, "Erase");
}

void TFMainDB::BindCavityPage() {
    TDatasetDatabase& db = FData->Main;
    for (auto [edit, field] : {std::pair{DBEdit3, "Z0"}, std::pair{DBEdit4, "R0"}}) {
        edit->SetDataSource(&db.dsMain);
        edit->SetDataField(field);
        edit->OnExit = [this](TObject*) { PostIfEditing(FData->Main.cdsMain); };
    }
    dbgCavity->SetDataSource(&db.dsCavity);
    dnCavity->SetDataSource(&db.dsCavity);
    // The append state follows the grid's keys before the grid acts on them, and every
    // navigator click clears it after the navigator's own action.
    dbgCavity->OnKeyDown = [this](TObject*, int& key, TShiftState) {
        FData->Main.CavityGridAppend = key == VK_DOWN || key == VK_TAB;
        if (key == VK_UP) PostIfEditing(FData->Main.cdsCavity);
    };
    dbgCavity->OnExit = [this](TObject*) { PostIfEditing(FData->Main.cdsCavity); };
    // A new row is there to be typed into: the grid takes the focus before the insert (so that
    // the edit left behind stores its text first) and shows the new row's first cell.
    dnCavity->BeforeAction = [this](TObject*, TNavigateBtn button) {
        if (button == nbInsert && dbgCavity->CanFocus()) dbgCavity->SetFocus();
    };
    dnCavity->OnClick = [this](TObject*, TNavigateBtn button) {
        FData->Main.CavityGridAppend = false;
        if (button == nbInsert && dbgCavity->VisibleColumnCount() > 0)
            dbgCavity->SetSelectedIndex(dbgCavity->VisibleColumn(0)->Index());
    };
    auto showPosition = [this] {
        std::string text;
        ShowRecordPosition(FData->Main.cdsCavity, text);
        sbCavity->SetSimpleText(text);
    };
    db.dsCavity.OnDataChange = [showPosition](TDataSource*, TField*) { showPosition(); };
    // Walks over the rows (the outline's loader) suspend the controls and are not followed.
    db.cdsCavity.AfterScroll = [this](TDataSet* t) {
        if (!t->ControlsDisabled()) HighlightCurrentSurface();
    };
    cbHighlight->OnClick = [this, showPosition](TObject*) {
        HighlightCurrentSurface();
        showPosition();
    };
    // A change of one row redraws and relocates at once; the whole-table commands suspend the
    // controls and run the rules once when they end.
    auto changed = [this](TDataSet* t) {
        if (!t->ControlsDisabled()) CavityChanged();
    };
    db.cdsCavity.AfterPost = changed;
    db.cdsCavity.AfterDelete = changed;
    db.cdsCavity.AfterCancel = [this](TDataSet*) { PostIfEditing(FData->Main.cdsMain); };
    // A row that cannot be posted (a key already there, an empty Z or Y) is dropped without a
    // word, and the post that met it ends quietly.
    db.cdsCavity.OnPostError = [](TDataSet* table, EDatabaseError&, TDataAction& action) {
        table->Cancel();
        action = daAbort;
    };

    btnLoadGeneratrix->OnClick = [this](TObject*) {
        LoadGeneratrixFromTextFile(FData->Main);
        CavityChanged();
    };
    btnSaveGeneratrix->OnClick = [this](TObject*) { SaveGeneratrixToTextFile(FData->Main); };
    auto range = [this](auto make) {
        if (FData->Main.cdsCavity.IsEmpty()) return;
        {
            TModalGuard modal(*this);
            std::unique_ptr<TFSurfaceRange> dialog(make());
            dialog->ShowModal();
        }
        PostIfEditing(FData->Main.cdsMain);
        CavityChanged();
    };
    btnDeleteZY->OnClick = [this, range](TObject*) {
        range([this] { return new TFDelete(nullptr, FData->Main); });
    };
    btnAssignED->OnClick = [this, range](TObject*) {
        range([this] { return new TFAssignED(nullptr, FData->Main); });
    };
    btnEraseED->OnClick = [this, range](TObject*) {
        range([this] { return new TFEraseED(nullptr, FData->Main); });
    };
    OnResize = [this](TObject*) { FormResize(); };
}

void TFMainDB::DrawCavity() {
    // An outline that cannot be loaded leaves the plot empty without a message: the commands
    // that need the outline tell why.
    for (TPoint3DSeries* s : {sUpper, sLower, ssUpper, ssLower}) s->Clear();
    std::string message;
    if (!LoadCavityOutline(message)) return;
    AddOutline(*sUpper, *sLower);
    std::vector<std::string> title;
    if (FData->Main.cdsMain.Active() && !FData->Main.cdsMain.IsEmpty())
        title.push_back(FData->Main.cdsMainDatasetName->AsString());
    SetChartTitle(*chCavity, title);
    FixEqualScales(*chCavity, OutlineBounds());
    // The highlight follows the outline just drawn.
    HighlightCurrentSurface();
}

void TFMainDB::HighlightCurrentSurface() {
    ssUpper->Clear();
    ssLower->Clear();
    const int r = FData->Main.cdsCavity.Active() ? FData->Main.cdsCavity.RecNo() : -1;
    if (!cbHighlight->Checked() || r <= 0 || r > Shared.NodeCount) return;
    for (int i : {r - 1, r}) {
        ssUpper->AddXYZValues(double(Shared.NodeZ[i]), double(Shared.NodeR[i]), 0);
        ssLower->AddXYZValues(double(Shared.NodeZ[i]), -double(Shared.NodeR[i]), 0);
    }
}

void TFMainDB::CavityChanged() {
    DrawCavity();
    RelocateTemperaturePoints(FData->Main);
    DrawTemperaturePoints();
}

void TFMainDB::FormResize() {
    // The last column takes what the others leave of the grid, 40 pixels short of its edge.
    TDBGridColumns& columns = *dbgCavity->Columns();
    int others = 0;
    for (int i = 0; i + 1 < columns.Count(); ++i) others += columns[i]->Width();
    columns[columns.Count() - 1]->SetWidth(std::max(0, dbgCavity->Width() - others - 40));
    DrawCavity();
    DrawTemperaturePoints();
}
