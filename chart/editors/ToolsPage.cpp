#include "chart/editors/ToolsPage.h"

#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/OwnedForm.h"
#include "chart/editors/ToolsGallery.h"
#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartLists.h"
#include "chart/engine/ChartTools.h"
#include "chart/engine/SeriesCreation.h"
#include "chart/foundation/ComponentNames.h"
#include "chart/foundation/EditorHooks.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/Splitter.h"

TFormTeeTools::TFormTeeTools(TComponent* owner) : TEditorForm(owner) {
    SetBorderStyle(bsNone);
    SetBounds(0, 0, 420, 260);
    BuildControls();
    ConnectHandlers();
    DoCreate();
}

void TFormTeeTools::BuildControls() {
    PTop = MakeControl<TPanel>(this);
    PTop->SetAlign(alTop);
    PTop->SetBevelOuter(bvNone);
    PTop->SetHeight(33);
    BAdd = MakePushButton(PTop, 6, 4, 75, "&Add...");
    BAdd->SetHint("Add");
    BDelete = MakePushButton(PTop, 86, 4, 75, "&Delete");
    BDelete->SetHint("Remove");
    BDelete->SetEnabled(false);
    BClone = MakeControl<TSpeedButton>(PTop, 166, 4, 25, 25);
    BClone->SetCaption("C");
    BClone->SetHint("Clone");
    BClone->SetEnabled(false);
    CBActive = MakeCheckBox(PTop, 200, 3, 70, "A&ctive");
    CBShowInEditor = MakeCheckBox(PTop, 200, 17, 140, "Show in this editor");
    CBShowInEditor->SetVisible(false);
    BMoveUp = MakeControl<TSpeedButton>(PTop, 360, 4, 25, 25);
    BMoveDown = MakeControl<TSpeedButton>(PTop, 388, 4, 25, 25);
    for (TControl* c : {static_cast<TControl*>(BMoveUp), static_cast<TControl*>(BMoveDown)})
        c->SetAnchors({akTop, akRight});
    TBitmap up, down;
    LoadArrowBitmaps(up, down);
    BMoveUp->SetGlyph(&up);
    BMoveDown->SetGlyph(&down);

    PBottom = MakeControl<TPanel>(this);
    PBottom->SetAlign(alBottom);
    PBottom->SetHeight(22);
    PBottom->SetVisible(false);

    LBTools = MakeControl<TListBox>(this);
    LBTools->SetAlign(alLeft);
    LBTools->SetWidth(140);
    LBTools->SetStyle(lbOwnerDrawFixed);
    LBTools->SetItemHeight(20);
    Splitter1 = MakeControl<TSplitter>(this);
    Splitter1->SetAlign(alLeft);
    PanelToolEditor = MakeControl<TPanel>(this);
    PanelToolEditor->SetAlign(alClient);
    PanelToolEditor->SetBevelOuter(bvNone);
}

void TFormTeeTools::ConnectHandlers() {
    LBTools->OnClick = [this](TObject*) { LBToolsClick(); };
    LBTools->OnDrawItem = [this](TWinControl*, int index, const TRect& rect, TOwnerDrawState) {
        auto* tool = static_cast<TTeeCustomTool*>(LBTools->Items()->Objects(index));
        DrawToolItem(*LBTools->Canvas(), rect, tool ? &tool->ClassType() : nullptr,
                     LBTools->Items()->Get(index));
    };
    BAdd->OnClick = [this](TObject*) { BAddClick(); };
    BDelete->OnClick = [this](TObject*) { BDeleteClick(); };
    BClone->OnClick = [this](TObject*) { BCloneClick(); };
    BMoveUp->OnClick = [this](TObject*) { BMoveClick(true); };
    BMoveDown->OnClick = [this](TObject*) { BMoveClick(false); };
    CBActive->OnClick = [this](TObject*) {
        if (TTeeCustomTool* tool = SelectedTool(); tool && !Loading())
            tool->SetActive(CBActive->Checked());
    };
    CBShowInEditor->OnClick = [this](TObject*) {
        if (TTeeCustomTool* tool = SelectedTool(); tool && !Loading())
            tool->SetShowInEditor(CBShowInEditor->Checked());
    };
}

TFormTeeTools::~TFormTeeTools() = default;

