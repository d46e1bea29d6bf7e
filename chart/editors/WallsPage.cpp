#include "chart/editors/WallsPage.h"

#include "chart/editors/BrushDialog.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/GradientEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/ShadowEditor.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartWalls.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/rtl/NumberText.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/TabControl.h"
#include "platform/ui/UpDown.h"

namespace {

TChartWalls& WallsOf(const TChartWall& wall) {
    return *static_cast<TCustomChart*>(wall.ParentChart())->Walls();
}

}  // namespace

TFormTeeWall::TFormTeeWall(TComponent* owner, TChartWall* wall)
    : TChartPageForm(owner), FWall(wall) {
    SetCaption("Walls");
    SetBounds(0, 0, 400, 280);
    CBView3dWalls = MakeCheckBox(this, 8, 6, 110, "&Visible Walls");
    MakeLabel(this, 140, 8, "Size:");
    TUpDownEdit all = MakeUpDownEdit(this, 175, 4, 40, 0, 100);
    EAllSize = all.Edit;
    UDAllSize = all.UpDown;

    TabSubWalls = MakeControl<TTabControl>(this, 4, 32, 392, 244);
    for (const char* tab : {"Left", "Right", "Bottom", "Back"}) TabSubWalls->Tabs()->Add(tab);
    TWinControl* area = TabSubWalls;
    const TRect r = TabSubWalls->DisplayRect();
    const int x = r.Left + 6;
    const int y = r.Top + 6;
    BWallColor = MakeControl<TButtonColor>(area, x, y, 90, 25);
    BWallColor->SetCaption("&Color...");
    BWallPen = MakeControl<TButtonPen>(area, x, y + 30, 90, 25);
    BWallPen->SetCaption("B&order...");
    BWallBrush = MakePushButton(area, x, y + 60, 90, "&Pattern...");
    BGradient = MakeControl<TButtonGradient>(area, x, y + 90, 90, 25);
    BGradient->SetCaption("&Gradient...");
    BImage = MakePushButton(area, x, y + 120, 90, "&Image...");
    BShadow = MakePushButton(area, x, y + 150, 90, "&Shadow...");
    BImage->SetEnabled(false);

    MakeLabel(area, x + 104, y + 4, "Siz&e:");
    TUpDownEdit size = MakeUpDownEdit(area, x + 190, y, 40, 0, 100);
    SEWallSize = size.Edit;
    UDWallSize = size.UpDown;
    CBDark3D = MakeCheckBox(area, x + 104, y + 30, 110, "&Dark 3D");
    CBTransp = MakeCheckBox(area, x + 104, y + 54, 110, "&Transparent");
    MakeLabel(area, x + 104, y + 82, "T&ransparency:");
    TUpDownEdit transp = MakeUpDownEdit(area, x + 190, y + 78, 40, 0, 100);
    Edit1 = transp.Edit;
    UDTransp = transp.UpDown;
    CBVisible = MakeCheckBox(area, x + 104, y + 106, 110, "V&isible");
    CBAutoHide = MakeCheckBox(area, x + 104, y + 130, 110, "&Auto Hide");
    auto* position = MakeControl<TGroupBox>(area, x + 250, y, 120, 80);
    position->SetCaption("Position:");
    MakeLabel(position, 8, 22, "Start:");
    TUpDownEdit start = MakeUpDownEdit(position, 50, 18, 40, 0, 100);
    Edit2 = start.Edit;
    UDStart = start.UpDown;
    MakeLabel(position, 8, 52, "End:");
    TUpDownEdit end = MakeUpDownEdit(position, 50, 48, 40, 0, 100);
    Edit3 = end.Edit;
    UDEnd = end.UpDown;

    CBView3dWalls->OnClick = [this](TObject*) {
        if (!Loading()) WallsOf(*FWall).SetView3D(CBView3dWalls->Checked());
    };
    EAllSize->OnChange = [this](TObject*) {
        int v = 0;
        if (Loading() || !TryStrToInt(EAllSize->Text(), v) || v < 0 || v > 100) return;
        WallsOf(*FWall).SetSize(v);
        Reload();
    };
    TabSubWalls->OnChange = [this](TObject*) {
        TChartWalls& walls = WallsOf(*FWall);
        TChartWall* const byTab[] = {walls.Left(), walls.Right(), walls.Bottom(), walls.Back()};
        const int tab = TabSubWalls->TabIndex();
        if (tab >= 0 && tab < 4) SetWall(byTab[tab]);
    };
    BWallColor->OnClick = [this](TObject*) { FWall->Repaint(); };
    BWallBrush->OnClick = [this](TObject*) { ShowBrushDialog(this, FWall->Brush()); };
    BGradient->OnClick = [this](TObject*) {
        // A visible gradient is to be seen: the wall stops being transparent.
        if (!FWall->Gradient()->Visible()) return;
        FWall->SetTransparent(false);
        CBTransp->SetChecked(false);
    };
    BShadow->OnClick = [this](TObject*) {
        if (TTeeShadow* shadow = FWall->Shadow()) ShowShadowEditor(ParentForm(), shadow);
    };
    SEWallSize->OnChange = [this](TObject*) {
        NumberChanged(SEWallSize, 0, 100, &TChartWall::SetSize);
        if (!Loading()) CBDark3D->SetEnabled(FWall->Size() > 0);
    };
    CBDark3D->OnClick = [this](TObject*) {
        if (!Loading()) FWall->SetDark3D(CBDark3D->Checked());
    };
    CBTransp->OnClick = [this](TObject*) {
        if (!Loading()) FWall->SetTransparent(CBTransp->Checked());
    };
    Edit1->OnChange = [this](TObject*) {
        NumberChanged(Edit1, 0, 100, &TChartWall::SetTransparency);
    };
    CBVisible->OnClick = [this](TObject*) {
        if (!Loading()) FWall->SetVisible(CBVisible->Checked());
    };
    CBAutoHide->OnClick = [this](TObject*) {
        if (!Loading()) FWall->SetAutoHide(CBAutoHide->Checked());
    };
    Edit2->OnChange = [this](TObject*) {
        NumberChanged(Edit2, 0, 100, &TChartWall::SetStartPosition);
    };
    Edit3->OnChange = [this](TObject*) {
        NumberChanged(Edit3, 0, 100, &TChartWall::SetEndPosition);
    };
    DoCreate();
}

