#include "chart/series/gauge/NumericGaugeEditor.h"

#include "chart/editors/BrushDialog.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/GradientEditor.h"
#include "chart/editors/ShadowEditor.h"
#include "chart/editors/ShapeEditor.h"
#include "chart/engine/ColorPalettes.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeShape.h"
#include "chart/series/gauge/CustomGauge.h"
#include "chart/series/gauge/FramedBorder.h"
#include "chart/series/gauge/GaugePalettes.h"
#include "chart/series/gauge/MarkersEditor.h"
#include "chart/series/gauge/NumericGauge.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/UpDown.h"

TNumericGaugeEditor::TNumericGaugeEditor(TComponent* owner) : TEditorForm(owner, true) {
    SetBounds(0, 0, 430, 280);
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    TabOptions = MakeTabSheet(this, PageControl1, "Options");
    TabMarkers = MakeTabSheet(this, PageControl1, "Markers");
    TabFrame = MakeTabSheet(this, PageControl1, "Frame");
    TabBack = MakeTabSheet(this, PageControl1, "Back");
    // The markers belong to the numeric read-out, which shows the page itself.
    TabMarkers->SetTabVisible(false);
    BuildOptionsPage();
    BuildFramePage();
    BindProperties();
    ConnectHandlers();
    DoCreate();
}

TNumericGaugeEditor::~TNumericGaugeEditor() {
    for (TBrushDialog* editor : FRingEditors)
        if (editor) TObject::Free(editor);
    if (FShadowEditor) TObject::Free(FShadowEditor);
}

// --- Building.

void TNumericGaugeEditor::BuildOptionsPage() {
    LValue = MakeLabel(TabOptions, 8, 12, "&Value:");
    EValue = MakeControl<TEdit>(TabOptions, 70, 8, 90, 21);
    LValue->SetFocusControl(EValue);
    SBPlus = MakeControl<TSpeedButton>(TabOptions, 164, 8, 22, 21);
    SBPlus->SetCaption("+");
    SBMinus = MakeControl<TSpeedButton>(TabOptions, 188, 8, 22, 21);
    SBMinus->SetCaption("-");
    LPalette = MakeLabel(TabOptions, 8, 42, "&Palette:");
    CBPalette = MakeComboBox(TabOptions, 70, 38, 140, {"Current", "LCD", "LED"});
    TColorPalettes::AddNamesTo(*CBPalette->Items(), false);
    LPalette->SetFocusControl(CBPalette);
    RGDigitalFont = MakeControl<TRadioGroup>(TabOptions, 8, 70, 200, 45);
    RGDigitalFont->SetCaption("Digital &font:");
    RGDigitalFont->SetColumns(3);
    for (const char* item : {"&Bar", "&Dot", "&Custom"}) RGDigitalFont->Items()->Add(item);
    RGDigitalFont->SetVisible(false);
}

void TNumericGaugeEditor::BuildFramePage() {
    PageFrame = MakeControl<TPageControl>(TabFrame);
    PageFrame->SetAlign(alClient);
    TabFrameGeneral = MakeTabSheet(this, PageFrame, "General");
    TabOuter = MakeTabSheet(this, PageFrame, "Outer");
    TabMiddle = MakeTabSheet(this, PageFrame, "Middle");
    TabInner = MakeTabSheet(this, PageFrame, "Inner");
    TabFrameShadow = MakeTabSheet(this, PageFrame, "Shadow");
    CBFrameVisible = MakeCheckBox(TabFrameGeneral, 8, 8, 120, "&Visible");
    MakeLabel(TabFrameGeneral, 8, 40, "&Width:");
    TUpDownEdit width = MakeUpDownEdit(TabFrameGeneral, 70, 36, 45, 0, 100);
    EFrameWidth = width.Edit;
    UDFrameWidth = width.UpDown;
    BFramePattern = MakePushButton(TabFrameGeneral, 8, 70, 90, "&Pattern...");
    BFrameGradient = MakePushButton(TabFrameGeneral, 8, 102, 90, "&Gradient...");
}

void TNumericGaugeEditor::BindProperties() {
    auto numeric = [this] { return dynamic_cast<TNumericGauge*>(FGauge); };
    BindRadioGroup(*this, RGDigitalFont, numeric, &TNumericGauge::DigitalFont,
                   &TNumericGauge::SetDigitalFont);
    using F = TFramedBorder;
    auto frame = [this]() -> TFramedBorder* { return FGauge ? FGauge->Frame() : nullptr; };
    BindCheckBox(*this, CBFrameVisible, frame, &F::Visible, &F::SetVisible);
    BindUpDownEdit(*this, {EFrameWidth, UDFrameWidth}, frame, &F::Width, &F::SetWidth,
                   {.OnlyWhileShowing = true});
}

