#include "chart/editors/GradientEditor.h"

#include <algorithm>
#include <string>

#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/GalleryPanel.h"
#include "chart/editors/GradientPresets.h"
#include "chart/editors/OwnedForm.h"
#include "chart/editors/PreviewGradient.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/ChartWalls.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeeGradient.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/TrackBar.h"
#include "platform/ui/UpDown.h"

namespace {

const char* const DirectionNames[] = {
    "Top Bottom",    "Bottom Top",       "Left Right", "Right Left",  "From Center",
    "From Top Left", "From Bottom Left", "Radial",     "Diagonal Up", "Diagonal Down"};
constexpr int DirectionCount = 10;

// Top-bottom to right-left: the only directions that keep the preset list's selection.
bool IsLinear(int direction) { return direction <= gdRightLeft; }
// From the centre or a corner, and radial: no middle colour in this editor.
bool HasNoMiddle(int direction) { return direction >= gdFromCenter && direction <= gdRadial; }

TObject* IndexObject(int index) { return reinterpret_cast<TObject*>(intptr_t(index)); }
int ObjectIndex(TObject* object) { return int(reinterpret_cast<intptr_t>(object)); }

TTrackBar* MakeOffsetBar(TWinControl* parent, int left, int top) {
    TTrackBar* bar = MakeControl<TTrackBar>(parent, left, top, 150, 25);
    bar->SetMin(-300);
    bar->SetMax(300);
    bar->SetTickStyle(tsNone);
    return bar;
}

TScrollBar* MakeScrollBar(TWinControl* parent, int left, int top, int width) {
    TScrollBar* bar = MakeControl<TScrollBar>(parent, left, top, width, 17);
    bar->SetParams(0, 0, 100);
    return bar;
}

}  // namespace

// --- Building.

TTeeGradientEditor::TTeeGradientEditor(TComponent* owner) : TEditorForm(owner) {
    SetCaption("Gradient Editor");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 390, 290);
    FBackup = std::make_unique<TTeeGradient>();
    BuildPanels();
    BuildPages();
    BuildDirectionSamples();
    PageControl1->SetActivePage(TabColors);
    ConnectHandlers();
    DoCreate();
    SetAlign(alClient);
}

void TTeeGradientEditor::BuildPanels() {
    PanelTop = MakeControl<TPanel>(this, 0, 0, 390, 34);
    PanelTop->SetAlign(alTop);
    PanelTop->SetBevelOuter(bvNone);
    CBVisible = MakeCheckBox(PanelTop, 8, 8, 80, "&Visible");
    MakeLabel(PanelTop, 120, 10, "&Direction:");
    CBDirection = MakeControl<TComboFlat>(PanelTop, 180, 6, 140, 23);
    CBDirection->SetDropDownCount(10);
    for (const char* name : DirectionNames) CBDirection->AppendItem(name);

    Panel1 = MakeControl<TPanel>(this, 0, 0, 390, 36);
    Panel1->SetAlign(alBottom);
    Panel1->SetBevelOuter(bvNone);
    BOk = MakePushButton(Panel1, 220, 6, 75, "OK");
    BOk->SetDefault(true);
    BOk->SetModalResult(mrOk);
    BCancel = MakePushButton(Panel1, 304, 6, 75, "Cancel");
    BCancel->SetModalResult(mrCancel);
    BCancel->SetCancel(true);
}

