#include "chart/series/xy/CustomImagePointSeries.h"

#include "chart/engine/AxisPanel.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/TeeFilterPicture.h"
#include "chart/foundation/View3DOptions.h"
#include "platform/graphics/Graphic.h"

TCustomImagePointSeries::TCustomImagePointSeries(TComponent* owner)
    : TPointSeries(owner), FImagePoint(std::make_unique<TTeePicture>()) {
    FImagePoint->OnChange = StyleChangedEvent();
}
TCustomImagePointSeries::~TCustomImagePointSeries() = default;

void TCustomImagePointSeries::DrawValue(int valueIndex) { DrawImage(valueIndex); }

void TCustomImagePointSeries::DrawImage(int valueIndex) {
    TGraphic* graphic = FImagePoint->Graphic();
    if (!graphic || graphic->Empty()) {
        TPointSeries::DrawValue(valueIndex);
        return;
    }
    if (OnGetImage) OnGetImage(*this, valueIndex, *FImagePoint);
    const int w = Pointer()->HorizSize(), h = Pointer()->VertSize();
    const int left = PointXPixel(valueIndex) - w / 2, top = PointYPixel(valueIndex) - h / 2;
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const TRect r = canvas.ProjectRect(TRect{left, top, left + w, top + h}, FrontDepth);
    TGraphic* filtered = FImagePoint->FilteredGraphic();
    if (!filtered) return;
    filtered->SetTransparent(FImageTransparent);
    if (filtered->Width() == r.Right - r.Left && filtered->Height() == r.Bottom - r.Top)
        canvas.DrawGraphic(r.Left, r.Top, filtered);
    else
        canvas.StretchDrawGraphic(r, filtered);
}

void TCustomImagePointSeries::PrepareForGallery(bool enabled) {
    TPointSeries::PrepareForGallery(enabled);
    if (FParentChart) FParentChart->View3DOptions()->SetOrthogonal(true);
}
