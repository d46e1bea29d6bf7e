#pragma once
// The polar grid's options: those of the polar series with "&Centered" in the place of
// "C&lose Circle", and a "Palette" page holding the palette editor of 3-D palette series, its
// grid panel hidden, on the series' private palette.
#include "chart/series/polar/PolarSeriesEditor.h"

class TGrid3DSeriesEditor;
class TPolarGridSeries;

class TPolarGridEditor : public TPolarSeriesEditor {
    KV_DECLARE_CLASS(TPolarGridEditor, TPolarSeriesEditor)
public:
    explicit TPolarGridEditor(TComponent* owner);
    ~TPolarGridEditor() override;

    TCheckBox* CBCentered;
    TTabSheet* TabPalette;
    TGrid3DSeriesEditor* PaletteEditor() const { return FPaletteEditor; }

protected:
    void DoShow() override;

private:
    TPolarGridSeries* FGrid = nullptr;
    TGrid3DSeriesEditor* FPaletteEditor = nullptr;
};
