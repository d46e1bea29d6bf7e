#include "chart/editors/ShapeEditor.h"

#include "chart/editors/BackImageEditor.h"
#include "chart/editors/BrushDialog.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/FontEditor.h"
#include "chart/editors/GradientEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/ShadowEditor.h"
#include "chart/foundation/BackImage.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeShape.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/UpDown.h"

TFormTeeShape::TFormTeeShape(TComponent* owner) : TEditorForm(owner, true) {
    SetBounds(0, 0, 330, 190);
    BuildControls();
    BindProperties();
    Button6->OnClick = [this](TObject*) {
        if (FShape) ShowBrushDialog(Button6, FShape->Brush());
    };
    PC1->OnChange = [this](TObject* sender) { PC1Change(sender); };
    CenterEditorForm(*this);
    DoCreate();
}

void TFormTeeShape::BuildControls() {
    PC1 = MakeControl<TPageControl>(this);
    PC1->SetAlign(alClient);
    TabFormat = MakeTabSheet(this, PC1, "Format");
    TabBorder = MakeTabSheet(this, PC1, "Border");
    TabText = MakeTabSheet(this, PC1, "Text");
    TabGradient = MakeTabSheet(this, PC1, "Gradient");
    TabShadow = MakeTabSheet(this, PC1, "Shadow");
    TabImage = MakeTabSheet(this, PC1, "Picture");

    BBackColor = MakeControl<TButtonColor>(TabFormat, 8, 8, 100, 25);
    BBackColor->SetCaption("&Color...");
    Button6 = MakePushButton(TabFormat, 8, 40, 100, "&Pattern...");
    CBTransparent = MakeCheckBox(TabFormat, 130, 12, 120, "&Transparent");
    MakeLabel(TabFormat, 130, 44, "&Transparency:");
    TUpDownEdit transparency = MakeUpDownEdit(TabFormat, 220, 40, 40, 0, 100);
    EShadowTransp = transparency.Edit;
    UDShadowTransp = transparency.UpDown;

    MakeLabel(TabBorder, 8, 12, "&Bevel:");
    CBBevel = MakeComboBox(TabBorder, 60, 8, 90, {"None", "Lowered", "Raised"});
    MakeLabel(TabBorder, 165, 12, "Siz&e:");
    TUpDownEdit bevel = MakeUpDownEdit(TabBorder, 200, 8, 40, 1, 100);
    EBevWidth = bevel.Edit;
    UDBevW = bevel.UpDown;
    CBRound = MakeCheckBox(TabBorder, 8, 44, 120, "&Round Frame");
    MakeLabel(TabBorder, 165, 46, "Siz&e:");
    TUpDownEdit round = MakeUpDownEdit(TabBorder, 200, 42, 40, 0, 500);
    ERoundSize = round.Edit;
    UDRoundSize = round.UpDown;
    Button4 = MakeControl<TButtonPen>(TabBorder, 8, 76, 100, 25);
    Button4->SetCaption("&Frame...");
}

void TFormTeeShape::BindProperties() {
    using S = TTeeCustomShape;
    auto shape = [this] { return FShape; };
    BindCheckBox(*this, CBTransparent, shape, &S::Transparent, &S::SetTransparent);
    BindUpDownEdit(*this, {EShadowTransp, UDShadowTransp}, shape, &S::Transparency,
                   &S::SetTransparency);
    // The bevel's size serves a bevel, the round size a round frame.
    BindComboBox(*this, CBBevel, shape, &S::Bevel, &S::SetBevel, [this] { EnableSizes(); });
    BindUpDownEdit(*this, {EBevWidth, UDBevW}, shape, &S::BevelWidth, &S::SetBevelWidth);
    BindCheckBox(
        *this, CBRound, shape, [](const S& s) { return s.ShapeStyle() == fosRoundRectangle; },
        [](S& s, bool round) { s.SetShapeStyle(round ? fosRoundRectangle : fosRectangle); },
        [this] { EnableSizes(); });
    BindUpDownEdit(*this, {ERoundSize, UDRoundSize}, shape, &S::RoundSize, &S::SetRoundSize);
}

TFormTeeShape::~TFormTeeShape() = default;

TFormTeeShape* TFormTeeShape::CreateForShape(TComponent* owner, TTeeCustomShape* shape,
                                             TTabSheet* sheet) {
    TFormTeeShape* editor = new TFormTeeShape(owner);
    editor->FShape = shape;
    if (sheet) {
        editor->SetBorderStyle(bsNone);
        editor->SetParent(sheet);
        ApplyFormHook(editor);
        editor->SetAlign(alClient);
        editor->Show();
    }
    return editor;
}

