#pragma once
// A chart turned into a one-month calendar: the month's name, the week-day names from the
// locale, and a grid of days in which Date's day, Sundays and the neighbouring months' days have
// their own look. A left click on a day selects it, a click on the month's name opens a menu of
// months, and two small buttons on the chart step a month back and forth. The calendar draws in
// the rectangle of its axes' pixel ranges.
#include <functional>
#include <memory>

#include "chart/engine/ChartSeries.h"
#include "chart/foundation/TeePanel.h"
#include "chart/series/algo/CalendarLayout.h"
#include "chart/series/calendar/CalendarCell.h"

class TChartPen;
class TPopupMenu;
class TSpeedButton;

using TCalendarChangeEvent = std::function<void(TCalendarSeries& sender, TDateTime& value)>;

class TCalendarSeries : public TChartSeries, public IPanelListener {
    KV_DECLARE_CLASS(TCalendarSeries, TChartSeries)
public:
    explicit TCalendarSeries(TComponent* owner);
    ~TCalendarSeries() override;
    static std::string EditorClassName() { return "TCalendarSeriesEditor"; }

    TDateTime Date() const { return FDate; }
    // OnChange may change or veto (give back Date) the new date first.
    void SetDate(TDateTime value);
    void NextMonth();
    void PreviousMonth();
    // Date's day in month (1 ... 12) of Date's year, clamped to that month's length.
    void SelectMonth(int month);

    TCalendarCell* Days() const { return FDays.get(); }
    void SetDays(const TCalendarCell* value) { FDays->Assign(value); }
    TCalendarCellUpper* Months() const { return FMonths.get(); }
    void SetMonths(const TCalendarCellUpper* value) { FMonths->Assign(value); }
    TCalendarCell* Sunday() const { return FSunday.get(); }
    void SetSunday(const TCalendarCell* value) { FSunday->Assign(value); }
    TCalendarCell* Today() const { return FToday.get(); }
    void SetToday(const TCalendarCell* value) { FToday->Assign(value); }
    TCalendarCell* Trailing() const { return FTrailing.get(); }
    void SetTrailing(const TCalendarCell* value) { FTrailing->Assign(value); }
    TCalendarCellUpper* WeekDays() const { return FWeekDays.get(); }
    void SetWeekDays(const TCalendarCellUpper* value) { FWeekDays->Assign(value); }
    // The grid lines.
    TChartPen* Pen() const { return FPen.get(); }
    void SetPen(const TChartPen* value);

    bool NextButtonVisible() const;
    void SetNextButtonVisible(bool value);
    bool PreviousButtonVisible() const;
    void SetPreviousButtonVisible(bool value);
    // Made on first use (on the chart, when there is one).
    TSpeedButton* NextButton();
    TSpeedButton* PreviousButton();
    // Made on the first click on the month's name.
    TPopupMenu* MonthMenu() const { return FMonthMenu.get(); }

    int Columns() const { return FColumns; }
    int Rows() const { return FRows; }
    // 0 = Monday ... 6 = Sunday; the locale's when the series was made.
    int FirstDayOfWeek() const { return FFirstDayOfWeek; }
    // Where day 1 was last drawn.
    TCalendarCellPlace CellPlace() const;

    // Runs a click at chart position (x, y): the month menu on the month's name, else the date
    // of the day cell there.
    void Click(int x, int y);
    // The month's menu opens here (tests replace it); by default the platform's popup.
    std::function<void(TPopupMenu& menu, int screenX, int screenY)> PopupMonthMenu;

    TCalendarChangeEvent OnChange;

    void SetActive(bool value) override;
    void AttachedToChart() override;
    void DetachedFromChart() override;
    bool UsesAxes() const override { return false; }
    int DefaultSampleCount() const override { return 1; }
    int ValueIndexAt(int x, int y) override;
    void ComputeVisibleRange() override;
    void DrawAllValues() override;
    void PrepareForGallery(bool enabled) override;
    void HandleTeeEvent(TTeeEvent* event) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TCalendarSeries>& p);

protected:
    void AddRandomValues(int numValues, bool onlyMandatory) override;
    // Today and Sunday cells start at clDefault and take the chart's palette colours, so a cell
    // set to the shapes' default white is kept by an entry of its own.
    void DefineProperties(TFiler& filer) override;

private:
    struct TFreeObject {
        void operator()(TObject* object) const;
    };
    using TButtonPtr = std::unique_ptr<TSpeedButton, TFreeObject>;

    // The axes' pixel ranges the calendar fills.
    struct TFrame {
        int HStart, HSize, VStart, VSize;
    };
    TFrame Frame() const;
    int VisibleHeaders() const;
    int RowCount() const { return FRows - 2 + VisibleHeaders(); }
    int ColumnX(double column) const;
    int RowY(double row) const;
    TRect DaysArea() const;
    void DrawCell(TCalendarCell& cell, int column, int row, const std::string& text);
    void DrawGrid();
    TSpeedButton* MakeButton(TButtonPtr& button, const char* caption, int left);
    void FreeButtons();
    void SetCellsChart(TCustomAxisPanel* chart);
    TCalendarCellPlace Place() const;

    TDateTime FDate;
    std::unique_ptr<TCalendarCell> FDays;
    std::unique_ptr<TCalendarCellUpper> FMonths;
    std::unique_ptr<TCalendarCell> FSunday;
    std::unique_ptr<TCalendarCell> FToday;
    std::unique_ptr<TCalendarCell> FTrailing;
    std::unique_ptr<TCalendarCellUpper> FWeekDays;
    std::unique_ptr<TChartPen> FPen;
    TButtonPtr FNextButton;
    TButtonPtr FPreviousButton;
    // Kept here: the buttons are made anew on every chart the series moves to.
    bool FNextVisible = true;
    bool FPreviousVisible = true;
    // Where the month's name was last drawn; empty while hidden.
    TRect FMonthRect;
    std::unique_ptr<TPopupMenu, TFreeObject> FMonthMenu;
    int FColumns = 7;
    int FRows = 8;
    int FFirstDayOfWeek = 0;
    int FFirstDayRow = 0;
    int FFirstDayColumn = 0;
    TCustomAxisPanel* FListened = nullptr;
};
