#include "chart/foundation/TeeCanvas3D.h"

#include <cmath>
#include <vector>

#include "chart/foundation/PointRoutines.h"
#include "chart/foundation/SavedClipRegion.h"
#include "chart/foundation/View3DOptions.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/RtlMath.h"

TTeeCanvas3D::TTeeCanvas3D() = default;

TTeeCanvas3D::~TTeeCanvas3D() { ReleaseBufferBitmap(); }

// --- Passes and buffer -----------------------------------------------------------------------

TRect TTeeCanvas3D::PrepareDrawing(TCanvas* Canvas, TView3DOptions* ViewOptions, TColor, bool Is3D,
                                   const TRect& Bounds) {
    FPaintBounds = Bounds;
    FViewOptions = ViewOptions;
    if (ViewOptions) FFontZoomPercent = ViewOptions->FontZoom();
    FProjected3D = Is3D;
    FOrthoProjection = false;
    FZoomScale = 1;
    if (Is3D && ViewOptions) {
        FOrthoProjection = ViewOptions->Orthogonal();
        if (FOrthoProjection) {
            int a = ViewOptions->OrthoAngle();
            FOrthoDepthX = 1;
            if (a > 90) {
                FOrthoDepthX = -1;
                a = 180 - a;
            }
            const double t = a * M_PI / 180;
            // Near 90 degrees the tangent would throw depth off the screen.
            FOrthoDepthY = std::cos(t) < 0.01 ? 1 : std::sin(t) / std::cos(t);
        }
    }
    if (!FOrthoProjection) ComputeRotationTerms();

    if (!FBufferedDisplayOn) {
        BindCanvas(Canvas);
        return Bounds;
    }
    const int w = Bounds.Right - Bounds.Left;
    const int h = Bounds.Bottom - Bounds.Top;
    if (!FBufferBitmap) FBufferBitmap = std::make_unique<TBitmap>();
    FBufferBitmap->SetSize(w, h);
    TCanvas* bufferCanvas = FBufferBitmap->Canvas();
    bufferCanvas->OnChange = nullptr;
    bufferCanvas->OnChanging = nullptr;
    BindCanvas(bufferCanvas);
    return TRect{0, 0, w, h};
}

void TTeeCanvas3D::ShowBuffer(TCanvas* DestCanvas, TCanvas* NextCanvas, const TRect& Rect) {
    if (FBufferedDisplayOn && FBufferBitmap) {
        CopyBufferTo(Rect.Left, Rect.Top, DestCanvas);
        FBufferDirty = false;
    }
    BindCanvas(NextCanvas);
}

bool TTeeCanvas3D::RepaintFromBuffer() {
    if (!FBufferDirty) CopyBufferTo(0, 0, BoundCanvas());
    return !FBufferDirty;
}

void TTeeCanvas3D::CopyBufferTo(int X, int Y, TCanvas* DestCanvas) {
    if (!FBufferBitmap || !DestCanvas) return;
    const int w = FBufferBitmap->Width();
    const int h = FBufferBitmap->Height();
    const TCopyMode mode = DestCanvas->CopyMode();
    DestCanvas->SetCopyMode(cmSrcCopy);
    DestCanvas->CopyRect(TRect{X, Y, X + w, Y + h}, *FBufferBitmap->Canvas(), TRect{0, 0, w, h});
    DestCanvas->SetCopyMode(mode);
}

void TTeeCanvas3D::SetBufferedDisplay(bool Value) {
    if (Value == FBufferedDisplayOn) return;
    FBufferedDisplayOn = Value;
    if (!FBufferBitmap) return;
    if (!Value) {
        if (FKeepBufferBitmap) return;
        ReleaseBufferBitmap();
        FBufferDirty = true;
    } else {
        BindCanvas(FBufferBitmap->Canvas());
    }
}

void TTeeCanvas3D::SetBufferBitmap(TBitmap* Bitmap) {
    (void)FBufferBitmap.release();  // the caller owns the previous bitmap now
    FBufferBitmap.reset(Bitmap);
}

void TTeeCanvas3D::ReleaseBufferBitmap() {
    // A surface still bound to the freed bitmap would draw into freed memory.
    if (FBufferBitmap && BoundCanvas() == FBufferBitmap->Canvas()) BindCanvas(nullptr);
    FBufferBitmap.reset();
}

void TTeeCanvas3D::SetMonochrome(bool Value) {
    if (Value == FMonochromeOn) return;
    FMonochromeOn = Value;
    FBufferDirty = true;
    if (FViewOptions && FViewOptions->RepaintOwner) FViewOptions->RepaintOwner();
}

// --- Device state ----------------------------------------------------------------------------

TColor TTeeCanvas3D::GetBackgroundColor() { return BoundCanvas()->BkColor(); }
int TTeeCanvas3D::GetBackgroundMode() { return BoundCanvas()->BkMode(); }
unsigned TTeeCanvas3D::GetTextAlignment() { return BoundCanvas()->TextAlign(); }
void TTeeCanvas3D::SetBackgroundColor(TColor Colour) {
    BoundCanvas()->SetBkColor(ColorToRGB(Colour));
}
void TTeeCanvas3D::SetBackgroundMode(int Mode) { BoundCanvas()->SetBkMode(Mode); }
void TTeeCanvas3D::SetTextAlignment(unsigned Flags) { BoundCanvas()->SetTextAlign(Flags); }
TColor TTeeCanvas3D::GetPixelColor(int X, int Y) { return BoundCanvas()->Pixel(X, Y); }
void TTeeCanvas3D::SetPixelColor(int X, int Y, TColor Colour) {
    BoundCanvas()->SetPixel(X, Y, ColorToRGB(Colour));
}
TColor TTeeCanvas3D::GetPixelColorAtZ(int X, int Y, int Z) {
    const TPoint p = ProjectPoint(X, Y, Z);
    return GetPixelColor(p.X, p.Y);
}

