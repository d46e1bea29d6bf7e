#include "chart/editors/LegendPage.h"

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/GradientEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/ShadowEditor.h"
#include "chart/editors/ShapeEditor.h"
#include "chart/editors/StringsEditor.h"
#include "chart/engine/ChartLegend.h"
#include "chart/foundation/ChartPen.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/ValueGuard.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/Memo.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/UpDown.h"

TSymbolEditor::TSymbolEditor(TComponent* owner) : TChartPageForm(owner) {
    SetCaption("Legend Symbol Editor");
    SetBounds(0, 0, 300, 170);
    BuildControls();
    BindProperties();
    Button1->OnClick = [this](TObject*) {
        if (FSymbol) ShowShadowEditor(ParentForm(), FSymbol->Shadow());
    };
    DoCreate();
}

void TSymbolEditor::BuildControls() {
    CBContinuous = MakeCheckBox(this, 8, 8, 140, "&Continuous");
    CBVisible = MakeCheckBox(this, 8, 32, 140, "&Visible");
    CBSquared = MakeCheckBox(this, 8, 56, 140, "&Squared");
    MakeLabel(this, 160, 8, "&Position:");
    CBSymbolPos = MakeComboBox(this, 160, 26, 100, {"Left", "Right"});
    MakeLabel(this, 160, 58, "&Width:");
    TUpDownEdit width = MakeUpDownEdit(this, 210, 54, 45, 0, 100, 5);
    SEColWi = width.Edit;
    UDColWi = width.UpDown;
    MakeLabel(this, 160, 86, "Width &Units:");
    CBColWUnits = MakeComboBox(this, 160, 104, 100, {"Percent", "Pixels"});
    CBSymPen = MakeCheckBox(this, 8, 80, 140, "&Default border");
    BSymPen = MakeControl<TButtonPen>(this, 8, 104, 100, 25);
    BSymPen->SetCaption("&Border...");
    BSymGradient = MakeControl<TButtonGradient>(this, 8, 134, 100, 25);
    BSymGradient->SetCaption("&Gradient...");
    BSymGradient->HideEndColor = true;
    Button1 = MakePushButton(this, 116, 134, 100, "S&hadow...");
}

void TSymbolEditor::BindProperties() {
    using S = TLegendSymbol;
    auto symbol = [this] { return FSymbol; };
    BindCheckBox(*this, CBContinuous, symbol, &S::Continuous, &S::SetContinuous);
    BindCheckBox(*this, CBVisible, symbol, &S::Visible, &S::SetVisible);
    // A squared symbol takes no width of its own.
    BindCheckBox(*this, CBSquared, symbol, &S::Squared, &S::SetSquared, [this] {
        SEColWi->SetEnabled(!CBSquared->Checked());
        UDColWi->SetEnabled(!CBSquared->Checked());
    });
    BindComboBox(*this, CBSymbolPos, symbol, &S::Position, &S::SetPosition);
    BindUpDownEdit(*this, {SEColWi, UDColWi}, symbol, &S::Width, &S::SetWidth);
    BindComboBox(*this, CBColWUnits, symbol, &S::WidthUnits, &S::SetWidthUnits);
    BindCheckBox(*this, CBSymPen, symbol, &S::DefaultPen, &S::SetDefaultPen,
                 [this] { BSymPen->SetEnabled(!CBSymPen->Checked()); });
}

TSymbolEditor::~TSymbolEditor() = default;

void TSymbolEditor::LoadSymbol(TLegendSymbol* symbol) {
    FSymbol = symbol;
    Reload();
}

void TSymbolEditor::LoadControls() {
    if (!FSymbol) return;
    BSymPen->LinkPen(FSymbol->Pen());
    BSymGradient->LinkGradient(FSymbol->Gradient());
}

