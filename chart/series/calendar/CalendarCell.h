#pragma once
// One kind of cell of a month calendar (ordinary days, Sundays, today, the neighbouring months'
// days, the headers): a framed shape that repaints its calendar's chart when changed. Header
// cells also carry the date format of their text and whether it is upper-cased.
#include <string>

#include "chart/foundation/TeeShape.h"

class TCalendarSeries;

class TCalendarCell : public TTeeShape {
    KV_DECLARE_CLASS(TCalendarCell, TTeeShape)
public:
    explicit TCalendarCell(TCalendarSeries* series = nullptr);
    ~TCalendarCell() override;

    TCalendarSeries* Series() const { return FSeries; }
    // Transparent unless changed, and stored only when changed.
    void MakeTransparentByDefault() { SetDefaultTransparent(true); }

    static void Publish(TPublisher<TCalendarCell>&) {}

private:
    TCalendarSeries* FSeries;
};

class TCalendarCellUpper : public TCalendarCell {
    KV_DECLARE_CLASS(TCalendarCellUpper, TCalendarCell)
public:
    TCalendarCellUpper(TCalendarSeries* series, const std::string& format);
    explicit TCalendarCellUpper(TCalendarSeries* series = nullptr)
        : TCalendarCellUpper(series, {}) {}
    ~TCalendarCellUpper() override;

    bool UpperCase() const { return FUpperCase; }
    void SetUpperCase(bool value);
    const std::string& Format() const { return FFormat; }
    void SetFormat(const std::string& value);
    // The text of date in Format, upper-cased when UpperCase.
    std::string DateText(double date) const;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TCalendarCellUpper>& p);

private:
    bool FUpperCase = false;
    std::string FFormat;
    std::string FDefaultFormat;
};
