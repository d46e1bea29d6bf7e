#pragma once
// A polyline in one pen and nothing else, for series of very many points: values go straight
// through the axes to pixels, points that fall on the pixel of the previous one are skipped, and
// with AutoRepaint off a new point is drawn at once onto the chart's picture as one segment
// instead of a repaint.
#include <functional>
#include <string>

#include "chart/engine/CustomLineSeries.h"

class TCanvas3D;

class TFastLineSeries : public TCustomLineSeries {
    KV_DECLARE_CLASS(TFastLineSeries, TCustomLineSeries)
public:
    explicit TFastLineSeries(TComponent* owner);
    ~TFastLineSeries() override;

    static std::string EditorClassName() { return "TFastLineSeriesEditor"; }

    // When false, an added point is drawn at once (one segment from the previous point).
    bool AutoRepaint = true;
    bool DrawAllPoints() const { return FDrawAllPoints; }
    void SetDrawAllPoints(bool value) { ChangeField(FDrawAllPoints, value); }
    // Only kept: drawing follows TreatNulls.
    bool IgnoreNulls() const { return FIgnoreNulls; }
    void SetIgnoreNulls(bool value) { ChangeField(FIgnoreNulls, value); }
    bool InvertedStairs() const { return FInvertedStairs; }
    void SetInvertedStairs(bool value) { ChangeField(FInvertedStairs, value); }
    bool Stairs() const { return FStairs; }
    void SetStairs(bool value) { ChangeField(FStairs, value); }
    // The line pen's colour and SeriesColor are kept equal.
    void SetPen(const TChartPen* value) override;
    void SetSeriesColor(TColor value) override;
    // Selects the held platform pen for added points instead of the line pen (not stored).
    bool FastPen = false;

    // The pixel of the previous drawn point.
    int PrevX = 0;
    int PrevY = 0;

    void DrawAllValues() override;
    void DrawValue(int valueIndex) override;
    void HorizontalMarginsNeeded(int& left, int& right) override;
    void VerticalMarginsNeeded(int& top, int& bottom) override;
    int ValueIndexAt(int x, int y) override;
    void DrawMark(int valueIndex, const std::string& text, TSeriesMarkPosition& position) override;
    void DrawLegendShape(int valueIndex, const TRect& rect) override;
    void PrepareLegendCanvas(int valueIndex, TColor& backColor, TBrushStyle& style) override;
    void ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) override;
    void ApplyGalleryVariant(TChartSeries* series, int index) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TFastLineSeries>& p);

protected:
    void NotifyValueAdded(int valueIndex) override;

private:
    // The pixel of a point through the series' two axes, with no position hook in between.
    void PointPixel(int index, int& x, int& y) const;
    // One point after the pen stands at (PrevX, PrevY): the pixel-skip rule, the null rules,
    // stairs; the drawing loop's body.
    void DrawPointOn(TCanvas3D& canvas, int valueIndex, bool view3D, bool mayHaveNulls);
    void MovePen(TCanvas3D& canvas, bool view3D, int x, int y);
    void LineTo(TCanvas3D& canvas, bool view3D, int x, int y);

    bool FDrawAllPoints = true;
    bool FIgnoreNulls = true;
    bool FInvertedStairs = false;
    bool FStairs = false;
};
