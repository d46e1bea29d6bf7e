#pragma once
// The tools page of the chart editor: the chart's tools listed by kind name, with commands to
// add one of a kind chosen in the tools gallery, clone, delete and reorder them, switch them on
// and off, and the selected tool's own editor form (found by the class name the tool names)
// embedded beside the list. Editors of other lists derive from it and make their own items
// through the two virtual operations.
#include <functional>

#include "chart/editors/EditorForm.h"

class TButton;
class TCheckBox;
class TChartTools;
class TListBox;
class TPanel;
class TSpeedButton;
class TSplitter;
class TTeeCustomTool;

using TToolReportEvent = std::function<void(TTeeCustomTool* tool)>;

class TFormTeeTools : public TEditorForm {
    KV_DECLARE_CLASS(TFormTeeTools, TEditorForm)
public:
    explicit TFormTeeTools(TComponent* owner);
    ~TFormTeeTools() override;

    // The list edited; without one, the page takes the tools of the chart in its Tag at show.
    TChartTools* Tools() const { return FTools; }
    void SetTools(TChartTools* tools) { FTools = tools; }
    // The selected tool, or none.
    TTeeCustomTool* SelectedTool() const;
    // The editor form embedded for the selected tool, or none.
    TForm* ToolEditor() const { return FToolEditor; }

    // Reports to the hosting dialog.
    TToolReportEvent OnToolAdded;
    TToolReportEvent OnToolDeleted;

    // A copy of the tool, with its owner, in its chart.
    virtual TTeeCustomTool* CloneTool(TTeeCustomTool* tool);
    // A new tool of the kind chosen in the tools gallery; none when the user cancels.
    virtual TTeeCustomTool* CreateToolFromGallery();

    // The list again when the tools changed elsewhere, and the selected tool's editor again.
    void Reload();
    // Selects the tool's item and loads the tool; nothing for a tool the page does not list.
    void SelectTool(TTeeCustomTool* tool);

    TListBox* LBTools;
    TSplitter* Splitter1;
    TPanel* PanelToolEditor;
    TPanel* PTop;
    TButton* BAdd;
    TButton* BDelete;
    TSpeedButton* BClone;
    TCheckBox* CBActive;
    TCheckBox* CBShowInEditor;
    TSpeedButton* BMoveUp;
    TSpeedButton* BMoveDown;
    TPanel* PBottom;

    void LBToolsClick();
    void BAddClick();
    void BDeleteClick();
    void BCloneClick();
    void BMoveClick(bool up);

protected:
    void DoShow() override;

private:
    void BuildControls();
    void ConnectHandlers();
    void FillTools();
    void UpdateButtons();
    void FreeToolEditor();
    void SelectAndLoad(int index);

    TChartTools* FTools = nullptr;
    TForm* FToolEditor = nullptr;
    bool FShownOnce = false;
};
