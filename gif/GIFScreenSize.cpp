#include "gif/GIFScreenSize.h"

#include <algorithm>
#include <cctype>

#include "gif/GIFStreamUtils.h"
#include "gif/GIFTypes.h"
#include "platform/rtl/Streams.h"

namespace {

bool ReadBytes(TStream& stream, uint8_t* bytes, int64_t count) {
    return stream.Read(bytes, count) == count;
}

bool IsSignatureAt(TStream& stream) {
    uint8_t s[6];
    return ReadBytes(stream, s, 6) && std::toupper(s[0]) == 'G' && std::toupper(s[1]) == 'I' &&
           std::toupper(s[2]) == 'F';
}

// Passes over a colour table of packed's size when packed says there is one.
void SkipColorTable(TStream& stream, uint8_t packed) {
    if (packed & 0x80) stream.Seek(3 * (2 << (packed & 7)), soCurrent);
}

// Passes over data sub-blocks up to the zero length; false when the stream ends first.
bool SkipSubBlocks(TStream& stream) {
    uint8_t length = 0;
    while (ReadByte(stream, length)) {
        if (length == 0) return true;
        stream.Seek(length, soCurrent);
    }
    return false;
}

std::optional<TSize> ScanBlocks(TStream& stream) {
    if (!IsSignatureAt(stream)) return std::nullopt;
    uint8_t screen[7];
    if (!ReadBytes(stream, screen, 7)) return std::nullopt;
    int width = GetWord(screen), height = GetWord(screen + 2);
    SkipColorTable(stream, screen[4]);
    const int64_t end = stream.Size();
    uint8_t block = 0;
    while (stream.Position() < end && ReadByte(stream, block) && block != bsTrailer) {
        if (block == 0) continue;  // the reader passes over zero bytes between blocks
        if (block == bsExtensionIntroducer) {
            uint8_t label = 0;
            if (!ReadByte(stream, label) || !SkipSubBlocks(stream)) break;
        } else if (block == bsImageSeparator) {
            uint8_t frame[9];
            if (!ReadBytes(stream, frame, 9)) break;
            width = std::max(width, std::min(GetWord(frame) + GetWord(frame + 4), 0xFFFF));
            height = std::max(height, std::min(GetWord(frame + 2) + GetWord(frame + 6), 0xFFFF));
            SkipColorTable(stream, frame[8]);
            uint8_t codeSize = 0;
            if (!ReadByte(stream, codeSize) || !SkipSubBlocks(stream)) break;
        } else {
            break;
        }
    }
    return TSize{width, height};
}

}  // namespace

std::optional<TSize> ReadGIFScreenSize(TStream& stream) {
    const int64_t start = stream.Position();
    std::optional<TSize> size = ScanBlocks(stream);
    if (!size) {
        // A picture stored behind a 4-byte length, as the reader takes it.
        stream.SetPosition(start + 4);
        size = ScanBlocks(stream);
    }
    stream.SetPosition(start);
    return size;
}
