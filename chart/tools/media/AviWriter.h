#pragma once
// Writes a video stream into a new AVI file: the headers first with room for the counts, the
// frames as chunks of the movie list, then on Close the index and the final counts and sizes.
// The file is replaced when it exists. A file closed without frames is still a valid, empty
// video.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "chart/tools/media/AviFormat.h"

class TFileStream;

class TAviWriter {
public:
    // Creates the file (AviFileOpen when it cannot).
    explicit TAviWriter(const std::string& fileName);
    ~TAviWriter();
    TAviWriter(const TAviWriter&) = delete;
    TAviWriter& operator=(const TAviWriter&) = delete;

    // The stream's header and the frames' format, both before the first frame.
    void SetStreamInfo(const TAviStreamInfo& info) { FInfo = info; }
    void SetFormat(const TAviFrameFormat& format);
    const TAviFrameFormat& Format() const { return FFormat; }
    bool HasFormat() const { return FHasFormat; }
    // One key frame of the bytes the format describes; the headers are written with the first.
    void WriteFrame(std::span<const uint8_t> data);
    int FrameCount() const { return int(FIndex.size()); }
    // Writes the index and the counts; the file is complete afterwards. Done once.
    void Close();

private:
    struct TIndexEntry {
        uint32_t Offset;
        uint32_t Size;
    };
    void WriteHeaders();
    void Put32(uint32_t value);
    void Put16(uint16_t value);
    void PutBytes(const void* data, size_t size);
    void Patch32(int64_t at, uint32_t value);

    std::unique_ptr<TFileStream> FFile;
    TAviStreamInfo FInfo;
    TAviFrameFormat FFormat;
    bool FHasFormat = false;
    bool FHeadersWritten = false;
    bool FClosed = false;
    int64_t FMoviStart = 0;  // position of the movie list's "movi" code
    uint32_t FLargestFrame = 0;
    std::vector<TIndexEntry> FIndex;
};
