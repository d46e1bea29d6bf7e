// How a series dresses as a preview in the series gallery.
#include "chart/engine/AxisPanel.h"
#include "chart/engine/Callout.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/foundation/TeeFont.h"

void TChartSeries::ListGalleryVariants(const std::function<void(const std::string&)>& addVariant) {
    addVariant(TxtNormal);
}

void TChartSeries::Apply3DFromGallery(bool enabled) {
    if (FParentChart) FParentChart->SetView3D(enabled);
}

void TChartSeries::PrepareForGallery(bool enabled) {
    FillSampleValues(4);
    FMarks->SetVisible(false);
    FMarks->Font()->SetSize(7);
    FMarks->Callout()->SetLength(4);
    FMarks->SetDrawEvery(2);
    FColorEachPoint = true;  // directly: a preview needs no repaint
    if (!enabled) {
        SetSeriesColor(clSilver);
    } else if (FParentChart) {
        const bool first = FParentChart->SeriesCount() > 0 && FParentChart->GetSeries(0) == this;
        SetSeriesColor(
            FParentChart->PaletteColor(first ? GalleryFirstColorIndex : GalleryColorIndex));
    }
}
