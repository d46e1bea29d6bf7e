// Lines and closed shapes of the canvas.
#include <QImage>
#include <algorithm>
#include <cstdint>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/CanvasPainter.h"
#include "platform/graphics/PainterSurface.h"
#include "platform/graphics/Path.h"
#include "platform/graphics/RecordingCanvas.h"

TPaint PenPaint(const TCanvas& canvas) {
    TPaint paint;
    paint.Color = ToDevice(canvas.Pen()->Color());
    paint.Rop = canvas.Pen()->Mode();
    return paint;
}

TPaint BrushPaint(const TCanvas& canvas, TPenMode rop) {
    const TBrush& brush = *canvas.Brush();
    TPaint paint;
    paint.Rop = rop;
    paint.Color = ToDevice(brush.Color());
    paint.Back = ToDevice(canvas.BkColor());
    paint.Opaque = canvas.BkMode() == OPAQUE;
    if (brush.Bitmap() && !brush.Bitmap()->Empty()) {
        paint.Kind = TPaint::Patterned;
        paint.Pattern = &brush.Bitmap()->Image();
        // A two-colour pattern is drawn in the text and background colours.
        if (brush.Bitmap()->PixelFormat() == pf1bit) {
            paint.Mono = true;
            paint.Color = ToDevice(canvas.TextColor());
        }
    } else if (brush.Style() == bsClear) {
        paint.Rop = pmNop;
    } else if (brush.Style() != bsSolid) {
        paint.Kind = TPaint::Hatched;
        paint.Hatch = brush.Style();
    }
    return paint;
}

const TDashes* DashesOf(TPenStyle style) {
    static constexpr TDashes dash{2, {18, 6}};
    static constexpr TDashes dot{2, {3, 3}};
    static constexpr TDashes dashDot{4, {9, 6, 3, 6}};
    static constexpr TDashes dashDotDot{6, {9, 3, 3, 3, 3, 3}};
    switch (style) {
        case psDash:
            return &dash;
        case psDot:
            return &dot;
        case psDashDot:
            return &dashDot;
        case psDashDotDot:
            return &dashDotDot;
        default:
            return nullptr;
    }
}

namespace {

// v moved by `by`, kept in range: coordinates from a file may lie near the ends of the integers.
int Shifted(int v, int64_t by) {
    return int(std::clamp<int64_t>(int64_t(v) + by, INT32_MIN, INT32_MAX));
}

TRect BoundsOf(std::span<const TPoint> points, int64_t margin) {
    const TRect r = BoundsOfPoints(points);
    ++margin;  // the right and bottom points' own pixels
    return Rect(Shifted(r.Left, -margin), Shifted(r.Top, -margin), Shifted(r.Right, margin),
                Shifted(r.Bottom, margin));
}

}  // namespace

