#include "chart/editors/LegendPage.h"

#include "chart/editors/EditorControls.h"
#include "chart/editors/PenDialog.h"
#include "chart/engine/ChartLegend.h"
#include "chart/foundation/ChartPen.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RadioGroup.h"

TSymbolEditor::TSymbolEditor(TComponent* owner) : TChartPageForm(owner) {
    SetCaption("Legend Symbol Editor");
    SetBounds(0, 0, 300, 150);
    CBContinuous = MakeCheckBox(this, 8, 8, 140, "&Continuous");
    CBVisible = MakeCheckBox(this, 8, 32, 140, "&Visible");
    CBSquared = MakeCheckBox(this, 8, 56, 140, "&Squared");
    MakeLabel(this, 160, 8, "&Position:");
    CBSymbolPos = MakeComboBox(this, 160, 26, 100, {"Left", "Right"});
    CBContinuous->OnClick = [this](TObject*) {
        if (!Loading() && FSymbol) FSymbol->SetContinuous(CBContinuous->Checked());
    };
    CBVisible->OnClick = [this](TObject*) {
        if (!Loading() && FSymbol) FSymbol->SetVisible(CBVisible->Checked());
    };
    CBSquared->OnClick = [this](TObject*) {
        if (!Loading() && FSymbol) FSymbol->SetSquared(CBSquared->Checked());
    };
    CBSymbolPos->OnChange = [this](TObject*) {
        if (!Loading() && FSymbol)
            FSymbol->SetPosition(TLegendSymbolPosition(CBSymbolPos->ItemIndex()));
    };
    DoCreate();
}

TSymbolEditor::~TSymbolEditor() = default;

void TSymbolEditor::LoadSymbol(TLegendSymbol* symbol) {
    FSymbol = symbol;
    Reload();
}

void TSymbolEditor::LoadControls() {
    if (!FSymbol) return;
    CBContinuous->SetChecked(FSymbol->Continuous());
    CBVisible->SetChecked(FSymbol->Visible());
    CBSquared->SetChecked(FSymbol->Squared());
    CBSymbolPos->SetItemIndex(int(FSymbol->Position()));
}

TFormTeeLegend::TFormTeeLegend(TComponent* owner, TChartLegend* legend)
    : TChartPageForm(owner), FLegend(legend) {
    SetBounds(0, 0, 400, 260);
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    auto sheet = [&](const char* caption) {
        TTabSheet* s = new TTabSheet(this);
        s->SetPageControl(PageControl1);
        s->SetCaption(caption);
        return s;
    };
    TabStyle = sheet("Style");
    TabPosition = sheet("Position");
    TabSymbols = sheet("Symbols");
    CBShow = MakeCheckBox(TabStyle, 8, 8, 120, "&Visible");
    CBInverted = MakeCheckBox(TabStyle, 8, 32, 120, "&Inverted");
    MakeLabel(TabStyle, 8, 60, "Legend &Style:");
    CBLegendStyle = MakeComboBox(
        TabStyle, 8, 78, 150,
        {"Automatic", "Series Names", "Series Values", "Last Values", "Series Groups"});
    BDivLines = MakeControl<TButtonPen>(TabStyle, 180, 8, 130, 25);
    BDivLines->SetCaption("&Dividing Lines...");
    RGPosition = MakeControl<TRadioGroup>(TabPosition, 8, 8, 120, 120);
    RGPosition->SetCaption("Position");
    for (const char* item : {"&Left", "&Right", "&Top", "&Bottom"}) RGPosition->Items()->Add(item);
    SymbolEditor = new TSymbolEditor(this);
    SymbolEditor->SetParent(TabSymbols);
    SymbolEditor->SetAlign(alClient);
    CBShow->OnClick = [this](TObject*) {
        if (!Loading()) FLegend->SetVisible(CBShow->Checked());
    };
    CBInverted->OnClick = [this](TObject*) {
        if (!Loading()) FLegend->SetInverted(CBInverted->Checked());
    };
    CBLegendStyle->OnChange = [this](TObject*) {
        if (!Loading()) FLegend->SetLegendStyle(TLegendStyle(CBLegendStyle->ItemIndex()));
    };
    RGPosition->OnClick = [this](TObject*) {
        if (!Loading() && RGPosition->ItemIndex() >= 0)
            FLegend->SetAlignment(TLegendAlignment(RGPosition->ItemIndex()));
    };
    PageControl1->SetActivePage(TabStyle);
    DoCreate();
}

TFormTeeLegend::~TFormTeeLegend() = default;

void TFormTeeLegend::LoadControls() {
    if (!FLegend) return;
    CBShow->SetChecked(FLegend->Visible());
    CBInverted->SetChecked(FLegend->Inverted());
    CBLegendStyle->SetItemIndex(int(FLegend->LegendStyle()));
    RGPosition->SetItemIndex(int(FLegend->Alignment()));
    BDivLines->LinkPen(FLegend->DividingLines());
    SymbolEditor->Show();
    SymbolEditor->LoadSymbol(FLegend->Symbol());
}
