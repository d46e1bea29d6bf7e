#include "chart/tools/view/AntiAliasCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "chart/foundation/ChartPen.h"
#include "chart/foundation/View3DOptions.h"
#include "chart/tools/view/AntiAliasTool.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Brush.h"
#include "platform/rtl/RtlMath.h"

namespace {

// Plot (1) or skip (0), by the walking coordinate modulo 8.
constexpr uint8_t SmallDotsMask[8] = {1, 0, 1, 0, 1, 0, 1, 0};
constexpr uint8_t DashMask[8] = {1, 1, 1, 0, 1, 1, 1, 0};
constexpr uint8_t DotMask[8] = {1, 1, 0, 0, 1, 1, 0, 0};
constexpr uint8_t DashDotMask[8] = {1, 1, 1, 0, 1, 0, 1, 0};

// The outline's pen: style and colour for the time of a smoothed outline, then back.
class TOutlinePen {
public:
    TOutlinePen(TPen& pen, TColor colour) : FPen(pen), FStyle(pen.Style()), FColor(pen.Color()) {
        pen.SetStyle(psSolid);
        pen.SetColor(colour);
    }
    ~TOutlinePen() {
        FPen.SetColor(FColor);
        FPen.SetStyle(FStyle);
    }
    TOutlinePen(const TOutlinePen&) = delete;
    TOutlinePen& operator=(const TOutlinePen&) = delete;

private:
    TPen& FPen;
    TPenStyle FStyle;
    TColor FColor;
};

double Radians(double degrees) { return degrees * std::numbers::pi / 180; }

int Sign(int v) { return (v > 0) - (v < 0); }

uint8_t BlendComponent(uint8_t old, uint8_t c, float w) {
    const float delta = float(int(old) - int(c)) * w;
    return uint8_t(int(c) + int(std::nearbyint(delta)));
}

}  // namespace

TAntiAliasCanvas::TAntiAliasCanvas() = default;

TAntiAliasCanvas::~TAntiAliasCanvas() {
    if (FTool) FTool->CanvasDestroyed(this);
}

void TAntiAliasCanvas::SetAntiAliasOff(bool value) {
    if (value == FAntiAliasOff) return;
    FAntiAliasOff = value;
    UpdateSmoothing();
    if (ViewOptions() && ViewOptions()->RepaintOwner) ViewOptions()->RepaintOwner();
}

void TAntiAliasCanvas::UpdateSmoothing() {
    FSmoothing = !RecordingMetafile() && !FAntiAliasOff && GetBufferedDisplay();
    FRowAccess = false;
    if (FSmoothing && BufferBitmap()) {
        BufferBitmap()->SetPixelFormat(pf24bit);
        FRowAccess = true;
    }
}

TRect TAntiAliasCanvas::PrepareDrawing(TCanvas* Canvas, TView3DOptions* ViewOptions,
                                       TColor BackColour, bool Is3D, const TRect& Bounds) {
    // Smoothing blends into the buffer, so a pass always has one.
    TTeeCanvas3D::SetBufferedDisplay(true);
    const TRect r = TTeeCanvas3D::PrepareDrawing(Canvas, ViewOptions, BackColour, Is3D, Bounds);
    UpdateSmoothing();
    return r;
}

void TAntiAliasCanvas::SetBufferedDisplay(bool Value) {
    TTeeCanvas3D::SetBufferedDisplay(Value);
    UpdateSmoothing();
}

void TAntiAliasCanvas::SetBufferBitmap(TBitmap* Bitmap) {
    TTeeCanvas3D::SetBufferBitmap(Bitmap);
    UpdateSmoothing();
}

void TAntiAliasCanvas::UsePenWithColor(const TPen* Pen, TColor Colour) {
    TTeeCanvas3D::UsePenWithColor(Pen, Colour);
    this->Pen()->SetColor(Colour);
    FDrawColor = Colour;
    const auto* chartPen = dynamic_cast<const TChartPen*>(Pen);
    FSmallDots = chartPen && chartPen->SmallDots();
    FPenStyle = Pen->Style();
    FPenWidth = Pen->Width();
}