void TNumericGaugeEditor::ConnectHandlers() {
    // A text that is no number keeps the value.
    EValue->OnChange = [this](TObject*) {
        double value = 0;
        if (!Loading() && FGauge && TryStrToFloat(EValue->Text(), value)) FGauge->SetValue(value);
    };
    SBPlus->OnClick = [this](TObject*) { StepValue(1); };
    SBMinus->OnClick = [this](TObject*) { StepValue(-1); };
    CBPalette->OnChange = [this](TObject*) {
        if (!Loading()) ApplyPaletteChoice(CBPalette->ItemIndex());
    };
    BFramePattern->OnClick = [this](TObject*) {
        if (FGauge) ShowBrushDialog(this, FGauge->Frame()->Brush());
    };
    BFrameGradient->OnClick = [this](TObject*) {
        if (FGauge) ShowGradientEditor(this, FGauge->Frame()->Brush()->Gradient());
    };
}

void TNumericGaugeEditor::StepValue(double delta) {
    if (!FGauge) return;
    FGauge->SetValue(FGauge->Value() + delta);
    auto loading = LoadGuard();
    EValue->SetText(FloatToStr(FGauge->Value()));
    FGauge->Repaint();
}

void TNumericGaugeEditor::ApplyPaletteChoice(int index) {
    if (!FGauge || index < 0) return;
    if (index == 1)
        FGauge->ApplyPalette(GaugeLCDPalette);
    else if (index == 2)
        FGauge->ApplyPalette(GaugeLEDPalette);
    else
        // The library's palette k, or (Current) none: the chart's colours.
        FGauge->ApplyPalette(PaletteColors(index >= 3 ? index - 3 : 0));
    FGauge->Repaint();
}

TBrushDialog* TNumericGaugeEditor::EmbedRingEditor(TTabSheet* sheet, TFrameBrush* brush) {
    auto* editor = new TBrushDialog(nullptr);
    editor->TheBrush = brush;
    // Embedded, the dialog has no OK and Cancel: each change is kept at once.
    editor->Button2->SetVisible(false);
    editor->Button3->SetVisible(false);
    TButton* gradient =
        MakePushButton(editor, editor->Button2->Left(), editor->Button2->Top(), 90, "&Gradient...");
    gradient->OnClick = [this, brush](TObject*) { ShowGradientEditor(this, brush->Gradient()); };
    EmbedEditorForm(*editor, *sheet);
    return editor;
}

void TNumericGaugeEditor::EmbedSubEditors() {
    TFramedBorder& frame = *FGauge->Frame();
    FRingEditors[0] = EmbedRingEditor(TabOuter, frame.OuterBrush());
    FRingEditors[1] = EmbedRingEditor(TabMiddle, frame.MiddleBrush());
    FRingEditors[2] = EmbedRingEditor(TabInner, frame.InnerBrush());
    FShadowEditor = EmbedShadowEditor(TabFrameShadow);
    FShadowEditor->LoadShadow(frame.Shadow());
    FFaceEditor = TFormTeeShape::CreateForShape(this, FGauge->Face(), TabBack);
    if (auto* numeric = dynamic_cast<TNumericGauge*>(FGauge)) EmbedMarkersEditor(*numeric);
}

void TNumericGaugeEditor::EmbedMarkersEditor(TNumericGauge& gauge) {
    TabMarkers->SetTabVisible(true);
    RGDigitalFont->SetVisible(true);
    FMarkersEditor = new TMarkersEditor(this);
    FMarkersEditor->SetGauge(&gauge);
    EmbedEditorForm(*FMarkersEditor, *TabMarkers);
}

// --- Loading.

void TNumericGaugeEditor::DoShow() {
    TCustomGauge* gauge = dynamic_cast<TCustomGauge*>(TagObject());
    if (gauge && !FGauge) {
        FGauge = gauge;
        EmbedSubEditors();
    }
    if (FGauge) {
        auto loading = LoadGuard();
        LoadBindings();
        EValue->SetText(FloatToStr(FGauge->Value()));
        CBPalette->SetItemIndex(-1);
        PageControl1->SetActivePage(TabOptions);
        PageFrame->SetActivePage(TabFrameGeneral);
    }
    LoadingDone();
    TEditorForm::DoShow();
}
