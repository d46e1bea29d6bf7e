#include "chart/tools/overlay/SurfaceNearestEditor.h"

#include "chart/editors/BrushDialog.h"
#include "chart/editors/EditorControls.h"
#include "chart/engine/grid3d/SurfaceSeries.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/tools/overlay/SurfaceNearestTool.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Label.h"

namespace {

constexpr const char* ColorProperty[] = {"CellColor", "RowColor", "ColumnColor"};
constexpr const char* ColorCaption[] = {"&Cell...", "&Row...", "&Column..."};

using TColorGet = TColor (TSurfaceNearestTool::*)() const;
using TColorSet = void (TSurfaceNearestTool::*)(TColor);
constexpr TColorGet ColorGet[] = {&TSurfaceNearestTool::CellColor, &TSurfaceNearestTool::RowColor,
                                  &TSurfaceNearestTool::ColumnColor};
constexpr TColorSet ColorSet[] = {&TSurfaceNearestTool::SetCellColor,
                                  &TSurfaceNearestTool::SetRowColor,
                                  &TSurfaceNearestTool::SetColumnColor};

}  // namespace

TSurfaceNearest::TSurfaceNearest(TComponent* owner) : TSeriesToolEditor(owner) {
    SetBounds(0, 0, 320, 150);
    Label1->SetCaption("Surface");
    for (int i = 0; i < 3; ++i) {
        const int top = 44 + 30 * i;
        ColorButtons[size_t(i)] = MakeControl<TButtonColor>(this, 8, top, 90, 25);
        ColorButtons[size_t(i)]->SetCaption(ColorCaption[i]);
        ColorButtons[size_t(i)]->OnClick = [this, i](TObject*) {
            auto loading = LoadGuard();
            DefaultBoxes[size_t(i)]->SetChecked(false);
        };
        DefaultBoxes[size_t(i)] = MakeCheckBox(this, 110, top + 4, 80, "Default");
        DefaultBoxes[size_t(i)]->OnClick = [this, i](TObject*) {
            if (TSurfaceNearestTool* tool = NearestTool();
                tool && !Loading() && DefaultBoxes[size_t(i)]->Checked())
                (tool->*ColorSet[i])(clDefault);
        };
        NoneBoxes[size_t(i)] = MakeCheckBox(this, 200, top + 4, 80, "None");
        NoneBoxes[size_t(i)]->OnClick = [this, i](TObject*) {
            if (TSurfaceNearestTool* tool = NearestTool();
                tool && !Loading() && NoneBoxes[size_t(i)]->Checked())
                (tool->*ColorSet[i])(clNone);
        };
    }
}

TSurfaceNearest::~TSurfaceNearest() = default;

TSurfaceNearestTool* TSurfaceNearest::NearestTool() const {
    return dynamic_cast<TSurfaceNearestTool*>(Tool());
}

void TSurfaceNearest::LoadColors() {
    TSurfaceNearestTool* tool = NearestTool();
    if (!tool) return;
    auto loading = LoadGuard();
    for (int i = 0; i < 3; ++i) {
        const TColor color = (tool->*ColorGet[i])();
        ColorButtons[size_t(i)]->LinkToProperty(tool, ColorProperty[i]);
        DefaultBoxes[size_t(i)]->SetChecked(color == clDefault);
        NoneBoxes[size_t(i)]->SetChecked(color == clNone);
    }
}

void TSurfaceNearest::DoShow() {
    TSeriesToolEditor::DoShow();
    FillSeriesComboOfClass(*CBSeries, &TSurfaceSeries::StaticClass(), true);
    LoadColors();
}
