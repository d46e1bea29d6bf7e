#include "chart/series/polar/WindRoseEditor.h"

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/series/polar/WindRoseSeries.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/PageControl.h"

TWindRoseEditor::TWindRoseEditor(TComponent* owner) : TPolarSeriesEditor(owner) {
    CBClockWise->Hide();
    CBMirrorAngles = MakeCheckBox(TabLabels, 150, 40, 120, "&Mirror Angles");
    CBMirrorLabels = MakeCheckBox(TabLabels, 150, 64, 120, "Mirr&ored");
    auto rose = [this] { return dynamic_cast<TWindRoseSeries*>(Series()); };
    using W = TWindRoseSeries;
    BindCheckBox(*this, CBMirrorAngles, rose, &W::MirrorAngles, &W::SetMirrorAngles);
    BindCheckBox(*this, CBMirrorLabels, rose, &W::MirrorLabels, &W::SetMirrorLabels);
}

TWindRoseEditor::~TWindRoseEditor() = default;
