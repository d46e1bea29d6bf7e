#include "gif/GIFStreamUtils.h"

#include <cstring>
#include <string>

#include "gif/GIFTypes.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/StringList.h"

void ReadCheck(TStream& stream, void* buffer, int64_t count) {
    if (stream.Read(buffer, count) != count) throw GIFException(sOutOfData);
}

bool ReadByte(TStream& stream, uint8_t& value) { return stream.Read(&value, 1) == 1; }

void WriteByte(TStream& stream, uint8_t value) { stream.WriteBuffer(&value, 1); }

void WriteWord(TStream& stream, uint16_t value) {
    uint8_t b[2];
    PutWord(b, value);
    stream.WriteBuffer(b, 2);
}

uint16_t GetWord(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }

void PutWord(uint8_t* p, uint16_t value) {
    p[0] = uint8_t(value & 0xFF);
    p[1] = uint8_t(value >> 8);
}

void WriteSubBlockStrings(TStream& stream, const TStringList& lines) {
    for (int i = 0; i < lines.Count(); ++i) {
        const std::string& line = lines.Strings(i);
        for (size_t at = 0; at < line.size(); at += 255) {
            const size_t n = std::min<size_t>(255, line.size() - at);
            WriteByte(stream, uint8_t(n));
            stream.WriteBuffer(line.data() + at, int64_t(n));
        }
    }
    WriteByte(stream, 0);
}

void ReadSubBlockStrings(TStream& stream, TStringList& lines) {
    lines.Clear();
    uint8_t size = 0;
    char buffer[256];
    while (ReadByte(stream, size) && size != 0) {
        ReadCheck(stream, buffer, size);
        lines.Add(std::string(buffer, strnlen(buffer, size)));
    }
}
