// The general page's Fonts tab: every font of the chart in one sorted list; the fonts selected
// together take each attribute the user changes in the font editor.
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/FontEditor.h"
#include "chart/editors/GeneralPage.h"
#include "chart/engine/AxisTitle.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/ChartLists.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/ChartTools.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/classes/PropAccess.h"
#include "platform/rtl/NumberText.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"

namespace {

// The first font among the published object properties of object, depth first, looking into
// sub-objects that are not components; skip (the marks font) does not count.
TTeeFont* FindPublishedFont(const TObject& object, const TTeeFont* skip, int depth = 0) {
    // Sub-objects nest a few levels at most; the bound guards against a cycle.
    if (depth > 8) return nullptr;
    for (const TPropInfo* prop : GetPropList(&object.ClassType())) {
        if (prop->Kind != tkClass || !prop->GetObject) continue;
        // A sub-object the stream leaves out may not be made yet: reading it would make it, and
        // so change the chart.
        if (prop->StoredFn ? !prop->StoredFn(&object) : !prop->StoredFlag) continue;
        TObject* sub = prop->GetObject(&object);
        if (!sub || dynamic_cast<TComponent*>(sub)) continue;
        if (auto* font = dynamic_cast<TTeeFont*>(sub)) {
            if (font != skip) return font;
            continue;
        }
        if (TTeeFont* found = FindPublishedFont(*sub, skip, depth + 1)) return found;
    }
    return nullptr;
}

// The name the list shows: its parts passed through the text hook, then joined.
std::string Hooked(std::string text) {
    ApplyTextHook(text, nullptr);
    return text;
}

// Each attribute of `to` that differs between the edited font and its copy.
void CopyChanges(const TTeeFont& edited, const TTeeFont& copy, TTeeFont& to) {
    if (edited.Name() != copy.Name()) to.SetName(edited.Name());
    if (edited.Size() != copy.Size()) to.SetSize(edited.Size());
    if (edited.Style() != copy.Style()) to.SetStyle(edited.Style());
    if (edited.Color() != copy.Color()) to.SetColor(edited.Color());
    if (edited.InterCharSize() != copy.InterCharSize()) to.SetInterCharSize(edited.InterCharSize());
    if (const TTeeShadow* s = edited.ShadowIfAny()) {
        const TTeeShadow& c = *copy.Shadow();
        if (s->HorizSize() != c.HorizSize()) to.Shadow()->SetHorizSize(s->HorizSize());
        if (s->VertSize() != c.VertSize()) to.Shadow()->SetVertSize(s->VertSize());
        if (s->Color() != c.Color()) to.Shadow()->SetColor(s->Color());
        if (s->Visible() != c.Visible()) to.Shadow()->SetVisible(s->Visible());
        if (s->Transparency() != c.Transparency()) to.Shadow()->SetTransparency(s->Transparency());
        if (s->Smooth() != c.Smooth()) to.Shadow()->SetSmooth(s->Smooth());
    }
    if (const TTeeFontGradient* g = edited.GradientIfAny())
        if (g->Visible() != copy.Gradient()->Visible()) to.Gradient()->SetVisible(g->Visible());
}

}  // namespace

void TFormTeeGeneral::BuildFonts() {
    TabFonts = new TTabSheet(this);
    TabFonts->SetPageControl(PageControl1);
    TabFonts->SetCaption("Fonts");
    LBFonts = MakeControl<TListBox>(TabFonts, 4, 4, 130, 220);
    LBFonts->SetAlign(alLeft);
    LBFonts->SetSorted(true);
    LBFonts->SetMultiSelect(true);
    PanelFont = MakeControl<TPanel>(TabFonts);
    PanelFont->SetAlign(alClient);
    PanelFont->SetBevelOuter(bvNone);
    LBFonts->OnClick = [this](TObject*) { LBFontsClick(); };
    // The list takes the keys as soon as its tab is in front.
    PageControl1->OnChange = [this](TObject*) {
        if (PageControl1->ActivePage() == TabFonts && LBFonts->CanFocus()) LBFonts->SetFocus();
    };
    LBFonts->OnKeyDown = [this](TObject*, int& key, TShiftState shift) {
        if (key != 'A' || !shift.Contains(ssCtrl)) return;
        for (int i = 0; i < LBFonts->Count(); ++i) LBFonts->SetSelected(i, true);
        key = 0;
    };
}

