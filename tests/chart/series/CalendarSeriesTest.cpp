// The month calendar: where days fall for a known month, which date a cell stands for (the
// neighbouring months' days included), clicks and the two month buttons through real mouse
// events on a shown chart, the month menu, the change veto, and the series from the gallery
// through its form and the stream.
#include <gtest/gtest.h>

#include <QPoint>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "chart/engine/ChartAxis.h"
#include "chart/series/algo/CalendarLayout.h"
#include "chart/series/calendar/CalendarSeries.h"
#include "chart/series/calendar/CalendarSeriesEditor.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Menus.h"
#include "platform/ui/SpeedButton.h"
#include "tests/chart/series/GalleryRoundTrip.h"
#include "tests/platform/ui/UserInput.h"

namespace {

TEST(CalendarLayoutTest, FirstDayColumnFollowsTheFirstDayOfTheWeek) {
    // 1 June 2025 was a Sunday, 1 September 2025 a Monday.
    const TDateTime june = EncodeDate(2025, 6, 15), september = EncodeDate(2025, 9, 30);
    EXPECT_EQ(FirstDayColumn(june, 0, 7), 7);
    EXPECT_EQ(FirstDayColumn(june, 6, 7), 1);
    EXPECT_EQ(FirstDayColumn(september, 0, 7), 1);
    EXPECT_EQ(FirstDayColumn(september, 6, 7), 2);
    EXPECT_EQ(FirstDayColumn(september, 2, 7), 6);
}

TEST(CalendarLayoutTest, DateOfEachKindOfCell) {
    struct Case {
        int year, month, column, row;
        bool trailing;
        bool found;
        int resultYear, resultMonth, resultDay;
    };
    // Monday first, day rows from row 3.
    const Case cases[] = {
        {2025, 6, 7, 3, true, true, 2025, 6, 1},    // day 1 on a Sunday
        {2025, 6, 1, 3, true, true, 2025, 5, 26},   // leading trailing day
        {2025, 6, 1, 3, false, false, 0, 0, 0},     // ... hidden
        {2025, 6, 1, 4, true, true, 2025, 6, 2},    // the next week
        {2025, 6, 2, 8, true, true, 2025, 7, 1},    // following trailing day
        {2025, 6, 2, 8, false, false, 0, 0, 0},     // ... hidden
        {2025, 6, 3, 2, true, false, 0, 0, 0},      // week-day header
        {2025, 1, 1, 3, true, true, 2024, 12, 30},  // before January: December before
        {2025, 12, 4, 7, true, true, 2026, 1, 1},   // after December: January after
    };
    for (const Case& c : cases) {
        const TDateTime date = EncodeDate(c.year, c.month, 10);
        const TCalendarCellPlace place{3, FirstDayColumn(date, 0, 7), c.trailing};
        TDateTime result = 0;
        SCOPED_TRACE(testing::Message()
                     << c.year << "-" << c.month << " cell " << c.column << "," << c.row);
        ASSERT_EQ(CalendarCellDate(date, place, c.column, c.row, result), c.found);
        if (c.found) {
            EXPECT_EQ(result, EncodeDate(c.resultYear, c.resultMonth, c.resultDay));
        }
    }
}

class CalendarSeriesTest : public ::testing::Test {
protected:
    CalendarSeriesTest() {
        TFormatSettings settings;
        settings.FirstDayOfWeek = 0;
        Pinned = std::make_unique<TFormatSettingsGuard>(settings);
        Form.SetBounds(100, 50, 420, 320);
        Chart = new TChart(&Form);
        Chart->SetParent(&Form);
        Chart->SetBounds(0, 0, 400, 300);
        Chart->SetView3D(false);
        Series = new TCalendarSeries(&Form);
        Chart->AddSeries(Series);
        Series->SetDate(EncodeDate(2025, 6, 15));
    }
    // Shows the form and draws the calendar once, so that clicks know where day 1 is.
    void Show() {
        Form.Show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(Form.Widget()->windowHandle()));
        Chart->Repaint();
    }
    // The centre of cell (column, row), 1-based, in chart coordinates.
    QPoint CellCentre(int column, int row, int rows = 8) const {
        const TChartAxis* h = Series->ResolvedHorizAxis();
        const TChartAxis* v = Series->ResolvedVertAxis();
        return QPoint(h->StartPos() + int(h->AxisSize() * (column - 0.5) / 7),
                      v->StartPos() + int(v->AxisSize() * (row - 0.5) / rows));
    }
    // A left click at chart position at, given to the widget under it (a button on the chart
    // or the chart itself) as the window system would.
    void ClickAt(QPoint at) {
        TUserInput input;
        input.Click(Chart, at);
        Chart->Repaint();
    }

    TSeriesLibraryStartup Library;
    std::unique_ptr<TFormatSettingsGuard> Pinned;
    TForm Form{nullptr};
    TChart* Chart = nullptr;
    TCalendarSeries* Series = nullptr;
};

TEST_F(CalendarSeriesTest, ClicksSelectDaysOfThisAndTheNeighbouringMonths) {
    Show();
    EXPECT_EQ(Series->CellPlace().FirstRow, 3);
    EXPECT_EQ(Series->CellPlace().FirstColumn, 7);
    ClickAt(CellCentre(7, 3));
    EXPECT_EQ(Series->Date(), EncodeDate(2025, 6, 1));
    // A leading trailing day: 26 May.
    ClickAt(CellCentre(1, 3));
    EXPECT_EQ(Series->Date(), EncodeDate(2025, 5, 26));
    // Now May shows (1 May 2025 was a Thursday): its last row holds 2 and 3 June.
    EXPECT_EQ(Series->CellPlace().FirstColumn, 4);
    ClickAt(CellCentre(2, 8));
    EXPECT_EQ(Series->Date(), EncodeDate(2025, 6, 3));
    Series->SetDate(EncodeDate(2025, 6, 15));
    Series->Trailing()->SetVisible(false);
    Chart->Repaint();
    ClickAt(CellCentre(3, 8));
    EXPECT_EQ(Series->Date(), EncodeDate(2025, 6, 15));
    // A header cell is no day.
    ClickAt(CellCentre(3, 2));
    EXPECT_EQ(Series->Date(), EncodeDate(2025, 6, 15));
}

