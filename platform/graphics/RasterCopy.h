#pragma once
// A picture of any kind drawn into a bitmap, for code that works on pixels (filters, pattern
// brushes, pictures mapped onto a plane). A metafile may declare any size in a few bytes, so the
// bitmap takes the picture's own size only up to MaxRasterPixels (GraphicsLimits.h); a larger
// picture is drawn scaled down to fit, in its own proportions. Callers that place the copy use
// the picture's size, not the copy's, or stretch the copy over their target.

class TBitmap;
class TGraphic;

// Sizes bitmap by BoundedRasterSize (GraphicsLimits.h) and draws graphic into it (white where it
// draws nothing).
void DrawRasterCopy(TBitmap& bitmap, TGraphic* graphic);
