#include "chart/editors/SeriesPage.h"

#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/FormatEditor.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/SeriesEvents.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/ColorEditing.h"
#include "chart/foundation/FieldLists.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Strings.h"
#include "platform/rtl/ValueGuard.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/CustomControl.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RadioGroup.h"

namespace {

TTabSheet* AddSheet(TPageControl* pages, const std::string& caption) {
    TTabSheet* sheet = new TTabSheet(pages->Owner());
    sheet->SetPageControl(pages);
    sheet->SetCaption(caption);
    return sheet;
}

int IndexOfObject(const TStrings& items, const TObject* object) {
    for (int i = 0; i < items.Count(); ++i)
        if (items.Objects(i) == object) return i;
    return -1;
}

}  // namespace

TFormTeeSeries::TFormTeeSeries(TComponent* owner) : TChartPageForm(owner) {
    SetBounds(0, 0, 400, 300);
    TPanel* header = MakeControl<TPanel>(this);
    header->SetHeight(34);
    header->SetAlign(alTop);
    header->SetBevelOuter(bvNone);
    CBSeries = MakeComboBox(header, 8, 6, 150, {});
    CBSeries->SetDropDownCount(16);
    LabelSeriesClass = MakeLabel(header, 166, 10, "");
    PaintBox1 = MakeControl<TPaintBox>(header, 330, 4, 60, 26);
    PaintBox1->SetCursor(crHandPoint);
    PageSeries = MakeControl<TPageControl>(this);
    PageSeries->SetAlign(alClient);
    PageSeries->SetHotTrack(true);
    TheTabSheet = AddSheet(PageSeries, "Format");
    TabGeneral = AddSheet(PageSeries, "General");
    TabMarks = AddSheet(PageSeries, "Marks");
    TabDataSource = AddSheet(PageSeries, "Data Source");
    BuildGeneralTab();
    BuildMarksTab();
    CBSeries->OnChange = [this](TObject*) { CBSeriesChange(); };
    PaintBox1->OnPaint = [this](TObject*) { PaintColorBox(); };
    PaintBox1->OnClick = [this](TObject*) { PaintBox1Click(); };
    DoCreate();
}

TFormTeeSeries::~TFormTeeSeries() = default;

const TClassInfo* FindSeriesEditorClass(const TChartSeries& series) {
    const std::string name = TCustomChartElement::EditorClassNameOf(&series.ClassType());
    return name.empty() ? nullptr : GetClass(name);
}

void TFormTeeSeries::EmbedSeriesEditor() {
    const TClassInfo* editorClass = FSeries ? FindSeriesEditorClass(*FSeries) : nullptr;
    if (!editorClass) {
        ClearEditors();
        TheTabSheet->SetTabVisible(false);
        return;
    }
    TheTabSheet->SetTabVisible(true);
    auto* editor = static_cast<TForm*>(editorClass->Create(this));
    editor->SetAlign(alClient);
    EmbedTaggedEditorForm(*editor, *TheTabSheet, FSeries);
}

void TFormTeeSeries::ClearEditors() {
    FEditorsOf = nullptr;
    while (TheTabSheet->ControlCount() > 0) delete TheTabSheet->Controls(0);
    for (int i = PageSeries->PageCount() - 1; i > 0; --i) {
        TTabSheet* sheet = PageSeries->Pages(i);
        if (sheet == TabGeneral || sheet == TabMarks || sheet == TabDataSource ||
            sheet->ComponentState().Contains(csDestroying))
            continue;
        while (sheet->ControlCount() > 0) delete sheet->Controls(0);
        delete sheet;
    }
}

TForm* TFormTeeSeries::InsertEditorPage(TControl* control, const TClassInfo& formClass,
                                        const std::string& caption, TObject* edited,
                                        int pageIndex) {
    auto* page = dynamic_cast<TFormTeeSeries*>(control->Owner());
    if (!page) {
        auto* form = static_cast<TForm*>(formClass.Create(control));
        form->SetCaption(caption);
        form->SetTagObject(edited);
        return form;
    }
    TTabSheet* sheet = AddSheet(page->PageSeries, caption);
    sheet->SetPageIndex(pageIndex);
    auto* form = static_cast<TForm*>(formClass.Create(page));
    form->SetAlign(alClient);
    EmbedTaggedEditorForm(*form, *sheet, edited);
    return form;
}

void TFormTeeSeries::SetChart(TCustomChart* chart) {
    FChart = chart;
    FillChooser();
}

void TFormTeeSeries::FillChooser() {
    CBSeries->Items()->Clear();
    if (!FChart) return;
    for (int i = 0; i < FChart->SeriesCount(); ++i) {
        TChartSeries* series = FChart->GetSeries(i);
        CBSeries->Items()->AddObject(FChart->SeriesTitleText(series), series);
    }
    CBSeries->SetItemIndex(IndexOfObject(*CBSeries->Items(), FSeries));
}

