#pragma once
// The layout of the binary data packet that holds a client dataset on disk: header fields, type
// words, column descriptors with their properties, and the limits of the format. The reader and
// the writer share these definitions; neither needs a dataset.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/rtl/Exceptions.h"

// A file that is not a packet, or a packet that breaks the format's rules. The message names the
// byte offset where reading failed.
KV_EXCEPTION_CLASS(EDataPacketError, EReadError)

namespace DataPacket {

inline constexpr uint32_t Magic = 0xBDE01996u;
inline constexpr uint32_t HeaderSize = 24;
inline constexpr uint32_t MaxVersion = 3;
inline constexpr size_t MaxNameLength = 31;
inline constexpr size_t MaxTables = 63;
inline constexpr size_t MaxColumns = 65535;

// Header flags: bit 0 is always set; bit 1 says the first-row offset at byte 22 is valid.
inline constexpr uint32_t FlagPacket = 1;
inline constexpr uint32_t FlagRowOffset = 2;

// Type word: bits 0-15 size, 16-21 type code, 22 varying, 23 array, 24-26 structured kinds.
inline constexpr uint32_t SizeMask = 0x0000FFFFu;
inline constexpr uint32_t VaryingBit = 0x00400000u;
inline constexpr uint32_t ArrayBit = 0x00800000u;
inline constexpr uint32_t StructMask = 0x07000000u;
inline constexpr uint32_t NestedStruct = 0x05000000u;

inline constexpr uint32_t TypeString = 0x00490001u;      // one-byte length prefix
inline constexpr uint32_t TypeLongString = 0x00490002u;  // u16 length prefix
inline constexpr uint32_t TypeInt16 = 0x00010002u;
inline constexpr uint32_t TypeInt32 = 0x00010004u;
inline constexpr uint32_t TypeFloat = 0x00040008u;
inline constexpr uint32_t TypeDateTime = 0x00080008u;
inline constexpr uint32_t TypeMemo = 0x004B0004u;
inline constexpr uint32_t TypeNested = 0x050E0000u;     // plus the number of child descriptors
inline constexpr uint32_t TypeUInt16 = 0x00020002u;     // WIDTH, DECIMALS, CALCULATED
inline constexpr uint32_t TypeShortText = 0x00490002u;  // SUBTYPE: u16 length, text, zero byte

// Column attribute bits.
inline constexpr uint16_t AttrHidden = 1;
inline constexpr uint16_t AttrReadOnly = 2;
inline constexpr uint16_t AttrRequired = 4;
inline constexpr uint16_t AttrLink = 8;

// Row status bits that make a row not a live record.
inline constexpr uint8_t StatusDeadMask = 0x01 | 0x02 | 0x20;
// A row with this status bit is never written.
inline constexpr uint8_t StatusNotWritten = 0x20;

// Date-time values are milliseconds counted from day 1 of year 1: whole days since 30 December
// 1899 plus this many days.
inline constexpr double DateDelta = 693594.0;
inline constexpr double MSecsPerDay = 86400000.0;

inline uint32_t TypeCode(uint32_t typeWord) { return (typeWord >> 16) & 0x3F; }
inline uint32_t TypeSize(uint32_t typeWord) { return typeWord & SizeMask; }
inline bool IsNested(uint32_t typeWord) {
    return (typeWord & StructMask) == NestedStruct && TypeCode(typeWord) == 14;
}

// The value kinds the reader and writer encode by name; everything else is kept as raw bytes.
enum class TValueKind : uint8_t { Int, Float, DateTime, Text, Nested, Raw };
TValueKind ValueKindOf(uint32_t typeWord);

// Packet milliseconds of a date-time (days since 30 December 1899, fraction = time of day), and
// back; the way back rounds to a whole millisecond.
double DateTimeToPacketMSecs(double dateTime);
double PacketMSecsToDateTime(double msecs);

}  // namespace DataPacket

// A column or table property, kept as its encoded value bytes so that properties this program
// does not know are written back exactly as they were read.
struct TPacketProperty {
    std::string Name;
    uint32_t TypeWord = 0;
    std::string Value;

    bool operator==(const TPacketProperty&) const = default;
};

// One column descriptor; a nested table's descriptor owns its columns and table properties.
struct TPacketColumn {
    std::string Name;
    uint32_t TypeWord = 0;
    uint16_t Attributes = 0;
    std::vector<TPacketProperty> Properties;
    std::vector<TPacketColumn> Columns;            // nested tables only
    std::vector<TPacketProperty> TableProperties;  // nested tables only

    bool IsNested() const { return DataPacket::IsNested(TypeWord); }
    // The WIDTH property, 0 when absent; the SUBTYPE text, empty when absent.
    int Width() const;
    std::string SubType() const;

    bool operator==(const TPacketColumn&) const = default;
};

// The columns and properties of the top-level table.
struct TPacketMetadata {
    std::vector<TPacketColumn> Columns;
    std::vector<TPacketProperty> TableProperties;

    bool operator==(const TPacketMetadata&) const = default;
};

// Descriptors for the field kinds this program stores, with the properties their kind carries.
TPacketColumn StringPacketColumn(std::string name, int width, uint16_t attributes = 0);
TPacketColumn MemoPacketColumn(std::string name, uint16_t attributes = 0);
TPacketColumn Int16PacketColumn(std::string name, uint16_t attributes = 0);
TPacketColumn Int32PacketColumn(std::string name, uint16_t attributes = 0);
TPacketColumn FloatPacketColumn(std::string name, uint16_t attributes = 0);
TPacketColumn DateTimePacketColumn(std::string name, uint16_t attributes = 0);
TPacketColumn NestedPacketColumn(std::string name, std::vector<TPacketColumn> columns,
                                 uint16_t attributes = 0);

// Number of descriptors below a column (its columns and theirs), and in a list of columns.
size_t DescendantCount(const TPacketColumn& column);
size_t DescriptorCount(const std::vector<TPacketColumn>& columns);

// Property names compare without regard to case.
bool SamePropertyName(std::string_view a, std::string_view b);
