#pragma once
// The line series (the workbench's result and temperature plots) and its horizontal form, whose
// values run along X.
#include "chart/engine/CustomSeries.h"

class TLineSeries : public TCustomSeries {
    KV_DECLARE_CLASS(TLineSeries, TCustomSeries)
public:
    explicit TLineSeries(TComponent* owner);
    ~TLineSeries() override;

    // The line-family copy; a source that is not a line series leaves the pointer hidden.
    void Assign(const TPersistent* source) override;
    void PrepareLegendCanvas(int valueIndex, TColor& backColor, TBrushStyle& style) override;
    void ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) override;
    void ApplyGalleryVariant(TChartSeries* series, int index) override;
    static void Publish(TPublisher<TLineSeries>& p);
};

class THorizLineSeries : public TLineSeries {
    KV_DECLARE_CLASS(THorizLineSeries, TLineSeries)
public:
    explicit THorizLineSeries(TComponent* owner);
    ~THorizLineSeries() override;

    // The widest visible mark: marks stand beside the points.
    int MarksMargin() const override;
    void DrawMark(int valueIndex, const std::string& text, TSeriesMarkPosition& position) override;
};
