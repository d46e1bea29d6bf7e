#include "chart/series/polar/Custom2DPolarSeries.h"

#include "chart/engine/AxisPanel.h"
#include "chart/foundation/TeeFont.h"

void TCustom2DPolarSeries::Apply3DFromGallery(bool enabled) {
    TCustomPolarSeries::Apply3DFromGallery(enabled);
    if (FParentChart) FParentChart->SetView3D(false);
}

void TCustom2DPolarSeries::PrepareForGallery(bool enabled) {
    TCustomPolarSeries::PrepareForGallery(enabled);
    CircleLabelsFont()->SetSize(6);
    Pointer()->SetHorizSize(2);
    Pointer()->SetVertSize(2);
}
