#pragma once
// The tools gallery ("Chart Tools Gallery"): the registered tool classes by kind name, on three
// tabs (tools bound to a series, tools bound to an axis, the others), with the chosen class's
// description below. The tools page asks it which kind of tool to add.
#include <string>
#include <vector>

#include "platform/classes/Object.h"
#include "platform/ui/Form.h"
#include "platform/ui/OwnerDraw.h"

class TButton;
class TCanvas;
class TCheckBox;
class TLabel;
class TListBox;
class TMemo;
class TPanel;
class TTabControl;

// The tools gallery's tabs.
enum TToolsGalleryTab { tgtSeries, tgtAxis, tgtOther };

// The tab a tool class is listed on: by the base it derives from.
TToolsGalleryTab ToolsGalleryTabOf(TClass toolClass);
// The kind name of a tool class (empty for a class that is no tool).
std::string ToolKindName(TClass toolClass);

// A tool item of the tools page or the tools gallery: the item's background, the gallery
// picture of the tool's class at (left + 2, top + 1) and the text at (left + 22, top + 2).
void DrawToolItem(TCanvas& canvas, const TRect& rect, TClass toolClass, const std::string& text);

class TTeeToolsGallery : public TForm {
    KV_DECLARE_CLASS(TTeeToolsGallery, TForm)
public:
    explicit TTeeToolsGallery(TComponent* owner);
    ~TTeeToolsGallery() override;

    // The class of the selected item, or none.
    TClass SelectedClass() const;

    TTabControl* TabControl1;
    TListBox* LBTool;
    TMemo* MemoDesc;
    TPanel* P1;
    TLabel* LabelClass;
    TButton* BOk;
    TButton* BCan;
    TCheckBox* CBView3D;
    TPanel* PanelDemos;

    // Lists the classes of the current tab.
    void FillTools();
    void LBToolClick();

protected:
    void DoShow() override;

private:
    void BuildControls();
    void ConnectHandlers();
    // The class of each item of LBTool, in item order.
    std::vector<TClass> FClasses;
};
