#include "chart/series/xy/ImageBarSeries.h"

#include <algorithm>
#include <array>

#include "chart/engine/AxisPanel.h"
#include "chart/foundation/Canvas3D.h"
#include "chart/foundation/PointRoutines.h"
#include "chart/foundation/ResourceRoutines.h"
#include "chart/foundation/TeeFilterPicture.h"
#include "chart/foundation/View3DOptions.h"
#include "chart/series/xy/OwnDefaultEntry.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Bitmap.h"

TImageBarSeries::TImageBarSeries(TComponent* owner)
    : TBarSeries(owner), FImage(std::make_unique<TTeePicture>()) {
    LoadProgramBitmap(*FImage->Bitmap(), "TeeMoney");
    FImage->OnChange = StyleChangedEvent();
}
TImageBarSeries::~TImageBarSeries() = default;

void TImageBarSeries::SetImage(const TTeePicture* value) { FImage->Assign(value); }

void TImageBarSeries::DrawBar(int valueIndex, int barStart, int barEnd) {
    TBarSeries::DrawBar(valueIndex, barStart, barEnd);
    DrawPicture(valueIndex);
}

void TImageBarSeries::DrawPicture(int /*valueIndex*/) {
    TGraphic* graphic = FImage->Graphic();
    if (!graphic || graphic->Empty() || graphic->Width() <= 0) return;
    graphic->SetTransparent(FImageTransparent);
    TRect r = BarBounds;
    const bool downwards = r.Bottom < r.Top;
    if (downwards) std::swap(r.Top, r.Bottom);
    const bool view3D = FParentChart->View3D();
    if (Pen()->Visible()) {
        int w = Pen()->Width();
        if (w >= 2 && w % 2 == 0) --w;
        r.Left += w;
        r.Top += w;
        if (!view3D) {
            --r.Right;
            --r.Bottom;
        }
    }
    TCanvas3D& canvas = *FParentChart->Canvas3D();
    const bool oblique = view3D && !FParentChart->View3DOptions()->Orthogonal();
    if (oblique) {
        const std::array<TPoint, 4> corners = canvas.ProjectRectCorners(r, FrontDepth);
        const TPoint front[3] = {corners[0], corners[1], corners[2]};
        if (!IsCulledTriangle(front)) return;  // seen from behind
    } else {
        r = canvas.ProjectRect(r, FrontDepth);
    }
    TGraphic* filtered = FImage->FilteredGraphic();
    if (FImageTiled) {
        canvas.ClipToRectangle(r);
        const int tile = FImage->Height();
        const int height = r.Bottom - r.Top;
        for (int y = 0; tile > 0 && y < height; y += tile) {
            const TRect t = downwards ? TRect{r.Left, r.Top + y, r.Right, r.Top + y + tile}
                                      : TRect{r.Left, r.Bottom - y - tile, r.Right, r.Bottom - y};
            canvas.StretchDrawGraphic(t, filtered);
        }
        canvas.RemoveClipping();
    } else if (oblique) {
        canvas.DrawPictureOnPlane(r, filtered, cpZ, FrontDepth);
    } else {
        canvas.StretchDrawGraphic(r, filtered);
    }
}

void TImageBarSeries::PrepareForGallery(bool enabled) {
    TBarSeries::PrepareForGallery(enabled);
    FillSampleValues(2);
    if (FParentChart) FParentChart->View3DOptions()->SetOrthogonal(true);
}

void TImageBarSeries::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TImageBarSeries*>(source)) {
        FImage->Assign(other->FImage.get());
        FImageTiled = other->FImageTiled;
        FImageTransparent = other->FImageTransparent;
    }
    TBarSeries::Assign(source);
}

void TImageBarSeries::DefineProperties(TFiler& filer) {
    TBarSeries::DefineProperties(filer);
    DefineOwnDefaultEntry(filer, "ImageCleared", !FImage->Graphic(),
                          [this] { FImage->SetGraphic(nullptr); });
}

void TImageBarSeries::Publish(TPublisher<TImageBarSeries>& p) {
    using S = TImageBarSeries;
    p.Object("Image", &S::Image, &S::SetImage);
    p.Boolean("ImageTiled", &S::ImageTiled, &S::SetImageTiled).Default(false);
    p.Boolean("ImageTransparent", &S::ImageTransparent, &S::SetImageTransparent).Default(false);
}
