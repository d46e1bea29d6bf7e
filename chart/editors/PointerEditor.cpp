#include "chart/editors/PointerEditor.h"

#include "chart/editors/BrushDialog.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/GradientEditor.h"
#include "chart/editors/OwnedForm.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/SeriesPage.h"
#include "chart/editors/ShadowEditor.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/CustomLineSeries.h"
#include "chart/engine/CustomSeries.h"
#include "chart/engine/SeriesPointer.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeePanel.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/Panel.h"
#include "platform/ui/TrackBar.h"
#include "platform/ui/UpDown.h"

namespace {

// The markers drawn with lines only, which show nothing with a hidden pen.
bool LineOnlyStyle(TSeriesPointerStyle style) {
    return style == psCross || style == psDiagCross || style == psStar || style == psSmallDot;
}

}  // namespace

TSeriesPointerEditor::TSeriesPointerEditor(TComponent* owner) : TEditorForm(owner) {
    SetBounds(0, 0, 330, 290);
    BuildControls();
    BindProperties();
    ConnectHandlers();
    DoCreate();
    SetAlign(alClient);
}

void TSeriesPointerEditor::BuildControls() {
    GPPoint = MakeControl<TGroupBox>(this, 4, 4, 320, 210);
    CBDrawPoint = MakeCheckBox(GPPoint, 8, 16, 90, "&Visible");
    MakeLabel(GPPoint, 8, 44, "&Style:");
    CBStyle = MakeComboBox(
        GPPoint, 50, 40, 130,
        {"Square", "Circle", "Triangle", "Down Triangle", "Cross", "Diagonal Cross", "Star",
         "Diamond", "Small Dot", "Nothing", "Left Triangle", "Right Triangle", "Hexagon"});
    CBStyle->SetStyle(csOwnerDrawFixed);
    CBStyle->SetItemHeight(16);
    CBStyle->SetDropDownCount(12);
    LWidth = MakeLabel(GPPoint, 8, 74, "&Width:");
    TUpDownEdit width = MakeUpDownEdit(GPPoint, 60, 70, 45, 1, 1000);
    SEPointHorizSize = width.Edit;
    UDPointHorizSize = width.UpDown;
    LHeight = MakeLabel(GPPoint, 8, 102, "&Height:");
    TUpDownEdit height = MakeUpDownEdit(GPPoint, 60, 98, 45, 1, 1000);
    SEPointVertSize = height.Edit;
    UDPointVertSize = height.UpDown;
    CB3dPoint = MakeCheckBox(GPPoint, 130, 72, 80, "&3D");
    CBPoDark = MakeCheckBox(GPPoint, 130, 96, 90, "Dar&k 3D");
    CBInflate = MakeCheckBox(GPPoint, 200, 16, 115, "Inflate &Margins");
    BPointFillColor = MakePushButton(GPPoint, 220, 40, 90, "&Pattern...");
    CBDefBrushColor = MakeCheckBox(GPPoint, 220, 72, 90, "&Default");
    BPoinPenCol = MakeControl<TButtonPen>(GPPoint, 220, 96, 90, 25);
    BPoinPenCol->SetCaption("B&order...");
    MakeLabel(GPPoint, 8, 134, "&Transparency:");
    TBTransp = MakeControl<TTrackBar>(GPPoint, 90, 128, 120, 28);
    TBTransp->SetMax(100);
    Button2 = MakePushButton(GPPoint, 220, 128, 90, "Sh&adow...");
    CBIgnoreNulls = MakeCheckBox(GPPoint, 8, 172, 120, "&Ignore nulls");
    CBColorEach = MakeCheckBox(this, 8, 222, 100, "&Color Each ");
    BGradient = MakePushButton(this, 120, 218, 90, "&Gradient...");
    PanelBottom = MakeControl<TPanel>(this, 0, 0, 330, 34);
    PanelBottom->SetAlign(alBottom);
    PanelBottom->SetBevelOuter(bvNone);
    PanelBottom->Hide();
    Button1 = MakePushButton(PanelBottom, 240, 4, 80, "Close");
    Button1->SetModalResult(mrOk);
}

