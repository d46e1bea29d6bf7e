#pragma once
// The pen of figures drawn over a finished chart and taken away again by drawing them a second
// time: NOT-XOR, in the colour that shows the pen's own colour over the chart's back colour.
// The canvas's pen mode is copy again when the scope ends, also when drawing fails.
#include "platform/graphics/Colors.h"

class TPen;
class TTeeCanvas;

// The colour that NOT-XOR over backColor turns into penColor.
TColor NotXorColor(TColor penColor, TColor backColor);

class TNotXorPen {
public:
    TNotXorPen(TTeeCanvas& canvas, const TPen& pen, TColor backColor);
    ~TNotXorPen();
    TNotXorPen(const TNotXorPen&) = delete;
    TNotXorPen& operator=(const TNotXorPen&) = delete;

private:
    TTeeCanvas& FCanvas;
};