void TAntiAliasCanvas::UseDrawColor(TColor colour) {
    FDrawColor = ColorToRGB(colour);
    const auto rgb = uint32_t(FDrawColor);
    FRed = uint8_t(rgb & 0xFF);
    FGreen = uint8_t((rgb >> 8) & 0xFF);
    FBlue = uint8_t((rgb >> 16) & 0xFF);
}

void TAntiAliasCanvas::BlendPixel(int x, int y, float w) {
    TCanvas* device = BoundCanvas();
    if (!device || !device->PtVisible(x, y)) return;
    if (FRowAccess) {
        TBitmap* bitmap = BufferBitmap();
        // Column 0 and row 0 keep their pixels.
        if (x <= 0 || x >= bitmap->Width() || y <= 0 || y >= bitmap->Height()) return;
        // The row is asked for at each pixel: a copy of the bitmap taken since (a shown frame)
        // must not see these writes.
        uint8_t* p = bitmap->ScanLine(y) + 3 * x;
        p[0] = BlendComponent(p[0], FBlue, w);
        p[1] = BlendComponent(p[1], FGreen, w);
        p[2] = BlendComponent(p[2], FRed, w);
        return;
    }
    const auto old = uint32_t(ColorToRGB(GetPixelColor(x, y)));
    const uint8_t r = BlendComponent(uint8_t(old & 0xFF), FRed, w);
    const uint8_t g = BlendComponent(uint8_t((old >> 8) & 0xFF), FGreen, w);
    const uint8_t b = BlendComponent(uint8_t((old >> 16) & 0xFF), FBlue, w);
    SetPixelColor(x, y, TColor(r | (g << 8) | (b << 16)));
}

void TAntiAliasCanvas::BlendPair(int nx, int ny, int fx, int fy, float nearWeight) {
    BlendPixel(nx, ny, nearWeight);
    BlendPixel(fx, fy, 1 - nearWeight);
}

const uint8_t* TAntiAliasCanvas::DashMask() const {
    if (FSmallDots) return SmallDotsMask;
    switch (FPenStyle) {
        case psDash:
            return ::DashMask;
        case psDot:
            return DotMask;
        case psDashDot:
        case psDashDotDot:
            return DashDotMask;
        default:
            return nullptr;
    }
}

void TAntiAliasCanvas::MovePenTo(int X, int Y) {
    FLastX = X;
    FLastY = Y;
    TTeeCanvas3D::MovePenTo(X, Y);
}

void TAntiAliasCanvas::DrawLineTo(int X, int Y) {
    const int dx = X - FLastX;
    const int dy = Y - FLastY;
    if (!FSmoothing || Pen()->Style() == psClear || dx == 0 || dy == 0) {
        TTeeCanvas3D::DrawLineTo(X, Y);
        FLastX = X;
        FLastY = Y;
        return;
    }
    if (!FSmallDots && FPenWidth == 1) FDrawColor = ColorToRGB(Pen()->Color());
    if (FPenWidth < 2) {
        WalkLine(X, Y);
        return;
    }
    // A wide line: parallel lines one pixel wide, of which only the outer two are smoothed.
    const int width = FPenWidth;
    const int x0 = FLastX;
    const int y0 = FLastY;
    FPenWidth = 1;
    Pen()->SetWidth(1);
    for (int i = 0; i < width; ++i) {
        const int d = width / 2 - i;
        FSmoothing = i == 0 || i == width - 1;
        if (std::abs(dy) > std::abs(dx)) {
            MovePenTo(x0 - d, y0);
            DrawLineTo(X - d, Y);
        } else {
            MovePenTo(x0, y0 - d);
            DrawLineTo(X, Y - d);
        }
    }
    FPenWidth = width;
    Pen()->SetWidth(width);
    FSmoothing = true;
    MovePenTo(X, Y);
}

