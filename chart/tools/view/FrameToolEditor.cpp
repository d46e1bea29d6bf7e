#include "chart/tools/view/FrameToolEditor.h"

#include "chart/editors/BrushDialog.h"
#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/FiltersEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/PictureRoutines.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/foundation/TeeFilterPicture.h"
#include "chart/foundation/TeeFilters.h"
#include "chart/tools/view/FrameTool.h"
#include "platform/rtl/NumberText.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/ScrollBar.h"

namespace {

TScrollBar* MakeScrollBar(TWinControl* parent, int left, int top, int min, int max) {
    auto* bar = MakeControl<TScrollBar>(parent, left, top, 150, 17);
    bar->SetParams(0, min, max);
    return bar;
}

}  // namespace

TFrameToolEditor::TFrameToolEditor(TComponent* owner) : TEditorForm(owner) {
    SetBounds(0, 0, 330, 190);
    PageControl1 = MakeControl<TPageControl>(this, 0, 0, 330, 190);
    PageControl1->SetAlign(alClient);
    BuildFormat();
    BuildPaspartou();
    BuildColor();
    PageControl1->SetActivePage(TabFormat);
    DoCreate();
    SetAlign(alClient);
}

TFrameToolEditor::~TFrameToolEditor() = default;

TFrameTool* TFrameToolEditor::Tool() const { return dynamic_cast<TFrameTool*>(TagObject()); }

void TFrameToolEditor::BuildFormat() {
    const auto tool = [this] { return Tool(); };
    TabFormat = MakeTabSheet(this, PageControl1, "Format");
    MakeLabel(TabFormat, 8, 10, "&Size:");
    SBSize = MakeScrollBar(TabFormat, 60, 8, 1, 300);
    LSize = MakeLabel(TabFormat, 216, 10, "");
    SBSize->OnChange = [this](TObject*) {
        ShowLabels();
        if (!Loading() && Tool()) Tool()->SetSize(SBSize->Position());
    };
    MakeLabel(TabFormat, 8, 40, "Styl&e:");
    CBStyle =
        MakeComboBox(TabFormat, 60, 36, 120,
                     {"Custom", "Metal", "Gold", "Silver", "Wood", "Cherry", "Modern", "Pine"});
    BBrowse = MakePushButton(TabFormat, 190, 35, 80, "&Browse...");
    BindComboBox(*this, CBStyle, tool, &TFrameTool::Style, &TFrameTool::SetStyle,
                 [this] { BBrowse->SetEnabled(CBStyle->ItemIndex() == 0); });
    BBrowse->OnClick = [this](TObject*) {
        TFrameTool* t = Tool();
        if (!t) return;
        const std::string file = AskPictureFileName(this);
        if (file.empty()) return;
        t->Frame()->LoadFromFile(file);
        t->SetStyle(0);
        t->Repaint();
    };
    Button1 = MakePushButton(TabFormat, 8, 70, 90, "&Filters...");
    Button1->OnClick = [this](TObject*) {
        if (TFrameTool* t = Tool(); t && ShowPictureFiltersEditor(this, t->Frame())) {
            t->Repaint();
            ShowColor();
        }
    };
    CBResize = MakeCheckBox(TabFormat, 8, 104, 150, "&Resize Chart");
    BindCheckBox(*this, CBResize, tool, &TFrameTool::ResizeChart, &TFrameTool::SetResizeChart);
}

void TFrameToolEditor::BuildPaspartou() {
    TabPaspartou = MakeTabSheet(this, PageControl1, "Paspartou");
    MakeLabel(TabPaspartou, 8, 10, "&Size:");
    SBPasSize = MakeScrollBar(TabPaspartou, 60, 8, 0, 100);
    LPasSize = MakeLabel(TabPaspartou, 216, 10, "");
    SBPasSize->OnChange = [this](TObject*) {
        ShowLabels();
        if (!Loading() && Tool()) Tool()->SetPaspartou(SBPasSize->Position());
    };
    Button2 = MakePushButton(TabPaspartou, 8, 40, 90, "&Pattern...");
    Button2->OnClick = [this](TObject*) {
        if (TFrameTool* t = Tool()) ShowBrushDialog(this, t->Brush());
    };
    BBorder = MakeControl<TButtonPen>(TabPaspartou, 110, 40, 90, 25);
    BBorder->SetCaption("&Border...");
}

