#include "chart/tools/parts/SubChartEditor.h"

#include "chart/editors/ChartEditForm.h"
#include "chart/editors/ChartEditorPanel.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/tools/parts/InnerChart.h"
#include "chart/tools/parts/SubChartTool.h"
#include "platform/graphics/Bitmap.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/UpDown.h"

namespace {

// The button-face system colour an opaque inner chart takes.
constexpr TColor ButtonFace = TColor(0xFF00000F);

}  // namespace

TSubChartEditor::TSubChartEditor(TComponent* owner) : TEditorForm(owner) {
    BuildControls();
    LBCharts->OnClick = [this](TObject*) { SelectEntry(); };
    BAdd->OnClick = [this](TObject*) {
        TSubChartTool* tool = SubChart();
        if (!tool) return;
        std::string name = "Chart" + std::to_string(tool->Charts()->Count() + 1);
        if (!InputQuery("New Chart", "Chart Name:", name)) return;
        TSubChart* item = tool->Charts()->AddChart();
        item->Chart()->SetName(name);
        LBCharts->Items()->Add(item->DisplayName());
        LBCharts->SetItemIndex(LBCharts->Items()->Count() - 1);
        SelectEntry();
    };
    BDelete->OnClick = [this](TObject*) {
        TSubChartTool* tool = SubChart();
        const int index = LBCharts->ItemIndex();
        if (!tool || index < 0) return;
        if (!ConfirmDelete(LBCharts->Items()->Strings(index), this)) return;
        tool->Charts()->Delete(index);
        tool->Repaint();
        LBCharts->Items()->Delete(index);
        LBCharts->SetItemIndex(std::min(index, LBCharts->Items()->Count() - 1));
        SelectEntry();
    };
    BRename->OnClick = [this](TObject*) {
        TInnerChart* chart = SelectedChart();
        if (!chart) return;
        const int index = LBCharts->ItemIndex();
        std::string name = LBCharts->Items()->Strings(index);
        if (!InputQuery("Rename Chart", "New name:", name)) return;
        chart->SetName(name);
        LBCharts->Items()->SetStrings(index, name);
    };
    BUp->OnClick = [this](TObject*) { MoveEntry(-1); };
    BDown->OnClick = [this](TObject*) { MoveEntry(1); };
    // The position edits act only while the form shows.
    const auto bounds = [this](TUpDown* upDown, void (TSubChart::*set)(int)) {
        upDown->OnChange = [this, upDown, set](TObject*) {
            TSubChartTool* tool = SubChart();
            const int index = LBCharts->ItemIndex();
            if (Loading() || !Showing() || !tool || index < 0) return;
            (tool->Charts()->Item(index)->*set)(upDown->Position());
        };
    };
    bounds(UDLeft, &TSubChart::SetLeft);
    bounds(UDTop, &TSubChart::SetTop);
    bounds(UDWidth, &TSubChart::SetWidth);
    bounds(UDHeight, &TSubChart::SetHeight);
    CBTransp->OnClick = [this](TObject*) {
        TInnerChart* chart = SelectedChart();
        if (!chart || Loading()) return;
        if (CBTransp->Checked()) {
            chart->SetColor(clNone);
            if (TTeeGradient* gradient = chart->GradientIfAny()) gradient->SetVisible(false);
        } else {
            chart->SetColor(ButtonFace);
        }
        chart->Invalidate();
    };
    PageControl1->OnChange = [this](TObject*) {
        if (PageControl1->ActivePage() == TabChart && FChartEditor) FChartEditor->Show();
    };
}

TSubChartEditor::~TSubChartEditor() = default;

TSubChartTool* TSubChartEditor::SubChart() const {
    return dynamic_cast<TSubChartTool*>(TagObject());
}

TInnerChart* TSubChartEditor::SelectedChart() const {
    TSubChartTool* tool = SubChart();
    const int index = LBCharts->ItemIndex();
    if (!tool || index < 0 || index >= tool->Charts()->Count()) return nullptr;
    return tool->Charts()->Item(index)->Chart();
}

