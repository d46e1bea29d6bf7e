#include "platform/graphics/RasterCopy.h"

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsLimits.h"

void DrawRasterCopy(TBitmap& bitmap, TGraphic* graphic) {
    const TSize size = BoundedRasterSize(graphic->Width(), graphic->Height());
    bitmap.SetSize(size.cx, size.cy);
    if (size.cx == graphic->Width() && size.cy == graphic->Height())
        bitmap.Canvas()->Draw(0, 0, graphic);
    else
        bitmap.Canvas()->StretchDraw(TRect{0, 0, size.cx, size.cy}, graphic);
}
