#include "platform/graphics/Bitmap.h"

#include <QImage>
#include <cstring>

#include "platform/graphics/CanvasPainter.h"
#include "platform/rtl/Exceptions.h"

namespace {

TBitmapStreamProc StreamLoad = nullptr;
TBitmapStreamProc StreamSave = nullptr;
TBitmapSizeProc StreamSize = nullptr;

QImage::Format StorageOf(TPixelFormat format) {
    return format == pf24bit ? QImage::Format_BGR888 : QImage::Format_RGB32;
}

QImage WhiteImage(int width, int height, QImage::Format format) {
    QImage image(width, height, format);
    image.fill(Qt::white);
    return image;
}

}  // namespace

void SetBitmapStreamFormat(TBitmapStreamProc load, TBitmapStreamProc save,
                           TBitmapSizeProc declaredSize) {
    StreamLoad = load;
    StreamSave = save;
    StreamSize = declaredSize;
}

struct TBitmap::TImpl {
    QImage Image;  // null while either side is 0
    std::vector<uint32_t> ColorTable;
    int Width = 0;
    int Height = 0;
};

// The bitmap's own canvas: draws into the bitmap's current image and tells the bitmap.
class TBitmap::TBitmapCanvas : public TCanvas {
public:
    explicit TBitmapCanvas(TBitmap& bitmap) : FBitmap(bitmap) {}

protected:
    QImage* Image() override {
        QImage& image = FBitmap.FImpl->Image;
        return image.isNull() ? nullptr : &image;
    }
    void Changed() override {
        TCanvas::Changed();
        FBitmap.Changed();
    }

private:
    TBitmap& FBitmap;
};

TBitmap::TBitmap() : FImpl(std::make_unique<TImpl>()) {}

TBitmap::TBitmap(int width, int height) : TBitmap() { SetSize(width, height); }

TBitmap::~TBitmap() = default;

bool TBitmap::Empty() const { return FImpl->Image.isNull(); }
int TBitmap::Width() const { return FImpl->Width; }
int TBitmap::Height() const { return FImpl->Height; }
void TBitmap::SetWidth(int value) { SetSize(value, Height()); }
void TBitmap::SetHeight(int value) { SetSize(Width(), value); }

void TBitmap::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == Width() && height == Height()) return;
    Resize(width, height);
    Changed();
}

void TBitmap::Resize(int width, int height) {
    QImage& image = FImpl->Image;
    if (width == 0 || height == 0) {
        image = QImage();
        FImpl->Width = width;
        FImpl->Height = height;
        return;
    }
    QImage resized = WhiteImage(width, height, StorageOf(FPixelFormat));
    // Too large to hold: the bitmap stays as it was rather than claim pixels it has not got.
    if (resized.isNull()) throw EOutOfMemory(SOutOfMemory);
    FImpl->Width = width;
    FImpl->Height = height;
    if (!image.isNull()) {
        const int w = std::min(width, image.width()), h = std::min(height, image.height());
        const size_t bytes = size_t(w) * size_t(resized.depth() / 8);
        for (int y = 0; y < h; ++y) std::memcpy(resized.scanLine(y), image.constScanLine(y), bytes);
    }
    image = std::move(resized);
}

void TBitmap::SetPixelFormat(TPixelFormat value) {
    if (value == FPixelFormat) return;
    FPixelFormat = value;
    if (value != pf1bit && value != pf4bit && value != pf8bit) FImpl->ColorTable.clear();
    QImage& image = FImpl->Image;
    if (!image.isNull()) {
        if (value == pf1bit) {
            // Two colours: each pixel becomes black or white by its brightness.
            image = image.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
        }
        image = image.convertToFormat(StorageOf(value));
    }
    Changed();
}

uint8_t* TBitmap::ScanLine(int y) {
    if (y < 0 || y >= Height()) throw ERangeError(SScanLine);
    return FImpl->Image.scanLine(y);
}

const uint8_t* TBitmap::ScanLine(int y) const {
    if (y < 0 || y >= Height()) throw ERangeError(SScanLine);
    return FImpl->Image.constScanLine(y);
}

const std::vector<uint32_t>& TBitmap::ColorTable() const { return FImpl->ColorTable; }

void TBitmap::SetColorTable(std::vector<uint32_t> table) {
    FImpl->ColorTable = std::move(table);
    Changed();
}

TColor TBitmap::TransparentColor() const {
    if (FTransparentMode == tmFixed) return FTransparentColor;
    if (Empty()) return clDefault;
    return FromDevice(FImpl->Image.pixel(0, Height() - 1) & 0xFFFFFF);
}

void TBitmap::SetTransparentColor(TColor value) {
    if (value == FTransparentColor) return;
    FTransparentColor = value;
    FTransparentMode = value == clDefault ? tmAuto : tmFixed;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode value) {
    if (value == FTransparentMode) return;
    if (value == tmAuto)
        SetTransparentColor(clDefault);
    else
        SetTransparentColor(TransparentColor());
}

TCanvas* TBitmap::Canvas() {
    if (!FCanvas) FCanvas = std::make_unique<TBitmapCanvas>(*this);
    return FCanvas.get();
}

void TBitmap::Assign(const TPersistent* source) {
    if (!source) {
        *FImpl = TImpl();
        Changed();
        return;
    }
    const TBitmap* bitmap = dynamic_cast<const TBitmap*>(source);
    if (!bitmap) return TGraphic::Assign(source);
    if (bitmap == this) return;
    *FImpl = *bitmap->FImpl;
    FImpl->Image = bitmap->FImpl->Image.copy();
    FPixelFormat = bitmap->FPixelFormat;
    FTransparentColor = bitmap->FTransparentColor;
    FTransparentMode = bitmap->FTransparentMode;
    TGraphic::SetTransparent(bitmap->Transparent());
    Changed();
}

void TBitmap::LoadFromStream(TStream& stream) {
    if (!StreamLoad) throw EInvalidGraphic(SInvalidBitmap);
    StreamLoad(*this, stream);
}

std::optional<TSize> TBitmap::DeclaredSize(TStream& stream) {
    return StreamSize ? StreamSize(stream) : std::nullopt;
}

void TBitmap::SaveToStream(TStream& stream) {
    if (!StreamSave) throw EInvalidGraphicOperation("No file format to save a bitmap in");
    StreamSave(*this, stream);
}

QImage& TBitmap::Image() { return FImpl->Image; }
const QImage& TBitmap::Image() const { return FImpl->Image; }

void TBitmap::SetImage(const QImage& image) {
    const bool packed =
        image.format() == QImage::Format_BGR888 || image.format() == QImage::Format_RGB888;
    FPixelFormat = packed ? pf24bit : pf32bit;
    FImpl->ColorTable.clear();
    FImpl->Image = image.isNull() ? QImage() : image.convertToFormat(StorageOf(FPixelFormat));
    FImpl->Width = FImpl->Image.width();
    FImpl->Height = FImpl->Image.height();
    Changed();
}

void TBitmap::Draw(TCanvas& canvas, const TRect& rect) {
    if (Empty()) return;
    canvas.BlitImage(rect, FImpl->Image, Rect(0, 0, Width(), Height()),
                     CopyModeRop(canvas.CopyMode()), Transparent(), TransparentColor());
}
