#include "chart/editors/SeriesPage.h"

#include "chart/editors/ChartListBox.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/OwnedForm.h"
#include "chart/editors/ShapeEditor.h"
#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/SeriesEvents.h"
#include "chart/engine/SeriesLegendPaint.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/foundation/ColorEditing.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/ResourceRoutines.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/ValueGuard.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/CustomControl.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Image.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/Timer.h"

namespace {

// Marks the series' style flags: a template series, and one that offers no data source.
constexpr int StyleTemplate = 1;
constexpr int StyleNoDataSource = 32;

TTabSheet* AddSheet(TPageControl* pages, const std::string& caption) {
    TTabSheet* sheet = new TTabSheet(pages->Owner());
    sheet->SetPageControl(pages);
    sheet->SetCaption(caption);
    return sheet;
}

// The gallery description shows its first "&" as a character, not as an accelerator.
std::string DoubleFirstAmpersand(std::string text) {
    const size_t at = text.find('&');
    if (at != std::string::npos) text.insert(at, 1, '&');
    return text;
}

}  // namespace

TFormTeeSeries::TFormTeeSeries(TComponent* owner) : TChartPageForm(owner) {
    SetBounds(0, 0, 420, 330);
    Panel1 = MakeControl<TPanel>(this);
    Panel1->SetHeight(34);
    Panel1->SetAlign(alTop);
    Panel1->SetBevelOuter(bvNone);
    ImageSeries = MakeControl<TImage>(Panel1, 4, 5, 24, 24);
    ImageSeries->SetCenter(true);
    CBSeries = MakeComboBox(Panel1, 32, 6, 140, {});
    CBSeries->SetDropDownCount(16);
    LabelSeriesClass = MakeLabel(Panel1, 180, 10, "");
    PaintBox1 = MakeControl<TPaintBox>(Panel1, 350, 4, 60, 26);
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
    BuildDataSourceTab();
    PageSeries->SetActivePage(TheTabSheet);
    Timer1 = new TTimer(this);
    Timer1->SetEnabled(false);
    Timer1->SetInterval(1);
    Timer1->OnTimer = [this](TObject*) { Timer1Timer(); };
    // Kept for stored forms; never shown.
    CBPersistent = MakeCheckBox(this, 0, 0, 80, "Persistent");
    CBPersistent->SetVisible(false);
    CBSeries->OnChange = [this](TObject*) { CBSeriesChange(); };
    PageSeries->OnChanging = [this](TObject*, bool& allow) { allow = PageSeriesChanging(false); };
    PageSeries->OnChange = [this](TObject*) { PageSeriesChange(); };
    PaintBox1->OnPaint = [this](TObject*) { PaintColorBox(); };
    PaintBox1->OnClick = [this](TObject*) { PaintBox1Click(); };
    DoCreate();
}

TFormTeeSeries::~TFormTeeSeries() {
    ClearEditors();
    ListenTo(nullptr);
}

bool TFormTeeSeries::CanWrite() const { return FSeries && !Loading() && !FSwitchingTabs; }

// --- The chart listened to and the edited series.

void TFormTeeSeries::ListenTo(TCustomAxisPanel* chart) {
    if (chart == FChart) return;
    if (FChart) {
        FChart->RemoveFreeNotification(this);
        if (!FChart->ComponentState().Contains(csDestroying)) FChart->RemoveListener(this);
    }
    FChart = chart;
    if (FChart) {
        FChart->FreeNotification(this);
        FChart->Listeners().Add(this);
    }
}

void TFormTeeSeries::Notification(TComponent* component, TOperation operation) {
    TChartPageForm::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == FChart) FChart = nullptr;
    if (component == FLastSeries) FLastSeries = nullptr;
    if (component == FSeries) {
        FSeries = nullptr;
        if (ComponentState().Contains(csDestroying)) return;
        ClearEditors();
        Reload();
    }
}

void TFormTeeSeries::SetChart(TCustomAxisPanel* chart) {
    ListenTo(chart);
    FillChooser();
}

