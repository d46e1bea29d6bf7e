#pragma once
// The canvas's pixel work: raster operations, brush patterns and the clip, applied to runs of
// pixels of one row. Every primitive ends here, so the conventions hold for all of them alike.
// Internal to the drawing layer (included by its .cpp files only).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/ShapeMask.h"

// A pixel value as the image keeps it: 0x00RRGGBB.
using TDevicePixel = uint32_t;

inline TDevicePixel ToDevice(TColor color) {
    const uint32_t c = uint32_t(ColorToRGB(color));
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
inline TColor FromDevice(TDevicePixel p) {
    return TColor(((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF));
}

uint32_t ApplyRop(TPenMode mode, uint32_t pen, uint32_t dest);
// The raster operation of a copy mode (source pixels in the pen's place).
TPenMode CopyModeRop(TCopyMode mode);

// Dash patterns of one-pixel pens, in pixels on and off; null for a style without dashes.
struct TDashes {
    int Count;
    int Lengths[6];
};
const TDashes* DashesOf(TPenStyle style);

// What a run is painted with.
struct TPaint {
    enum TKind { Solid, Hatched, Patterned };
    TKind Kind = Solid;
    TDevicePixel Color = 0;
    TDevicePixel Back = 0;  // hatch gaps when Opaque
    bool Opaque = false;
    TBrushStyle Hatch = bsSolid;      // when Hatched
    const QImage* Pattern = nullptr;  // when Patterned
    bool Mono = false;  // a two-colour pattern: black takes Color (the text colour), white Back
    TPenMode Rop = pmCopy;
};

class TCanvas::TPainter {
public:
    // Starts a primitive on image (null: nothing is drawn). The clip comes from the canvas.
    bool Begin(TCanvas& canvas);
    QImage* Image() const { return FImage; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // The surface grown by margin on every side: shapes are worked out only there, however far
    // their coordinates reach.
    TRect Surface(int margin) const {
        return Rect(-margin, -margin, FWidth + margin, FHeight + margin);
    }
    // The deepest a shape's outline is cut by distance (the grid reaches that far past the
    // surface): three times its longer side is more than twice its diagonal, so a pen that wide
    // whose line crosses the surface covers all of it, as any wider one would.
    int PenWidthLimit() const { return 3 * std::max(FWidth, FHeight) + 2; }
    // The rows of [top, bottom) that lie on the surface.
    int FirstRow(int top) const { return std::max(top, 0); }
    int EndRow(int bottom) const { return std::min(bottom, FHeight); }

    // Paints [x0, x1) of row y.
    void Run(int y, int x0, int x1, const TPaint& paint);
    void Pixel(int x, int y, const TPaint& paint);
    bool Visible(int x, int y) const;
    TDevicePixel Read(int x, int y) const;
    void Write(int x, int y, TDevicePixel p);

    // Calls f(a, b) for the visible pieces of [x0, x1) in row y.
    template <class F>
    void ForVisible(int y, int x0, int x1, F&& f) const {
        if (y < 0 || y >= FHeight) return;
        x0 = std::max(x0, 0);
        x1 = std::min(x1, FWidth);
        if (x0 >= x1) return;
        if (!FHasClip) return f(x0, x1);
        if (y >= int(FClipRows.size())) return;
        const auto [first, last] = FClipRows[size_t(y)];
        for (int i = first; i < last; ++i) {
            const TRect& r = FClipRects[size_t(i)];
            const int a = std::max(x0, r.Left), b = std::min(x1, r.Right);
            if (a < b) f(a, b);
        }
    }

    // The clip as rectangles cut to the surface with, for each row, the range of those in it.
    void SetClip(bool hasClip, const TRegion& clip);

    // A reusable grid for the shapes of the current primitive.
    TShapeMask& Mask() { return FMask; }

private:
    void PaintRun(uint8_t* row, int y, int x0, int x1, const TPaint& paint);

    QImage* FImage = nullptr;
    int FWidth = 0;
    int FHeight = 0;
    int FBytes = 4;
    uint8_t* FBits = nullptr;
    ptrdiff_t FStride = 0;
    void IndexClip();

    struct TClipSource {
        int64_t Left, Top, Right, Bottom;
    };
    bool FHasClip = false;
    std::vector<TClipSource> FClipSource;
    int FClipIndexWidth = 0;
    int FClipIndexHeight = 0;
    std::vector<TRect> FClipRects;
    std::vector<std::pair<int, int>> FClipRows;
    TShapeMask FMask;
};

// The paints of the canvas's current pen and brush; the brush's Kind is Solid with Rop pmNop
// when it paints nothing.
TPaint PenPaint(const TCanvas& canvas);
TPaint BrushPaint(const TCanvas& canvas, TPenMode rop);
inline bool PaintsNothing(const TPaint& paint) {
    return paint.Kind == TPaint::Solid && paint.Rop == pmNop;
}
