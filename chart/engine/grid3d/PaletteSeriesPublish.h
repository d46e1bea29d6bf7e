#pragma once
// The published settings of the palette series (the colour range, the palette, the depth rows
// and Z), declared by each class that publishes them: the grid base for every grid series, the
// vector series for itself. The palette base publishes nothing.
#include "chart/engine/grid3d/Custom3DPaletteSeries.h"

template <class S>
void PublishPaletteSettings(TPublisher<S>& p) {
    p.Integer("LegendEvery", &S::LegendEvery, &S::SetLegendEvery).Default(1);
    p.Color("StartColor", &S::StartColor, &S::SetStartColor).Default(TColor(0x800000));
    p.Color("MidColor", &S::MidColor, &S::SetMidColor).Default(clNone);
    p.Color("EndColor", &S::EndColor, &S::SetEndColor).Default(TColor(0xFFFFFF));
    p.Float("PaletteMin", &S::PaletteMin, &S::SetPaletteMin).Default(0.0);
    p.Float("PaletteStep", &S::PaletteStep, &S::SetPaletteStep).Default(0.0);
    p.Integer("PaletteSteps", &S::PaletteSteps, &S::SetPaletteSteps).Default(32);
    p.Enumeration("PaletteStyle", TeePaletteStyleNames(), &S::PaletteStyle, &S::SetPaletteStyle)
        .Default(psPale);
    p.Boolean("UseColorRange", &S::UseColorRange, &S::SetUseColorRange).Default(true);
    p.Boolean("UsePalette", &S::UsePalette, &S::SetUsePalette).Default(false);
    p.Boolean("UsePaletteMin", &S::UsePaletteMin, &S::SetUsePaletteMin).Default(false);
    p.Integer("TimesZOrder", &S::TimesZOrder, &S::SetTimesZOrder).Default(3);
    p.Object("ZValues", [](const S& s) { return const_cast<TChartValueList*>(&s.ZValues()); });
}