void TFormTeeSeries::FillChooser() {
    CBSeries->Items()->Clear();
    if (!FChart) return;
    for (int i = 0; i < FChart->SeriesCount(); ++i) {
        TChartSeries* series = FChart->GetSeries(i);
        CBSeries->Items()->AddObject(FChart->SeriesTitleText(series), series);
    }
    CBSeries->SetItemIndex(CBSeries->Items()->IndexOfObject(FSeries));
}

void TFormTeeSeries::SelectSeries(TChartSeries* series) {
    const bool same = series && series == FLastSeries;
    CBSeries->SetItemIndex(CBSeries->Items()->IndexOfObject(series));
    CBSeriesChange();
    // Axes may have been added or freed on another page while this series stayed loaded.
    if (same && FSeries) RefreshAxisChoices();
}

void TFormTeeSeries::CBSeriesChange() {
    const int index = CBSeries->ItemIndex();
    auto* series =
        index < 0 ? nullptr : dynamic_cast<TChartSeries*>(CBSeries->Items()->Objects(index));
    if (FSeries && FSeries != series) FSeries->RemoveFreeNotification(this);
    FSeries = series;
    if (!series) {
        FLastSeries = nullptr;
        Reload();
        return;
    }
    series->FreeNotification(this);
    if (SeriesList) {
        const int listIndex = SeriesList->Items()->IndexOfObject(series);
        if (listIndex >= 0 && listIndex != SeriesList->ItemIndex())
            SeriesList->SelectSeries(listIndex);
    }
    if (series == FLastSeries) return;
    if (FLastSeries) FLastSeries->RemoveFreeNotification(this);
    Reload();
    FLastSeries = series;
    series->FreeNotification(this);
}

void TFormTeeSeries::DoShow() {
    TChartPageForm::DoShow();
    // ShowInEditor is only offered while the series is being designed, which never happens here.
    CBShowInEditor->SetVisible(false);
}

void TFormTeeSeries::LoadControls() {
    if (!FSeries) {
        ImageSeries->Picture()->SetGraphic(nullptr);
        LabelSeriesClass->SetCaption("");
        PaintBox1->SetVisible(false);
        PageSeries->SetVisible(false);
        return;
    }
    TTabSheet* active = PageSeries->ActivePage();
    LoadSeries(active ? active->Caption() : std::string());
}

void TFormTeeSeries::LoadSeries(const std::string& returnCaption) {
    ListenTo(FSeries->ParentChart());
    RefillDataStyles();
    LoadHeader();
    ImageSeries->SetVisible(true);
    PageSeries->SetVisible(true);
    TabGeneral->SetTabVisible(GeneralAllowed);
    TabMarks->SetTabVisible(MarksAllowed);
    const int style = FSeries->SeriesStyleFlags();
    TabDataSource->SetTabVisible(DataSourceAllowed &&
                                 (style & (StyleTemplate | StyleNoDataSource)) == 0);
    std::string caption = returnCaption;
    if (caption.empty() || (caption == TabDataSource->Caption() && !TabDataSource->TabVisible()))
        caption = TheTabSheet->Caption();
    GroupHorizAxis->SetVisible(FSeries->UsesAxes());
    GroupVertAxis->SetVisible(FSeries->UsesAxes());
    if (FEditorsOf != FSeries) {
        ClearEditors();
        EmbedSeriesEditor();
        FEditorsOf = FSeries;
    }
    TTabSheet* target = TheTabSheet;
    for (int i = 0; i < PageSeries->PageCount(); ++i)
        if (PageSeries->Pages(i)->Caption() == caption) {
            target = PageSeries->Pages(i);
            break;
        }
    if (!target->TabVisible()) target = TabGeneral;
    PageSeries->SetActivePage(target);
    CBDataSourcestyle->SetItemIndex(-1);
    PageSeriesChange();
    PaintBox1->Invalidate();
}

void TFormTeeSeries::LoadHeader() {
    TBitmap bitmap;
    if (LoadSeriesClassBitmap(*FSeries, bitmap))
        ImageSeries->Picture()->Assign(&bitmap);
    else
        ImageSeries->Picture()->SetGraphic(nullptr);
    PaintBox1->SetVisible(FSeries->UseSeriesColor);
    const std::string title =
        FSeries->ParentChart() ? FSeries->ParentChart()->SeriesTitleText(FSeries) : FSeries->Name();
    LabelSeriesClass->SetCaption(DoubleFirstAmpersand(SeriesTypeDescription(*FSeries)) + ": " +
                                 title);
}

