#include "chart/series/polar/PolarGridEditor.h"

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/Grid3DSeriesEditor.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/series/polar/PolarGridSeries.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"

TPolarGridEditor::TPolarGridEditor(TComponent* owner) : TPolarSeriesEditor(owner) {
    CBClose->Hide();
    CBCentered = MakeCheckBox(TabOptions, CBClose->Left(), CBClose->Top(), 110, "&Centered");
    TabPalette = MakeTabSheet(this, PageControl1, "Palette");
    BindCheckBox(
        *this, CBCentered, [this] { return FGrid; }, &TPolarGridSeries::Centered,
        &TPolarGridSeries::SetCentered);
}

TPolarGridEditor::~TPolarGridEditor() {
    if (FPaletteEditor) TObject::Free(FPaletteEditor);
}

void TPolarGridEditor::DoShow() {
    FGrid = dynamic_cast<TPolarGridSeries*>(TagObject());
    if (FGrid && !FPaletteEditor) {
        FPaletteEditor = new TGrid3DSeriesEditor(nullptr);
        FPaletteEditor->PanelRight->Hide();
        EmbedTaggedEditorForm(*FPaletteEditor, *TabPalette, FGrid->PaletteSeries());
        FPaletteEditor->LoadSeries(FGrid->PaletteSeries());
        ApplyFormHook(FPaletteEditor);
    }
    TPolarSeriesEditor::DoShow();
}
