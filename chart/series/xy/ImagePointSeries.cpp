#include "chart/series/xy/ImagePointSeries.h"

#include "chart/engine/SeriesPointer.h"
#include "chart/foundation/ResourceRoutines.h"
#include "chart/foundation/TeeFilterPicture.h"
#include "chart/series/xy/OwnDefaultEntry.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Bitmap.h"

TImagePointSeries::TImagePointSeries(TComponent* owner) : TCustomImagePointSeries(owner) {
    LoadProgramBitmap(*FImagePoint->Bitmap(), "TeeDefaultImage");
    FImageTransparent = true;
    Pointer()->StoreHorizSize(FImagePoint->Width());
    Pointer()->StoreVertSize(FImagePoint->Height());
}
TImagePointSeries::~TImagePointSeries() = default;

TImagePointSeries* TImagePointSeries::CreateWithPicture(TComponent* owner,
                                                        const TTeePicture* picture) {
    auto* series = new TImagePointSeries(owner);
    series->SetImagePoint(picture);
    return series;
}

void TImagePointSeries::SetImagePoint(const TTeePicture* value) {
    FImagePoint->Assign(value);
    if (!value) return;
    if (FImagePoint->Width() > 0) Pointer()->SetHorizSize(FImagePoint->Width());
    if (FImagePoint->Height() > 0) Pointer()->SetVertSize(FImagePoint->Height());
}

void TImagePointSeries::DefineProperties(TFiler& filer) {
    TCustomImagePointSeries::DefineProperties(filer);
    DefineOwnDefaultEntry(filer, "ImageCleared", !FImagePoint->Graphic(),
                          [this] { FImagePoint->SetGraphic(nullptr); });
    // The pointer starts at the picture's size: one at the class's size is stored too.
    TSeriesPointer* pointer = Pointer();
    const int classSize = TSeriesPointer().HorizSize();
    DefineOwnDefaultEntry(filer, "PointerClassWidth", pointer->HorizSize() == classSize,
                          [pointer, classSize] { pointer->StoreHorizSize(classSize); });
    DefineOwnDefaultEntry(filer, "PointerClassHeight", pointer->VertSize() == classSize,
                          [pointer, classSize] { pointer->StoreVertSize(classSize); });
}

void TImagePointSeries::Publish(TPublisher<TImagePointSeries>& p) {
    using S = TImagePointSeries;
    p.Object("ImagePoint", &S::ImagePoint, &S::SetImagePoint);
    p.Boolean("ImageTransparent", &S::ImageTransparent, &S::SetImageTransparent).Default(true);
}