void TAntiAliasCanvas::WalkLine(int X, int Y) {
    SetPixelColor(FLastX, FLastY, FDrawColor);
    const uint8_t* mask = DashMask();
    UseDrawColor(FDrawColor);
    int ax = FLastX, ay = FLastY, bx = X, by = Y;
    const bool alongX = std::abs(bx - ax) > std::abs(by - ay);
    TBitmap* bitmap = BufferBitmap();
    if (mask || bitmap) {
        // Walked towards increasing coordinates along the major axis.
        if (alongX ? bx < ax : by < ay) {
            std::swap(ax, bx);
            std::swap(ay, by);
        }
        const int majorStart = alongX ? ax : ay;
        const int majorEnd = alongX ? bx : by;
        const int limit = !bitmap ? majorEnd : alongX ? bitmap->Width() : bitmap->Height();
        const float slope =
            alongX ? float(by - ay) / float(bx - ax) : float(bx - ax) / float(by - ay);
        float m = float(alongX ? ay : ax);
        for (int i = majorStart + 1; i < majorEnd; ++i) {
            m = m + slope;
            if (mask) {
                if (mask[i & 7] == 0) continue;
            } else if (i >= limit) {
                break;
            }
            const float f = std::floor(m);
            const int k = int(f);
            const float nearWeight = m - f;
            if (alongX)
                BlendPair(i, k, i, k + 1, nearWeight);
            else
                BlendPair(k, i, k + 1, i, nearWeight);
        }
    }
    SetPixelColor(X, Y, FDrawColor);
    MovePenTo(X, Y);
}

void TAntiAliasCanvas::DrawArc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
    if (!FSmoothing) return TTeeCanvas3D::DrawArc(X1, Y1, X2, Y2, X3, Y3, X4, Y4);
    const int cx = (X1 + X2) / 2;
    const int cy = (Y1 + Y2) / 2;
    auto degrees = [&](int x, int y) {
        double t = std::atan2(double(cy - y), double(x - cx));
        if (t < 0) t += 2 * std::numbers::pi;
        return t * 180 / std::numbers::pi;
    };
    DrawArcByAngles(X1, Y1, X2, Y2, degrees(X3, Y3), degrees(X4, Y4));
}

void TAntiAliasCanvas::DrawArcByAngles(int Left, int Top, int Right, int Bottom, double StartAngle,
                                       double EndAngle) {
    if (!FSmoothing)
        return TTeeCanvas3D::DrawArcByAngles(Left, Top, Right, Bottom, StartAngle, EndAngle);
    // As on the ordinary surface: equal angles make the whole ellipse, and an arc whose end
    // lies below its start runs counter-clockwise through 0 degrees.
    if (StartAngle == EndAngle) {
        WalkArc(Left, Top, Right, Bottom, 0, 360);
    } else if (EndAngle < StartAngle) {
        WalkArc(Left, Top, Right, Bottom, StartAngle, 360);
        WalkArc(Left, Top, Right, Bottom, 0, EndAngle);
    } else {
        WalkArc(Left, Top, Right, Bottom, StartAngle, EndAngle);
    }
}

void TAntiAliasCanvas::WalkArc(int Left, int Top, int Right, int Bottom, double Start, double End) {
    const int cx = (Left + Right) / 2;
    const int cy = (Top + Bottom) / 2;
    const int a = std::abs(Right - Left) / 2;
    const int b = std::abs(Bottom - Top) / 2;
    UseDrawColor(Pen()->Color());
    double r = 0;
    while (r + 90 < Start) r += 90;
    while (r < End) {
        if (Start >= r) WalkArcSegment(cx, cy, a, b, Start, std::min(End, r + 90));
        Start = r + 90;
        r = r + 90;
    }
}