void TTeeGradientEditor::BuildPages() {
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    TabDefault = MakeTabSheet(this, PageControl1, "Default");
    TabColors = MakeTabSheet(this, PageControl1, "Colors");
    TabOptions = MakeTabSheet(this, PageControl1, "Options");
    TabDirections = MakeTabSheet(this, PageControl1, "Directions");
    TabSubGradient = MakeTabSheet(this, PageControl1, "SubGradient");

    Gallery = MakeControl<TListBox>(TabDefault, 0, 0, 130, 180);
    Gallery->SetAlign(alLeft);
    Gallery->SetSorted(true);
    const auto presets = GradientPresets();
    for (int i = 0; i < int(presets.size()); ++i)
        Gallery->Items()->AddObject(presets[size_t(i)].Name, IndexObject(i));
    FPreview = MakeControl<TPreviewGradient>(TabDefault);
    FPreview->SetAlign(alClient);

    BStart = MakeControl<TButtonColor>(TabColors, 10, 12, 100, 25);
    BStart->SetCaption("&Start...");
    BMid = MakeControl<TButtonColor>(TabColors, 10, 46, 100, 25);
    BMid->SetCaption("&Middle...");
    CBMid = MakeCheckBox(TabColors, 120, 50, 100, "&No Middle");
    BEnd = MakeControl<TButtonColor>(TabColors, 10, 80, 100, 25);
    BEnd->SetCaption("&End...");
    BSwap = MakePushButton(TabColors, 120, 80, 75, "S&wap");

    BuildOptionsTab();

    Directions = MakeControl<TChartGalleryPanel>(TabDirections);
    Directions->SetAlign(alClient);
    Directions->DisplaySub = false;
    Directions->FocusRotation = false;
    Directions->SetView3D(false);
    Directions->SetNumRows(2);
    Directions->SetNumCols(5);

    BSubEdit = MakeControl<TButtonGradient>(TabSubGradient, 10, 12, 100, 25);
    BSubEdit->SetCaption("&Edit...");
    CBSubVisible = MakeCheckBox(TabSubGradient, 120, 16, 100, "&Visible");
    MakeLabel(TabSubGradient, 10, 52, "&Transparency:");
    SBTransp = MakeScrollBar(TabSubGradient, 100, 50, 150);
}

void TTeeGradientEditor::BuildOptionsTab() {
    MakeLabel(TabOptions, 8, 10, "&Balance:");
    SBBalance = MakeScrollBar(TabOptions, 70, 8, 180);
    LabelBalance = MakeLabel(TabOptions, 258, 10, "");
    GroupBox1 = MakeControl<TGroupBox>(TabOptions, 8, 36, 260, 80);
    GroupBox1->SetCaption("Radial offset:");
    MakeLabel(GroupBox1, 8, 24, "&Horiz:");
    TrackBar1 = MakeOffsetBar(GroupBox1, 50, 20);
    LRadialX = MakeLabel(GroupBox1, 206, 24, "");
    MakeLabel(GroupBox1, 8, 52, "&Vert:");
    TrackBar2 = MakeOffsetBar(GroupBox1, 50, 48);
    LRadialY = MakeLabel(GroupBox1, 206, 52, "");
    MakeLabel(TabOptions, 8, 130, "&Angle:");
    TUpDownEdit angle = MakeUpDownEdit(TabOptions, 60, 126, 45, 0, 360);
    EAngle = angle.Edit;
    UDAngle = angle.UpDown;
}

void TTeeGradientEditor::ConnectHandlers() {
    CBVisible->OnClick = [this](TObject*) { VisibleClick(); };
    CBDirection->OnChange = [this](TObject*) { ChangeDirection(CBDirection->ItemIndex()); };
    Gallery->OnClick = [this](TObject*) { PresetClick(); };
    for (TButtonColor* button : {BStart, BMid, BEnd})
        button->OnClick = [this, button](TObject*) { ColorClick(button); };
    CBMid->OnClick = [this](TObject*) { CBMidClick(); };
    BSwap->OnClick = [this](TObject*) { SwapClick(); };
    SBBalance->OnChange = [this](TObject*) {
        ShowBalance();
        ChangeGradient([this] { FGradient->SetBalance(SBBalance->Position()); });
    };
    TrackBar1->OnChange = [this](TObject*) {
        ShowRadial();
        ChangeGradient([this] { FGradient->SetRadialX(TrackBar1->Position()); });
    };
    TrackBar2->OnChange = [this](TObject*) {
        ShowRadial();
        ChangeGradient([this] { FGradient->SetRadialY(TrackBar2->Position()); });
    };
    EAngle->OnChange = [this](TObject*) { AngleChanged(); };
    BSubEdit->OnClick = [this](TObject*) { SubEditClick(); };
    SBTransp->OnChange = [this](TObject*) {
        ChangeGradient([this] { SubGradient().SetTransparency(SBTransp->Position()); });
    };
    CBSubVisible->OnClick = [this](TObject*) {
        ChangeGradient([this] { SubGradient().SetVisible(CBSubVisible->Checked()); });
    };
    BCancel->OnClick = [this](TObject*) { Cancel(); };
}

