#include "chart/series/stats/CustomBoxSeries.h"

#include <algorithm>
#include <vector>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/Callout.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/SampleRandom.h"
#include "chart/engine/SeriesMarkPositions.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/PointRoutines.h"
#include "platform/classes/Publisher.h"

TCustomBoxSeries::TCustomBoxSeries(TComponent* owner)
    : TPointSeries(owner),
      FExtrOut(std::make_unique<TSeriesPointer>(this)),
      FMedianPen(CreateLinkedPen()),
      FMildOut(std::make_unique<TSeriesPointer>(this)),
      FWhiskerPen(CreateLinkedPen()) {
    CentresSingleValue = false;
    ClipsToAxisRange = false;
    XValues().SetName("");
    YValues().SetName("Samples");
    Marks()->SetVisible(false);
    Marks()->Callout()->SetLength(0);
    FMildOut->SetStyle(psCircle);
    FExtrOut->SetStyle(psStar);
    Pointer()->SetDraw3D(false);
    Pointer()->Pen()->SetWidth(1);
    Pointer()->SetVertSize(15);
    Pointer()->SetHorizSize(15);
    Pointer()->Brush()->SetColor(clWhite);
    FMedianPen->SetStyle(psDot);
}
TCustomBoxSeries::~TCustomBoxSeries() = default;

void TCustomBoxSeries::SetExtrOut(const TSeriesPointer* value) { FExtrOut->Assign(value); }
void TCustomBoxSeries::SetMildOut(const TSeriesPointer* value) { FMildOut->Assign(value); }
void TCustomBoxSeries::SetSampleValues(const TChartValueList* value) {
    AssignValueList(MandatoryValueList(), value);
}

void TCustomBoxSeries::ComputeBoxStatistics() {
    const TChartValueList& list = MandatoryValueList();
    std::vector<double> samples(size_t(list.Count()));
    for (int i = 0; i < list.Count(); ++i) samples[size_t(i)] = list[i];
    std::sort(samples.begin(), samples.end());
    ::ComputeBoxStatistics(samples, FWhiskerLength, FStats);
}

void TCustomBoxSeries::DoBeforeDrawValues() {
    TPointSeries::DoBeforeDrawValues();
    if (!FUseCustomValues && Count() > 0) ComputeBoxStatistics();
}

int TCustomBoxSeries::PositionPixel() const {
    return FVertical ? XValueToPixel(FPosition) : YValueToPixel(FPosition);
}

int TCustomBoxSeries::ValuePixel(double value) const {
    return FVertical ? YValueToPixel(value) : XValueToPixel(value);
}

int TCustomBoxSeries::PointXPixel(int index) const {
    return FVertical ? PositionPixel() : TPointSeries::PointXPixel(index);
}

int TCustomBoxSeries::PointYPixel(int index) const {
    return FVertical ? TPointSeries::PointYPixel(index) : PositionPixel();
}

TRect TCustomBoxSeries::BoxRect() const {
    const int p = PositionPixel();
    TRect r;
    if (FVertical) {
        const int s = Pointer()->HorizSize();
        r = TRect{p - s, ValuePixel(FStats.Quartile3), p + s, ValuePixel(FStats.Quartile1)};
    } else {
        const int s = Pointer()->VertSize();
        r = TRect{ValuePixel(FStats.Quartile1), p - s, ValuePixel(FStats.Quartile3), p + s};
    }
    if (ResolvedHorizAxis()->Inverted()) std::swap(r.Left, r.Right);
    if (ResolvedVertAxis()->Inverted()) std::swap(r.Top, r.Bottom);
    return r;
}

void TCustomBoxSeries::DrawValue(int valueIndex) {
    const TBoxOutlier kind = ClassifyBoxSample(FStats, MandatoryValue(valueIndex));
    if (kind == boNone) return;
    TSeriesPointer& marker = kind == boMild ? *FMildOut : *FExtrOut;
    if (!marker.Visible()) return;
    const TColor color = ValueColor(valueIndex);
    marker.PrepareCanvas(*FParentChart->Canvas3D(), color);
    marker.DrawStyledAt(PointXPixel(valueIndex), PointYPixel(valueIndex), marker.Style(), color);
}

void TCustomBoxSeries::DrawAllValues() {
    TPointSeries::DrawAllValues();
    if (Count() == 0 && !FUseCustomValues) return;
    const TRect box = BoxRect();
    DrawBox();
    if (FMedianPen->Visible()) DrawMedian(box);
    if (FWhiskerPen->Visible()) DrawWhiskers(box);
}

