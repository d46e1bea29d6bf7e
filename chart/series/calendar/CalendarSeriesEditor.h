#pragma once
// The calendar's options: the grid pen, which headers, days and buttons show, upper-cased
// headers, and a page per cell kind holding the shape editor of that cell. The series comes in
// Tag; each change is written at once.
#include <array>

#include "chart/editors/EditorForm.h"
#include "chart/editors/OwnedForm.h"

class TButtonPen;
class TCalendarSeries;
class TCheckBox;
class TFormTeeShape;
class TPageControl;
class TTabSheet;

class TCalendarSeriesEditor : public TEditorForm {
    KV_DECLARE_CLASS(TCalendarSeriesEditor, TEditorForm)
public:
    explicit TCalendarSeriesEditor(TComponent* owner);
    ~TCalendarSeriesEditor() override;

    TPageControl* PageControl1;
    TTabSheet* TabOptions;
    TButtonPen* BLines;
    TCheckBox* CBWeekDays;
    TCheckBox* CBWeekUpper;
    TCheckBox* CBTrailing;
    TCheckBox* CBToday;
    TCheckBox* CBMonths;
    TCheckBox* CBMonthUpper;
    TCheckBox* CBPrevious;
    TCheckBox* CBNext;
    // Days, Weekdays, Today, Sunday, Trailing, Months, in that order.
    std::array<TPageControl*, 6> CellPages{};
    TFormTeeShape* CellEditor(int index) const { return FCellEditors[size_t(index)].get(); }

protected:
    void DoShow() override;

private:
    TCalendarSeries* FSeries = nullptr;
    std::array<TOwnedForm<TFormTeeShape>, 6> FCellEditors;
};
