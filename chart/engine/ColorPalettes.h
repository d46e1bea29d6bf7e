#pragma once
// The fifteen built-in colour palettes a chart can take its series colours from instead of the
// library's default colour list, their names, and how a chart takes one on. Number 0 (and any
// number outside 1 .. 15) stands for the default list.
#include <span>
#include <string>

#include "platform/graphics/Colors.h"
#include "platform/rtl/StringList.h"

class TCustomAxisPanel;
class TChartSeries;

// The chart component keeps the number of the palette it uses; the axis panel below it does
// not, so ApplyPalette stores the number only on a chart that holds one.
class TColorPaletteHolder {
public:
    virtual ~TColorPaletteHolder() = default;
    virtual void StoreColorPaletteIndex(int number) = 0;
};

// The palette names; the position in the list is the palette number.
class TColorPalettes : public TStringList {
public:
    // "Default" without an object first when asked, then every palette name with its number
    // as the item's object.
    static void AddNamesTo(TStrings& items, bool addDefault);
    // Numbers 1 .. 15 give the chart that table, any other number the default list. Series
    // whose colour is still automatic are recoloured; the number is stored even out of range.
    static void ApplyPalette(TCustomAxisPanel* chart, int number);
};

inline constexpr int ColorPaletteCount = 15;

// The colours of palette number (1 .. 15); empty for any other number.
std::span<const TColor> PaletteColors(int number);

// Filled by the chart unit's start-up (FillColorPaletteNames), freed at its shutdown; none
// outside that time.
extern TColorPalettes* ColorPaletteNames;
void FillColorPaletteNames();
void FreeColorPaletteNames();

// The chart component's free-colour test: no other series of the chart shows the colour and,
// with checkBackground, it is neither the chart's own colour nor the back wall's.
bool SeriesColorIsFree(const TCustomAxisPanel& chart, TColor color, bool checkBackground,
                       const TChartSeries* series, TColor backWallColor);