void TCustomBoxSeries::DrawBox() {
    if (!Pointer()->Visible()) return;
    const TRect r = BoxRect();
    const bool hInv = ResolvedHorizAxis()->Inverted(), vInv = ResolvedVertAxis()->Inverted();
    int x, y, hx, hy;
    if (FVertical) {
        const int s = Pointer()->HorizSize();
        x = hInv ? r.Left - s : r.Left + s;
        y = r.Top + (r.Bottom - r.Top) / 2;
        hx = s - 1;
        hy = (r.Bottom - r.Top) / 2 - 1;
    } else {
        const int s = Pointer()->VertSize();
        x = r.Left + (r.Right - r.Left) / 2;
        y = vInv ? r.Top - s : r.Top + s;
        hx = (r.Right - r.Left) / 2 - 1;
        hy = s - 1;
    }
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const TColor color = Pointer()->Brush()->Color();
    Pointer()->PrepareCanvas(canvas, color);
    Pointer()->DrawOnCanvas(canvas, FParentChart->View3D(), x, y, hx, hy, color,
                            Pointer()->Style());
}

void TCustomBoxSeries::DrawMedian(const TRect& box) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UsePen(FMedianPen.get());
    canvas.Brush()->SetStyle(bsClear);
    const int m = ValuePixel(FStats.Median);
    const bool view3D = FParentChart->View3D();
    if (FVertical) {
        if (view3D)
            canvas.DrawHorizontalLineAtZ(box.Left, box.Right, m, FrontDepth);
        else
            canvas.DrawHorizontalLine(box.Left, box.Right, m);
    } else if (view3D) {
        canvas.DrawVerticalLineAtZ(m, box.Top, box.Bottom, FrontDepth);
    } else {
        canvas.DrawVerticalLine(m, box.Top, box.Bottom);
    }
}

void TCustomBoxSeries::DrawWhiskers(const TRect& box) {
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    canvas.UsePen(FWhiskerPen.get());
    const bool view3D = FParentChart->View3D();
    const int z = Pointer()->Visible() && Pointer()->Draw3D() && view3D ? MidDepth : FrontDepth;
    auto line = [&](int x0, int y0, int x1, int y1) {
        if (view3D)
            canvas.DrawLineAtZ(x0, y0, x1, y1, z);
        else
            canvas.DrawLine(x0, y0, x1, y1);
    };
    const int p = PositionPixel();
    const int s = FVertical ? Pointer()->HorizSize() : Pointer()->VertSize();
    const int ends[2] = {ValuePixel(FStats.AdjacentPoint1), ValuePixel(FStats.AdjacentPoint3)};
    // The lower whisker leaves the box at the first quartile's edge, the upper at the third's.
    const int edges[2] = {FVertical ? box.Bottom : box.Left, FVertical ? box.Top : box.Right};
    for (int k = 0; k < 2; ++k) {
        if (FVertical) {
            line(p, edges[k], p, ends[k]);
            line(p - s, ends[k], p + s, ends[k]);
        } else {
            line(edges[k], p, ends[k], p);
            line(ends[k], p - s, ends[k], p + s);
        }
    }
}

void TCustomBoxSeries::DrawMark(int valueIndex, const std::string& text,
                                TSeriesMarkPosition& position) {
    const int p = PositionPixel();
    if (FVertical) {
        position.ArrowFrom.X = position.ArrowTo.X = p;
        position.LeftTop.X = p - position.Width / 2;
    } else {
        position.ArrowFrom.Y = position.ArrowTo.Y = p;
        position.LeftTop.Y = p - position.Height / 2;
    }
    TPointSeries::DrawMark(valueIndex, text, position);
}

int TCustomBoxSeries::ValueIndexAt(int x, int y) {
    const int hit = TPointSeries::ValueIndexAt(x, y);
    if (hit != -1 || !Pointer()->Visible() || !FParentChart) return hit;
    TRect r = BoxRect();
    if (r.Left > r.Right) std::swap(r.Left, r.Right);
    if (r.Top > r.Bottom) std::swap(r.Top, r.Bottom);
    return PointInRectXY(r, x, y) ? 0 : -1;
}

void TCustomBoxSeries::SetParentChart(TCustomAxisPanel* value) {
    TPointSeries::SetParentChart(value);
    if (!ComponentState().Contains(csDestroying)) {
        FMildOut->SetParentChart(value);
        FExtrOut->SetParentChart(value);
    }
}

double TCustomBoxSeries::ValueExtreme(double inherited, bool maximum) {
    if (!FUseCustomValues && Count() > 0) ComputeBoxStatistics();
    std::vector<double> candidates{inherited, FStats.AdjacentPoint1, FStats.AdjacentPoint3};
    if (FUseCustomValues) {
        candidates.push_back(FStats.OuterFence1);
        candidates.push_back(FStats.OuterFence3);
    }
    return maximum ? *std::max_element(candidates.begin(), candidates.end())
                   : *std::min_element(candidates.begin(), candidates.end());
}

