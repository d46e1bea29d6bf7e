#pragma once
// Traded volume: one vertical line per point from a base line to the point's value, the base
// being the bottom of the vertical axis (its top when the axis is inverted) or, with
// UseYOrigin, the pixel of YOrigin. The second series of a price chart and the histogram of
// the MACD function.
#include "chart/engine/CustomSeries.h"

class TVolumeSeries : public TCustomSeries {
    KV_DECLARE_CLASS(TVolumeSeries, TCustomSeries)
public:
    explicit TVolumeSeries(TComponent* owner);
    ~TVolumeSeries() override;
    static std::string EditorClassName() { return "TVolumeSeriesEditor"; }

    TChartValueList& VolumeValues() { return YValues(); }
    void SetVolumeValues(const TChartValueList* value) { SetYValues(value); }
    bool UseYOrigin() const { return FUseYOrigin; }
    void SetUseYOrigin(bool value) { ChangeField(FUseYOrigin, value); }
    double YOrigin() const { return FYOrigin; }
    void SetYOrigin(double value) { ChangeField(FYOrigin, value); }

    // The pixel the lines start from.
    int BaseLinePixel() const;

    void SetSeriesColor(TColor value) override;
    void HorizontalMarginsNeeded(int& left, int& right) override;
    void DrawValue(int valueIndex) override;
    void DrawLegendShape(int valueIndex, const TRect& rect) override;
    void PrepareLegendCanvas(int valueIndex, TColor& backColor, TBrushStyle& style) override;
    int ValueIndexAt(int x, int y) override;
    int DefaultSampleCount() const override { return 40; }
    void AddRandomValues(int numValues, bool onlyMandatory) override;
    void ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) override;
    void ApplyGalleryVariant(TChartSeries* series, int index) override;
    void PrepareForGallery(bool enabled) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TVolumeSeries>& p);

private:
    // Selects the line pen in color unless it is selected already in this pass (forced: always).
    void PrepareLinePen(TColor color, bool forced);

    bool FUseYOrigin = false;
    TColor FLastPenColor = clNone;
    double FYOrigin = 0;
};