void TFrameToolEditor::BuildColor() {
    TabColor = MakeTabSheet(this, PageControl1, "Color");
    CBChangeColor = MakeCheckBox(TabColor, 8, 8, 150, "Change color");
    CBChangeColor->OnClick = [this](TObject*) {
        TFrameTool* t = Tool();
        if (Loading() || !t) return;
        TColorFilter* filter = ColorFilter();
        if (CBChangeColor->Checked() && !filter)
            filter = static_cast<TColorFilter*>(
                t->Frame()->Filters()->AddFilterOfClass(&TColorFilter::StaticClass()));
        if (filter) filter->SetEnabled(CBChangeColor->Checked());
        ShowColor();
        t->Repaint();
    };
    const auto shift = [this](TScrollBar* bar, void (TColorFilter::*set)(int)) {
        bar->OnChange = [this, bar, set](TObject*) {
            ShowLabels();
            TColorFilter* filter = ColorFilter();
            if (Loading() || !filter) return;
            (filter->*set)(bar->Position());
            Tool()->Frame()->NotifyChanged();
            Tool()->Repaint();
        };
    };
    const char* captions[] = {"Red:", "Green:", "Blue:"};
    TScrollBar** bars[] = {&SBRed, &SBGreen, &SBBlue};
    TLabel** labels[] = {&LRed, &LGreen, &LBlue};
    for (int i = 0; i < 3; ++i) {
        MakeLabel(TabColor, 8, 40 + 28 * i, captions[i]);
        *bars[i] = MakeScrollBar(TabColor, 60, 38 + 28 * i, -255, 255);
        *labels[i] = MakeLabel(TabColor, 216, 40 + 28 * i, "0");
    }
    shift(SBRed, &TColorFilter::SetRed);
    shift(SBGreen, &TColorFilter::SetGreen);
    shift(SBBlue, &TColorFilter::SetBlue);
}

TColorFilter* TFrameToolEditor::ColorFilter() const {
    TFrameTool* t = Tool();
    if (!t || !t->Frame()->HasFilters()) return nullptr;
    TFilterItems& filters = *t->Frame()->Filters();
    for (int i = 0; i < filters.Count(); ++i)
        if (auto* c = dynamic_cast<TColorFilter*>(filters.GetFilter(i))) return c;
    return nullptr;
}

void TFrameToolEditor::ShowColor() {
    auto loading = LoadGuard();
    TColorFilter* filter = ColorFilter();
    const bool on = filter && filter->Enabled();
    CBChangeColor->SetChecked(on);
    for (TScrollBar* bar : {SBRed, SBGreen, SBBlue}) bar->SetEnabled(on);
    SBRed->SetPosition(filter ? filter->Red() : 0);
    SBGreen->SetPosition(filter ? filter->Green() : 0);
    SBBlue->SetPosition(filter ? filter->Blue() : 0);
    ShowLabels();
}

void TFrameToolEditor::ShowLabels() {
    LSize->SetCaption(IntToStr(SBSize->Position()));
    LPasSize->SetCaption(IntToStr(SBPasSize->Position()));
    LRed->SetCaption(IntToStr(SBRed->Position()));
    LGreen->SetCaption(IntToStr(SBGreen->Position()));
    LBlue->SetCaption(IntToStr(SBBlue->Position()));
}

void TFrameToolEditor::DoShow() {
    TEditorForm::DoShow();
    TFrameTool* t = Tool();
    if (!t) return;
    {
        auto loading = LoadGuard();
        LoadBindings();
        SBSize->SetPosition(t->Size());
        SBPasSize->SetPosition(t->Paspartou());
        BBrowse->SetEnabled(t->Style() == 0);
        BBorder->LinkPen(t->Pen());
    }
    ShowColor();
}
