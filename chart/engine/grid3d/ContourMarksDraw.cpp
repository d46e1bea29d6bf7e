// The contour lines drawn with their marks: a line is cut where a mark sits, the mark centred
// in the gap and turned along the line (never upside down).
#include <cmath>
#include <numbers>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/engine/grid3d/ContourSeries.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeFont.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/RtlMath.h"

namespace {

double Distance(const TPoint& a, const TPoint& b) { return std::hypot(b.X - a.X, b.Y - a.Y); }

// The point at distance r from a towards b.
TPoint Towards(const TPoint& a, const TPoint& b, int r) {
    const double d = Distance(a, b);
    if (d == 0) return a;
    return TPoint{a.X + RoundToInt((b.X - a.X) * r / d), a.Y + RoundToInt((b.Y - a.Y) * r / d)};
}

}  // namespace

std::string TContourSeries::LevelMarkText(int levelIndex) {
    switch (Marks()->Style()) {
        case smsSeriesTitle:
            return FParentChart ? FParentChart->SeriesTitleText(this) : Title();
        case smsPointIndex:
            return std::to_string(levelIndex);
        default:
            return FormatFloat(ValueFormat(), FLevels->GetLevel(levelIndex)->UpToValue());
    }
}

void TContourSeries::LineMoveTo(const TPoint& p) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    if (FParentChart->View3D())
        canvas.MovePenTo3D(p.X, FYPixel, p.Y);
    else
        canvas.MovePenTo(p.X, p.Y);
}

void TContourSeries::LineTo(const TPoint& p) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    if (FParentChart->View3D())
        canvas.DrawLineTo3D(p.X, FYPixel, p.Y);
    else
        canvas.DrawLineTo(p.X, p.Y);
}

void TContourSeries::DrawLineWithMarks(TColor lineColor, TColor levelColor, const std::string& text,
                                       int width, int height) {
    const std::vector<TPoint>& p = FScreen;
    const int n = int(p.size());
    if (n == 0) return;
    const int gap = 2 * FContourMarks->Margin() + width;
    auto linesTo = [&](int from, int to) {
        for (int j = from; j <= to; ++j) LineTo(p[size_t(j)]);
    };
    LineMoveTo(p[0]);
    int u = 0, c = 0;
    for (int i = 1; i < n; ++i) {
        double d = Distance(p[size_t(i)], p[size_t(u)]);
        if (d <= gap) continue;
        const double e = Distance(p[size_t(i)], p[size_t(i) - 1]);
        ++c;
        if (c % FContourMarks->Density() != 0) {
            linesTo(u, i);
            u = i;
            continue;
        }
        if (e > gap) {
            linesTo(u + 1, i - 1);
            u = i - 1;
            d = e;
        }
        if (u == i - 1) LineTo(Towards(p[size_t(i) - 1], p[size_t(i)], RoundToInt((e - gap) / 2)));
        const TPoint m = Towards(p[size_t(u)], p[size_t(i)], RoundToInt(d / 2));
        // Across the line, turned so that the text never stands upside down.
        const double dx = p[size_t(i)].X - p[size_t(u)].X, dy = p[size_t(i)].Y - p[size_t(u)].Y;
        int angle = RoundToInt(std::atan2(-dy, dx) * 180 / std::numbers::pi + 90);
        angle = ((angle % 360) + 360) % 360;
        if (angle > 90 && angle < 270) {
            angle += 180;
            if (angle > 360) angle -= 360;
        }
        DrawMarkAtLine(m.X, m.Y + height / 2, angle, lineColor, levelColor, text, width, height);
        if (gap > e)
            LineMoveTo(p[size_t(i)]);
        else
            LineMoveTo(Towards(p[size_t(i) - 1], p[size_t(i)], RoundToInt((gap + e) / 2)));
        u = i;
    }
    linesTo(u, n - 1);
}

void TContourSeries::DrawMarkAtLine(int x, int y, int angle, TColor lineColor, TColor levelColor,
                                    const std::string& text, int width, int height) {
    TSeriesMarks& marks = *Marks();
    if (FParentChart->View3D()) {
        marks.ZPosition = y;
        y = FYPixel;
    }
    TSeriesMarkPosition position;
    position.Width = width;
    position.Height = height;
    position.LeftTop = TPoint{x - width / 2, y - height / 2};
    position.ArrowFrom = position.ArrowTo = TPoint{x, y};
    const TRect box = position.Bounds();
    if (FContourMarks->AntiOverlap()) {
        for (const TRect& drawn : FMarkRects)
            if (!IntersectRect(drawn, box).IsEmpty()) return;
    }
    const int savedAngle = marks.Angle();
    const TColor savedColor = marks.Font()->Color();
    marks.SetAngle(savedAngle + angle);
    if (FContourMarks->ColorLevel()) marks.Font()->SetColor(levelColor);
    marks.DrawMark(marks, lineColor, position, text);
    FMarkRects.push_back(box);
    marks.SetAngle(savedAngle);
    marks.Font()->SetColor(savedColor);
    FParentChart->Canvas3D()->UsePenWithColor(Pen(), lineColor);
}
