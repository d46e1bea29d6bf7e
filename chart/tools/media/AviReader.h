#pragma once
// Reads the first video stream of an AVI file: its header, its frame format and where every
// frame lies (from the index, or from the movie list when a file has none). Anything that is not
// a well-formed AVI file is refused with the module's error codes. Frames are delivered as
// 24-bit pixels from uncompressed 24- and 32-bit streams and from Motion-JPEG streams.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "chart/tools/media/AviFormat.h"

class TBitmap;
class TFileStream;

class TAviReader {
public:
    // Opens and checks the file: AviFileOpen when it cannot be opened, AviBadFormat when it is
    // no AVI file or is damaged.
    explicit TAviReader(const std::string& fileName);
    ~TAviReader();
    TAviReader(const TAviReader&) = delete;
    TAviReader& operator=(const TAviReader&) = delete;

    const TAviStreamInfo& StreamInfo() const { return FInfo; }
    const TAviFrameFormat& Format() const { return FFormat; }
    bool HasIndex() const { return FHasIndex; }
    int FrameCount() const { return int(FFrames.size()); }
    // Whether frames of this stream can be delivered as pixels.
    bool CanDecode() const;
    // The frame's stored bytes (AviFileRead for a frame outside the file).
    std::vector<uint8_t> FrameData(int index);
    // The frame as 24-bit pixels into bitmap (sized to the frame); false when it cannot be
    // decoded.
    bool DecodeFrame(int index, TBitmap& bitmap);

private:
    struct TFrame {
        int64_t Offset;  // of the data, in the file
        uint32_t Size;
    };
    void Parse();
    void ReadHeaderList(int64_t start, int64_t end);
    void ScanMovie(int64_t start, int64_t end);
    void ReadIndex(int64_t start, uint32_t size);
    uint32_t Get32();
    uint16_t Get16();
    void ReadAt(int64_t at, void* buffer, int64_t size);

    std::unique_ptr<TFileStream> FFile;
    int64_t FFileSize = 0;
    TAviStreamInfo FInfo;
    TAviFrameFormat FFormat;
    bool FHasStream = false;
    bool FHasFormat = false;
    bool FHasIndex = false;
    int64_t FMoviStart = -1;
    int64_t FMoviEnd = -1;
    std::vector<TFrame> FFrames;
    std::vector<uint8_t> FBuffer;  // the last frame's bytes, reused
};
