#pragma once
// A whole data packet held as plain values: the metadata and every row with its nested rows.
// Used where a packet is built or inspected without a dataset (tests, tools); the datasets
// themselves stream through TDataPacketWriter and TDataPacketReader.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/db/DataPacketFormat.h"

struct TPacketRow;
using TPacketRows = std::vector<TPacketRow>;

// One cell: null, an integer, a double (floats; date-times as the stored millisecond count),
// bytes (strings, memos, other kinds as stored) or the rows of a nested table.
using TPacketValue = std::variant<std::monostate, int64_t, double, std::string, TPacketRows>;

struct TPacketRow {
    uint8_t Status = 0;
    std::vector<TPacketValue> Values;

    bool operator==(const TPacketRow&) const = default;
};

struct TDataPacket {
    TPacketMetadata Metadata;
    TPacketRows Rows;  // every row of the file, deleted ones included, in file order

    bool operator==(const TDataPacket&) const = default;
};

// The packet bytes of a packet; rows whose status says "not written" are left out.
std::string EncodeDataPacket(const TDataPacket& packet);
// The packet held in the bytes; raises EDataPacketError when they are not a valid packet.
TDataPacket DecodeDataPacket(std::string_view bytes);
