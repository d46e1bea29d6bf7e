#include "chart/tools/overlay/DrawLine.h"

#include "chart/engine/AxisPanel.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/HitTests.h"
#include "chart/foundation/PointRoutines.h"
#include "chart/tools/overlay/DrawLineTool.h"
#include "platform/classes/Publisher.h"

const TEnumInfo& DrawLineStyleNames() {
    static const TEnumInfo names{"dlLine", "dlHorizParallel", "dlVertParallel", "dlRectangle",
                                 "dlEllipse"};
    return names;
}

TRect DrawLineHandle(TPoint p) { return TRect{p.X - 3, p.Y - 3, p.X + 3, p.Y + 3}; }

// --- Line.

TDrawLine::TDrawLine(TCollection* collection) : TCollectionItem(collection) {}

TDrawLine::~TDrawLine() {
    if (TDrawLineTool* tool = Tool()) tool->LineGoing(this);
}

TDrawLineTool* TDrawLine::Tool() const {
    auto* lines = dynamic_cast<TDrawLines*>(Collection());
    return lines ? lines->Tool() : nullptr;
}

void TDrawLine::Repaint() const {
    if (TDrawLineTool* tool = Tool()) tool->Repaint();
}

TChartPen* TDrawLine::Pen() {
    if (!FPen) {
        TDrawLineTool* tool = Tool();
        FPen = std::make_unique<TChartPen>([this](TObject*) { Repaint(); });
        if (tool) {
            // A copy without telling anyone: the line looks as it did.
            TNotifyEvent quiet = std::move(FPen->OnChange);
            FPen->Assign(tool->Pen());
            FPen->OnChange = std::move(quiet);
        }
    }
    return FPen.get();
}

void TDrawLine::SetPen(const TChartPen* value) {
    if (!value) {
        if (!FPen) return;
        FPen.reset();
        Repaint();
        return;
    }
    Pen()->Assign(value);
}

const TChartPen* TDrawLine::LinePen() const {
    if (FPen) return FPen.get();
    const TDrawLineTool* tool = Tool();
    return tool ? tool->Pen() : nullptr;
}

void TDrawLine::SetStyle(TDrawLineStyle value) {
    if (value == FStyle) return;
    FStyle = value;
    Repaint();
}

void TDrawLine::ChangeCoordinate(double& field, double value) {
    if (field == value) return;
    field = value;
    Repaint();
}

TPoint TDrawLine::StartPixel() const {
    const TDrawLineTool* tool = Tool();
    return tool ? tool->ValueToScreen(FX0, FY0) : TPoint{};
}

TPoint TDrawLine::EndPixel() const {
    const TDrawLineTool* tool = Tool();
    return tool ? tool->ValueToScreen(FX1, FY1) : TPoint{};
}

bool TDrawLine::Clicked(int x, int y, int tolerance, TDrawLinePart kind) const {
    const TDrawLineTool* tool = Tool();
    if (!tool || !tool->ParentChart()) return false;
    TCustomAxisPanel& chart = *tool->ParentChart();
    if (chart.View3D()) chart.Canvas3D()->UnprojectPoint(x, y, 0);
    const TPoint p{x, y};
    const TPoint p0 = StartPixel();
    const TPoint p1 = EndPixel();
    switch (kind) {
        case dlpStart:
            return PointInRect(DrawLineHandle(p0), p);
        case dlpEnd:
            return PointInRect(DrawLineHandle(p1), p);
        case dlpBody:
            break;
        case dlpNone:
            return false;
    }
    switch (FStyle) {
        case dlLine:
            return IsPointNearLinePoints(p, p0, p1, tolerance);
        case dlHorizParallel:
            return IsPointNearLine(p, p0.X, p0.Y, p1.X, p0.Y, tolerance) ||
                   IsPointNearLine(p, p0.X, p1.Y, p1.X, p1.Y, tolerance);
        case dlVertParallel:
            return IsPointNearLine(p, p0.X, p0.Y, p0.X, p1.Y, tolerance) ||
                   IsPointNearLine(p, p1.X, p0.Y, p1.X, p1.Y, tolerance);
        case dlRectangle:
        case dlEllipse:
            return PointInRect(NormalizedRect(TRect{p0.X, p0.Y, p1.X, p1.Y}), p);
    }
    return false;
}

void TDrawLine::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TDrawLine*>(source)) {
        FX0 = other->FX0;
        FY0 = other->FY0;
        FX1 = other->FX1;
        FY1 = other->FY1;
        FStyle = other->FStyle;
        if (other->FPen)
            Pen()->Assign(other->FPen.get());
        else
            FPen.reset();
        return;
    }
    TCollectionItem::Assign(source);
}

void TDrawLine::Publish(TPublisher<TDrawLine>& p) {
    using L = TDrawLine;
    p.Object(
         "Pen", [](const L& l) { return const_cast<L&>(l).Pen(); }, &L::SetPen)
        .Stored(&L::HasOwnPen);
    p.Enumeration("Style", DrawLineStyleNames(), &L::Style, &L::SetStyle).Default(dlLine);
    p.Float("X0", &L::X0, &L::SetX0);
    p.Float("Y0", &L::Y0, &L::SetY0);
    p.Float("X1", &L::X1, &L::SetX1);
    p.Float("Y1", &L::Y1, &L::SetY1);
}

// --- Lines.

TDrawLines::TDrawLines(TDrawLineTool* tool)
    : TOwnedCollection(tool, &TDrawLine::StaticClass()), FTool(tool) {}
