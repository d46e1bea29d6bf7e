#include "chart/series/calendar/CalendarSeriesEditor.h"

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/ShapeEditor.h"
#include "chart/series/calendar/CalendarSeries.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/PageControl.h"

namespace {

const char* const CellPageNames[] = {"Days", "Weekdays", "Today", "Sunday", "Trailing", "Months"};

TTeeCustomShape* CalendarCellOf(TCalendarSeries& s, int index) {
    switch (index) {
        case 0:
            return s.Days();
        case 1:
            return s.WeekDays();
        case 2:
            return s.Today();
        case 3:
            return s.Sunday();
        case 4:
            return s.Trailing();
        default:
            return s.Months();
    }
}

}  // namespace

TCalendarSeriesEditor::TCalendarSeriesEditor(TComponent* owner) : TEditorForm(owner, true) {
    SetBounds(0, 0, 380, 260);
    PageControl1 = MakeControl<TPageControl>(this);
    PageControl1->SetAlign(alClient);
    TabOptions = MakeTabSheet(this, PageControl1, "Options");
    BLines = MakeControl<TButtonPen>(TabOptions, 8, 8, 90, 25);
    BLines->SetCaption("&Lines...");
    CBWeekDays = MakeCheckBox(TabOptions, 8, 40, 150, "Show &Weekdays");
    CBWeekUpper = MakeCheckBox(TabOptions, 170, 40, 150, "&Uppercase");
    CBTrailing = MakeCheckBox(TabOptions, 8, 64, 150, "&Trailing days");
    CBToday = MakeCheckBox(TabOptions, 8, 88, 150, "Show T&oday");
    CBMonths = MakeCheckBox(TabOptions, 8, 112, 150, "Show &Months");
    CBMonthUpper = MakeCheckBox(TabOptions, 170, 112, 150, "U&ppercase");
    CBPrevious = MakeCheckBox(TabOptions, 8, 136, 180, "Show Pr&evious Button");
    CBNext = MakeCheckBox(TabOptions, 8, 160, 180, "Show Ne&xt Button");
    for (size_t i = 0; i < CellPages.size(); ++i) {
        TTabSheet* tab = MakeTabSheet(this, PageControl1, CellPageNames[i]);
        CellPages[i] = MakeControl<TPageControl>(tab);
        CellPages[i]->SetAlign(alClient);
    }

    using S = TCalendarSeries;
    auto series = [this] { return FSeries; };
    auto visible = [](auto cell) { return [cell](const S& s) { return (s.*cell)()->Visible(); }; };
    auto setVisible = [](auto cell) {
        return [cell](S& s, bool v) { (s.*cell)()->SetVisible(v); };
    };
    BindCheckBox(*this, CBWeekDays, series, visible(&S::WeekDays), setVisible(&S::WeekDays));
    BindCheckBox(*this, CBTrailing, series, visible(&S::Trailing), setVisible(&S::Trailing));
    BindCheckBox(*this, CBToday, series, visible(&S::Today), setVisible(&S::Today));
    BindCheckBox(*this, CBMonths, series, visible(&S::Months), setVisible(&S::Months));
    BindCheckBox(
        *this, CBWeekUpper, series, [](const S& s) { return s.WeekDays()->UpperCase(); },
        [](S& s, bool v) { s.WeekDays()->SetUpperCase(v); });
    BindCheckBox(
        *this, CBMonthUpper, series, [](const S& s) { return s.Months()->UpperCase(); },
        [](S& s, bool v) { s.Months()->SetUpperCase(v); });
    BindCheckBox(*this, CBPrevious, series, &S::PreviousButtonVisible,
                 &S::SetPreviousButtonVisible);
    BindCheckBox(*this, CBNext, series, &S::NextButtonVisible, &S::SetNextButtonVisible);
    DoCreate();
}

TCalendarSeriesEditor::~TCalendarSeriesEditor() = default;

void TCalendarSeriesEditor::DoShow() {
    FSeries = dynamic_cast<TCalendarSeries*>(TagObject());
    if (FSeries) {
        auto loading = LoadGuard();
        LoadBindings();
        BLines->LinkPen(FSeries->Pen());
        for (size_t i = 0; i < CellPages.size(); ++i) {
            if (FCellEditors[i]) continue;
            FCellEditors[i].reset(
                EmbedShapeEditorPages(CellPages[i], CalendarCellOf(*FSeries, int(i))));
            // The moved pages build their editors on their first visit.
            CellPages[i]->OnChange = [this, i](TObject* sender) {
                FCellEditors[i]->PC1Change(sender);
            };
        }
    }
    LoadingDone();
    TEditorForm::DoShow();
}