void TSeriesPointerEditor::BindProperties() {
    using P = TSeriesPointer;
    auto pointer = [this] { return FPointer; };
    BindCheckBox(*this, CBPoDark, pointer, &P::Dark3D, &P::SetDark3D);
    BindCheckBox(*this, CBInflate, pointer, &P::InflateMargins, &P::SetInflateMargins);
    auto series = [this] { return FSeries; };
    BindCheckBox(*this, CBColorEach, series, &TCustomLineSeries::ColorEachPoint,
                 &TCustomLineSeries::SetColorEachPoint);
    BindCheckBox(
        *this, CBIgnoreNulls, series,
        [](const TCustomLineSeries& s) { return s.TreatNulls() == tnIgnore; },
        [](TCustomLineSeries& s, bool ignore) {
            s.SetTreatNulls(ignore ? tnIgnore : tnDontPaint);
        });
    // Sizes are written only once the editor shows: building it sets the edits' texts.
    const TNumberEditRule size{.Typed = TTypedNumber::Positive, .OnlyWhileShowing = true};
    BindUpDownEdit(*this, {SEPointHorizSize, UDPointHorizSize}, pointer, &P::HorizSize,
                   &P::SetHorizSize, size);
    BindUpDownEdit(*this, {SEPointVertSize, UDPointVertSize}, pointer, &P::VertSize,
                   &P::SetVertSize, size);
    BindTrackBar(*this, TBTransp, pointer, &P::Transparency, &P::SetTransparency);
}

void TSeriesPointerEditor::ConnectHandlers() {
    CBDrawPoint->OnClick = [this](TObject*) {
        if (!Loading() && FPointer) ApplyVisible(CBDrawPoint->Checked());
    };
    CBStyle->OnChange = [this](TObject*) {
        if (Loading() || !FPointer || CBStyle->ItemIndex() < 0) return;
        FPointer->SetStyle(TSeriesPointerStyle(CBStyle->ItemIndex()));
        Enable3D();
    };
    CBStyle->OnDrawItem = [this](TWinControl*, int index, const TRect& rect, TOwnerDrawState) {
        DrawStyleItem(index, rect);
    };
    CB3dPoint->OnClick = [this](TObject*) {
        if (Loading() || !FPointer) return;
        FPointer->SetDraw3D(CB3dPoint->Checked());
        CBPoDark->SetEnabled(CB3dPoint->Enabled() && CB3dPoint->Checked());
    };
    CBDefBrushColor->OnClick = [this](TObject*) { DefaultColorsClick(); };
    BPoinPenCol->OnClick = [this](TObject*) { ReadDefaultColors(); };
    BPointFillColor->OnClick = [this](TObject*) {
        if (!FPointer) return;
        ShowBrushDialog(this, FPointer->Brush());
        ReadDefaultColors();
    };
    Button2->OnClick = [this](TObject*) {
        if (FPointer) ShowShadowEditor(ParentForm(), FPointer->Shadow());
    };
    BGradient->OnClick = [this](TObject*) {
        // Without its full gradient the pointer ends the gradient in the point's colour.
        if (FPointer)
            ShowGradientEditor(ParentForm(), FPointer->Gradient(), !FPointer->FullGradient);
    };
}

void TSeriesPointerEditor::DefaultColorsClick() {
    if (Loading() || !FPointer) return;
    if (CBDefBrushColor->Checked()) {
        FPointer->SetBrushColor(clDefault);
        FPointer->Pen()->SetColor(clDefault);
    } else if (FPointer->Pen()->Color() == clDefault) {
        FPointer->Pen()->SetColor(clBlack);
    }
    BPoinPenCol->Repaint();
    CBStyle->Invalidate();
}

void TSeriesPointerEditor::HideSizeControls() {
    SetControlsVisible(false, {LWidth, SEPointHorizSize, UDPointHorizSize, LHeight, SEPointVertSize,
                               UDPointVertSize});
}

void TSeriesPointerEditor::ReadDefaultColors() {
    auto loading = LoadGuard();
    CBDefBrushColor->SetChecked(DefaultColors());
    CBStyle->Invalidate();
}

bool TSeriesPointerEditor::DefaultColors() const {
    return FPointer->Brush()->Color() == clDefault && FPointer->Pen()->Color() == clDefault;
}

