#include "chart/tools/overlay/DrawLineTool.h"

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeZoom.h"
#include "chart/tools/SeriesToolArea.h"
#include "chart/tools/overlay/NotXorPen.h"
#include "chart/tools/view/AntiAliasCanvas.h"
#include "platform/classes/Cursors.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Brush.h"
#include "platform/graphics/Canvas.h"

TDrawLineTool::TDrawLineTool(TComponent* owner)
    : TTeeCustomToolSeries(owner), FLines(std::make_unique<TDrawLines>(this)) {}

TDrawLineTool::~TDrawLineTool() {
    // The lines go first, while they can still tell the tool.
    FLines->Clear();
}

void TDrawLineTool::LineGoing(TDrawLine* line) {
    if (line == FSelected) FSelected = nullptr;
}

void TDrawLineTool::SetEnableSelect(bool value) {
    if (value == FEnableSelect) return;
    FEnableSelect = value;
    if (!value) SetSelected(nullptr);
}

void TDrawLineTool::SetSelected(TDrawLine* line) {
    if (line == FSelected) return;
    FSelected = line;
    Repaint();
}

TPoint TDrawLineTool::ValueToScreen(double x, double y) const {
    const TChartAxis* h = GetHorizAxis();
    const TChartAxis* v = GetVertAxis();
    if (!h || !v) return {};
    return TPoint{h->PixelOfValue(x), v->PixelOfValue(y)};
}

void TDrawLineTool::ScreenToValue(TPoint p, double& x, double& y) const {
    const TChartAxis* h = GetHorizAxis();
    const TChartAxis* v = GetVertAxis();
    x = h ? h->ValueAtPixel(p.X) : 0;
    y = v ? v->ValueAtPixel(p.Y) : 0;
}

TDrawLine* TDrawLineTool::FindLine(int x, int y, int tolerance, TDrawLinePart kind) const {
    if (FSelected && FSelected->Clicked(x, y, tolerance, kind)) return FSelected;
    for (int i = 0; i < FLines->Count(); ++i)
        if (TDrawLine* line = FLines->Line(i); line->Clicked(x, y, tolerance, kind)) return line;
    return nullptr;
}

TDrawLine* TDrawLineTool::LineUnderMouse(int x, int y) const {
    for (TDrawLinePart kind : {dlpBody, dlpStart, dlpEnd})
        if (TDrawLine* line = FindLine(x, y, FClickTolerance, kind)) return line;
    return nullptr;
}

bool TDrawLineTool::ClipToSeriesArea() { return ClipToSeriesToolArea(*this); }

void TDrawLineTool::DrawLineShape(TDrawLineStyle style, TPoint p0, TPoint p1) {
    TCanvas3D& canvas = *ParentChart()->Canvas3D();
    const bool is3D = ParentChart()->View3D();
    const auto segment = [&](int x0, int y0, int x1, int y1) {
        if (is3D)
            canvas.DrawLineAtZ(x0, y0, x1, y1, 0);
        else
            canvas.DrawLine(x0, y0, x1, y1);
    };
    const TRect r{p0.X, p0.Y, p1.X, p1.Y};
    switch (style) {
        case dlLine:
            segment(p0.X, p0.Y, p1.X, p1.Y);
            break;
        case dlHorizParallel:
            segment(p0.X, p0.Y, p1.X, p0.Y);
            segment(p0.X, p1.Y, p1.X, p1.Y);
            break;
        case dlVertParallel:
            segment(p0.X, p0.Y, p0.X, p1.Y);
            segment(p1.X, p0.Y, p1.X, p1.Y);
            break;
        case dlRectangle:
            if (is3D)
                canvas.DrawRectangleAtZ(r, 0);
            else
                canvas.DrawRectangleFromRect(r);
            break;
        case dlEllipse:
            if (is3D)
                canvas.DrawEllipseAtZFromRect(r, 0);
            else
                canvas.DrawEllipseFromRect(r);
            break;
    }
}

void TDrawLineTool::DrawLineXor(const TDrawLine* line) {
    TCustomAxisPanel& chart = *ParentChart();
    TCanvas3D& canvas = *chart.Canvas3D();
    const TChartPen* pen = line ? line->LinePen() : Pen();
    canvas.Brush()->SetStyle(bsClear);
    canvas.SetBackgroundMode(TRANSPARENT);
    const TNotXorPen inverting(canvas, *pen, chart.GetBackColor());
    if (line)
        DrawLineShape(line->Style(), line->StartPixel(), line->EndPixel());
    else
        DrawLineShape(FStyle, FFromPoint, FToPoint);
    canvas.MarkDirty();
}

