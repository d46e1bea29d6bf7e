#include "gif/LZWDecoder.h"

#include <cstdint>
#include <memory>

#include "gif/GIFStreamUtils.h"
#include "gif/GIFSubImage.h"
#include "gif/GIFTypes.h"
#include "platform/rtl/Streams.h"

namespace {

constexpr int kTableSize = 4096;
constexpr int kStackSize = 8192;
// Values NextValue answers besides pixels.
constexpr int kNoData = -1;   // the data ran out
constexpr int kEndCode = -2;  // the end code was read

// The decode state of one frame; the tables are fixed arrays, so nothing is allocated per code.
class TLZWDecoder {
public:
    TLZWDecoder(TStream& stream, TGIFSubImage& frame) : FStream(stream), FFrame(frame) {}

    void Start(int minCodeSize) {
        FMinCodeSize = minCodeSize > 8 ? 8 : minCodeSize;
        FClearCode = 1 << FMinCodeSize;
        FEndCode = FClearCode + 1;
        FCodeSize = FMinCodeSize + 1;
        FCodeLimit = 2 * FClearCode;
        FNextCode = FClearCode + 2;
    }

    // The next pixel value, or a negative value when decoding must stop.
    int NextPixel() {
        if (FStackTop > 0) return FStack[--FStackTop];
        return NextValue();
    }

    // Reads the rest of the image data up to and including the block terminator.
    void SkipData() {
        if (!FEndOfData) {
            uint8_t length = 0;
            while (ReadByte(FStream, length) && length != 0) FStream.Seek(length, soCurrent);
        }
        FEndOfData = true;
        FFinished = true;
    }

private:
    int ReadCode(int n) {
        if (FFirstCall) {
            FFirstCall = false;
            return FClearCode;  // sets the table up
        }
        while (FBitCount < n) {
            if (FBlockPos < FBlockLen) {
                FBits |= uint32_t(FBlock[FBlockPos++]) << FBitCount;
                FBitCount += 8;
                continue;
            }
            if (FFinished) return kNoData;
            if (FEndOfData) {
                if (FBitCount == 0) FFrame.Warning(GIFWarningSeverity, sBitBufferUnderrun);
                FFinished = true;
                return kNoData;
            }
            uint8_t length = 0;
            if (!ReadByte(FStream, length)) {
                FFinished = true;
                return kNoData;
            }
            if (length == 0) {
                FEndOfData = true;
                continue;
            }
            const int64_t got = FStream.Read(FBlock, length);
            if (got < length) FFrame.Warning(GIFWarningSeverity, sOutOfData);
            FBlockPos = 0;
            FBlockLen = int(got);
        }
        const int code = int(FBits & ((1u << n) - 1));
        FBits >>= n;
        FBitCount -= n;
        return code;
    }

    void Push(int value) {
        if (FStackTop >= kStackSize) throw GIFException(sCircularTable);
        FStack[FStackTop++] = uint16_t(value);
    }

    // Literals stand for themselves; every string entry reads as (0, 0) until it is defined
    // again. Entries above the highest one ever defined are still zero, so the clear only
    // touches the used part of the table.
    void ResetTable() {
        if (!FLiteralsSet) {
            for (int i = 0; i < FClearCode; ++i) FSuffix[i] = uint16_t(i);
            FLiteralsSet = true;
        }
        for (int i = FClearCode; i < FHighWater; ++i) FPrefix[i] = FSuffix[i] = 0;
        FHighWater = FClearCode;
        FCodeSize = FMinCodeSize + 1;
        FCodeLimit = 2 * FClearCode;
        FNextCode = FClearCode + 2;
        FStackTop = 0;
    }

    int EndOfImage() {
        SkipData();
        return kEndCode;
    }

