#pragma once
// What a canvas hands over instead of drawing when it records: each primitive as an operation
// with its logical coordinates, the text of text output and the pixels of pictures. The
// recorder reads the pen, brush, font and the rest of the state from the canvas itself, so it
// can note only what changed since the previous primitive.
#include <span>
#include <string_view>

#include "platform/graphics/Geometry.h"
#include "platform/graphics/Pen.h"
#include "platform/graphics/Region.h"

class QImage;
class TCanvas;

enum class TMetaOp : uint8_t {
    MoveTo,     // x, y
    LineTo,     // x, y
    Polyline,   // x0, y0, x1, y1...
    Polygon,    // x0, y0, x1, y1...
    Rectangle,  // x1, y1, x2, y2
    Ellipse,    // x1, y1, x2, y2
    RoundRect,  // x1, y1, x2, y2, ellipse width, ellipse height
    Arc,        // box, start radial point, end radial point
    ArcTo,
    Pie,
    Chord,
    FillRect,   // left, top, right, bottom: the brush with a copy, no pen
    FrameRect,  // left, top, right, bottom: a one-pixel frame in the brush colour
    SetPixel,   // x, y, colour
    TextOut,    // x, y and the text
    TextRect,   // rect, x, y and the text
    IntersectClipRect,
    ExcludeClipRect,
    BeginPath,
    EndPath,
    CloseFigure,
    AbortPath,
    FlattenPath,
    WidenPath,
    StrokePath,
    FillPath,
    StrokeAndFillPath,
    SelectClipPath,  // mode
};

class TCanvasRecorder {
public:
    virtual ~TCanvasRecorder();
    virtual void Record(TCanvas& canvas, TMetaOp op, std::span<const int> args,
                        std::string_view text = {}) = 0;
    // srcRect of image stretched into dest by the raster operation.
    virtual void RecordImage(TCanvas& canvas, const TRect& dest, const QImage& image,
                             const TRect& srcRect, TPenMode rop) = 0;
    // The clip replaced (region null: no clip) or combined, in pixels of the recording.
    virtual void RecordClip(TCanvas& canvas, const TRegion* region, TRegionCombineMode mode) = 0;
};
