#pragma once
// What every series has before it has points: a place in the legend, a title, a free
// identifier and six style flags that the series only keeps (descendants give them meaning).
#include <cstdint>
#include <string>

#include "chart/engine/ChartElement.h"
#include "chart/engine/SeriesEvents.h"

class TCustomChartSeries : public TCustomChartElement {
    KV_DECLARE_CLASS(TCustomChartSeries, TCustomChartElement)
public:
    explicit TCustomChartSeries(TComponent* owner);
    ~TCustomChartSeries() override;

    bool ShowInLegend() const { return FShowInLegend; }
    void SetShowInLegend(bool value) { ChangeField(FShowInLegend, value); }
    const std::string& Title() const { return FTitle; }
    // Repaints, then tells the chart's listeners (series event 2).
    void SetTitle(const std::string& value);
    const std::string& Identifier() const { return FIdentifier; }
    void SetIdentifier(const std::string& value) { FIdentifier = value; }
    // Bits 0 to 5; anything above is dropped.
    uint8_t SeriesStyleFlags() const { return FStyleFlags; }
    void SetSeriesStyleFlags(int value) { FStyleFlags = uint8_t(value & 63); }

    // Pixels the series needs beyond the axis ends: left and right, or top and bottom.
    virtual void HorizontalMarginsNeeded(int& left, int& right) { left = right = 0; }
    virtual void VerticalMarginsNeeded(int& top, int& bottom) { top = bottom = 0; }
    // Called for every active series before the chart draws.
    virtual void PrepareForChartDraw() {}
    // After the series joined a chart / before it leaves it.
    virtual void AttachedToChart() {}
    virtual void DetachedFromChart() {}

    // Through the chart, unless it has none or holds its series events back.
    void BroadcastEvent(TChartSeriesEvent kind);

    // ShowInLegend, Title, the style flags and Identifier, then the element's part.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TCustomChartSeries>& p);

protected:
    // "Identifier" and "Style".
    void DefineProperties(TFiler& filer) override;

private:
    bool FShowInLegend = true;
    std::string FTitle;
    std::string FIdentifier;
    uint8_t FStyleFlags = 0;
};
