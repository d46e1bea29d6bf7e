// Drawing one mark box with its arrow and text, hit-testing the boxes and nudging overlapping
// boxes apart.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "chart/engine/AxisLabelFormat.h"
#include "chart/engine/AxisPanel.h"
#include "chart/engine/Callout.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/engine/SeriesMarksSymbol.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/HitTests.h"
#include "chart/foundation/TeeFont.h"
#include "chart/foundation/TeePanel.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/rtl/RtlMath.h"

namespace {

// The platform's text alignment flags.
constexpr unsigned TextAlignLeft = 0;
constexpr unsigned TextAlignRight = 2;
constexpr unsigned TextAlignCenter = 6;

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i)
        if (i == text.size() || text[i] == '\r') {
            lines.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    return lines;
}

bool Intersect(const TRect& a, const TRect& b) {
    return std::max(a.Left, b.Left) < std::min(a.Right, b.Right) &&
           std::max(a.Top, b.Top) < std::min(a.Bottom, b.Bottom);
}

}  // namespace

TPoint TSeriesMarks::ProjectedLeftTop(TPoint arrowTo, TPoint leftTop) {
    if (!FParentChart || !FParentChart->View3D()) return leftTop;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    if (canvas.DrawsTextIn3D()) return leftTop;
    const TPoint p = canvas.ProjectPoint(arrowTo.X, arrowTo.Y, ZPosition);
    return TPoint{leftTop.X + p.X - arrowTo.X, leftTop.Y + p.Y - arrowTo.Y};
}

void TSeriesMarks::DrawMarkAt(int index, TColor color, TSeriesMarkPosition& position,
                              const std::string& text) {
    ApplyPosition(index, position);
    DrawMark(ItemFormat(index), color, position, text);
}

void TSeriesMarks::DrawMark(TTeeCustomShape& format, TColor color, TSeriesMarkPosition& p,
                            const std::string& text) {
    if (!FParentChart) return;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    if (FCallout && (FCallout->Visible() || FCallout->Arrow()->Visible()))
        FCallout->Draw(color, p.ArrowFrom, p.MidPoint, p.ArrowTo, ZPosition, p.HasMid);

    p.LeftTop = ProjectedLeftTop(p.ArrowTo, p.LeftTop);
    TRect box = p.Bounds();
    if (p.Custom) {
        const TRect& drawing = FParentChart->DrawingRect();
        box = TRect{box.Left + drawing.Left, box.Top + drawing.Top, box.Right + drawing.Left,
                    box.Bottom + drawing.Top};
    }
    const int angle = FAngle % 360;
    format.DrawOnPanel(FParentChart, box, angle, ZPosition + 1);

    TRect textBox = box;
    textBox.Left += 2;
    if (FSymbol && FSymbol->IsShown()) {
        canvas.UseFont(format.Font());
        const int h = canvas.MeasureLineHeight();
        const TRect symbolBox{box.Left + 4, box.Top + 3, box.Left + h - 1, box.Top + h - 2};
        FSymbol->SetColor(color);
        FSymbol->Brush()->SetStyle(bsSolid);
        FSymbol->DrawOnPanel(FParentChart, symbolBox, angle, ZPosition + 1);
        textBox.Left += symbolBox.Right - symbolBox.Left + 4;
    }
    canvas.Brush()->SetStyle(bsClear);
    canvas.SetBackgroundMode(TRANSPARENT);
    canvas.UseFont(format.Font());
    if (FFontSeriesColor) canvas.Font()->SetColor(color);
    DrawText(canvas, format, textBox, text);
}

