#include "chart/series/variant/Bar3DSeries.h"

#include <algorithm>
#include <cmath>

#include "chart/engine/ChartAxis.h"
#include "chart/engine/SampleRandom.h"
#include "chart/foundation/LibraryTexts.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/RtlMath.h"

TBar3DSeries::TBar3DSeries(TComponent* owner) : TBarSeries(owner) {
    FOffset = new TChartValueList(this, TxtExtOffset);
}
TBar3DSeries::~TBar3DSeries() = default;

int TBar3DSeries::AddBar3D(double x, double y, double offset, const std::string& label,
                           TColor color) {
    FOffset->TempValue = offset;
    return AddXYPoint(x, y, label, color);
}

double TBar3DSeries::StackOrigin(int valueIndex, bool /*all*/) const {
    return (*FOffset)[valueIndex];
}

double TBar3DSeries::ValueForStacking(int index) {
    return TBarSeries::ValueForStacking(index) + (*FOffset)[index];
}

const TChartPen* TBar3DSeries::CalcBarRect(int valueIndex, TRect& rect) {
    const TChartPen* pen = TBarSeries::CalcBarRect(valueIndex, rect);
    const bool stacked =
        MultiBar() == mbStacked || MultiBar() == mbStacked100 || MultiBar() == mbSelfStack;
    if (UseYOrigin() || stacked) {
        // The base is the offset's pixel, reaching one pixel further without an outline as
        // the bar's own base does.
        int base = ValueAxis()->PixelOfValue(StackOrigin(valueIndex, false));
        if (!Pen()->Visible() && base >= rect.Top) ++base;
        rect.Bottom = base;
    }
    return pen;
}

double TBar3DSeries::GetMaxYValue() {
    double result = TBarSeries::GetMaxYValue();
    if (OffsetsWidenAxis() && Count() > 0) result = std::max(result, FOffset->Maximum());
    return result;
}

double TBar3DSeries::GetMinYValue() {
    double result = TBarSeries::GetMinYValue();
    if (OffsetsWidenAxis())
        for (int i = 0; i < Count(); ++i)
            if ((*FOffset)[i] < 0) result = std::min(result, (*FOffset)[i] + YValues()[i]);
    return result;
}

void TBar3DSeries::AddRandomValues(int numValues, bool /*onlyMandatory*/) {
    const TSampleValueBounds b = SampleValueBounds(numValues);
    double x = b.FirstX;
    for (int i = 0; i < numValues; ++i) {
        const int v = RandomBelow(RoundToInt(b.SpreadY));
        const double offset = std::fabs(b.SpreadY / (1 + RandomBelow(5)));
        AddBar3D(x, std::abs(v) + 10, offset);
        x += b.StepX;
    }
}

void TBar3DSeries::Publish(TPublisher<TBar3DSeries>& p) {
    using S = TBar3DSeries;
    p.Object(
        "OffsetValues", [](const S& s) { return const_cast<TChartValueList*>(s.FOffset); },
        [](S& s, const TChartValueList* v) { s.SetOffsetValues(v); });
}
