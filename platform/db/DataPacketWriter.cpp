#include "platform/db/DataPacketWriter.h"

#include <bit>
#include <cassert>
#include <cstring>

using namespace DataPacket;

// The file is little-endian, as is every machine this program builds for.
static_assert(std::endian::native == std::endian::little);

template <typename T>
void TDataPacketWriter::Put(T value) {
    PutBytes(&value, sizeof value);
}

template <typename T>
void TDataPacketWriter::Patch(size_t offset, T value) {
    std::memcpy(FBytes.data() + offset, &value, sizeof value);
}

static bool HasObjectColumn(const std::vector<TPacketColumn>& columns) {
    for (const auto& c : columns) {
        const uint32_t code = TypeCode(c.TypeWord);
        if ((code >= 12 && code <= 18) || HasObjectColumn(c.Columns)) return true;
    }
    return false;
}

TDataPacketWriter::TDataPacketWriter(const TPacketMetadata& metadata) {
    const size_t descriptors = DescriptorCount(metadata.Columns);
    if (descriptors > MaxColumns)
        throw EWriteError("Too many columns in data packet: " + std::to_string(descriptors));

    // Header with row count 0 and flags 1; both are completed by Finish.
    Put<uint32_t>(Magic);
    Put<uint16_t>(HasObjectColumn(metadata.Columns) ? 2 : 1);
    Put<uint16_t>(0);
    Put<uint32_t>(HeaderSize);
    Put<uint16_t>(uint16_t(descriptors));
    Put<uint32_t>(0);
    Put<uint32_t>(FlagPacket);
    Put<uint16_t>(0);

    size_t tables = 1;
    for (const auto& column : metadata.Columns) WriteDescriptor(column, tables);
    WriteProperties(metadata.TableProperties);

    if (FBytes.size() <= 0xFFFF) {
        Patch<uint32_t>(18, FlagPacket | FlagRowOffset);
        Patch<uint16_t>(22, uint16_t(FBytes.size()));
    }
    FFrames.push_back({&metadata.Columns, 14, 0, false, 0, 0});
}

void TDataPacketWriter::WriteDescriptor(const TPacketColumn& column, size_t& tables) {
    if (column.Name.empty() || column.Name.size() > MaxNameLength)
        throw EWriteError("Fieldname " + column.Name + " exceeds " + std::to_string(MaxNameLength) +
                          " chars");
    if (TypeCode(column.TypeWord) > 18)
        throw EWriteError("Invalid field type of column " + column.Name);
    Put<uint8_t>(uint8_t(column.Name.size()));
    PutBytes(column.Name.data(), column.Name.size());
    Put<uint32_t>(column.TypeWord);
    Put<uint16_t>(column.Attributes);
    WriteProperties(column.Properties);
    if (column.IsNested()) {
        assert(TypeSize(column.TypeWord) == DescendantCount(column) &&
               "a nested descriptor's size counts its descriptors");
        if (++tables > MaxTables) throw EWriteError("Too many nested tables in data packet");
        for (const auto& child : column.Columns) WriteDescriptor(child, tables);
        WriteProperties(column.TableProperties);
    }
}

void TDataPacketWriter::WriteProperties(const std::vector<TPacketProperty>& properties) {
    Put<uint16_t>(uint16_t(properties.size()));
    for (const auto& p : properties) {
        Put<uint8_t>(uint8_t(p.Name.size()));
        PutBytes(p.Name.data(), p.Name.size());
        Put<uint32_t>(p.TypeWord);
        PutBytes(p.Value.data(), p.Value.size());
    }
}

void TDataPacketWriter::BeginRow(uint8_t status) {
    TFrame& f = FFrames.back();
    assert(!f.InRow && "EndRow the previous row first");
    assert(!(status & StatusNotWritten) && "such rows are left out of the packet");
    f.InRow = true;
    f.Column = 0;
    Put<uint8_t>(status);
    f.StateOffset = FBytes.size();
    FBytes.append((f.Columns->size() + 3) / 4, '\0');
}

