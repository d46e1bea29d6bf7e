#pragma once
// The organisation chart's editor. Page "Options": the connector style, the spacing and the
// connector pen. Page "Nodes": the boxes as an indented tree, buttons that add a box under the
// selected one and delete the selected one with the boxes below it, and the selected box's
// format (its text, size and margins, and the shape pages for its frame, fill and font). The
// series comes in Tag; each change is written at once.
#include <vector>

#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorForm.h"
#include "chart/editors/OwnedForm.h"

class TButton;
class TButtonPen;
class TCheckBox;
class TComboBox;
class TFormTeeShape;
class TListBox;
class TMarginsEditor;
class TMemo;
class TOrgSeries;
class TOrgShape;
class TPageControl;
class TScrollBar;
class TTabSheet;

class TOrgSeriesEditor : public TEditorForm {
    KV_DECLARE_CLASS(TOrgSeriesEditor, TEditorForm)
public:
    explicit TOrgSeriesEditor(TComponent* owner);
    ~TOrgSeriesEditor() override;

    TOrgSeries* Series() const { return FSeries; }
    // The point index of each line of the node list.
    const std::vector<int>& NodeIndexes() const { return FNodeIndexes; }
    // The point of the selected line; -1 when none is selected.
    int SelectedNode() const;
    // Selects the line of point index (none when it is not listed) and loads its format.
    void SelectNode(int index);

    TPageControl* PageControl1;
    TTabSheet* TabOptions;
    TComboBox* CBLineStyle;
    TScrollBar* SBHoriz;
    TScrollBar* SBVert;
    TButtonPen* BLines;
    TTabSheet* TabNodes;
    TListBox* LBNodes;
    TButton* BAdd;
    TButton* BDelete;
    TPageControl* PageNode;
    TTabSheet* TabText;
    TMemo* MemoText;
    TButton* BEdit;
    TComboBox* CBTextAlign;
    TComboBox* CBCursor;
    TCheckBox* CBVisible;
    TTabSheet* TabSize;
    TCheckBox* CBAutoSize;
    TUpDownEdit WidthEdit;
    TUpDownEdit HeightEdit;
    TCheckBox* CBClipText;
    TTabSheet* TabMargins;
    TMarginsEditor* MarginsEditor;

protected:
    void DoShow() override;

private:
    void BuildOptions();
    void BuildNodes();
    void BuildNodeText();
    void BuildNodeSize();
    // The format of the selected box; none when nothing is selected.
    TOrgShape* SelectedFormat() const;
    // The tree of boxes, depth first in point order: the boxes at the top and those below them,
    // then any box no parent chain leads to from the top, each with those below it.
    void FillNodeList();
    void ListNode(int index, int level, std::vector<bool>& listed);
    void LoadNode();
    void AddNode();
    void DeleteNode();
    void SizeChanged(int value, bool width);

    TOrgSeries* FSeries = nullptr;
    std::vector<int> FNodeIndexes;
    TOwnedForm<TFormTeeShape> FShapeEditor;
};
