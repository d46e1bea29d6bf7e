#include "chart/tools/data/DataTableEditor.h"

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/FontEditor.h"
#include "chart/editors/LegendPage.h"
#include "chart/editors/PenDialog.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/tools/data/DataTableTool.h"
#include "chart/tools/data/TableLegend.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/UpDown.h"

TDataTableEditor::TDataTableEditor(TComponent* owner) : TEditorForm(owner) {
    BuildControls();
    BindProperties();
    CBAutoPos->OnClick = [this](TObject*) { AutoPositionClicked(); };
    DoCreate();
}

TDataTableEditor::~TDataTableEditor() = default;

void TDataTableEditor::BuildControls() {
    SetCaption("DataTable editor");
    SetBounds(0, 0, 330, 210);
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    TabFormat = MakeTabSheet(this, PageControl1, "Format");
    TabLegend = MakeTabSheet(this, PageControl1, "Legend");
    TabText = MakeTabSheet(this, PageControl1, "Text");

    ButtonPen1 = MakeControl<TButtonPen>(TabFormat, 8, 8, 90, 25);
    ButtonPen1->SetCaption("&Rows...");
    ButtonPen2 = MakeControl<TButtonPen>(TabFormat, 8, 38, 90, 25);
    ButtonPen2->SetCaption("&Columns...");
    CBInverted = MakeCheckBox(TabFormat, 8, 72, 100, "&Inverted");
    GroupPosition = MakeControl<TGroupBox>(TabFormat, 120, 6, 180, 110);
    GroupPosition->SetCaption("Position:");
    CBAutoPos = MakeCheckBox(GroupPosition, 8, 20, 120, "&Automatic");
    MakeLabel(GroupPosition, 8, 50, "&Left:");
    const TUpDownEdit left = MakeUpDownEdit(GroupPosition, 60, 46, 55, -1000, 1000);
    Edit1 = left.Edit;
    UDLeft = left.UpDown;
    MakeLabel(GroupPosition, 8, 80, "&Top:");
    const TUpDownEdit top = MakeUpDownEdit(GroupPosition, 60, 76, 55, -1000, 1000);
    Edit2 = top.Edit;
    UDTop = top.UpDown;

    PageControl2 = MakeControl<TPageControl>(TabLegend);
    PageControl2->SetAlign(alClient);
    TabLegendFormat = MakeTabSheet(this, PageControl2, "Format");
    TabSymbol = MakeTabSheet(this, PageControl2, "Symbol");
    TabLegendText = MakeTabSheet(this, PageControl2, "Text");
    CBLegVisible = MakeCheckBox(TabLegendFormat, 8, 8, 150, "&Visible");
    CBFontColor = MakeCheckBox(TabLegendFormat, 8, 32, 150, "Font Series &Color");
    CBOtherSide = MakeCheckBox(TabLegendFormat, 8, 56, 150, "&Other Side");
    SymbolEditor = new TSymbolEditor(this);
    SymbolEditor->SetParent(TabSymbol);
    SymbolEditor->SetAlign(alClient);
    FLegendFont.reset(EmbedFontEditor(TabLegendText));
    FFont.reset(EmbedFontEditor(TabText));

    PageControl1->SetActivePage(TabFormat);
    PageControl2->SetActivePage(TabLegendFormat);
}

void TDataTableEditor::BindProperties() {
    using T = TDataTableTool;
    using L = TTableLegend;
    const auto tool = [this] { return FTool; };
    const auto legend = [this] { return FTool ? FTool->Legend() : nullptr; };
    BindCheckBox(*this, CBInverted, tool, &T::Inverted, &T::SetInverted);
    // The place is the tool's own only while it does not sit at the axis.
    const TNumberEditRule whileShowing{TTypedNumber::Any, true};
    BindUpDownEdit(
        *this, TUpDownEdit{Edit1, UDLeft}, tool, &T::Left,
        [](T& t, int value) {
            if (!t.AutoPosition()) t.SetLeft(value);
        },
        whileShowing);
    BindUpDownEdit(
        *this, TUpDownEdit{Edit2, UDTop}, tool, &T::Top,
        [](T& t, int value) {
            if (!t.AutoPosition()) t.SetTop(value);
        },
        whileShowing);
    BindCheckBox(*this, CBLegVisible, legend, &L::Visible, &L::SetVisible);
    BindCheckBox(*this, CBFontColor, legend, &L::FontSeriesColor, &L::SetFontSeriesColor);
    BindCheckBox(*this, CBOtherSide, legend, &L::OtherSide, &L::SetOtherSide);
}

void TDataTableEditor::EnablePosition() {
    const bool own = !CBAutoPos->Checked();
    Edit1->SetEnabled(own);
    UDLeft->SetEnabled(own);
    Edit2->SetEnabled(own);
    UDTop->SetEnabled(own);
}

void TDataTableEditor::AutoPositionClicked() {
    EnablePosition();
    if (Loading() || !FTool) return;
    FTool->SetAutoPosition(CBAutoPos->Checked());
    // Leaving the axis, the table starts from where it was last drawn.
    if (!CBAutoPos->Checked()) LoadBindings();
}

void TDataTableEditor::DoShow() {
    if (auto* tool = dynamic_cast<TDataTableTool*>(TagObject())) FTool = tool;
    if (FTool) {
        {
            auto loading = LoadGuard();
            CBAutoPos->SetChecked(FTool->AutoPosition());
            EnablePosition();
        }
        LoadBindings();
        ButtonPen1->LinkPen(FTool->RowPen());
        ButtonPen2->LinkPen(FTool->ColumnPen());
        SymbolEditor->Show();
        SymbolEditor->LoadSymbol(FTool->Legend()->Symbol());
        FLegendFont->LoadFont(FTool->Legend()->Font());
        FFont->LoadFont(FTool->Font());
    }
    ApplyFormHook(this);
    TEditorForm::DoShow();
}
