#pragma once
// A drawing surface with the conventions every chart and control relies on:
// - Fills leave out the right and bottom edges: FillRect(Rect(0, 0, 4, 4)) paints 0..3 by 0..3.
// - LineTo and Polyline do not paint their last point; Polygon paints each vertex once.
// - Rectangle, Ellipse, RoundRect, Pie and Chord keep their outline inside their box, whatever
//   the pen's width; with a psClear pen the filled box is one pixel smaller to the right and
//   bottom.
// - The pen's Mode is the raster operation of pen strokes and brush fills alike, so pmXor or
//   pmNotXor drawn twice gives back every pixel.
// - Hatch gaps and the cell behind text take the background colour in OPAQUE mode only.
// - Arcs run counter-clockwise from the start radial to the end radial unless the arc
//   direction is AD_CLOCKWISE.
// - Clipping is in device pixels and holds for every primitive, text included.
// A surface is whatever image Image() gives: a bitmap's own pixels, or a window's persistent
// image for a canvas of the window layer; or a painter surface (PainterSurface.h) that takes the
// primitives as shapes and text, for the pages of printers and PDF files.
// - Coordinates are logical: the mapping (MM_TEXT or MM_ANISOTROPIC) turns them into pixels at
//   the start of each primitive and of each clip rectangle; regions stay in pixels. Font
//   heights and pens wider than one pixel scale with it; one-pixel pens stay one pixel, so
//   that hairlines and dotted pens look the same on a page of any resolution.
// - Between BeginPath and EndPath the lines, shapes and text go into the path instead of onto
//   the surface; the path is then stroked, filled, widened or made the clip (PathDraw.cpp).
// - A recording canvas (TMetafileCanvas) hands every primitive to its recorder instead.
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/classes/Events.h"
#include "platform/classes/Persistent.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Colors.h"
#include "platform/graphics/Font.h"
#include "platform/graphics/Geometry.h"
#include "platform/graphics/Mapping.h"
#include "platform/graphics/Pen.h"
#include "platform/graphics/Region.h"

class QImage;
class TCanvasRecorder;
enum class TMetaOp : uint8_t;
class TGraphic;
class TPainterSurface;
class TPath;
class TTextMeasurer;
struct TTextMetrics;

// Background modes.
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;
// Text alignment: one horizontal and one vertical flag.
inline constexpr unsigned TA_LEFT = 0;
inline constexpr unsigned TA_RIGHT = 2;
inline constexpr unsigned TA_CENTER = 6;
inline constexpr unsigned TA_TOP = 0;
inline constexpr unsigned TA_BOTTOM = 8;
inline constexpr unsigned TA_BASELINE = 24;
// The top-left corner of a text cell `width` wide, from the reference point that the alignment
// flags place, along the text's own axes (as text output and text paths place it).
TPoint TextCellOffset(unsigned align, int width, const TTextMetrics& metrics);
// Arc directions.
inline constexpr int AD_COUNTERCLOCKWISE = 1;
inline constexpr int AD_CLOCKWISE = 2;
// GetPixel outside the surface or the clip.
inline constexpr TColor CLR_INVALID = TColor(0xFFFFFFFF);

// How CopyRect combines source pixels S with the destination D.
enum TCopyMode {
    cmSrcCopy,      // S
    cmSrcInvert,    // S xor D
    cmSrcAnd,       // S and D
    cmSrcPaint,     // S or D
    cmSrcErase,     // S and not D
    cmNotSrcCopy,   // not S
    cmNotSrcErase,  // not (S or D)
    cmMergePaint,   // not S or D
    cmDstInvert,    // not D
    cmBlackness,
    cmWhiteness,
};

// Whether the canvas that handle named still lives; any thread may ask.
bool IsCanvasHandle(uint64_t handle);

class TCanvas : public TPersistent {
    KV_DECLARE_CLASS(TCanvas, TPersistent)
public:
    TCanvas();
    ~TCanvas() override;

    // --- Drawing objects. Changing the brush also sets the background: a solid brush makes it
    // opaque in the brush colour, any other style transparent. Changing the font sets the text
    // colour.
    TPen* Pen() const { return FPen.get(); }
    void SetPen(const TPen* value) { FPen->Assign(value); }
    TBrush* Brush() const { return FBrush.get(); }
    void SetBrush(const TBrush* value) { FBrush->Assign(value); }
    TFont* Font() const { return FFont.get(); }
    void SetFont(const TFont* value) { FFont->Assign(value); }

