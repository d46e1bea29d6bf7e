#include "chart/engine/Callout.h"

#include "chart/engine/ChartSeries.h"
#include "chart/engine/SeriesMarkPositions.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeePanel.h"
#include "platform/classes/AssignIfChanged.h"
#include "platform/classes/Publisher.h"

const TEnumInfo& ArrowHeadStyleNames() {
    static const TEnumInfo names{"ahNone", "ahLine", "ahSolid"};
    return names;
}

// --- Callout.

TCallout::TCallout(TChartSeries* series)
    : TSeriesPointer(series), FArrow(std::make_unique<TWhitePen>([this](TObject*) { Changed(); })) {
    FullGradient = true;
    SetDraw3D(false);
    Brush()->SetColor(clBlack);
}
TCallout::~TCallout() = default;

void TCallout::SetArrow(const TWhitePen* value) { FArrow->Assign(value); }

void TCallout::SetArrowHead(TArrowHeadStyle value) {
    if (AssignIfChanged(FArrowHead, value)) Changed();
}
void TCallout::SetArrowHeadSize(int value) {
    if (AssignIfChanged(FArrowHeadSize, value)) Changed();
}
void TCallout::SetDistance(int value) {
    if (AssignIfChanged(FDistance, value)) Changed();
}

void TCallout::Draw(TColor lineColor, TPoint tip, TPoint elbow, TPoint start, int z,
                    bool useElbow) {
    TCustomTeePanel* chart = Chart();
    if (!chart) return;
    TCanvas3D& canvas = *chart->Canvas3D();
    const TRect& drawing = chart->DrawingRect();
    if (drawing.Left != 0 || drawing.Top != 0) {
        const TPoint by{drawing.Left, drawing.Top};
        for (TPoint* p : {&tip, &elbow, &start}) *p = TPoint{p->X + by.X, p->Y + by.Y};
    }
    const bool is3D = chart->View3D();
    if (FArrow->Visible()) {
        PrepareOwnCanvas();
        if (FArrowHead != ahSolid) canvas.Brush()->SetStyle(bsClear);
        canvas.UsePenWithColor(FArrow.get(),
                               FArrow->Color() == clDefault ? lineColor : FArrow->Color());
        if (FArrowHead != ahNone) {
            canvas.DrawArrow(FArrowHead == ahSolid, start, tip, FArrowHeadSize, FArrowHeadSize, z,
                             50);
        } else if (is3D) {
            canvas.MovePenTo3D(tip.X, tip.Y, z);
            if (useElbow) canvas.DrawLineTo3D(elbow.X, elbow.Y, z);
            canvas.DrawLineTo3D(start.X, start.Y, z);
        } else {
            canvas.MovePenTo(tip.X, tip.Y);
            if (useElbow) canvas.DrawLineTo(elbow.X, elbow.Y);
            canvas.DrawLineTo(start.X, start.Y);
        }
    }
    if (FArrowHead == ahNone && Visible()) {
        PrepareOwnCanvas();
        const TPoint at = is3D ? canvas.ProjectPoint(tip.X, tip.Y, z) : tip;
        DrawOnCanvas(canvas, false, at.X, at.Y, HorizSize(), VertSize(), BrushColor(), Style());
    }
}

void TCallout::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TCallout*>(source)) {
        FDistance = other->FDistance;
        SetArrow(other->Arrow());
        FArrowHead = other->FArrowHead;
        FArrowHeadSize = other->FArrowHeadSize;
    }
    TSeriesPointer::Assign(source);
}

void TCallout::Publish(TPublisher<TCallout>& p) {
    using C = TCallout;
    p.Object("Arrow", &C::Arrow, &C::SetArrow);
    p.Enumeration("ArrowHead", ArrowHeadStyleNames(), &C::ArrowHead, &C::SetArrowHead)
        .Default(ahNone);
    p.Integer("ArrowHeadSize", &C::ArrowHeadSize, &C::SetArrowHeadSize).Default(8);
    p.Integer("Distance", &C::Distance, &C::SetDistance).Default(0);
    p.Inherited("Draw3D").Default(false);
    p.Inherited("Visible").Default(true);
}

// --- The marks' callout.

TMarksCallout::TMarksCallout(TChartSeries* series) : TCallout(series) { FVisible = false; }

void TMarksCallout::SetLength(int value) {
    if (!AssignIfChanged(FLength, value)) return;
    Changed();
}

void TMarksCallout::OffsetPosition(TSeriesMarkPosition& position) const {
    const int distance = Distance();
    position.LeftTop.Y -= FLength + distance;
    position.ArrowTo.Y -= FLength + distance;
    position.ArrowFrom.Y -= distance;
}

void TMarksCallout::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TMarksCallout*>(source)) FLength = other->FLength;
    TCallout::Assign(source);
}

void TMarksCallout::Publish(TPublisher<TMarksCallout>& p) {
    using C = TMarksCallout;
    // Stored against the series type's own default (0 for point series).
    p.Integer("Length", &C::Length, &C::SetLength).NoDefault().Stored([](const C& c) {
        return c.Length() != c.DefaultLength;
    });
    p.Inherited("Visible").Default(false);
}
