#include "chart/tools/annotation/SelectorTool.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "chart/engine/AxisTitle.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/ChartLists.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/ChartWalls.h"
#include "chart/engine/SeriesEvents.h"
#include "chart/engine/SeriesMarkPositions.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/engine/TeeShapePosition.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/tools/annotation/AnnotationTool.h"
#include "chart/tools/annotation/TextShape.h"
#include "platform/classes/Publisher.h"

namespace {

// The corners of a rectangle, in the order their handles are drawn.
void AddCorners(std::vector<TPoint>& centres, std::vector<int>* depths, const TRect& r, int depth) {
    if (r.Right - r.Left <= 0) return;  // no handles for an empty box
    for (const TPoint p : {TPoint{r.Left, r.Top}, TPoint{r.Left, r.Bottom}, TPoint{r.Right, r.Top},
                           TPoint{r.Right, r.Bottom}}) {
        centres.push_back(p);
        if (depths) depths->push_back(depth);
    }
}

// The box around a rectangle turned by angle degrees about its centre.
TRect RotatedBounds(const TRect& r, int angle) {
    const double t = angle * M_PI / 180;
    const double c = std::fabs(std::cos(t)), s = std::fabs(std::sin(t));
    const double w = r.Right - r.Left, h = r.Bottom - r.Top;
    const double cx = (r.Left + r.Right) / 2.0, cy = (r.Top + r.Bottom) / 2.0;
    const double hw = (w * c + h * s) / 2, hh = (w * s + h * c) / 2;
    return TRect{int(std::lround(cx - hw)), int(std::lround(cy - hh)), int(std::lround(cx + hw)),
                 int(std::lround(cy + hh))};
}

}  // namespace

TSelectorTool::TSelectorTool(TComponent* owner) : TTeeCustomTool(owner) {}

TSelectorTool::~TSelectorTool() {
    FDestroying = true;
    SetSelectedSeries(nullptr);
    if (ParentChart()) ParentChart()->Listeners().Remove(this);
}

void TSelectorTool::Publish(TPublisher<TSelectorTool>& p) {
    using T = TSelectorTool;
    p.Boolean("AllowDrag", &T::AllowDrag, &T::SetAllowDrag).Default(true);
    p.Boolean("AllowResizeChart", &T::AllowResizeChart, &T::SetAllowResizeChart).Default(false);
    p.Object("Brush", &T::Brush, &T::SetBrush);
    p.Integer("Cursor", &T::Cursor, &T::SetCursor)
        .Default(crHandPoint)
        .Idents(CursorIdentConverter());
    p.Integer("HandleSize", &T::HandleSize, &T::SetHandleSize).Default(3);
    p.Object("Pen", &T::Pen, &T::SetPen);
}

void TSelectorTool::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TSelectorTool*>(source)) {
        FAllowDrag = other->FAllowDrag;
        FAllowResizeChart = other->FAllowResizeChart;
        FCursor = other->FCursor;
        FHandleSize = other->FHandleSize;
    }
    TTeeCustomTool::Assign(source);
}

void TSelectorTool::SetParentChart(TCustomAxisPanel* value) {
    if (ParentChart() && !ParentChart()->ComponentState().Contains(csDestroying))
        ParentChart()->Listeners().Remove(this);
    TTeeCustomTool::SetParentChart(value);
    if (ParentChart()) ParentChart()->Listeners().Add(this);
}

void TSelectorTool::Notification(TComponent* component, TOperation operation) {
    TTeeCustomTool::Notification(component, operation);
    if (operation == opRemove && component == FPart.Series) {
        FPart.Series = nullptr;
        SetSelectedSeries(nullptr);
    }
}

void TSelectorTool::DoSelected() {
    if (FDestroying) return;
    Repaint();
    if (OnSelected) OnSelected(this);
}

void TSelectorTool::ClearQuietly() {
    if (FPart.Series) FPart.Series->RemoveFreeNotification(this);
    FPart = TChartPartHit{};
    FSelectedAnnotation = nullptr;
    FSelectedShape = nullptr;
    FSelectedWall = nullptr;
}

void TSelectorTool::ClearSelection() {
    if (FPart.Part == ckNone && !FSelectedAnnotation && !FSelectedShape && !FSelectedWall) return;
    ClearQuietly();
    DoSelected();
}

void TSelectorTool::SetSelectedSeries(TChartSeries* series) {
    if (series && FPart.Part == ckSeries && FPart.Series == series) return;
    if (!series && FPart.Part != ckSeries) return;
    ClearQuietly();
    if (series) {
        series->FreeNotification(this);
        FPart.Part = ckSeries;
        FPart.Series = series;
        FPart.PointIndex = -1;
        if (series->ParentChart() && series->ParentChart() != ParentChart())
            SetParentChart(series->ParentChart());
    }
    DoSelected();
}