void TAntiAliasCanvas::WalkArcSegment(int cx, int cy, int a, int b, double start, double end) {
    const int x0 = int(std::round(std::cos(Radians(start)) * a));
    const int x1 = int(std::trunc(std::cos(Radians(end)) * a));
    const int sx = Sign(x1 - x0);
    const int y0 = int(std::round(std::sin(Radians(start)) * b));
    const int y1 = int(std::trunc(std::sin(Radians(end)) * b));
    const int sy = Sign(y1 - y0);
    // Each pass plots only where its own coordinate moves by less than two pixels a step.
    if (sx != 0) {
        int p = y0;
        for (int x = x0; x != x1; x += sx) {
            const double j = b * std::sqrt(std::max(0.0, 1 - double(x) * x / (double(a) * a)));
            const int k = int(std::floor(j));
            if (std::abs(p - k) < 2) {
                const auto nearWeight = float(j - k);
                if (sx < 0)
                    BlendPair(cx + x, cy - k, cx + x, cy - k - 1, nearWeight);
                else
                    BlendPair(cx + x, cy + k, cx + x, cy + k + 1, nearWeight);
            }
            p = k;
        }
    }
    if (sy != 0) {
        int p = x0;
        for (int y = y0; y != y1; y += sy) {
            const double j = a * std::sqrt(std::max(0.0, 1 - double(y) * y / (double(b) * b)));
            const int k = int(std::floor(j));
            if (std::abs(p - k) < 2) {
                const auto nearWeight = float(j - k);
                if ((sx < 0 && sy > 0) || (sx >= 0 && sy >= 0))
                    BlendPair(cx + k, cy - y, cx + k + 1, cy - y, nearWeight);
                else
                    BlendPair(cx - k, cy - y, cx - k - 1, cy - y, nearWeight);
            }
            p = k;
        }
    }
}

void TAntiAliasCanvas::TraceEllipse(int X1, int Y1, int X2, int Y2, TColor colour) {
    const int cx = (X1 + X2) / 2;
    const int cy = (Y1 + Y2) / 2;
    const int64_t a = (X2 - X1) / 2;
    const int64_t b = (Y2 - Y1) / 2;
    int px = (X2 - X1) % 2;
    int py = (Y2 - Y1) % 2;
    if (px == 0) px = 2;
    if (py == 0) py = 2;
    UseDrawColor(colour);
    const int64_t twoA = 2 * a * a;
    const int64_t twoB = 2 * b * b;
    bool step = false;
    auto plot = [&](int64_t x, int64_t y) {
        const int ix = int(x);
        const int iy = int(y);
        PlotEllipsePoint(cx + ix - px, cy + iy - py, 1, 1, colour, step);
        PlotEllipsePoint(cx - ix, cy + iy - py, -1, 1, colour, step);
        PlotEllipsePoint(cx - ix, cy - iy, -1, -1, colour, step);
        PlotEllipsePoint(cx + ix - px, cy - iy, 1, -1, colour, step);
    };
    {
        int64_t x = a, y = 0;
        int64_t xchange = b * b * (1 - 2 * a), ychange = a * a, error = 0;
        int64_t xstop = twoB * a, ystop = 0;
        while (xstop >= ystop) {
            plot(x, y);
            ++y;
            ystop += twoA;
            error += ychange;
            ychange += twoA;
            step = 2 * error + xchange > 0;
            if (step) {
                --x;
                xstop -= twoB;
                error += xchange;
                xchange += twoB;
            }
        }
    }
    int64_t x = 0, y = b;
    int64_t xchange = b * b, ychange = a * a * (1 - 2 * b), error = 0;
    int64_t xstop = 0, ystop = twoA * b;
    while (xstop <= ystop) {
        plot(x, y);
        ++x;
        xstop += twoB;
        error += xchange;
        xchange += twoB;
        step = 2 * error + ychange > 0;
        if (step) {
            --y;
            ystop -= twoA;
            error += ychange;
            ychange += twoA;
        }
    }
}

