#include "platform/graphics/PainterSurface.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/CanvasPainter.h"
#include "platform/graphics/FontEngine.h"
#include "platform/graphics/Path.h"
#include "platform/graphics/TextMeasurer.h"

namespace {

QColor ToolkitColor(TColor color) {
    const TColor c = ColorToRGB(color);
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

// The colour a pen or brush of mode rop leaves on white paper; false when the mode inverts what
// is there or leaves it (nothing to put on paper).
bool InkOf(TPenMode rop, TColor color, QColor& ink) {
    switch (rop) {
        case pmNop:
        case pmNot:
        case pmXor:
        case pmNotXor:
            return false;
        case pmBlack:
            ink = Qt::black;
            return true;
        case pmWhite:
            ink = Qt::white;
            return true;
        case pmNotCopy: {
            const QColor c = ToolkitColor(color);
            ink = QColor(255 - c.red(), 255 - c.green(), 255 - c.blue());
            return true;
        }
        default:
            ink = ToolkitColor(color);
            return true;
    }
}

// Strokes run through the pixels' centres, as the pixels of a rasterized line do.
QPointF Centre(TPoint p) { return QPointF(p.X + 0.5, p.Y + 0.5); }

QPolygonF Centres(std::span<const TPoint> points) {
    QPolygonF polygon;
    polygon.reserve(qsizetype(points.size()));
    for (const TPoint& p : points) polygon << Centre(p);
    return polygon;
}

// The box an outline w wide is stroked along so that it stays inside box.
QRectF OutlineBox(const TRect& box, int w) {
    const double half = w / 2.0;
    return QRectF(box.Left + half, box.Top + half, std::max(0.0, box.Width() - 2 * half),
                  std::max(0.0, box.Height() - 2 * half));
}

// The toolkit's arc angle (degrees counter-clockwise, on the ellipse's own parameter) of the
// radial from the centre of box through p.
double ArcAngle(const TRect& box, TPoint p) {
    const double rx = box.Width() / 2.0, ry = box.Height() / 2.0;
    if (rx <= 0 || ry <= 0) return 0;
    const double cx = box.Left + rx, cy = box.Top + ry;
    return std::atan2(-(p.Y - cy) / ry, (p.X - cx) / rx) * 180 / std::numbers::pi;
}

// Counter-clockwise from start to end; equal radials go all the way round.
double Sweep(double start, double end) {
    double sweep = end - start;
    while (sweep <= 0) sweep += 360;
    while (sweep > 360) sweep -= 360;
    return sweep;
}

}  // namespace

TPainterSurface::TPainterSurface(QPainter& painter, TSize size) : FPainter(painter), FSize(size) {
    FPainter.setRenderHint(QPainter::Antialiasing, true);
    FPainter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

TPainterSurface::~TPainterSurface() = default;

bool TPainterSurface::UsePen(TCanvas& c) {
    const TPen& pen = *c.Pen();
    QColor ink;
    if (pen.Style() == psClear || !InkOf(pen.Mode(), pen.Color(), ink)) {
        FPainter.setPen(Qt::NoPen);
        return false;
    }
    const int width = std::max(1, c.DevicePenWidth());
    QPen q(ink);
    q.setWidth(width);
    if (width == 1) {
        // One-pixel pens keep their dash patterns in device pixels; wider pens are solid.
        q.setCapStyle(Qt::FlatCap);
        if (pen.Dotted()) {
            q.setDashPattern({1.0, double(pen.DotSpace() <= 0 ? 1 : pen.DotSpace())});
        } else if (const TDashes* dashes = DashesOf(pen.Style())) {
            QList<qreal> pattern;
            for (int k = 0; k < dashes->Count; ++k) pattern << dashes->Lengths[k];
            q.setDashPattern(pattern);
        }
    } else {
        q.setCapStyle(pen.EndCap() == pecRound    ? Qt::RoundCap
                      : pen.EndCap() == pecSquare ? Qt::SquareCap
                                                  : Qt::FlatCap);
        q.setJoinStyle(pen.Join() == pjRound   ? Qt::RoundJoin
                       : pen.Join() == pjBevel ? Qt::BevelJoin
                                               : Qt::MiterJoin);
    }
    FPainter.setPen(q);
    // Dash gaps and hatch gaps take the background colour in opaque mode.
    FPainter.setBackgroundMode(c.BkMode() == OPAQUE && !pen.Dotted() ? Qt::OpaqueMode
                                                                     : Qt::TransparentMode);
    FPainter.setBackground(ToolkitColor(c.BkColor()));
    return true;
}

bool TPainterSurface::UseBrush(TCanvas& c, TPenMode rop) {
    const TBrush& brush = *c.Brush();
    QColor ink;
    if (!InkOf(rop, brush.Color(), ink)) {
        FPainter.setBrush(Qt::NoBrush);
        return false;
    }
    FPainter.setBackgroundMode(c.BkMode() == OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
    FPainter.setBackground(ToolkitColor(c.BkColor()));
    if (brush.Bitmap() && !brush.Bitmap()->Empty()) {
        FPainter.setBrush(QBrush(brush.Bitmap()->Image()));
        return true;
    }
    if (brush.Style() == bsClear) {
        FPainter.setBrush(Qt::NoBrush);
        return false;
    }
    // The toolkit's patterns in the order of TBrushStyle.
    static constexpr Qt::BrushStyle patterns[] = {
        Qt::SolidPattern, Qt::NoBrush,      Qt::HorPattern,   Qt::VerPattern,
        Qt::FDiagPattern, Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
    FPainter.setBrush(QBrush(ink, patterns[std::clamp(int(brush.Style()), 0, int(bsDiagCross))]));
    return true;
}

void TPainterSurface::Lines(TCanvas& c, std::span<const TPoint> points, bool closed) {
    if (points.size() < 2 || !UsePen(c)) return;
    FPainter.setBrush(Qt::NoBrush);
    const QPolygonF line = Centres(points);
    if (closed)
        FPainter.drawPolygon(line);
    else
        FPainter.drawPolyline(line);
}

void TPainterSurface::Polygon(TCanvas& c, std::span<const TPoint> points) {
    if (points.size() < 2) return;
    if (points.size() >= 3 && UseBrush(c, c.Pen()->Mode())) {
        // The pixels whose centres lie inside: the polygon itself on the pixel grid.
        QPolygonF area;
        for (const TPoint& p : points) area << QPointF(p.X, p.Y);
        FPainter.setPen(Qt::NoPen);
        FPainter.drawPolygon(area, Qt::OddEvenFill);
    }
    Lines(c, points, true);
}

void TPainterSurface::Rectangle(TCanvas& c, const TRect& box) {
    const bool penVisible = c.Pen()->Style() != psClear;
    const int w = penVisible ? std::max(1, c.DevicePenWidth()) : 0;
    if (UseBrush(c, c.Pen()->Mode())) {
        const TRect inner = Rect(box.Left + w, box.Top + w, box.Right - w, box.Bottom - w);
        FPainter.setPen(Qt::NoPen);
        if (!inner.IsEmpty())
            FPainter.drawRect(QRectF(inner.Left, inner.Top, inner.Width(), inner.Height()));
    }
    if (!penVisible || !UsePen(c)) return;
    FPainter.setBrush(Qt::NoBrush);
    FPainter.drawRect(OutlineBox(box, w));
}

void TPainterSurface::Shape(TCanvas& c, int kind, const TRect& box, int ew, int eh, TPoint start,
                            TPoint end) {
    const bool penVisible = c.Pen()->Style() != psClear;
    const int w = penVisible ? std::max(1, c.DevicePenWidth()) : 0;
    // The brush fills up to the outline's centre line and the pen covers half its width on each
    // side of it: together they cover the box and no more.
    const QRectF r = OutlineBox(box, w);
    const double t0 = ArcAngle(box, start), sweep = Sweep(t0, ArcAngle(box, end));
    QPainterPath path;
    switch (kind) {
        case TCanvas::skEllipse:
            path.addEllipse(r);
            break;
        case TCanvas::skRoundRect:
            path.addRoundedRect(r, ew / 2.0, eh / 2.0);
            break;
        case TCanvas::skPie:
            path.moveTo(r.center());
            path.arcTo(r, t0, sweep);
            path.closeSubpath();
            break;
        case TCanvas::skChord:
            path.arcMoveTo(r, t0);
            path.arcTo(r, t0, sweep);
            path.closeSubpath();
            break;
    }
    const bool filled = UseBrush(c, c.Pen()->Mode());
    const bool stroked = penVisible && UsePen(c);
    if (!filled) FPainter.setBrush(Qt::NoBrush);
    if (!stroked) FPainter.setPen(Qt::NoPen);
    if (filled || stroked) FPainter.drawPath(path);
}

void TPainterSurface::Arc(TCanvas& c, const TRect& box, TPoint start, TPoint end) {
    if (!UsePen(c)) return;
    const QRectF r = OutlineBox(box, std::max(1, c.DevicePenWidth()));
    const double t0 = ArcAngle(box, start);
    QPainterPath path;
    path.arcMoveTo(r, t0);
    path.arcTo(r, t0, Sweep(t0, ArcAngle(box, end)));
    FPainter.setBrush(Qt::NoBrush);
    FPainter.drawPath(path);
}

void TPainterSurface::FillRect(TCanvas& c, const TRect& box) {
    if (!UseBrush(c, pmCopy)) return;
    FPainter.setPen(Qt::NoPen);
    FPainter.drawRect(QRectF(box.Left, box.Top, box.Width(), box.Height()));
}

void TPainterSurface::FrameRect(TCanvas& c, const TRect& box) {
    const QColor color = ToolkitColor(c.Brush()->Color());
    const int w = box.Width(), h = box.Height();
    FPainter.fillRect(QRectF(box.Left, box.Top, w, 1), color);
    FPainter.fillRect(QRectF(box.Left, box.Bottom - 1, w, 1), color);
    FPainter.fillRect(QRectF(box.Left, box.Top, 1, h), color);
    FPainter.fillRect(QRectF(box.Right - 1, box.Top, 1, h), color);
}

void TPainterSurface::SetPixel(int x, int y, TColor color) {
    FPainter.fillRect(QRectF(x, y, 1, 1), ToolkitColor(color));
}

void TPainterSurface::Text(TCanvas& c, int x, int y, std::string_view text, const TRect* cellRect) {
    // Placed as on a bitmap: the measurer's sizes, the alignment flags, the font's escapement.
    TTextMeasurer& measurer = c.Measurer();
    const TFont& font = c.DeviceFont();
    const TTextMetrics metrics = measurer.Metrics(font);
    const int width = measurer.TextWidth(font, text);
    const TPoint offset = TextCellOffset(c.TextAlign(), width, metrics);
    const bool opaque = c.BkMode() == OPAQUE;
    const QColor back = ToolkitColor(c.BkColor());
    FPainter.save();
    // The cell is filled here or not at all: the toolkit's own opaque text would fill it again.
    FPainter.setBackgroundMode(Qt::TransparentMode);
    if (cellRect) {
        const TRect r = NormalizedRect(*cellRect);
        const QRectF cell(r.Left, r.Top, r.Width(), r.Height());
        if (opaque) FPainter.fillRect(cell, back);
        FPainter.setClipRect(cell, Qt::IntersectClip);
    }
    FPainter.translate(x, y);
    FPainter.rotate(-c.Font()->Orientation() / 10.0);
    if (opaque && !cellRect)
        FPainter.fillRect(QRectF(offset.X, offset.Y, width, metrics.Height()), back);
    if (!text.empty()) {
        FPainter.setPen(ToolkitColor(c.TextColor()));
        FPainter.setFont(ToolkitFont(font));
        FPainter.drawText(QPointF(offset.X, offset.Y + metrics.Ascent),
                          QString::fromUtf8(text.data(), qsizetype(text.size())));
    }
    FPainter.restore();
}

void TPainterSurface::Image(const TRect& dest, const QImage& src, const TRect& srcRect,
                            TPenMode rop, bool keyed, TColor key) {
    QColor ink;
    if (!InkOf(rop, clBlack, ink)) return;
    QImage part = src.copy(srcRect.Left, srcRect.Top, srcRect.Width(), srcRect.Height());
    if (keyed) {
        part = part.convertToFormat(QImage::Format_ARGB32);
        const QRgb keyColor = ToolkitColor(key).rgb() | 0xFF000000u;
        for (int y = 0; y < part.height(); ++y) {
            QRgb* row = reinterpret_cast<QRgb*>(part.scanLine(y));
            for (int x = 0; x < part.width(); ++x)
                if ((row[x] | 0xFF000000u) == keyColor) row[x] = 0;
        }
    }
    if (rop == pmNotCopy) part.invertPixels();
    if (rop == pmBlack || rop == pmWhite) part.fill(rop == pmBlack ? Qt::black : Qt::white);
    const bool flipX = dest.Right < dest.Left, flipY = dest.Bottom < dest.Top;
    if (flipX || flipY) part = part.mirrored(flipX, flipY);
    const TRect box = NormalizedRect(dest);
    FPainter.drawImage(QRectF(box.Left, box.Top, box.Width(), box.Height()), part);
}

void TPainterSurface::Path(TCanvas& c, const TPath& path, bool stroke, bool fill) {
    const std::vector<TPoint>& points = path.Points();
    const std::vector<uint8_t>& types = path.Types();
    QPainterPath outline;
    for (size_t i = 0; i < points.size() && i < types.size(); ++i) {
        const QPointF p(points[i].X, points[i].Y);
        switch (types[i] & ~PT_CLOSEFIGURE) {
            case PT_MOVETO:
                outline.moveTo(p);
                break;
            case PT_BEZIERTO:
                if (i + 2 < points.size()) {
                    outline.cubicTo(p, QPointF(points[i + 1].X, points[i + 1].Y),
                                    QPointF(points[i + 2].X, points[i + 2].Y));
                    i += 2;
                }
                break;
            default:
                outline.lineTo(p);
                break;
        }
        if (i < types.size() && (types[i] & PT_CLOSEFIGURE)) outline.closeSubpath();
    }
    outline.setFillRule(Qt::OddEvenFill);
    if (fill && UseBrush(c, c.Pen()->Mode())) {
        FPainter.setPen(Qt::NoPen);
        FPainter.drawPath(outline);
    }
    if (stroke && UsePen(c)) {
        FPainter.setBrush(Qt::NoBrush);
        FPainter.drawPath(outline.translated(0.5, 0.5));
    }
}

void TPainterSurface::ClipChanged(bool hasClip, const TRegion& clip) {
    if (!hasClip) {
        FPainter.setClipping(false);
        return;
    }
    std::vector<QRect> rects;
    for (const TRect& r : clip.Rects()) rects.emplace_back(r.Left, r.Top, r.Width(), r.Height());
    QRegion region;
    region.setRects(rects.data(), int(rects.size()));
    FPainter.setClipRegion(region);
}