// --- Editor forms of the series type.

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
    FreeSourceEditor();
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

// --- Tabs.

void TFormTeeSeries::ShowTab(TSeriesPageTab tab) {
    TTabSheet* sheets[] = {TheTabSheet, TabGeneral, TabMarks, TabDataSource};
    if (!sheets[tab]->TabVisible() || !PageSeriesChanging()) return;
    PageSeries->SetActivePage(sheets[tab]);
    PageSeriesChange();
}

bool TFormTeeSeries::PageSeriesChanging(bool fromHost) {
    const bool allow = !FSourceEditor || FSourceEditor->CloseQuery();
    if (!fromHost) FSwitchingTabs = allow;
    return allow;
}

void TFormTeeSeries::PageSeriesChange() {
    {
        // Reading a tab writes nothing back.
        TValueGuard<bool> switching(FSwitchingTabs, true);
        if (FSeries) {
            TTabSheet* active = PageSeries->ActivePage();
            if (active == TabGeneral) LoadGeneralTab();
            if (active == TabMarks) LoadMarksTab();
            if (active == TabDataSource) LoadDataSourceTab();
        }
    }
    FSwitchingTabs = false;
}

bool TFormTeeSeries::CloseQuery() {
    if (FSourceEditor && !FSourceEditor->CloseQuery()) return false;
    return TChartPageForm::CloseQuery();
}

// --- Chart events.

void TFormTeeSeries::HandleTeeEvent(TTeeEvent* event) {
    if (ComponentState().Contains(csDestroying)) return;
    if (auto* seriesEvent = dynamic_cast<TTeeSeriesEvent*>(event)) HandleChartEvent(*seriesEvent);
    if (OnChartEvent) OnChartEvent(event);
}

void TFormTeeSeries::HandleChartEvent(const TTeeSeriesEvent& event) {
    if (ComponentState().Contains(csDestroying)) return;
    if (event.Event == seRemove && event.Series == FLastSeries) FLastSeries = nullptr;
    if (event.Event == seRemove && event.Series == FSeries) {
        // The edited series is being freed: forget it and its editors before it is gone.
        ClearEditors();
        FSeries->RemoveFreeNotification(this);
        FSeries = nullptr;
        Reload();
    }
    if (event.Event == seAdd || event.Event == seRemove || event.Event == seChangeTitle ||
        event.Event == seSwap) {
        // The removed series is still in the chart's list while it is told; leave it out.
        FillChooser();
        if (event.Event == seRemove) {
            const int index = CBSeries->Items()->IndexOfObject(event.Series);
            if (index >= 0) CBSeries->Items()->Delete(index);
        }
    }
    if (event.Event == seChangeColor) PaintBox1->Invalidate();
}

// --- Colour box.

void TFormTeeSeries::PaintColorBox() {
    if (!FSeries) return;
    TCanvas* canvas = PaintBox1->Canvas();
    const TRect box = Rect(0, 4, PaintBox1->Width(), PaintBox1->Height() - 4);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(PaintBox1->Color());
    canvas->FillRect(box);
    PaintSeriesLegend(*FSeries, *canvas, box, FSeries->ParentChart());
}

void TFormTeeSeries::PaintBox1Click() {
    if (!FSeries) return;
    TColor color = FSeries->SeriesColor();
    if (!EditColorVar(this, color)) return;
    FSeries->SetSeriesColor(color);
    PaintBox1->Invalidate();
}

// --- The page alone.

void ShowSeriesDialog(TControl* owner, TChartSeries* series) {
    TOwnedForm<TFormTeeSeries> page(CreateEditorDialog<TFormTeeSeries>(owner));
    ApplyFormHook(page.get());
    page->SetBorderIcons({biSystemMenu});
    page->SetBorderStyle(bsSizeable);
    page->SetCaption(Format("Editing %s", {series->Name()}));
    page->SetTagObject(series);
    page->Panel1->SetVisible(false);
    page->DataSourceAllowed = false;
    page->CBSeries->Items()->AddObject(series->Name(), series);
    page->CBSeries->SetItemIndex(0);
    page->CBSeriesChange();
    page->ShowModal();
}
