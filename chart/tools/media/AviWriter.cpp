#include "chart/tools/media/AviWriter.h"

#include <algorithm>
#include <cstdlib>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"

namespace {

constexpr uint32_t AviHasIndex = 0x10;
constexpr uint32_t AviKeyFrame = 0x10;

// Where the writer puts what Close fills in.
constexpr int64_t RiffSizeAt = 4;
constexpr int64_t MaxBytesPerSecAt = 36;
constexpr int64_t TotalFramesAt = 48;
constexpr int64_t AvihBufferSizeAt = 60;
constexpr int64_t StrhLengthAt = 140;
constexpr int64_t StrhBufferSizeAt = 144;
constexpr int64_t MoviSizeAt = 216;
constexpr uint32_t HdrlSize = 192;
constexpr uint32_t StrlSize = 116;

}  // namespace

TAviWriter::TAviWriter(const std::string& fileName) {
    try {
        FFile = std::make_unique<TFileStream>(fileName, fmCreate);
    } catch (const Exception&) {
        RaiseAviError(AviFileOpen);
    }
}

TAviWriter::~TAviWriter() = default;

void TAviWriter::SetFormat(const TAviFrameFormat& format) {
    if (FHeadersWritten) RaiseAviError(AviBadParam);
    FFormat = format;
    FHasFormat = true;
}

void TAviWriter::Put32(uint32_t value) {
    const uint8_t bytes[4] = {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16),
                              uint8_t(value >> 24)};
    PutBytes(bytes, 4);
}

void TAviWriter::Put16(uint16_t value) {
    const uint8_t bytes[2] = {uint8_t(value), uint8_t(value >> 8)};
    PutBytes(bytes, 2);
}

void TAviWriter::PutBytes(const void* data, size_t size) {
    try {
        FFile->WriteBuffer(data, int64_t(size));
    } catch (const Exception&) {
        RaiseAviError(AviFileWrite);
    }
}

void TAviWriter::Patch32(int64_t at, uint32_t value) {
    const int64_t end = FFile->Position();
    FFile->SetPosition(at);
    Put32(value);
    FFile->SetPosition(end);
}

void TAviWriter::WriteHeaders() {
    if (!FHasFormat) {
        // No frame came: the frame rectangle gives the format of an empty video.
        FFormat.Width = FInfo.FrameRight - FInfo.FrameLeft;
        FFormat.Height = FInfo.FrameBottom - FInfo.FrameTop;
        FFormat.Compression = FInfo.Handler;
        FFormat.BitCount = FInfo.Handler ? 24 : 32;
        FFormat.SizeImage = uint32_t(FFormat.Width * FFormat.Height * (FFormat.BitCount / 8));
        FHasFormat = true;
    }
    const uint32_t usPerFrame =
        FInfo.Rate ? uint32_t(uint64_t(FInfo.Scale) * 1000000 / FInfo.Rate) : 0;
    Put32(RiffChunk);
    Put32(0);
    Put32(MakeFourCC('A', 'V', 'I', ' '));
    Put32(ListChunk);
    Put32(HdrlSize);
    Put32(MakeFourCC('h', 'd', 'r', 'l'));
    Put32(MakeFourCC('a', 'v', 'i', 'h'));
    Put32(56);
    for (uint32_t v : {usPerFrame, 0u, 0u, AviHasIndex, 0u, 0u, 1u, 0u, uint32_t(FFormat.Width),
                       uint32_t(std::abs(FFormat.Height)), 0u, 0u, 0u, 0u})
        Put32(v);
    Put32(ListChunk);
    Put32(StrlSize);
    Put32(MakeFourCC('s', 't', 'r', 'l'));
    Put32(MakeFourCC('s', 't', 'r', 'h'));
    Put32(56);
    Put32(FInfo.Type);
    Put32(FInfo.Handler);
    Put32(FInfo.Flags);
    Put16(0);  // priority
    Put16(0);  // language
    for (uint32_t v : {0u, FInfo.Scale, FInfo.Rate, FInfo.Start, 0u, FInfo.SuggestedBufferSize,
                       FInfo.Quality, 0u})
        Put32(v);
    for (int v : {FInfo.FrameLeft, FInfo.FrameTop, FInfo.FrameRight, FInfo.FrameBottom})
        Put16(uint16_t(int16_t(v)));
    Put32(MakeFourCC('s', 't', 'r', 'f'));
    Put32(AviFrameFormatSize);
    Put32(AviFrameFormatSize);
    Put32(uint32_t(FFormat.Width));
    Put32(uint32_t(FFormat.Height));
    Put16(FFormat.Planes);
    Put16(FFormat.BitCount);
    for (uint32_t v : {FFormat.Compression, FFormat.SizeImage, uint32_t(FFormat.XPelsPerMeter),
                       uint32_t(FFormat.YPelsPerMeter), FFormat.ClrUsed, FFormat.ClrImportant})
        Put32(v);
    Put32(ListChunk);
    Put32(0);
    FMoviStart = FFile->Position();
    Put32(MakeFourCC('m', 'o', 'v', 'i'));
    FHeadersWritten = true;
}

void TAviWriter::WriteFrame(std::span<const uint8_t> data) {
    if (FClosed || !FHasFormat) RaiseAviError(AviBadParam);
    if (!FHeadersWritten) WriteHeaders();
    // The file's sizes are 32-bit: a frame that would overflow them is refused, not wrapped.
    const uint64_t after =
        uint64_t(FFile->Position()) + 8 + data.size() + 1 + 16 * (uint64_t(FIndex.size()) + 1) + 8;
    if (after > 0xFFFFFFFFull) RaiseAviError(AviFileWrite);
    const uint32_t size = uint32_t(data.size());
    FIndex.push_back({uint32_t(FFile->Position() - FMoviStart), size});
    Put32(FFormat.Compression ? MakeFourCC('0', '0', 'd', 'c') : MakeFourCC('0', '0', 'd', 'b'));
    Put32(size);
    PutBytes(data.data(), data.size());
    if (size % 2) {
        const uint8_t pad = 0;  // chunks start at even offsets
        PutBytes(&pad, 1);
    }
    FLargestFrame = std::max(FLargestFrame, size);
}

void TAviWriter::Close() {
    if (FClosed) return;
    FClosed = true;
    if (!FHeadersWritten) WriteHeaders();
    const uint32_t moviSize = uint32_t(FFile->Position() - FMoviStart);
    Put32(MakeFourCC('i', 'd', 'x', '1'));
    Put32(uint32_t(FIndex.size() * 16));
    const uint32_t chunk =
        FFormat.Compression ? MakeFourCC('0', '0', 'd', 'c') : MakeFourCC('0', '0', 'd', 'b');
    for (const TIndexEntry& e : FIndex) {
        Put32(chunk);
        Put32(AviKeyFrame);
        Put32(e.Offset);
        Put32(e.Size);
    }
    const int64_t end = FFile->Position();
    const uint32_t frames = uint32_t(FIndex.size());
    const uint32_t buffer = FLargestFrame ? FLargestFrame + 8 : 0;
    const uint64_t bytesPerSec =
        FInfo.Scale ? uint64_t(FLargestFrame) * FInfo.Rate / FInfo.Scale : 0;
    Patch32(RiffSizeAt, uint32_t(end - 8));
    Patch32(MaxBytesPerSecAt, uint32_t(bytesPerSec));
    Patch32(TotalFramesAt, frames);
    Patch32(AvihBufferSizeAt, buffer);
    Patch32(StrhLengthAt, frames);
    Patch32(StrhBufferSizeAt, buffer);
    Patch32(MoviSizeAt, moviSize);
    FFile.reset();
}
