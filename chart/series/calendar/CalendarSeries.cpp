#include "chart/series/calendar/CalendarSeries.h"

#include <algorithm>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeeShadow.h"
#include "chart/series/xy/OwnDefaultEntry.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/RtlMath.h"
#include "platform/ui/Menus.h"
#include "platform/ui/SpeedButton.h"

void TCalendarSeries::TFreeObject::operator()(TObject* object) const { TObject::Free(object); }

namespace {

// A cell kind that is part of the picture rather than a box: no shadow, white numbers.
void MakeHighlightCell(TCalendarCell& cell) {
    cell.Shadow()->SetCommonSize(0);
    cell.Font()->SetColor(clWhite);
    cell.SetColor(clDefault);
}

}  // namespace

TCalendarSeries::TCalendarSeries(TComponent* owner)
    : TChartSeries(owner),
      FDate(::Date()),
      FDays(std::make_unique<TCalendarCell>(this)),
      FMonths(std::make_unique<TCalendarCellUpper>(this, "mmmm, yyyy")),
      FSunday(std::make_unique<TCalendarCell>(this)),
      FToday(std::make_unique<TCalendarCell>(this)),
      FTrailing(std::make_unique<TCalendarCell>(this)),
      FWeekDays(std::make_unique<TCalendarCellUpper>(this, "ddd")),
      FPen(std::make_unique<TChartPen>(StyleChangedEvent())),
      FFirstDayOfWeek(std::clamp(FormatSettings().FirstDayOfWeek, 0, 6)) {
    FDays->MakeTransparentByDefault();
    FMonths->MakeTransparentByDefault();
    FTrailing->MakeTransparentByDefault();
    FTrailing->Font()->SetColor(TColor(0x808080));
    MakeHighlightCell(*FSunday);
    MakeHighlightCell(*FToday);
    FWeekDays->Pen()->SetVisible(false);
    SetShowInLegend(false);
    Marks()->SetVisible(false);
    UseSeriesColor = false;
    // Never empty: the calendar draws whatever the data.
    AddNullPoint();
}

TCalendarSeries::~TCalendarSeries() {
    if (FListened) FListened->Listeners().Remove(this);
    FreeButtons();
}

// --- Date.

void TCalendarSeries::SetDate(TDateTime value) {
    if (OnChange && value != FDate) OnChange(*this, value);
    if (value == FDate) return;
    FDate = value;
    Repaint();
}

void TCalendarSeries::NextMonth() { SetDate(IncMonth(FDate, 1)); }
void TCalendarSeries::PreviousMonth() { SetDate(IncMonth(FDate, -1)); }

void TCalendarSeries::SelectMonth(int month) {
    int year = 0, m = 0, d = 0;
    DecodeDate(FDate, year, m, d);
    SetDate(DateInMonth(FDate, year, std::clamp(month, 1, 12)));
}

void TCalendarSeries::SetPen(const TChartPen* value) { FPen->Assign(value); }

// --- Buttons.

bool TCalendarSeries::NextButtonVisible() const { return FNextVisible; }

void TCalendarSeries::SetNextButtonVisible(bool value) {
    FNextVisible = value;
    NextButton()->SetVisible(value && Active());
}

bool TCalendarSeries::PreviousButtonVisible() const { return FPreviousVisible; }

void TCalendarSeries::SetPreviousButtonVisible(bool value) {
    FPreviousVisible = value;
    PreviousButton()->SetVisible(value && Active());
}

TSpeedButton* TCalendarSeries::NextButton() {
    if (!FNextButton) MakeButton(FNextButton, ">", 30);
    return FNextButton.get();
}

TSpeedButton* TCalendarSeries::PreviousButton() {
    if (!FPreviousButton) MakeButton(FPreviousButton, "<", 6);
    return FPreviousButton.get();
}

TSpeedButton* TCalendarSeries::MakeButton(TButtonPtr& button, const char* caption, int left) {
    const bool next = &button == &FNextButton;
    button.reset(new TSpeedButton(nullptr));
    button->SetCaption(caption);
    button->SetFlat(true);
    button->SetBounds(left, 6, 20, 20);
    button->SetVisible((next ? FNextVisible : FPreviousVisible) && Active());
    button->OnClick = [this, next](TObject*) {
        if (next)
            NextMonth();
        else
            PreviousMonth();
    };
    if (FListened) button->SetParent(FListened);
    return button.get();
}

