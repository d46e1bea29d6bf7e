#include "chart/tools/legend/ScrollbarEditor.h"

#include "chart/editors/BrushDialog.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/FiltersEditor.h"
#include "chart/editors/GradientEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/PictureRoutines.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/foundation/TeeFilterPicture.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/tools/legend/ScrollBarThumb.h"
#include "chart/tools/legend/TeeScrollBar.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/PageControl.h"

TScrollbarEditor::TScrollbarEditor(TComponent* owner) : TEditorForm(owner) {
    BuildControls();
    BindProperties();
    Button2->OnClick = [this](TObject*) {
        if (FBar) ShowBrushDialog(Button2, FBar->Brush());
    };
    Button3->OnClick = [this](TObject*) {
        if (FBar) ShowBrushDialog(Button3, FBar->ArrowBrush());
    };
    Button1->OnClick = [this](TObject*) {
        if (FBar) ShowBrushDialog(Button1, FBar->ThumbBrush());
    };
    BBrowse->OnClick = [this](TObject*) {
        if (!FBar) return;
        ChooseOrClearPicture(this, *FBar->Thumb()->Image());
        EnableFilters();
    };
    BFilters->OnClick = [this](TObject*) {
        if (FBar) ShowPictureFiltersEditor(this, FBar->Thumb()->Image());
    };
    DoCreate();
}

TScrollbarEditor::~TScrollbarEditor() = default;

void TScrollbarEditor::BuildControls() {
    SetBounds(0, 0, 320, 190);
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    TabOptions = MakeTabSheet(this, PageControl1, "Options");
    TabFormat = MakeTabSheet(this, PageControl1, "Format");
    TabThumb = MakeTabSheet(this, PageControl1, "Thumb");

    CBAuto = MakeCheckBox(TabOptions, 8, 8, 150, "A&uto-repeat");
    MakeLabel(TabOptions, 8, 38, "&Size:");
    const TUpDownEdit size = MakeUpDownEdit(TabOptions, 90, 34, 45, 1, 300);
    Edit1 = size.Edit;
    UDSize = size.UpDown;
    MakeLabel(TabOptions, 8, 68, "&Initial delay:");
    const TUpDownEdit delay = MakeUpDownEdit(TabOptions, 90, 64, 55, 0, 5000, 25);
    Edit2 = delay.Edit;
    UDDelay = delay.UpDown;

    ButtonPen1 = MakeControl<TButtonPen>(TabFormat, 8, 8, 90, 25);
    ButtonPen1->SetCaption("&Border...");
    Button2 = MakePushButton(TabFormat, 8, 38, 90, "B&ack...");
    Button3 = MakePushButton(TabFormat, 8, 68, 90, "A&rrows...");
    ButtonColor1 = MakeControl<TButtonColor>(TabFormat, 110, 8, 100, 25);
    ButtonColor1->SetCaption("Back &Color...");
    BGradient = MakeControl<TButtonGradient>(TabFormat, 110, 38, 100, 25);
    BGradient->SetCaption("&Gradient...");

    MakeLabel(TabThumb, 8, 10, "&Size:");
    const TUpDownEdit thumbSize = MakeUpDownEdit(TabThumb, 60, 6, 55, 0, 30000);
    Edit3 = thumbSize.Edit;
    UDThumbSize = thumbSize.UpDown;
    MakeLabel(TabThumb, 8, 40, "B&evel:");
    ComboBox1 = MakeComboBox(TabThumb, 60, 36, 90, {"None", "Lowered", "Raised"});
    Button1 = MakePushButton(TabThumb, 160, 6, 90, "&Pattern...");
    BThumbGrad = MakeControl<TButtonGradient>(TabThumb, 160, 36, 90, 25);
    BThumbGrad->SetCaption("&Gradient...");
    CBStyle =
        MakeComboBox(TabThumb, 8, 70, 100, {"Custom", "Thumb 1", "Thumb 2", "Thumb 3", "Thumb 4"});
    GroupImage = MakeControl<TGroupBox>(TabThumb, 120, 66, 180, 56);
    GroupImage->SetCaption("&Image:");
    BBrowse = MakePushButton(GroupImage, 8, 20, 75, "&Browse...");
    BFilters = MakePushButton(GroupImage, 90, 20, 75, "&Filters...");
}

void TScrollbarEditor::BindProperties() {
    using B = TTeeScrollBar;
    const auto bar = [this] { return FBar; };
    BindCheckBox(*this, CBAuto, bar, &B::AutoRepeat, &B::SetAutoRepeat);
    BindUpDownEdit(*this, TUpDownEdit{Edit1, UDSize}, bar, &B::Size, &B::SetSize);
    BindUpDownEdit(*this, TUpDownEdit{Edit2, UDDelay}, bar, &B::InitialDelay, &B::SetInitialDelay);
    BindUpDownEdit(*this, TUpDownEdit{Edit3, UDThumbSize}, bar, &B::ThumbSize, &B::SetThumbSize);
    BindComboBox(*this, ComboBox1, bar, &B::Bevel, &B::SetBevel);
    BindComboBox(
        *this, CBStyle, [this] { return FBar ? FBar->Thumb() : nullptr; }, &TScrollBarThumb::Style,
        &TScrollBarThumb::SetStyle,
        [this] {
            EnableFilters();
            LoadBindings();  // a preset changes the sizes shown
        });
}

void TScrollbarEditor::EnableFilters() {
    BFilters->SetEnabled(FBar && FBar->Thumb()->Image()->Graphic());
}

void TScrollbarEditor::DoShow() {
    if (auto* bar = dynamic_cast<TTeeScrollBar*>(TagObject())) FBar = bar;
    if (FBar) {
        LoadBindings();
        ButtonPen1->LinkPen(FBar->Pen());
        ButtonColor1->LinkToProperty(FBar, "BackColor");
        BGradient->LinkGradient(FBar->Gradient());
        BThumbGrad->LinkGradient(FBar->Thumb()->Gradient());
        EnableFilters();
    }
    ApplyFormHook(this);
    TEditorForm::DoShow();
}
