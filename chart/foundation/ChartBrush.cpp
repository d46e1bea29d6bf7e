#include "chart/foundation/ChartBrush.h"

#include "platform/classes/Publisher.h"
#include "platform/graphics/Graphic.h"
#include "platform/graphics/Picture.h"

TChartBrush::TChartBrush(TNotifyEvent onChange) {
    SetColor(clDefault);
    OnChange = std::move(onChange);
}

TChartBrush::~TChartBrush() = default;

void TChartBrush::Publish(TPublisher<TChartBrush>& p) {
    p.Inherited("Color").Default(clDefault);
    p.Color("BackColor", &TChartBrush::BackColor, &TChartBrush::SetBackColor).Default(clNone);
    p.Object("Image", &TChartBrush::Image, &TChartBrush::SetImage)
        .Stored(&TChartBrush::IsImageStored);
}

void TChartBrush::SetBackColor(TColor value) {
    if (value == FBackColor) return;
    FBackColor = value;
    Changed();
}

TPicture* TChartBrush::Image() const {
    if (!FImage) {
        FImage = std::make_unique<TPicture>();
        auto* self = const_cast<TChartBrush*>(this);
        FImage->OnChange = [self](TObject*) { self->Changed(); };
    }
    return FImage.get();
}

void TChartBrush::SetImage(const TPicture* value) {
    if (value)
        Image()->Assign(value);
    else
        FImage.reset();
    Changed();
}

bool TChartBrush::IsImageStored() const { return FImage && FImage->Graphic(); }

void TChartBrush::Assign(const TPersistent* source) {
    const auto* brush = dynamic_cast<const TChartBrush*>(source);
    if (!brush) return TBrush::Assign(source);
    // Copied field by field (a source that never used its picture frees this one, rather than
    // making both pictures on the way), with one change notice for the whole copy.
    TNotifyEvent saved = std::move(OnChange);
    OnChange = nullptr;
    SetImage(brush->FImage.get());
    SetBackColor(brush->FBackColor);
    SetColor(brush->Color());
    SetStyle(brush->Style());
    SetBitmap(brush->Bitmap());
    OnChange = std::move(saved);
    Changed();
}