void TCalendarSeries::FreeButtons() {
    FNextButton.reset();
    FPreviousButton.reset();
}

// --- Chart membership.

void TCalendarSeries::SetActive(bool value) {
    TChartSeries::SetActive(value);
    if (FNextButton) FNextButton->SetVisible(FNextVisible && Active());
    if (FPreviousButton) FPreviousButton->SetVisible(FPreviousVisible && Active());
}

// Both ways a series joins a chart (its SetParentChart, the chart's AddSeries) and leaves it
// (SetParentChart, RemoveSeries) pass here.
void TCalendarSeries::AttachedToChart() {
    TChartSeries::AttachedToChart();
    SetCellsChart(FParentChart);
    FreeButtons();
    FParentChart->Listeners().Add(this);
    FListened = FParentChart;
    NextButton();
    PreviousButton();
    if (FToday->Color() == clDefault) FToday->SetColor(FParentChart->PaletteColor(3));
    if (FSunday->Color() == clDefault) FSunday->SetColor(FParentChart->PaletteColor(0));
}

void TCalendarSeries::DetachedFromChart() {
    if (FListened) {
        FListened->Listeners().Remove(this);
        FListened = nullptr;
    }
    FreeButtons();
    SetCellsChart(nullptr);
    TChartSeries::DetachedFromChart();
}

void TCalendarSeries::SetCellsChart(TCustomAxisPanel* chart) {
    for (TCalendarCell* cell :
         {static_cast<TCalendarCell*>(FDays.get()), static_cast<TCalendarCell*>(FMonths.get()),
          FSunday.get(), FToday.get(), FTrailing.get(),
          static_cast<TCalendarCell*>(FWeekDays.get())})
        cell->SetParentChart(chart);
}

void TCalendarSeries::HandleTeeEvent(TTeeEvent* event) {
    const auto* mouse = dynamic_cast<TTeeMouseEvent*>(event);
    if (mouse && mouse->Kind == tmeDown && mouse->Button == mbLeft) Click(mouse->X, mouse->Y);
}

// --- Geometry.

TCalendarSeries::TFrame TCalendarSeries::Frame() const {
    const TChartAxis* h = ResolvedHorizAxis();
    const TChartAxis* v = ResolvedVertAxis();
    if (h && v) return {h->StartPos(), h->AxisSize(), v->StartPos(), v->AxisSize()};
    const TRect r = FParentChart ? FParentChart->ChartRect() : TRect{};
    return {r.Left, r.Width(), r.Top, r.Height()};
}

int TCalendarSeries::VisibleHeaders() const {
    return int(FWeekDays->Visible()) + int(FMonths->Visible());
}

int TCalendarSeries::ColumnX(double column) const {
    const TFrame f = Frame();
    return f.HStart + RoundToInt(f.HSize * column / FColumns);
}

int TCalendarSeries::RowY(double row) const {
    const TFrame f = Frame();
    return f.VStart + RoundToInt(f.VSize * row / RowCount());
}

// The day rows: below the visible headers, as drawn.
TRect TCalendarSeries::DaysArea() const {
    const TFrame f = Frame();
    return {f.HStart, RowY(VisibleHeaders()), f.HStart + f.HSize, f.VStart + f.VSize};
}

TCalendarCellPlace TCalendarSeries::Place() const {
    return {FFirstDayRow, FFirstDayColumn, FTrailing->Visible()};
}

TCalendarCellPlace TCalendarSeries::CellPlace() const { return Place(); }

int TCalendarSeries::ValueIndexAt(int x, int y) {
    return Active() && DaysArea().Contains(x, y) ? 0 : -1;
}