TTeeCustomTool* TFormTeeTools::SelectedTool() const {
    const int index = LBTools->ItemIndex();
    return index < 0 ? nullptr : static_cast<TTeeCustomTool*>(LBTools->Items()->Objects(index));
}

void TFormTeeTools::DoShow() {
    if (!FTools)
        if (auto* chart = dynamic_cast<TCustomAxisPanel*>(TagObject())) FTools = &chart->Tools();
    CBActive->SetTop(BAdd->Top() + (BAdd->Height() - CBActive->Height()) / 2);
    // Filled on the first show; the host asks for Reload when its tab comes back.
    if (FTools && !FShownOnce) {
        FShownOnce = true;
        PBottom->SetVisible(false);  // the tool's name and class are for designers only
        FillTools();
        if (LBTools->Count() > 0)
            SelectAndLoad(0);
        else
            UpdateButtons();
    }
    ApplyFormHook(this);
    TForm::DoShow();
}

void TFormTeeTools::FillTools() {
    auto loading = LoadGuard();
    PBottom->SetCaption("");
    LBTools->Items()->BeginUpdate();
    LBTools->Clear();
    if (FTools)
        for (TTeeCustomTool* tool : *FTools)
            if (tool->ShowInEditor())
                LBTools->Items()->AddObject(ToolKindName(&tool->ClassType()), tool);
    LBTools->Items()->EndUpdate();
    const bool any = LBTools->Count() > 0;
    CBActive->SetEnabled(any);
    if (CBShowInEditor->Visible()) CBShowInEditor->SetEnabled(any);
    BDelete->SetEnabled(any);
    BClone->SetEnabled(any);
}

void TFormTeeTools::UpdateButtons() {
    const int index = LBTools->ItemIndex();
    BMoveUp->SetEnabled(index > 0);
    BMoveDown->SetEnabled(index >= 0 && index < LBTools->Count() - 1);
    BDelete->SetEnabled(index >= 0);
    BClone->SetEnabled(BDelete->Enabled());
}

void TFormTeeTools::FreeToolEditor() {
    TForm* editor = FToolEditor;
    FToolEditor = nullptr;
    TObject::Free(editor);
}

void TFormTeeTools::SelectAndLoad(int index) {
    LBTools->SetItemIndex(index);
    LBToolsClick();
}

void TFormTeeTools::LBToolsClick() {
    TTeeCustomTool* tool = SelectedTool();
    if (!tool) return;
    if (FToolEditor && !FToolEditor->CloseQuery()) {
        // The editor keeps its tool: the list goes back to it.
        auto* edited = static_cast<TTeeCustomTool*>(FToolEditor->TagObject());
        const int back = IndexOfItemObject(*LBTools->Items(), edited);
        if (back >= 0) LBTools->SetItemIndex(back);
        tool = edited;
    }
    {
        auto loading = LoadGuard();
        CBActive->SetChecked(tool->Active());
    }
    FreeToolEditor();
    const TClass editorClass = GetClass(TCustomChartElement::EditorClassNameOf(&tool->ClassType()));
    if (editorClass && editorClass->InheritsFrom(TForm::StaticClass())) {
        FToolEditor = CreateAs<TForm>(editorClass, this);
        ApplyFormHook(FToolEditor);
        FToolEditor->SetAlign(alClient);
        EmbedTaggedEditorForm(*FToolEditor, *PanelToolEditor, tool);
    }
    UpdateButtons();
    if (PBottom->Visible()) PBottom->SetCaption(tool->Name() + " (" + tool->ClassName() + ")");
}

void TFormTeeTools::SelectTool(TTeeCustomTool* tool) {
    const int index = IndexOfItemObject(*LBTools->Items(), tool);
    if (index >= 0) SelectAndLoad(index);
}

void TFormTeeTools::Reload() {
    if (!FTools || !FTools->Chart()) return;
    FShownOnce = true;  // filled here, the list is not filled again when the page shows
    if (LBTools->Count() != FTools->Count()) {
        TTeeCustomTool* kept = SelectedTool();
        FillTools();
        const int index = IndexOfItemObject(*LBTools->Items(), kept);
        LBTools->SetItemIndex(index >= 0 ? index : LBTools->Count() > 0 ? 0 : -1);
        if (LBTools->ItemIndex() < 0) {
            FreeToolEditor();
            UpdateButtons();
        }
    }
    if (LBTools->ItemIndex() >= 0) LBToolsClick();
}

