#include "gif/GIFSubImage.h"

#include <algorithm>
#include <cstring>

#include "gif/GIFEncoder.h"
#include "gif/GIFExtension.h"
#include "gif/GIFImage.h"
#include "gif/GIFStreamUtils.h"
#include "gif/LZWDecoder.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Streams.h"

TGIFSubImage::TGIFSubImage(TGIFImage* image)
    : TGIFItem(image), FColorMap(this), FExtensions(this) {}

TGIFSubImage::~TGIFSubImage() {
    // The extensions look at the frame while they go.
    FExtensions.Clear();
}

void TGIFSubImage::Assign(const TGIFSubImage& source) {
    if (&source == this) return;
    Clear();
    FImageDescriptor = source.FImageDescriptor;
    FData = source.FData;
    FColorMap.Assign(source.FColorMap);
    // Extensions copy themselves through their stream form, which also links the graphic
    // control extension and the transparent flag of this frame. Saving does not change them.
    TMemoryStream memory;
    const_cast<TGIFExtensionList&>(source.FExtensions).SaveToStream(memory);
    memory.SetPosition(0);
    FExtensions.LoadFromStream(memory, this);
    // The rendering comes along, saving a new one.
    if (source.FBitmap) {
        FBitmap = std::make_unique<TBitmap>();
        FBitmap->Assign(source.FBitmap.get());
    }
}

void TGIFSubImage::Clear() {
    FExtensions.Clear();
    FColorMap.Clear();
    FData.clear();
    FData.shrink_to_fit();
    FImageDescriptor.Width = 0;
    FImageDescriptor.Height = 0;
    FTransparent = false;
    FGCE = nullptr;
    FreeBitmap();
}

bool TGIFSubImage::Empty() const { return FData.empty() || Width() == 0 || Height() == 0; }

void TGIFSubImage::SetLeft(int value) { SetBounds(value, Top(), Width(), Height()); }
void TGIFSubImage::SetTop(int value) { SetBounds(Left(), value, Width(), Height()); }
void TGIFSubImage::SetWidth(int value) { SetBounds(Left(), Top(), value, Height()); }
void TGIFSubImage::SetHeight(int value) { SetBounds(Left(), Top(), Width(), value); }

void TGIFSubImage::SetBounds(int left, int top, int width, int height) {
    auto field = [](int v) { return uint16_t(std::clamp(v, 0, 0xFFFF)); };
    if (FImage) {
        // Refused before anything changes: the picture could not be drawn.
        const TLogicalScreenDescriptor& screen = FImage->Header().LogicalScreenDescriptor();
        CheckGIFScreenSize(
            std::max<int64_t>(screen.ScreenWidth, std::min(field(left) + field(width), 0xFFFF)),
            std::max<int64_t>(screen.ScreenHeight, std::min(field(top) + field(height), 0xFFFF)));
    }
    const bool sizeChanged = field(width) != Width() || field(height) != Height();
    FImageDescriptor.Left = field(left);
    FImageDescriptor.Top = field(top);
    FImageDescriptor.Width = field(width);
    FImageDescriptor.Height = field(height);
    if (sizeChanged) {
        FreeBitmap();
        FData.clear();
        AllocatePixels();
    }
    if (!FImage) return;
    bool overflow = false;
    TLogicalScreenDescriptor& screen = FImage->Header().LogicalScreenDescriptor();
    // The screen size is a 16-bit field: it grows as far as it can hold.
    const int right = std::min(Left() + Width(), 0xFFFF);
    const int bottom = std::min(Top() + Height(), 0xFFFF);
    if (screen.ScreenWidth < right) {
        if (screen.ScreenWidth > 0) {
            Warning(GIFWarningSeverity, sImageWidthTooSmall);
            overflow = true;
        }
        screen.ScreenWidth = uint16_t(right);
    }
    if (screen.ScreenHeight < bottom) {
        if (screen.ScreenHeight > 0) {
            Warning(GIFWarningSeverity, sImageHeightTooSmall);
            overflow = true;
        }
        screen.ScreenHeight = uint16_t(bottom);
    }
    if (overflow) Warning(GIFWarningSeverity, sImageExceedsScreen);
}