void TSubChartEditor::BuildControls() {
    SetBounds(0, 0, 520, 360);
    LBCharts = MakeControl<TListBox>(this, 8, 8, 130, 200);
    BAdd = MakePushButton(this, 8, 214, 80, "&Add...");
    BDelete = MakePushButton(this, 8, 244, 80, "&Delete");
    BRename = MakePushButton(this, 8, 274, 80, "&Rename...");
    BUp = MakeControl<TSpeedButton>(this, 96, 214, 25, 25);
    BDown = MakeControl<TSpeedButton>(this, 96, 244, 25, 25);
    TBitmap up, down;
    LoadArrowBitmaps(up, down);
    BUp->SetGlyph(&up);
    BDown->SetGlyph(&down);

    PageControl1 = MakeControl<TPageControl>(this, 146, 8, 366, 344);
    TabPosition = MakeTabSheet(this, PageControl1, "Position");
    TabChart = MakeTabSheet(this, PageControl1, "Chart");
    const auto field = [this](int top, const char* caption, int min, TEdit*& edit, TUpDown*& ud) {
        MakeLabel(TabPosition, 8, top + 4, caption);
        TUpDownEdit e = MakeUpDownEdit(TabPosition, 70, top, 60, min, 32767);
        edit = e.Edit;
        ud = e.UpDown;
    };
    field(8, "&Left:", -32767, Edit1, UDLeft);
    field(36, "&Top:", -32767, Edit2, UDTop);
    field(64, "&Width:", 0, Edit3, UDWidth);
    field(92, "&Height:", 0, Edit4, UDHeight);
    CBTransp = MakeCheckBox(TabPosition, 8, 124, 120, "Tr&ansparent");
}

void TSubChartEditor::SelectEntry() {
    TSubChartTool* tool = SubChart();
    const int count = LBCharts->Items()->Count();
    const int index = LBCharts->ItemIndex();
    TabPosition->SetTabVisible(count > 0);
    TabChart->SetTabVisible(count > 0);
    for (TControl* c : std::initializer_list<TControl*>{Edit1, Edit2, Edit3, Edit4, UDLeft, UDTop,
                                                        UDWidth, UDHeight, CBTransp})
        c->SetEnabled(count > 0);
    BUp->SetEnabled(index > 0);
    BDown->SetEnabled(index >= 0 && index < count - 1);
    BDelete->SetEnabled(index >= 0);
    BRename->SetEnabled(index >= 0);
    if (FChartEditor) {
        TObject::Free(FChartEditor);
        FChartEditor = nullptr;
    }
    TInnerChart* chart = SelectedChart();
    if (!tool || !chart) return;
    FChartEditor = new TChartEditorPanel(this);
    FChartEditor->Editor()->TreeVisible = false;
    FChartEditor->SetParent(TabChart);
    FChartEditor->SetAlign(alClient);
    FChartEditor->SetChart(chart);
    auto loading = LoadGuard();
    UDLeft->SetPosition(chart->Left());
    UDTop->SetPosition(chart->Top());
    UDWidth->SetPosition(chart->Width());
    UDHeight->SetPosition(chart->Height());
    CBTransp->SetChecked(chart->Color() == clNone);
}

void TSubChartEditor::MoveEntry(int delta) {
    TSubChartTool* tool = SubChart();
    const int index = LBCharts->ItemIndex();
    const int other = index + delta;
    if (!tool || index < 0 || other < 0 || other >= LBCharts->Items()->Count()) return;
    const std::string name = LBCharts->Items()->Strings(index);
    LBCharts->Items()->SetStrings(index, LBCharts->Items()->Strings(other));
    LBCharts->Items()->SetStrings(other, name);
    tool->Charts()->Item(index)->SetIndex(other);
    tool->Repaint();
    LBCharts->SetItemIndex(other);
    SelectEntry();
}

void TSubChartEditor::DoShow() {
    TEditorForm::DoShow();
    TSubChartTool* tool = SubChart();
    if (!tool) return;
    {
        auto loading = LoadGuard();
        LBCharts->Items()->Clear();
        for (int i = 0; i < tool->Charts()->Count(); ++i)
            LBCharts->Items()->Add(tool->Charts()->Item(i)->DisplayName());
        if (LBCharts->Items()->Count() > 0) LBCharts->SetItemIndex(0);
    }
    SelectEntry();
}
