// The canvas's path operations: gathering, reading, stroking, filling, widening and clipping.
#include <QFont>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QTransform>
#include <cmath>

#include "platform/graphics/Canvas.h"
#include "platform/graphics/CanvasPainter.h"
#include "platform/graphics/FontEngine.h"
#include "platform/graphics/PainterSurface.h"
#include "platform/graphics/Path.h"
#include "platform/graphics/RecordingCanvas.h"
#include "platform/graphics/TextMeasurer.h"

bool TCanvas::InPath() const { return FPath && FPath->State() == TPath::stOpen; }

void TCanvas::BeginPath() {
    if (Recorded(TMetaOp::BeginPath, {})) return;
    if (!FPath) FPath = std::make_unique<TPath>();
    FPath->Begin();
}

void TCanvas::EndPath() {
    if (Recorded(TMetaOp::EndPath, {})) return;
    if (FPath) FPath->End();
}

void TCanvas::CloseFigure() {
    if (Recorded(TMetaOp::CloseFigure, {})) return;
    if (InPath()) FPath->CloseFigure();
}

void TCanvas::AbortPath() {
    if (Recorded(TMetaOp::AbortPath, {})) return;
    if (FPath) FPath->Clear();
}

bool TCanvas::FlattenPath() {
    if (Recorded(TMetaOp::FlattenPath, {})) return true;
    if (!FPath || FPath->State() != TPath::stClosed) return false;
    FPath->Flatten();
    return true;
}

bool TCanvas::GetPath(std::vector<TPoint>& points, std::vector<uint8_t>& types) const {
    if (!FPath || FPath->State() != TPath::stClosed) return false;
    points.clear();
    for (const TPoint& p : FPath->Points()) points.push_back(DPtoLP(p));
    types = FPath->Types();
    return true;
}

bool TCanvas::WidenPath() {
    if (Recorded(TMetaOp::WidenPath, {})) return true;
    if (!FPath || FPath->State() != TPath::stClosed || FPen->Style() == psClear) return false;
    QPainterPath outline;
    for (const TPath::TFigure& f : FPath->Figures()) {
        outline.moveTo(f.Points[0].X, f.Points[0].Y);
        for (size_t i = 1; i < f.Points.size(); ++i) outline.lineTo(f.Points[i].X, f.Points[i].Y);
        if (f.Closed) outline.closeSubpath();
    }
    QPainterPathStroker stroker;
    stroker.setWidth(std::max(1, DevicePenWidth()));
    stroker.setCapStyle(FPen->EndCap() == pecRound    ? Qt::RoundCap
                        : FPen->EndCap() == pecSquare ? Qt::SquareCap
                                                      : Qt::FlatCap);
    stroker.setJoinStyle(FPen->Join() == pjRound   ? Qt::RoundJoin
                         : FPen->Join() == pjBevel ? Qt::BevelJoin
                                                   : Qt::MiterJoin);
    // The stroke's pieces overlap; merged, they fill alike by alternate and winding rules.
    const QPainterPath widened = stroker.createStroke(outline).simplified();
    std::vector<TPath::TFigure> figures;
    for (const QPolygonF& polygon : widened.toSubpathPolygons()) {
        TPath::TFigure f;
        f.Closed = true;
        for (const QPointF& p : polygon) {
            const TPoint q = Point(int(std::lround(p.x())), int(std::lround(p.y())));
            if (f.Points.empty() || f.Points.back() != q) f.Points.push_back(q);
        }
        if (f.Points.size() >= 3) figures.push_back(std::move(f));
    }
    FPath->SetFigures(figures);
    return true;
}

bool TCanvas::StrokePath() {
    if (Recorded(TMetaOp::StrokePath, {})) return true;
    return DrawPath(true, false);
}

bool TCanvas::FillPath() {
    if (Recorded(TMetaOp::FillPath, {})) return true;
    return DrawPath(false, true);
}

bool TCanvas::StrokeAndFillPath() {
    if (Recorded(TMetaOp::StrokeAndFillPath, {})) return true;
    return DrawPath(true, true);
}

bool TCanvas::SelectClipPath(TRegionCombineMode mode) {
    if (Recorded(TMetaOp::SelectClipPath, {int(mode)})) return true;
    if (!FPath || FPath->State() != TPath::stClosed) return false;
    const TRegion area = FPath->Area();
    FPath->Clear();
    ExtSelectClipRgn(area, mode);
    return true;
}

bool TCanvas::DrawPath(bool stroke, bool fill) {
    if (!FPath || FPath->State() != TPath::stClosed) return false;
    if (FSurface) {
        FSurface->Path(*this, *FPath, stroke, fill);
    } else if (FPainter->Begin(*this)) {
        Changing();
        if (fill) {
            // The same pixels as a polygon fill of the figures: centres inside, by alternate fill.
            const TPaint brush = BrushPaint(*this, FPen->Mode());
            if (!PaintsNothing(brush))
                for (const TRect& r : FPath->Area().Rects())
                    for (int y = FPainter->FirstRow(r.Top); y < FPainter->EndRow(r.Bottom); ++y)
                        FPainter->Run(y, r.Left, r.Right, brush);
        }
        if (stroke)
            for (const TPath::TFigure& f : FPath->Figures()) Stroke(f.Points, f.Closed);
        Changed();
    }
    FPath->Clear();
    return true;
}

void TCanvas::TextToPath(int x, int y, std::string_view text) {
    if (text.empty()) return;
    TTextMeasurer& measurer = Measurer();
    const TFont& font = DeviceFont();
    const TTextMetrics metrics = measurer.Metrics(font);
    const int width = measurer.TextWidth(font, text);
    const TPoint cell = TextCellOffset(FTextAlign, width, metrics);
    QPainterPath glyphs;
    glyphs.addText(QPointF(cell.X, cell.Y + metrics.Ascent), ToolkitFont(font),
                   QString::fromUtf8(text.data(), qsizetype(text.size())));
    const TPoint at = LPtoDP(Point(x, y));
    QTransform turn;
    turn.translate(at.X, at.Y);
    // In double: an orientation from a file may be INT_MIN, whose negation is no int.
    turn.rotate(-double(FFont->Orientation()) / 10.0);
    glyphs = turn.map(glyphs);
    // Each glyph contour is a closed figure of lines and curves.
    std::vector<TPoint> points;
    std::vector<uint8_t> types;
    auto closeLast = [&] {
        if (!types.empty()) types.back() |= PT_CLOSEFIGURE;
    };
    for (int i = 0; i < glyphs.elementCount(); ++i) {
        const QPainterPath::Element e = glyphs.elementAt(i);
        const TPoint p = Point(int(std::lround(e.x)), int(std::lround(e.y)));
        switch (e.type) {
            case QPainterPath::MoveToElement:
                closeLast();
                points.push_back(p);
                types.push_back(PT_MOVETO);
                break;
            case QPainterPath::LineToElement:
                points.push_back(p);
                types.push_back(PT_LINETO);
                break;
            case QPainterPath::CurveToElement:
            case QPainterPath::CurveToDataElement:
                points.push_back(p);
                types.push_back(PT_BEZIERTO);
                break;
        }
    }
    closeLast();
    FPath->AddTyped(points, types);
}
