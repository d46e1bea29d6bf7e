#include "chart/tools/media/AviReader.h"

#include <algorithm>
#include <cstdlib>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/JpegCodec.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"

namespace {

constexpr int MaxSide = 32767;

uint32_t Le32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
uint16_t Le16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

// Whether a chunk code names a video frame chunk: "##db" or "##dc".
bool IsFrameChunk(uint32_t id) {
    const std::string text = FourCCText(id);
    return text[2] == 'd' && (text[3] == 'b' || text[3] == 'c');
}

}  // namespace

TAviReader::TAviReader(const std::string& fileName) {
    try {
        FFile = std::make_unique<TFileStream>(fileName, fmOpenRead);
    } catch (const Exception&) {
        RaiseAviError(AviFileOpen);
    }
    FFileSize = FFile->Size();
    Parse();
}

TAviReader::~TAviReader() = default;

void TAviReader::ReadAt(int64_t at, void* buffer, int64_t size) {
    if (at < 0 || size < 0 || at + size > FFileSize) RaiseAviError(AviBadFormat);
    FFile->SetPosition(at);
    FFile->ReadBuffer(buffer, size);
}

void TAviReader::Parse() {
    uint8_t head[12];
    if (FFileSize < 12) RaiseAviError(AviBadFormat);
    ReadAt(0, head, 12);
    if (Le32(head) != RiffChunk || Le32(head + 8) != MakeFourCC('A', 'V', 'I', ' '))
        RaiseAviError(AviBadFormat);
    const int64_t riffEnd = 8 + int64_t(Le32(head + 4));
    if (riffEnd > FFileSize) RaiseAviError(AviBadFormat);
    for (int64_t at = 12; at + 8 <= riffEnd;) {
        uint8_t chunk[12] = {};
        ReadAt(at, chunk, 8);
        const uint32_t id = Le32(chunk);
        const int64_t size = Le32(chunk + 4);
        const int64_t end = at + 8 + size;
        if (end > riffEnd) RaiseAviError(AviBadFormat);
        if (id == ListChunk && size >= 4) {
            ReadAt(at + 8, chunk + 8, 4);
            const uint32_t type = Le32(chunk + 8);
            if (type == MakeFourCC('h', 'd', 'r', 'l')) ReadHeaderList(at + 12, end);
            if (type == MakeFourCC('m', 'o', 'v', 'i')) {
                FMoviStart = at + 8;
                FMoviEnd = end;
            }
        } else if (id == MakeFourCC('i', 'd', 'x', '1')) {
            ReadIndex(at + 8, uint32_t(size));
        }
        at = end + (size & 1);
    }
    if (!FHasStream || !FHasFormat || FMoviStart < 0) RaiseAviError(AviBadFormat);
    if (FFormat.Width <= 0 || FFormat.Width > MaxSide || FFormat.Height == 0 ||
        std::abs(FFormat.Height) > MaxSide)
        RaiseAviError(AviBadFormat);
    if (!FHasIndex) ScanMovie(FMoviStart + 4, FMoviEnd);
    // The index names frames inside the movie list.
    for (const TFrame& f : FFrames)
        if (f.Offset < FMoviStart || f.Offset + f.Size > FMoviEnd) RaiseAviError(AviBadFormat);
    FInfo.Length = uint32_t(FFrames.size());
}

void TAviReader::ReadHeaderList(int64_t start, int64_t end) {
    bool inVideo = false;
    for (int64_t at = start; at + 8 <= end;) {
        uint8_t chunk[56];
        ReadAt(at, chunk, 8);
        const uint32_t id = Le32(chunk);
        const int64_t size = Le32(chunk + 4);
        if (at + 8 + size > end) RaiseAviError(AviBadFormat);
        if (id == ListChunk) {
            // A stream list: its header and format follow inside.
            at += 12;
            continue;
        }
        if (id == MakeFourCC('s', 't', 'r', 'h')) {
            inVideo = false;
            if (size < 56) RaiseAviError(AviBadFormat);
            ReadAt(at + 8, chunk, 56);
            if (!FHasStream && Le32(chunk) == StreamTypeVideo) {
                inVideo = true;
                FHasStream = true;
                FInfo.Type = Le32(chunk);
                FInfo.Handler = Le32(chunk + 4);
                FInfo.Flags = Le32(chunk + 8);
                FInfo.Scale = Le32(chunk + 20);
                FInfo.Rate = Le32(chunk + 24);
                FInfo.Start = Le32(chunk + 28);
                FInfo.SuggestedBufferSize = Le32(chunk + 36);
                FInfo.Quality = Le32(chunk + 40);
                FInfo.FrameLeft = int16_t(Le16(chunk + 48));
                FInfo.FrameTop = int16_t(Le16(chunk + 50));
                FInfo.FrameRight = int16_t(Le16(chunk + 52));
                FInfo.FrameBottom = int16_t(Le16(chunk + 54));
            }
        } else if (id == MakeFourCC('s', 't', 'r', 'f') && inVideo && !FHasFormat) {
            if (size < AviFrameFormatSize) RaiseAviError(AviBadFormat);
            ReadAt(at + 8, chunk, AviFrameFormatSize);
            FFormat.Width = int32_t(Le32(chunk + 4));
            FFormat.Height = int32_t(Le32(chunk + 8));
            FFormat.Planes = Le16(chunk + 12);
            FFormat.BitCount = Le16(chunk + 14);
            FFormat.Compression = Le32(chunk + 16);
            FFormat.SizeImage = Le32(chunk + 20);
            FFormat.XPelsPerMeter = int32_t(Le32(chunk + 24));
            FFormat.YPelsPerMeter = int32_t(Le32(chunk + 28));
            FFormat.ClrUsed = Le32(chunk + 32);
            FFormat.ClrImportant = Le32(chunk + 36);
            FHasFormat = true;
        }
        at += 8 + size + (size & 1);
    }
}