void TSeriesMarks::DrawText(TCanvas3D& canvas, TTeeCustomShape& format, const TRect& r,
                            const std::string& text) {
    const TRect& m = FMargins->Pixels();
    const int xc = (r.Left + m.Left + r.Right - m.Right) / 2;
    const int yc = (r.Top + m.Top + r.Bottom - m.Bottom) / 2;
    int x = xc;
    unsigned flags = TextAlignCenter;
    if (FTextAlign == taRightJustify) {
        x = r.Right - m.Right;
        flags = TextAlignRight;
    } else if (FTextAlign == taLeftJustify) {
        x = r.Left + m.Left;
        flags = TextAlignLeft;
    }
    canvas.SetTextAlignment(flags);
    if (TextFormat() == ttfHtml) {
        canvas.DrawTextOrMarkup(x, r.Top + m.Top, true, text);
        canvas.SetTextAlignment(TextAlignLeft);
        return;
    }
    const int h = canvas.MeasureLineHeight();
    const TChartPen* frame = format.Pen();
    const int penTerm = frame->Visible() ? (frame->Width() - 1) / 2 : 0;
    const int angle = FAngle % 360;
    const double radians = angle * std::numbers::pi / 180;
    const bool text3D = canvas.DrawsTextIn3D();
    const auto lines = SplitLines(text);
    for (size_t i = 0; i < lines.size(); ++i) {
        int lx = x, ly = r.Top + m.Top + int(i) * h + penTerm;
        if (angle != 0) {
            const int d = int(i) * h + yc - r.Bottom - m.Bottom + penTerm;
            lx = xc + RoundToInt(std::sin(radians) * d) + (angle == 90 ? 1 : 0);
            ly = yc + RoundToInt(std::cos(radians) * d);
        }
        if (text3D) {
            if (angle == 0)
                canvas.DrawTextAtZ(lx, ly, ZPosition, lines[i]);
            else
                canvas.DrawRotatedTextAtZ(lx, ly, ZPosition, lines[i], angle);
        } else {
            canvas.DrawRotatedText(lx, ly, lines[i], angle);
        }
    }
    canvas.SetTextAlignment(TextAlignLeft);
}

int TSeriesMarks::TextWidth(int index) {
    if (!FSeries || !FSeries->ParentChart()) return 0;
    int lines = 0;
    return MultiLineTextWidth(*FSeries->ParentChart()->Canvas3D(), FSeries->ValueMarkText(index),
                              lines);
}

int TSeriesMarks::MarkAtPoint(int x, int y) {
    const int every = std::max(1, FDrawEvery);
    const TPoint at{x, y};
    for (int i = FPositions.Count() - 1; i >= 0; --i) {
        if (i % every != 0) continue;
        const TSeriesMarkPosition* p = FPositions.Position(i);
        if (!p) continue;
        const TPoint lt = ProjectedLeftTop(p->ArrowTo, p->LeftTop);
        const TRect r{lt.X, lt.Y, lt.X + p->Width, lt.Y + p->Height};
        if (FAngle > 0) {
            const auto corners = RectCornersRotated(r, FAngle % 360);
            if (PointInPolygon(at, corners, 3)) return i;
        } else if (x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom) {
            return i;
        }
    }
    return -1;
}

TRect TSeriesMarks::OverlapRect(const TSeriesMarkPosition& position, TTeeCustomShape& format) {
    const TPoint lt = ProjectedLeftTop(position.ArrowTo, position.LeftTop);
    TRect r{lt.X, lt.Y, lt.X + position.Width, lt.Y + position.Height};
    if (format.Pen()->Visible()) {
        r.Right += format.Pen()->Width();
        r.Bottom += format.Pen()->Width();
    }
    if (const TTeeShadow* s = format.Shadow(); s && s->Visible()) {
        (s->HorizSize() > 0 ? r.Right : r.Left) += s->HorizSize();
        (s->VertSize() > 0 ? r.Bottom : r.Top) += s->VertSize();
    }
    return r;
}

void TSeriesMarks::AntiOverlap(int first, int current, TSeriesMarkPosition& position) {
    const TRect mine = OverlapRect(position, ItemFormat(current));
    for (int i = std::max(0, first); i < current; ++i) {
        const TSeriesMarkPosition* other = FPositions.Position(i);
        if (!other) continue;
        const TRect theirs = OverlapRect(*other, ItemFormat(i));
        if (!Intersect(mine, theirs)) continue;
        const int overlap =
            mine.Top < theirs.Top ? mine.Bottom - theirs.Top : mine.Top - theirs.Bottom;
        position.MoveBoxBy(-overlap);
    }
}
