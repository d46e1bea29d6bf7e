#include "chart/series/polar/WindRoseSeries.h"

#include "chart/foundation/LibraryTexts.h"
#include "chart/series/algo/PolarLabels.h"
#include "platform/classes/Publisher.h"

namespace {
// The gallery entry after the polar series' "No Circle".
constexpr int MirroredVariant = 7;
}  // namespace

TWindRoseSeries::TWindRoseSeries(TComponent* owner) : TCustom2DPolarSeries(owner) {
    SetCircleLabels(true);
    SetRotationAngle(90);
}

TWindRoseSeries::~TWindRoseSeries() = default;

double TWindRoseSeries::XValueAt(int index) const {
    const double angle = XValues()[index];
    return FMirrorAngles ? 360 - angle : angle;
}

std::string TWindRoseSeries::AngleLabelText(int /*index*/, double angle) {
    return WindRoseLabel(FMirrorLabels ? 360 - angle : angle);
}

void TWindRoseSeries::ListGalleryVariants(
    const std::function<void(const std::string&)>& addVariant) {
    TCustom2DPolarSeries::ListGalleryVariants(addVariant);
    addVariant(TxtExtMirrored);
}

void TWindRoseSeries::ApplyGalleryVariant(TChartSeries* series, int index) {
    auto* s = dynamic_cast<TWindRoseSeries*>(series);
    if (s && index == MirroredVariant)
        s->SetMirrorAngles(true);
    else
        TCustom2DPolarSeries::ApplyGalleryVariant(series, index);
}

void TWindRoseSeries::PrepareForGallery(bool enabled) {
    TCustom2DPolarSeries::PrepareForGallery(enabled);
    SetAngleIncrement(45);
}

void TWindRoseSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TWindRoseSeries*>(source)) {
        FMirrorAngles = other->FMirrorAngles;
        FMirrorLabels = other->FMirrorLabels;
    }
    TCustom2DPolarSeries::Assign(source);
}

void TWindRoseSeries::Publish(TPublisher<TWindRoseSeries>& p) {
    using S = TWindRoseSeries;
    p.Inherited("CircleLabels").Default(true);
    p.Boolean("MirrorAngles", &S::MirrorAngles, &S::SetMirrorAngles).Default(false);
    p.Boolean("MirrorLabels", &S::MirrorLabels, &S::SetMirrorLabels).Default(false);
    p.Inherited("RotationAngle").Default(90);
}