void TSelectorTool::HandleTeeEvent(TTeeEvent* event) {
    auto* seriesEvent = dynamic_cast<TTeeSeriesEvent*>(event);
    if (!seriesEvent || FDestroying || seriesEvent->Event != seChangeActive) return;
    if (FPart.Part == ckSeries && FPart.Series &&
        static_cast<TCustomChartSeries*>(FPart.Series) == seriesEvent->Series)
        ClearSelection();
}

TAnnotationTool* TSelectorTool::AnnotationAt(int x, int y) const {
    TCustomAxisPanel* chart = ParentChart();
    for (int i = 0; i < chart->Tools().Count(); ++i)
        if (auto* a = dynamic_cast<TAnnotationTool*>(chart->Tools()[i]); a && a->Clicked(x, y))
            return a;
    return nullptr;
}

void TSelectorTool::ChartMouseEvent(TChartMouseEvent kind, TMouseButton button, TShiftState shift,
                                    int x, int y) {
    TCustomAxisPanel* chart = ParentChart();
    if (!chart || shift.Contains(ssDouble)) return;
    switch (kind) {
        case cmeDown:
            if (button != mbLeft) return;
            if (FAllowResizeChart && std::abs(x - chart->Width()) <= ResizeZone &&
                std::abs(y - chart->Height()) <= ResizeZone) {
                FResizing = true;
                FResized = false;
                return;
            }
            Select(x, y);
            return;
        case cmeMove:
            if (FDragging && FSelectedShape) {
                Drag(x, y);
            } else if (FResizing) {
                if (chart->Align() != alNone) chart->SetAlign(alNone);
                if (chart->Width() != x) chart->SetWidth(x);
                if (chart->Height() != y) chart->SetHeight(y);
                FResized = true;
                if (OnResizing) OnResizing(this);
            } else if (FCursor != crDefault) {
                Hover(x, y);
            }
            return;
        case cmeUp:
            if (FDragged && OnDragged) OnDragged(this);
            if (FResized && OnResized) OnResized(this);
            FDragging = FDragged = FResizing = FResized = false;
            return;
    }
}

void TSelectorTool::Select(int x, int y) {
    TCustomAxisPanel& chart = *ParentChart();
    FResizing = false;
    ClearQuietly();
    if (TAnnotationTool* annotation = AnnotationAt(x, y)) {
        FSelectedAnnotation = annotation;
        FSelectedShape = annotation->Shape();
    } else if (auto* full = dynamic_cast<TCustomChart*>(&chart)) {
        FPart = full->PartAtPoint(x, y);
        if (FPart.Series) FPart.Series->FreeNotification(this);
        switch (FPart.Part) {
            case ckLegend:
                FSelectedShape = full->Legend();
                break;
            case ckTitle:
                FSelectedShape = full->Title();
                break;
            case ckFoot:
                FSelectedShape = full->Foot();
                break;
            case ckSubTitle:
                FSelectedShape = full->SubTitle();
                break;
            case ckSubFoot:
                FSelectedShape = full->SubFoot();
                break;
            case ckChartRect:
                FSelectedWall = full->BackWall();
                break;
            default:
                break;
        }
    }
    DoSelected();
    FDragging = FAllowDrag && FSelectedShape;
    if (FDragging) {
        FDragOffset = TPoint{FSelectedShape->Left() - x, FSelectedShape->Top() - y};
        FDragged = false;
        chart.SetCancelMouse(true);
    }
}

void TSelectorTool::Drag(int x, int y) {
    ParentChart()->SetCancelMouse(true);
    TTeeCustomShapePosition& shape = *FSelectedShape;
    // The part moves only once the mouse went past the threshold; from then on every pixel.
    const int left = x + FDragOffset.X;
    if (left != shape.Left() && (FDragged || std::abs(left - shape.Left()) > DragThreshold)) {
        shape.SetLeft(left);
        FDragged = true;
    }
    const int top = y + FDragOffset.Y;
    if (top != shape.Top() && (FDragged || std::abs(top - shape.Top()) > DragThreshold)) {
        shape.SetTop(top);
        FDragged = true;
    }
    if (OnDragging) OnDragging(this);
}

void TSelectorTool::Hover(int x, int y) {
    TCustomAxisPanel& chart = *ParentChart();
    bool over = AnnotationAt(x, y) != nullptr;
    if (!over)
        if (auto* full = dynamic_cast<TCustomChart*>(&chart)) {
            const TChartClickPart part = full->PartAtPoint(x, y).Part;
            over = part != ckNone && part != ckChartRect;
        }
    if (!over) return;
    chart.SetCursor(FCursor);
    chart.SetCancelMouse(true);
}

