#include "chart/tools/axis/ColorBandToolEditor.h"

#include <tuple>

#include "chart/editors/BackImageEditor.h"
#include "chart/editors/BrushDialog.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/GradientEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/tools/ToolEditorFields.h"
#include "chart/tools/axis/ColorBandTool.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/UpDown.h"

TColorBandToolEditor::TColorBandToolEditor(TComponent* owner) : TAxisToolEditor(owner) {
    BuildControls();
    BindProperties();
    PageControl1->OnChange = [this](TObject*) { PageChanged(); };
    BPattern->OnClick = [this](TObject*) {
        if (TColorBandTool* band = Band()) ShowBrushDialog(BPattern, band->Brush());
    };
    CBCursor->OnChange = [this](TObject*) {
        if (TColorBandTool* band = Band(); band && !Loading())
            band->SetCursor(NameToCursor(band->Cursor(), CBCursor->Text()));
    };
}

TColorBandToolEditor::~TColorBandToolEditor() = default;

TColorBandTool* TColorBandToolEditor::Band() const { return dynamic_cast<TColorBandTool*>(Tool()); }

void TColorBandToolEditor::BuildControls() {
    SetBounds(0, 0, 320, 200);
    BPattern = MakePushButton(PanelTop, 284, 4, 80, "&Pattern...");
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    TabValues = MakeTabSheet(this, PageControl1, "Values");
    TabOptions = MakeTabSheet(this, PageControl1, "Options");
    TabPicture = MakeTabSheet(this, PageControl1, "Picture");

    MakeLabel(TabValues, 8, 10, "&Start value:");
    EStart = MakeControl<TEdit>(TabValues, 80, 6, 90, 21);
    CBResizeStart = MakeCheckBox(TabValues, 180, 8, 90, "Allo&w drag");
    BStartPen = MakeControl<TButtonPen>(TabValues, 80, 30, 90, 25);
    BStartPen->SetCaption("B&order...");
    CBStartActive = MakeCheckBox(TabValues, 180, 32, 90, "Active");
    MakeLabel(TabValues, 8, 70, "&End value:");
    EEnd = MakeControl<TEdit>(TabValues, 80, 66, 90, 21);
    CBResizeEnd = MakeCheckBox(TabValues, 180, 68, 90, "Allow &drag");
    BEndPen = MakeControl<TButtonPen>(TabValues, 80, 90, 90, 25);
    BEndPen->SetCaption("Bo&rder...");
    CBEndActive = MakeCheckBox(TabValues, 180, 92, 90, "Active");

    MakeLabel(TabOptions, 8, 10, "&Transparency:");
    TUpDownEdit transparency = MakeUpDownEdit(TabOptions, 90, 6, 45, 0, 100);
    ETransparency = transparency.Edit;
    UDTransparency = transparency.UpDown;
    MakeLabel(TabOptions, 8, 40, "C&ursor:");
    CBCursor = MakeComboBox(TabOptions, 90, 36, 110, {});
    BGradient = MakeControl<TButtonGradient>(TabOptions, 210, 4, 90, 25);
    BGradient->SetCaption("&Gradient...");
    BColor = MakeControl<TButtonColor>(TabOptions, 210, 34, 90, 25);
    BColor->SetCaption("&Color...");
    CBDrawBehind = MakeCheckBox(TabOptions, 8, 70, 150, "&Draw Behind");
    CBDrawBehindAxes = MakeCheckBox(TabOptions, 8, 92, 150, "&Draw Behind A&xes");
}

void TColorBandToolEditor::BindProperties() {
    using B = TColorBandTool;
    auto band = [this] { return Band(); };
    auto value = [this](double (B::*get)() const) {
        return [this, get]() -> std::optional<double> {
            if (TColorBandTool* b = Band()) return (b->*get)();
            return std::nullopt;
        };
    };
    // The values typed act only while the form shows.
    auto setValue = [this](void (B::*set)(double)) {
        return [this, set](double v) {
            if (TColorBandTool* b = Band(); b && Showing()) (b->*set)(v);
        };
    };
    BindFloatEdit(*this, EStart, value(&B::StartValue), setValue(&B::SetStartValue));
    BindFloatEdit(*this, EEnd, value(&B::EndValue), setValue(&B::SetEndValue));
    // The drag boxes and the "Active" boxes both switch a line: each pair shows one state.
    auto sync = [this](TCheckBox* twin, bool (B::*get)() const) {
        return [this, twin, get] {
            if (TColorBandTool* b = Band(); b && !Loading()) {
                auto loading = LoadGuard();
                twin->SetChecked((b->*get)());
            }
        };
    };
    BindCheckBox(*this, CBResizeStart, band, &B::ResizeStart, &B::SetResizeStart);
    BindCheckBox(*this, CBStartActive, band, &B::ResizeStart, &B::SetResizeStart);
    BindCheckBox(*this, CBResizeEnd, band, &B::ResizeEnd, &B::SetResizeEnd);
    BindCheckBox(*this, CBEndActive, band, &B::ResizeEnd, &B::SetResizeEnd);
    for (auto [box, twin, get] : {std::tuple{CBResizeStart, CBStartActive, &B::ResizeStart},
                                  std::tuple{CBStartActive, CBResizeStart, &B::ResizeStart},
                                  std::tuple{CBResizeEnd, CBEndActive, &B::ResizeEnd},
                                  std::tuple{CBEndActive, CBResizeEnd, &B::ResizeEnd}}) {
        const TNotifyEvent write = box->OnClick;
        const auto follow = sync(twin, get);
        box->OnClick = [write, follow](TObject* sender) {
            write(sender);
            follow();
        };
    }
    BindUpDownEdit(*this, {ETransparency, UDTransparency}, band, &B::Transparency,
                   &B::SetTransparency);
    BindCheckBox(*this, CBDrawBehind, band, &B::DrawBehind, &B::SetDrawBehind);
    BindCheckBox(*this, CBDrawBehindAxes, band, &B::DrawBehindAxes, &B::SetDrawBehindAxes);
}

void TColorBandToolEditor::PageChanged() {
    TColorBandTool* band = Band();
    if (!band || PageControl1->ActivePage() != TabPicture || FPictureEditor) return;
    FPictureEditor.reset(CreateBackImageEditorPage(TabPicture));
    FPictureEditor->LoadImageSettings(band->Picture());
}

void TColorBandToolEditor::DoShow() {
    TAxisToolEditor::DoShow();
    TColorBandTool* band = Band();
    if (!band) return;
    auto loading = LoadGuard();
    LoadBindings();
    BStartPen->LinkPen(band->StartLinePen());
    BEndPen->LinkPen(band->EndLinePen());
    BGradient->LinkGradient(band->Gradient());
    BColor->LinkToProperty(band, "Color");
    FillCursorCombo(*CBCursor, band->Cursor());
}
