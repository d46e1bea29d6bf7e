// The Temperatures page of the main window: the reference and background temperatures, the
// temperature points with their commands, the points drawn on the profile and the temperature
// plotted against Xi.
#include "chart/engine/DBChart.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/PointSeries.h"
#include "chart/engine/grid3d/Point3DSeries.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "engine/CavityOutline.h"
#include "engine/Global.h"
#include "engine/Loaders.h"
#include "platform/ui/DBEdit.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/DBNavigator.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/StatusBar.h"
#include "workbench/EqualScaleLimits.h"
#include "workbench/TemperatureEdits.h"
#include "workbench/windows/ControlBuilding.h"
#include "workbench/windows/MainWindow.h"
#include "workbench/windows/ModalGuard.h"
#include "workbench/windows/NewTemperaturePointDialog.h"
#include "workbench/windows/WorkbenchCharts.h"

namespace {

// A point series of the points chart: square pointers of size 2 in `color`, hollow or filled.
TPointSeries* AddPointSeries(TComponent* owner, TChart* chart, TColor color,
                             TSeriesPointerStyle style, bool hollow) {
    auto* s = new TPointSeries(owner);
    chart->AddSeries(s);
    s->SetSeriesColor(color);
    s->Marks()->SetVisible(false);
    TSeriesPointer* p = s->Pointer();
    p->SetStyle(style);
    p->SetHorizSize(2);
    p->SetVertSize(2);
    p->Pen()->SetColor(color);
    if (hollow) p->Brush()->SetStyle(bsClear);
    return s;
}

}  // namespace

void TFMainDB::BuildTemperaturesPage() {
    // As on the cavity page: the controls below the plots keep their height, the plots take
    // what a larger window gives.
    TPanel* below = MakeControl<TPanel>(tsTemperature, alBottom);
    below->SetHeight(256);
    below->SetBevelOuter(bvNone);
    pcT = MakeControl<TPageControl>(tsTemperature, alClient);
    auto plotPage = [this](const char* caption) {
        TTabSheet* sheet = new TTabSheet(this);
        sheet->SetPageControl(pcT);
        sheet->SetCaption(caption);
        return sheet;
    };
    chTDPoints = MakeControl<TChart>(plotPage("Points"), alClient);
    SetUpWorkbenchChart(*chTDPoints, 12, "Double-click to Edit");
    EditOnDoubleClick(*chTDPoints, *ce);
    SetUpAxis(*chTDPoints->BottomAxis(), "Z", "###0.########");
    SetUpAxis(*chTDPoints->LeftAxis(), "Y", "###0.########", true);
    sCavityUpper = AddProfileSeries(this, *chTDPoints, clBlue);
    sCavityLower = AddProfileSeries(this, *chTDPoints, clBlue);
    sPoints = AddPointSeries(this, chTDPoints, clBlue, psRectangle, true);
    sFloatingPoint = AddPointSeries(this, chTDPoints, clRed, psDiamond, true);
    sFloatingPoint->Pointer()->Pen()->SetWidth(2);
    sFloatingPoint->SetActive(false);
    sCurrentPoint = AddPointSeries(this, chTDPoints, clBlue, psRectangle, false);

    dbchTD = MakeControl<TDBChart>(plotPage("Temperature Distribution"), alClient);
    SetUpWorkbenchChart(*dbchTD, 12, "Double-click to Edit");
    EditOnDoubleClick(*dbchTD, *ce);
    SetUpAxis(*dbchTD->BottomAxis(), "Xi", "0.########");
    SetUpAxis(*dbchTD->LeftAxis(), "Temperature (K)", "   ###0.####");
    seTemperature = new TLineSeries(this);
    dbchTD->AddSeries(seTemperature);
    seTemperature->Marks()->SetVisible(false);
    TSeriesPointer* circle = seTemperature->Pointer();
    circle->SetVisible(true);
    circle->SetStyle(psCircle);
    circle->SetHorizSize(3);
    circle->SetVertSize(3);
    circle->Brush()->SetColor(clWhite);
    circle->Pen()->SetColor(TColor(0xA00000));  // RGB 0, 0, 160
    pcT->SetActivePageIndex(0);

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
    seTemperature->XValues().SetValueSource("Xi");
    seTemperature->YValues().SetValueSource("T");
    seTemperature->SetDataSource(&t);
    // The cursor stays on the posted row, wherever its Xi put it in the key order.
    t.BeforePost = [this](TDataSet* table) { FLastPostedXi = table->FieldByName("Xi")->AsFloat(); };
    t.AfterPost = [this](TDataSet* table) {
        if (table->ControlsDisabled()) return;
        FData->Main.cdsTemperatures.FindNearest({TFieldValue(FLastPostedXi)});
        DrawTemperaturePoints();
    };
    t.AfterCancel = [this](TDataSet*) { PostIfEditing(FData->Main.cdsMain); };
    t.AfterScroll = [this](TDataSet* table) {
        sCurrentPoint->Clear();
        if (!table->IsEmpty() && table->RecNo() > 0)
            sCurrentPoint->AddXYPoint(table->FieldByName("Z")->AsFloat(),
                                      table->FieldByName("R")->AsFloat());
    };
    t.AfterDelete = [this](TDataSet*) {
        DrawTemperaturePoints();
        RefreshTemperaturePlot();
    };

    btnAddNewPoint->OnClick = [this](TObject*) {
        {
            TModalGuard modal(*this);
            TFNewTPoint dialog(this, FData->Main, *sFloatingPoint);
            dialog.ShowModal();
        }
        PostIfEditing(FData->Main.cdsMain);
    };
    btnAddNodes->OnClick = [this](TObject*) { AddNodeTemperaturePoints(FData->Main); };
    btnSplit->OnClick = [this](TObject*) { SplitTemperaturePoint(FData->Main); };
    btnClearT->OnClick = [this](TObject*) { ClearTemperatures(FData->Main); };
    btnClearAll->OnClick = [this](TObject*) { ClearAllTemperaturePoints(FData->Main); };
}

void TFMainDB::DrawTemperaturePoints() {
    for (TChartSeries* s :
         std::initializer_list<TChartSeries*>{sCavityUpper, sCavityLower, sPoints})
        s->Clear();
    std::string message;
    if (!LoadCavityOutline(message)) return;
    AddOutline(*sCavityUpper, *sCavityLower);
    std::vector<std::string> title;
    if (FData->Main.cdsMain.Active() && !FData->Main.cdsMain.IsEmpty())
        title.push_back(FData->Main.cdsMainDatasetName->AsString());
    SetChartTitle(*chTDPoints, title);
    if (!FixEqualScales(*chTDPoints, OutlineBounds())) return;
    if (!LoadTempPointPositions(message)) return;
    for (int i = 1; i <= Shared.TempPointCount; ++i)
        sPoints->AddXYPoint(double(Shared.TempPointZ[i]), double(Shared.TempPointR[i]));
}

void TFMainDB::RefreshTemperaturePlot() {
    TClientDataSet& t = FData->Main.cdsTemperatures;
    if (!t.Active()) return;
    try {
        dbchTD->RefreshDataSet(&t, nullptr);
    } catch (const Exception&) {
        // The plot keeps what it showed; the table's own controls tell what is wrong.
    }
}
