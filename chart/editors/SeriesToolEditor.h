#pragma once
// The base form of the editors of tools that work on one series: a top panel with the series
// chooser. The tool editors built on it add their own controls below and use its routines to
// fill their other series lists. Tag holds the tool.
#include "chart/editors/EditorForm.h"
#include "platform/classes/Object.h"

class TComboFlat;
class TChartSeries;
class TCustomAxisPanel;
class TLabel;
class TPanel;
class TTeeCustomToolSeries;

class TSeriesToolEditor : public TEditorForm {
    KV_DECLARE_CLASS(TSeriesToolEditor, TEditorForm)
public:
    explicit TSeriesToolEditor(TComponent* owner);
    ~TSeriesToolEditor() override;

    TTeeCustomToolSeries* Tool() const { return FTool; }

    // Appends the series the editors list of chart, by title (when a chart is given; the combo
    // is then enabled exactly when the chart has series), puts "(none)" first and selects
    // series ("(none)" for none). The combo is not cleared first.
    static void FillSeriesCombo(TComboFlat& combo, TChartSeries* series, TCustomAxisPanel* chart);
    // Lists, after clearing the combo when asked, the series of the tool's chart that are of
    // seriesClass or derive from it, by title; enables the combo exactly when it lists some and
    // selects the tool's series (nothing when it is not listed).
    void FillSeriesComboOfClass(TComboFlat& combo, TClass seriesClass, bool clearFirst);

    TPanel* PanelTop;
    TLabel* Label1;
    TComboFlat* CBSeries;

protected:
    void DoShow() override;

private:
    TTeeCustomToolSeries* FTool = nullptr;
};
