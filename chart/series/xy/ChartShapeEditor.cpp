#include "chart/series/xy/ChartShapeEditor.h"

#include "chart/editors/BrushDialog.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/FontEditor.h"
#include "chart/editors/GradientEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/StringsEditor.h"
#include "chart/engine/AxisPanel.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/series/xy/ChartShape.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Memo.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/UpDown.h"

TChartShapeEditor::TChartShapeEditor(TComponent* owner) : TEditorForm(owner, true) {
    SetBounds(0, 0, 360, 200);
    SetAlign(alClient);
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    TabStyle = MakeTabSheet(this, PageControl1, "Style");
    TabText = MakeTabSheet(this, PageControl1, "Text");
    TabPosition = MakeTabSheet(this, PageControl1, "Position");
    TabFont = MakeTabSheet(this, PageControl1, "Font");
    BuildStylePage();
    BuildTextPage();
    BuildPositionPage();
    FFontEditor.reset(EmbedFontEditor(TabFont));
    BindProperties();
    DoCreate();
}

TChartShapeEditor::~TChartShapeEditor() = default;

void TChartShapeEditor::BuildStylePage() {
    MakeLabel(TabStyle, 8, 10, "&Style:");
    CBStyle = MakeComboBox(TabStyle, 60, 6, 130,
                           {"Rectangle", "Circle", "Vertical Line", "Horiz. Line", "Triangle",
                            "Invert. Triangle", "Line", "Diamond", "Cube", "Cross",
                            "Diagonal Cross", "Star", "Pyramid", "Invert. Pyramid"});
    BShapeColor = MakeControl<TButtonColor>(TabStyle, 8, 36, 90, 25);
    BShapeColor->SetCaption("&Color...");
    BShapePen = MakeControl<TButtonPen>(TabStyle, 106, 36, 90, 25);
    BShapePen->SetCaption("Bor&der...");
    BShapeBrush = MakePushButton(TabStyle, 204, 36, 90, "&Pattern...");
    BGradient = MakeControl<TButtonGradient>(TabStyle, 204, 68, 90, 25);
    BGradient->SetCaption("&Gradient...");
    CBTrans = MakeCheckBox(TabStyle, 8, 72, 100, "Tra&nsparent");
    CBRound = MakeCheckBox(TabStyle, 8, 96, 130, "&Round Rectangle");
    MakeLabel(TabStyle, 8, 128, "&Transparency:");
    TUpDownEdit transparency = MakeUpDownEdit(TabStyle, 100, 124, 45, 0, 100);
    Edit1 = transparency.Edit;
    UDTransp = transparency.UpDown;
}

void TChartShapeEditor::BuildTextPage() {
    MakeLabel(TabText, 8, 8, "&Text:");
    MemoText = MakeControl<TMemo>(TabText, 8, 24, 180, 90);
    Button1 = MakePushButton(TabText, 8, 120, 80, "&Edit...");
    RGVertAlign = MakeControl<TRadioGroup>(TabText, 200, 4, 140, 70);
    RGVertAlign->SetCaption("&Alignment");
    for (const char* item : {"Top", "Center", "Bottom"}) RGVertAlign->Items()->Add(item);
    RGAlign = MakeControl<TRadioGroup>(TabText, 200, 80, 140, 70);
    RGAlign->SetCaption("&Horiz. Alignment");
    for (const char* item : {"Left", "Center", "Right"}) RGAlign->Items()->Add(item);
}

void TChartShapeEditor::BuildPositionPage() {
    MakeLabel(TabPosition, 8, 10, "&Left:");
    SEX0 = MakeControl<TEdit>(TabPosition, 60, 6, 70, 21);
    MakeLabel(TabPosition, 150, 10, "&Right");
    SEX1 = MakeControl<TEdit>(TabPosition, 200, 6, 70, 21);
    MakeLabel(TabPosition, 8, 40, "&Top:");
    SEY0 = MakeControl<TEdit>(TabPosition, 60, 36, 70, 21);
    MakeLabel(TabPosition, 150, 40, "&Bottom:");
    SEY1 = MakeControl<TEdit>(TabPosition, 200, 36, 70, 21);
    MakeLabel(TabPosition, 8, 72, "&Units:");
    CBUnits = MakeComboBox(TabPosition, 60, 68, 110, {"Pixels", "Axis", "Axis Origin"});
}

