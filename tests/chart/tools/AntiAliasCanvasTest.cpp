// The anti-aliasing canvas against a small reference of its pixel walks, written here apart from
// the canvas: lines (with dash masks), the ellipse trace and arcs, compared byte for byte on a
// white 24-bit buffer; and the cases in which it draws exactly as the ordinary canvas.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>
#include <utility>
#include <vector>

#include "chart/foundation/TeeCanvas3D.h"
#include "chart/tools/view/AntiAliasCanvas.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Pen.h"

namespace {

constexpr int AAWidth = 64;
constexpr int AAHeight = 48;

// A white picture, blue-green-red bytes, as the canvas's buffer holds it.
struct TAAPicture {
    std::vector<uint8_t> Bytes = std::vector<uint8_t>(size_t(AAWidth * AAHeight * 3), 255);
    uint8_t* At(int x, int y) { return &Bytes[size_t((y * AAWidth + x) * 3)]; }
    void Set(int x, int y, TColor c) {
        if (x < 0 || y < 0 || x >= AAWidth || y >= AAHeight) return;
        uint8_t* p = At(x, y);
        p[0] = uint8_t(c >> 16);
        p[1] = uint8_t(c >> 8);
        p[2] = uint8_t(c);
    }
    // c + Round((old - c) * w), halves to even; column 0 and row 0 are left alone.
    void Blend(int x, int y, float w, TColor c) {
        if (x <= 0 || y <= 0 || x >= AAWidth || y >= AAHeight) return;
        uint8_t* p = At(x, y);
        const int comps[3] = {int((c >> 16) & 0xFF), int((c >> 8) & 0xFF), int(c & 0xFF)};
        for (int i = 0; i < 3; ++i)
            p[i] = uint8_t(comps[i] + int(std::nearbyint(float(p[i] - comps[i]) * w)));
    }
};

// A one-pixel line: end pixels set, the points between shared by two pixels along the minor
// axis, walked towards increasing major coordinates, in float.
void AARefLine(TAAPicture& pic, int x0, int y0, int x1, int y1, TColor c,
               const uint8_t* mask = nullptr) {
    pic.Set(x0, y0, c);
    const int endX = x1, endY = y1;
    const bool alongX = std::abs(x1 - x0) > std::abs(y1 - y0);
    if (!alongX) {
        std::swap(x0, y0);
        std::swap(x1, y1);
    }
    if (x1 < x0) {
        std::swap(x0, x1);
        std::swap(y0, y1);
    }
    const float slope = float(y1 - y0) / float(x1 - x0);
    float m = float(y0);
    const int limit = alongX ? AAWidth : AAHeight;
    for (int i = x0 + 1; i < x1; ++i) {
        m += slope;
        if (mask && !mask[i % 8]) continue;
        if (!mask && i >= limit) break;
        const int f = int(std::floor(m));
        const float w = m - float(f);
        if (alongX) {
            pic.Blend(i, f, w, c);
            pic.Blend(i, f + 1, 1 - w, c);
        } else {
            pic.Blend(f, i, w, c);
            pic.Blend(f + 1, i, 1 - w, c);
        }
    }
    pic.Set(endX, endY, c);
}

// The integer ellipse trace: each point set, its two outer neighbours at 0.4 and 0.6.
void AARefEllipse(TAAPicture& pic, int x1, int y1, int x2, int y2, TColor c) {
    const int cx = (x1 + x2) / 2, cy = (y1 + y2) / 2;
    const long a = (x2 - x1) / 2, b = (y2 - y1) / 2;
    const int px = (x2 - x1) % 2 ? 1 : 2, py = (y2 - y1) % 2 ? 1 : 2;
    bool step = false;
    auto one = [&](int x, int y, int ox, int oy) {
        pic.Set(x, y, c);
        const std::pair<int, int> n = step ? std::pair{x + ox, y} : std::pair{x, y + oy};
        const std::pair<int, int> f = step ? std::pair{x, y + oy} : std::pair{x + ox, y};
        pic.Blend(n.first, n.second, 0.4f, c);
        pic.Blend(f.first, f.second, 0.6f, c);
    };
    auto four = [&](int x, int y) {
        one(cx + x - px, cy + y - py, 1, 1);
        one(cx - x, cy + y - py, -1, 1);
        one(cx - x, cy - y, -1, -1);
        one(cx + x - px, cy - y, 1, -1);
    };
    long x = a, y = 0, xc = b * b * (1 - 2 * a), yc = a * a, e = 0, xs = 2 * b * b * a, ys = 0;
    while (xs >= ys) {
        four(int(x), int(y));
        ++y, ys += 2 * a * a, e += yc, yc += 2 * a * a;
        step = 2 * e + xc > 0;
        if (step) --x, xs -= 2 * b * b, e += xc, xc += 2 * b * b;
    }
    x = 0, y = b, xc = b * b, yc = a * a * (1 - 2 * b), e = 0, xs = 0, ys = 2 * a * a * b;
    while (xs <= ys) {
        four(int(x), int(y));
        ++x, xs += 2 * b * b, e += xc, xc += 2 * b * b;
        step = 2 * e + yc > 0;
        if (step) --y, ys -= 2 * a * a, e += yc, yc += 2 * a * a;
    }
}

// An arc from s to e degrees (s < e), quadrant by quadrant, each segment in two passes.
void AARefArc(TAAPicture& pic, int l, int t, int r, int b, double s, double e, TColor c) {
    const int cx = (l + r) / 2, cy = (t + b) / 2, ra = std::abs(r - l) / 2,
              rb = std::abs(b - t) / 2;
    auto rad = [](double d) { return d * std::numbers::pi / 180; };
    auto pair = [&](int nx, int ny, int fx, int fy, double w) {
        pic.Blend(nx, ny, float(w), c);
        pic.Blend(fx, fy, 1 - float(w), c);
    };
    auto segment = [&](double s0, double e0) {
        const int x0 = int(std::round(std::cos(rad(s0)) * ra));
        const int x1 = int(std::trunc(std::cos(rad(e0)) * ra));
        const int y0 = int(std::round(std::sin(rad(s0)) * rb));
        const int y1 = int(std::trunc(std::sin(rad(e0)) * rb));
        const int sx = (x1 > x0) - (x1 < x0), sy = (y1 > y0) - (y1 < y0);
        for (int x = x0, p = y0; sx && x != x1; x += sx) {
            const double j = rb * std::sqrt(std::max(0.0, 1 - double(x * x) / (ra * ra)));
            const int k = int(std::floor(j));
            if (std::abs(p - k) < 2) {
                if (sx < 0)
                    pair(cx + x, cy - k, cx + x, cy - k - 1, j - k);
                else
                    pair(cx + x, cy + k, cx + x, cy + k + 1, j - k);
            }
            p = k;
        }
        for (int y = y0, p = x0; sy && y != y1; y += sy) {
            const double j = ra * std::sqrt(std::max(0.0, 1 - double(y * y) / (rb * rb)));
            const int k = int(std::floor(j));
            if (std::abs(p - k) < 2) {
                if ((sx < 0 && sy > 0) || (sx >= 0 && sy >= 0))
                    pair(cx + k, cy - y, cx + k + 1, cy - y, j - k);
                else
                    pair(cx - k, cy - y, cx - k - 1, cy - y, j - k);
            }
            p = k;
        }
    };
    double q = 0;
    while (q + 90 < s) q += 90;
    for (; q < e; q += 90, s = q) segment(s, std::min(e, q + 90));
}

// A canvas prepared for a pass over a white buffer of the test's size.
template <class TCanvasClass>
struct TAASurface {
    TBitmap Target;
    TCanvasClass Canvas;
    TPen Pen;
    explicit TAASurface(const std::function<void(TCanvasClass&)>& before = {}) {
        Target.SetSize(AAWidth, AAHeight);
        if (before) before(Canvas);
        Canvas.PrepareDrawing(Target.Canvas(), nullptr, clWhite, false,
                              TRect{0, 0, AAWidth, AAHeight});
    }
    void UsePen(TColor colour, TPenStyle style = psSolid, int width = 1) {
        Pen.SetColor(colour);
        Pen.SetStyle(style);
        Pen.SetWidth(width);
        Canvas.UsePenWithColor(&Pen, colour);
    }
    std::vector<uint8_t> Bytes() {
        TBitmap& b = *Canvas.BufferBitmap();
        b.SetPixelFormat(pf24bit);
        std::vector<uint8_t> out;
        for (int y = 0; y < AAHeight; ++y)
            out.insert(out.end(), b.ScanLine(y), b.ScanLine(y) + AAWidth * 3);
        return out;
    }
};
using TAASmooth = TAASurface<TAntiAliasCanvas>;
using TAAPlain = TAASurface<TTeeCanvas3D>;

constexpr TColor AAColour = TColor(0x103080);  // red 0x80, green 0x30, blue 0x10

TEST(AntiAliasCanvas, LinesFollowTheWalk) {
    const struct {
        int X0, Y0, X1, Y1;
    } lines[] = {{3, 4, 40, 17}, {30, 2, 5, 38}, {10, 10, 30, 30}, {60, 40, 2, 9}};
    for (const auto& l : lines) {
        SCOPED_TRACE(testing::Message() << l.X0 << "," << l.Y0 << " - " << l.X1 << "," << l.Y1);
        TAASmooth s;
        s.UsePen(AAColour);
        ASSERT_TRUE(s.Canvas.Smoothing());
        s.Canvas.DrawLine(l.X0, l.Y0, l.X1, l.Y1);
        TAAPicture ref;
        AARefLine(ref, l.X0, l.Y0, l.X1, l.Y1, AAColour);
        EXPECT_EQ(s.Bytes(), ref.Bytes);
    }
}

TEST(AntiAliasCanvas, DashMasksAndDashDotDotLikeDashDot) {
    static constexpr uint8_t dash[8] = {1, 1, 1, 0, 1, 1, 1, 0};
    static constexpr uint8_t dashDot[8] = {1, 1, 1, 0, 1, 0, 1, 0};
    const std::pair<TPenStyle, const uint8_t*> cases[] = {
        {psDash, dash}, {psDashDot, dashDot}, {psDashDotDot, dashDot}};
    for (const auto& [style, mask] : cases) {
        SCOPED_TRACE(int(style));
        TAASmooth s;
        s.UsePen(AAColour, style);
        s.Canvas.DrawLine(2, 5, 50, 30);
        TAAPicture ref;
        AARefLine(ref, 2, 5, 50, 30, AAColour, mask);
        EXPECT_EQ(s.Bytes(), ref.Bytes);
    }
}

TEST(AntiAliasCanvas, ColumnZeroAndRowZeroAreNeverBlended) {
    TAASmooth s;
    s.UsePen(clBlack);
    s.Canvas.DrawLine(0, 0, 6, 40);  // along y, hugging column 0
    s.Canvas.DrawLine(0, 0, 50, 5);  // along x, hugging row 0
    s.Canvas.DrawEllipse(-10, -10, 20, 20);
    const std::vector<uint8_t> bytes = s.Bytes();
    auto isWhiteOrBlack = [&](int x, int y) {
        const uint8_t* p = &bytes[size_t((y * AAWidth + x) * 3)];
        return (p[0] == 255 && p[1] == 255 && p[2] == 255) || (p[0] == 0 && p[1] == 0 && p[2] == 0);
    };
    for (int x = 0; x < AAWidth; ++x) EXPECT_TRUE(isWhiteOrBlack(x, 0)) << x;
    for (int y = 0; y < AAHeight; ++y) EXPECT_TRUE(isWhiteOrBlack(0, y)) << y;
    // The walks did blend next to them.
    EXPECT_FALSE(isWhiteOrBlack(1, 20) && isWhiteOrBlack(2, 20) && isWhiteOrBlack(25, 1) &&
                 isWhiteOrBlack(25, 2) && isWhiteOrBlack(25, 3));
}

TEST(AntiAliasCanvas, EllipseTraceWithItsNeighbourWeights) {
    for (const TRect box : {TRect{5, 6, 35, 26}, TRect{4, 3, 41, 30}}) {
        SCOPED_TRACE(box.Right);
        TAASmooth s;
        s.UsePen(AAColour);
        s.Canvas.Brush()->SetStyle(bsClear);
        s.Canvas.DrawEllipse(box.Left, box.Top, box.Right, box.Bottom);
        TAAPicture ref;
        AARefEllipse(ref, box.Left, box.Top, box.Right, box.Bottom, AAColour);
        EXPECT_EQ(s.Bytes(), ref.Bytes);
    }
}

TEST(AntiAliasCanvas, ArcsQuadrantByQuadrant) {
    // Arcs that end below their start run through 0 degrees, and equal angles make the whole
    // ellipse, as on the ordinary canvas.
    const struct {
        double Start, End;
        std::vector<std::pair<double, double>> Walks;
    } arcs[] = {{20, 160, {{20, 160}}},
                {100, 330, {{100, 330}}},
                {60, 30, {{60, 360}, {0, 30}}},
                {300, 30, {{300, 360}, {0, 30}}},
                {180, 180, {{0, 360}}}};
    for (const auto& arc : arcs) {
        SCOPED_TRACE(testing::Message() << arc.Start << " to " << arc.End);
        TAASmooth s;
        s.UsePen(AAColour);
        s.Canvas.DrawArcByAngles(4, 4, 56, 44, arc.Start, arc.End);
        TAAPicture ref;
        for (const auto& [from, to] : arc.Walks) AARefArc(ref, 4, 4, 56, 44, from, to, AAColour);
        EXPECT_EQ(s.Bytes(), ref.Bytes);
        EXPECT_NE(ref.Bytes, TAAPicture{}.Bytes);
    }
}

TEST(AntiAliasCanvas, WideLineIsThreeLinesWithAPlainMiddle) {
    TAASmooth wide;
    wide.UsePen(AAColour, psSolid, 3);
    wide.Canvas.DrawLine(5, 5, 50, 25);
    TAASmooth three;
    three.UsePen(AAColour);
    three.Canvas.DrawLine(5, 4, 50, 24);
    three.Canvas.SetAntiAliasOff(true);
    three.Canvas.DrawLine(5, 5, 50, 25);
    three.Canvas.SetAntiAliasOff(false);
    three.Canvas.DrawLine(5, 6, 50, 26);
    EXPECT_EQ(wide.Bytes(), three.Bytes());
    EXPECT_EQ(wide.Canvas.Pen()->Width(), 3);
}

TEST(AntiAliasCanvas, RoundRectNarrowerThanItsCornersIsAnEllipse) {
    TAASmooth s;
    s.UsePen(AAColour);
    s.Canvas.Brush()->SetStyle(bsClear);
    s.Canvas.DrawRoundRect(10, 10, 30, 40, 30, 10);
    TAAPicture ref;
    AARefEllipse(ref, 10, 10, 29, 39, AAColour);
    EXPECT_EQ(s.Bytes(), ref.Bytes);
}

// The same drawing on the ordinary canvas and on the anti-aliasing one set up by before.
void AAExpectPlain(const char* what, const std::function<void(TAntiAliasCanvas&)>& before,
                   const std::function<void(TAntiAliasCanvas&)>& after,
                   const std::function<void(TTeeCanvas3D&, TPen&)>& draw) {
    SCOPED_TRACE(what);
    TAAPlain plain;
    TAASmooth smooth(before);
    if (after) after(smooth.Canvas);
    draw(plain.Canvas, plain.Pen);
    draw(smooth.Canvas, smooth.Pen);
    EXPECT_EQ(smooth.Bytes(), plain.Bytes());
}

TEST(AntiAliasCanvas, DrawsAsTheOrdinaryCanvasWhereSmoothingIsOff) {
    auto everything = [](TTeeCanvas3D& c, TPen& pen) {
        pen.SetColor(AAColour);
        c.UsePenWithColor(&pen, AAColour);
        c.DrawLine(3, 4, 40, 17);
        c.DrawEllipse(5, 6, 35, 26);
        c.DrawArcByAngles(4, 4, 56, 44, 20, 160);
        const TPoint pts[] = {{2, 40}, {20, 30}, {40, 45}};
        c.DrawPolygon(pts, 2);
        c.DrawRoundRect(30, 2, 60, 20, 8, 8);
    };
    AAExpectPlain(
        "metafile", [](TAntiAliasCanvas& c) { c.SetRecordingMetafile(true); }, {}, everything);
    AAExpectPlain(
        "unbuffered", [](TAntiAliasCanvas& c) { c.SetKeepBufferBitmap(true); },
        [](TAntiAliasCanvas& c) { c.SetBufferedDisplay(false); }, everything);
    AAExpectPlain(
        "anti-alias off", {}, [](TAntiAliasCanvas& c) { c.SetAntiAliasOff(true); }, everything);
    auto straightAndClear = [](TTeeCanvas3D& c, TPen& pen) {
        pen.SetColor(AAColour);
        c.UsePenWithColor(&pen, AAColour);
        c.DrawLine(3, 4, 50, 4);
        c.DrawLine(7, 2, 7, 40);
        c.Pen()->SetStyle(psClear);
        c.DrawLine(3, 4, 40, 30);
    };
    AAExpectPlain("clear pen", {}, {}, straightAndClear);
}

}  // namespace
