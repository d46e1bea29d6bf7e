#include "chart/editors/FontEditor.h"

#include "chart/editors/BackImageEditor.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/GradientEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/ShadowEditor.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeGradient.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/Screen.h"
#include "platform/ui/UpDown.h"

std::function<void(TStrings& names)> FontListHook;

TTeeFontEditor::TTeeFontEditor(TComponent* owner) : TEditorForm(owner) {
    SetCaption("TeeFont Editor");
    SetBounds(0, 0, 330, 230);
    BuildControls();
    BindProperties();
    // The shadow, gradient and picture pages build their editors when first visited.
    PageControl1->OnChange = [this](TObject*) { PageChanged(); };
    CBName->OnChange = [this](TObject*) {
        if (!Loading() && FFont && CBName->ItemIndex() >= 0) FFont->SetName(CBName->Text());
    };
    Button3->OnClick = [this](TObject*) { EditWithFontDialog(); };
    Button2->OnClick = [this](TObject*) { Cancel(); };
    DoCreate();
}

void TTeeFontEditor::BuildControls() {
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    TabFont = MakeTabSheet(this, PageControl1, "Font");
    TabOptions = MakeTabSheet(this, PageControl1, "Options");
    TabShadow = MakeTabSheet(this, PageControl1, "Shadow");
    TabGradient = MakeTabSheet(this, PageControl1, "Gradient");
    TabPicture = MakeTabSheet(this, PageControl1, "Picture");

    MakeLabel(TabFont, 8, 8, "&Name:");
    CBName = MakeComboBox(TabFont, 8, 26, 170, {});
    CBName->SetStyle(csDropDownList);
    CBName->SetDropDownCount(15);
    TStringList names;
    names.SetSorted(true);
    for (const std::string& name : Screen()->Fonts()) names.Add(name);
    if (FontListHook) FontListHook(names);
    CBName->Items()->Assign(names);
    MakeLabel(TabFont, 190, 8, "&Size:");
    TUpDownEdit size = MakeUpDownEdit(TabFont, 190, 26, 45, 1, 1500);
    ESize = size.Edit;
    UDSize = size.UpDown;
    GBStyle = MakeControl<TGroupBox>(TabFont, 8, 58, 170, 100);
    GBStyle->SetCaption("Style:");
    CBBold = MakeCheckBox(GBStyle, 8, 18, 75, "&Bold");
    CBItalic = MakeCheckBox(GBStyle, 88, 18, 75, "&Italic");
    CBUnder = MakeCheckBox(GBStyle, 8, 44, 75, "&Underline");
    CBStrike = MakeCheckBox(GBStyle, 88, 44, 75, "Strikeout");
    BColor = MakeControl<TButtonColor>(TabFont, 190, 62, 100, 25);
    BColor->SetCaption("&Color...");
    Button3 = MakePushButton(TabFont, 190, 96, 100, "&Edit...");

    MakeLabel(TabOptions, 8, 12, "&Inter-char spacing:");
    TUpDownEdit inter = MakeUpDownEdit(TabOptions, 130, 8, 45, -100, 100);
    EInter = inter.Edit;
    UDInter = inter.UpDown;
    BOutline = MakeControl<TButtonPen>(TabOptions, 8, 42, 100, 25);
    BOutline->SetCaption("&Outline...");
    CBOutGrad = MakeCheckBox(TabOptions, 8, 76, 150, "O&utline gradient");

    PanelButtons = MakeControl<TPanel>(this, 0, 0, 330, 34);
    PanelButtons->SetAlign(alBottom);
    PanelButtons->SetBevelOuter(bvNone);
    PanelButtons->Hide();
    Button1 = MakePushButton(PanelButtons, 160, 4, 75, "OK");
    Button1->SetDefault(true);
    Button1->SetModalResult(mrOk);
    Button2 = MakePushButton(PanelButtons, 245, 4, 75, "Cancel");
    Button2->SetCancel(true);
}

void TTeeFontEditor::BindProperties() {
    using F = TTeeFont;
    auto font = [this] { return FFont; };
    // The edits write only once the editor shows: building it gives them their first texts.
    BindUpDownEdit(*this, {ESize, UDSize}, font, &F::Size, &F::SetSize,
                   {.Typed = TTypedNumber::Positive, .OnlyWhileShowing = true});
    BindStyleBox(CBBold, fsBold);
    BindStyleBox(CBItalic, fsItalic);
    BindStyleBox(CBUnder, fsUnderline);
    BindStyleBox(CBStrike, fsStrikeOut);
    BindUpDownEdit(*this, {EInter, UDInter}, font, &F::InterCharSize, &F::SetInterCharSize,
                   {.OnlyWhileShowing = true});
    // Reading the outline makes no gradient; writing it does.
    BindCheckBox(
        *this, CBOutGrad, font,
        [](const F& f) { return f.GradientIfAny() && f.GradientIfAny()->Outline(); },
        [](F& f, bool outline) { f.Gradient()->SetOutline(outline); });
}

