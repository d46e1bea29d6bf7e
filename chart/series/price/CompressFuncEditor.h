#pragma once
// The compression function's options: a calendar period, a clock period or a number of points
// per bar, one of the three chosen in RGPeriod (items in that order). Its controls only enable
// Apply of the page that embeds it; applying writes Compress from the calendar or clock choice,
// then Period from the point count.
#include "chart/editors/SourceEditorBase.h"

class TComboBox;
class TEdit;
class TRadioGroup;
class TUpDown;

class TCompressFuncEditor : public TBaseFunctionEditor {
    KV_DECLARE_CLASS(TCompressFuncEditor, TBaseFunctionEditor)
public:
    explicit TCompressFuncEditor(TComponent* owner);

    enum TPeriodChoice { pcDate, pcTime, pcPoints };
    TRadioGroup* RGPeriod;
    TComboBox* CBDatePeriod;
    TComboBox* CBTimePeriod;
    TEdit* ENum;
    TUpDown* UpDown1;

    void LoadFunction() override;
    void ApplyFunction() override;

private:
    void PeriodChosen();
    void Choose(TPeriodChoice choice);
};
