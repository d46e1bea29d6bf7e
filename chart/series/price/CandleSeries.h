#pragma once
// Each point of a price series as a financial candle: a body from open to close in the up or
// down colour with a high-low wick (stick), a body alone (open-close), an open-high-low-close
// bar with its ticks, or a line through the closes. A point with a colour of its own ignores
// the up and down colours. Pen, Draw3D and Dark3D are those of the series' pointer.
//
// The line style joins each point to the previous one drawn; that point is state of one
// drawing or hit-testing pass.
#include <memory>

#include "chart/series/price/OHLCSeries.h"

class TChartPen;
class TTeeGradient;

enum TCandleStyle { csCandleStick, csCandleBar, csOpenClose, csLine };
enum TCandleColorStyle { cssRelativeToOpen, cssRelativeToClose };
const TEnumInfo& CandleStyleNames();
const TEnumInfo& CandleColorStyleNames();

class TCandleSeries : public TOHLCSeries {
    KV_DECLARE_CLASS(TCandleSeries, TOHLCSeries)
public:
    explicit TCandleSeries(TComponent* owner);
    ~TCandleSeries() override;
    static std::string EditorClassName() { return "TCandleEditor"; }

    TCandleStyle CandleStyle() const { return FCandleStyle; }
    // Shows the pointer for every style but the line.
    void SetCandleStyle(TCandleStyle value);
    int CandleWidth() const { return FCandleWidth; }
    void SetCandleWidth(int value) { ChangeField(FCandleWidth, value); }
    TCandleColorStyle ColorStyle() const { return FColorStyle; }
    void SetColorStyle(TCandleColorStyle value) { ChangeField(FColorStyle, value); }
    TTeeGradient* UpCloseGradient() const { return FUpGradient.get(); }
    void SetUpCloseGradient(const TTeeGradient* value);
    TTeeGradient* DownCloseGradient() const { return FDownGradient.get(); }
    void SetDownCloseGradient(const TTeeGradient* value);
    // The start colours of the two gradients.
    TColor UpCloseColor() const;
    void SetUpCloseColor(TColor value);
    TColor DownCloseColor() const;
    void SetDownCloseColor(TColor value);
    // clDefault: the candle pen's colour.
    TChartPen* HighLowPen() const { return FHighLowPen.get(); }
    void SetHighLowPen(const TChartPen* value);
    bool ShowOpenTick() const { return FShowOpenTick; }
    void SetShowOpenTick(bool value) { ChangeField(FShowOpenTick, value); }
    bool ShowCloseTick() const { return FShowCloseTick; }
    void SetShowCloseTick(bool value) { ChangeField(FShowCloseTick, value); }
    // The pointer's pen and 3-D flags.
    TChartPen* CandlePen() const;
    void SetCandlePen(const TChartPen* value);
    bool Draw3D() const;
    void SetDraw3D(bool value);
    bool Dark3D() const;
    void SetDark3D(bool value);

    // Up or down by the colour rule.
    bool IsUpCandle(int valueIndex) const;
    // The point's own colour when it has one, else the up or down colour.
    TColor CandleColor(int valueIndex) const;

    TColor LegendItemColor(int legendIndex) const override { return CandleColor(legendIndex); }
    double GetMaxYValue() override;
    double GetMinYValue() override;
    void DrawValue(int valueIndex) override;
    void DrawLegendShape(int valueIndex, const TRect& rect) override;
    bool IsValueInChartRect(int valueIndex) const override;
    int ValueIndexAt(int x, int y) override;
    void ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) override;
    void ApplyGalleryVariant(TChartSeries* series, int index) override;
    void Apply3DFromGallery(bool enabled) override;
    void PrepareForGallery(bool enabled) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TCandleSeries>& p);

protected:
    // The pixels of one candle.
    struct TCandlePixels {
        int X, Open, High, Low, Close, LeftHalf, RightHalf;
    };
    TCandlePixels CandlePixelsOf(int valueIndex) const;

private:
    // Drawing by style (CandleSeriesDraw.cpp).
    void DrawStick(const TCandlePixels& p, TColor color, TTeeGradient* gradient);
    void DrawBar(const TCandlePixels& p, TColor color);
    void DrawLinePoint(int valueIndex, const TCandlePixels& p, TColor color);
    void UseWickPen();
    // The body's outline: the candle pen (in the candle colour when flatColor is given), or none.
    void UseBodyPen(TColor flatColor);
    void FillBodyGradient(TRect body, TTeeGradient* gradient, int z);
    // The body rectangle as drawn (flat and pen-less adjustments included).
    TRect DrawnBody(const TCandlePixels& p) const;
    bool Draws3DBody() const;
    bool HitsCandle(int valueIndex, TPoint mouse);
    // The line style's previous point; moved on by drawing and hit tests alike.
    TPoint FPrevLinePoint;

    TCandleStyle FCandleStyle = csCandleStick;
    int FCandleWidth = 4;
    TCandleColorStyle FColorStyle = cssRelativeToOpen;
    std::unique_ptr<TTeeGradient> FDownGradient;
    std::unique_ptr<TChartPen> FHighLowPen;
    bool FShowCloseTick = true;
    bool FShowOpenTick = true;
    std::unique_ptr<TTeeGradient> FUpGradient;
};
