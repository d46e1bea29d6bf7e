// Label and title texts of an axis: aligned to the axis by side and angle, lines stacked so the
// block starts (or ends) at the requested point, the frame box of a title or label item behind,
// the chart's chance to move, change or cancel the text, and raised exponents.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "chart/engine/AxisItems.h"
#include "chart/engine/AxisLabelFormat.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/NamedPartGuard.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/TeeFont.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/ValueGuard.h"

namespace {

// Puts the font's size back on every path.
class TFontHeightRestore {
public:
    explicit TFontHeightRestore(TFont& font) : FFont(font), FHeight(font.Height()) {}
    ~TFontHeightRestore() { FFont.SetHeight(FHeight); }
    TFontHeightRestore(const TFontHeightRestore&) = delete;
    TFontHeightRestore& operator=(const TFontHeightRestore&) = delete;

private:
    TFont& FFont;
    int FHeight;
};

// The text alignment is left again after each text, whatever happened.
class TAlignmentReset {
public:
    explicit TAlignmentReset(TCanvas3D& canvas) : FCanvas(canvas) {}
    ~TAlignmentReset() { FCanvas.SetTextAlignment(TA_LEFT); }
    TAlignmentReset(const TAlignmentReset&) = delete;
    TAlignmentReset& operator=(const TAlignmentReset&) = delete;

private:
    TCanvas3D& FCanvas;
};

// The pieces of a text between carriage returns; a last piece after the final separator counts
// only when it is not empty, as for measuring.
std::vector<std::string_view> LinesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find('\r', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

constexpr unsigned Horizontals = TA_LEFT | TA_RIGHT | TA_CENTER;

// The frame box of a title or label item for a block of n lines placed at (x, y) with the
// given line step, alignment and angle: the text's widest line by n lines, one "W" wider on
// each side. For angles other than 0 the box is the unturned one that is drawn turned.
TRect TextFrameBox(TCanvas3D& c, const std::string& text, int x, int y, int step, int n,
                   unsigned align, int angle, bool side) {
    const int h = c.MeasureLineHeight();
    int lineCount = 0;
    const int v = MultiLineTextWidth(c, text, lineCount);
    const int C = n * h;
    const int w = c.MeasureTextWidth("W"), t = w / 2;
    const unsigned horizontal = align & Horizontals;
    const bool bottom = (align & TA_BOTTOM) == TA_BOTTOM;
    TRect r;
    r.Left = x;
    r.Top = y + step - (bottom ? C : 0);
    if (angle == 90) {
        if (horizontal == TA_LEFT) {
            r.Left = x - C / 2 + t;
            r.Top = y - 2 * C;
        } else if (horizontal == TA_RIGHT) {
            r.Left = x + v - w;
            r.Top = y + C + w;
        } else {
            r.Left = side ? x + C + t : x + C / 2;
            r.Top = y - v / 2 + C + t;
        }
    } else if (angle == 180) {
        if (horizontal == TA_LEFT) {
            r.Left = x - v;
            r.Top = y - 2 * C;
        } else if (horizontal == TA_RIGHT) {
            r.Left = x + v + t / 2;
            r.Top = y - 2 * C;
        } else {
            r.Top = bottom ? y - C : y - 2 * C;
        }
    } else if (angle == 270) {
        if (horizontal == TA_LEFT) {
            r.Left = x - v + w;
            r.Top = y + C + w;
        } else if (horizontal == TA_RIGHT) {
            r.Top = y - v / 2 - w;
        } else {
            r.Left = side ? x - C / 2 : x - v / 2;
            r.Top = y - w;
        }
    }
    r.Right = r.Left + v;
    r.Bottom = r.Top + C;
    const int shift = horizontal == TA_RIGHT ? v : horizontal == TA_CENTER ? v / 2 : 0;
    r.Left -= shift + t;
    r.Right += t - shift;
    return r;
}

}  // namespace

void TChartAxis::DrawLabelAt(int pixel, const std::string& text, TTeeCustomShape* item,
                             double value) {
    if (FLabels.TickOnLabelsOnly) AddTick(pixel);
    DrawLabelText(pixel, text, item, value);
}

void TChartAxis::DrawLabelText(int pixel, const std::string& text, TTeeCustomShape* item,
                               double value) {
    TCanvas3D* canvas = Canvas3D();
    if (!canvas) return;
    TCanvas3D& c = *canvas;
    if (item) {
        c.UseFont(item->Font());
    } else {
        // The items list the labels of the pass while they are automatic.
        if (FItems->Auto()) FItems->AddLabelOfPass(value, text);
        c.UseFont(LabelsFont());
    }
    c.Brush()->SetStyle(bsClear);
    c.SetBackgroundMode(TRANSPARENT);
    const int angle = FLabels.LabelsAngle;
    if (IsDepthAxis) {
        int depth = pixel;
        if (FHost->AxisViewFacesFront()) depth += c.MeasureLineHeight() / 2;
        const int x =
            FOtherSide ? FLabelsPosition : FLabelsPosition - c.MeasureTextWidth("W") / 2 - 2;
        DrawAxisText(x, DepthLabelRow(), depth, item, text, angle);
        return;
    }
    int position = FLabelsPosition;
    if (FLabels.LabelsAlternate) {
        // Every other label one row further out: on a horizontal axis from the second label
        // on, on a vertical one from the first.
        const bool shifted = (FLabelsDrawn % 2 == 1) == FHorizontal;
        if (shifted)
            position = Outward(position, FHorizontal ? c.MeasureLineHeight() : FAlternateRowWidth);
    }
    ++FLabelsDrawn;
    if (FHorizontal)
        DrawAxisText(pixel, position, 0, item, text, angle);
    else
        DrawAxisText(position, pixel, 0, item, text, angle);
}

unsigned TChartAxis::AlignTextToAxis(TCanvas3D& c, const std::string& text, int angle, int& x,
                                     int& y) {
    const int h = c.MeasureLineHeight();
    const bool vertical = !FHorizontal;
    const bool side = FOtherSide;
    unsigned align = TA_LEFT;
    switch (angle) {
        case 0:
            if (FHorizontal) {
                align = TA_CENTER | (side ? TA_BOTTOM : TA_TOP);
            } else if (FLabels.LabelsAlign == alDefault) {
                align = side ? TA_LEFT : TA_RIGHT;
            } else {
                align = side ? TA_RIGHT : TA_LEFT;
                x = side ? x + LabelsSpace() : x - LabelsSpace();
            }
            if (vertical && !IsDepthAxis) y -= h / 2;
            break;
        case 45:
            if (FHorizontal && side) {
                const int wj = c.MeasureTextWidth("Wj");
                x -= wj;
                y -= wj;
            } else if (FHorizontal) {
                int lines = 0;
                const int d =
                    RoundToInt(MultiLineTextWidth(c, text, lines) * std::sin(std::numbers::pi / 4));
                x -= d;
                y += d;
            }
            break;
        case 90:
            if (FHorizontal) {
                align = side ? TA_LEFT : TA_RIGHT;
                x -= h / 2;
            } else {
                align = TA_CENTER | (side ? TA_TOP : TA_BOTTOM);
            }
            if (IsDepthAxis) y += h / 2;
            break;
        case 180:
            align =
                FHorizontal ? TA_CENTER | (side ? TA_TOP : TA_BOTTOM) : (side ? TA_RIGHT : TA_LEFT);
            if (vertical) y += h / 2;
            break;
        case 270:
            if (FHorizontal) {
                align = side ? TA_RIGHT : TA_LEFT;
                x += h / 2;
            } else {
                align = TA_CENTER | (side ? TA_BOTTOM : TA_TOP);
            }
            if (IsDepthAxis) y += h / 2;
            break;
        default:
            break;
    }
    return align;
}

void TChartAxis::DrawAxisText(int x, int y, int z, TTeeCustomShape* shape, const std::string& text,
                              int angle) {
    TCanvas3D* canvas = Canvas3D();
    if (!canvas) return;
    TCanvas3D& c = *canvas;
    const TAlignmentReset reset(c);
    const int h = c.MeasureLineHeight();
    const bool side = FOtherSide;
    if (angle == 360) angle = 0;

    // 1. Alignment and nudges.
    const unsigned align = AlignTextToAxis(c, text, angle, x, y);

    // 2. The block of n lines placed so that it starts (or ends) at the point; each line is
    // drawn one step further on.
    if (!IsDepthAxis) z = FZPixel;
    std::vector<std::string_view> lines = LinesOf(text);
    const int n = int(lines.size());
    const int step = angle == 180 || angle == 270 ? -h : h;
    const bool acrossX = angle == 90 || angle == 270;  // lines stack along x
    const int block = n * step, centred = RoundToInt(step * 0.5 * (n + 1));
    if (FHorizontal) {
        if (acrossX)
            x -= centred;
        else if (angle == 0 || angle == 180)
            y -= (angle == 0) == side ? block : step;
        else
            y -= step;
    } else if (acrossX) {
        x -= (angle == 90) != side ? block : step;
    } else if (angle == 0 || angle == 180) {
        y -= centred;
    } else {
        y -= step;
    }

    // 3. The frame box of a title or label item, behind the text.
    if (shape) {
        TRect r = TextFrameBox(c, text, x, y, step, n, align, angle, side);
        if (z != 0) r = c.ProjectRect(r, z);
        shape->SetShapeBounds(r);
        shape->DrawRectRotated(r, angle, 0);
        c.Brush()->SetStyle(bsClear);
    }

    // 4. The chart may move, change or cancel the text.
    std::string shown = text;
    if (OnDrawLabel) {
        bool draw = true;
        OnDrawLabel(*this, x, y, z, shown, draw);
        if (!draw) return;
        lines = LinesOf(shown);  // the event may have changed the number of lines
    }

    // 5. The lines, one step apart.
    c.SetTextAlignment(align);
    for (const std::string_view line : lines) {
        (acrossX ? x : y) += step;
        DrawTextLine(c, x, y, z, std::string(line), angle, align);
    }
}

void TChartAxis::DrawTextLine(TCanvas3D& c, int x, int y, int z, const std::string& line, int angle,
                              unsigned alignment) {
    if (angle != 0)
        c.DrawRotatedTextAtZ(x, y, z, line, angle);
    else if (FLabels.LabelsExponent)
        DrawExponentText(c, x, y, z, line, alignment);
    else
        c.DrawTextAtZ(x, y, z, line);
}

void TChartAxis::DrawExponentText(TCanvas3D& c, int x, int y, int z, const std::string& text,
                                  unsigned alignment) {
    const size_t e = text.find_first_of("Ee");
    if (e == std::string::npos) {
        c.DrawTextAtZ(x, y, z, text);
        return;
    }
    const std::string mantissa = text.substr(0, e), exponent = text.substr(e + 1);
    const int h = c.MeasureLineHeight();
    const int raised = y - ((h - 1) / 2 - 2);
    TFont& font = *c.Font();
    const int size = font.Size();
    const unsigned horizontal = alignment & Horizontals;
    if (horizontal == TA_LEFT) {
        const int mantissaWidth = c.MeasureTextWidth(mantissa);
        c.DrawTextAtZ(x, y, z, mantissa);
        const TFontHeightRestore restore(font);
        font.SetSize(size - size / 4);
        c.DrawTextAtZ(x + mantissaWidth + 1, raised, z, exponent);
        return;
    }
    // Right or centred: the exponent first, the mantissa ending before it.
    int exponentWidth = 0;
    {
        const TFontHeightRestore restore(font);
        font.SetSize(size - size / 4);
        exponentWidth = c.MeasureTextWidth(exponent);
        const int ex = horizontal == TA_CENTER ? x + (exponentWidth + 1) / 2 : x;
        c.DrawTextAtZ(ex, raised, z, exponent);
    }
    c.DrawTextAtZ(x - (exponentWidth + 1), y, z, mantissa);
}

void TChartAxis::DrawTitleAt(int x, int y) {
    TCanvas3D* canvas = Canvas3D();
    if (!canvas) return;
    TCanvas3D& c = *canvas;
    const TNamedPartGuard part(c, "title");
    TChartAxisTitle& title = *Title();
    c.UseFont(title.Font());
    c.SetBackgroundMode(TRANSPARENT);
    if (IsDepthAxis) {
        const TAlignmentReset reset(c);
        c.SetTextAlignment(FOtherSide ? TA_LEFT : TA_RIGHT);
        c.DrawRotatedTextAtZ(x, y, FHost->AxisChartDepth() / 2, title.Caption(), title.Angle());
        return;
    }
    const TValueGuard<bool> plain(FLabels.LabelsExponent, false);
    DrawAxisText(x, y, 0, &title, title.Caption(), title.Angle());
}
