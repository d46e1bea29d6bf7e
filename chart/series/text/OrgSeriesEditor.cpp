#include "chart/series/text/OrgSeriesEditor.h"

#include <algorithm>
#include <string>

#include "chart/editors/AlignmentItems.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/MarginsEditor.h"
#include "chart/editors/MemoText.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/ShapeEditor.h"
#include "chart/editors/StringsEditor.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/series/text/OrgSeries.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Memo.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/ScrollBar.h"

namespace {

constexpr int SizeLimit = 32000;
constexpr int SpacingLimit = 100;

}  // namespace

TOrgSeriesEditor::TOrgSeriesEditor(TComponent* owner) : TEditorForm(owner) {
    SetBounds(0, 0, 440, 260);
    SetAlign(alClient);
    PageControl1 = MakeControl<TPageControl>(this, 0, 0, 440, 260);
    PageControl1->SetAlign(alClient);
    BuildOptions();
    BuildNodes();
    PageControl1->SetActivePage(TabOptions);
    PageControl1->OnChange = [this](TObject*) {
        if (PageControl1->ActivePage() == TabNodes && FSeries &&
            LBNodes->Count() != FSeries->Items()->Count())
            FillNodeList();
    };
    DoCreate();
}

TOrgSeriesEditor::~TOrgSeriesEditor() = default;

void TOrgSeriesEditor::BuildOptions() {
    const auto series = [this] { return FSeries; };
    TabOptions = MakeTabSheet(this, PageControl1, "Options");
    MakeLabel(TabOptions, 8, 12, "&Line style:");
    CBLineStyle = MakeComboBox(TabOptions, 90, 8, 100, {"Squared", "Diagonal"});
    BindComboBox(*this, CBLineStyle, series, &TOrgSeries::LineStyle, &TOrgSeries::SetLineStyle);
    auto* group = MakeControl<TGroupBox>(TabOptions, 8, 40, 220, 72);
    group->SetCaption("Spacing:");
    MakeLabel(group, 8, 22, "&Horiz:");
    SBHoriz = MakeControl<TScrollBar>(group, 60, 20, 150, 17);
    MakeLabel(group, 8, 46, "&Vert:");
    SBVert = MakeControl<TScrollBar>(group, 60, 44, 150, 17);
    for (TScrollBar* bar : {SBHoriz, SBVert}) bar->SetParams(0, 0, SpacingLimit);
    SBHoriz->OnChange = [this](TObject*) {
        if (!Loading() && FSeries) FSeries->Spacing()->SetHorizontal(SBHoriz->Position());
    };
    SBVert->OnChange = [this](TObject*) {
        if (!Loading() && FSeries) FSeries->Spacing()->SetVertical(SBVert->Position());
    };
    AddBinding([this] {
        if (!FSeries) return;
        SBHoriz->SetPosition(FSeries->Spacing()->Horizontal());
        SBVert->SetPosition(FSeries->Spacing()->Vertical());
    });
    BLines = MakeControl<TButtonPen>(TabOptions, 8, 122, 90, 25);
    BLines->SetCaption("&Lines...");
}

void TOrgSeriesEditor::BuildNodes() {
    TabNodes = MakeTabSheet(this, PageControl1, "Nodes");
    LBNodes = MakeControl<TListBox>(TabNodes, 4, 4, 140, 190);
    LBNodes->OnClick = [this](TObject*) { LoadNode(); };
    BAdd = MakePushButton(TabNodes, 4, 200, 30, "+");
    BAdd->OnClick = [this](TObject*) { AddNode(); };
    BDelete = MakePushButton(TabNodes, 40, 200, 30, "-");
    BDelete->OnClick = [this](TObject*) { DeleteNode(); };
    PageNode = MakeControl<TPageControl>(TabNodes, 150, 4, 280, 220);
    BuildNodeText();
    BuildNodeSize();
    TabMargins = MakeTabSheet(this, PageNode, "Margins");
    MarginsEditor = new TMarginsEditor(this);
    EmbedTaggedEditorForm(*MarginsEditor, *TabMargins, nullptr);
    PageNode->SetActivePage(TabText);
    PageNode->Hide();
}

