#pragma once
// Writes a data packet into memory: the header and the column descriptors at construction, then
// the rows value by value, nested rows inline. The caller walks its own records in insertion
// order, so the dataset's bulk store can be written without a copy into another model.
//
//   TDataPacketWriter w(metadata);
//   w.BeginRow(); w.WriteText(name); w.WriteNull(); w.BeginNested(); ... w.EndNested(); w.EndRow();
//   std::string bytes = w.Finish();
#include <string>
#include <string_view>
#include <vector>

#include "platform/db/DataPacketFormat.h"

class TDataPacketWriter {
public:
    // The metadata must outlive the writer, which walks its columns as the values come.
    explicit TDataPacketWriter(const TPacketMetadata& metadata);
    TDataPacketWriter(const TDataPacketWriter&) = delete;
    TDataPacketWriter& operator=(const TDataPacketWriter&) = delete;

    // Grows the buffer once when the caller knows the size to come.
    void Reserve(size_t bytes) { FBytes.reserve(bytes); }

    // A row of the table being written (the top-level table, or the nested table opened last).
    void BeginRow(uint8_t status = 0);
    void EndRow();

    // The value of the next column. The call must suit the column's kind (WriteText for strings,
    // memos and other varying kinds, WriteRaw for fixed kinds without a typed call).
    void WriteNull();
    void WriteInt(int64_t value);
    void WriteFloat(double value);
    void WriteDateTime(double dateTime);     // days since 30 December 1899
    void WriteDateTimeMSecs(double msecs);   // the stored millisecond count itself
    void WriteText(std::string_view bytes);  // an empty memo becomes null, an empty string "\0"
    void WriteRaw(std::string_view bytes);
    // A nested-table column: the rows written until EndNested belong to it.
    void BeginNested();
    void EndNested();

    // Completes the header and hands over the packet; the writer is spent afterwards.
    std::string Finish();

private:
    struct TFrame {
        const std::vector<TPacketColumn>* Columns;
        size_t CountOffset;  // where the row count of this table goes
        uint32_t Rows;
        bool InRow;
        size_t Column;       // next column of the current row
        size_t StateOffset;  // first state byte of the current row
    };

    const TPacketColumn& TakeColumn();
    const TPacketColumn& NextColumn(DataPacket::TValueKind kind);
    void WriteDescriptor(const TPacketColumn& column, size_t& tables);
    void WriteProperties(const std::vector<TPacketProperty>& properties);
    void SetNull(TFrame& frame);
    template <typename T>
    void Put(T value);
    void PutBytes(const void* data, size_t size) {
        FBytes.append(static_cast<const char*>(data), size);
    }
    template <typename T>
    void Patch(size_t offset, T value);

    std::string FBytes;
    std::vector<TFrame> FFrames;
};