void TFormTeeSeries::SelectSeries(TChartSeries* series) {
    FSeries = series;
    CBSeries->SetItemIndex(IndexOfObject(*CBSeries->Items(), series));
    Reload();
}

void TFormTeeSeries::CBSeriesChange() {
    int index = CBSeries->ItemIndex();
    auto* series =
        index < 0 ? nullptr : static_cast<TChartSeries*>(CBSeries->Items()->Objects(index));
    if (series == FSeries) return;
    FSeries = series;
    Reload();
}

void TFormTeeSeries::LoadControls() {
    PageSeries->SetVisible(FSeries != nullptr);
    if (!FSeries) {
        LabelSeriesClass->SetCaption("");
        PaintBox1->SetVisible(false);
        return;
    }
    LabelSeriesClass->SetCaption(FSeries->ClassName() + ": " +
                                 (FChart ? FChart->SeriesTitleText(FSeries) : FSeries->Name()));
    PaintBox1->SetVisible(FSeries->UseSeriesColor);
    TabGeneral->SetTabVisible(GeneralAllowed);
    TabMarks->SetTabVisible(MarksAllowed);
    TabDataSource->SetTabVisible(DataSourceAllowed);
    TTabSheet* active = PageSeries->ActivePage();
    std::string caption = active ? active->Caption() : std::string();
    if (caption.empty() || (active == TabDataSource && !TabDataSource->TabVisible()))
        caption = TheTabSheet->Caption();
    if (FEditorsOf != FSeries) {
        ClearEditors();
        EmbedSeriesEditor();
        FEditorsOf = FSeries;
    }
    // Back to the tab of the same caption, else "Format"; a hidden one gives "General".
    active = nullptr;
    for (int i = 0; i < PageSeries->PageCount() && !active; ++i)
        if (PageSeries->Pages(i)->Caption() == caption) active = PageSeries->Pages(i);
    if (!active) active = TheTabSheet;
    if (!active->TabVisible()) active = TabGeneral;
    PageSeries->SetActivePage(active);
    LoadGeneralTab();
    LoadMarksTab();
    PaintBox1->Invalidate();
}

void TFormTeeSeries::BuildGeneralTab() {
    CBShowInLegend = MakeCheckBox(TabGeneral, 8, 8, 140, "&Show In Legend");
    MakeLabel(TabGeneral, 8, 40, "&Values:");
    CBFormat = MakeComboBox(TabGeneral, 80, 36, 150, {}, true);
    Button1 = MakePushButton(TabGeneral, 234, 36, 28, "...");
    MakeLabel(TabGeneral, 8, 72, "&Percents:");
    EPercentFormat = MakeControl<TEdit>(TabGeneral, 80, 68, 150, 23);
    Button2 = MakePushButton(TabGeneral, 234, 68, 28, "...");
    CBShowInLegend->OnClick = [this](TObject*) {
        if (!Loading() && FSeries) FSeries->SetShowInLegend(CBShowInLegend->Checked());
    };
    CBFormat->OnChange = [this](TObject*) {
        if (!Loading() && FSeries) FSeries->SetValueFormat(ToInvariantSeparators(CBFormat->Text()));
    };
    EPercentFormat->OnChange = [this](TObject*) {
        if (!Loading() && FSeries)
            FSeries->SetPercentFormat(ToInvariantSeparators(EPercentFormat->Text()));
    };
    Button1->OnClick = [this](TObject*) {
        if (!FSeries) return;
        CBFormat->SetText(TFormatEditor::ShowFormatDialog(this, CBFormat->Text(), false));
        FSeries->SetValueFormat(ToInvariantSeparators(CBFormat->Text()));
    };
    Button2->OnClick = [this](TObject*) {
        if (!FSeries) return;
        EPercentFormat->SetText(
            TFormatEditor::ShowFormatDialog(this, EPercentFormat->Text(), false));
    };
}