TFormTeeLegend::TFormTeeLegend(TComponent* owner, TChartLegend* legend)
    : TChartPageForm(owner), FLegend(legend) {
    SetBounds(0, 0, 400, 260);
    BuildControls();
    BindProperties();
    CBCheckBoxes->OnChange = [this](TObject*) { CheckBoxesChanged(); };
    SEMargin->OnChange = [this](TObject*) { MarginChanged(); };
    CBCustPos->OnClick = [this](TObject*) { CustomPositionClicked(); };
    ECustLeft->OnChange = [this](TObject*) { CustomPositionChanged(ECustLeft, true); };
    ECustTop->OnChange = [this](TObject*) { CustomPositionChanged(ECustTop, false); };
    CBPosPercent->OnClick = [this](TObject*) { PositionUnitsClicked(); };
    MemoText->OnChange = [this](TObject*) { TitleTextChanged(); };
    Button1->OnClick = [this](TObject*) { EditTitleText(); };
    CBTextAlign->OnChange = [this](TObject*) { TitleAlignmentChanged(); };
    PageControl1->SetActivePage(TabStyle);
    DoCreate();
}

void TFormTeeLegend::BuildControls() {
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    TabStyle = MakeTabSheet(this, PageControl1, "Style");
    TabPosition = MakeTabSheet(this, PageControl1, "Position");
    TabSymbols = MakeTabSheet(this, PageControl1, "Symbols");
    TabTitle = MakeTabSheet(this, PageControl1, "Title");
    CBShow = MakeCheckBox(TabStyle, 8, 8, 120, "&Visible");
    CBInverted = MakeCheckBox(TabStyle, 8, 32, 120, "&Inverted");
    MakeLabel(TabStyle, 8, 60, "Legend &Style:");
    CBLegendStyle = MakeComboBox(
        TabStyle, 8, 78, 150,
        {"Automatic", "Series Names", "Series Values", "Last Values", "Series Groups"});
    MakeLabel(TabStyle, 8, 108, "Text St&yle:");
    CBLegStyle =
        MakeComboBox(TabStyle, 8, 126, 150,
                     {"Plain", "Left Value", "Right Value", "Left Percent", "Right Percent",
                      "X Value", "Value", "Percent", "X and Value", "X and Percent"});
    CBLegStyle->SetDropDownCount(11);
    CBFontColor = MakeCheckBox(TabStyle, 180, 40, 160, "&Font Series Color");
    CBCheckBoxes =
        MakeComboBox(TabStyle, 180, 70, 150, {"No check boxes", "Check boxes", "Radio buttons"});
    MakeLabel(TabStyle, 180, 104, "V&ert. Spacing:");
    TUpDownEdit spacing = MakeUpDownEdit(TabStyle, 270, 100, 45, -10, 100);
    EVertSpacing = spacing.Edit;
    UDVertSpacing = spacing.UpDown;
    BDivLines = MakeControl<TButtonPen>(TabStyle, 180, 8, 130, 25);
    BDivLines->SetCaption("&Dividing Lines...");
    BuildPositionTab();
    BuildTitleTab();
    SymbolEditor = new TSymbolEditor(this);
    SymbolEditor->SetParent(TabSymbols);
    SymbolEditor->SetAlign(alClient);
}

void TFormTeeLegend::BuildPositionTab() {
    CBResizeChart = MakeCheckBox(TabPosition, 140, 8, 140, "Resi&ze Chart");
    MakeLabel(TabPosition, 140, 36, "&Position Offset %:");
    TUpDownEdit topPos = MakeUpDownEdit(TabPosition, 260, 32, 45, -100, 100);
    SETopPos = topPos.Edit;
    UDTopPos = topPos.UpDown;
    MakeLabel(TabPosition, 140, 66, "&Margin:");
    TUpDownEdit margin = MakeUpDownEdit(TabPosition, 260, 62, 45, -1000, 1000);
    SEMargin = margin.Edit;
    UDMargin = margin.UpDown;
    CBCustPos = MakeCheckBox(TabPosition, 140, 96, 100, "&Custom:");
    MakeLabel(TabPosition, 140, 126, "L&eft:");
    TUpDownEdit left = MakeUpDownEdit(TabPosition, 190, 122, 50, -100, 9000, 5);
    ECustLeft = left.Edit;
    UDLeft = left.UpDown;
    MakeLabel(TabPosition, 260, 126, "T&op:");
    TUpDownEdit top = MakeUpDownEdit(TabPosition, 300, 122, 50, -100, 9000, 5);
    ECustTop = top.Edit;
    UDTop = top.UpDown;
    CBPosPercent = MakeCheckBox(TabPosition, 140, 152, 100, "Percent");
    RGPosition = MakeControl<TRadioGroup>(TabPosition, 8, 8, 120, 120);
    RGPosition->SetCaption("Position");
    for (const char* item : {"&Left", "&Right", "&Top", "&Bottom"}) RGPosition->Items()->Add(item);
}

