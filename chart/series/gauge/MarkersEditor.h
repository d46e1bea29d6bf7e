#pragma once
// The numeric gauge's markers page: the tools page working on the gauge's marker list instead of
// the chart's tools. Add appends a marker with the text "Marker" (markers are of one kind, so no
// gallery is shown), Clone appends a copy of the selected marker, Delete frees it (which takes
// it out of the gauge's list); each marker's own editor is the annotation editor.
#include "chart/editors/ToolsPage.h"

class TNumericGauge;

class TMarkersEditor : public TFormTeeTools {
    KV_DECLARE_CLASS(TMarkersEditor, TFormTeeTools)
public:
    explicit TMarkersEditor(TComponent* owner);
    ~TMarkersEditor() override;

    TNumericGauge* Gauge() const { return FGauge; }
    // Edits the gauge's markers (before the page shows).
    void SetGauge(TNumericGauge* gauge);

    TTeeCustomTool* CloneTool(TTeeCustomTool* tool) override;
    TTeeCustomTool* CreateToolFromGallery() override;

private:
    TNumericGauge* FGauge = nullptr;
};
