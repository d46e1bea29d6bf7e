#pragma once
// The records of AVI (RIFF) video files as this system writes and reads them: the stream header,
// the frame format (a bitmap-info header), the four-character codes, and the error codes that
// every failing step reports as "AVI Error: " and eight hexadecimal digits.
#include <cstdint>
#include <string>

// Four characters, the first in the lowest byte.
constexpr uint32_t MakeFourCC(char a, char b, char c, char d) {
    return uint32_t(uint8_t(a)) | uint32_t(uint8_t(b)) << 8 | uint32_t(uint8_t(c)) << 16 |
           uint32_t(uint8_t(d)) << 24;
}
// The four characters of a code, lowest byte first.
std::string FourCCText(uint32_t code);
// The code of the first four characters of text (blanks for missing ones); 0 for empty text.
uint32_t FourCCOf(const std::string& text);

// The file's and a record list's chunk codes.
inline constexpr uint32_t RiffChunk = MakeFourCC('R', 'I', 'F', 'F');
inline constexpr uint32_t ListChunk = MakeFourCC('L', 'I', 'S', 'T');
inline constexpr uint32_t StreamTypeVideo = MakeFourCC('v', 'i', 'd', 's');
inline constexpr uint32_t MotionJpeg = MakeFourCC('M', 'J', 'P', 'G');

// Result codes of the video module; 0 is success.
inline constexpr uint32_t AviBadFormat = 0x80044066;
inline constexpr uint32_t AviBadParam = 0x8004406A;
inline constexpr uint32_t AviFileRead = 0x8004406D;
inline constexpr uint32_t AviFileWrite = 0x8004406E;
inline constexpr uint32_t AviFileOpen = 0x8004406F;

// Raises "AVI Error: " and the code in eight hexadecimal digits when the code is not 0.
void CheckAviResult(uint32_t code);
[[noreturn]] void RaiseAviError(uint32_t code);

// What a video stream is: its kind, compressor, timing (one frame lasts Scale / Rate seconds),
// quality and frame rectangle.
struct TAviStreamInfo {
    uint32_t Type = StreamTypeVideo;
    uint32_t Handler = 0;
    uint32_t Flags = 0;
    uint32_t Scale = 1;
    uint32_t Rate = 1;
    uint32_t Start = 0;
    uint32_t Length = 0;
    uint32_t SuggestedBufferSize = 0;
    uint32_t Quality = 0;
    int FrameLeft = 0, FrameTop = 0, FrameRight = 0, FrameBottom = 0;
};

// The 40-byte bitmap-info header that is the format of a video stream's frames.
struct TAviFrameFormat {
    int32_t Width = 0;
    int32_t Height = 0;  // positive: rows stored bottom-up
    uint16_t Planes = 1;
    uint16_t BitCount = 32;
    uint32_t Compression = 0;  // 0: uncompressed, else the compressor's code
    uint32_t SizeImage = 0;
    int32_t XPelsPerMeter = 0;
    int32_t YPelsPerMeter = 0;
    uint32_t ClrUsed = 0;
    uint32_t ClrImportant = 0;
};
inline constexpr int AviFrameFormatSize = 40;
