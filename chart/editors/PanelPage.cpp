#include "chart/editors/PanelPage.h"

#include "chart/editors/BackImageEditor.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/GradientEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/ShadowEditor.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeePanelExtended.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/ValueGuard.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/UpDown.h"

bool PanelMarginAccepted(TTeeUnits units, int value, int opposite) {
    return units == muPixels || value + opposite < 100;
}

namespace {

int PanelMargin(const TCustomTeePanel& p, int index) {
    switch (index) {
        case 0:
            return p.MarginLeft();
        case 1:
            return p.MarginTop();
        case 2:
            return p.MarginRight();
        default:
            return p.MarginBottom();
    }
}

}  // namespace

TFormTeePanel::TFormTeePanel(TComponent* owner, TCustomTeePanelExtended* panel)
    : TChartPageForm(owner), FPanel(panel) {
    SetCaption("Panel Editor");
    SetBounds(0, 0, 400, 260);
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    TabColor = MakeTabSheet(this, PageControl1, "Color");
    TabBorders = MakeTabSheet(this, PageControl1, "Borders");
    TabMargins = MakeTabSheet(this, PageControl1, "Margins");
    TabGradient = MakeTabSheet(this, PageControl1, "Gradient");
    TabShadow = MakeTabSheet(this, PageControl1, "Shadow");
    TabImage = MakeTabSheet(this, PageControl1, "Image");
    PageControl1->SetActivePage(TabColor);
    PageControl1->OnChange = [this](TObject*) { PageChanged(); };
    BPanelColor = MakeControl<TButtonColor>(TabColor, 8, 8, 100, 25);
    BPanelColor->SetCaption("&Color...");
    CBColorDef = MakeCheckBox(TabColor, 116, 10, 90, "&Default");
    CBImageInside = MakeCheckBox(TabColor, 8, 44, 160, "Back Image I&nside");
    MakeLabel(TabBorders, 8, 46, "Widt&h:");
    TUpDownEdit wi = MakeUpDownEdit(TabBorders, 90, 42, 45, 1, 100);
    SEPanelWi = wi.Edit;
    UDPanelWi = wi.UpDown;
    MakeLabel(TabBorders, 8, 76, "&Separation:");
    TUpDownEdit bor = MakeUpDownEdit(TabBorders, 90, 72, 45, 0, 100);
    SEPanelBor = bor.Edit;
    UDPanelBor = bor.UpDown;
    MakeLabel(TabBorders, 8, 106, "&Round border:");
    TUpDownEdit round = MakeUpDownEdit(TabBorders, 90, 102, 45, 0, 10000);
    ERound = round.Edit;
    UDRound = round.UpDown;
    MakeLabel(TabBorders, 8, 136, "Bevel &inner:");
    CBInner = MakeComboBox(TabBorders, 90, 132, 90, {"None", "Lowered", "Raised"});
    MakeLabel(TabBorders, 8, 166, "Bevel &outer:");
    CBOuter = MakeComboBox(TabBorders, 90, 162, 90, {"None", "Lowered", "Raised"});
    auto margin = [&](int top, const char* label, TEdit*& edit, TUpDown*& upDown) {
        MakeLabel(TabMargins, 220, top + 4, label);
        TUpDownEdit m = MakeUpDownEdit(TabMargins, 290, top, 50, 0, 100, 5);
        edit = m.Edit;
        upDown = m.UpDown;
    };
    margin(42, "Top:", SETopMa, UDTopMa);
    margin(72, "Left:", SELeftMa, UDLeftMa);
    margin(102, "Bottom:", SEBotMa, UDBotMa);
    margin(132, "Right:", SERightMa, UDRightMa);
    BBorder = MakeControl<TButtonPen>(TabBorders, 8, 196, 100, 25);
    BBorder->SetCaption("&Border...");
    MakeLabel(TabMargins, 220, 166, "&Units:");
    CBMarUnits = MakeComboBox(TabMargins, 290, 162, 80, {"Percent", "Pixels"});

    BPanelColor->OnClick = [this](TObject*) {
        FPanel->Invalidate();
        RefreshColorDefault();
    };
    CBColorDef->OnClick = [this](TObject*) {
        if (Loading() || FRefreshingColor || !CBColorDef->Checked()) return;
        FPanel->SetColor(clBtnFace);
        RefreshColorDefault();
        BPanelColor->Invalidate();
    };
    CBImageInside->OnClick = [this](TObject*) {
        if (!Loading()) FPanel->SetBackImageInside(CBImageInside->Checked());
    };
    auto number = [](TEdit* e, int fallback) { return StrToIntDef(e->Text(), fallback); };
    SEPanelWi->OnChange = [=, this](TObject*) {
        int v = number(SEPanelWi, FPanel->BevelWidth());
        if (!Loading() && v >= 1 && v != FPanel->BevelWidth()) FPanel->SetBevelWidth(v);
    };
    SEPanelBor->OnChange = [=, this](TObject*) {
        int v = number(SEPanelBor, FPanel->BorderWidth());
        if (!Loading() && v >= 0 && v != FPanel->BorderWidth()) FPanel->SetBorderWidth(v);
    };
    ERound->OnChange = [=, this](TObject*) {
        if (!Loading()) FPanel->SetBorderRound(number(ERound, FPanel->BorderRound()));
    };
    CBInner->OnChange = [this](TObject*) {
        TBevelCut v = TBevelCut(CBInner->ItemIndex());
        if (!Loading() && v != FPanel->BevelInner()) FPanel->SetBevelInner(v);
    };
    CBOuter->OnChange = [this](TObject*) {
        TBevelCut v = TBevelCut(CBOuter->ItemIndex());
        if (!Loading() && v != FPanel->BevelOuter()) FPanel->SetBevelOuter(v);
    };
    SELeftMa->OnChange = [this](TObject*) { MarginChanged(0, UDLeftMa); };
    SETopMa->OnChange = [this](TObject*) { MarginChanged(1, UDTopMa); };
    SERightMa->OnChange = [this](TObject*) { MarginChanged(2, UDRightMa); };
    SEBotMa->OnChange = [this](TObject*) { MarginChanged(3, UDBotMa); };
    CBMarUnits->OnChange = [this](TObject*) {
        if (Loading()) return;
        FPanel->SetMarginUnits(TTeeUnits(CBMarUnits->ItemIndex()));
        SetMarginRanges();
    };
    DoCreate();
}

