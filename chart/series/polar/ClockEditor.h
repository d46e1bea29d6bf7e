#pragma once
// The clock's options: those of the polar series without "Color Each", the numeral style and
// the pens of the three hands and of the spokes (the horizontal axis' grid).
#include "chart/series/polar/PolarSeriesEditor.h"

class TClockSeries;

class TClockEditor : public TPolarSeriesEditor {
    KV_DECLARE_CLASS(TClockEditor, TPolarSeriesEditor)
public:
    explicit TClockEditor(TComponent* owner);
    ~TClockEditor() override;

    TCheckBox* CBRoman;
    TButtonPen* BHours;
    TButtonPen* BMinutes;
    TButtonPen* BSeconds;
    TButtonPen* BRadius;

protected:
    void DoShow() override;
};