// --- Flat primitives -------------------------------------------------------------------------

void TTeeCanvas3D::DrawArc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
    BoundCanvas()->Arc(X1, Y1, X2, Y2, X3, Y3, X4, Y4);
}
void TTeeCanvas3D::DrawPie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
    BoundCanvas()->Pie(X1, Y1, X2, Y2, X3, Y3, X4, Y4);
}
void TTeeCanvas3D::DrawEllipse(int X1, int Y1, int X2, int Y2) {
    BoundCanvas()->Ellipse(X1, Y1, X2, Y2);
}
void TTeeCanvas3D::DrawRectangle(int X0, int Y0, int X1, int Y1) {
    BoundCanvas()->Rectangle(X0, Y0, X1, Y1);
}
void TTeeCanvas3D::DrawRoundRect(int X1, int Y1, int X2, int Y2, int CornerWidth,
                                 int CornerHeight) {
    BoundCanvas()->RoundRect(X1, Y1, X2, Y2, CornerWidth, CornerHeight);
}
void TTeeCanvas3D::FillRectangle(const TRect& Rect) { BoundCanvas()->FillRect(Rect); }
void TTeeCanvas3D::MovePenTo(int X, int Y) { BoundCanvas()->MoveTo(X, Y); }
void TTeeCanvas3D::DrawLineTo(int X, int Y) { BoundCanvas()->LineTo(X, Y); }
void TTeeCanvas3D::DrawPolyline(std::span<const TPoint> Points, int LastIndex) {
    BoundCanvas()->Polyline(Points.first(LastIndex + 1));
}
void TTeeCanvas3D::DrawPolygon(std::span<const TPoint> Points, int LastIndex) {
    BoundCanvas()->Polygon(Points.first(LastIndex + 1));
}
void TTeeCanvas3D::DrawGraphic(int X, int Y, TGraphic* Graphic) {
    if (Graphic && !Graphic->Empty()) BoundCanvas()->Draw(X, Y, Graphic);
}
void TTeeCanvas3D::StretchDrawGraphic(const TRect& Rect, TGraphic* Graphic) {
    if (Graphic) BoundCanvas()->StretchDraw(Rect, Graphic);
}

void TTeeCanvas3D::DrawDonutSlice(int XCenter, int YCenter, int XRadius, int YRadius,
                                  double StartAngle, double EndAngle, double HolePercent) {
    const double ix = HolePercent * XRadius * 0.01;
    const double iy = HolePercent * YRadius * 0.01;
    auto on = [&](double a, double rx, double ry) {
        return TPoint{RoundToInt(std::cos(a) * rx) + XCenter,
                      YCenter - RoundToInt(std::sin(a) * ry)};
    };
    const TPoint p0 = on(StartAngle, XRadius, YRadius);
    const TPoint p1 = on(EndAngle, XRadius, YRadius);
    TCanvas* canvas = BoundCanvas();
    canvas->MoveTo(p0.X, p0.Y);
    canvas->BeginPath();
    canvas->ArcTo(XCenter - XRadius, YCenter - YRadius, XCenter + XRadius, YCenter + YRadius, p0.X,
                  p0.Y, p1.X, p1.Y);
    const TPoint q0 = on(StartAngle, ix, iy);
    const TPoint q1 = on(EndAngle, ix, iy);
    if (q0 != q1) {
        // The inner arc runs back, clockwise, so the ring closes on itself.
        const int rx = RoundToInt(ix);
        const int ry = RoundToInt(iy);
        canvas->SetArcDirection(AD_CLOCKWISE);
        canvas->ArcTo(XCenter - rx, YCenter - ry, XCenter + rx, YCenter + ry, q1.X, q1.Y, q0.X,
                      q0.Y);
        canvas->SetArcDirection(AD_COUNTERCLOCKWISE);
    }
    canvas->CloseFigure();
    canvas->EndPath();
    canvas->StrokeAndFillPath();
}

// --- Clipping --------------------------------------------------------------------------------

void TTeeCanvas3D::ClipToRectangle(const TRect& Rect) {
    ApplyClipRegion(TRegion::FromRect(RectToDevice(Rect)), RGN_AND);
}

void TTeeCanvas3D::ClipToCube(const TRect& Rect, int Z0, int Z1) {
    if (!FProjected3D) {
        ClipToRectangle(TRect{Rect.Left + 1, Rect.Top + 1, Rect.Right, Rect.Bottom - 1});
        return;
    }
    std::vector<TPoint> corners = {
        ProjectPoint(Rect.Left, Rect.Bottom, Z0), ProjectPoint(Rect.Left, Rect.Bottom, Z1),
        ProjectPoint(Rect.Left, Rect.Top, Z1),    ProjectPoint(Rect.Right, Rect.Top, Z1),
        ProjectPoint(Rect.Right, Rect.Top, Z0),   ProjectPoint(Rect.Right, Rect.Bottom, Z0),
        ProjectPoint(Rect.Left, Rect.Top, Z0),    ProjectPoint(Rect.Right, Rect.Bottom, Z1)};
    ConvexHull(corners);  // eight points always leave a hull
    ClipToPolygon(corners, static_cast<int>(corners.size()) - 1, false);
}

void TTeeCanvas3D::RemoveClipping() { RestoreDeviceClip(*BoundCanvas()); }
