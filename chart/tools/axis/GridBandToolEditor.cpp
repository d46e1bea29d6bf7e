#include "chart/tools/axis/GridBandToolEditor.h"

#include "chart/editors/BrushDialog.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/GradientEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/foundation/ColorEditing.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/tools/axis/GridBandBrush.h"
#include "chart/tools/axis/GridBandTool.h"
#include "platform/classes/Cursors.h"
#include "platform/ui/Button.h"
#include "platform/ui/CustomControl.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/TabControl.h"
#include "platform/ui/UpDown.h"

TGridBandToolEdit::TGridBandToolEdit(TComponent* owner) : TAxisToolEditor(owner) {
    SetBounds(0, 0, 300, 170);
    TabControl1 = MakeControl<TTabControl>(this);
    TabControl1->SetAlign(alClient);
    TabControl1->Tabs()->Add("Band 1");
    TabControl1->Tabs()->Add("Band 2");
    Preview = MakeControl<TPaintBox>(TabControl1, 10, 30, 60, 60);
    Preview->SetCursor(crHandPoint);
    BPattern = MakePushButton(TabControl1, 90, 30, 90, "&Pattern...");
    BBack = MakeControl<TButtonColor>(TabControl1, 190, 30, 90, 25);
    BBack->SetCaption("Ba&ck...");
    MakeLabel(TabControl1, 90, 66, "&Transparency:");
    TUpDownEdit transparency = MakeUpDownEdit(TabControl1, 170, 62, 45, 0, 100);
    ETransparency = transparency.Edit;
    UDTransparency = transparency.UpDown;
    BGradient = MakeControl<TButtonGradient>(TabControl1, 90, 96, 90, 25);
    BGradient->SetCaption("&Gradient...");

    BindUpDownEdit(
        *this, {ETransparency, UDTransparency}, [this] { return Brush(); },
        &TGridBandBrush::Transparency, &TGridBandBrush::SetTransparency);
    TabControl1->OnChange = [this](TObject*) { LoadBrush(); };
    Preview->OnPaint = [this](TObject*) { PaintPreview(); };
    Preview->OnClick = [this](TObject*) { PreviewClick(); };
    BPattern->OnClick = [this](TObject*) {
        if (TGridBandBrush* brush = Brush(); brush && ShowBrushDialog(BPattern, brush))
            Preview->Invalidate();
    };
    BBack->OnClick = [this](TObject*) { Preview->Invalidate(); };
    BGradient->OnClick = [this](TObject*) { Preview->Invalidate(); };
}

TGridBandToolEdit::~TGridBandToolEdit() = default;

TGridBandTool* TGridBandToolEdit::GridBand() const { return dynamic_cast<TGridBandTool*>(Tool()); }

TGridBandBrush* TGridBandToolEdit::Brush() const {
    TGridBandTool* tool = GridBand();
    if (!tool) return nullptr;
    return TabControl1->TabIndex() == 1 ? tool->Band2() : tool->Band1();
}

void TGridBandToolEdit::LoadBrush() {
    TGridBandBrush* brush = Brush();
    if (!brush) return;
    auto loading = LoadGuard();
    LoadBindings();
    BBack->LinkToProperty(brush, "BackColor");
    BGradient->LinkGradient(brush->Gradient());
    Preview->Invalidate();
}

void TGridBandToolEdit::PreviewClick() {
    TGridBandBrush* brush = Brush();
    if (!brush) return;
    TColor colour = brush->Color();
    if (!EditColorVar(this, colour)) return;
    brush->SetColor(colour);
    Preview->Invalidate();
}

void TGridBandToolEdit::PaintPreview() {
    TGridBandBrush* brush = Brush();
    if (!brush) return;
    TTeeCanvas3D canvas;
    canvas.BindCanvas(Preview->Canvas());
    const TRect r{0, 0, Preview->Width() - 1, Preview->Height() - 1};
    if (brush->Gradient()->Visible()) {
        brush->Gradient()->DrawInRect(canvas, r);
        return;
    }
    canvas.UseBrushColors(brush, brush->Color(), GridBand()->BandColor(*brush));
    canvas.Pen()->SetStyle(psClear);
    canvas.FillRectangle(r);
}

void TGridBandToolEdit::DoShow() {
    // The band has no pen: its button stays hidden.
    TAxisToolEditor::DoShow();
    BPen->SetVisible(false);
    TabControl1->SetTabIndex(0);
    LoadBrush();
}