TFormTeePanel::~TFormTeePanel() = default;

TFormTeePanel* TFormTeePanel::EmbedForPanel(TComponent* owner, TWinControl& sheet,
                                            TCustomTeePanelExtended* panel) {
    auto* page = new TFormTeePanel(owner, panel);
    page->SetAlign(alClient);
    ApplyFormHook(page);
    EmbedEditorForm(*page, sheet);
    return page;
}

void TFormTeePanel::PageChanged() {
    TTabSheet* page = PageControl1->ActivePage();
    if (page == TabGradient && !FGradientEditor) {
        FGradientEditor = TTeeGradientEditor::CreateEmbedded(this, FPanel->Gradient());
        EmbedTaggedEditorForm(*FGradientEditor, *TabGradient, FPanel->Gradient());
    } else if (page == TabShadow && !FShadowEditor) {
        FShadowEditor.reset(EmbedShadowEditor(TabShadow));
        FShadowEditor->LoadShadow(FPanel->Shadow());
    } else if (page == TabImage && !FImageEditor) {
        FImageEditor.reset(CreateBackImageEditorPage(TabImage));
        FImageEditor->LoadImageSettings(FPanel->BackImage());
    }
}

void TFormTeePanel::LoadControls() {
    if (!FPanel) return;
    CBInner->SetItemIndex(int(FPanel->BevelInner()));
    CBOuter->SetItemIndex(int(FPanel->BevelOuter()));
    UDRound->SetPosition(FPanel->BorderRound());
    UDPanelWi->SetPosition(FPanel->BevelWidth());
    UDPanelBor->SetPosition(FPanel->BorderWidth());
    CBImageInside->SetChecked(FPanel->BackImageInside());
    CBMarUnits->SetItemIndex(int(FPanel->MarginUnits()));
    SetMarginRanges();
    UDLeftMa->SetPosition(FPanel->MarginLeft());
    UDTopMa->SetPosition(FPanel->MarginTop());
    UDRightMa->SetPosition(FPanel->MarginRight());
    UDBotMa->SetPosition(FPanel->MarginBottom());
    RefreshColorDefault();
    BBorder->LinkPen(FPanel->Border());
    BPanelColor->LinkToProperty(FPanel, "Color");
    if (FGradientEditor) FGradientEditor->Show();
    PageControl1->SetActivePage(TabColor);
}

void TFormTeePanel::RefreshColorDefault() {
    TValueGuard<bool> guard(FRefreshingColor, true);
    const bool isDefault = FPanel->Color() == clBtnFace;
    CBColorDef->SetChecked(isDefault);
    CBColorDef->SetEnabled(!isDefault);
}

void TFormTeePanel::SetMarginRanges() {
    const bool pixels = FPanel->MarginUnits() == muPixels;
    for (TUpDown* u : {UDTopMa, UDLeftMa, UDBotMa, UDRightMa}) {
        u->SetMin(pixels ? -2000 : 0);
        u->SetMax(pixels ? 2000 : 100);
    }
}

void TFormTeePanel::MarginChanged(int index, TUpDown* upDown) {
    if (Loading()) return;
    TEdit* edit = static_cast<TEdit*>(upDown->Associate());
    int value = 0;
    if (!TryStrToInt(edit->Text(), value) || value == PanelMargin(*FPanel, index)) return;
    if (PanelMarginAccepted(FPanel->MarginUnits(), value, PanelMargin(*FPanel, (index + 2) % 4))) {
        FPanel->SetMargin(index, value);
        return;
    }
    // Refused: the control shows the margin again.
    upDown->SetPosition(PanelMargin(*FPanel, index));
}
