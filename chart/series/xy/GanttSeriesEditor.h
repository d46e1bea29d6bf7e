#pragma once
// The Gantt series' options: the connecting lines' pen, the bars' height, the series colour or
// a colour per task, and the transparency; on a series page the point-marker editor of its bars
// joins as "Gantt", without its size controls. Tag holds the series.
#include "chart/editors/EditorForm.h"
#include "chart/series/xy/EditorSubPages.h"

class TButtonColor;
class TButtonPen;
class TCheckBox;
class TEdit;
class TGanttSeries;
class TGroupBox;
class TUpDown;

class TGanttSeriesEditor : public TEditorForm {
    KV_DECLARE_CLASS(TGanttSeriesEditor, TEditorForm)
public:
    explicit TGanttSeriesEditor(TComponent* owner);
    ~TGanttSeriesEditor() override;

    TGanttSeries* Series() const { return FSeries; }

    TButtonPen* BConnLines;
    TEdit* SEPointVertSize;
    TUpDown* UDPointVertSize;
    TGroupBox* GPLine;
    TButtonColor* BColor;
    TCheckBox* CBColorEach;
    TEdit* Edit1;
    TUpDown* UpDown1;

protected:
    void DoShow() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    TGanttSeries* FSeries = nullptr;
    TEditorSubPages FPages{this};
};