void TChartShapeEditor::BindProperties() {
    using S = TChartShape;
    auto shape = [this] { return FShape; };
    BindComboBox(*this, CBUnits, shape, &S::XYStyle, &S::SetXYStyle);
    BindCheckBox(*this, CBTrans, shape, &S::Transparent, &S::SetTransparent);
    BindCheckBox(*this, CBRound, shape, &S::RoundRectangle, &S::SetRoundRectangle);
    BindUpDownEdit(
        *this, {Edit1, UDTransp}, [this] { return Showing() ? FShape : nullptr; }, &S::Transparency,
        &S::SetTransparency);
    CBStyle->OnChange = [this](TObject*) { StyleChanged(); };
    BShapeBrush->OnClick = [this](TObject*) {
        if (FShape && ShowBrushDialog(BShapeBrush, FShape->Brush())) BShapeColor->Repaint();
    };
    MemoText->OnChange = [this](TObject*) {
        if (!Loading() && FShape) FShape->SetText(MemoText->Lines());
    };
    Button1->OnClick = [this](TObject*) {
        if (ShowStringsEditor(this, *MemoText->Lines(), false) && FShape)
            FShape->SetText(MemoText->Lines());
    };
    RGVertAlign->OnClick = [this](TObject*) {
        if (!Loading() && FShape && RGVertAlign->ItemIndex() >= 0)
            FShape->SetVertAlign(TTeeVertAlign(RGVertAlign->ItemIndex()));
    };
    // The items run Left, Center, Right; the alignment's values Left, Right, Center.
    RGAlign->OnClick = [this](TObject*) {
        static const TAlignment alignments[] = {taLeftJustify, taCenter, taRightJustify};
        if (!Loading() && FShape && RGAlign->ItemIndex() >= 0)
            FShape->SetAlignment(alignments[RGAlign->ItemIndex()]);
    };
    SEX0->OnChange = [this](TObject*) { CornerChanged(SEX0, &S::SetX0); };
    SEX1->OnChange = [this](TObject*) { CornerChanged(SEX1, &S::SetX1); };
    SEY0->OnChange = [this](TObject*) { CornerChanged(SEY0, &S::SetY0); };
    SEY1->OnChange = [this](TObject*) { CornerChanged(SEY1, &S::SetY1); };
}

void TChartShapeEditor::StyleChanged() {
    if (!Loading() && FShape && CBStyle->ItemIndex() >= 0)
        FShape->SetStyle(TChartShapeStyle(CBStyle->ItemIndex()));
    CBRound->SetEnabled(CBStyle->ItemIndex() == chasRectangle);
}

void TChartShapeEditor::CornerChanged(TEdit* edit, void (TChartShape::*set)(double)) {
    double value = 0;
    if (!Loading() && FShape && TryStrToFloat(edit->Text(), value)) (FShape->*set)(value);
}

void TChartShapeEditor::DoShow() {
    if (auto* shape = dynamic_cast<TChartShape*>(TagObject())) FShape = shape;
    if (FShape) {
        auto loading = LoadGuard();
        CBStyle->SetItemIndex(int(FShape->Style()));
        const bool flat = !FShape->ParentChart() || !FShape->ParentChart()->View3D();
        CBRound->SetEnabled(FShape->Style() == chasRectangle && flat);
        BShapeColor->LinkToProperty(FShape, "SeriesColor");
        BShapePen->LinkPen(FShape->Pen());
        BGradient->LinkGradient(FShape->Gradient());
        UDTransp->SetPosition(FShape->Transparency());
        MemoText->Lines()->Assign(*FShape->Text());
        RGVertAlign->SetItemIndex(int(FShape->VertAlign()));
        static const int alignItems[] = {0, 2, 1};  // by alignment value
        RGAlign->SetItemIndex(alignItems[int(FShape->Alignment())]);
        if (FShape->Count() == 2) {
            SEX0->SetText(FloatToStr(FShape->X0()));
            SEX1->SetText(FloatToStr(FShape->X1()));
            SEY0->SetText(FloatToStr(FShape->Y0()));
            SEY1->SetText(FloatToStr(FShape->Y1()));
        }
        FFontEditor->LoadFont(FShape->Font());
        LoadBindings();
    }
    LoadingDone();
    ApplyFormHook(this);
    TForm::DoShow();
}
