#pragma once
// The box plot's options: the median and whisker pens, the whisker length and the position
// (typed numbers: a text that is no number is reported as a conversion error and changes
// nothing), and on a series page three point-marker pages, "Box", "ExtrOut" and "MildOut". The
// series comes in Tag; each change is written at once.
#include <vector>

#include "chart/editors/EditorForm.h"

class TButtonPen;
class TCustomBoxSeries;
class TEdit;

class TBoxSeriesEditor : public TEditorForm {
    KV_DECLARE_CLASS(TBoxSeriesEditor, TEditorForm)
public:
    explicit TBoxSeriesEditor(TComponent* owner);
    ~TBoxSeriesEditor() override;

    TCustomBoxSeries* Series() const { return FSeries; }

    TButtonPen* BMedian;
    TButtonPen* BWhisker;
    TEdit* ELength;
    TEdit* EPos;

protected:
    void DoShow() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    // A number typed while the form shows goes to set; an empty text waits.
    void ApplyTyped(TEdit* edit, void (TCustomBoxSeries::*set)(double));

    TCustomBoxSeries* FSeries = nullptr;
    std::vector<TForm*> FPages;
};
