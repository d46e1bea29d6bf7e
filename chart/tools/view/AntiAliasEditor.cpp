#include "chart/tools/view/AntiAliasEditor.h"

#include <memory>

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/FiltersEditor.h"
#include "chart/engine/AxisPanel.h"
#include "chart/tools/view/AntiAliasTool.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"

TAntiAliasEditor::TAntiAliasEditor(TComponent* owner) : TEditorForm(owner) {
    SetBounds(0, 0, 220, 90);
    CBAnti = MakeCheckBox(this, 10, 10, 150, "&Anti-alias");
    Button1 = MakePushButton(this, 10, 40, 90, "&Filters...");
    BindCheckBox(
        *this, CBAnti, [this] { return Tool(); }, &TAntiAliasTool::AntiAlias,
        &TAntiAliasTool::SetAntiAlias);
    Button1->OnClick = [this](TObject*) { EditFilters(); };
}

TAntiAliasEditor::~TAntiAliasEditor() = default;

TAntiAliasTool* TAntiAliasEditor::Tool() const {
    return dynamic_cast<TAntiAliasTool*>(TagObject());
}

void TAntiAliasEditor::EditFilters() {
    TAntiAliasTool* tool = Tool();
    if (!tool || !tool->ParentChart()) return;
    TCustomAxisPanel& chart = *tool->ParentChart();
    bool ok = false;
    {
        const TAutoRepaintGuard quiet(chart);
        const bool active = tool->Active();
        tool->SetActive(false);
        const std::unique_ptr<TBitmap> picture = chart.RenderToBitmap();
        tool->SetActive(active);
        if (active) chart.Invalidate();
        ok = ShowFiltersEditor(this, picture.get(), tool->Filters());
    }
    if (ok) tool->Repaint();
}

void TAntiAliasEditor::DoShow() {
    LoadBindings();
    TEditorForm::DoShow();
}