double TCustomBoxSeries::GetMinXValue() {
    return FVertical ? FPosition : ValueExtreme(TPointSeries::GetMinXValue(), false);
}
double TCustomBoxSeries::GetMaxXValue() {
    return FVertical ? FPosition : ValueExtreme(TPointSeries::GetMaxXValue(), true);
}
double TCustomBoxSeries::GetMinYValue() {
    return FVertical ? ValueExtreme(TPointSeries::GetMinYValue(), false) : FPosition;
}
double TCustomBoxSeries::GetMaxYValue() {
    return FVertical ? ValueExtreme(TPointSeries::GetMaxYValue(), true) : FPosition;
}

void TCustomBoxSeries::AddRandomValues(int numValues, bool /*onlyMandatory*/) {
    const int series = FParentChart ? FParentChart->SeriesCount() + 1 : 1;
    const double b = series * (3 + RandomBelow(10));
    // One low and one high outlier around an even spread.
    AddValue(-b);
    for (int c = 2; c <= numValues - 2; ++c) AddValue(b * c / numValues);
    AddValue(2 * b);
}

void TCustomBoxSeries::PrepareForGallery(bool enabled) {
    TPointSeries::PrepareForGallery(enabled);
    int k = 1;
    if (FParentChart)
        for (int i = 0; i < FParentChart->SeriesCount(); ++i)
            if (FParentChart->GetSeries(i) == this) k = i + 1;
    SetPosition(k);
    Pointer()->SetHorizSize(12);
    FMildOut->SetHorizSize(3);
    FExtrOut->SetVertSize(3);
    FillSampleValues(10 * k);
}

void TCustomBoxSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TCustomBoxSeries*>(source)) {
        FExtrOut->Assign(other->FExtrOut.get());
        FMedianPen->Assign(other->FMedianPen.get());
        FMildOut->Assign(other->FMildOut.get());
        FPosition = other->FPosition;
        FWhiskerLength = other->FWhiskerLength;
        FWhiskerPen->Assign(other->FWhiskerPen.get());
        FUseCustomValues = other->FUseCustomValues;
        FStats = other->FStats;
    }
    TPointSeries::Assign(source);
}

void TCustomBoxSeries::Publish(TPublisher<TCustomBoxSeries>& p) {
    using S = TCustomBoxSeries;
    p.Object("ExtrOut", &S::ExtrOut, &S::SetExtrOut);
    p.Object("MedianPen", &S::MedianPen, &S::SetMedianPen);
    p.Object("MildOut", &S::MildOut, &S::SetMildOut);
    p.Float("Position", &S::Position, &S::SetPosition).Default(0.0);
    p.Object(
        "SampleValues",
        [](const S& s) { return const_cast<TChartValueList*>(&s.MandatoryValueList()); },
        [](S& s, const TChartValueList* v) { s.SetSampleValues(v); });
    p.Float("WhiskerLength", &S::WhiskerLength, &S::SetWhiskerLength).Default(1.5);
    p.Object("WhiskerPen", &S::WhiskerPen, &S::SetWhiskerPen);
    p.Boolean("UseCustomValues", &S::UseCustomValues, &S::SetUseCustomValues).Default(false);
    // The statistics are stored only while they are given rather than computed.
    auto custom = [](const S& s) { return s.UseCustomValues(); };
    p.Float("Median", &S::Median, &S::SetMedian).Default(0.0).Stored(custom);
    p.Float("Quartile1", &S::Quartile1, &S::SetQuartile1).Default(0.0).Stored(custom);
    p.Float("Quartile3", &S::Quartile3, &S::SetQuartile3).Default(0.0).Stored(custom);
    p.Float("InnerFence1", &S::InnerFence1, &S::SetInnerFence1).Default(0.0).Stored(custom);
    p.Float("InnerFence3", &S::InnerFence3, &S::SetInnerFence3).Default(0.0).Stored(custom);
    p.Float("OuterFence1", &S::OuterFence1, &S::SetOuterFence1).Default(0.0).Stored(custom);
    p.Float("OuterFence3", &S::OuterFence3, &S::SetOuterFence3).Default(0.0).Stored(custom);
    p.Float("AdjacentPoint1", &S::AdjacentPoint1, &S::SetAdjacentPoint1)
        .Default(0.0)
        .Stored(custom);
    p.Float("AdjacentPoint3", &S::AdjacentPoint3, &S::SetAdjacentPoint3)
        .Default(0.0)
        .Stored(custom);
}