// Strokes the pen along points; a closed figure returns to the first point. One-pixel pens leave
// out the last point (which a closed figure paints at its start) and keep their dash pattern
// running across corners; wider pens are solid, with the pen's ends and joins.
void TCanvas::Stroke(std::span<const TPoint> points, bool closed) {
    TCanvas& canvas = *this;
    TPainter& painter = *FPainter;
    const TPen& pen = *canvas.Pen();
    if (pen.Style() == psClear || points.size() < 2) return;
    const TPaint paint = PenPaint(canvas);
    const size_t segments = closed ? points.size() : points.size() - 1;
    const int width = DevicePenWidth();
    if (width > 1) {
        // The pen's ends and joins in the grid's terms (the same order of values).
        const TLineCap cap = static_cast<TLineCap>(pen.EndCap());
        const TLineJoin join = static_cast<TLineJoin>(pen.Join());
        if (segments == 1) {
            // One segment covers each pixel once: its rows go straight to the surface.
            ThickLineRows(points[0], points[1], width, cap, cap, 0, painter.Height(),
                          [&](int y, double lo, double hi) {
                              int x0, x1;
                              CentreCells(lo, hi, x0, x1);
                              if (x0 < x1) painter.Run(y, x0, x1, paint);
                          });
            return;
        }
        // Joined segments overlap: gather them on the grid first. Inner ends meet in the join;
        // only an open line's first and last points take the cap.
        TShapeMask& mask = painter.Mask();
        mask.Reset(IntersectRect(BoundsOf(points, int64_t(width) * 6), painter.Surface(0)));
        const size_t n = points.size();
        const TLineCap inner = cap == lcRound ? lcRound : lcFlat;
        for (size_t i = 0; i < segments; ++i) {
            const bool first = i == 0 && !closed, last = i + 1 == segments && !closed;
            mask.AddThickLine(points[i], points[(i + 1) % n], width, first ? cap : inner,
                              last ? cap : inner);
            if (!last)
                mask.AddJoin(points[i], points[(i + 1) % n], points[(i + 2) % n], width, join);
        }
        mask.ForEachRun([&](int y, int x0, int x1, uint8_t) { painter.Run(y, x0, x1, paint); });
        return;
    }
    // One-pixel pens: each pixel's place along the whole line (counted across corners) decides
    // whether a dash, a dot or a gap falls on it.
    const TDashes* dashes = DashesOf(pen.Style());
    int period = 1;
    if (pen.Dotted())
        period = pen.DotSpace() <= 0 ? 2 : pen.DotSpace() + 1;
    else if (dashes) {
        period = 0;
        for (int k = 0; k < dashes->Count; ++k) period += dashes->Lengths[k];
    }
    TPaint gap = paint;
    gap.Color = ToDevice(canvas.BkColor());
    const bool paintGaps = canvas.BkMode() == OPAQUE && dashes && !pen.Dotted();
    const TRect window = Rect(-1, -1, painter.Width() + 1, painter.Height() + 1);
    int64_t base = 0;
    for (size_t i = 0; i < segments; ++i) {
        const TPoint a = points[i], b = points[(i + 1) % points.size()];
        LinePixels(a, b, window, [&](int x, int y, int64_t step) {
            if (period == 1) return painter.Pixel(x, y, paint);
            const int64_t place = (base + step) % period;
            bool on = place == 0;
            if (!pen.Dotted()) {
                int64_t edge = 0;
                for (int k = 0; k < dashes->Count; ++k) {
                    edge += dashes->Lengths[k];
                    if (place < edge) {
                        on = (k & 1) == 0;
                        break;
                    }
                }
            }
            if (on)
                painter.Pixel(x, y, paint);
            else if (paintGaps)
                painter.Pixel(x, y, gap);
        });
        base += std::max(std::abs(int64_t(b.X) - a.X), std::abs(int64_t(b.Y) - a.Y));
    }
}

int TCanvas::DevicePenWidth() const {
    const int width = FPen->Width();
    return width <= 1 ? width : FMapping.LengthToDP(width);
}

// How far in the cut by distance (MarkInterior) looks for a pen w wide on box, or -1 when the pen
// leaves no cell interior (it is at least half as wide as the box: the whole shape is outline,
// however much wider it is). The grid must reach that far past the surface, so beyond the
// painter's limit a pen is taken as that wide: its pixels could differ only where the inner edge
// of such a pen, on a shape far larger than the surface, falls on the surface.
int TCanvas::OutlineDepth(int w, const TRect& box) const {
    const int64_t side = std::max(int64_t(box.Right) - box.Left, int64_t(box.Bottom) - box.Top);
    if (w > 0 && 2 * int64_t(w) >= side) return -1;
    return std::min(w, FPainter->PenWidthLimit());
}

bool TCanvas::Recorded(TMetaOp op, std::initializer_list<int> args) {
    if (!FRecorder) return false;
    FRecorder->Record(*this, op, std::span<const int>(args.begin(), args.size()));
    return true;
}

std::span<const TPoint> TCanvas::MapPoints(std::span<const TPoint> points) {
    if (FMapping.IsIdentity()) return points;
    FMapped.resize(points.size());
    for (size_t i = 0; i < points.size(); ++i) FMapped[i] = FMapping.LPtoDP(points[i]);
    return FMapped;
}

// A recorder takes a point list as x, y pairs.
static void RecordPoints(TCanvasRecorder& recorder, TCanvas& canvas, TMetaOp op,
                         std::span<const TPoint> points) {
    std::vector<int> args;
    args.reserve(points.size() * 2);
    for (const TPoint& p : points) {
        args.push_back(p.X);
        args.push_back(p.Y);
    }
    recorder.Record(canvas, op, args);
}

