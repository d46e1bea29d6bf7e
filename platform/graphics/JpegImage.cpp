#include "platform/graphics/JpegImage.h"

#include <algorithm>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/BitmapFileStream.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Streams.h"

TJPEGImage::TJPEGImage() = default;
TJPEGImage::~TJPEGImage() = default;

bool TJPEGImage::Empty() const { return FData.empty() && (!FBitmap || FBitmap->Empty()); }

int TJPEGImage::Width() const {
    if (!FData.empty()) return FInfo.Width;
    return FBitmap ? FBitmap->Width() : 0;
}

int TJPEGImage::Height() const {
    if (!FData.empty()) return FInfo.Height;
    return FBitmap ? FBitmap->Height() : 0;
}

void TJPEGImage::SetWidth(int) {}
void TJPEGImage::SetHeight(int) {}

void TJPEGImage::SetCompressionQuality(int value) {
    value = std::clamp(value, 1, 100);
    if (value == FCompressionQuality) return;
    FCompressionQuality = value;
    DropCompressed();
}

void TJPEGImage::SetGrayscale(bool value) {
    if (value == FGrayscale) return;
    FGrayscale = value;
    if (!FData.empty()) FBitmap.reset();  // decode again, in the new colours
    DropCompressed();
    Changed();
}

void TJPEGImage::DropCompressed() {
    if (FBitmap && !FData.empty() && FSourceIsBitmap) FData.clear();
}

void TJPEGImage::LoadFromStream(TStream& stream) {
    const int64_t size = std::max<int64_t>(stream.Size() - stream.Position(), 0);
    std::vector<uint8_t> data(static_cast<size_t>(size));
    stream.ReadBuffer(data.data(), size);
    const TJpegInfo info = ReadJpegInfo(data.data(), data.size());
    // Decoded now, so that a damaged file is refused here rather than when it is first drawn.
    auto bitmap = std::make_unique<TBitmap>();
    AssignBitmapFileImage(*bitmap, DecodeJpeg(data.data(), data.size(), info.Grayscale));
    FData = std::move(data);
    FInfo = info;
    FGrayscale = info.Grayscale;
    FSourceIsBitmap = false;
    FBitmap = std::move(bitmap);
    Changed();
}

std::optional<TSize> TJPEGImage::DeclaredSize(TStream& stream) {
    const int64_t start = stream.Position();
    std::vector<uint8_t> data(size_t(std::max<int64_t>(stream.Size() - start, 0)));
    stream.ReadBuffer(data.data(), int64_t(data.size()));
    stream.SetPosition(start);
    try {
        const TJpegInfo info = ReadJpegInfo(data.data(), data.size());
        return TSize{info.Width, info.Height};
    } catch (const EJPEG&) {
        return std::nullopt;
    }
}

void TJPEGImage::SaveToStream(TStream& stream) {
    if (FData.empty() && !Empty()) Compress();
    stream.WriteBuffer(FData.data(), int64_t(FData.size()));
}

void TJPEGImage::Compress() {
    if (!FData.empty() || !FBitmap || FBitmap->Empty()) return;
    FData = EncodeJpeg(BitmapFileImageOf(*FBitmap, 24), FCompressionQuality, FGrayscale);
    FInfo = ReadJpegInfo(FData.data(), FData.size());
}

const TBitmap* TJPEGImage::Bitmap() const {
    if (!FBitmap && !FData.empty()) {
        auto bitmap = std::make_unique<TBitmap>();
        AssignBitmapFileImage(*bitmap, DecodeJpeg(FData.data(), FData.size(), FGrayscale));
        FBitmap = std::move(bitmap);
    }
    return FBitmap.get();
}

void TJPEGImage::Assign(const TPersistent* source) {
    if (const auto* jpeg = dynamic_cast<const TJPEGImage*>(source)) {
        if (jpeg == this) return;
        FData = jpeg->FData;
        FInfo = jpeg->FInfo;
        FCompressionQuality = jpeg->FCompressionQuality;
        FGrayscale = jpeg->FGrayscale;
        FSourceIsBitmap = jpeg->FSourceIsBitmap;
        FBitmap.reset();
        if (jpeg->FBitmap && (FData.empty() || FSourceIsBitmap)) {
            FBitmap = std::make_unique<TBitmap>();
            FBitmap->Assign(jpeg->FBitmap.get());
        }
        Changed();
        return;
    }
    if (const auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
        auto copy = std::make_unique<TBitmap>();
        copy->Assign(bitmap);
        copy->SetPixelFormat(pf24bit);
        FBitmap = std::move(copy);
        FData.clear();
        FSourceIsBitmap = true;
        Changed();
        return;
    }
    TGraphic::Assign(source);
}

void TJPEGImage::AssignTo(TPersistent* dest) const {
    if (auto* bitmap = dynamic_cast<TBitmap*>(dest)) {
        bitmap->Assign(Bitmap());
        return;
    }
    TGraphic::AssignTo(dest);
}

void TJPEGImage::Draw(TCanvas& canvas, const TRect& rect) {
    if (Empty()) return;
    Bitmap();  // decodes on first use
    canvas.StretchDraw(rect, FBitmap.get());
}
