#include "chart/foundation/ImageFiltered.h"

#include "chart/foundation/TeeFilterPicture.h"
#include "platform/classes/Filer.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Picture.h"
#include "platform/graphics/RasterCopy.h"

TImageFiltered::TImageFiltered(TComponent* owner)
    : TImage(owner), FFilters(std::make_unique<TFilterItems>(this)) {}

TImageFiltered::~TImageFiltered() = default;

void TImageFiltered::DrawPicture(TBitmap& Buffer) {
    TGraphic* graphic = Picture()->Graphic();
    if (!graphic) return;
    TBitmap copy;
    if (dynamic_cast<const TBitmap*>(graphic)) {
        copy.Assign(graphic);
    } else {
        DrawRasterCopy(copy, graphic);
    }
    copy.SetPixelFormat(pf24bit);
    // Filters see the pixels that will be shown, so a stretched picture is resampled first.
    if (copy.Width() != Buffer.Width() || copy.Height() != Buffer.Height()) {
        TBitmap resampled;
        resampled.SetPixelFormat(pf24bit);
        resampled.SetSize(Buffer.Width(), Buffer.Height());
        ResampleBitmapBest(copy, resampled);
        copy.Assign(&resampled);
    }
    FFilters->ApplyAll(copy);
    Buffer.Canvas()->Draw(0, 0, &copy);
}

void TImageFiltered::DefineProperties(TFiler& filer) {
    TImage::DefineProperties(filer);
    filer.DefineProperty(
        "FilterItems", [this](TReader& reader) { ReadFilterItems(reader, *FFilters); },
        [this](TWriter& writer) { WriteFilterItems(writer, *FFilters); }, FFilters->Count() > 0);
}
