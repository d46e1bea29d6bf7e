#pragma once
// The sub-chart tool's editor: the list of inner charts (added, deleted, renamed, moved up and
// down), the selected chart's position and transparency, and the chart editor embedded for it.
// The tool comes in Tag.
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorForm.h"

class TButton;
class TChartEditorPanel;
class TCheckBox;
class TEdit;
class TInnerChart;
class TListBox;
class TPageControl;
class TSpeedButton;
class TSubChartTool;
class TTabSheet;
class TUpDown;

class TSubChartEditor : public TEditorForm {
    KV_DECLARE_CLASS(TSubChartEditor, TEditorForm)
public:
    explicit TSubChartEditor(TComponent* owner);
    ~TSubChartEditor() override;

    TSubChartTool* SubChart() const;
    // The inner chart of the selected entry, none without one.
    TInnerChart* SelectedChart() const;
    TChartEditorPanel* ChartEditor() const { return FChartEditor; }

    TListBox* LBCharts;
    TButton* BAdd;
    TButton* BDelete;
    TButton* BRename;
    TSpeedButton* BUp;
    TSpeedButton* BDown;
    TPageControl* PageControl1;
    TTabSheet* TabPosition;
    TTabSheet* TabChart;
    TEdit* Edit1;
    TEdit* Edit2;
    TEdit* Edit3;
    TEdit* Edit4;
    TUpDown* UDLeft;
    TUpDown* UDTop;
    TUpDown* UDWidth;
    TUpDown* UDHeight;
    TCheckBox* CBTransp;

protected:
    void DoShow() override;

private:
    void BuildControls();
    void SelectEntry();
    void MoveEntry(int delta);

    TChartEditorPanel* FChartEditor = nullptr;
};