void TCanvas::MoveTo(int x, int y) {
    FPenPos = Point(x, y);
    if (!Recorded(TMetaOp::MoveTo, {x, y}) && InPath()) FPath->BreakFigure();
}

void TCanvas::LineTo(int x, int y) {
    const TPoint points[2] = {LPtoDP(FPenPos), LPtoDP(Point(x, y))};
    FPenPos = Point(x, y);
    if (Recorded(TMetaOp::LineTo, {x, y})) return;
    if (InPath()) return FPath->LineTo(points[0], points[1]);
    if (FSurface) return FSurface->Lines(*this, points, false);
    if (!FPainter->Begin(*this)) return;
    Changing();
    Stroke(points, false);
    Changed();
}

void TCanvas::Polyline(std::span<const TPoint> points) {
    if (FRecorder) return RecordPoints(*FRecorder, *this, TMetaOp::Polyline, points);
    if (InPath()) return FPath->AddFigure(MapPoints(points), false);
    points = MapPoints(points);
    if (FSurface) return FSurface->Lines(*this, points, false);
    if (points.size() < 2 || !FPainter->Begin(*this)) return;
    Changing();
    Stroke(points, false);
    Changed();
}

void TCanvas::Polygon(std::span<const TPoint> points) {
    if (FRecorder) return RecordPoints(*FRecorder, *this, TMetaOp::Polygon, points);
    if (InPath()) return FPath->AddFigure(MapPoints(points), true);
    points = MapPoints(points);
    if (FSurface) return FSurface->Polygon(*this, points);
    if (points.size() < 2 || !FPainter->Begin(*this)) return;
    Changing();
    const TPaint brush = BrushPaint(*this, FPen->Mode());
    if (points.size() >= 3 && !PaintsNothing(brush)) {
        TShapeMask& mask = FPainter->Mask();
        mask.Reset(IntersectRect(BoundsOf(points, 0), FPainter->Surface(0)));
        mask.AddPolygon(points);
        mask.ForEachRun([&](int y, int x0, int x1, uint8_t) { FPainter->Run(y, x0, x1, brush); });
    }
    Stroke(points, true);
    Changed();
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    if (Recorded(TMetaOp::Rectangle, {x1, y1, x2, y2})) return;
    TRect box = NormalizedRect(MapRect(x1, y1, x2, y2));
    if (InPath()) return FPath->AddRectangle(box);
    const bool penVisible = FPen->Style() != psClear;
    // Without a pen the fill stops one pixel short of the right and bottom edges.
    if (!penVisible) {
        box.Right = Shifted(box.Right, -1);
        box.Bottom = Shifted(box.Bottom, -1);
    }
    if (box.IsEmpty()) return;
    if (FSurface) return FSurface->Rectangle(*this, box);
    if (!FPainter->Begin(*this)) return;
    Changing();
    const TPaint brush = BrushPaint(*this, FPen->Mode());
    const TPaint pen = PenPaint(*this);
    const int w = penVisible ? std::max(1, DevicePenWidth()) : 0;
    for (int y = FPainter->FirstRow(box.Top); y < FPainter->EndRow(box.Bottom); ++y) {
        if (y < Shifted(box.Top, w) || y >= Shifted(box.Bottom, -w)) {
            FPainter->Run(y, box.Left, box.Right, pen);
            continue;
        }
        const int inner0 = std::min(Shifted(box.Left, w), box.Right),
                  inner1 = std::max(Shifted(box.Right, -w), inner0);
        if (w > 0) {
            FPainter->Run(y, box.Left, inner0, pen);
            FPainter->Run(y, inner1, box.Right, pen);
        }
        if (!PaintsNothing(brush)) FPainter->Run(y, inner0, inner1, brush);
    }
    Changed();
}

