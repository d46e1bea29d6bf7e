#pragma once
// How the canvas learns the size of text. The default asks the real font; geometry tests put a
// TFixedTextMeasurer in its place so that no test depends on the glyphs of an installed font.
#include <string_view>

#include "platform/graphics/Geometry.h"

class TFont;

struct TTextMetrics {
    int Ascent = 0;   // baseline to the top of the cell
    int Descent = 0;  // baseline to the bottom of the cell
    int Height() const { return Ascent + Descent; }
};

class TTextMeasurer {
public:
    virtual ~TTextMeasurer();
    virtual TTextMetrics Metrics(const TFont& font) = 0;
    // Width of the text (UTF-8) on one line.
    virtual int TextWidth(const TFont& font, std::string_view text) = 0;
};

// Every character CharWidth wide; the cell Ascent + Descent high, whatever the font.
class TFixedTextMeasurer : public TTextMeasurer {
public:
    TFixedTextMeasurer(int charWidth, int ascent, int descent)
        : FCharWidth(charWidth), FAscent(ascent), FDescent(descent) {}
    TTextMetrics Metrics(const TFont&) override { return {FAscent, FDescent}; }
    int TextWidth(const TFont& font, std::string_view text) override;

private:
    int FCharWidth;
    int FAscent;
    int FDescent;
};

// The measurer of the real fonts.
TTextMeasurer& FontTextMeasurer();