TTeeGradientEditor::~TTeeGradientEditor() = default;

void TTeeGradientEditor::BuildDirectionSamples() {
    for (int i = 0; i < DirectionCount; ++i) {
        auto* chart = new TGalleryChart(Directions);
        chart->SetAutoRepaint(false);
        chart->SetParent(Directions);
        chart->SetHint(DirectionNames[i]);
        chart->SetShowHint(true);
        chart->Title()->Text()->Clear();
        chart->SetView3D(false);
        chart->SetAxisVisible(false);
        TChartBackWall* wall = chart->BackWall();
        wall->SetTransparent(false);
        wall->Gradient()->SetDirection(TGradientDirection(i));
        wall->Gradient()->SetVisible(true);
        chart->SetMarginLeft(16);
        chart->SetMarginTop(22);
        chart->SetMarginRight(16);
        chart->SetMarginBottom(22);
        chart->OnClick = [this, chart](TObject*) { Directions->SelectChart(chart); };
        chart->SetAutoRepaint(true);
        Directions->Charts().Add(chart);
    }
    Directions->LayoutCharts();
    Directions->OnChangeChart = [this](TObject*) {
        const int index = Directions->Charts().IndexOf(Directions->SelectedChart());
        if (!Loading() && FGradient && index >= 0 && index != FGradient->Direction())
            ChangeDirection(index);
    };
    ApplyFormHook(Directions);
}

// --- Loading.

void TTeeGradientEditor::SetSingleColor(bool value) {
    FSingleColor = value;
    BEnd->SetVisible(!value);
    BSwap->SetVisible(!value);
}

TTeeGradientEditor* TTeeGradientEditor::CreateEmbedded(TComponent* owner,
                                                       TCustomTeeGradient* gradient) {
    auto* editor = new TTeeGradientEditor(owner);
    editor->FGradient = gradient;
    editor->SetTagObject(gradient);
    editor->Panel1->Hide();
    editor->BOk->Hide();
    editor->BCancel->Hide();
    editor->SetHeight(editor->Height() - editor->BOk->Height());
    return editor;
}

void TTeeGradientEditor::LoadGradient(TCustomTeeGradient* gradient) {
    auto loading = LoadGuard();
    FGradient = gradient;
    SetTagObject(gradient);
    if (!FGradient) return;
    FBackup->Assign(FGradient);
    BStart->LinkToProperty(FGradient, "StartColor");
    BMid->LinkToProperty(FGradient, "MidColor");
    BEnd->LinkToProperty(FGradient, "EndColor");
    LoadControls();
    EnableControls();
    UpdatePreview();
    SelectDirectionSample();
}

void TTeeGradientEditor::LoadControls() {
    if (!FGradient) return;
    auto loading = LoadGuard();
    SBBalance->SetPosition(FGradient->Balance());
    ShowBalance();
    CBVisible->SetChecked(FGradient->Visible());
    CBDirection->SetItemIndex(FGradient->Direction());
    CBMid->SetChecked(FGradient->MidColor() == clNone);
    TrackBar1->SetPosition(FGradient->RadialX());
    TrackBar2->SetPosition(FGradient->RadialY());
    ShowRadial();
    UDAngle->SetPosition(FGradient->Angle());
    // The sub-gradient is made only when the user changes it: loading must leave the gradient
    // as it was, and an unused sub-gradient would be stored with it.
    TSubGradient* sub = FGradient->SubGradientIfAny();
    BSubEdit->LinkGradient(sub);
    SBTransp->SetPosition(sub ? sub->Transparency() : TSubGradient().Transparency());
    CBSubVisible->SetChecked(sub && sub->Visible());
    for (TButtonColor* button : {BStart, BMid, BEnd}) button->Repaint();
    UpdatePreview();
}