TTeeCustomTool* TFormTeeTools::CreateToolFromGallery() {
    TOwnedForm<TTeeToolsGallery> gallery(new TTeeToolsGallery(Owner()));
    CenterEditorForm(*gallery);
    if (gallery->ShowModal() != mrOk || !gallery->SelectedClass()) return nullptr;
    TCustomAxisPanel* chart = FTools ? FTools->Chart() : nullptr;
    // The new tool is owned as the chart's tools are: by the chart when it owns one of them,
    // else by the chart's owner.
    TComponent* owner = chart ? chart->Owner() : nullptr;
    if (FTools)
        for (TTeeCustomTool* tool : *FTools)
            if (tool->Owner() == chart) owner = chart;
    auto* tool = CreateAs<TTeeCustomTool>(gallery->SelectedClass(), owner);
    tool->SetParentChart(chart);
    tool->SetName(UniqueComponentName(owner, "ChartTool"));
    return tool;
}

TTeeCustomTool* TFormTeeTools::CloneTool(TTeeCustomTool* tool) {
    TTeeCustomTool* copy = CloneChartTool(tool, tool->Owner());
    copy->SetParentChart(tool->ParentChart());
    return copy;
}

void TFormTeeTools::BAddClick() {
    TTeeCustomTool* tool = CreateToolFromGallery();
    if (!tool) return;
    if (OnToolAdded) OnToolAdded(tool);
    FillTools();
    if (LBTools->CanFocus()) LBTools->SetFocus();
    SelectTool(tool);
}

void TFormTeeTools::BDeleteClick() {
    TTeeCustomTool* tool = SelectedTool();
    if (!tool) return;
    if (!ConfirmDelete(LBTools->Items()->Get(LBTools->ItemIndex()), LBTools)) return;
    const int deleted = LBTools->ItemIndex();
    if (OnToolDeleted) OnToolDeleted(tool);
    FreeToolEditor();  // it edits the tool: it goes first
    TObject::Free(tool);
    FillTools();
    // The item before the deleted one, except near the top, where the last one is taken.
    const int count = LBTools->Count();
    LBTools->SetItemIndex(deleted >= 2 ? deleted - 1 : count - 1);
    BDelete->SetEnabled(LBTools->ItemIndex() >= 0);
    BClone->SetEnabled(BDelete->Enabled());
    if (LBTools->ItemIndex() >= 0) LBToolsClick();
}

void TFormTeeTools::BCloneClick() {
    TTeeCustomTool* tool = SelectedTool();
    if (!tool) return;
    TTeeCustomTool* copy = CloneTool(tool);
    if (OnToolAdded) OnToolAdded(copy);
    LBTools->Items()->AddObject(ToolKindName(&copy->ClassType()), copy);
    SelectAndLoad(LBTools->Count() - 1);
}

void TFormTeeTools::BMoveClick(bool up) {
    const int index = LBTools->ItemIndex();
    const int other = up ? index - 1 : index + 1;
    if (index < 0 || other < 0 || other >= LBTools->Count() || !FTools) return;
    TStrings& items = *LBTools->Items();
    auto* a = static_cast<TTeeCustomTool*>(items.Objects(index));
    auto* b = static_cast<TTeeCustomTool*>(items.Objects(other));
    items.BeginUpdate();
    items.Put(index, ToolKindName(&b->ClassType()));
    items.SetObjects(index, b);
    items.Put(other, ToolKindName(&a->ClassType()));
    items.SetObjects(other, a);
    items.EndUpdate();
    LBTools->SetItemIndex(other);
    FTools->Exchange(FTools->IndexOf(a), FTools->IndexOf(b));
    // The stored order follows the list's.
    if (a->Owner() && a->Owner() == b->Owner()) {
        const int indexA = a->ComponentIndex();
        const int indexB = b->ComponentIndex();
        a->SetComponentIndex(indexB);
        b->SetComponentIndex(indexA);
    }
    if (FTools->Chart()) FTools->Chart()->Invalidate();
    UpdateButtons();
}