void TAntiAliasCanvas::PlotEllipsePoint(int x, int y, int ox, int oy, TColor colour, bool step) {
    SetPixelColor(x, y, colour);
    if (step)
        BlendPair(x + ox, y, x, y + oy, 0.4f);
    else
        BlendPair(x, y + oy, x + ox, y, 0.4f);
}

void TAntiAliasCanvas::DrawEllipse(int X1, int Y1, int X2, int Y2) {
    if (!FSmoothing) return TTeeCanvas3D::DrawEllipse(X1, Y1, X2, Y2);
    const TPenStyle style = Pen()->Style();
    if (style == psSolid) {
        Pen()->SetStyle(psClear);
        TTeeCanvas3D::DrawEllipse(X1, Y1, X2, Y2);
        Pen()->SetStyle(style);
        TraceEllipse(X1, Y1, X2, Y2, Pen()->Color());
        return;
    }
    TTeeCanvas3D::DrawEllipse(X1, Y1, X2, Y2);
    if (Brush()->Style() != bsClear) TraceEllipse(X1, Y1, X2, Y2, Brush()->Color());
}

void TAntiAliasCanvas::DrawPie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
    if (!FSmoothing) return TTeeCanvas3D::DrawPie(X1, Y1, X2, Y2, X3, Y3, X4, Y4);
    const TPenStyle style = Pen()->Style();
    const bool solid = style == psSolid;
    if (solid) Pen()->SetStyle(psClear);
    TTeeCanvas3D::DrawPie(X1, Y1, X2, Y2, X3, Y3, X4, Y4);
    Pen()->SetStyle(style);
    if (!solid && Brush()->Style() == bsClear) return;
    const TOutlinePen outline(*Pen(), solid ? Pen()->Color() : Brush()->Color());
    DrawArc(X1, Y1, X2, Y2, X3, Y3, X4, Y4);
    const int cx = (X1 + X2) / 2;
    const int cy = (Y1 + Y2) / 2;
    DrawLine(cx, cy, X3, Y3);
    DrawLine(cx, cy, X4, Y4);
}

void TAntiAliasCanvas::DrawPolygon(std::span<const TPoint> Points, int LastIndex) {
    if (!FSmoothing || LastIndex < 1) return TTeeCanvas3D::DrawPolygon(Points, LastIndex);
    const TPenStyle style = Pen()->Style();
    TColor colour = Pen()->Color();
    if (style == psClear) {
        TTeeCanvas3D::DrawPolygon(Points, LastIndex);
        if (Brush()->Style() == bsClear) return;
        colour = Brush()->Color();
    } else {
        Pen()->SetStyle(psClear);
        TTeeCanvas3D::DrawPolygon(Points, LastIndex);
        if (FPenWidth == 1) colour = ColorToRGB(colour);
    }
    const TColor penColour = Pen()->Color();
    Pen()->SetStyle(FPenStyle);
    Pen()->SetColor(colour);
    MovePenTo(Points[0].X, Points[0].Y);
    for (int i = 1; i <= LastIndex; ++i) DrawLineTo(Points[size_t(i)].X, Points[size_t(i)].Y);
    DrawLineTo(Points[0].X, Points[0].Y);
    Pen()->SetColor(penColour);
    Pen()->SetStyle(style);
}

void TAntiAliasCanvas::DrawPolyline(std::span<const TPoint> Points, int LastIndex) {
    if (!FSmoothing || LastIndex < 0) return TTeeCanvas3D::DrawPolyline(Points, LastIndex);
    MovePenTo(Points[0].X, Points[0].Y);
    for (int i = 1; i <= LastIndex; ++i) DrawLineTo(Points[size_t(i)].X, Points[size_t(i)].Y);
}

