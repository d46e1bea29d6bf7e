#pragma once
// The point-and-figure options: box size and reversal amount as typed numbers (a text that is no
// number keeps the present value), and on a series page the point-marker pages "Up" and "Down"
// for the two symbols. The series comes in Tag; each change is written at once.
#include <vector>

#include "chart/editors/EditorForm.h"

class TEdit;
class TPointFigureSeries;

class TPointFigureEditor : public TEditorForm {
    KV_DECLARE_CLASS(TPointFigureEditor, TEditorForm)
public:
    explicit TPointFigureEditor(TComponent* owner);
    ~TPointFigureEditor() override;

    TPointFigureSeries* Series() const { return FSeries; }

    TEdit* EBoxSize;
    TEdit* EReversal;

protected:
    void DoShow() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TPointFigureSeries* FSeries = nullptr;
    std::vector<TForm*> FPages;
};
