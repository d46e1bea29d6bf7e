#include "chart/series/shares/VolumePipeSeries.h"

#include <algorithm>
#include <memory>

#include "chart/engine/AxisLabelFormat.h"
#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/SampleRandom.h"
#include "chart/engine/SeriesMarkPositions.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/PointRoutines.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/RtlMath.h"

TVolumePipeGradient::TVolumePipeGradient(TNotifyEvent onChange) : TTeeGradient(onChange) {
    SetVisible(true);
}

void TVolumePipeGradient::Publish(TPublisher<TVolumePipeGradient>& p) {
    p.Inherited("Visible").Default(true);
}

TVolumePipeSeries::TVolumePipeSeries(TComponent* owner)
    : TChartSeries(owner),
      FGradient(std::make_unique<TVolumePipeGradient>(StyleChangedEvent())),
      FLinesPen(CreateLinkedPen()) {
    FGradient->SetMidColor(clWhite);
    SetColorEachPoint(true);
}
TVolumePipeSeries::~TVolumePipeSeries() = default;

void TVolumePipeSeries::SetGradient(const TTeeGradient* value) { FGradient->Assign(value); }

const TPipeSegment* TVolumePipeSeries::SegmentOf(int valueIndex) const {
    for (const TPipeSegment& s : FSegments)
        if (s.Index == valueIndex) return &s;
    return nullptr;
}

TRect TVolumePipeSeries::PipeRect() {
    TRect r = FParentChart->ChartRect();
    if (!Marks()->Visible() || FirstInView < 0) return r;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UseFont(Marks()->Font());
    int tallest = 0;
    for (int i = FirstInView; i <= LastInView; ++i) {
        int lines = 1;
        MultiLineTextWidth(canvas, ValueMarkText(i), lines);
        tallest = std::max(tallest, canvas.MeasureLineHeight() * lines);
    }
    r.Top += tallest;
    return r;
}

void TVolumePipeSeries::DrawAllValues() {
    TChartSeries::DrawAllValues();
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.Brush()->SetStyle(bsClear);
    FOutline = PipeOutline(PipeRect(), FConePercent);
    const size_t n = static_cast<size_t>(Count());
    std::vector<double> values(n);
    auto nulls = std::make_unique<bool[]>(n);
    for (size_t i = 0; i < n; ++i) {
        values[i] = YValues()[int(i)];
        nulls[i] = IsNullValue(int(i));
    }
    FSegments = PipeSegments(FOutline, values, std::span<const bool>(nulls.get(), n));
    int z0 = FrontDepth, z1 = BackDepth;
    for (const TPipeSegment& s : FSegments) DrawSegment(s, z0, z1);
    if (Pen()->Visible()) {
        canvas.Brush()->SetStyle(bsClear);
        canvas.UsePen(Pen());
        if (!FParentChart->View3D()) {
            const TPoint outline[4] = {FOutline.P0, FOutline.P1, FOutline.P2, FOutline.P3};
            canvas.DrawPolygon(outline, 3);
        }
    }
}

void TVolumePipeSeries::DrawSegment(const TPipeSegment& s, int& z0, int& z1) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    if (FLinesPen->Visible())
        canvas.UsePen(FLinesPen.get());
    else
        canvas.Pen()->SetStyle(psClear);
    const TColor color = ValueColor(s.Index);
    const bool view3D = FParentChart->View3D();
    if (view3D || !FGradient->Visible()) {
        canvas.UseBrushColors(Brush(), color, Brush()->Color());
    }
    if (view3D) {
        const int left = s.Quad[3].Y - s.Quad[2].Y, right = s.Quad[0].Y - s.Quad[1].Y;
        const int cone = left == 0 ? 0 : RoundToInt(right * 100.0 / left);
        canvas.DrawCone(false, s.Left, s.Quad[2].Y, s.Right, s.Quad[3].Y, z0, z1, true, cone);
        // The depth narrows to nothing at the pipe's right end.
        const double r = double(s.Right - s.Left) / FOutline.Length();
        const int step = RoundToInt((BackDepth - FrontDepth) * r / 2);
        z0 += step;
        z1 -= step;
    } else if (FGradient->Visible()) {
        FGradient->SetStartColor(color);
        FGradient->SetEndColor(color);
        FGradient->DrawPolygon(canvas, s.Quad, 3, false, 0);
    } else {
        canvas.DrawPolygon(s.Quad, 3);
    }
}

void TVolumePipeSeries::PrepareForChartDraw() {
    TChartSeries::PrepareForChartDraw();
    if (Active() && ResolvedVertAxis()) ResolvedVertAxis()->SetVisible(false);
}

void TVolumePipeSeries::DrawMark(int valueIndex, const std::string& text,
                                 TSeriesMarkPosition& position) {
    if (const TPipeSegment* s = SegmentOf(valueIndex))
        position.LeftTop = {(s->Left + s->Right) / 2 - position.Width / 2,
                            FParentChart->ChartRect().Top};
    TChartSeries::DrawMark(valueIndex, text, position);
}

int TVolumePipeSeries::ValueIndexAt(int x, int y) {
    const int hit = TChartSeries::ValueIndexAt(x, y);
    if (hit != -1) return hit;
    for (const TPipeSegment& s : FSegments)
        if (s.Index >= FirstInView && s.Index <= LastInView &&
            PointInPolygon(TPoint{x, y}, std::span<const TPoint>(s.Quad)))
            return s.Index;
    return -1;
}

void TVolumePipeSeries::AddRandomValues(int numValues, bool /*onlyMandatory*/) {
    const std::string* labels[5] = {&TxtCars, &TxtPhones, &TxtTables, &TxtMonitors, &TxtLamps};
    for (int k = 0; k < numValues; ++k) AddValue(1 + RandomBelow(1000), *labels[k % 5]);
}

void TVolumePipeSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TVolumePipeSeries*>(source)) {
        FConePercent = other->FConePercent;
        FGradient->Assign(other->FGradient.get());
        FLinesPen->Assign(other->FLinesPen.get());
    }
    TChartSeries::Assign(source);
}

void TVolumePipeSeries::Publish(TPublisher<TVolumePipeSeries>& p) {
    using S = TVolumePipeSeries;
    p.Object("Brush", &S::Brush, &S::SetBrush);
    p.Inherited("ColorEachPoint").Default(true);
    p.Integer("ConePercent", &S::ConePercent, &S::SetConePercent).Default(30);
    p.Object("Gradient", &S::Gradient, &S::SetGradient);
    p.Object("LinesPen", &S::LinesPen, &S::SetLinesPen);
    p.Object("Pen", &S::Pen, &S::SetPen);
}
