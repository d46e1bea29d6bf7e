#include "chart/tools/overlay/NotXorPen.h"

#include "chart/foundation/TeeCanvas.h"
#include "platform/graphics/Pen.h"

TColor NotXorColor(TColor penColor, TColor backColor) {
    // not (back xor (pen xor not back)) = pen, per channel.
    return TColor((ColorToRGB(penColor) ^ (0xFFFFFF - ColorToRGB(backColor))) & 0xFFFFFF);
}

TNotXorPen::TNotXorPen(TTeeCanvas& canvas, const TPen& pen, TColor backColor) : FCanvas(canvas) {
    const TColor color = NotXorColor(pen.Color(), backColor);
    canvas.UsePenWithColor(&pen, color);
    // Exactly this colour: the inverting arithmetic needs it as it is.
    canvas.Pen()->SetColor(color);
    canvas.Pen()->SetMode(pmNotXor);
}

TNotXorPen::~TNotXorPen() { FCanvas.Pen()->SetMode(pmCopy); }