void TFormTeeLegend::BuildTitleTab() {
    // The title's own tabs: its options, then the pages of its shape editor.
    PageControl2 = MakeControl<TPageControl>(TabTitle);
    PageControl2->SetAlign(alClient);
    TabTitleOptions = new TTabSheet(this);
    TabTitleOptions->SetPageControl(PageControl2);
    TabTitleOptions->SetCaption("Options");
    MakeLabel(TabTitleOptions, 8, 8, "&Text:");
    MemoText = MakeControl<TMemo>(TabTitleOptions, 8, 26, 200, 90);
    CBTitleVisible = MakeCheckBox(TabTitleOptions, 220, 26, 100, "&Visible");
    MakeLabel(TabTitleOptions, 220, 56, "Text &alignment:");
    CBTextAlign = MakeComboBox(TabTitleOptions, 220, 74, 100, {"Left", "Center", "Right"});
    Button1 = MakePushButton(TabTitleOptions, 220, 108, 75, "&Edit...");
}

void TFormTeeLegend::BindProperties() {
    using L = TChartLegend;
    auto legend = [this] { return FLegend; };
    BindCheckBox(*this, CBShow, legend, &L::Visible, &L::SetVisible);
    BindCheckBox(*this, CBInverted, legend, &L::Inverted, &L::SetInverted);
    BindComboBox(*this, CBLegendStyle, legend, &L::LegendStyle, &L::SetLegendStyle);
    BindComboBox(*this, CBLegStyle, legend, &L::TextStyle, &L::SetTextStyle);
    BindCheckBox(*this, CBFontColor, legend, &L::FontSeriesColor, &L::SetFontSeriesColor);
    BindUpDownEdit(*this, {EVertSpacing, UDVertSpacing}, legend, &L::VertSpacing,
                   &L::SetVertSpacing);
    BindCheckBox(*this, CBResizeChart, legend, &L::ResizeChart, &L::SetResizeChart);
    BindUpDownEdit(*this, {SETopPos, UDTopPos}, legend, &L::TopPos, &L::SetTopPos);
    BindCheckBox(
        *this, CBTitleVisible, [this] { return FLegend ? FLegend->Title() : nullptr; },
        &TLegendTitle::Visible, &TLegendTitle::SetVisible);
    BindRadioGroup(*this, RGPosition, legend, &L::Alignment, &L::SetAlignment);
}

TFormTeeLegend::~TFormTeeLegend() = default;

TFormTeeLegend* TFormTeeLegend::CreateForLegend(TComponent* owner, TChartLegend* legend) {
    TFormTeeLegend* page = new TFormTeeLegend(owner, legend);
    page->EmbedShapeEditors(legend);
    return page;
}

void TFormTeeLegend::EmbedShapeEditors(TChartLegend* legend) {
    FLegend = legend;
    FShapeEditor.reset(EmbedShapeEditorPages(PageControl1, legend));
    FTitleShapeEditor.reset(EmbedShapeEditorPages(PageControl2, legend->Title()));
    // The moved pages build their editors on their first visit.
    PageControl1->OnChange = [this](TObject* sender) { FShapeEditor->PC1Change(sender); };
    PageControl2->OnChange = [this](TObject* sender) { FTitleShapeEditor->PC1Change(sender); };
}

void TFormTeeLegend::LoadControls() {
    if (!FLegend) return;
    BDivLines->LinkPen(FLegend->DividingLines());
    CBCheckBoxes->SetItemIndex(!FLegend->CheckBoxes()                   ? 0
                               : FLegend->CheckBoxesStyle() == cbsRadio ? 2
                                                                        : 1);
    UDMargin->SetPosition(Vertical() ? FLegend->HorizMargin() : FLegend->VertMargin());
    CBCustPos->SetChecked(FLegend->CustomPosition());
    RefreshCustomPosition();
    MemoText->Lines()->Assign(FLegend->Title()->Text());
    const TAlignment a = FLegend->Title()->TextAlignment();
    CBTextAlign->SetItemIndex(a == taLeftJustify ? 0 : a == taCenter ? 1 : 2);
    SymbolEditor->Show();
    SymbolEditor->LoadSymbol(FLegend->Symbol());
    if (FShapeEditor) FShapeEditor->LoadShape(FLegend);
    if (FTitleShapeEditor) FTitleShapeEditor->LoadShape(FLegend->Title());
}