void TOrgSeriesEditor::BuildNodeText() {
    const auto format = [this] { return SelectedFormat(); };
    TabText = MakeTabSheet(this, PageNode, "Text");
    MakeLabel(TabText, 8, 8, "&Text:")
        ->SetFocusControl(MemoText = MakeControl<TMemo>(TabText, 8, 26, 170, 70));
    MemoText->OnChange = [this](TObject*) {
        const int node = SelectedNode();
        if (Loading() || !FSeries || node < 0) return;
        const std::string text = TextOfMemo(MemoText->Text());
        FSeries->Items()->Item(node)->Format()->SetText(text);
        FSeries->SetPointLabel(node, text);
        // The list shows the text's first line.
        const int line = LBNodes->ItemIndex();
        FillNodeList();
        LBNodes->SetItemIndex(line);
    };
    BEdit = MakePushButton(TabText, 186, 26, 75, "&Edit...");
    BEdit->OnClick = [this](TObject*) {
        TStringList lines;
        lines.Assign(*MemoText->Lines());
        if (ShowStringsEditor(this, lines, false)) MemoText->Lines()->Assign(lines);
    };
    MakeLabel(TabText, 8, 106, "Text &alignment:");
    CBTextAlign = MakeComboBox(TabText, 110, 102, 100, {"Left", "Center", "Right"});
    BindComboBox(
        *this, CBTextAlign, format,
        [](const TOrgShape& f) { return ItemOfAlignment(f.TextAlignment()); },
        [](TOrgShape& f, int item) {
            if (item >= 0 && item < 3) f.SetTextAlignment(AlignmentOfItem[item]);
        });
    MakeLabel(TabText, 8, 136, "&Cursor:");
    CBCursor = MakeComboBox(TabText, 110, 132, 120, {});
    CBCursor->OnChange = [this](TObject*) {
        if (TOrgShape* f = SelectedFormat(); f && !Loading())
            f->SetCursor(TCursor(NameToCursor(f->Cursor(), CBCursor->Text())));
    };
    CBVisible = MakeCheckBox(TabText, 8, 162, 120, "&Visible");
    BindCheckBox(*this, CBVisible, format, &TOrgShape::Visible, &TOrgShape::SetVisible);
}

void TOrgSeriesEditor::BuildNodeSize() {
    const auto format = [this] { return SelectedFormat(); };
    TabSize = MakeTabSheet(this, PageNode, "Size");
    CBAutoSize = MakeCheckBox(TabSize, 8, 10, 120, "&Automatic");
    MakeLabel(TabSize, 8, 40, "&Width:");
    WidthEdit = MakeUpDownEdit(TabSize, 70, 36, 60, 0, SizeLimit);
    MakeLabel(TabSize, 8, 68, "&Height:");
    HeightEdit = MakeUpDownEdit(TabSize, 70, 64, 60, 0, SizeLimit);
    CBClipText = MakeCheckBox(TabSize, 8, 96, 120, "C&lip Text");
    BindCheckBox(*this, CBAutoSize, format, &TOrgShape::AutoSize, &TOrgShape::SetAutoSize);
    BindUpDownEdit(*this, WidthEdit, format, &TOrgShape::Width,
                   [this](TOrgShape&, int value) { SizeChanged(value, true); });
    BindUpDownEdit(*this, HeightEdit, format, &TOrgShape::Height,
                   [this](TOrgShape&, int value) { SizeChanged(value, false); });
    BindCheckBox(*this, CBClipText, format, &TOrgShape::ClipText, &TOrgShape::SetClipText);
}