void TSeriesPointerEditor::ApplyVisible(bool visible) {
    FPointer->SetVisible(visible);
    if (visible) {
        Enable3D();
    } else {
        CB3dPoint->SetEnabled(false);
        CBPoDark->SetEnabled(false);
    }
    for (TControl* c :
         {static_cast<TControl*>(CBInflate), static_cast<TControl*>(SEPointHorizSize),
          static_cast<TControl*>(UDPointHorizSize), static_cast<TControl*>(SEPointVertSize),
          static_cast<TControl*>(UDPointVertSize), static_cast<TControl*>(CBStyle),
          static_cast<TControl*>(BPointFillColor), static_cast<TControl*>(BPoinPenCol),
          static_cast<TControl*>(CBDefBrushColor)})
        c->SetEnabled(visible);
}

void TSeriesPointerEditor::Enable3D() {
    const TCustomTeePanel* chart = FPointer->Chart();
    const TSeriesPointerStyle style = FPointer->Style();
    bool solid = false;
    if (chart && chart->View3D()) {
        solid =
            style == psRectangle || style == psTriangle || style == psDownTriangle ||
            (style == psCircle && chart->Canvas3D() && chart->Canvas3D()->SupportsFreeRotation());
    }
    CB3dPoint->SetEnabled(solid);
    CBPoDark->SetEnabled(solid && CB3dPoint->Checked());
}

void TSeriesPointerEditor::DoShow() {
    if (TObject* tag = TagObject()) {
        auto loading = LoadGuard();
        if (auto* pointer = dynamic_cast<TSeriesPointer*>(tag)) {
            FPointer = pointer;
            FSeries = nullptr;
            for (TCheckBox* c : {CBColorEach, CBIgnoreNulls}) {
                c->SetEnabled(false);
                c->Hide();
            }
        } else if (auto* series = dynamic_cast<TCustomSeries*>(tag)) {
            FSeries = series;
            FPointer = series->Pointer();
            CBColorEach->Show();
            CBIgnoreNulls->Show();
        }
        if (FPointer) {
            CBDrawPoint->SetChecked(FPointer->Visible());
            CB3dPoint->SetChecked(FPointer->Draw3D());
            ApplyVisible(FPointer->Visible());
            CBStyle->SetItemIndex(int(FPointer->Style()));
            LoadBindings();
            CBDefBrushColor->SetChecked(DefaultColors());
            BPoinPenCol->LinkPen(FPointer->Pen());
            if (!FPointer->AllowChangeSize) HideSizeControls();
        }
    }
    ApplyFormHook(this);
    TForm::DoShow();
}

void TSeriesPointerEditor::DrawStyleItem(int index, const TRect& rect) {
    TCanvas* canvas = CBStyle->Canvas();
    canvas->FillRect(rect);
    if (!FPointer) return;
    const TColor textBrush = canvas->Brush()->Color();
    TColor color = FPointer->Brush()->Color();
    if (color == clDefault && FPointer->Series()) color = FPointer->Series()->Color();
    {
        TTeeCanvas3D sample;
        sample.BindCanvas(canvas);
        FPointer->PrepareCanvas(sample, color);
        const auto style = TSeriesPointerStyle(index);
        if (LineOnlyStyle(style) && !FPointer->Pen()->Visible()) {
            sample.Pen()->SetStyle(psSolid);
            sample.Pen()->SetWidth(1);
            sample.Pen()->SetColor(color);
        }
        FPointer->DrawOnCanvas(sample, false, rect.Left + 6, rect.Top + 8, 4, 4, color, style);
    }
    canvas->Brush()->SetStyle(bsClear);
    canvas->Brush()->SetColor(textBrush);
    canvas->TextOut(rect.Left + 14, rect.Top + 2, CBStyle->Items()->Strings(index));
}

bool ShowPointerEditor(TForm* form, TSeriesPointer* pointer) {
    TOwnedForm<TSeriesPointerEditor> editor(CreateEditorDialog<TSeriesPointerEditor>(form));
    editor->SetCaption("Pointer");
    editor->SetTagObject(pointer);
    editor->CBInflate->Hide();
    editor->CBColorEach->Hide();
    editor->PanelBottom->Show();
    ApplyFormHook(editor.get());
    editor->ShowModal();
    return true;
}

TSeriesPointerEditor* EmbedPointerEditor(TControl* control, TObject* edited,
                                         const std::string& caption) {
    return static_cast<TSeriesPointerEditor*>(TFormTeeSeries::InsertEditorPage(
        control, TSeriesPointerEditor::StaticClass(), caption, edited, 1));
}