    int NextValue() {
        int code = ReadCode(FCodeSize);
        if (code < 0) return code;
        if (code == FClearCode) {
            ResetTable();
            do code = ReadCode(FCodeSize);
            while (code == FClearCode);
            if (code < 0) return code;
            // An end code straight after a clear ends the data; it is no pixel.
            if (code == FEndCode) return EndOfImage();
            FFirstCode = FOldCode = code;
            return code;
        }
        if (code == FEndCode) return EndOfImage();

        const int incoming = code;
        if (code >= FNextCode) {  // the string being defined: previous string + its first pixel
            Push(FFirstCode);
            code = FOldCode;
        }
        while (code >= FClearCode) {
            Push(FSuffix[code]);
            if (FPrefix[code] == code) throw GIFException(sCircularTable);
            code = FPrefix[code];
        }
        FFirstCode = FSuffix[code];
        Push(FFirstCode);
        if (FNextCode < kTableSize) {
            FPrefix[FNextCode] = uint16_t(FOldCode);
            FSuffix[FNextCode] = uint16_t(FFirstCode);
            ++FNextCode;
            if (FNextCode > FHighWater) FHighWater = FNextCode;
            if (FNextCode >= FCodeLimit && FCodeLimit < kTableSize) {
                FCodeLimit *= 2;
                ++FCodeSize;
            }
        }
        // A full table stays as it is at 12 bits until a clear code comes (deferred clear).
        FOldCode = incoming;
        return FStack[--FStackTop];
    }

    TStream& FStream;
    TGIFSubImage& FFrame;
    int FMinCodeSize = 8, FCodeSize = 9, FClearCode = 256, FEndCode = 257;
    int FNextCode = 258, FCodeLimit = 512;
    int FFirstCode = 0, FOldCode = 0;
    bool FFirstCall = true;
    bool FEndOfData = false;  // the terminator was read
    bool FFinished = false;   // nothing more will be read
    uint32_t FBits = 0;
    int FBitCount = 0;
    int FBlockPos = 0, FBlockLen = 0;
    int FStackTop = 0;
    int FHighWater = kTableSize;  // the first clear zeroes the whole table
    bool FLiteralsSet = false;
    uint8_t FBlock[256];
    uint16_t FPrefix[kTableSize]{};
    uint16_t FSuffix[kTableSize]{};
    uint16_t FStack[kStackSize];
};

// Stores width values into row; false when the data ended first.
inline bool DecodeRow(TLZWDecoder& decoder, uint8_t* row, int width) {
    for (int x = 0; x < width; ++x) {
        const int v = decoder.NextPixel();
        if (v < 0) return false;
        row[x] = uint8_t(v);
    }
    return true;
}

void DecodePixels(TLZWDecoder& decoder, TGIFSubImage& frame) {
    const int width = frame.Width(), height = frame.Height();
    uint8_t* pixels = frame.Data();
    if (!frame.Interlaced()) {
        for (int y = 0; y < height; ++y)
            if (!DecodeRow(decoder, pixels + size_t(y) * width, width)) return;
        return;
    }
    // Rows 0, 8, 16, ...; then 4, 12, ...; then 2, 6, ...; then 1, 3, ...; passes without a row
    // in a short picture are passed over.
    int row = 0, step = 8, pass = 0;
    for (int slot = 0; slot < height; ++slot) {
        if (!DecodeRow(decoder, pixels + size_t(row) * width, width)) return;
        row += step;
        while (row >= height && pass < 4) {
            if (pass > 0) step /= 2;
            ++pass;
            row = step / 2;
        }
    }
}

}  // namespace

void DecodeImageData(TStream& stream, TGIFSubImage& frame) {
    uint8_t minCodeSize = 0;
    if (!ReadByte(stream, minCodeSize)) return;
    auto decoder = std::make_unique<TLZWDecoder>(stream, frame);
    decoder->Start(minCodeSize);
    if (frame.Empty()) {
        decoder->SkipData();
        return;
    }
    try {
        DecodePixels(*decoder, frame);
    } catch (...) {
        // Even a failed frame tries to leave the stream after its data.
        try {
            decoder->NextPixel();
        } catch (...) {
        }
        throw;
    }
    // For well-formed data this reads the end code and the terminator.
    decoder->NextPixel();
}
