#include "chart/series/xy/DeltaPointSeries.h"

#include "chart/foundation/ResourceRoutines.h"
#include "chart/foundation/TeeFilterPicture.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Bitmap.h"

const TEnumInfo& DeltaImageStyleNames() {
    static const TEnumInfo names{"disSmiles", "disHands"};
    return names;
}

TDeltaPointSeries::TDeltaPointSeries(TComponent* owner)
    : TCustomImagePointSeries(owner),
      FEqual(std::make_unique<TTeePicture>()),
      FGreater(std::make_unique<TTeePicture>()),
      FLower(std::make_unique<TTeePicture>()) {
    for (TTeePicture* p : {FEqual.get(), FGreater.get(), FLower.get()})
        p->OnChange = StyleChangedEvent();
    SetImageStyle(disSmiles);
}
TDeltaPointSeries::~TDeltaPointSeries() = default;

void TDeltaPointSeries::SetEqualImage(const TTeePicture* value) { FEqual->Assign(value); }
void TDeltaPointSeries::SetGreaterImage(const TTeePicture* value) { FGreater->Assign(value); }
void TDeltaPointSeries::SetLowerImage(const TTeePicture* value) { FLower->Assign(value); }

void TDeltaPointSeries::SetImageStyle(TDeltaImageStyle value) {
    FImageStyle = value;
    const bool hands = value == disHands;
    const std::pair<TTeePicture*, const char*> sets[] = {
        {FEqual.get(), hands ? "TeeEqualHand" : "TeeEqualSmile"},
        {FGreater.get(), hands ? "TeeGreaterHand" : "TeeGreaterSmile"},
        {FLower.get(), hands ? "TeeLowerHand" : "TeeLowerSmile"}};
    for (auto [picture, name] : sets) {
        TNotifyEvent quiet;
        std::swap(quiet, picture->OnChange);
        LoadProgramBitmap(*picture->Bitmap(), name);
        std::swap(quiet, picture->OnChange);
    }
}

TTeePicture* TDeltaPointSeries::ImageFor(int valueIndex) {
    if (valueIndex == 0) return FEqual.get();
    const double v = MandatoryValue(valueIndex), before = MandatoryValue(valueIndex - 1);
    return v > before ? FGreater.get() : v == before ? FEqual.get() : FLower.get();
}

void TDeltaPointSeries::DrawValue(int valueIndex) {
    const TTeePicture* chosen = ImageFor(valueIndex);
    {
        TNotifyEvent quiet;
        std::swap(quiet, FImagePoint->OnChange);
        FImagePoint->Assign(chosen);
        std::swap(quiet, FImagePoint->OnChange);
    }
    if (FImagePoint->Width() > 0) Pointer()->StoreHorizSize(FImagePoint->Width());
    if (FImagePoint->Height() > 0) Pointer()->StoreVertSize(FImagePoint->Height());
    DrawImage(valueIndex);
}

void TDeltaPointSeries::Publish(TPublisher<TDeltaPointSeries>& p) {
    using S = TDeltaPointSeries;
    // The set first: reading it loads its pictures, which the stored ones then replace.
    p.Enumeration("ImageStyle", DeltaImageStyleNames(), &S::ImageStyle, &S::SetImageStyle)
        .Default(disSmiles);
    p.Object("EqualImage", &S::EqualImage, &S::SetEqualImage);
    p.Object("GreaterImage", &S::GreaterImage, &S::SetGreaterImage);
    p.Boolean("ImageTransparent", &S::ImageTransparent, &S::SetImageTransparent).Default(false);
    p.Object("LowerImage", &S::LowerImage, &S::SetLowerImage);
}
