#pragma once
// The bytes of the two fresh database files, spelled out from the packet's rules by a builder
// that shares no code with the writer: a 24-byte header, then each column descriptor (name
// length, name, type word, attributes, property count, properties), a nested table's columns
// and its property count after its descriptor, and the top-level property count at the end.
#include <cstdint>
#include <string>
#include <vector>

namespace PacketFixtures {

// One descriptor, depth first. Kinds: 's' string of width 100, 'd' date-time, 'f' double,
// 'i' 16-bit integer, 'I' 32-bit integer, 'm' memo, 'n' nested table whose next `children`
// entries are its own columns.
struct TColumnEntry {
    const char* Name;
    char Kind;
    uint16_t Attributes = 0;
    int Children = 0;
};

class TBytes {
public:
    void U8(uint8_t v) { FBytes.push_back(char(v)); }
    void U16(uint16_t v) { U8(v & 0xFF), U8(v >> 8); }
    void U32(uint32_t v) { U16(v & 0xFFFF), U16(v >> 16); }
    void Text(const std::string& s) { FBytes += s; }
    void Name(const std::string& s) { U8(uint8_t(s.size())), Text(s); }
    std::string& Bytes() { return FBytes; }

private:
    std::string FBytes;
};

inline uint32_t TypeWordOf(char kind, int children) {
    switch (kind) {
        case 's':
            return 0x00490001;
        case 'd':
            return 0x00080008;
        case 'f':
            return 0x00040008;
        case 'i':
            return 0x00010002;
        case 'I':
            return 0x00010004;
        case 'm':
            return 0x004B0004;
        default:
            return 0x050E0000 + uint32_t(children);
    }
}

inline size_t EmitColumns(TBytes& b, const std::vector<TColumnEntry>& entries, size_t first,
                          size_t count) {
    size_t i = first;
    for (size_t n = 0; n < count; ++n) {
        const TColumnEntry& c = entries[i++];
        b.Name(c.Name);
        b.U32(TypeWordOf(c.Kind, c.Children));
        b.U16(c.Attributes);
        if (c.Kind == 's') {  // WIDTH 100
            b.U16(1), b.Name("WIDTH"), b.U32(0x00020002), b.U16(100);
        } else if (c.Kind == 'm') {  // SUBTYPE "Text"
            b.U16(1), b.Name("SUBTYPE"), b.U32(0x00490002), b.U16(5), b.Text("Text"), b.U8(0);
        } else {
            b.U16(0);
        }
        if (c.Kind == 'n') {
            i = EmitColumns(b, entries, i, size_t(c.Children));
            b.U16(0);  // the nested table's properties
        }
    }
    return i;
}

// An empty packet of the given columns: no rows, flags 3, the first-row offset at byte 22.
inline std::string EmptyPacket(const std::vector<TColumnEntry>& entries, size_t topLevel) {
    TBytes b;
    b.U32(0xBDE01996), b.U16(2), b.U16(0), b.U32(24), b.U16(uint16_t(entries.size())), b.U32(0),
        b.U32(3), b.U16(0);
    EmitColumns(b, entries, 0, topLevel);
    b.U16(0);  // top-level table properties
    const uint16_t offset = uint16_t(b.Bytes().size());
    b.Bytes()[22] = char(offset & 0xFF), b.Bytes()[23] = char(offset >> 8);
    return b.Bytes();
}

// clang-format off: one line per table, nested tables after their column.
inline const std::vector<TColumnEntry>& ResultsColumns() {
    static const std::vector<TColumnEntry> entries{{"DatasetName", 's'},
                                                   {"DateTime", 'd'},
                                                   {"StartDateTime", 'd'},
                                                   {"FinishDateTime", 'd'},
                                                   {"Tref", 'f'},
                                                   {"Tbg", 'f'},
                                                   {"ViewIndex", 'i'},
                                                   {"NRF", 'f'},
                                                   {"Threshold", 'f'},
                                                   {"Rem", 'm'},
                                                   {"Cavity", 'n', 0, 5},
                                                   {"D", 'f', 4},
                                                   {"Z", 'f', 4},
                                                   {"R", 'f', 4},
                                                   {"Emissivity", 'f'},
                                                   {"Diffusity", 'f'},
                                                   {"Temperatures", 'n', 0, 5},
                                                   {"Xi", 'f'},
                                                   {"Z", 'f'},
                                                   {"R", 'f'},
                                                   {"isf", 'i'},
                                                   {"T", 'f'},
                                                   {"SEERT", 'n', 0, 8},
                                                   {"Wavelength", 'f'},
                                                   {"ivc", 'i'},
                                                   {"param1", 'f'},
                                                   {"param2", 'f'},
                                                   {"param3", 'f'},
                                                   {"EEiso", 'f'},
                                                   {"EE", 'f'},
                                                   {"RT", 'f'},
                                                   {"nw", 'i'},
                                                   {"nv", 'i'},
                                                   {"Z0", 'f'},
                                                   {"R0", 'f'}};
    return entries;
}

inline const std::vector<TColumnEntry>& DatasetColumns() {
    static const std::vector<TColumnEntry> entries{{"DatasetName", 's', 4},
                                                   {"DateTime", 'd', 4},
                                                   {"Tref", 'f'},
                                                   {"Tbg", 'f'},
                                                   {"ViewIndex", 'i'},
                                                   {"NRF", 'f'},
                                                   {"Threshold", 'f'},
                                                   {"Rem", 'm'},
                                                   {"Cavity", 'n', 0, 5},
                                                   {"D", 'f', 4},
                                                   {"Z", 'f', 4},
                                                   {"R", 'f', 4},
                                                   {"Emissivity", 'f'},
                                                   {"Diffusity", 'f'},
                                                   {"Wavelengths", 'n', 0, 1},
                                                   {"Wavelength", 'f'},
                                                   {"Temperatures", 'n', 0, 5},
                                                   {"Xi", 'f', 4},
                                                   {"Z", 'f'},
                                                   {"R", 'f'},
                                                   {"isf", 'i'},
                                                   {"T", 'f'},
                                                   {"VC0", 'n', 0, 2},
                                                   {"YB", 'f'},
                                                   {"RB", 'f'},
                                                   {"VC1", 'n', 0, 3},
                                                   {"ZB", 'f'},
                                                   {"RB", 'f'},
                                                   {"b", 'f'},
                                                   {"VC2", 'n', 0, 3},
                                                   {"YB", 'f'},
                                                   {"ZB", 'f'},
                                                   {"w", 'f'},
                                                   {"VC3", 'n', 0, 3},
                                                   {"YD", 'f'},
                                                   {"RD", 'f'},
                                                   {"H", 'f'},
                                                   {"VC4", 'n', 0, 4},
                                                   {"Xi", 'f'},
                                                   {"Z", 'f'},
                                                   {"R", 'f'},
                                                   {"isf", 'I'},
                                                   {"Z0", 'f'},
                                                   {"R0", 'f'}};
    return entries;
}
// clang-format on

// The fresh results database (17 top-level columns) and dataset database (18).
inline std::string FreshResultsPacket() { return EmptyPacket(ResultsColumns(), 17); }
inline std::string FreshDatasetPacket() { return EmptyPacket(DatasetColumns(), 18); }

}  // namespace PacketFixtures
