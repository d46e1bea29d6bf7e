#include "chart/tools/sources/ZipReader.h"

#include <zlib.h>

#include <algorithm>

namespace {

constexpr uint32_t EndSignature = 0x06054b50;
constexpr uint32_t CentralSignature = 0x02014b50;
constexpr uint32_t LocalSignature = 0x04034b50;
// Members larger than this are not workbook parts worth inflating.
constexpr uint32_t MaxMemberSize = 256u * 1024 * 1024;

uint16_t Word(const std::string& s, size_t at) {
    return uint16_t(uint8_t(s[at]) | uint8_t(s[at + 1]) << 8);
}
uint32_t Long(const std::string& s, size_t at) {
    return uint32_t(Word(s, at)) | uint32_t(Word(s, at + 2)) << 16;
}

}  // namespace

TZipReader::TZipReader(std::string archive) : FArchive(std::move(archive)) {
    const std::string& a = FArchive;
    if (a.size() < 22) throw EZipError("Not a zip archive: too short");
    // The end record sits in the last 22 bytes plus at most a 65535-byte comment.
    size_t end = std::string::npos;
    const size_t lowest = a.size() > 22 + 65535 ? a.size() - 22 - 65535 : 0;
    for (size_t at = a.size() - 22 + 1; at-- > lowest;)
        if (Long(a, at) == EndSignature) {
            end = at;
            break;
        }
    if (end == std::string::npos) throw EZipError("Not a zip archive: no central directory");
    const uint16_t count = Word(a, end + 10);
    const uint32_t dirSize = Long(a, end + 12);
    const uint32_t dirOffset = Long(a, end + 16);
    if (uint64_t(dirOffset) + dirSize > end)
        throw EZipError("Damaged zip archive: the central directory lies outside it");
    size_t at = dirOffset;
    for (int i = 0; i < count; ++i) {
        if (at + 46 > end || Long(a, at) != CentralSignature)
            throw EZipError("Damaged zip archive: bad directory entry at offset " +
                            std::to_string(at));
        TMember m;
        m.Method = Word(a, at + 10);
        m.CompressedSize = Long(a, at + 20);
        m.Size = Long(a, at + 24);
        const uint16_t nameLength = Word(a, at + 28);
        const uint16_t extraLength = Word(a, at + 30);
        const uint16_t commentLength = Word(a, at + 32);
        m.LocalOffset = Long(a, at + 42);
        if (at + 46 + nameLength > end)
            throw EZipError("Damaged zip archive: bad directory entry at offset " +
                            std::to_string(at));
        m.Name = a.substr(at + 46, nameLength);
        FMembers.push_back(std::move(m));
        at += 46 + size_t(nameLength) + extraLength + commentLength;
    }
}

const TZipReader::TMember* TZipReader::Find(const std::string& name) const {
    auto it = std::find_if(FMembers.begin(), FMembers.end(),
                           [&](const TMember& m) { return m.Name == name; });
    return it == FMembers.end() ? nullptr : &*it;
}

bool TZipReader::Has(const std::string& name) const { return Find(name) != nullptr; }

std::string TZipReader::Extract(const std::string& name) const {
    const TMember* m = Find(name);
    if (!m) throw EZipError("The zip archive holds no " + name);
    const std::string& a = FArchive;
    const size_t local = m->LocalOffset;
    if (uint64_t(local) + 30 > a.size() || Long(a, local) != LocalSignature)
        throw EZipError("Damaged zip archive: bad local header of " + name);
    const size_t data = local + 30 + Word(a, local + 26) + Word(a, local + 28);
    if (uint64_t(data) + m->CompressedSize > a.size() || m->Size > MaxMemberSize)
        throw EZipError("Damaged zip archive: " + name + " lies outside it");
    if (m->Method == 0) {
        if (m->CompressedSize != m->Size) throw EZipError("Damaged zip archive: " + name);
        return a.substr(data, m->Size);
    }
    if (m->Method != 8) throw EZipError("Unsupported compression of " + name);
    std::string out(m->Size, '\0');
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK) throw EZipError("Cannot inflate " + name);
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(a.data() + data));
    z.avail_in = m->CompressedSize;
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = m->Size;
    const int result = inflate(&z, Z_FINISH);
    const uLong produced = z.total_out;
    inflateEnd(&z);
    if (result != Z_STREAM_END || produced != m->Size)
        throw EZipError("Damaged zip archive: " + name + " does not inflate");
    return out;
}