std::vector<TPoint> TSelectorTool::HandleCentres(std::vector<int>* depths) {
    std::vector<TPoint> centres;
    if (depths) depths->clear();
    TCustomAxisPanel* chart = ParentChart();
    if (!chart) return centres;
    const int flat = -1;
    if (FSelectedAnnotation) {
        AddCorners(centres, depths, FSelectedAnnotation->ShapeBounds(), flat);
        return centres;
    }
    if (FSelectedShape) {
        AddCorners(centres, depths, FSelectedShape->ShapeBounds(), flat);
        return centres;
    }
    auto* full = dynamic_cast<TCustomChart*>(chart);
    TCanvas3D& canvas = *chart->Canvas3D();
    switch (FPart.Part) {
        case ckNone: {
            TRect r = chart->ClientRect();
            r = TRect{r.Left + FHandleSize, r.Top + FHandleSize, r.Right - FHandleSize,
                      r.Bottom - FHandleSize};
            AddCorners(centres, depths, r, flat);
            break;
        }
        case ckLegend:
            if (full && full->Legend()->Visible())
                AddCorners(centres, depths, full->Legend()->ShapeBounds(), flat);
            break;
        case ckAxis:
            if (FPart.Axis) {
                TRect r = FPart.Axis->AxisBounds();
                if (chart->View3D())
                    r = canvas.ProjectedRectBounds(r,
                                                   FPart.Axis->OtherSide() ? chart->Width3D() : 0);
                AddCorners(centres, depths, r, flat);
            }
            break;
        case ckSeries:
        case ckSeriesMark: {
            TChartSeries* s = FPart.Series;
            if (!s || s->Count() == 0) break;
            const int first = s->FirstInView == -1 ? 0 : s->FirstInView;
            const int last = s->LastInView == -1 ? s->Count() - 1 : s->LastInView;
            int n = last - first;
            if (n == 0) n = s->Count();
            const int k = n <= 20 ? 1 : n / 20;
            for (int i = first; i <= last; i += k) {
                if (FPart.Part == ckSeries) {
                    centres.push_back(TPoint{s->PointXPixel(i), s->PointYPixel(i)});
                    if (depths) depths->push_back(s->MidDepth);
                } else if (const TSeriesMarkPosition* m = s->Marks()->Positions().Position(i)) {
                    AddCorners(centres, depths, m->Bounds(), s->Marks()->ZPosition);
                }
            }
            break;
        }
        case ckTitle:
        case ckFoot:
        case ckSubTitle:
        case ckSubFoot:
            if (full) {
                TChartTitle* t = FPart.Part == ckTitle      ? full->Title()
                                 : FPart.Part == ckFoot     ? full->Foot()
                                 : FPart.Part == ckSubTitle ? full->SubTitle()
                                                            : full->SubFoot();
                AddCorners(centres, depths, t->GetTitleRect(), flat);
            }
            break;
        case ckChartRect: {
            const TRect r = chart->ChartRect();
            const int z = chart->Width3D();
            for (const TPoint p : {TPoint{r.Left, r.Top}, TPoint{r.Left, r.Bottom},
                                   TPoint{r.Right, r.Top}, TPoint{r.Right, r.Bottom}}) {
                centres.push_back(p);
                if (depths) depths->push_back(z);
            }
            break;
        }
        case ckAxisTitle:
            if (FPart.Axis) {
                TChartAxisTitle& title = *FPart.Axis->Title();
                const TRect r = title.ShapeBounds();
                AddCorners(centres, depths,
                           title.Angle() == 0 ? r : RotatedBounds(r, title.Angle()), flat);
            }
            break;
    }
    return centres;
}

void TSelectorTool::ChartDrawEvent(TChartToolEvent event) {
    TCustomAxisPanel* chart = ParentChart();
    if (event != cteAfterDraw || !chart || chart->Printing() || !FDrawHandles) return;
    std::vector<int> depths;
    const std::vector<TPoint> centres = HandleCentres(&depths);
    if (centres.empty()) return;
    TCanvas3D& canvas = *chart->Canvas3D();
    canvas.UsePen(Pen());
    canvas.UseBrushColored(Brush(), Brush()->Color());
    const int h = FHandleSize;
    for (size_t i = 0; i < centres.size(); ++i) {
        const TRect r{centres[i].X - h, centres[i].Y - h, centres[i].X + h, centres[i].Y + h};
        if (depths[i] >= 0)
            canvas.DrawRectangleAtZ(r, depths[i]);
        else
            canvas.DrawRectangleFromRect(r);
    }
}
