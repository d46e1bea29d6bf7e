#include "chart/series/calendar/CalendarCell.h"

#include "platform/classes/Publisher.h"
#include "platform/rtl/DateTimeFormat.h"
#include "platform/rtl/StrUtils.h"

TCalendarCell::TCalendarCell(TCalendarSeries* series) : FSeries(series) {}

TCalendarCell::~TCalendarCell() = default;

TCalendarCellUpper::TCalendarCellUpper(TCalendarSeries* series, const std::string& format)
    : TCalendarCell(series), FFormat(format), FDefaultFormat(format) {}

TCalendarCellUpper::~TCalendarCellUpper() = default;

void TCalendarCellUpper::SetUpperCase(bool value) {
    if (FUpperCase == value) return;
    FUpperCase = value;
    Repaint();
}

void TCalendarCellUpper::SetFormat(const std::string& value) {
    if (FFormat == value) return;
    FFormat = value;
    Repaint();
}

std::string TCalendarCellUpper::DateText(double date) const {
    std::string text = FormatDateTime(FFormat, date);
    return FUpperCase ? AnsiUpperCase(text) : text;
}

void TCalendarCellUpper::Assign(const TPersistent* source) {
    if (const auto* other = dynamic_cast<const TCalendarCellUpper*>(source)) {
        FUpperCase = other->FUpperCase;
        FFormat = other->FFormat;
    }
    TCalendarCell::Assign(source);
}

void TCalendarCellUpper::Publish(TPublisher<TCalendarCellUpper>& p) {
    using C = TCalendarCellUpper;
    p.String("Format", &C::Format, &C::SetFormat).Stored([](const C& c) {
        return c.FFormat != c.FDefaultFormat;
    });
    p.Boolean("UpperCase", &C::UpperCase, &C::SetUpperCase).Default(false);
}