void TCalendarSeries::Click(int x, int y) {
    if (!FMonthRect.IsEmpty() && FMonthRect.Contains(x, y)) {
        if (!FMonthMenu) {
            FMonthMenu.reset(new TPopupMenu(nullptr));
            for (int i = 0; i < 12; ++i) {
                auto* item = new TMenuItem(FMonthMenu.get());
                item->SetCaption(FormatSettings().LongMonthNames[size_t(i)]);
                item->OnClick = [this, i](TObject*) { SelectMonth(i + 1); };
                FMonthMenu->Items()->Add(item);
            }
        }
        const TPoint at = FParentChart ? FParentChart->ClientToScreen({x, y}) : TPoint{x, y};
        if (PopupMonthMenu)
            PopupMonthMenu(*FMonthMenu, at.X, at.Y);
        else
            FMonthMenu->Popup(at.X, at.Y);
        return;
    }
    if (ValueIndexAt(x, y) != 0 || FFirstDayRow == 0) return;
    const TFrame f = Frame();
    const int column = int((x - f.HStart) / (double(f.HSize) / FColumns)) + 1;
    const int row = int((y - f.VStart) / (double(f.VSize) / RowCount())) + 1;
    TDateTime date = 0;
    if (CalendarCellDate(FDate, Place(), column, row, date)) SetDate(date);
}

// --- Drawing.

void TCalendarSeries::ComputeVisibleRange() {
    FirstInView = 0;
    LastInView = Count() - 1;
}

void TCalendarSeries::DrawCell(TCalendarCell& cell, int column, int row, const std::string& text) {
    if (!cell.Visible()) return;
    TRect r{ColumnX(column - 1) + 1, RowY(row - 1) + 1, ColumnX(column) - 1, RowY(row) - 1};
    if (const TTeeShadow* shadow = cell.Shadow()) {
        r.Right -= shadow->HorizSize() - 1;
        r.Bottom -= shadow->VertSize() - 1;
    }
    cell.DrawRectRotated(r, 0, FrontDepth);
    cell.SetShapeBounds(r);
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UseFont(cell.Font());
    canvas.SetTextAlignment(TA_CENTER);
    canvas.SetBackgroundMode(TRANSPARENT);
    canvas.DrawTextAtZ(ColumnX(column - 0.5), RowY(row - 0.5) - canvas.MeasureLineHeight() / 2,
                       FrontDepth, text);
}

void TCalendarSeries::DrawAllValues() {
    TChartSeries::DrawAllValues();
    if (!FParentChart) return;
    const int rows = RowCount();
    // Week-day names: 1899-01-02 was a Monday.
    if (FWeekDays->Visible()) {
        const int row = FMonths->Visible() ? 2 : 1;
        for (int c = 1; c <= FColumns; ++c)
            DrawCell(*FWeekDays, c, row,
                     FWeekDays->DateText(EncodeDate(1899, 1, (c + FFirstDayOfWeek - 1) % 7 + 2)));
    }
    FMonthRect = {};
    if (FMonths->Visible()) {
        FMonthRect = {ColumnX(0) + 1, RowY(0) + 1, ColumnX(FColumns) - 1, RowY(1) - 1};
        FMonths->DrawRectRotated(FMonthRect, 0, FrontDepth);
        FMonths->SetShapeBounds(FMonthRect);
        TCanvas3D& canvas = *FParentChart->Canvas3D();
        canvas.UseFont(FMonths->Font());
        canvas.SetTextAlignment(TA_CENTER);
        canvas.SetBackgroundMode(TRANSPARENT);
        canvas.DrawTextAtZ(ColumnX(3.5), RowY(0.5) - canvas.MeasureLineHeight() / 2, FrontDepth,
                           FMonths->DateText(FDate));
    }
    FFirstDayColumn = FirstDayColumn(FDate, FFirstDayOfWeek, FColumns);
    FFirstDayRow = 1 + VisibleHeaders();
    int year = 0, month = 0, today = 0;
    DecodeDate(FDate, year, month, today);
    int row = FFirstDayRow;
    if (FTrailing->Visible() && FFirstDayColumn > 1) {
        const int prevDays =
            DaysInAMonth(month == 1 ? year - 1 : year, month == 1 ? 12 : month - 1);
        for (int c = 1; c < FFirstDayColumn; ++c)
            DrawCell(*FTrailing, c, row, IntToStr(prevDays - FFirstDayColumn + 1 + c));
    }
    int column = FFirstDayColumn;
    const int length = DaysInAMonth(year, month);
    for (int day = 1; day <= length; ++day) {
        TCalendarCell* cell = FDays.get();
        if (day == today && FToday->Visible())
            cell = FToday.get();
        else if (DayOfWeek(EncodeDate(year, month, day)) == 1)
            cell = FSunday.get();
        DrawCell(*cell, column, row, IntToStr(day));
        if (++column > FColumns) {
            column = 1;
            ++row;
        }
    }
    if (FTrailing->Visible()) {
        for (int next = 1; row <= rows; ++next) {
            DrawCell(*FTrailing, column, row, IntToStr(next));
            if (++column > FColumns) {
                column = 1;
                ++row;
            }
        }
    }
    DrawGrid();
}

