#pragma once
// The base of the chart editor's embedded pages: a borderless form that reads its element into
// its controls each time it is shown (Reload) and writes each change of a control at once. While
// it reads (its bindings first, then LoadControls), Loading() is set, and the controls' handlers
// write nothing, so that showing a page never changes the chart.
#include "chart/editors/EditorForm.h"

class TChartPageForm : public TEditorForm {
    KV_DECLARE_CLASS(TChartPageForm, TEditorForm)
public:
    explicit TChartPageForm(TComponent* owner);
    ~TChartPageForm() override;

    // Reads the element into the controls, under the load guard.
    void Reload();

protected:
    // Fills the controls from the element.
    virtual void LoadControls() = 0;
    void DoShow() override;
};