void TFormTeeSeries::BuildMarksTab() {
    CBMarksVisible = MakeCheckBox(TabMarks, 8, 8, 100, "&Visible");
    CBAllVisible = MakeCheckBox(TabMarks, 8, 32, 160, "All Series Visi&ble");
    CBMultiLine = MakeCheckBox(TabMarks, 8, 56, 100, "&Multi line");
    RGMarkStyle = MakeControl<TRadioGroup>(TabMarks, 180, 8, 200, 230);
    RGMarkStyle->SetCaption("&Style:");
    for (const char* style : {"Value", "Percent", "Label", "Label and Percent", "Label and Value",
                              "Legend", "Percent Total", "Label and Percent Total", "X value",
                              "X and Y values", "Series Title", "Point Index", "Percent Relative"})
        RGMarkStyle->Items()->Add(style);
    CBMarksVisible->OnClick = [this](TObject*) {
        if (Loading() || !FSeries) return;
        FSeries->Marks()->SetVisible(CBMarksVisible->Checked());
        TValueGuard<bool> quiet(FQuiet, true);
        CBAllVisible->SetChecked(AllMarksVisible());
    };
    CBAllVisible->OnClick = [this](TObject*) {
        if (Loading() || FQuiet || !FSeries || !FChart) return;
        const bool visible = CBAllVisible->Checked();
        for (int i = 0; i < FChart->SeriesCount(); ++i)
            FChart->GetSeries(i)->Marks()->SetVisible(visible);
        TValueGuard<bool> quiet(FQuiet, true);
        CBMarksVisible->SetChecked(visible);
    };
    CBMultiLine->OnClick = [this](TObject*) {
        if (!Loading() && FSeries) FSeries->Marks()->SetMultiLine(CBMultiLine->Checked());
    };
    RGMarkStyle->OnClick = [this](TObject*) {
        if (Loading() || !FSeries || RGMarkStyle->ItemIndex() < 0) return;
        FSeries->Marks()->SetStyle(TSeriesMarksStyle(RGMarkStyle->ItemIndex()));
        EnableMultiLine();
    };
}

void TFormTeeSeries::LoadGeneralTab() {
    CBShowInLegend->SetChecked(FSeries->ShowInLegend());
    CBFormat->Items()->Clear();
    AddValueFormatPresets(*CBFormat->Items());
    const std::string format = ToLocalSeparators(FSeries->ValueFormat());
    if (CBFormat->Items()->IndexOf(format) < 0) CBFormat->Items()->Add(format);
    CBFormat->SetText(format);
    EPercentFormat->SetText(ToLocalSeparators(FSeries->PercentFormat()));
}

void TFormTeeSeries::LoadMarksTab() {
    TSeriesMarks* marks = FSeries->Marks();
    CBMarksVisible->SetChecked(marks->Visible());
    RGMarkStyle->SetItemIndex(int(marks->Style()));
    CBMultiLine->SetChecked(marks->MultiLine());
    CBAllVisible->SetChecked(AllMarksVisible());
    EnableMultiLine();
}

void TFormTeeSeries::EnableMultiLine() {
    const int s = RGMarkStyle->ItemIndex();
    CBMultiLine->SetEnabled(s == smsLabelPercent || s == smsLabelValue || s == smsPercentTotal ||
                            s == smsLabelPercentTotal || s == smsXY);
}

bool TFormTeeSeries::AllMarksVisible() const {
    if (!FChart) return false;
    for (int i = 0; i < FChart->SeriesCount(); ++i)
        if (!FChart->GetSeries(i)->Marks()->Visible()) return false;
    return true;
}

void TFormTeeSeries::ShowTab(TSeriesPageTab tab) {
    TTabSheet* sheets[] = {TheTabSheet, TabGeneral, TabMarks, TabDataSource};
    if (sheets[tab]->TabVisible()) PageSeries->SetActivePage(sheets[tab]);
}

void TFormTeeSeries::PaintColorBox() {
    if (!FSeries) return;
    TCanvas* canvas = PaintBox1->Canvas();
    canvas->Brush()->SetColor(FSeries->SeriesColor());
    canvas->FillRect(Rect(0, 4, PaintBox1->Width(), PaintBox1->Height() - 4));
}

void TFormTeeSeries::PaintBox1Click() {
    if (!FSeries) return;
    TColor color = FSeries->SeriesColor();
    if (!EditColorVar(this, color)) return;
    FSeries->SetSeriesColor(color);
    PaintBox1->Invalidate();
}

void TFormTeeSeries::HandleChartEvent(const TTeeSeriesEvent& event) {
    if (ComponentState().Contains(csDestroying)) return;
    if (event.Event == seRemove && event.Series == FSeries) {
        // The edited series is being freed: forget it and its editors before it is gone.
        ClearEditors();
        FSeries = nullptr;
        Reload();
    }
    if (event.Event == seAdd || event.Event == seRemove || event.Event == seChangeTitle ||
        event.Event == seSwap) {
        // The removed series is still in the chart's list while it is told; leave it out.
        FillChooser();
        if (event.Event == seRemove) {
            int index = IndexOfObject(*CBSeries->Items(), event.Series);
            if (index >= 0) CBSeries->Items()->Delete(index);
        }
    }
    if (event.Event == seChangeColor) PaintBox1->Invalidate();
}