void TDataPacketWriter::EndRow() {
    TFrame& f = FFrames.back();
    assert(f.InRow && f.Column == f.Columns->size() && "every column needs a value");
    f.InRow = false;
    ++f.Rows;
}

const TPacketColumn& TDataPacketWriter::TakeColumn() {
    TFrame& f = FFrames.back();
    assert(f.InRow && f.Column < f.Columns->size() && "no column left in this row");
    return (*f.Columns)[f.Column++];
}

const TPacketColumn& TDataPacketWriter::NextColumn(TValueKind kind) {
    const TPacketColumn& column = TakeColumn();
    (void)kind;
    assert(ValueKindOf(column.TypeWord) == kind && "value does not suit the column's kind");
    return column;
}

void TDataPacketWriter::SetNull(TFrame& f) {
    const size_t j = f.Column - 1;
    FBytes[f.StateOffset + j / 4] |= char(1 << (2 * (j % 4)));
}

void TDataPacketWriter::WriteNull() {
    TakeColumn();
    SetNull(FFrames.back());
}

void TDataPacketWriter::WriteInt(int64_t value) {
    const TPacketColumn& c = NextColumn(TValueKind::Int);
    switch (TypeSize(c.TypeWord)) {
        case 1:
            Put<int8_t>(int8_t(value));
            break;
        case 2:
            Put<int16_t>(int16_t(value));
            break;
        case 4:
            Put<int32_t>(int32_t(value));
            break;
        default:
            Put<int64_t>(value);
            break;
    }
}

void TDataPacketWriter::WriteFloat(double value) {
    NextColumn(TValueKind::Float);
    Put<double>(value);
}

void TDataPacketWriter::WriteDateTime(double dateTime) {
    NextColumn(TValueKind::DateTime);
    Put<double>(DateTimeToPacketMSecs(dateTime));
}

void TDataPacketWriter::WriteDateTimeMSecs(double msecs) {
    NextColumn(TValueKind::DateTime);
    Put<double>(msecs);
}

void TDataPacketWriter::WriteText(std::string_view bytes) {
    const TPacketColumn& c = NextColumn(TValueKind::Text);
    const uint32_t prefix = TypeSize(c.TypeWord);
    if (bytes.empty()) {
        // A blob without content is no value at all; an empty short string keeps one zero byte.
        if (prefix == 4) return SetNull(FFrames.back());
        bytes = std::string_view("\0", 1);
    }
    const uint64_t limit = prefix == 1 ? 0xFF : prefix == 2 ? 0xFFFF : 0xFFFFFFFF;
    if (bytes.size() > limit)
        throw EWriteError("Value of column " + c.Name + " is too long for the data packet");
    switch (prefix) {
        case 1:
            Put<uint8_t>(uint8_t(bytes.size()));
            break;
        case 2:
            Put<uint16_t>(uint16_t(bytes.size()));
            break;
        default:
            Put<uint32_t>(uint32_t(bytes.size()));
            break;
    }
    PutBytes(bytes.data(), bytes.size());
}

void TDataPacketWriter::WriteRaw(std::string_view bytes) {
    const TPacketColumn& c = TakeColumn();
    if (c.IsNested() || (c.TypeWord & VaryingBit) || bytes.size() != TypeSize(c.TypeWord))
        throw EWriteError("Value of column " + c.Name + " does not fit its type");
    PutBytes(bytes.data(), bytes.size());
}

void TDataPacketWriter::BeginNested() {
    const TPacketColumn& c = NextColumn(TValueKind::Nested);
    const size_t countOffset = FBytes.size();
    Put<uint32_t>(0);
    FFrames.push_back({&c.Columns, countOffset, 0, false, 0, 0});
}

void TDataPacketWriter::EndNested() {
    assert(FFrames.size() > 1 && !FFrames.back().InRow && "EndNested without BeginNested");
    Patch<uint32_t>(FFrames.back().CountOffset, FFrames.back().Rows);
    FFrames.pop_back();
}

std::string TDataPacketWriter::Finish() {
    assert(FFrames.size() == 1 && !FFrames.back().InRow && "rows left open");
    Patch<uint32_t>(14, FFrames.back().Rows);
    FFrames.clear();
    return std::move(FBytes);
}
