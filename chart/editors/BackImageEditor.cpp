#include "chart/editors/BackImageEditor.h"

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/FiltersEditor.h"
#include "chart/editors/OwnedForm.h"
#include "chart/editors/PictureRoutines.h"
#include "chart/foundation/BackImage.h"
#include "chart/foundation/EditorHooks.h"
#include "platform/graphics/Graphic.h"
#include "platform/graphics/GraphicFormats.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/UpDown.h"

TBackImageEditor::TBackImageEditor(TComponent* owner) : TEditorForm(owner) {
    SetBounds(0, 0, 300, 200);
    BuildControls();
    BindProperties();
    BBrowse->OnClick = [this](TObject*) {
        if (!FPicture) return;
        ChooseOrClearPicture(this, *FPicture);
        UpdateControls();
    };
    CBTransp->OnClick = [this](TObject*) {
        if (Loading() || !FPicture || !FPicture->Graphic() || !CBTransp->Enabled()) return;
        FPicture->Graphic()->SetTransparent(CBTransp->Checked());
    };
    Button1->OnClick = [this](TObject*) {
        if (!FPicture || !ShowPictureFiltersEditor(this, FPicture)) return;
        FPicture->NotifyChanged();
        UpdateControls();
    };
    DoCreate();
}

TBackImageEditor::~TBackImageEditor() = default;

void TBackImageEditor::BuildControls() {
    Image1 = MakeControl<TImage>(this, 8, 8, 90, 90);
    Image1->SetStretch(true);
    LabelSize = MakeLabel(this, 8, 104, "");
    LabelExt = MakeLabel(this, 8, 122, "");
    BBrowse = MakePushButton(this, 8, 142, 90, "B&rowse...");
    RGBitmap = MakeControl<TRadioGroup>(this, 110, 4, 90, 110);
    RGBitmap->SetCaption("St&yle");
    for (const char* item : {"Stretch", "Tile", "Center", "C&ustom"}) RGBitmap->Items()->Add(item);
    CBTransp = MakeCheckBox(this, 110, 120, 100, "&Transparent");
    Button1 = MakePushButton(this, 110, 142, 90, "&Filters...");
    GBPosition = MakeControl<TGroupBox>(this, 208, 4, 88, 110);
    GBPosition->SetCaption("Position:");
    MakeLabel(GBPosition, 6, 22, "&Left:");
    TUpDownEdit left = MakeUpDownEdit(GBPosition, 6, 38, 45, 0, 100);
    ELeft = left.Edit;
    UDLeft = left.UpDown;
    MakeLabel(GBPosition, 6, 64, "T&op:");
    TUpDownEdit top = MakeUpDownEdit(GBPosition, 6, 80, 45, 0, 100);
    ETop = top.Edit;
    UDTop = top.UpDown;
    PanelButtons = MakeControl<TPanel>(this, 0, 0, 300, 34);
    PanelButtons->SetAlign(alBottom);
    PanelButtons->SetBevelOuter(bvNone);
    PanelButtons->Hide();
    BOk = MakePushButton(PanelButtons, 130, 4, 75, "OK");
    BOk->SetDefault(true);
    BOk->SetModalResult(mrOk);
    BCancel = MakePushButton(PanelButtons, 215, 4, 75, "Cancel");
    BCancel->SetCancel(true);
    BCancel->SetModalResult(mrCancel);
}

void TBackImageEditor::BindProperties() {
    // Only a back image has a mode and a position: a plain picture fills what it is drawn in.
    using B = TBackImage;
    auto image = [this] { return dynamic_cast<B*>(FPicture); };
    BindRadioGroup(*this, RGBitmap, image, &B::Mode, [this](B& backImage, int mode) {
        backImage.SetMode(TTeeBackImageMode(mode));
        UpdateControls();
    });
    // The position writes only once the editor shows: building it gives the edits their texts.
    const TNumberEditRule shown{.OnlyWhileShowing = true};
    BindUpDownEdit(*this, {ELeft, UDLeft}, image, &B::Left, &B::SetLeft, shown);
    BindUpDownEdit(*this, {ETop, UDTop}, image, &B::Top, &B::SetTop, shown);
}

void TBackImageEditor::LoadImageSettings(TTeePicture* picture) {
    FPicture = picture;
    if (!FPicture) return;
    auto loading = LoadGuard();
    LoadBindings();
    UpdateControls();
    const TGraphic* graphic = FPicture->Graphic();
    CBTransp->SetEnabled(graphic != nullptr);
    CBTransp->SetChecked(graphic && graphic->Transparent());
}

void TBackImageEditor::UpdateControls() {
    auto loading = LoadGuard();
    TGraphic* graphic = FPicture->Graphic();
    RGBitmap->SetEnabled(graphic != nullptr);
    if (CBTransp->Visible()) {
        CBTransp->SetEnabled(RGBitmap->Enabled());
        CBTransp->SetChecked(graphic && graphic->Transparent());
    }
    if (auto* image = dynamic_cast<TBackImage*>(FPicture)) {
        const bool custom = image->Mode() == pbmCustom;
        for (TControl* c : {static_cast<TControl*>(ELeft), static_cast<TControl*>(UDLeft),
                            static_cast<TControl*>(ETop), static_cast<TControl*>(UDTop)})
            c->SetEnabled(custom);
    } else {
        RGBitmap->Hide();
        GBPosition->Hide();
    }
    LabelSize->SetVisible(RGBitmap->Enabled());
    LabelExt->SetVisible(RGBitmap->Enabled());
    if (graphic) {
        LabelSize->SetCaption(IntToStr(graphic->Width()) + "x" + IntToStr(graphic->Height()));
        LabelExt->SetCaption(GraphicExtension(&graphic->ClassType()));
    }
    Image1->Picture()->SetGraphic(graphic ? FPicture->FilteredGraphic() : nullptr);
    BBrowse->SetCaption(graphic ? "Clea&r" : "B&rowse...");
}

void TBackImageEditor::DoShow() {
    if (FPicture) LoadImageSettings(FPicture);
    ApplyFormHook(this);
    TForm::DoShow();
}

TBackImageEditor* CreateBackImageEditorPage(TWinControl* sheet) {
    TBackImageEditor* editor = new TBackImageEditor(nullptr);
    EmbedEditorForm(*editor, *sheet);
    return editor;
}

void ShowPictureDialog(TControl* control, TTeePicture* picture) {
    TOwnedForm<TBackImageEditor> editor(CreateEditorDialog<TBackImageEditor>(control));
    editor->RGBitmap->Hide();
    editor->GBPosition->Hide();
    // Changes are made in place: there is nothing for a Cancel to undo.
    editor->BCancel->Hide();
    editor->PanelButtons->Show();
    editor->SetHeight(editor->Height() + editor->PanelButtons->Height());
    editor->LoadImageSettings(picture);
    editor->ShowModal();
}