void TTeeGradientEditor::EnableControls() {
    const bool visible = FGradient && FGradient->Visible();
    const bool colours = FSingleColor || visible;
    for (TControl* c : {static_cast<TControl*>(CBDirection), static_cast<TControl*>(BStart),
                        static_cast<TControl*>(BEnd), static_cast<TControl*>(BSwap),
                        static_cast<TControl*>(Gallery)})
        c->SetEnabled(colours);
    const int direction = FGradient ? FGradient->Direction() : 0;
    const bool middle = FSingleColor || (visible && !HasNoMiddle(direction));
    CBMid->SetEnabled(middle);
    BMid->SetEnabled(middle);
    const bool radial = direction == gdRadial;
    for (TControl* c : {static_cast<TControl*>(TrackBar1), static_cast<TControl*>(TrackBar2),
                        static_cast<TControl*>(LRadialX), static_cast<TControl*>(LRadialY)})
        c->SetEnabled(radial);
}

void TTeeGradientEditor::UpdatePreview() {
    if (!FGradient) return;
    TTeeGradient* shown = FPreview->Gradient();
    shown->SetVisible(FGradient->Visible());
    shown->SetDirection(FGradient->Direction());
    shown->SetStartColor(FGradient->StartColor());
    shown->SetMidColor(FGradient->MidColor());
    shown->SetEndColor(FGradient->EndColor());
    TChartList& samples = Directions->Charts();
    for (int i = 0; i < samples.Count(); ++i) {
        TTeeGradient* sample = samples[i]->BackWall()->Gradient();
        sample->SetStartColor(FGradient->StartColor());
        sample->SetMidColor(FGradient->MidColor());
        sample->SetEndColor(FGradient->EndColor());
    }
}

void TTeeGradientEditor::SelectDirectionSample() {
    const int direction = FGradient ? FGradient->Direction() : -1;
    if (direction < 0 || direction >= Directions->Charts().Count()) return;
    auto loading = LoadGuard();
    Directions->SelectChart(Directions->Charts()[direction]);
}

void TTeeGradientEditor::ShowBalance() {
    LabelBalance->SetCaption(FormatFloat("##0.## %", SBBalance->Position()));
}

void TTeeGradientEditor::ShowRadial() {
    LRadialX->SetCaption(std::to_string(TrackBar1->Position()));
    LRadialY->SetCaption(std::to_string(TrackBar2->Position()));
}

void TTeeGradientEditor::DoShow() {
    LoadGradient(FGradient ? FGradient : dynamic_cast<TCustomTeeGradient*>(TagObject()));
    FModified = false;
    ApplyFormHook(this);
    TForm::DoShow();
}

// --- The user's changes.

void TTeeGradientEditor::ChangeDirection(int value) {
    if (Loading() || !FGradient || value < 0 || value >= DirectionCount) return;
    FGradient->SetDirection(TGradientDirection(value));
    Changed();
    {
        auto loading = LoadGuard();
        CBDirection->SetItemIndex(value);
        if (!IsLinear(value)) Gallery->SetItemIndex(-1);
    }
    EnableControls();
    UpdatePreview();
    SelectDirectionSample();
}

void TTeeGradientEditor::PresetClick() {
    const int item = Gallery->ItemIndex();
    if (Loading() || !FGradient || item < 0) return;
    const int index = ObjectIndex(Gallery->Items()->Objects(item));
    ApplyGradientPreset(*FGradient, GradientPresets()[size_t(index)]);
    // Cancel takes a preset back like any other change.
    Changed();
    LoadControls();
    EnableControls();
    UpdatePreview();
    SelectDirectionSample();
}

void TTeeGradientEditor::ChangeGradient(const std::function<void()>& change) {
    if (Loading() || !FGradient) return;
    change();
    Changed();
}

void TTeeGradientEditor::VisibleClick() {
    if (Loading() || !FGradient) return;
    FGradient->SetVisible(CBVisible->Checked());
    Changed();
    EnableControls();
    UpdatePreview();
}

void TTeeGradientEditor::ColorClick(TButtonColor* button) {
    if (!FGradient) return;
    Changed();
    if (button == BMid) {
        auto loading = LoadGuard();
        CBMid->SetChecked(FGradient->MidColor() == clNone);
    }
    UpdatePreview();
}