    // --- Device state.
    TPoint PenPos() const { return FPenPos; }
    void SetPenPos(TPoint value) { FPenPos = value; }
    int BkMode() const { return FBkMode; }
    void SetBkMode(int mode) { FBkMode = mode; }
    TColor BkColor() const { return FBkColor; }
    void SetBkColor(TColor color) { FBkColor = color; }
    TColor TextColor() const { return FTextColor; }
    void SetTextColor(TColor color) { FTextColor = color; }
    unsigned TextAlign() const { return FTextAlign; }
    void SetTextAlign(unsigned flags) { FTextAlign = flags; }
    int ArcDirection() const { return FArcDirection; }
    void SetArcDirection(int direction) { FArcDirection = direction; }
    TCopyMode CopyMode() const { return FCopyMode; }
    void SetCopyMode(TCopyMode mode) { FCopyMode = mode; }
    // A number naming this canvas while it lives and no canvas after it, as a device context's
    // handle does: whoever keeps a canvas pointer beyond the canvas's known life asks
    // IsCanvasHandle before using it again.
    uint64_t Handle() const { return FHandle; }
    // The measurer of text sizes; null (the default) for the real fonts. Not owned.
    TTextMeasurer* TextMeasurer() const { return FMeasurer; }
    void SetTextMeasurer(TTextMeasurer* measurer) { FMeasurer = measurer; }

