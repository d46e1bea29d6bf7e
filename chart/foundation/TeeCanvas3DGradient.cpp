// FillGradient: the colour bands of a gradient painted straight with the device brush.
#include <algorithm>
#include <cmath>

#include "chart/foundation/TeeCanvas3D.h"
#include "platform/rtl/RtlMath.h"

namespace {

// The colour of band i of Steps between two colours, linear at balance 50, otherwise along the
// balance curve.
class TBandColors {
public:
    TBandColors(TColor start, TColor end, int steps, int balance)
        : FSteps(steps), FBalance(balance) {
        const TColor s = ColorToRGB(start);
        const TColor e = ColorToRGB(end);
        for (int c = 0; c < 3; ++c) {
            FStart[c] = (s >> (8 * c)) & 0xFF;
            FDelta[c] = int((e >> (8 * c)) & 0xFF) - FStart[c];
        }
    }
    TColor operator()(int i) const {
        int ch[3];
        if (FBalance == 50) {
            for (int c = 0; c < 3; ++c) ch[c] = FStart[c] + i * FDelta[c] / FSteps;
        } else {
            const double f = GradientBalanceCurve(FSteps, FBalance, i);
            for (int c = 0; c < 3; ++c) ch[c] = FStart[c] + RoundToInt(FDelta[c] * f);
        }
        return RGB(uint8_t(ch[0]), uint8_t(ch[1]), uint8_t(ch[2]));
    }

private:
    int FStart[3];
    int FDelta[3];
    int FSteps;
    int FBalance;
};

}  // namespace

