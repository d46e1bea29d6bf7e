#include "platform/graphics/Path.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double Pi = std::numbers::pi;

TPoint Rounded(double x, double y) { return Point(int(std::lround(x)), int(std::lround(y))); }

struct TEllipse {
    double Cx, Cy, A, B;
    explicit TEllipse(const TRect& box)
        : Cx((double(box.Left) + box.Right) / 2),
          Cy((double(box.Top) + box.Bottom) / 2),
          A((double(box.Right) - box.Left) / 2),
          B((double(box.Bottom) - box.Top) / 2) {}
    // The parameter angle of the radial through p; y grows downwards, angles counter-clockwise
    // on the surface.
    double AngleOf(TPoint p) const {
        if (A <= 0 || B <= 0) return 0;
        return std::atan2(-(p.Y - Cy) / B, (p.X - Cx) / A);
    }
    double X(double t) const { return Cx + A * std::cos(t); }
    double Y(double t) const { return Cy - B * std::sin(t); }
};

// Cubic Bezier points, lines of at most about two pixels each.
void FlattenCurve(TPoint p0, TPoint p1, TPoint p2, TPoint p3, std::vector<TPoint>& out) {
    // In doubles: the points may lie at the ends of the integers.
    auto span = [](TPoint a, TPoint b) { return std::hypot(double(b.X) - a.X, double(b.Y) - a.Y); };
    const double length = span(p0, p1) + span(p1, p2) + span(p2, p3);
    const int n = int(std::clamp(length / 2 + 1, 1.0, 256.0));
    for (int i = 1; i <= n; ++i) {
        const double t = double(i) / n, u = 1 - t;
        const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
        const TPoint p = Rounded(a * p0.X + b * p1.X + c * p2.X + d * p3.X,
                                 a * p0.Y + b * p1.Y + c * p2.Y + d * p3.Y);
        if (out.empty() || out.back() != p) out.push_back(p);
    }
}

}  // namespace

TPoint EllipseRadialPoint(const TRect& box, TPoint p) {
    const TEllipse e(box);
    if (e.A <= 0 || e.B <= 0 || (p.X == e.Cx && p.Y == e.Cy)) return Rounded(e.Cx, e.Cy);
    const double t = e.AngleOf(p);
    return Rounded(e.X(t), e.Y(t));
}

void TPath::Begin() {
    Clear();
    FState = stOpen;
}

void TPath::End() {
    if (FState == stOpen) FState = stClosed;
    FFigureStart = -1;
}

void TPath::Clear() {
    FState = stNone;
    FPoints.clear();
    FTypes.clear();
    FFigureStart = -1;
}

void TPath::StartFigure(TPoint p) {
    FFigureStart = int(FPoints.size());
    FPoints.push_back(p);
    FTypes.push_back(PT_MOVETO);
}

void TPath::BreakFigure() { FFigureStart = -1; }

void TPath::LineTo(TPoint from, TPoint to) {
    if (!FigureOpen() || FPoints.back() != from) StartFigure(from);
    FPoints.push_back(to);
    FTypes.push_back(PT_LINETO);
}

void TPath::CloseFigure() {
    if (!FigureOpen() || FPoints.size() - size_t(FFigureStart) < 2) return;
    FTypes.back() |= PT_CLOSEFIGURE;
    FFigureStart = -1;
}

void TPath::AddFigure(std::span<const TPoint> points, bool closed) {
    if (points.empty()) return;
    StartFigure(points[0]);
    for (size_t i = 1; i < points.size(); ++i) {
        FPoints.push_back(points[i]);
        FTypes.push_back(PT_LINETO);
    }
    if (closed) CloseFigure();
    FFigureStart = -1;
}

void TPath::AddRectangle(const TRect& box) {
    const TPoint corners[4] = {
        {box.Left, box.Top}, {box.Right, box.Top}, {box.Right, box.Bottom}, {box.Left, box.Bottom}};
    AddFigure(corners, true);
}

void TPath::AddEllipseCurve(const TRect& box, double t0, double sweep) {
    const TEllipse e(box);
    const int pieces = std::max(1, int(std::ceil(std::abs(sweep) / (Pi / 2) - 1e-9)));
    const double d = sweep / pieces;
    const double k = 4.0 / 3.0 * std::tan(d / 4);
    for (int i = 0; i < pieces; ++i) {
        const double a = t0 + i * d, b = a + d;
        // The tangent of the ellipse x = Cx + A cos t, y = Cy - B sin t.
        const double ax = -e.A * std::sin(a), ay = -e.B * std::cos(a);
        const double bx = -e.A * std::sin(b), by = -e.B * std::cos(b);
        FPoints.push_back(Rounded(e.X(a) + k * ax, e.Y(a) + k * ay));
        FPoints.push_back(Rounded(e.X(b) - k * bx, e.Y(b) - k * by));
        FPoints.push_back(Rounded(e.X(b), e.Y(b)));
        FTypes.insert(FTypes.end(), 3, PT_BEZIERTO);
    }
}