void TAviReader::ReadIndex(int64_t start, uint32_t size) {
    FHasIndex = true;
    std::vector<uint8_t> entries(size - size % 16);
    ReadAt(start, entries.data(), int64_t(entries.size()));
    if (FMoviStart < 0) RaiseAviError(AviBadFormat);
    bool absolute = false;
    bool first = true;
    for (size_t i = 0; i < entries.size(); i += 16) {
        const uint8_t* e = entries.data() + i;
        const uint32_t id = Le32(e);
        if (!IsFrameChunk(id) || FourCCText(id).substr(0, 2) != "00") continue;
        const int64_t offset = Le32(e + 8);
        if (first) {
            // Offsets count from the movie list's code, or (in some files) from the file start.
            uint8_t probe[4] = {};
            const int64_t relative = FMoviStart + offset;
            if (relative + 4 <= FFileSize) ReadAt(relative, probe, 4);
            absolute = Le32(probe) != id;
            first = false;
        }
        FFrames.push_back({(absolute ? 0 : FMoviStart) + offset + 8, Le32(e + 12)});
    }
}

void TAviReader::ScanMovie(int64_t start, int64_t end) {
    for (int64_t at = start; at + 8 <= end;) {
        uint8_t chunk[12];
        ReadAt(at, chunk, 8);
        const uint32_t id = Le32(chunk);
        const uint32_t size = Le32(chunk + 4);
        if (id == ListChunk) {  // a record list: its chunks follow
            at += 12;
            continue;
        }
        if (IsFrameChunk(id) && FourCCText(id).substr(0, 2) == "00")
            FFrames.push_back({at + 8, size});
        at += 8 + int64_t(size) + (size & 1);
    }
}

bool TAviReader::CanDecode() const {
    if (FFormat.Compression == 0) return FFormat.BitCount == 24 || FFormat.BitCount == 32;
    return FFormat.Compression == MotionJpeg;
}

std::vector<uint8_t> TAviReader::FrameData(int index) {
    if (index < 0 || index >= FrameCount()) RaiseAviError(AviFileRead);
    const TFrame& f = FFrames[size_t(index)];
    std::vector<uint8_t> data(f.Size);
    ReadAt(f.Offset, data.data(), f.Size);
    return data;
}

bool TAviReader::DecodeFrame(int index, TBitmap& bitmap) {
    if (!CanDecode() || index < 0 || index >= FrameCount()) return false;
    const TFrame& f = FFrames[size_t(index)];
    // An empty chunk repeats the frame before it.
    if (f.Size == 0) return true;
    FBuffer.resize(f.Size);
    ReadAt(f.Offset, FBuffer.data(), f.Size);
    bitmap.SetPixelFormat(pf24bit);
    if (FFormat.Compression == MotionJpeg) {
        TBitmapFileImage image;
        try {
            image = DecodeJpeg(FBuffer.data(), FBuffer.size());
        } catch (const Exception&) {
            return false;
        }
        bitmap.SetSize(image.Width, image.Height);
        for (int y = 0; y < image.Height; ++y) {
            uint8_t* row = bitmap.ScanLine(y);
            const uint32_t* src = image.ScanLine(y);
            for (int x = 0; x < image.Width; ++x) {
                row[3 * x] = uint8_t(src[x]);
                row[3 * x + 1] = uint8_t(src[x] >> 8);
                row[3 * x + 2] = uint8_t(src[x] >> 16);
            }
        }
        return true;
    }
    const int width = FFormat.Width;
    const int height = std::abs(FFormat.Height);
    const int bytes = FFormat.BitCount / 8;
    const size_t stride = (size_t(width) * size_t(bytes) + 3) & ~size_t(3);
    if (FBuffer.size() < stride * size_t(height)) return false;
    bitmap.SetSize(width, height);
    for (int y = 0; y < height; ++y) {
        // Positive heights store the bottom row first.
        const int from = FFormat.Height > 0 ? height - 1 - y : y;
        const uint8_t* src = FBuffer.data() + stride * size_t(from);
        uint8_t* row = bitmap.ScanLine(y);
        for (int x = 0; x < width; ++x) {
            row[3 * x] = src[bytes * x];
            row[3 * x + 1] = src[bytes * x + 1];
            row[3 * x + 2] = src[bytes * x + 2];
        }
    }
    return true;
}