void TCanvas::BoxShape(TShapeKind kind, TRect box, int ew, int eh, TPoint start, TPoint end) {
    box = NormalizedRect(box);
    const bool penVisible = FPen->Style() != psClear;
    if (!penVisible) {
        box.Right = Shifted(box.Right, -1);
        box.Bottom = Shifted(box.Bottom, -1);
    }
    if (box.IsEmpty()) return;
    if (FArcDirection == AD_CLOCKWISE) std::swap(start, end);
    if (FSurface) return FSurface->Shape(*this, kind, box, ew, eh, start, end);
    if (!FPainter->Begin(*this)) return;
    Changing();
    const int w = penVisible ? std::max(1, DevicePenWidth()) : 0;
    // The inner shape of a wide pen: the same shape inset by the width, so the outline keeps
    // its width all round (a cut by distance would thicken it on the diagonals).
    const TRect inner = Rect(Shifted(box.Left, w), Shifted(box.Top, w), Shifted(box.Right, -w),
                             Shifted(box.Bottom, -w));
    const bool insetOutline = w > 1 && (kind == skEllipse || kind == skRoundRect);
    TShapeMask& mask = FPainter->Mask();
    // The cut by distance needs to see beyond the surface as far as the outline's width; the
    // inset outline needs only the surface.
    const int depth = insetOutline ? -1 : OutlineDepth(w, box);
    mask.Reset(IntersectRect(box, FPainter->Surface(depth + 1)));
    if (mask.Empty()) return Changed();
    switch (kind) {
        case skEllipse:
            mask.AddEllipse(box);
            if (insetOutline && !inner.IsEmpty()) mask.AddEllipse(inner, TShapeMask::Interior);
            break;
        case skRoundRect:
            mask.AddRoundRect(box, ew, eh);
            if (insetOutline && !inner.IsEmpty())
                mask.AddRoundRect(inner, std::max(0, ew - 2 * w), std::max(0, eh - 2 * w),
                                  TShapeMask::Interior);
            break;
        case skPie:
            mask.AddEllipse(box);
            mask.KeepSector(box, start, end);
            break;
        case skChord:
            mask.AddEllipse(box);
            mask.KeepChordSide(box, start, end);
            break;
    }
    if (depth >= 0) mask.MarkInterior(depth);
    const TPaint brush = BrushPaint(*this, FPen->Mode());
    const TPaint pen = PenPaint(*this);
    mask.ForEachRun([&](int y, int x0, int x1, uint8_t v) {
        if (v == TShapeMask::Edge)
            FPainter->Run(y, x0, x1, pen);
        else if (!PaintsNothing(brush))
            FPainter->Run(y, x0, x1, brush);
    });
    Changed();
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    if (Recorded(TMetaOp::Ellipse, {x1, y1, x2, y2})) return;
    const TRect box = MapRect(x1, y1, x2, y2);
    if (InPath()) return FPath->AddEllipse(NormalizedRect(box));
    BoxShape(skEllipse, box, 0, 0, {}, {});
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int ellipseWidth, int ellipseHeight) {
    if (Recorded(TMetaOp::RoundRect, {x1, y1, x2, y2, ellipseWidth, ellipseHeight})) return;
    const TRect box = MapRect(x1, y1, x2, y2);
    const TRect corner = NormalizedRect(MapRect(0, 0, ellipseWidth, ellipseHeight));
    const int ew = ClampedWidth(corner), eh = ClampedHeight(corner);
    if (InPath()) return FPath->AddRoundRect(NormalizedRect(box), ew, eh);
    BoxShape(skRoundRect, box, ew, eh, {}, {});
}

void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    if (Recorded(TMetaOp::Pie, {x1, y1, x2, y2, x3, y3, x4, y4})) return;
    const TRect box = MapRect(x1, y1, x2, y2);
    const TPoint a = LPtoDP(Point(x3, y3)), b = LPtoDP(Point(x4, y4));
    if (InPath())
        return FPath->AddArc(NormalizedRect(box), a, b, FArcDirection == AD_CLOCKWISE,
                             TPath::akPie);
    BoxShape(skPie, box, 0, 0, a, b);
}

void TCanvas::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    if (Recorded(TMetaOp::Chord, {x1, y1, x2, y2, x3, y3, x4, y4})) return;
    const TRect box = MapRect(x1, y1, x2, y2);
    const TPoint a = LPtoDP(Point(x3, y3)), b = LPtoDP(Point(x4, y4));
    if (InPath())
        return FPath->AddArc(NormalizedRect(box), a, b, FArcDirection == AD_CLOCKWISE,
                             TPath::akChord);
    BoxShape(skChord, box, 0, 0, a, b);
}

