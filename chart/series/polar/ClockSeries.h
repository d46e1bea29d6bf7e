#pragma once
// An analogue clock face: hour numerals round the rim (Roman or decimal), the hour and minute
// hands as filled arrows and the second hand as a line, showing the local time (or what
// OnGetTime says) and repainting itself every second on the chart's timer. While a clock is on a
// chart, the chart's axes are hidden; they come back when it leaves.
#include <functional>
#include <memory>

#include "chart/series/polar/Custom2DPolarSeries.h"
#include "platform/rtl/DateTime.h"

class TChartPen;
class TClockSeries;
class TTimer;

enum TClockSeriesStyle { cssDecimal, cssRoman };
const TEnumInfo& ClockSeriesStyleNames();

using TClockGetTimeEvent = std::function<void(TClockSeries& sender, TDateTime& time)>;

class TClockSeries : public TCustom2DPolarSeries {
    KV_DECLARE_CLASS(TClockSeries, TCustom2DPolarSeries)
public:
    explicit TClockSeries(TComponent* owner);
    ~TClockSeries() override;
    static std::string EditorClassName() { return "TClockEditor"; }

    TChartPen* PenHours() const { return FPenHours.get(); }
    void SetPenHours(const TChartPen* value);
    TChartPen* PenMinutes() const { return FPenMinutes.get(); }
    void SetPenMinutes(const TChartPen* value);
    TChartPen* PenSeconds() const { return FPenSeconds.get(); }
    void SetPenSeconds(const TChartPen* value);
    TClockSeriesStyle Style() const { return FStyle; }
    void SetStyle(TClockSeriesStyle value) { ChangeField(FStyle, value); }
    TClockGetTimeEvent OnGetTime;

    // The local time, or the one OnGetTime gives instead.
    TDateTime GetTime();
    TTimer* Timer() const { return FTimer.get(); }
    // The end of a hand at angle degrees, factor times half the radii from the centre.
    TPoint HandEnd(double angle, double factor) const;

    void SetParentChart(TCustomAxisPanel* value) override;
    void AttachedToChart() override;
    void DetachedFromChart() override;
    void DoBeforeDrawValues() override;
    void DrawAllValues() override;
    std::string AngleLabelText(int index, double angle) override;
    int CountLegendItems() const override { return 1; }
    TColor LegendItemColor(int) const override { return clNone; }
    std::string LegendItemText(int legendIndex, TLegendTextStyle style) override;
    int DefaultSampleCount() const override { return 1; }

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TClockSeries>& p);

private:
    void Tick();
    void DrawHand(const TChartPen* pen, double angle, double factor, int width, int height);

    struct TFreeTimer {
        void operator()(TTimer* timer) const;
    };
    std::unique_ptr<TChartPen> FPenHours;
    std::unique_ptr<TChartPen> FPenMinutes;
    std::unique_ptr<TChartPen> FPenSeconds;
    TClockSeriesStyle FStyle = cssRoman;
    bool FSavedAxisVisible = true;
    std::unique_ptr<TTimer, TFreeTimer> FTimer;
};
