#pragma once
// The shared half of the two image-data encoders: the sub-block writer, the bit packer (least
// significant bit first) and the pixel walk in plain or interlaced row order. An encoder decides
// only which codes to emit.
#include <cstdint>
#include <functional>

class TStream;

using TGIFEncoderWarning = std::function<void(const char* message)>;

enum TGIFCompression : uint8_t { compressLZW = 0, compressRLE = 1 };

// Collects bytes into data sub-blocks of 255 bytes (byte 0 of the buffer is the length).
class TGIFWriter {
public:
    explicit TGIFWriter(TStream& target) : FTarget(target) {}
    // Writes a pending partial sub-block.
    ~TGIFWriter() noexcept(false);
    TGIFWriter(const TGIFWriter&) = delete;
    TGIFWriter& operator=(const TGIFWriter&) = delete;

    void WriteByte(uint8_t value) {
        FBuffer[FUsed++] = value;
        if (FUsed == sizeof(FBuffer)) FlushBuffer();
    }
    void FlushBuffer();

private:
    TStream& FTarget;
    uint8_t FBuffer[256];
    int FUsed = 1;
};

class TGIFEncoder {
public:
    TGIFEncoder() = default;
    virtual ~TGIFEncoder();
    TGIFEncoder(const TGIFEncoder&) = delete;
    TGIFEncoder& operator=(const TGIFEncoder&) = delete;

    // Writes the minimum code size byte, the codes in sub-blocks and the block terminator.
    // A pixel at or above colorCount raises GIFException "Color not in color table".
    void Compress(TStream& stream, int bitsPerPixel, int width, int height, bool interlace,
                  const uint8_t* pixels, int colorCount);

    TGIFEncoderWarning OnWarning;  // the writer never reports one, but callers hand it over

protected:
    virtual void Output(int code);
    virtual void Clear();
    virtual void DoCompress() = 0;

    // The next pixel of the walk, checked against the colour count.
    int TakePixel();
    // After a pixel was taken: whether another one follows.
    bool BumpPixel();

    int FColorCount = 0;
    int FBitsPerPixel = 0;
    int FWidth = 0, FHeight = 0;
    bool FInterlace = false;
    const uint8_t* FPixels = nullptr;
    uint32_t FBucket = 0;
    int FBucketBits = 0;
    bool FClearFlag = false;
    int FCodeWidth = 0, FInitCodeWidth = 0;
    int FMaxCode = 0;
    int FClearCode = 0, FEOFCode = 0, FBaseCode = 0;
    const uint8_t* FCurrent = nullptr;
    int64_t FPixelsLeft = 0;
    int FRow = 0, FPass = 0;
    TGIFWriter* FWriter = nullptr;
};

// Compresses one frame's pixels with the chosen encoder.
void CompressImageData(TStream& stream, bool rle, int bitsPerPixel, int width, int height,
                       bool interlace, const uint8_t* pixels, int colorCount,
                       const TGIFEncoderWarning& onWarning);