    // --- Lines and shapes.
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(std::span<const TPoint> points);
    void Polygon(std::span<const TPoint> points);
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void Ellipse(int x1, int y1, int x2, int y2);
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    void RoundRect(int x1, int y1, int x2, int y2, int ellipseWidth, int ellipseHeight);
    // The arc of the ellipse in the box from where the radial through (x3, y3) meets it to where
    // the radial through (x4, y4) meets it. Pie closes it with two radii, Chord with a line.
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    // A line from the pen position to the arc's start, then the arc; the pen ends at its end.
    void ArcTo(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    // The brush over rect (no pen).
    void FillRect(const TRect& rect);
    // A one-pixel frame with the brush colour, inside rect.
    void FrameRect(const TRect& rect);

    // --- Pixels. Pixel gives CLR_INVALID outside the surface or the clip; SetPixel paints
    // with no raster operation.
    TColor Pixel(int x, int y);
    void SetPixel(int x, int y, TColor color);

    // --- Text (UTF-8), placed by TextAlign and turned by the font's Orientation about (x, y).
    // TextOut moves the pen position to the end of the text.
    void TextOut(int x, int y, std::string_view text);
    // Text clipped to rect; in OPAQUE mode the whole rect takes the background colour.
    void TextRect(const TRect& rect, int x, int y, std::string_view text);
    TSize TextExtent(std::string_view text);
    int TextWidth(std::string_view text) { return TextExtent(text).cx; }
    int TextHeight(std::string_view text) { return TextExtent(text).cy; }

    // --- Pictures and copies.
    void Draw(int x, int y, TGraphic* graphic);
    void StretchDraw(const TRect& rect, TGraphic* graphic);
    // Copies source's srcRect into dest, stretching when the sizes differ, by CopyMode.
    void CopyRect(const TRect& dest, TCanvas& source, const TRect& srcRect);
    // Lays source's srcRect over this surface at (x, y) with a constant opacity: each channel d
    // becomes (s * alpha + d * (255 - alpha)) / 255, rounded; alpha 255 copies.
    void AlphaBlend(int x, int y, TCanvas& source, const TRect& srcRect, uint8_t alpha);

    // --- Clipping, in device pixels.
    // The clip's bounds, or the whole surface without a clip.
    TRect ClipRect();
    // Replaces the clip by a copy of region; null removes it.
    void SelectClipRgn(const TRegion* region);
    // Combines the clip with region (a missing clip counts as the whole surface).
    void ExtSelectClipRgn(const TRegion& region, TRegionCombineMode mode);
    void IntersectClipRect(const TRect& rect);
    void ExcludeClipRect(const TRect& rect);
    // Copies the clip into region; false (region untouched) when there is none.
    bool GetClipRgn(TRegion& region) const;
    bool HasClip() const { return FHasClip; }
    bool PtVisible(int x, int y);

    // The drawing surface's size.
    int Width();
    int Height();

    // --- Mapping from logical coordinates to pixels.
    int MapMode() const { return FMapping.Mode; }
    void SetMapMode(int mode);
    TPoint WindowOrg() const { return FMapping.WindowOrg; }
    void SetWindowOrg(TPoint org) { FMapping.WindowOrg = org; }
    TSize WindowExt() const { return FMapping.WindowExt; }
    void SetWindowExt(TSize ext);
    TPoint ViewportOrg() const { return FMapping.ViewportOrg; }
    void SetViewportOrg(TPoint org) { FMapping.ViewportOrg = org; }
    TSize ViewportExt() const { return FMapping.ViewportExt; }
    void SetViewportExt(TSize ext);
    const TMapping& Mapping() const { return FMapping; }
    void SetMapping(const TMapping& mapping) { FMapping = mapping; }
    TPoint LPtoDP(TPoint p) const { return FMapping.LPtoDP(p); }
    TPoint DPtoLP(TPoint p) const { return FMapping.DPtoLP(p); }
    // In place, for the corners of clip rectangles and polygons made into regions.
    void LPtoDP(std::span<TPoint> points) const {
        for (TPoint& p : points) p = FMapping.LPtoDP(p);
    }
    // HORZRES, VERTRES, HORZSIZE, VERTSIZE, LOGPIXELSX, LOGPIXELSY of the device: a bitmap or a
    // window is a screen at 96 pixels per inch; printers and metafiles answer their own.
    virtual int DeviceCaps(int index);

    // --- Paths. BeginPath discards any path and starts recording one; EndPath closes it for
    // use. Stroking, filling and SelectClipPath use the path up; a path still open, or none,
    // makes them do nothing and answer false.
    void BeginPath();
    void EndPath();
    void CloseFigure();
    void AbortPath();
    bool FlattenPath();
    // The path becomes the outline of what the current pen would stroke.
    bool WidenPath();
    bool StrokePath();
    bool FillPath();
    bool StrokeAndFillPath();
    // Combines the clip with the area of the path (alternate fill) by mode.
    bool SelectClipPath(TRegionCombineMode mode);
    // The closed path's points in logical coordinates and their PT_ types; false without one.
    bool GetPath(std::vector<TPoint>& points, std::vector<uint8_t>& types) const;
    bool InPath() const;

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

protected:
    // The image drawn into; null when there is nothing to draw on (an empty bitmap).
    virtual QImage* Image() = 0;
    virtual void Changing();
    virtual void Changed();
    // Hands every primitive to recorder (not owned; null draws again).
    void SetRecorder(TCanvasRecorder* recorder) { FRecorder = recorder; }
    TCanvasRecorder* Recorder() const { return FRecorder; }
    // Draws every primitive onto surface as shapes and text instead of into Image() (not owned;
    // null draws into the image again). The clip in force is handed to it at once.
    void SetSurface(TPainterSurface* surface);
    TPainterSurface* Surface() const { return FSurface; }
    // The drawing surface's size: the image's, unless the canvas draws onto something else.
    virtual TSize SurfaceSize();

private:
    friend class TBitmap;
    friend class TMetafile;        // plays pictures back through BlitImage
    friend class TPainterSurface;  // draws with the canvas's scaled font, pen width and measurer
    class TPainter;

    void BrushChanged();
    void FontChanged();
    void ClipChanged();
    TTextMeasurer& Measurer();
    // Copies srcRect of src into dest (stretched, mirrored when dest is turned around), by the
    // raster operation; with keyed, source pixels of the key colour are left out.
    void BlitImage(const TRect& dest, const QImage& src, const TRect& srcRect, TPenMode rop,
                   bool keyed, TColor key);
    // Text at the reference point (x, y); with cellRect, clipped to it and, in OPAQUE mode, the
    // whole of it filled instead of the text's own cell.
    void DrawText(int x, int y, std::string_view text, const TRect* cellRect);
    // The pen along points (closed: back to the first point too).
    void Stroke(std::span<const TPoint> points, bool closed);
    // Closed shapes in a box: the pen on the outline, the brush inside.
    enum TShapeKind { skEllipse, skRoundRect, skPie, skChord };
    void BoxShape(TShapeKind kind, TRect box, int ew, int eh, TPoint start, TPoint end);
    // With a recorder: op handed to it, and true (the primitive draws nothing then).
    bool Recorded(TMetaOp op, std::initializer_list<int> args);
    // The logical points in pixels (the same span under an identity mapping).
    std::span<const TPoint> MapPoints(std::span<const TPoint> points);
    TRect MapRect(int x1, int y1, int x2, int y2) const {
        return FMapping.LPtoDP(Rect(x1, y1, x2, y2));
    }
    // The pen's width in pixels: wide pens scale with the mapping, one-pixel pens stay thin.
    int DevicePenWidth() const;
    // How deep the outline of a pen w wide is cut by distance on box (-1: all outline), within
    // what the painter allows on the current surface (after Begin).
    int OutlineDepth(int w, const TRect& box) const;
    // The font at its height in pixels (scaled by the mapping's vertical ratio).
    const TFont& DeviceFont();
    // The figures of a finished path filled and/or stroked, then the path dropped.
    bool DrawPath(bool stroke, bool fill);
    // The text's glyph outlines into the open path.
    void TextToPath(int x, int y, std::string_view text);

    std::unique_ptr<TPen> FPen;
    std::unique_ptr<TBrush> FBrush;
    std::unique_ptr<TFont> FFont;
    TPoint FPenPos;
    int FBkMode = OPAQUE;
    TColor FBkColor = clWhite;
    TColor FTextColor = clBlack;
    unsigned FTextAlign = TA_LEFT | TA_TOP;
    int FArcDirection = AD_COUNTERCLOCKWISE;
    TCopyMode FCopyMode = cmSrcCopy;
    TTextMeasurer* FMeasurer = nullptr;

    TMapping FMapping;
    std::vector<TPoint> FMapped;  // reused for mapped point lists
    std::unique_ptr<TPath> FPath;
    std::unique_ptr<TFont> FDeviceFont;  // the font scaled for a mapping, reused
    TCanvasRecorder* FRecorder = nullptr;
    TPainterSurface* FSurface = nullptr;

    bool FHasClip = false;
    TRegion FClip;
    std::unique_ptr<TPainter> FPainter;  // spans, masks and the clip's row index
    uint64_t FHandle;
};
