#pragma once
// Text broken into lines at word boundaries so that each line fits a width, as hints and
// labels show it: explicit line breaks always break, a word wider than the width keeps a line
// of its own rather than being cut.
#include <string>
#include <string_view>
#include <vector>

#include "platform/graphics/Geometry.h"
#include "platform/ui/Label.h"

class TCanvas;

struct TWrappedText {
    std::vector<std::string> Lines;
    int LineHeight = 0;
    // The widest line by the number of lines.
    TSize Extent;
};

// Breaks text for the canvas's font; a width of 0 or less breaks only at explicit line breaks.
TWrappedText WrapText(TCanvas& canvas, std::string_view text, int width);

// Draws the lines from rect's top, each aligned within rect and clipped to it.
void DrawWrappedText(TCanvas& canvas, const TRect& rect, const TWrappedText& text,
                     TAlignment alignment);