void TFormTeeGeneral::FillFonts() {
    StopListening();
    TStrings& items = *LBFonts->Items();
    items.Clear();
    auto add = [&items](const std::string& name, TTeeFont* font) {
        items.AddObject(Hooked(name), font);
    };
    add("Legend", FChart->Legend()->Font());
    add("Legend title", FChart->Legend()->Title()->Font());
    add("Title", FChart->Title()->Font());
    add("Footer", FChart->Foot()->Font());
    add("SubTitle", FChart->SubTitle()->Font());
    add("SubFooter", FChart->SubFoot()->Font());
    for (int i = 0; i < FChart->SeriesCount(); ++i) {
        TChartSeries& series = *FChart->GetSeries(i);
        const std::string title = FChart->SeriesTitleText(&series);
        TTeeFont* marks = series.Marks()->Font();
        if (TTeeFont* own = FindPublishedFont(series, marks)) add(title, own);
        items.AddObject(Hooked(title) + " (" + Hooked("marks") + ")", marks);
    }
    for (TTeeCustomTool* tool : FChart->Tools())
        if (TTeeFont* font = FindPublishedFont(*tool, nullptr)) add(tool->Name(), font);
    auto axis = [&](const std::string& name, TChartAxis* a) {
        add(name, a->LabelsFont());
        items.AddObject(Hooked(name) + " (" + Hooked("Axis Title") + ")", a->Title()->Font());
    };
    axis("Left axis", FChart->LeftAxis());
    axis("Right axis", FChart->RightAxis());
    axis("Top axis", FChart->TopAxis());
    axis("Bottom axis", FChart->BottomAxis());
    axis("Depth Top axis", FChart->DepthTopAxis());
    axis("Depth axis", FChart->DepthAxis());
    for (int i = 0; i < FChart->CustomAxes()->Count(); ++i)
        axis("Custom axis" + IntToStr(i), FChart->CustomAxes()->GetAxis(i));
    // The chart title's font is the one edited at first.
    int title = 0;
    while (title < items.Count() && items.Objects(title) != FChart->Title()->Font()) ++title;
    LBFonts->SetItemIndex(title);
    LBFonts->SetSelected(title, true);
    LBFontsClick();
}

void TFormTeeGeneral::LBFontsClick() {
    StopListening();
    const int index = LBFonts->ItemIndex();
    if (index < 0) return;
    FEditedFont = static_cast<TTeeFont*>(LBFonts->Items()->Objects(index));
    FFontCopy = std::make_unique<TTeeFont>();
    FFontCopy->Assign(FEditedFont);
    if (!FFontEditor) {
        FFontEditor = new TTeeFontEditor(this);
        FFontEditor->SetAlign(alClient);
        EmbedEditorForm(*FFontEditor, *PanelFont);
    }
    FFontEditor->LoadFont(FEditedFont);
    FKeptChange = FEditedFont->OnChange;
    FEditedFont->OnChange = [this](TObject* sender) { EditedFontChanged(sender); };
}

void TFormTeeGeneral::EditedFontChanged(TObject* sender) {
    TTeeFont* edited = FEditedFont;
    TNotifyEvent kept = FKeptChange;
    if (!Showing()) {
        StopListening();
    } else {
        for (int i = 0; i < LBFonts->Count(); ++i) {
            auto* font = static_cast<TTeeFont*>(LBFonts->Items()->Objects(i));
            if (LBFonts->Selected(i) && font != edited) CopyChanges(*edited, *FFontCopy, *font);
        }
        FFontCopy->Assign(edited);
    }
    if (kept) kept(sender);
}

void TFormTeeGeneral::StopListening() {
    if (FEditedFont) FEditedFont->OnChange = FKeptChange;
    FEditedFont = nullptr;
    FKeptChange = nullptr;
    FFontCopy.reset();
}

void TFormTeeGeneral::DoHide() {
    StopListening();
    TChartPageForm::DoHide();
}