void TPath::AddEllipse(const TRect& box) {
    const TEllipse e(box);
    StartFigure(Rounded(e.X(0), e.Y(0)));
    AddEllipseCurve(box, 0, 2 * Pi);
    CloseFigure();
}

void TPath::AddRoundRect(const TRect& box, int ellipseWidth, int ellipseHeight) {
    const int ew = std::min(ellipseWidth, ClampedWidth(box));
    const int eh = std::min(ellipseHeight, ClampedHeight(box));
    if (ew <= 0 || eh <= 0) return AddRectangle(box);
    // Each corner is a quarter of the ellipse of the corner's ew x eh box.
    const TRect corners[4] = {Rect(box.Right - ew, box.Top, box.Right, box.Top + eh),
                              Rect(box.Left, box.Top, box.Left + ew, box.Top + eh),
                              Rect(box.Left, box.Bottom - eh, box.Left + ew, box.Bottom),
                              Rect(box.Right - ew, box.Bottom - eh, box.Right, box.Bottom)};
    StartFigure(Rounded(box.Right, box.Top + eh / 2.0));
    for (int i = 0; i < 4; ++i) {
        const TEllipse e(corners[i]);
        const double t0 = i * Pi / 2;
        const TPoint from = Rounded(e.X(t0), e.Y(t0));
        if (FPoints.back() != from) {
            FPoints.push_back(from);
            FTypes.push_back(PT_LINETO);
        }
        AddEllipseCurve(corners[i], t0, Pi / 2);
    }
    CloseFigure();
}

void TPath::AddArc(const TRect& box, TPoint start, TPoint end, bool clockwise, TArcKind kind) {
    const TEllipse e(box);
    const double t0 = e.AngleOf(start), t1 = e.AngleOf(end);
    double sweep = clockwise ? t0 - t1 : t1 - t0;
    sweep = std::fmod(sweep + 4 * Pi, 2 * Pi);
    if (sweep < 1e-9) sweep = 2 * Pi;  // the same radial twice: the whole ellipse
    if (clockwise) sweep = -sweep;
    const TPoint first = Rounded(e.X(t0), e.Y(t0));
    if (kind == akJoined && FigureOpen()) {
        if (FPoints.back() != first) {
            FPoints.push_back(first);
            FTypes.push_back(PT_LINETO);
        }
    } else if (kind == akPie) {
        StartFigure(Rounded(e.Cx, e.Cy));
        FPoints.push_back(first);
        FTypes.push_back(PT_LINETO);
    } else {
        StartFigure(first);
    }
    AddEllipseCurve(box, t0, sweep);
    if (kind == akPie || kind == akChord)
        CloseFigure();
    else if (kind == akOpen)
        FFigureStart = -1;
}

void TPath::AddTyped(std::span<const TPoint> points, std::span<const uint8_t> types) {
    FPoints.insert(FPoints.end(), points.begin(), points.end());
    FTypes.insert(FTypes.end(), types.begin(), types.end());
    FFigureStart = -1;
}

std::vector<TPath::TFigure> TPath::Figures() const {
    std::vector<TFigure> figures;
    for (size_t i = 0; i < FPoints.size();) {
        if ((FTypes[i] & ~PT_CLOSEFIGURE) == PT_MOVETO || figures.empty()) {
            figures.emplace_back();
            figures.back().Points.push_back(FPoints[i]);
            ++i;
            continue;
        }
        TFigure& f = figures.back();
        const uint8_t kind = FTypes[i] & ~PT_CLOSEFIGURE;
        size_t last = i;
        if (kind == PT_BEZIERTO && i + 2 < FPoints.size()) {
            FlattenCurve(f.Points.back(), FPoints[i], FPoints[i + 1], FPoints[i + 2], f.Points);
            last = i + 2;
        } else {
            f.Points.push_back(FPoints[i]);
        }
        if (FTypes[last] & PT_CLOSEFIGURE) f.Closed = true;
        i = last + 1;
    }
    // A closed figure that came back to its start need not repeat it.
    for (TFigure& f : figures)
        if (f.Closed && f.Points.size() > 2 && f.Points.back() == f.Points.front())
            f.Points.pop_back();
    return figures;
}

void TPath::Flatten() {
    const TState state = FState;
    SetFigures(Figures());
    FState = state;
}

void TPath::SetFigures(const std::vector<TFigure>& figures) {
    FPoints.clear();
    FTypes.clear();
    FFigureStart = -1;
    for (const TFigure& f : figures) AddFigure(f.Points, f.Closed);
}

TRegion TPath::Area() const {
    TRegion area;
    for (const TFigure& f : Figures()) {
        if (f.Points.size() < 3) continue;
        const TRegion piece = TRegion::FromPolygon(f.Points);
        TRegion combined;
        combined.Combine(area, piece, RGN_XOR);
        area = std::move(combined);
    }
    return area;
}