void TOrgSeriesEditor::SizeChanged(int value, bool width) {
    TOrgShape* f = SelectedFormat();
    if (!f || value == (width ? f->Width() : f->Height())) return;
    if (width)
        f->SetWidth(value);
    else
        f->SetHeight(value);
    f->SetAutoSize(false);
    auto loading = LoadGuard();
    CBAutoSize->SetChecked(false);
    FSeries->Repaint();
}

int TOrgSeriesEditor::SelectedNode() const {
    const int line = LBNodes->ItemIndex();
    return line >= 0 && size_t(line) < FNodeIndexes.size() ? FNodeIndexes[size_t(line)] : -1;
}

TOrgShape* TOrgSeriesEditor::SelectedFormat() const {
    const int node = SelectedNode();
    if (!FSeries || node < 0 || node >= FSeries->Items()->Count()) return nullptr;
    return FSeries->Items()->Item(node)->Format();
}

void TOrgSeriesEditor::ListNode(int index, int level, std::vector<bool>& listed) {
    listed[size_t(index)] = true;
    std::string text = FSeries->Labels().Label(index);
    text = std::string(size_t(level), ' ') + text.substr(0, text.find(LineSeparator));
    LBNodes->Items()->Add(text);
    FNodeIndexes.push_back(index);
    std::vector<int> children;
    FSeries->Children(index, false, children);
    for (int child : children)
        if (!listed[size_t(child)]) ListNode(child, level + 1, listed);
}

void TOrgSeriesEditor::FillNodeList() {
    LBNodes->Clear();
    FNodeIndexes.clear();
    if (!FSeries) return;
    const int n = std::min(FSeries->Count(), FSeries->Items()->Count());
    std::vector<bool> listed(size_t(n), false);
    std::vector<int> top;
    FSeries->Children(-1, false, top);
    for (int index : top) ListNode(index, 0, listed);
    for (int index = 0; index < n; ++index)
        if (!listed[size_t(index)]) ListNode(index, 0, listed);
    BDelete->SetEnabled(n > 0);
}

void TOrgSeriesEditor::SelectNode(int index) {
    int line = -1;
    for (size_t i = 0; i < FNodeIndexes.size(); ++i)
        if (FNodeIndexes[i] == index) line = int(i);
    LBNodes->SetItemIndex(line);
    LoadNode();
}

void TOrgSeriesEditor::LoadNode() {
    TOrgShape* f = SelectedFormat();
    PageNode->SetVisible(f != nullptr);
    if (!f) return;
    if (!FShapeEditor) {
        // The shape's pages join after the box's own; the page shown stays.
        TTabSheet* active = PageNode->ActivePage();
        FShapeEditor.reset(EmbedShapeEditorPages(PageNode, f));
        PageNode->SetActivePage(active);
    }
    auto loading = LoadGuard();
    MemoText->SetText(f->Text());
    FillCursorCombo(*CBCursor, f->Cursor());
    LoadBindings();
    MarginsEditor->LoadMargins(f->Margins());
    FShapeEditor->LoadShape(f);
}

void TOrgSeriesEditor::AddNode() {
    if (!FSeries) return;
    const int parent = FSeries->Count() == 0 ? -1 : SelectedNode();
    const int index = FSeries->Add("#" + std::to_string(FSeries->Count()), parent);
    FillNodeList();
    SelectNode(index);
}

void TOrgSeriesEditor::DeleteNode() {
    const int node = SelectedNode();
    if (!FSeries || node < 0) return;
    FSeries->Delete(node);
    FillNodeList();
    SelectNode(std::min(std::max(node - 1, 0), FSeries->Count() - 1));
}

void TOrgSeriesEditor::DoShow() {
    if (auto* series = dynamic_cast<TOrgSeries*>(TagObject())) FSeries = series;
    if (FSeries) {
        auto loading = LoadGuard();
        BLines->LinkPen(FSeries->Pen());
        LoadBindings();
        FillNodeList();
        LoadNode();
    }
    ApplyFormHook(this);
    TEditorForm::DoShow();
}