void TFormTeeLegend::CheckBoxesChanged() {
    if (Loading()) return;
    const int index = CBCheckBoxes->ItemIndex();
    FLegend->SetCheckBoxes(index > 0);
    if (index > 0) FLegend->SetCheckBoxesStyle(index == 2 ? cbsRadio : cbsCheck);
}

void TFormTeeLegend::MarginChanged() {
    // The margin is the one across the legend: horizontal beside the chart, vertical above it.
    int v = 0;
    if (Loading() || !EditNumber(SEMargin, v)) return;
    if (Vertical())
        FLegend->SetHorizMargin(v);
    else
        FLegend->SetVertMargin(v);
}

void TFormTeeLegend::CustomPositionClicked() {
    if (Loading()) return;
    FLegend->SetCustomPosition(CBCustPos->Checked());
    // A legend placed by hand leaves the chart's size alone.
    if (FLegend->CustomPosition()) {
        FLegend->SetResizeChart(false);
        TValueGuard<bool> quiet(FQuiet, true);
        CBResizeChart->SetChecked(false);
    }
    RefreshCustomPosition();
}

void TFormTeeLegend::PositionUnitsClicked() {
    if (Loading() || FQuiet) return;
    FLegend->SetPositionUnits(CBPosPercent->Checked() ? muPercent : muPixels);
    RefreshCustomPosition();
}

void TFormTeeLegend::TitleTextChanged() {
    if (Loading()) return;
    TStringList lines;
    lines.Assign(*MemoText->Lines());
    FLegend->Title()->SetText(&lines);
}

void TFormTeeLegend::EditTitleText() {
    // The memo's change hands the edited lines on to the title.
    TStringList lines;
    lines.Assign(*MemoText->Lines());
    if (ShowStringsEditor(this, lines, false)) MemoText->Lines()->Assign(lines);
}

void TFormTeeLegend::TitleAlignmentChanged() {
    if (Loading()) return;
    const int i = CBTextAlign->ItemIndex();
    FLegend->Title()->SetTextAlignment(i == 0 ? taLeftJustify : i == 1 ? taCenter : taRightJustify);
}

bool TFormTeeLegend::Vertical() const {
    return FLegend->Alignment() == laLeft || FLegend->Alignment() == laRight;
}

bool TFormTeeLegend::EditNumber(TEdit* edit, int& value) {
    return TryStrToInt(edit->Text(), value);
}

void TFormTeeLegend::RefreshCustomPosition() {
    TValueGuard<bool> quiet(FQuiet, true);
    const bool percent = FLegend->PositionUnits() == muPercent;
    UDLeft->SetPosition(percent ? FLegend->LeftPercent() : FLegend->Left());
    UDTop->SetPosition(percent ? FLegend->TopPercent() : FLegend->Top());
    CBPosPercent->SetChecked(percent);
    const bool custom = FLegend->CustomPosition();
    for (TControl* c :
         std::initializer_list<TControl*>{ECustLeft, UDLeft, ECustTop, UDTop, CBPosPercent})
        c->SetEnabled(custom);
    for (TControl* c :
         std::initializer_list<TControl*>{CBResizeChart, SEMargin, UDMargin, SETopPos, UDTopPos})
        c->SetEnabled(!custom);
}

void TFormTeeLegend::CustomPositionChanged(TEdit* edit, bool left) {
    int v = 0;
    if (Loading() || FQuiet || !FLegend->CustomPosition() || !EditNumber(edit, v)) return;
    if (FLegend->PositionUnits() == muPercent) {
        if (left)
            FLegend->SetLeftPercent(v);
        else
            FLegend->SetTopPercent(v);
    } else if (left) {
        FLegend->SetLeft(v);
    } else {
        FLegend->SetTop(v);
    }
}