void TTeeGradientEditor::AngleChanged() {
    int value = 0;
    if (Loading() || !FGradient || !Showing() || !TryStrToInt(EAngle->Text(), value)) return;
    FGradient->SetAngle(value);
    Changed();
}

void TTeeGradientEditor::SubEditClick() {
    if (!FGradient) return;
    Changed();
    // A gradient without a sub-gradient gets one when the user first asks to edit it.
    if (!BSubEdit->Gradient()) {
        SubGradient();
        BSubEdit->Click();
    }
}

void TTeeGradientEditor::CBMidClick() {
    if (Loading() || !FGradient) return;
    if (CBMid->Checked()) {
        FGradient->SetMidColor(clNone);
    } else {
        FGradient->UseMidColor();
        if (FGradient->MidColor() == clNone) FGradient->SetMidColor(clWhite);
    }
    Changed();
    BMid->Repaint();
    UpdatePreview();
}

void TTeeGradientEditor::SwapClick() {
    if (!FGradient) return;
    const TColor start = FGradient->StartColor();
    FGradient->SetStartColor(FGradient->EndColor());
    FGradient->SetEndColor(start);
    Changed();
    BStart->Repaint();
    BEnd->Repaint();
    UpdatePreview();
}

TSubGradient& TTeeGradientEditor::SubGradient() {
    if (!FGradient->SubGradientIfAny()) BSubEdit->LinkGradient(FGradient->SubGradient());
    return *FGradient->SubGradient();
}

void TTeeGradientEditor::Cancel() {
    if (FModified && FGradient) {
        // The gradient as it was loaded, with one change notice so that its owner repaints.
        TNotifyEvent notify = FGradient->OnChange;
        FGradient->OnChange = nullptr;
        FGradient->Assign(FBackup.get());
        FGradient->OnChange = notify;
        // A sub-gradient made meanwhile is gone again.
        BSubEdit->LinkGradient(FGradient->SubGradientIfAny());
        if (notify) notify(this);
    }
    SetModalResult(mrCancel);
}

// --- Dialogs.

TTeeGradientEditor* CreateGradientEditorDialog(TControl* control, TCustomTeeGradient* gradient,
                                               bool singleColor, bool hideVisible) {
    auto* editor = CreateEditorDialog<TTeeGradientEditor>(control);
    editor->SetTagObject(gradient);
    editor->SetSingleColor(singleColor);
    if (hideVisible) editor->CBVisible->Hide();
    return editor;
}

bool ShowGradientEditor(TForm* form, TCustomTeeGradient* gradient, bool singleColor,
                        bool hideVisible) {
    TOwnedForm<TTeeGradientEditor> editor(
        CreateGradientEditorDialog(form, gradient, singleColor, hideVisible));
    return editor->ShowModal() == mrOk;
}

// --- TButtonGradient.

TButtonGradient::TButtonGradient(TComponent* owner) : TTeeButton(owner) {}

TButtonGradient::~TButtonGradient() = default;

void TButtonGradient::LinkGradient(TCustomTeeGradient* gradient) {
    LinkToProperty(gradient, "");
    Invalidate();
}

TCustomTeeGradient* TButtonGradient::Gradient() const {
    return dynamic_cast<TCustomTeeGradient*>(LinkedObject());
}

void TButtonGradient::Click() {
    if (!Gradient()) {
        TTeeButton::Click();
        return;
    }
    TOwnedForm<TTeeGradientEditor> editor(
        CreateGradientEditorDialog(this, Gradient(), HideEndColor, false));
    const bool accepted = editor->ShowModal() == mrOk;
    editor.reset();
    if (!accepted) return;
    Repaint();
    TTeeButton::Click();
}

void TButtonGradient::DrawSymbol(TTeeCanvas3D& Canvas) {
    const TCustomTeeGradient* gradient = Gradient();
    if (!Enabled() || !gradient) return;
    const TRect r = SymbolRect();
    gradient->DrawInRect(Canvas, r);
    Canvas.Brush()->SetStyle(bsClear);
    TPen* pen = Canvas.Pen();
    pen->SetStyle(psSolid);
    pen->SetWidth(1);
    pen->SetColor(gradient->Visible() ? clBlack : RGB(128, 128, 128));
    Canvas.DrawRectangleFromRect(r);
}
