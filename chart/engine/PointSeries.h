#pragma once
// The point series: a pointer at each point, no line and no area (the workbench marks its
// temperature points and the point being edited with it).
#include "chart/engine/CustomSeries.h"

class TPointSeries : public TCustomSeries {
    KV_DECLARE_CLASS(TPointSeries, TCustomSeries)
public:
    explicit TPointSeries(TComponent* owner);
    ~TPointSeries() override;
    static std::string EditorClassName() { return "TSeriesPointerEditor"; }

    // Turning it on lets each point's colour show through the pointer brush.
    void SetColorEachPoint(bool value) override;
    // The pointer's transparency.
    int GetTransparency() const override;
    void SetTransparency(int value) override;
    // Descendants that draw other shapes drop the pointer-style variants.
    virtual bool OffersPointerStyles() const { return true; }

    void PrepareForGallery(bool enabled) override;
    void ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) override;
    void ApplyGalleryVariant(TChartSeries* series, int index) override;
    // The line-family copy, then the point look.
    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TPointSeries>& p);

private:
    void SetPointLook();
};
