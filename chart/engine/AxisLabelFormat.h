#pragma once
// Measuring label texts, which may hold several lines separated by carriage returns.
#include <string_view>

class TTeeCanvas;

// The widest line of text with the surface's current font, and the number of lines. A last
// line after the final separator counts only when it is not empty; an empty text has no line.
int MultiLineTextWidth(TTeeCanvas& canvas, std::string_view text, int& lines);