void TGIFSubImage::SetInterlaced(bool value) {
    FImageDescriptor.PackedFields = uint8_t(value ? FImageDescriptor.PackedFields | 0x40
                                                  : FImageDescriptor.PackedFields & ~0x40);
}

void TGIFSubImage::AllocatePixels() {
    const int64_t count = int64_t(Width()) * Height();
    if (count > GIFMaxTotalPixels) throw GIFException(sBadImageDimensions);
    if (count > 0) FData.assign(size_t(count), 0);
}

uint8_t TGIFSubImage::Pixels(int x, int y) {
    if (x < 0 || x >= Width()) throw GIFException(sBadPixelCoordinates);
    return Scanline(y)[x];
}

void TGIFSubImage::SetPixels(int x, int y, uint8_t value) {
    if (x < 0 || x >= Width()) throw GIFException(sBadPixelCoordinates);
    Scanline(y)[x] = value;
}

uint8_t* TGIFSubImage::Scanline(int y) {
    if (y < 0 || y >= Height()) throw GIFException(sBadPixelCoordinates);
    // The caller may write through the row.
    FreeBitmap();
    if (FData.empty()) AllocatePixels();
    if (FData.empty()) throw GIFException(sImageEmpty);
    return FData.data() + size_t(y) * size_t(Width());
}

TGIFColorMap& TGIFSubImage::ActiveColorMap() {
    if (FColorMap.Count() > 0 || !FImage) return FColorMap;
    TGIFColorMap& global = FImage->GlobalColorMap();
    return global.Count() > 0 ? global : FColorMap;
}

void TGIFSubImage::Crop() {
    if (Empty() || !FTransparent || !FGCE) return;
    const uint8_t t = FGCE->TransparentColorIndex();
    const int w = Width(), h = Height();
    auto columnClear = [&](int x, int y0, int y1) {
        for (int y = y0; y < y1; ++y)
            if (FData[size_t(y) * w + x] != t) return false;
        return true;
    };
    auto rowClear = [&](int y, int x0, int x1) {
        const uint8_t* row = FData.data() + size_t(y) * w;
        return std::all_of(row + x0, row + x1, [t](uint8_t p) { return p == t; });
    };
    int x0 = 0, x1 = w, y0 = 0, y1 = h;
    while (x0 < x1 && columnClear(x0, 0, h)) ++x0;
    while (x1 > x0 && columnClear(x1 - 1, 0, h)) --x1;
    while (y0 < y1 && rowClear(y0, x0, x1)) ++y0;
    while (y1 > y0 && rowClear(y1 - 1, x0, x1)) --y1;
    if (x0 >= x1 || y0 >= y1) {
        Clear();
        return;
    }
    if (x0 == 0 && y0 == 0 && x1 == w && y1 == h) return;
    std::vector<uint8_t> cropped(size_t(x1 - x0) * size_t(y1 - y0));
    for (int y = y0; y < y1; ++y)
        std::memcpy(cropped.data() + size_t(y - y0) * (x1 - x0), FData.data() + size_t(y) * w + x0,
                    size_t(x1 - x0));
    FImageDescriptor.Left = uint16_t(Left() + x0);
    FImageDescriptor.Top = uint16_t(Top() + y0);
    FImageDescriptor.Width = uint16_t(x1 - x0);
    FImageDescriptor.Height = uint16_t(y1 - y0);
    FData = std::move(cropped);
    FreeBitmap();
}

TGIFVersion TGIFSubImage::GetVersion() const {
    if (FColorMap.Optimized() || FExtensions.Count() > 0) return GIFVersion89a;
    return TGIFItem::GetVersion();
}

void TGIFSubImage::Prepare() {
    uint8_t packed = FImageDescriptor.PackedFields & 0x58;  // interlace and reserved bits stay
    if (FColorMap.Count() > 0) {
        packed |= 0x80;
        if (FColorMap.Optimized()) packed |= 0x20;
        packed |= uint8_t((FColorMap.BitsPerPixel() - 1) & 7);
    }
    FImageDescriptor.PackedFields = packed;
}