void TCanvas::ArcTo(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    const TRect logical = NormalizedRect(Rect(x1, y1, x2, y2));
    const TPoint start = EllipseRadialPoint(logical, Point(x3, y3));
    const TPoint end = EllipseRadialPoint(logical, Point(x4, y4));
    if (Recorded(TMetaOp::ArcTo, {x1, y1, x2, y2, x3, y3, x4, y4})) {
        FPenPos = end;
        return;
    }
    if (InPath()) {
        FPath->LineTo(LPtoDP(FPenPos), LPtoDP(start));
        FPath->AddArc(NormalizedRect(MapRect(x1, y1, x2, y2)), LPtoDP(Point(x3, y3)),
                      LPtoDP(Point(x4, y4)), FArcDirection == AD_CLOCKWISE, TPath::akJoined);
    } else {
        LineTo(start.X, start.Y);
        Arc(x1, y1, x2, y2, x3, y3, x4, y4);
    }
    FPenPos = end;
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    if (Recorded(TMetaOp::Arc, {x1, y1, x2, y2, x3, y3, x4, y4})) return;
    const TRect box = NormalizedRect(MapRect(x1, y1, x2, y2));
    TPoint start = LPtoDP(Point(x3, y3)), end = LPtoDP(Point(x4, y4));
    if (InPath())
        return FPath->AddArc(box, start, end, FArcDirection == AD_CLOCKWISE, TPath::akOpen);
    if (box.IsEmpty() || FPen->Style() == psClear) return;
    if (FArcDirection == AD_CLOCKWISE) std::swap(start, end);
    if (FSurface) return FSurface->Arc(*this, box, start, end);
    if (!FPainter->Begin(*this)) return;
    Changing();
    TShapeMask& mask = FPainter->Mask();
    const int depth = OutlineDepth(std::max(1, DevicePenWidth()), box);
    mask.Reset(IntersectRect(box, FPainter->Surface(depth + 1)));
    mask.AddEllipse(box);
    // The ring first, then the cut: the ends of an arc are not outlined.
    if (depth >= 0) mask.MarkInterior(depth);
    mask.KeepSector(box, start, end);
    const TPaint pen = PenPaint(*this);
    mask.ForEachRun([&](int y, int x0, int x1, uint8_t v) {
        if (v == TShapeMask::Edge) FPainter->Run(y, x0, x1, pen);
    });
    Changed();
}

void TCanvas::FillRect(const TRect& rect) {
    if (Recorded(TMetaOp::FillRect, {rect.Left, rect.Top, rect.Right, rect.Bottom})) return;
    const TRect box = NormalizedRect(MapRect(rect.Left, rect.Top, rect.Right, rect.Bottom));
    // Fills copy the brush whatever the pen's mode.
    const TPaint brush = BrushPaint(*this, pmCopy);
    if (box.IsEmpty() || PaintsNothing(brush)) return;
    if (FSurface) return FSurface->FillRect(*this, box);
    if (!FPainter->Begin(*this)) return;
    Changing();
    for (int y = FPainter->FirstRow(box.Top); y < FPainter->EndRow(box.Bottom); ++y)
        FPainter->Run(y, box.Left, box.Right, brush);
    Changed();
}

void TCanvas::FrameRect(const TRect& rect) {
    if (Recorded(TMetaOp::FrameRect, {rect.Left, rect.Top, rect.Right, rect.Bottom})) return;
    const TRect box = NormalizedRect(MapRect(rect.Left, rect.Top, rect.Right, rect.Bottom));
    if (box.IsEmpty()) return;
    if (FSurface) return FSurface->FrameRect(*this, box);
    if (!FPainter->Begin(*this)) return;
    TPaint paint = BrushPaint(*this, pmCopy);
    paint.Kind = TPaint::Solid;
    Changing();
    for (int y = FPainter->FirstRow(box.Top); y < FPainter->EndRow(box.Bottom); ++y) {
        if (y == box.Top || y == box.Bottom - 1) {
            FPainter->Run(y, box.Left, box.Right, paint);
        } else {
            FPainter->Pixel(box.Left, y, paint);
            if (box.Right - 1 > box.Left) FPainter->Pixel(box.Right - 1, y, paint);
        }
    }
    Changed();
}
