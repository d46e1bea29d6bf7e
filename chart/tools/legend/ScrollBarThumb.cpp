#include "chart/tools/legend/ScrollBarThumb.h"

#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/TeeFilterPicture.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/tools/legend/TeeScrollBar.h"
#include "platform/classes/Publisher.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/ResourceBitmap.h"
#include "platform/rtl/Format.h"

const TEnumInfo& ScrollThumbStyleNames() {
    static const TEnumInfo names{"stsCustom", "stsThumb1", "stsThumb2", "stsThumb3", "stsThumb4"};
    return names;
}

TScrollBarThumb::TScrollBarThumb(TTeeScrollBar* bar)
    : FBar(bar),
      FBrush(std::make_unique<TChartBrush>([this](TObject*) { Repaint(); })),
      FGradient(std::make_unique<TTeeGradient>([this](TObject*) { Repaint(); })),
      FImage(std::make_unique<TTeePicture>()) {
    FBrush->SetColor(clSilver);
    FBrush->SetBackColor(clSilver);
    FImage->OnChange = [this](TObject*) { Repaint(); };
}

TScrollBarThumb::~TScrollBarThumb() = default;

void TScrollBarThumb::Repaint() {
    if (FBar) FBar->Repaint();
}

void TScrollBarThumb::SetBrush(const TChartBrush* value) { FBrush->Assign(value); }
void TScrollBarThumb::SetGradient(const TTeeGradient* value) { FGradient->Assign(value); }
void TScrollBarThumb::SetImage(const TTeePicture* value) { FImage->Assign(value); }

void TScrollBarThumb::SetSize(int value) {
    if (value == FSize) return;
    FSize = value;
    Repaint();
}

void TScrollBarThumb::SetStyle(TScrollThumbStyle value) {
    if (value == FStyle) return;
    FStyle = value;
    // A stream brings the picture and the sizes along with the style.
    if (FBar && FBar->ComponentState().Contains(csLoading)) return;
    if (value == stsCustom) {
        FImage->SetGraphic(nullptr);
    } else {
        TBitmap bitmap;
        if (LoadResourceBitmap(bitmap, Format("TeeThumb%d", {int(value)})))
            FImage->SetGraphic(&bitmap);
    }
    if (const TGraphic* graphic = FImage->Graphic(); graphic && !graphic->Empty()) {
        FSize = graphic->Width();
        if (FBar) FBar->SetSizeQuietly(graphic->Height());
    }
    Repaint();
}

void TScrollBarThumb::Assign(const TPersistent* source) {
    auto* other = dynamic_cast<const TScrollBarThumb*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    FBrush->Assign(other->FBrush.get());
    FGradient->Assign(other->FGradient.get());
    FImage->Assign(other->FImage.get());
    FSize = other->FSize;
    FStyle = other->FStyle;
    Repaint();
}

void TScrollBarThumb::Publish(TPublisher<TScrollBarThumb>& p) {
    using T = TScrollBarThumb;
    p.Object("Brush", &T::Brush, &T::SetBrush);
    p.Object("Gradient", &T::Gradient, &T::SetGradient);
    p.Object("Image", &T::Image, &T::SetImage).Stored([](const T& t) {
        return t.Image()->Graphic() != nullptr;
    });
    p.Integer("Size", &T::Size, &T::SetSize).Default(0);
    p.Enumeration("Style", ScrollThumbStyleNames(), &T::Style, &T::SetStyle).Default(stsCustom);
}
