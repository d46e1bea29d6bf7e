#pragma once
// A polar series whose angle labels are compass points: angle 0 up ("N"), 90 left ("W"). The
// angles, or only the labels, can be mirrored.
#include "chart/series/polar/Custom2DPolarSeries.h"

class TWindRoseSeries : public TCustom2DPolarSeries {
    KV_DECLARE_CLASS(TWindRoseSeries, TCustom2DPolarSeries)
public:
    explicit TWindRoseSeries(TComponent* owner);
    ~TWindRoseSeries() override;
    static std::string EditorClassName() { return "TWindRoseEditor"; }

    bool MirrorAngles() const { return FMirrorAngles; }
    void SetMirrorAngles(bool value) { ChangeField(FMirrorAngles, value); }
    bool MirrorLabels() const { return FMirrorLabels; }
    void SetMirrorLabels(bool value) { ChangeField(FMirrorLabels, value); }

    double XValueAt(int index) const override;
    std::string AngleLabelText(int index, double angle) override;
    void ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) override;
    void ApplyGalleryVariant(TChartSeries* series, int index) override;
    void PrepareForGallery(bool enabled) override;

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TWindRoseSeries>& p);

private:
    bool FMirrorAngles = false;
    bool FMirrorLabels = false;
};
