#include "chart/editors/TitlesPage.h"

#include "chart/editors/EditorControls.h"
#include "chart/editors/ShapeEditor.h"
#include "chart/editors/StringsEditor.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartTitle.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/ValueGuard.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Memo.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/UpDown.h"

namespace {

// The alignment list's order: "Left", "Center", "Right".
int AlignmentIndex(TAlignment a) { return a == taLeftJustify ? 0 : a == taCenter ? 1 : 2; }
TAlignment IndexAlignment(int i) {
    return i == 0 ? taLeftJustify : i == 1 ? taCenter : taRightJustify;
}

}  // namespace

TFormTeeTitle::TFormTeeTitle(TComponent* owner, TChartTitle* title, TCustomChart* chart)
    : TChartPageForm(owner), FChart(chart), FTitle(title) {
    SetBounds(0, 0, 400, 260);
    // The page's own tab, then the pages of the title's shape editor.
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    TabStyle = new TTabSheet(this);
    TabStyle->SetPageControl(PageControl1);
    TabStyle->SetCaption("Style");
    CBTitles = MakeComboBox(TabStyle, 8, 8, 120, {"Title", "SubTitle", "SubFoot", "Foot"});
    MakeLabel(TabStyle, 8, 40, "&Text:");
    MText = MakeControl<TMemo>(TabStyle, 8, 58, 250, 90);
    CBVisible = MakeCheckBox(TabStyle, 270, 58, 120, "&Visible");
    CBAdjust = MakeCheckBox(TabStyle, 270, 82, 120, "&Adjust Frame");
    MakeLabel(TabStyle, 270, 110, "Alig&nment:");
    CBAlign = MakeComboBox(TabStyle, 270, 128, 110, {"Left", "Center", "Right"});
    Button1 = MakePushButton(TabStyle, 183, 154, 75, "&Edit...");
    CBCustPos = MakeCheckBox(TabStyle, 8, 160, 100, "&Custom:");
    MakeLabel(TabStyle, 8, 190, "L&eft:");
    TUpDownEdit left = MakeUpDownEdit(TabStyle, 50, 186, 50, -1000, 1000, 5);
    ECustLeft = left.Edit;
    UDLeft = left.UpDown;
    MakeLabel(TabStyle, 120, 190, "T&op:");
    TUpDownEdit top = MakeUpDownEdit(TabStyle, 160, 186, 50, -1000, 1000, 5);
    ECustTop = top.Edit;
    UDTop = top.UpDown;
    MakeLabel(TabStyle, 240, 190, "&Vert. Margin:");
    TUpDownEdit margin = MakeUpDownEdit(TabStyle, 320, 186, 45, -500, 500);
    Edit1 = margin.Edit;
    UDMargin = margin.UpDown;
    CBCustPos->OnClick = [this](TObject*) {
        if (Loading()) return;
        FTitle->SetCustomPosition(CBCustPos->Checked());
        RefreshCustom();
    };
    // Custom left and top are written only when they differ from the title's.
    ECustLeft->OnChange = [this](TObject*) {
        int v = 0;
        if (!Loading() && !FQuiet && FTitle->CustomPosition() &&
            TryStrToInt(ECustLeft->Text(), v) && v != FTitle->Left())
            FTitle->SetLeft(v);
    };
    ECustTop->OnChange = [this](TObject*) {
        int v = 0;
        if (!Loading() && !FQuiet && FTitle->CustomPosition() && TryStrToInt(ECustTop->Text(), v) &&
            v != FTitle->Top())
            FTitle->SetTop(v);
    };
    Edit1->OnChange = [this](TObject*) {
        int v = 0;
        if (!Loading() && TryStrToInt(Edit1->Text(), v)) FTitle->SetVertMargin(v);
    };
    CBTitles->OnChange = [this](TObject*) { CBTitlesChange(); };
    MText->OnChange = [this](TObject*) { MTextChange(); };
    Button1->OnClick = [this](TObject*) { Button1Click(); };
    CBVisible->OnClick = [this](TObject*) {
        if (!Loading()) FTitle->SetVisible(CBVisible->Checked());
    };
    CBAdjust->OnClick = [this](TObject*) {
        if (!Loading()) FTitle->SetAdjustFrame(CBAdjust->Checked());
    };
    CBAlign->OnChange = [this](TObject*) {
        if (!Loading()) FTitle->SetAlignment(IndexAlignment(CBAlign->ItemIndex()));
    };
    DoCreate();
}

TFormTeeTitle::~TFormTeeTitle() = default;

TFormTeeTitle* TFormTeeTitle::CreateForTitle(TComponent* owner, TChartTitle* title,
                                             TCustomChart* chart) {
    TFormTeeTitle* page = new TFormTeeTitle(owner, title, chart);
    page->FShapeEditor.reset(EmbedShapeEditorPages(page->PageControl1, title));
    // The moved pages build their editors on their first visit.
    page->PageControl1->OnChange = [page](TObject* sender) {
        page->FShapeEditor->PC1Change(sender);
    };
    return page;
}

void TFormTeeTitle::LoadControls() {
    if (!FTitle) return;
    TChartTitle* titles[] = {FChart->Title(), FChart->SubTitle(), FChart->SubFoot(),
                             FChart->Foot()};
    int index = 3;
    for (int i = 0; i < 3; ++i)
        if (titles[i] == FTitle) index = i;
    CBTitles->SetItemIndex(index);
    MText->Lines()->Assign(*FTitle->Text());
    CBVisible->SetChecked(FTitle->Visible());
    CBAdjust->SetChecked(FTitle->AdjustFrame());
    CBAlign->SetItemIndex(AlignmentIndex(FTitle->Alignment()));
    CBCustPos->SetChecked(FTitle->CustomPosition());
    UDMargin->SetPosition(FTitle->VertMargin());
    RefreshCustom();
    if (FShapeEditor) FShapeEditor->LoadShape(FTitle);
}

void TFormTeeTitle::RefreshCustom() {
    TValueGuard<bool> quiet(FQuiet, true);
    const bool custom = FTitle->CustomPosition();
    for (TControl* c : std::initializer_list<TControl*>{ECustLeft, UDLeft, ECustTop, UDTop})
        c->SetEnabled(custom);
    UDLeft->SetPosition(FTitle->Left());
    UDTop->SetPosition(FTitle->Top());
}

void TFormTeeTitle::CBTitlesChange() {
    TChartTitle* titles[] = {FChart->Title(), FChart->SubTitle(), FChart->SubFoot(),
                             FChart->Foot()};
    int index = CBTitles->ItemIndex();
    if (index < 0 || index > 3) return;
    FTitle = titles[index];
    Reload();
}

void TFormTeeTitle::MTextChange() {
    if (Loading() || !FTitle) return;
    // An unchanged text is not written again.
    if (MText->Lines()->Text() == FTitle->Text()->Text()) return;
    TStringList lines;
    lines.Assign(*MText->Lines());
    FTitle->SetText(&lines);
}

void TFormTeeTitle::Button1Click() {
    // The editor works on the memo's lines; the memo passes the change on to the title.
    TStringList lines;
    lines.Assign(*MText->Lines());
    if (!ShowStringsEditor(this, lines, false)) return;
    MText->Lines()->Assign(lines);
    MTextChange();
}
