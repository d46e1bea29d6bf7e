#pragma once
// Reads a data packet from memory: the header and the column descriptors at construction (every
// rule of the format is checked there), then the rows value by value in file order. Every count
// and length from the file is checked against the bytes left before it is used, and a failure
// raises EDataPacketError naming the byte offset.
//
//   TDataPacketReader r(bytes);
//   for (uint32_t i = 0; i < r.RowCount(); ++i) {
//       uint8_t status = r.BeginRow();
//       if (r.NextNull()) ... else name = r.ReadText();
//       uint32_t n = r.BeginNested(); for (...) { r.BeginRow(); ...; r.EndRow(); } r.EndNested();
//       r.EndRow();
//   }
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/db/DataPacketFormat.h"

struct TPacketHeader {
    uint16_t MajorVersion = 0;
    uint16_t MinorVersion = 0;
    uint32_t HeaderSize = 0;
    uint16_t ColumnCount = 0;
    uint32_t RowCount = 0;
    uint32_t Flags = 0;
    uint16_t FirstRowOffset = 0;
};

class TDataPacketReader {
public:
    // The bytes must outlive the reader, which points into them and into its own metadata.
    explicit TDataPacketReader(std::string_view bytes);
    TDataPacketReader(const TDataPacketReader&) = delete;
    TDataPacketReader& operator=(const TDataPacketReader&) = delete;

    const TPacketHeader& Header() const { return FHeader; }
    const TPacketMetadata& Metadata() const { return FMetadata; }
    // Rows of the top-level table.
    uint32_t RowCount() const { return FHeader.RowCount; }

    // Starts the next row of the current table and returns its status byte.
    uint8_t BeginRow();
    void EndRow();
    static bool IsLive(uint8_t status) { return !(status & DataPacket::StatusDeadMask); }

    // The column whose value comes next.
    const TPacketColumn& Column() const;
    // When the next column has no value, steps over it and answers true.
    bool NextNull();
    // The value of the next column, which must have one and suit the call.
    int64_t ReadInt();
    double ReadFloat();
    double ReadDateTime();       // days since 30 December 1899, to the millisecond
    double ReadDateTimeMSecs();  // the stored count, rounded to a whole millisecond
    // Strings, memos and other varying kinds; a string of one zero byte reads as empty.
    std::string_view ReadText();
    std::string_view ReadRaw();  // a fixed-size value as stored
    // A nested-table column: answers its row count (0 for a null or negative count); read that
    // many rows, then EndNested.
    uint32_t BeginNested();
    void EndNested();
    // Steps over the next value whatever its kind, nested rows included.
    void SkipValue();

    // Offset of the next byte to read.
    size_t Offset() const { return FPos; }

private:
    struct TFrame {
        const std::vector<TPacketColumn>* Columns;
        uint32_t RowsLeft;
        bool InRow;
        size_t Column;
        size_t StateOffset;
    };

    [[noreturn]] void Fail(size_t offset, const std::string& what) const;
    void Need(size_t bytes) const;
    template <typename T>
    T Get();
    std::string_view GetBytes(size_t size);
    void ReadHeader();
    void ReadDescriptor(TPacketColumn& column, size_t& descriptors, size_t& tables);
    void ReadProperties(std::vector<TPacketProperty>& properties);
    const TPacketColumn& NextColumn(DataPacket::TValueKind kind);
    uint32_t CheckRowCount(int64_t count, size_t columns);

    std::string_view FBytes;
    size_t FPos = 0;
    TPacketHeader FHeader;
    TPacketMetadata FMetadata;
    std::vector<TFrame> FFrames;
};
