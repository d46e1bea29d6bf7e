#include "chart/editors/ToolsGallery.h"

#include <algorithm>
#include <utility>

#include "chart/editors/EditorControls.h"
#include "chart/engine/ChartTools.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/ResourceRoutines.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Memo.h"
#include "platform/ui/Panel.h"
#include "platform/ui/TabControl.h"

TToolsGalleryTab ToolsGalleryTabOf(TClass toolClass) {
    if (toolClass->InheritsFrom(TTeeCustomToolSeries::StaticClass())) return tgtSeries;
    if (toolClass->InheritsFrom(TTeeCustomToolAxis::StaticClass())) return tgtAxis;
    return tgtOther;
}

std::string ToolKindName(TClass toolClass) {
    auto* info = dynamic_cast<const TToolClass*>(toolClass);
    return info ? info->KindName() : std::string();
}

void DrawToolItem(TCanvas& canvas, const TRect& rect, TClass toolClass, const std::string& text) {
    canvas.FillRect(rect);
    TBitmap picture;
    if (toolClass && LoadSeriesClassBitmap(*toolClass, picture))
        canvas.Draw(rect.Left + 2, rect.Top + 1, &picture);
    canvas.Brush()->SetStyle(bsClear);
    canvas.TextOut(rect.Left + 22, rect.Top + 2, text);
}

TTeeToolsGallery::TTeeToolsGallery(TComponent* owner) : TForm(owner) {
    SetCaption("Chart Tools Gallery");
    SetBorderIcons({biSystemMenu});
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 460, 330);
    BuildControls();
    ConnectHandlers();
    DoCreate();
}

TTeeToolsGallery::~TTeeToolsGallery() = default;

void TTeeToolsGallery::BuildControls() {
    P1 = MakeControl<TPanel>(this);
    P1->SetAlign(alBottom);
    P1->SetBevelOuter(bvNone);
    P1->SetHeight(36);
    LabelClass = MakeLabel(P1, 8, 10, "?");
    CBView3D = MakeCheckBox(P1, 8, 10, 80, "&View 3D");
    BOk = MakePushButton(P1, 60, 6, 75, "&Add");
    BOk->SetDefault(true);
    BOk->SetEnabled(false);
    BOk->SetModalResult(mrOk);
    BCan = MakePushButton(P1, 140, 6, 75, "Cancel");
    BCan->SetCancel(true);
    BCan->SetModalResult(mrCancel);

    PanelDemos = MakeControl<TPanel>(this);
    PanelDemos->SetAlign(alRight);
    PanelDemos->SetWidth(160);
    PanelDemos->SetColor(clWhite);

    TabControl1 = MakeControl<TTabControl>(this);
    TabControl1->SetAlign(alLeft);
    TabControl1->SetWidth(290);
    MemoDesc = MakeControl<TMemo>(TabControl1);
    MemoDesc->SetAlign(alBottom);
    MemoDesc->SetHeight(64);
    MemoDesc->SetReadOnly(true);
    MemoDesc->SetColor(clInfoBk);
    LBTool = MakeControl<TListBox>(TabControl1);
    LBTool->SetAlign(alClient);
    LBTool->SetStyle(lbOwnerDrawFixed);
    LBTool->SetItemHeight(20);
}

void TTeeToolsGallery::ConnectHandlers() {
    TabControl1->OnChange = [this](TObject*) { FillTools(); };
    LBTool->OnClick = [this](TObject*) { LBToolClick(); };
    LBTool->OnDblClick = [this](TObject*) {
        if (SelectedClass()) SetModalResult(mrOk);
    };
    LBTool->OnDrawItem = [this](TWinControl*, int index, const TRect& rect, TOwnerDrawState) {
        DrawToolItem(*LBTool->Canvas(), rect, FClasses.at(size_t(index)),
                     LBTool->Items()->Get(index));
    };
}

void TTeeToolsGallery::DoShow() {
    TStringList tabs;
    tabs.Add(TxtSeries);
    tabs.Add("Axis");
    tabs.Add(TxtExtOther);
    TabControl1->SetTabs(tabs);
    TabControl1->SetTabIndex(0);
    FillTools();
    LabelClass->SetVisible(false);  // the class name is for designers only
    LabelClass->SetCaption("");
    PanelDemos->SetVisible(false);
    CBView3D->SetVisible(false);
    TabControl1->SetAlign(alClient);
    SetWidth(300);
    ApplyFormHook(this);
    TForm::DoShow();
}

TClass TTeeToolsGallery::SelectedClass() const {
    const int index = LBTool->ItemIndex();
    return index >= 0 && index < int(FClasses.size()) ? FClasses[size_t(index)] : nullptr;
}

void TTeeToolsGallery::FillTools() {
    const TToolsGalleryTab tab = TToolsGalleryTab(std::max(TabControl1->TabIndex(), 0));
    std::vector<std::pair<std::string, TClass>> listed;
    const TTeeToolTypes& types = ToolTypeList();
    for (int i = 0; i < types.Count(); ++i)
        if (ToolsGalleryTabOf(types.GetItem(i)) == tab)
            listed.emplace_back(ToolKindName(types.GetItem(i)), types.GetItem(i));
    // Sorted by kind name, as a sorted list compares: without regard to case.
    std::stable_sort(listed.begin(), listed.end(), [](const auto& a, const auto& b) {
        return AnsiCompareText(a.first, b.first) < 0;
    });
    LBTool->Items()->BeginUpdate();
    LBTool->Clear();
    FClasses.clear();
    for (const auto& [name, toolClass] : listed) {
        LBTool->Items()->Add(name);
        FClasses.push_back(toolClass);
    }
    LBTool->Items()->EndUpdate();
    MemoDesc->Clear();
    BOk->SetEnabled(false);
}

void TTeeToolsGallery::LBToolClick() {
    const TClass toolClass = SelectedClass();
    BOk->SetEnabled(toolClass != nullptr);
    if (!toolClass) {
        LabelClass->SetCaption("");
        MemoDesc->Clear();
        return;
    }
    auto* info = dynamic_cast<const TToolClass*>(toolClass);
    MemoDesc->Lines()->SetText(info ? info->KindDescription() : std::string());
    ApplyFormHook(MemoDesc);
}
