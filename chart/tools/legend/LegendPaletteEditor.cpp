#include "chart/tools/legend/LegendPaletteEditor.h"

#include <algorithm>

#include "chart/editors/AxisPage.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/PanelPage.h"
#include "chart/editors/PenDialog.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/grid3d/Custom3DPaletteSeries.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/tools/legend/LegendPaletteTool.h"
#include "chart/tools/legend/PaletteChart.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/UpDown.h"

TLegendPaletteEditor::TLegendPaletteEditor(TComponent* owner) : TSeriesToolEditor(owner) {
    BuildControls();
    BindProperties();
    PageControl1->OnChange = [this](TObject*) { PageChanged(); };
}

TLegendPaletteEditor::~TLegendPaletteEditor() = default;

TLegendPaletteTool* TLegendPaletteEditor::Palette() const {
    return dynamic_cast<TLegendPaletteTool*>(Tool());
}

void TLegendPaletteEditor::BuildControls() {
    SetBounds(0, 0, 360, 220);
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    TabOptions = MakeTabSheet(this, PageControl1, "Options");
    TabPosition = MakeTabSheet(this, PageControl1, "Position");
    TabSize = MakeTabSheet(this, PageControl1, "Size");
    TabPanel = MakeTabSheet(this, PageControl1, "Panel");
    TabAxes = MakeTabSheet(this, PageControl1, "Axes");

    ButtonPen1 = MakeControl<TButtonPen>(TabOptions, 8, 8, 80, 25);
    ButtonPen1->SetCaption("&Pen...");
    RGAxis = MakeControl<TRadioGroup>(TabOptions, 8, 40, 110, 80);
    RGAxis->SetCaption("Axis:");
    for (const char* item : {"&Default", "Oth&er", "Bo&th"}) RGAxis->Items()->Add(item);
    CBTransp = MakeCheckBox(TabOptions, 130, 8, 110, "&Transparent");
    CBSmooth = MakeCheckBox(TabOptions, 130, 32, 110, "Sm&ooth");
    CBVertical = MakeCheckBox(TabOptions, 130, 56, 110, "&Vertical");
    CBInverted = MakeCheckBox(TabOptions, 130, 80, 110, "&Inverted");
    BBorder = MakeControl<TButtonPen>(TabOptions, 130, 106, 80, 25);
    BBorder->SetCaption("&Border...");

    MakeLabel(TabPosition, 8, 12, "L&eft:");
    TUpDownEdit left = MakeUpDownEdit(TabPosition, 60, 8, 60, -32000, 32000, 5);
    ECustLeft = left.Edit;
    UDLeft = left.UpDown;
    MakeLabel(TabPosition, 8, 42, "T&op:");
    TUpDownEdit top = MakeUpDownEdit(TabPosition, 60, 38, 60, -32000, 32000, 5);
    ECustTop = top.Edit;
    UDTop = top.UpDown;
    MakeLabel(TabPosition, 8, 72, "&Units:");
    CBUnits = MakeComboBox(TabPosition, 60, 68, 100, {"Percent", "Pixels"});

    MakeLabel(TabSize, 8, 12, "&Width:");
    TUpDownEdit width = MakeUpDownEdit(TabSize, 60, 8, 60, 0, 32000);
    ECustWidth = width.Edit;
    UDWidth = width.UpDown;
    MakeLabel(TabSize, 8, 42, "&Height:");
    TUpDownEdit height = MakeUpDownEdit(TabSize, 60, 38, 60, 0, 32000);
    ECustHeight = height.Edit;
    UDHeight = height.UpDown;
}

void TLegendPaletteEditor::BindProperties() {
    using T = TLegendPaletteTool;
    const auto tool = [this] { return Palette(); };
    BindRadioGroup(*this, RGAxis, tool, &T::Axis, &T::SetAxis);
    BindCheckBox(*this, CBTransp, tool, &T::Transparent, &T::SetTransparent);
    BindCheckBox(*this, CBSmooth, tool, &T::Smooth, &T::SetSmooth);
    // The orientation swaps the size: the size page shows the new one.
    BindCheckBox(*this, CBVertical, tool, &T::Vertical, &T::SetVertical, [this] {
        if (TLegendPaletteTool* t = Palette(); t && !Loading()) {
            auto loading = LoadGuard();
            UDWidth->SetPosition(t->Width());
            UDHeight->SetPosition(t->Height());
        }
    });
    BindCheckBox(*this, CBInverted, tool, &T::Inverted, &T::SetInverted);
    const TNumberEditRule whileShowing{TTypedNumber::Any, true};
    BindUpDownEdit(*this, {ECustLeft, UDLeft}, tool, &T::Left, &T::SetLeft, whileShowing);
    BindUpDownEdit(*this, {ECustTop, UDTop}, tool, &T::Top, &T::SetTop, whileShowing);
    BindUpDownEdit(*this, {ECustWidth, UDWidth}, tool, &T::Width, &T::SetWidth, whileShowing);
    BindUpDownEdit(*this, {ECustHeight, UDHeight}, tool, &T::Height, &T::SetHeight, whileShowing);
    BindComboBox(*this, CBUnits, tool, &T::PositionUnits, &T::SetPositionUnits,
                 [this] { UnitsChanged(); });
}

void TLegendPaletteEditor::UnitsChanged() {
    TLegendPaletteTool* tool = Palette();
    if (!tool || Loading() || tool->PositionUnits() != muPercent) return;
    // A percent beyond the chart is brought back to its edge.
    tool->SetLeft(std::min(tool->Left(), 100));
    tool->SetTop(std::min(tool->Top(), 100));
    auto loading = LoadGuard();
    UDLeft->SetPosition(tool->Left());
    UDTop->SetPosition(tool->Top());
}

void TLegendPaletteEditor::PageChanged() {
    TLegendPaletteTool* tool = Palette();
    if (!tool) return;
    TTabSheet* page = PageControl1->ActivePage();
    if (page == TabPanel && !FPanelPage) {
        FPanelPage = TFormTeePanel::EmbedForPanel(this, *TabPanel, tool->PaletteChart());
        FPanelPage->Show();
    } else if (page == TabAxes && !FAxisPage) {
        FAxisPage = new TFormTeeAxis(this, tool->PaletteChart()->LeftAxis());
        FAxisPage->SetAlign(alClient);
        ApplyFormHook(FAxisPage);
        EmbedEditorForm(*FAxisPage, *TabAxes);
        FAxisPage->Show();
    }
}

void TLegendPaletteEditor::DoShow() {
    TSeriesToolEditor::DoShow();
    TLegendPaletteTool* tool = Palette();
    if (!tool) return;
    auto loading = LoadGuard();
    // The palette series of the chart, then the series coloured through a palette of their own.
    FillSeriesComboOfClass(*CBSeries, &TCustom3DPaletteSeries::StaticClass(), true);
    if (TClass polarGrid = GetClass("TPolarGridSeries"))
        FillSeriesComboOfClass(*CBSeries, polarGrid, false);
    ButtonPen1->LinkPen(tool->Pen());
    BBorder->LinkPen(tool->Border());
    LoadBindings();
}