void TTeeCanvas3D::FillGradient(const TRect& Rect, TColor StartColour, TColor EndColour,
                                TGradientDirection Direction, int Balance, int RadialX,
                                int RadialY) {
    const TRect r{std::min(Rect.Left, Rect.Right), std::min(Rect.Top, Rect.Bottom),
                  std::max(Rect.Left, Rect.Right), std::max(Rect.Top, Rect.Bottom)};
    if (Direction == gdRadial) {
        TTeeGradient radial;
        radial.SetStartColor(StartColour);
        radial.SetEndColor(EndColour);
        radial.SetBalance(Balance);
        radial.SetRadialX(RadialX);
        radial.SetRadialY(RadialY);
        radial.DrawRadial(*this, r);
        return;
    }
    switch (Direction) {
        case gdBottomTop:
        case gdRightLeft:
        case gdFromCenter:
        case gdFromTopLeft:
        case gdFromBottomLeft:
            std::swap(StartColour, EndColour);
            break;
        default:
            break;
    }
    const int w = r.Right - r.Left;
    const int h = r.Bottom - r.Top;
    TCanvas* canvas = BoundCanvas();
    TBrush* brush = Brush();
    const TColor savedColor = brush->Color();
    const TBrushStyle savedStyle = brush->Style();
    const int savedBkMode = canvas->BkMode();
    const TColor savedBkColor = canvas->BkColor();
    brush->SetStyle(bsSolid);
    bool first = true;
    auto fill = [&](TColor color, int left, int top, int right, int bottom) {
        if (first || brush->Color() != color) brush->SetColor(color);
        first = false;
        canvas->FillRect(TRect{left, top, right, bottom});
    };

    switch (Direction) {
        case gdTopBottom:
        case gdBottomTop:
        case gdLeftRight:
        case gdRightLeft: {
            // Colour 0 lies at the bottom (or right) edge.
            const bool rows = Direction == gdTopBottom || Direction == gdBottomTop;
            const int extent = rows ? h : w;
            const int bands = std::min(extent, 256);
            const TBandColors color(StartColour, EndColour, bands - 1, Balance);
            if (bands - 1 <= 0) break;
            for (int i = 0; i < bands; ++i) {
                const int from = extent * (i + 1) / bands;
                const int to = extent * i / bands;
                if (rows) {
                    fill(color(i), r.Left, r.Bottom - from, r.Right, r.Bottom - to);
                } else {
                    fill(color(i), r.Right - from, r.Top, r.Right - to, r.Bottom);
                }
            }
            break;
        }
        case gdFromCenter: {
            // One-pixel frames from the outside in; the start colour ends in the middle.
            const TBandColors color(StartColour, EndColour, std::max(1, w / 2 + h / 2), Balance);
            int c = 0, d = 0;
            while (true) {
                const TColor k = color(c + d);
                const int left = r.Left + d, right = r.Right - d;
                const int top = r.Top + c, bottom = r.Bottom - c;
                fill(k, left, top, left + 1, bottom);
                fill(k, right - 1, top, right, bottom);
                fill(k, left, top, right, top + 1);
                fill(k, left, bottom - 1, right, bottom);
                if (c >= h / 2 && d >= w / 2) break;
                if (c < h / 2) ++c;
                if (d < w / 2) ++d;
            }
            break;
        }
        case gdFromTopLeft:
        case gdFromBottomLeft: {
            // Sweeps away from the corner; rows are counted from the starting edge and turned
            // upside down for the bottom-left corner.
            const bool fromBottom = Direction == gdFromBottomLeft;
            auto row = [&](int k) { return fromBottom ? r.Bottom - 1 - k : r.Top + k; };
            auto rows = [&](TColor k, int x0, int x1, int k0, int k1) {  // k0..k1 inclusive
                const int a = row(k0), b = row(k1);
                fill(k, x0, std::min(a, b), x1, std::max(a, b) + 1);
            };
            const TBandColors color(StartColour, EndColour, std::max(1, w + h), Balance);
            int i = 0, j = 0, y = 0;
            while (true) {
                const TColor k = color(i + j);
                rows(k, r.Left + i, r.Left + i + 1, 0, y);
                if (j < h) {
                    ++j;
                    rows(k, r.Left, r.Left + i + 1, y, y);
                    if (y < h - 1) ++y;
                }
                if (i < w) ++i;
                if (i >= w && j >= h) break;
            }
            break;
        }
        case gdDiagonalUp:
        case gdDiagonalDown: {
            TPen* pen = Pen();
            TPen saved;
            saved.Assign(pen);
            pen->SetStyle(psSolid);
            pen->SetWidth(1);
            pen->SetMode(pmCopy);
            const bool up = Direction == gdDiagonalUp;
            const int bottom = up ? r.Bottom : r.Bottom - 1;
            const int lines = w + h;
            const TBandColors color(StartColour, EndColour, std::max(1, std::min(255, lines - 1)),
                                    Balance);
            const int steps = std::max(1, std::min(255, lines - 1));
            TPoint a{r.Left, up ? bottom : r.Top};
            TPoint b = a;
            for (int c = 0; c < lines; ++c) {
                pen->SetColor(color(c * steps / lines));
                canvas->MoveTo(a.X, a.Y);
                canvas->LineTo(b.X, b.Y);
                // The first end runs along the left edge, then the far edge; the second along
                // the near edge, then the right edge.
                if (up) {
                    if (a.Y > r.Top)
                        --a.Y;
                    else if (a.X < r.Right)
                        ++a.X;
                    if (b.X < r.Right)
                        ++b.X;
                    else if (b.Y > r.Top)
                        --b.Y;
                } else {
                    if (a.Y < bottom)
                        ++a.Y;
                    else if (a.X < r.Right)
                        ++a.X;
                    if (b.X < r.Right)
                        ++b.X;
                    else if (b.Y < bottom)
                        ++b.Y;
                }
            }
            pen->Assign(&saved);
            break;
        }
        case gdRadial:
            break;
    }
    brush->SetColor(savedColor);
    brush->SetStyle(savedStyle);
    canvas->SetBkMode(savedBkMode);  // selecting the brush again set the background
    canvas->SetBkColor(savedBkColor);
}
