#pragma once
// The base form of the editors of tools that work on one axis: a top panel with the axis
// chooser and, for tools that draw with a pen, its button. The tool editors built on it add
// their own controls below. Tag holds the tool.
#include "chart/editors/EditorForm.h"

class TButtonPen;
class TChartAxis;
class TComboFlat;
class TCustomAxisPanel;
class TLabel;
class TPanel;
class TTeeCustomToolAxis;

class TAxisToolEditor : public TEditorForm {
    KV_DECLARE_CLASS(TAxisToolEditor, TEditorForm)
public:
    explicit TAxisToolEditor(TComponent* owner);
    ~TAxisToolEditor() override;

    TTeeCustomToolAxis* Tool() const { return FTool; }
    // Set by editors of tools that may work on the two depth axes too, before the form shows.
    bool ListDepthAxes = false;

    TPanel* PanelTop;
    TLabel* Label1;
    TComboFlat* CBAxis;
    TButtonPen* BPen;

protected:
    void DoShow() override;

private:
    // The chooser's item of an axis of chart, -1 when it is not listed.
    int ItemOfAxis(TCustomAxisPanel& chart, const TChartAxis* axis) const;
    TChartAxis* AxisOfItem(TCustomAxisPanel& chart, int item) const;
    void CBAxisChange();

    TTeeCustomToolAxis* FTool = nullptr;
};