void TDrawLineTool::DrawHandles(const TDrawLine& line) {
    TCustomAxisPanel& chart = *ParentChart();
    TCanvas3D& canvas = *chart.Canvas3D();
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(chart.Color() == clBlack ? clSilver : clBlack);
    canvas.Pen()->SetStyle(psClear);
    for (TPoint p : {line.StartPixel(), line.EndPixel()}) {
        const TRect h = DrawLineHandle(p);
        // The handle's right and bottom edges are its own too.
        const TRect filled{h.Left, h.Top, h.Right + 1, h.Bottom + 1};
        if (chart.View3D())
            canvas.DrawRectangleAtZ(filled, 0);
        else
            canvas.FillRectangle(filled);
    }
    canvas.Pen()->SetStyle(psSolid);
    canvas.MarkDirty();
}

void TDrawLineTool::ChartDrawEvent(TChartToolEvent event) {
    TTeeCustomToolSeries::ChartDrawEvent(event);
    if (event != cteAfterDraw || !ParentChart()) return;
    TCanvas3D& canvas = *ParentChart()->Canvas3D();
    canvas.SetBackgroundMode(TRANSPARENT);
    const bool clipped = ClipToSeriesArea();
    for (int i = 0; i < FLines->Count(); ++i) DrawLineXor(FLines->Line(i));
    if (FSelected) DrawHandles(*FSelected);
    if (FDrawing) DrawLineXor(nullptr);
    if (clipped) canvas.RemoveClipping();
}

void TDrawLineTool::ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift,
                                    int x, int y) {
    TTeeCustomToolSeries::ChartMouseEvent(kind, button, shift, x, y);
    if (!ParentChart()) return;
    if (kind == cmeDown && button == FButton)
        MouseDown(x, y);
    else if (kind == cmeMove)
        MouseMove(x, y);
    else if (kind == cmeUp && button == FButton)
        MouseUp();
}

void TDrawLineTool::MouseDown(int x, int y) {
    TCustomAxisPanel& chart = *ParentChart();
    TDrawLine* line = FEnableSelect ? LineUnderMouse(x, y) : nullptr;
    if (line) {
        FFromPoint = line->StartPixel();
        FToPoint = line->EndPixel();
        FMouse = TPoint{x, y};
        if (line == FSelected) {
            if (line->Clicked(x, y, FClickTolerance, dlpStart))
                FDragPart = dldStart;
            else if (line->Clicked(x, y, FClickTolerance, dlpEnd))
                FDragPart = dldEnd;
            else
                FDragPart = dldLine;
        } else {
            bool allow = true;
            if (OnSelecting) OnSelecting(this, line, allow);
            if (allow) {
                const bool hadSelection = FSelected != nullptr;
                FSelected = line;
                if (hadSelection)
                    chart.Invalidate();
                else
                    DrawHandles(*line);
                if (OnSelect) OnSelect(this);
                FDragPart = dldLine;
            }
        }
        chart.SetCancelMouse(true);
        return;
    }
    if (FSelected) {
        FSelected = nullptr;
        chart.Invalidate();
    }
    if (!FEnableDraw) return;
    FDrawing = true;
    FFromPoint = FToPoint = TPoint{x, y};
    DrawLineXor(nullptr);
    chart.SetCancelMouse(true);
}

