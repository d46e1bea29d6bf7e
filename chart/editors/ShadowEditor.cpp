#include "chart/editors/ShadowEditor.h"

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/OwnedForm.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/foundation/TeeFilters.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/TrackBar.h"
#include "platform/ui/UpDown.h"

namespace {

TTrackBar* MakeTrackBar(TWinControl* parent, int left, int top, int width, int min, int max) {
    TTrackBar* bar = MakeControl<TTrackBar>(parent, left, top, width, 25);
    bar->SetMin(min);
    bar->SetMax(max);
    bar->SetTickStyle(tsNone);
    return bar;
}

}  // namespace

TTeeShadowEditor::TTeeShadowEditor(TComponent* owner) : TEditorForm(owner, true) {
    SetCaption("Shadow editor");
    SetBorderStyle(bsDialog);
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 290, 215);
    BuildControls();
    BindProperties();
    BShadowColor->OnClick = [this](TObject*) {
        if (FShadow) ReadColor();
    };
    // The bar moves the colour's lightness, keeping its hue and saturation.
    TBColor->OnChange = [this](TObject*) {
        if (Loading() || !FShadow) return;
        FShadow->SetColor(HueLumSatToColor(FHue, TBColor->Position(), FSat));
        BShadowColor->Repaint();
    };
    BOK->OnClick = [this](TObject*) { Close(); };
    DoCreate();
}

void TTeeShadowEditor::BuildControls() {
    CBVisible = MakeCheckBox(this, 8, 8, 100, "&Visible");
    GroupBox1 = MakeControl<TGroupBox>(this, 8, 32, 130, 78);
    GroupBox1->SetCaption("Size:");
    MakeLabel(GroupBox1, 8, 22, "&Horiz:");
    TUpDownEdit horiz = MakeUpDownEdit(GroupBox1, 56, 18, 50, -1000, 1000);
    Edit1 = horiz.Edit;
    UDShadowSize = horiz.UpDown;
    MakeLabel(GroupBox1, 8, 50, "V&ert:");
    TUpDownEdit vert = MakeUpDownEdit(GroupBox1, 56, 46, 50, -1000, 1000);
    EVertSize = vert.Edit;
    UDShaVert = vert.UpDown;
    LTransp = MakeLabel(this, 150, 40, "&Transparency:");
    TUpDownEdit transp = MakeUpDownEdit(this, 150, 58, 45, 0, 100);
    EShadowTransp = transp.Edit;
    UDShadowTransp = transp.UpDown;
    BShadowColor = MakeControl<TButtonColor>(this, 8, 118, 100, 25);
    BShadowColor->SetCaption("&Color...");
    TBColor = MakeTrackBar(this, 114, 118, 160, 0, 240);
    TBColor->SetLineSize(5);
    TBColor->SetPageSize(20);
    CBSmooth = MakeCheckBox(this, 8, 152, 80, "&Smooth");
    CBSmooth->SetChecked(true);
    MakeLabel(this, 92, 154, "&Blur:");
    TBBlur = MakeTrackBar(this, 124, 150, 100, -75, 75);
    TBBlur->SetPageSize(10);
    CBClip = MakeCheckBox(this, 228, 152, 55, "Cl&ip");
    BOK = MakePushButton(this, 200, 8, 75, "OK");
    BOK->SetDefault(true);
    BOK->SetModalResult(mrOk);
}

void TTeeShadowEditor::BindProperties() {
    using S = TTeeShadow;
    auto shadow = [this] { return FShadow; };
    BindCheckBox(*this, CBVisible, shadow, &S::Visible, &S::SetVisible, [this] { EnableSizes(); });
    BindUpDownEdit(*this, {Edit1, UDShadowSize}, shadow, &S::HorizSize, &S::SetHorizSize);
    BindUpDownEdit(*this, {EVertSize, UDShaVert}, shadow, &S::VertSize, &S::SetVertSize);
    BindUpDownEdit(*this, {EShadowTransp, UDShadowTransp}, shadow, &S::Transparency,
                   &S::SetTransparency);
    BindCheckBox(*this, CBSmooth, shadow, &S::Smooth, &S::SetSmooth, [this] { EnableSmoothing(); });
    BindTrackBar(*this, TBBlur, shadow, &S::SmoothBlur, &S::SetSmoothBlur);
    BindCheckBox(*this, CBClip, shadow, &S::Clip, &S::SetClip);
}

TTeeShadowEditor::~TTeeShadowEditor() = default;

void TTeeShadowEditor::EnableSizes() {
    const bool visible = CBVisible->Checked();
    for (TControl* c : {static_cast<TControl*>(Edit1), static_cast<TControl*>(UDShadowSize),
                        static_cast<TControl*>(EVertSize), static_cast<TControl*>(UDShaVert)})
        c->SetEnabled(visible);
}

void TTeeShadowEditor::EnableSmoothing() {
    const bool smooth = CBSmooth->Checked();
    TBBlur->SetEnabled(smooth);
    CBClip->SetEnabled(smooth);
}

void TTeeShadowEditor::ReadColor() { ColorToHueLumSat(FShadow->Color(), FHue, FLum, FSat); }

void TTeeShadowEditor::LoadShadow(TTeeShadow* shadow) {
    FShadow = shadow;
    if (!FShadow) return;
    // Loading writes nothing back: a size beyond the edits' range stays as it is.
    auto loading = LoadGuard();
    LoadBindings();
    EnableSizes();
    ReadColor();
    TBColor->SetPosition(FLum);
    EnableSmoothing();
    BShadowColor->LinkToProperty(FShadow, "Color");
}

void TTeeShadowEditor::DoShow() {
    if (TObject* tagged = TagObject()) LoadShadow(dynamic_cast<TTeeShadow*>(tagged));
    ApplyFormHook(this);
    TForm::DoShow();
    LoadingDone();
}

void ShowShadowEditor(TForm* form, TTeeShadow* shadow) {
    TOwnedForm<TTeeShadowEditor> editor(CreateEditorDialog<TTeeShadowEditor>(form));
    editor->SetTagObject(shadow);
    editor->BOK->Show();
    editor->ShowModal();
}

TTeeShadowEditor* EmbedShadowEditor(TTabSheet* sheet) {
    TTeeShadowEditor* editor = new TTeeShadowEditor(nullptr);
    editor->BOK->Hide();
    EmbedEditorForm(*editor, *sheet);
    return editor;
}