void TAntiAliasCanvas::DrawRoundRect(int X1, int Y1, int X2, int Y2, int CornerWidth,
                                     int CornerHeight) {
    if (!FSmoothing) return TTeeCanvas3D::DrawRoundRect(X1, Y1, X2, Y2, CornerWidth, CornerHeight);
    const TPenStyle style = Pen()->Style();
    TColor colour = Pen()->Color();
    if (FPenStyle == psClear) {
        TTeeCanvas3D::DrawRoundRect(X1, Y1, X2, Y2, CornerWidth, CornerHeight);
        if (Brush()->Style() == bsClear) return;
        colour = Brush()->Color();
    } else {
        Pen()->SetStyle(psClear);
        TTeeCanvas3D::DrawRoundRect(X1, Y1, X2, Y2, CornerWidth, CornerHeight);
        Pen()->SetStyle(style);
    }
    const TOutlinePen outline(*Pen(), colour);
    TraceRoundRect(X1, Y1, X2, Y2, CornerWidth, CornerHeight);
}

void TAntiAliasCanvas::TraceRoundRect(int X1, int Y1, int X2, int Y2, int CornerWidth,
                                      int CornerHeight) {
    const int right = X2 - 1;
    const int bottom = Y2 - 1;
    const int rx = CornerWidth / 2;
    const int ry = CornerHeight / 2;
    if (std::abs(right - X1) < 2 * rx || std::abs(bottom - Y1) < 2 * ry) {
        // Too narrow for its corners: an ellipse, outline only (the fill is drawn).
        TraceEllipse(X1, Y1, right, bottom, Pen()->Color());
        return;
    }
    DrawLine(X1 + rx, Y1, right - rx, Y1);
    DrawArcByAngles(right - 2 * rx, Y1, right, Y1 + 2 * ry, 0, 90);
    DrawLine(right, Y1 + ry, right, bottom - ry);
    DrawArcByAngles(right - 2 * rx, bottom - 2 * ry, right, bottom, 270, 360);
    DrawLine(right - rx, bottom, X1 + rx, bottom);
    DrawArcByAngles(X1, bottom - 2 * ry, X1 + 2 * rx, bottom, 180, 270);
    DrawLine(X1, bottom - ry, X1, Y1 + ry);
    DrawArcByAngles(X1, Y1, X1 + 2 * rx, Y1 + 2 * ry, 90, 180);
}

void TAntiAliasCanvas::DrawDonutSlice(int XCenter, int YCenter, int XRadius, int YRadius,
                                      double StartAngle, double EndAngle, double HolePercent) {
    TTeeCanvas3D::DrawDonutSlice(XCenter, YCenter, XRadius, YRadius, StartAngle, EndAngle,
                                 HolePercent);
    if (!FSmoothing) return;
    const TBrushStyle brushStyle = Brush()->Style();
    Brush()->SetStyle(bsClear);
    const double start = StartAngle * 180 / std::numbers::pi;
    const double end = EndAngle * 180 / std::numbers::pi;
    DrawArcByAngles(XCenter - XRadius, YCenter - YRadius, XCenter + XRadius, YCenter + YRadius,
                    start, end);
    // The hole's edge is the same sweep: walked in the same direction, so that a slice over
    // more than one quadrant keeps all of it.
    const int ix = RoundToInt(HolePercent * XRadius * 0.01);
    const int iy = RoundToInt(HolePercent * YRadius * 0.01);
    if (ix > 0 || iy > 0)
        DrawArcByAngles(XCenter - ix, YCenter - iy, XCenter + ix, YCenter + iy, start, end);
    Brush()->SetStyle(brushStyle);
}

void TAntiAliasCanvas::FillGradient(const TRect& Rect, TColor StartColour, TColor EndColour,
                                    TGradientDirection Direction, int Balance, int RadialX,
                                    int RadialY) {
    const bool smoothing = FSmoothing;
    FSmoothing = false;
    TTeeCanvas3D::FillGradient(Rect, StartColour, EndColour, Direction, Balance, RadialX, RadialY);
    FSmoothing = smoothing;
}