void TDrawLineTool::MouseMove(int x, int y) {
    TCustomAxisPanel& chart = *ParentChart();
    const bool dragging = FDragPart != dldNone && FSelected;
    if (FDrawing || dragging) {
        // A smoothed line does not come off by drawing it again: the chart is drawn anew.
        const bool smoothing = dynamic_cast<TAntiAliasCanvas*>(chart.Canvas3D()) != nullptr;
        if (!smoothing) DrawLineXor(FDrawing ? nullptr : FSelected);
        if (FDrawing) {
            FToPoint = TPoint{x, y};
        } else if (FDragPart == dldStart) {
            FFromPoint = TPoint{x, y};
        } else if (FDragPart == dldEnd) {
            FToPoint = TPoint{x, y};
        } else {
            const TPoint by{x - FMouse.X, y - FMouse.Y};
            FFromPoint = TPoint{FFromPoint.X + by.X, FFromPoint.Y + by.Y};
            FToPoint = TPoint{FToPoint.X + by.X, FToPoint.Y + by.Y};
            FMouse = TPoint{x, y};
        }
        if (!FDrawing) {
            // The line's values follow the pixels, quietly: the chart is not drawn again.
            double x0, y0, x1, y1;
            ScreenToValue(FFromPoint, x0, y0);
            ScreenToValue(FToPoint, x1, y1);
            const TAutoRepaintGuard quiet(chart);
            FSelected->SetX0(x0);
            FSelected->SetY0(y0);
            FSelected->SetX1(x1);
            FSelected->SetY1(y1);
        }
        if (smoothing) chart.Repaint();
        DrawLineXor(FDrawing ? nullptr : FSelected);
        chart.SetCancelMouse(true);
        FDragged = true;
        if (OnDragLine) OnDragLine(this);
        return;
    }
    if (!FEnableSelect) return;
    bool over = false;
    if (FSelected && (FSelected->Clicked(x, y, FClickTolerance, dlpStart) ||
                      FSelected->Clicked(x, y, FClickTolerance, dlpEnd))) {
        chart.SetCursor(crCross);
        over = true;
    } else if (LineUnderMouse(x, y)) {
        chart.SetCursor(crHandPoint);
        over = true;
    }
    chart.SetCancelMouse(over);
}

void TDrawLineTool::MouseUp() {
    TCustomAxisPanel& chart = *ParentChart();
    if (FDragPart != dldNone && FSelected) {
        double x, y;
        if (FDragPart == dldStart || FDragPart == dldLine) {
            ScreenToValue(FFromPoint, x, y);
            FSelected->SetX0(x);
            FSelected->SetY0(y);
        }
        if (FDragPart == dldEnd || FDragPart == dldLine) {
            ScreenToValue(FToPoint, x, y);
            FSelected->SetX1(x);
            FSelected->SetY1(y);
        }
        FDragPart = dldNone;
        chart.Invalidate();
        if (FDragged) {
            FDragged = false;
            if (OnDraggedLine) OnDraggedLine(this);
        }
    } else if (FDrawing) {
        FDrawing = false;
        if (FFromPoint != FToPoint) {
            auto* line = static_cast<TDrawLine*>(FLines->Add());
            double x, y;
            ScreenToValue(FFromPoint, x, y);
            line->SetX0(x);
            line->SetY0(y);
            ScreenToValue(FToPoint, x, y);
            line->SetX1(x);
            line->SetY1(y);
            line->SetStyle(FStyle);
            if (FSelectNewLines) FSelected = line;
            chart.Invalidate();
            if (OnNewLine) OnNewLine(this);
        }
    }
    FDragPart = dldNone;
    FDrawing = false;
}

void TDrawLineTool::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TDrawLineTool*>(source)) {
        FButton = other->FButton;
        FClickTolerance = other->FClickTolerance;
        FEnableDraw = other->FEnableDraw;
        FEnableSelect = other->FEnableSelect;
        FLines->Assign(other->FLines.get());
        FSelectNewLines = other->FSelectNewLines;
        FStyle = other->FStyle;
    }
    TTeeCustomToolSeries::Assign(source);
}

void TDrawLineTool::Publish(TPublisher<TDrawLineTool>& p) {
    using T = TDrawLineTool;
    p.Enumeration("Button", MouseButtonIdents(), &T::Button, &T::SetButton).Default(mbLeft);
    p.Integer("ClickTolerance", &T::ClickTolerance, &T::SetClickTolerance).Default(0);
    p.Boolean("EnableDraw", &T::EnableDraw, &T::SetEnableDraw).Default(true);
    p.Boolean("EnableSelect", &T::EnableSelect, &T::SetEnableSelect).Default(true);
    p.Object("Lines", &T::Lines, &T::SetLines);
    p.Boolean("SelectNewLines", &T::SelectNewLines, &T::SetSelectNewLines).Default(true);
    p.Object("Pen", &T::Pen, &T::SetPen);
    p.Enumeration("Style", DrawLineStyleNames(), &T::Style, &T::SetStyle).Default(dlLine);
}
