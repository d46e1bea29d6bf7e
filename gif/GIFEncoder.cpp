#include "gif/GIFEncoder.h"

#include <exception>

#include "gif/GIFStreamUtils.h"
#include "gif/GIFTypes.h"
#include "gif/LZWEncoder.h"
#include "gif/RLEEncoder.h"
#include "platform/rtl/Streams.h"

// ---- TGIFWriter ----

TGIFWriter::~TGIFWriter() noexcept(false) {
    // While an exception unwinds, the partial sub-block is dropped: the data are broken anyway.
    if (FUsed > 1 && std::uncaught_exceptions() == 0) FlushBuffer();
}

void TGIFWriter::FlushBuffer() {
    FBuffer[0] = uint8_t(FUsed - 1);
    FTarget.WriteBuffer(FBuffer, FUsed);
    FUsed = 1;
}

// ---- TGIFEncoder ----

TGIFEncoder::~TGIFEncoder() = default;

void TGIFEncoder::Compress(TStream& stream, int bitsPerPixel, int width, int height, bool interlace,
                           const uint8_t* pixels, int colorCount) {
    FBitsPerPixel = bitsPerPixel < 2 ? 2 : bitsPerPixel;
    FWidth = width;
    FHeight = height;
    FInterlace = interlace;
    FPixels = pixels;
    FColorCount = colorCount;
    FInitCodeWidth = FBitsPerPixel + 1;
    ::WriteByte(stream, uint8_t(FBitsPerPixel));

    FCodeWidth = FInitCodeWidth;
    FMaxCode = (1 << FCodeWidth) - 1;
    FClearCode = 1 << FBitsPerPixel;
    FEOFCode = FClearCode + 1;
    FBaseCode = FClearCode + 2;
    FBucket = 0;
    FBucketBits = 0;
    FPixelsLeft = interlace ? width : int64_t(width) * height;
    FRow = 0;
    FPass = 0;
    FCurrent = pixels;

    {
        TGIFWriter writer(stream);
        FWriter = &writer;
        if (pixels && width > 0 && height > 0) DoCompress();
        Output(FEOFCode);
        FWriter = nullptr;
    }
    ::WriteByte(stream, 0);
}

void TGIFEncoder::Output(int code) {
    if (FBucketBits > 0)
        FBucket = (FBucket & ((1u << FBucketBits) - 1)) | (uint32_t(code) << FBucketBits);
    else
        FBucket = uint32_t(code);
    FBucketBits += FCodeWidth;
    while (FBucketBits >= 8) {
        FWriter->WriteByte(uint8_t(FBucket & 0xFF));
        FBucket >>= 8;
        FBucketBits -= 8;
    }
    if (code == FEOFCode) {
        // The last byte is padded with zero bits.
        while (FBucketBits > 0) {
            FWriter->WriteByte(uint8_t(FBucket & 0xFF));
            FBucket >>= 8;
            FBucketBits -= 8;
        }
    }
}

void TGIFEncoder::Clear() {
    FClearFlag = true;
    Output(FClearCode);
}

int TGIFEncoder::TakePixel() {
    const int c = *FCurrent++;
    if (c >= FColorCount) throw GIFException(sColorNotInTable);
    return c;
}

bool TGIFEncoder::BumpPixel() {
    if (--FPixelsLeft > 0) return true;
    if (!FInterlace) return false;
    FPixelsLeft = FWidth;
    // Rows 0, 8, ...; 4, 12, ...; 2, 6, ...; 1, 3, ...: the decoder's order.
    static constexpr int kStart[4] = {0, 4, 2, 1};
    static constexpr int kStep[4] = {8, 8, 4, 2};
    FRow += kStep[FPass];
    while (FRow >= FHeight) {
        if (++FPass > 3) return false;
        FRow = kStart[FPass];
    }
    FCurrent = FPixels + size_t(FRow) * size_t(FWidth);
    return true;
}

void CompressImageData(TStream& stream, bool rle, int bitsPerPixel, int width, int height,
                       bool interlace, const uint8_t* pixels, int colorCount,
                       const TGIFEncoderWarning& onWarning) {
    std::unique_ptr<TGIFEncoder> encoder;
    if (rle)
        encoder = std::make_unique<TRLEEncoder>();
    else
        encoder = std::make_unique<TLZWEncoder>();
    encoder->OnWarning = onWarning;
    encoder->Compress(stream, bitsPerPixel, width, height, interlace, pixels, colorCount);
}