void TGIFSubImage::SaveToStream(TStream& stream) {
    FExtensions.SaveToStream(stream);
    if (Empty()) return;
    Prepare();
    uint8_t descriptor[10];
    descriptor[0] = bsImageSeparator;
    PutWord(descriptor + 1, FImageDescriptor.Left);
    PutWord(descriptor + 3, FImageDescriptor.Top);
    PutWord(descriptor + 5, FImageDescriptor.Width);
    PutWord(descriptor + 7, FImageDescriptor.Height);
    descriptor[9] = FImageDescriptor.PackedFields;
    stream.WriteBuffer(descriptor, 10);
    FColorMap.SaveToStream(stream);
    Compress(stream);
}

void TGIFSubImage::Compress(TStream& stream) {
    int bits, colors;
    if (FColorMap.Count() == 0) {
        bits = FImage ? FImage->BitsPerPixel() : 0;
        // A picture without any colour table has no colour a pixel could miss.
        if (bits == 0) bits = 8;
        colors = 1 << bits;
    } else {
        bits = FColorMap.BitsPerPixel();
        colors = FColorMap.Count();
    }
    const bool rle = FImage && FImage->Compression() == compressRLE;
    CompressImageData(stream, rle, bits, Width(), Height(), Interlaced(), Data(), colors,
                      [this](const char* message) { Warning(GIFWarningSeverity, message); });
}

void TGIFSubImage::LoadFromStream(TStream& stream) {
    TGIFLoadBudget budget(FImage ? FImage->Width() : 0, FImage ? FImage->Height() : 0);
    LoadFromStream(stream, budget);
}

void TGIFSubImage::LoadFromStream(TStream& stream, TGIFLoadBudget& budget) {
    Clear();
    FExtensions.LoadFromStream(stream, this);
    uint8_t b = 0;
    if (!ReadByte(stream, b)) return;
    stream.Seek(-1, soCurrent);
    if (b == bsTrailer || b == 0) return;  // extensions after the last image
    uint8_t descriptor[10];
    ReadCheck(stream, descriptor, 10);
    FImageDescriptor.Separator = descriptor[0];
    FImageDescriptor.Left = GetWord(descriptor + 1);
    FImageDescriptor.Top = GetWord(descriptor + 3);
    FImageDescriptor.Width = GetWord(descriptor + 5);
    FImageDescriptor.Height = GetWord(descriptor + 7);
    FImageDescriptor.PackedFields = descriptor[9];
    if (Width() == 0 || Height() == 0) {
        if (FImage) {
            FImageDescriptor.Width = uint16_t(FImage->Width());
            FImageDescriptor.Height = uint16_t(FImage->Height());
        }
        Warning(GIFWarningSeverity, sImageExceedsScreen);
    }
    const uint8_t packed = FImageDescriptor.PackedFields;
    if (packed & 0x80) {
        const int count = 2 << (packed & 7);
        if (count < 2 || count > 256) throw GIFException(sBadImageColors);
        FColorMap.LoadFromStream(stream, count);
        FColorMap.SetOptimized((packed & 0x20) != 0);
    }
    budget.TakeFrame(Left(), Top(), Width(), Height());
    Decode(stream);
    // Still without pixels at the screen's size (an empty screen): nothing to show and nothing
    // the writer would write, so the frame holds nothing, its extensions included, and the list
    // leaves it out.
    if (Empty()) {
        Clear();
        return;
    }
    CoverPixelIndices();
    if (RenderOnLoad()) Bitmap();
}

void TGIFSubImage::CoverPixelIndices() {
    TGIFColorMap& map = ActiveColorMap();
    // Without any table every index renders (as grey) and saves as it is.
    if (map.Count() == 0 || FData.empty()) return;
    const int highest = *std::max_element(FData.begin(), FData.end());
    while (map.Count() <= highest) map.Add(0);
}

void TGIFSubImage::Decode(TStream& stream) {
    FreeBitmap();
    FData.clear();
    AllocatePixels();
    if (!FData.empty() && FTransparent && FGCE)
        std::fill(FData.begin(), FData.end(), FGCE->TransparentColorIndex());
    DecodeImageData(stream, *this);
}
