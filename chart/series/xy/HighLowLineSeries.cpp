#include "chart/series/xy/HighLowLineSeries.h"

#include <algorithm>
#include <cstdlib>

#include "chart/engine/AxisPanel.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/HitTests.h"
#include "platform/classes/Publisher.h"

THighLowLineSeries::THighLowLineSeries(TComponent* owner)
    : TBaseHighLowSeries(owner),
      FHighPointer(std::make_unique<TSeriesPointer>(this)),
      FLowPointer(std::make_unique<TSeriesPointer>(this)) {}
THighLowLineSeries::~THighLowLineSeries() = default;

void THighLowLineSeries::DrawValue(int valueIndex) {
    if (IsNullValue(valueIndex)) return;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const int x = XValueToPixel(XValues()[valueIndex]);
    const int high = YValueToPixel(HighValues()[valueIndex]);
    const int low = YValueToPixel(LowValues()[valueIndex]);
    canvas.UsePenWithColor(Pen(), ValueColor(valueIndex));
    if (FParentChart->View3D())
        canvas.DrawVerticalLineAtZ(x, high, low, FrontDepth);
    else
        canvas.DrawVerticalLine(x, high, low);
    for (auto [pointer, y] :
         {std::pair{FHighPointer.get(), high}, std::pair{FLowPointer.get(), low}}) {
        if (!pointer->Visible()) continue;
        pointer->PrepareCanvas(canvas, SeriesColor());
        pointer->DrawAt(x, y);
    }
}

int THighLowLineSeries::ValueIndexAt(int x, int y) {
    const int found = TBaseHighLowSeries::ValueIndexAt(x, y);
    if (found != -1 || FirstInView < 0 || !FParentChart) return found;
    auto markerHit = [x, y](const TSeriesPointer& p, int px, int py) {
        return p.Visible() && p.Style() != psNothing && std::abs(px - x) < p.HorizSize() &&
               std::abs(py - y) < p.VertSize();
    };
    for (int i = FirstInView; i <= LastInView && i < Count(); ++i) {
        if (IsNullValue(i)) continue;
        const int px = XValueToPixel(XValues()[i]);
        const int high = YValueToPixel(HighValues()[i]);
        const int low = YValueToPixel(LowValues()[i]);
        if (markerHit(*FHighPointer, px, high) || markerHit(*FLowPointer, px, low) ||
            IsPointOnLine(TPoint{x, y}, px, high, px, low))
            return i;
    }
    return -1;
}

void THighLowLineSeries::HorizontalMarginsNeeded(int& left, int& right) {
    TBaseHighLowSeries::HorizontalMarginsNeeded(left, right);
    int m = Pen()->Visible() ? Pen()->Width() : 0;
    for (const TSeriesPointer* p : {FHighPointer.get(), FLowPointer.get()})
        if (p->Visible() && p->InflateMargins()) m = std::max(m, p->HorizSize());
    left = std::max(left, m);
    right = std::max(right, m);
}

void THighLowLineSeries::VerticalMarginsNeeded(int& top, int& bottom) {
    TBaseHighLowSeries::VerticalMarginsNeeded(top, bottom);
    if (FHighPointer->Visible() && FHighPointer->InflateMargins())
        top = std::max(top, FHighPointer->VertSize());
    if (FLowPointer->Visible() && FLowPointer->InflateMargins())
        bottom = std::max(bottom, FLowPointer->VertSize());
}

void THighLowLineSeries::SetParentChart(TCustomAxisPanel* value) {
    TBaseHighLowSeries::SetParentChart(value);
    FHighPointer->SetParentChart(value);
    FLowPointer->SetParentChart(value);
}

void THighLowLineSeries::PrepareForGallery(bool enabled) {
    TBaseHighLowSeries::PrepareForGallery(enabled);
    FHighPointer->SetSize(2);
    FLowPointer->SetSize(2);
}

void THighLowLineSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const THighLowLineSeries*>(source)) {
        FHighPointer->Assign(other->FHighPointer.get());
        FLowPointer->Assign(other->FLowPointer.get());
    }
    TBaseHighLowSeries::Assign(source);
}

void THighLowLineSeries::Publish(TPublisher<THighLowLineSeries>& p) {
    using S = THighLowLineSeries;
    p.Object("HighPointer", &S::HighPointer, &S::SetHighPointer);
    p.Object("LowPointer", &S::LowPointer, &S::SetLowPointer);
}
