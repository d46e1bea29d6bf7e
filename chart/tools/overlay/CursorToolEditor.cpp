#include "chart/tools/overlay/CursorToolEditor.h"

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/PenDialog.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/tools/overlay/CursorTool.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/UpDown.h"

namespace {

bool IsScopeStyle(TCursorToolStyle style) { return style == cssScope || style == cssScopeOnly; }

// A scope shows nothing around it with lines of no length: they get 20 pixels each.
constexpr int ScopeLineSize = 20;

}  // namespace

TCursorToolEditor::TCursorToolEditor(TComponent* owner) : TSeriesToolEditor(owner) {
    BuildControls();
    BindProperties();
    CBStyle->OnChange = [this](TObject*) { CBStyleChange(); };
    // A series chosen anew changes what snapping may do.
    const TNotifyEvent seriesChange = CBSeries->OnChange;
    CBSeries->OnChange = [this, seriesChange](TObject* sender) {
        if (seriesChange) seriesChange(sender);
        EnableControls();
    };
}

TCursorToolEditor::~TCursorToolEditor() = default;

TCursorTool* TCursorToolEditor::Cursor() const { return dynamic_cast<TCursorTool*>(Tool()); }

void TCursorToolEditor::BuildControls() {
    SetBounds(0, 0, 300, 200);
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    TabStyle = MakeTabSheet(this, PageControl1, "Style");
    TabSnap = MakeTabSheet(this, PageControl1, "Snap");
    TabMouse = MakeTabSheet(this, PageControl1, "Mouse");

    MakeLabel(TabStyle, 8, 10, "&Style:");
    CBStyle = MakeComboBox(TabStyle, 80, 6, 110,
                           {"Horizontal", "Vertical", "Both", "Scope", "Scope only"});
    BPen = MakeControl<TButtonPen>(TabStyle, 200, 4, 80, 25);
    BPen->SetCaption("&Pen...");
    MakeLabel(TabStyle, 8, 40, "&Horiz. Size:");
    TUpDownEdit horiz = MakeUpDownEdit(TabStyle, 80, 36, 50, 0, 1000);
    EHorizSize = horiz.Edit;
    UDHorizSize = horiz.UpDown;
    MakeLabel(TabStyle, 150, 40, "&Vert. Size:");
    TUpDownEdit vert = MakeUpDownEdit(TabStyle, 220, 36, 50, 0, 1000);
    EVertSize = vert.Edit;
    UDVertSize = vert.UpDown;
    MakeLabel(TabStyle, 8, 70, "S&cope Size:");
    TUpDownEdit scope = MakeUpDownEdit(TabStyle, 80, 66, 50, 0, 1000);
    EScopeSize = scope.Edit;
    UDScopeSize = scope.UpDown;
    MakeLabel(TabStyle, 8, 100, "Scope sty&le:");
    CBScopeStyle =
        MakeComboBox(TabStyle, 80, 96, 110, {"Rectangle", "Circle", "Diamond", "Empty", "Camera"});

    CBSnap = MakeCheckBox(TabSnap, 8, 8, 120, "S&nap");
    CBUseSeriesZ = MakeCheckBox(TabSnap, 8, 32, 120, "Use Series &Z");
    MakeLabel(TabSnap, 8, 62, "Snap sty&le:");
    CBSnapStyle = MakeComboBox(TabSnap, 80, 58, 110, {"Default", "Horizontal", "Vertical"});

    CBFollow = MakeCheckBox(TabMouse, 8, 8, 120, "&Follow mouse");
    MakeLabel(TabMouse, 8, 40, "Click &tolerance:");
    TUpDownEdit tolerance = MakeUpDownEdit(TabMouse, 100, 36, 50, 0, 1000);
    ETolerance = tolerance.Edit;
    UDTolerance = tolerance.UpDown;
    MakeLabel(TabMouse, 160, 40, "pixels");
}

void TCursorToolEditor::BindProperties() {
    using C = TCursorTool;
    auto cursor = [this] { return Cursor(); };
    BindUpDownEdit(*this, {EHorizSize, UDHorizSize}, cursor, &C::HorizSize, &C::SetHorizSize);
    BindUpDownEdit(*this, {EVertSize, UDVertSize}, cursor, &C::VertSize, &C::SetVertSize);
    BindUpDownEdit(*this, {EScopeSize, UDScopeSize}, cursor, &C::ScopeSize, &C::SetScopeSize);
    BindComboBox(*this, CBScopeStyle, cursor, &C::ScopeStyle, &C::SetScopeStyle);
    // Snap, its style, following the mouse and the tolerance are plain fields: no repaint.
    BindCheckBox(*this, CBSnap, cursor, &C::Snap, &C::SetSnap, [this] { EnableControls(); });
    BindCheckBox(*this, CBUseSeriesZ, cursor, &C::UseSeriesZ, &C::SetUseSeriesZ);
    BindComboBox(*this, CBSnapStyle, cursor, &C::SnapStyle, &C::SetSnapStyle);
    BindCheckBox(*this, CBFollow, cursor, &C::FollowMouse, &C::SetFollowMouse);
    BindUpDownEdit(*this, {ETolerance, UDTolerance}, cursor, &C::ClickTolerance,
                   &C::SetClickTolerance);
}

void TCursorToolEditor::CBStyleChange() {
    TCursorTool* cursor = Cursor();
    if (Loading() || !cursor || CBStyle->ItemIndex() < 0) return;
    const auto style = TCursorToolStyle(CBStyle->ItemIndex());
    cursor->SetStyle(style);
    if (IsScopeStyle(style)) {
        if (cursor->HorizSize() == 0) cursor->SetHorizSize(ScopeLineSize);
        if (cursor->VertSize() == 0) cursor->SetVertSize(ScopeLineSize);
        LoadBindings();
    }
    EnableControls();
}

void TCursorToolEditor::EnableControls() {
    TCursorTool* cursor = Cursor();
    const bool withSeries = cursor && cursor->Series();
    CBSnap->SetEnabled(withSeries);
    CBUseSeriesZ->SetEnabled(withSeries);
    CBSnapStyle->SetEnabled(withSeries && CBSnap->Checked());
    const bool scope = cursor && IsScopeStyle(cursor->Style());
    EScopeSize->SetEnabled(scope);
    UDScopeSize->SetEnabled(scope);
}

void TCursorToolEditor::DoShow() {
    TSeriesToolEditor::DoShow();
    TCursorTool* cursor = Cursor();
    {
        auto loading = LoadGuard();
        if (cursor) {
            CBStyle->SetItemIndex(int(cursor->Style()));
            BPen->LinkPen(cursor->Pen());
            LoadBindings();
        }
    }
    EnableControls();
}
