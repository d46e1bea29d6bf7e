#pragma once
// A canvas's primitives drawn as shapes and text onto a painter instead of into pixels: the pages
// of printers and PDF files, which then keep vector outlines and real, searchable text in
// embedded fonts. The canvas still maps the coordinates, keeps the clip and gathers paths; it
// hands each finished primitive over in device pixels, and the surface keeps the conventions
// that show on paper: fills leave out the right and bottom edges, outlines of closed shapes stay
// inside their box, one-pixel pens stay one device pixel wide with their dash patterns, and the
// cell of opaque text, hatch gaps and dash gaps take the background colour.
// Raster operations that read the page (xor, not, mask...) cannot be kept on paper: the ones that
// invert (marks drawn twice to erase themselves, as on a preview) draw nothing here, and the
// others draw as a plain copy of their colour.
#include <span>
#include <string_view>

#include "platform/graphics/Canvas.h"

class QImage;
class QPainter;
class TPath;

class TPainterSurface {
public:
    // painter must stay active while the surface is in use; size is the page in device pixels.
    TPainterSurface(QPainter& painter, TSize size);
    ~TPainterSurface();
    TPainterSurface(const TPainterSurface&) = delete;
    TPainterSurface& operator=(const TPainterSurface&) = delete;

    TSize Size() const { return FSize; }

private:
    friend class TCanvas;

    // The primitives, in device pixels, with the canvas's pen, brush, font and modes.
    void Lines(TCanvas& c, std::span<const TPoint> points, bool closed);
    void Polygon(TCanvas& c, std::span<const TPoint> points);
    // box normalized; without a pen already one pixel smaller to the right and bottom.
    void Rectangle(TCanvas& c, const TRect& box);
    // Ellipse, RoundRect, Pie and Chord: box as for Rectangle, start and end radial points
    // counter-clockwise.
    void Shape(TCanvas& c, int kind, const TRect& box, int ew, int eh, TPoint start, TPoint end);
    void Arc(TCanvas& c, const TRect& box, TPoint start, TPoint end);
    void FillRect(TCanvas& c, const TRect& box);
    void FrameRect(TCanvas& c, const TRect& box);
    void SetPixel(int x, int y, TColor color);
    void Text(TCanvas& c, int x, int y, std::string_view text, const TRect* cellRect);
    // srcRect of src into dest (turned around when dest is), leaving out pixels of key when keyed.
    void Image(const TRect& dest, const QImage& src, const TRect& srcRect, TPenMode rop, bool keyed,
               TColor key);
    void Path(TCanvas& c, const TPath& path, bool stroke, bool fill);
    void ClipChanged(bool hasClip, const TRegion& clip);

    // Sets the painter's pen and brush for a primitive; false when it would paint nothing.
    bool UsePen(TCanvas& c);
    bool UseBrush(TCanvas& c, TPenMode rop);

    QPainter& FPainter;
    TSize FSize;
};
