#include "chart/editors/WallsPage.h"

#include "chart/editors/BackImageEditor.h"
#include "chart/editors/BrushDialog.h"
#include "chart/editors/EditorBindings.h"
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
    BuildControls();
    BindProperties();
    EAllSize->OnChange = [this](TObject*) { AllSizeChanged(); };
    TabSubWalls->OnChange = [this](TObject*) { TabChanged(); };
    BWallColor->OnClick = [this](TObject*) { FWall->Repaint(); };
    BWallBrush->OnClick = [this](TObject*) { ShowBrushDialog(this, FWall->Brush()); };
    BGradient->OnClick = [this](TObject*) { GradientClicked(); };
    BImage->OnClick = [this](TObject*) { ShowPictureDialog(BImage, FWall->Picture()); };
    BShadow->OnClick = [this](TObject*) {
        if (TTeeShadow* shadow = FWall->Shadow()) ShowShadowEditor(ParentForm(), shadow);
    };
    DoCreate();
}

void TFormTeeWall::BuildControls() {
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
}

void TFormTeeWall::BindProperties() {
    using W = TChartWall;
    auto wall = [this] { return FWall; };
    BindCheckBox(
        *this, CBView3dWalls, [this] { return FWall ? &WallsOf(*FWall) : nullptr; },
        &TChartWalls::View3D, &TChartWalls::SetView3D);
    // A number outside the edits' 0..100 writes nothing.
    const TNumberEditRule percent{.Typed = TTypedNumber::InRange};
    // Dark 3-D sides need a wall with a thickness.
    BindUpDownEdit(
        *this, {SEWallSize, UDWallSize}, wall, &W::Size,
        [this](W& w, int size) {
            w.SetSize(size);
            CBDark3D->SetEnabled(w.Size() > 0);
        },
        percent);
    BindCheckBox(*this, CBDark3D, wall, &W::Dark3D, &W::SetDark3D);
    BindCheckBox(*this, CBTransp, wall, &W::Transparent, &W::SetTransparent);
    BindUpDownEdit(*this, {Edit1, UDTransp}, wall, &W::Transparency, &W::SetTransparency, percent);
    BindCheckBox(*this, CBVisible, wall, &W::Visible, &W::SetVisible);
    BindCheckBox(*this, CBAutoHide, wall, &W::AutoHide, &W::SetAutoHide);
    BindUpDownEdit(*this, {Edit2, UDStart}, wall, &W::StartPosition, &W::SetStartPosition, percent);
    BindUpDownEdit(*this, {Edit3, UDEnd}, wall, &W::EndPosition, &W::SetEndPosition, percent);
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
    CBDark3D->SetEnabled(FWall->Size() > 0);
    UDAllSize->SetPosition(FWall->Size());
    BWallPen->LinkPen(FWall->Pen());
    BGradient->LinkGradient(FWall->Gradient());
    CBAutoHide->SetVisible(FWall != walls.Bottom());
    BShadow->SetVisible(FWall == walls.Back());
    BWallColor->LinkToProperty(FWall, "Color");
    BWallColor->Invalidate();
}

void TFormTeeWall::AllSizeChanged() {
    // The common size shows the edited wall's and sets all four.
    int v = 0;
    if (Loading() || !TryStrToInt(EAllSize->Text(), v) || v < 0 || v > 100) return;
    WallsOf(*FWall).SetSize(v);
    Reload();
}

void TFormTeeWall::TabChanged() {
    TChartWalls& walls = WallsOf(*FWall);
    TChartWall* const byTab[] = {walls.Left(), walls.Right(), walls.Bottom(), walls.Back()};
    const int tab = TabSubWalls->TabIndex();
    if (tab >= 0 && tab < 4) SetWall(byTab[tab]);
}

void TFormTeeWall::GradientClicked() {
    // A visible gradient is to be seen: the wall stops being transparent.
    if (!FWall->Gradient()->Visible()) return;
    FWall->SetTransparent(false);
    CBTransp->SetChecked(false);
}