void TFormTeeShape::EnableSizes() {
    const bool bevel = CBBevel->ItemIndex() > 0;
    EBevWidth->SetEnabled(bevel);
    UDBevW->SetEnabled(bevel);
    ERoundSize->SetEnabled(CBRound->Checked());
    UDRoundSize->SetEnabled(CBRound->Checked());
}

void TFormTeeShape::LoadShape(TTeeCustomShape* shape) {
    FShape = shape;
    if (!FShape) return;
    // The constructor's quiet ends with the first load.
    {
        auto loading = LoadGuard();
        LoadBindings();
        if (FGradientEditor) FGradientEditor->LoadGradient(FShape->Gradient());
        if (FFontEditor) FFontEditor->LoadFont(FShape->Font());
        if (FShadowEditor) FShadowEditor->LoadShadow(FShape->Shadow());
        Button4->LinkPen(FShape->Pen());
        if (FImageEditor) FImageEditor->LoadImageSettings(FShape->Picture());
        BBackColor->LinkToProperty(FShape, "Color");
        EnableSizes();
    }
    LoadingDone();
}

void TFormTeeShape::PC1Change(TObject* sender) {
    auto* pages = dynamic_cast<TPageControl*>(sender);
    TTabSheet* page = pages ? pages->ActivePage() : nullptr;
    if (!page || page->ControlCount() > 0) return;
    if (page == TabText) {
        FFontEditor.reset(EmbedFontEditor(TabText));
        FFontEditor->LoadFont(FShape ? FShape->Font() : nullptr);
    } else if (page == TabGradient) {
        if (!FShape) return;
        FGradientEditor.reset(TTeeGradientEditor::CreateEmbedded(nullptr, FShape->Gradient()));
        EmbedEditorForm(*FGradientEditor, *TabGradient);
    } else if (page == TabShadow) {
        FShadowEditor.reset(EmbedShadowEditor(TabShadow));
        FShadowEditor->LoadShadow(FShape ? FShape->Shadow() : nullptr);
    } else if (page == TabImage) {
        FImageEditor.reset(CreateBackImageEditorPage(TabImage));
        FImageEditor->LoadImageSettings(FShape ? FShape->Picture() : nullptr);
    }
}

void TFormTeeShape::CBVisibleChecked(TObject* sender) {
    if (auto* box = dynamic_cast<TCheckBox*>(sender); box && FShape)
        FShape->SetVisible(box->Checked());
}

void TFormTeeShape::DoShow() {
    PC1->SetActivePage(TabFormat);
    if (FShape) LoadShape(FShape);
    ApplyFormHook(this);
    TForm::DoShow();
}

TFormTeeShape* EmbedShapeEditorPages(TPageControl* pages, TTeeCustomShape* shape) {
    TFormTeeShape* editor = TFormTeeShape::CreateForShape(nullptr, shape, nullptr);
    editor->SetBorderStyle(bsNone);
    // The form itself stays hidden in the host: only its pages are seen there.
    editor->SetParent(pages);
    editor->SetAlign(alClient);
    ScaleToParentForm(*editor);
    while (editor->PC1->PageCount() > 0) editor->PC1->Pages(0)->SetPageControl(pages);
    if (pages->PageCount() > 0) pages->SetActivePageIndex(0);
    ApplyFormHook(editor);
    if (shape) editor->LoadShape(shape);
    return editor;
}

void ShowShapeEditor(TComponent* owner, TTeeCustomShape* shape, bool hideTextAndShadow) {
    TOwnedForm<TFormTeeShape> editor(TFormTeeShape::CreateForShape(owner, shape, nullptr));
    editor->SetBorderStyle(bsDialog);
    editor->SetHeight(editor->Height() + 30);
    TPanel* panel = MakeControl<TPanel>(editor.get(), 0, 0, editor->Width(), 34);
    panel->SetAlign(alBottom);
    panel->SetBevelOuter(bvNone);
    TButton* ok = MakePushButton(panel, editor->Width() - 98, 4, 75, "OK");
    ok->SetModalResult(mrOk);
    ok->SetDefault(true);
    if (hideTextAndShadow)
        for (TTabSheet* page : {editor->TabText, editor->TabShadow}) page->SetTabVisible(false);
    editor->ShowModal();
}
