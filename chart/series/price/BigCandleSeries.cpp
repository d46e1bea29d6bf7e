#include "chart/series/price/BigCandleSeries.h"

#include "chart/engine/Callout.h"
#include "chart/engine/SeriesMarkPositions.h"
#include "chart/engine/SeriesMarks.h"
#include "platform/classes/Publisher.h"
#include "platform/rtl/FloatFormat.h"

TBigCandleSeries::TBigCandleSeries(TComponent* owner) : TCandleSeries(owner) {
    Marks()->SetVisible(true);
    Marks()->Callout()->SetLength(0);
}

void TBigCandleSeries::DrawMark(int valueIndex, const std::string& /*text*/,
                                TSeriesMarkPosition& position) {
    const int w = position.Width, h = position.Height, x0 = position.LeftTop.X;
    const int half = w / 2 + FHorizGap;
    auto draw = [&](double price) {
        TOHLCSeries::DrawMark(valueIndex, FormatFloat(ValueFormat(), price), position);
    };
    position.LeftTop = TPoint{x0 - half, YValueToPixel(OpenValues()[valueIndex]) - h / 2};
    draw(OpenValues()[valueIndex]);
    position.LeftTop = TPoint{x0 + half, YValueToPixel(CloseValues()[valueIndex]) - h / 2};
    draw(CloseValues()[valueIndex]);
    position.LeftTop.Y = YValueToPixel(HighValues()[valueIndex]) - (h + FVertGap);
    draw(HighValues()[valueIndex]);
    position.LeftTop.Y = YValueToPixel(LowValues()[valueIndex]) + FVertGap;
    draw(LowValues()[valueIndex]);
}

void TBigCandleSeries::Publish(TPublisher<TBigCandleSeries>& p) {
    using S = TBigCandleSeries;
    p.Integer("HorizGap", &S::HorizGap, &S::SetHorizGap).Default(20);
    p.Integer("VertGap", &S::VertGap, &S::SetVertGap).Default(6);
}