void TTeeFontEditor::BindStyleBox(TCheckBox* box, int fontStyle) {
    const TFontStyle style = TFontStyle(fontStyle);
    BindCheckBox(
        *this, box, [this] { return FFont; },
        [style](const TTeeFont& f) { return f.Style().Contains(style); },
        [style](TTeeFont& f, bool on) {
            TFontStyles styles = f.Style();
            if (on)
                styles.Include(style);
            else
                styles.Exclude(style);
            f.SetStyle(styles);
        });
}

void TTeeFontEditor::EditWithFontDialog() {
    if (!FFont || !DialogService().ExecuteFontDialog(*FFont)) return;
    BColor->Repaint();
    LoadFace();
}

TTeeFontEditor::~TTeeFontEditor() = default;

void TTeeFontEditor::PageChanged() {
    TTabSheet* page = PageControl1->ActivePage();
    if (page == TabShadow && !FShadowEditor) {
        FShadowEditor.reset(EmbedShadowEditor(TabShadow));
        if (FFont) FShadowEditor->LoadShadow(FFont->Shadow());
    } else if (page == TabGradient && !FGradientEditor && FFont) {
        FGradientEditor = TTeeGradientEditor::CreateEmbedded(this, FFont->Gradient());
        EmbedEditorForm(*FGradientEditor, *TabGradient);
    } else if (page == TabPicture && !FPictureEditor) {
        // A font's picture fills the letters: it has no placement of its own.
        FPictureEditor.reset(CreateBackImageEditorPage(TabPicture));
        FPictureEditor->RGBitmap->Hide();
        FPictureEditor->GBPosition->Hide();
        if (FFont) FPictureEditor->LoadImageSettings(FFont->Picture());
    }
}

void TTeeFontEditor::LoadFace() {
    auto loading = LoadGuard();
    LoadBindings();
    CBName->SetItemIndex(CBName->Items()->IndexOf(FFont->Name()));
}

void TTeeFontEditor::LoadFont(TTeeFont* font) {
    FFont = font;
    if (!FFont) return;
    auto loading = LoadGuard();
    BColor->LinkToProperty(FFont, "Color");
    LoadFace();
    BOutline->LinkPen(FFont->OutLine());
    if (FShadowEditor) FShadowEditor->LoadShadow(FFont->Shadow());
    if (FGradientEditor) FGradientEditor->LoadGradient(FFont->Gradient());
    if (FPictureEditor) FPictureEditor->LoadImageSettings(FFont->Picture());
}

void TTeeFontEditor::DoShow() {
    // Only the dialog, with its buttons, can be cancelled: it keeps the font it was shown with.
    if (PanelButtons->Visible() && FFont && !FBackup) {
        FBackup = std::make_unique<TTeeFont>();
        FBackup->Assign(FFont);
    }
    TForm::DoShow();
}

void TTeeFontEditor::Cancel() {
    if (FBackup && FFont) {
        FFont->Assign(FBackup.get());
        // Putting the font back may have freed the shadow or gradient the pages were showing:
        // they load the font's own again.
        LoadFont(FFont);
    }
    SetModalResult(mrCancel);
}

TTeeFontEditor* EmbedFontEditor(TTabSheet* sheet) {
    TTeeFontEditor* editor = new TTeeFontEditor(nullptr);
    editor->SetAlign(alClient);
    EmbedEditorForm(*editor, *sheet);
    return editor;
}

bool ShowFontEditor(TForm* form, TTeeFont* font) {
    TTeeFontEditor* editor = new TTeeFontEditor(form);
    bool accepted = false;
    try {
        editor->SetBorderStyle(bsDialog);
        CenterEditorForm(*editor);
        editor->LoadFont(font);
        editor->PanelButtons->Show();
        editor->SetHeight(editor->Height() + editor->PanelButtons->Height());
        ApplyFormHook(editor);
        accepted = editor->ShowModal() == mrOk;
    } catch (...) {
        TObject::Free(editor);
        throw;
    }
    TObject::Free(editor);
    return accepted;
}