TFormTeeWall::~TFormTeeWall() = default;

void TFormTeeWall::SetWall(TChartWall* wall) {
    FWall = wall;
    Reload();
}

void TFormTeeWall::SelectTab() {
    TChartWalls& walls = WallsOf(*FWall);
    int tab = 3;
    if (FWall == walls.Left())
        tab = 0;
    else if (FWall == walls.Right())
        tab = 1;
    else if (FWall == walls.Bottom())
        tab = 2;
    TabSubWalls->SetTabIndex(tab);
}

void TFormTeeWall::LoadControls() {
    if (!FWall) return;
    TChartWalls& walls = WallsOf(*FWall);
    SelectTab();
    CBView3dWalls->SetChecked(walls.View3D());
    UDWallSize->SetPosition(FWall->Size());
    CBTransp->SetChecked(FWall->Transparent());
    CBDark3D->SetChecked(FWall->Dark3D());
    CBDark3D->SetEnabled(FWall->Size() > 0);
    CBVisible->SetChecked(FWall->Visible());
    CBAutoHide->SetChecked(FWall->AutoHide());
    UDTransp->SetPosition(FWall->Transparency());
    UDStart->SetPosition(FWall->StartPosition());
    UDEnd->SetPosition(FWall->EndPosition());
    UDAllSize->SetPosition(FWall->Size());
    BWallPen->LinkPen(FWall->Pen());
    BGradient->LinkGradient(FWall->Gradient());
    CBAutoHide->SetVisible(FWall != walls.Bottom());
    BShadow->SetVisible(FWall == walls.Back());
    BWallColor->LinkToProperty(FWall, "Color");
    BWallColor->Invalidate();
}

void TFormTeeWall::NumberChanged(TEdit* edit, int min, int max, void (TChartWall::*set)(int)) {
    int v = 0;
    if (Loading() || !TryStrToInt(edit->Text(), v) || v < min || v > max) return;
    (FWall->*set)(v);
}