void TCalendarSeries::DrawGrid() {
    if (!FPen->Visible()) return;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UsePen(FPen.get());
    const TFrame f = Frame();
    const int headers = VisibleHeaders(), rows = RowCount();
    for (int c = 0; c <= FColumns; ++c)
        canvas.DrawVerticalLineAtZ(ColumnX(c), RowY(headers), f.VStart + f.VSize, FrontDepth);
    for (int r = headers; r <= rows; ++r)
        canvas.DrawHorizontalLineAtZ(f.HStart, f.HStart + f.HSize, RowY(r), FrontDepth);
}

// --- Gallery and samples.

void TCalendarSeries::PrepareForGallery(bool enabled) {
    TChartSeries::PrepareForGallery(enabled);
    FPen->SetVisible(false);
    FDays->Font()->SetSize(6);
    FMonths->SetVisible(false);
    FWeekDays->Font()->SetSize(5);
    FWeekDays->Shadow()->SetCommonSize(0);
    FSunday->Font()->SetSize(6);
    FToday->Font()->SetSize(6);
    FTrailing->SetVisible(false);
    SetNextButtonVisible(false);
    SetPreviousButtonVisible(false);
}

// The calendar has no values: its one null point stays.
void TCalendarSeries::AddRandomValues(int, bool) {
    if (Count() == 0) AddNullPoint();
}

// --- Persistence.

void TCalendarSeries::Assign(const TPersistent* source) {
    if (const auto* other = dynamic_cast<const TCalendarSeries*>(source)) {
        FDate = other->FDate;
        FDays->Assign(other->FDays.get());
        FMonths->Assign(other->FMonths.get());
        FSunday->Assign(other->FSunday.get());
        FToday->Assign(other->FToday.get());
        FTrailing->Assign(other->FTrailing.get());
        FWeekDays->Assign(other->FWeekDays.get());
        FPen->Assign(other->FPen.get());
        SetNextButtonVisible(other->FNextVisible);
        SetPreviousButtonVisible(other->FPreviousVisible);
    }
    TChartSeries::Assign(source);
}

void TCalendarSeries::DefineProperties(TFiler& filer) {
    TChartSeries::DefineProperties(filer);
    TCalendarCell* today = FToday.get();
    TCalendarCell* sunday = FSunday.get();
    DefineOwnDefaultEntry(filer, "TodayWhite", today->Color() == clWhite,
                          [today] { today->SetColor(clWhite); });
    DefineOwnDefaultEntry(filer, "SundayWhite", sunday->Color() == clWhite,
                          [sunday] { sunday->SetColor(clWhite); });
}

void TCalendarSeries::Publish(TPublisher<TCalendarSeries>& p) {
    using S = TCalendarSeries;
    p.Float("Date", &S::Date, &S::SetDate);
    p.Object("Days", &S::Days, &S::SetDays);
    p.Object("Months", &S::Months, &S::SetMonths);
    p.Boolean("NextButtonVisible", &S::NextButtonVisible, &S::SetNextButtonVisible).Default(true);
    p.Object("Pen", &S::Pen, &S::SetPen);
    p.Boolean("PreviousButtonVisible", &S::PreviousButtonVisible, &S::SetPreviousButtonVisible)
        .Default(true);
    p.Inherited("ShowInLegend").Default(false);
    p.Object("Sunday", &S::Sunday, &S::SetSunday);
    p.Object("Today", &S::Today, &S::SetToday);
    p.Object("Trailing", &S::Trailing, &S::SetTrailing);
    p.Object("WeekDays", &S::WeekDays, &S::SetWeekDays);
}