TEST_F(CalendarSeriesTest, HiddenHeadersMoveTheDaysUp) {
    Series->WeekDays()->SetVisible(false);
    Series->Months()->SetVisible(false);
    Show();
    EXPECT_EQ(Series->CellPlace().FirstRow, 1);
    ClickAt(CellCentre(1, 2, 6));
    EXPECT_EQ(Series->Date(), EncodeDate(2025, 6, 2));
    ClickAt(CellCentre(1, 6, 6));
    EXPECT_EQ(Series->Date(), EncodeDate(2025, 6, 30));
}

TEST_F(CalendarSeriesTest, ButtonsStepMonthsClampingTheDay) {
    Show();
    TSpeedButton* next = Series->NextButton();
    TSpeedButton* previous = Series->PreviousButton();
    EXPECT_EQ(next->Caption(), ">");
    EXPECT_EQ(previous->Caption(), "<");
    auto centreOf = [](TSpeedButton* b) {
        return QPoint(b->Left() + b->Width() / 2, b->Top() + b->Height() / 2);
    };
    Series->SetDate(EncodeDate(2025, 3, 31));
    ClickAt(centreOf(previous));
    EXPECT_EQ(Series->Date(), EncodeDate(2025, 2, 28));
    Series->SetDate(EncodeDate(2024, 1, 31));
    ClickAt(centreOf(next));
    EXPECT_EQ(Series->Date(), EncodeDate(2024, 2, 29));
    Series->SetDate(EncodeDate(2025, 12, 31));
    ClickAt(centreOf(next));
    EXPECT_EQ(Series->Date(), EncodeDate(2026, 1, 31));
    // Inactive, the buttons go; on another chart they are made anew, still hidden when asked.
    Series->SetActive(false);
    EXPECT_FALSE(next->Visible());
    Series->SetActive(true);
    Series->SetNextButtonVisible(false);
    TChart other(nullptr);
    Series->SetParentChart(&other);
    EXPECT_EQ(Series->NextButton()->Parent(), &other);
    EXPECT_FALSE(Series->NextButton()->Visible());
    EXPECT_TRUE(Series->PreviousButton()->Visible());
    Series->SetParentChart(nullptr);
}

TEST_F(CalendarSeriesTest, MonthMenuAndChangeVeto) {
    Show();
    int popups = 0;
    Series->PopupMonthMenu = [&](TPopupMenu&, int, int) { ++popups; };
    ClickAt(CellCentre(4, 1));
    ASSERT_EQ(popups, 1);
    TPopupMenu* menu = Series->MonthMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->Items()->Count(), 12);
    EXPECT_EQ(menu->Items()->Items(1)->Caption(), "February");
    Series->SetDate(EncodeDate(2024, 3, 30));
    menu->Items()->Items(1)->Click();
    EXPECT_EQ(Series->Date(), EncodeDate(2024, 2, 29));

    int changes = 0;
    Series->OnChange = [&](TCalendarSeries& s, TDateTime& value) {
        ++changes;
        value = s.Date();
    };
    Series->NextMonth();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Series->Date(), EncodeDate(2024, 2, 29));
}

TEST_F(CalendarSeriesTest, LocaleFirstDayOfWeekOrdersTheColumns) {
    TFormatSettings sundayFirst;
    sundayFirst.FirstDayOfWeek = 6;
    const TFormatSettingsGuard pinned(sundayFirst);
    auto* series = new TCalendarSeries(&Form);
    EXPECT_EQ(series->FirstDayOfWeek(), 6);
    TChart chart(nullptr);
    chart.SetBounds(0, 0, 400, 300);
    chart.AddSeries(series);
    series->SetDate(EncodeDate(2025, 6, 15));
    TBitmap target(400, 300);
    chart.Draw(target.Canvas(), TRect{0, 0, 400, 300});
    EXPECT_EQ(series->CellPlace().FirstColumn, 1);
    chart.RemoveSeries(series);
}

TEST_F(CalendarSeriesTest, FromTheGalleryThroughItsFormAndTheStream) {
    TGalleryRoundTrip trip(*FindGalleryEntry("Calendar"));
    auto* series = dynamic_cast<TCalendarSeries*>(trip.Series);
    ASSERT_NE(series, nullptr);
    EXPECT_EQ(series->Count(), 1);
    series->SetDate(EncodeDate(2025, 6, 15));
    trip.Draw();
    auto* form = dynamic_cast<TCalendarSeriesEditor*>(trip.OpenEditor());
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->CBTrailing->Checked());
    form->CBTrailing->SetChecked(false);
    EXPECT_FALSE(series->Trailing()->Visible());
    form->CBWeekUpper->SetChecked(true);
    EXPECT_TRUE(series->WeekDays()->UpperCase());
    form->CBNext->SetChecked(false);
    EXPECT_FALSE(series->NextButtonVisible());
    EXPECT_NE(form->CellEditor(0), nullptr);
    // White is the shapes' default but not the cells' starting colour: it must come back white.
    series->Today()->SetColor(clWhite);
    trip.Draw();
    trip.ExpectStreamsBackEqual();
}

}  // namespace
