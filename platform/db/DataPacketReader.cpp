#include "platform/db/DataPacketReader.h"

#include <bit>
#include <cassert>
#include <cmath>
#include <cstring>

using namespace DataPacket;

static_assert(std::endian::native == std::endian::little);

void TDataPacketReader::Fail(size_t offset, const std::string& what) const {
    throw EDataPacketError("Invalid data packet at byte " + std::to_string(offset) + ": " + what);
}

void TDataPacketReader::Need(size_t bytes) const {
    if (bytes > FBytes.size() - FPos) Fail(FPos, "unexpected end of data");
}

template <typename T>
T TDataPacketReader::Get() {
    Need(sizeof(T));
    T value;
    std::memcpy(&value, FBytes.data() + FPos, sizeof value);
    FPos += sizeof value;
    return value;
}

std::string_view TDataPacketReader::GetBytes(size_t size) {
    Need(size);
    std::string_view bytes = FBytes.substr(FPos, size);
    FPos += size;
    return bytes;
}

TDataPacketReader::TDataPacketReader(std::string_view bytes) : FBytes(bytes) {
    ReadHeader();

    // The descriptors: top-level columns until the header's count is used up, each followed by
    // the columns of its nested table; then the top-level table properties.
    size_t descriptors = 0, tables = 1;
    while (descriptors < FHeader.ColumnCount) {
        FMetadata.Columns.emplace_back();
        ReadDescriptor(FMetadata.Columns.back(), descriptors, tables);
    }
    if (descriptors != FHeader.ColumnCount)
        Fail(FPos, "column count " + std::to_string(FHeader.ColumnCount) +
                       " does not match the descriptors");
    ReadProperties(FMetadata.TableProperties);

    if (FHeader.Flags & FlagRowOffset) {
        if (FHeader.FirstRowOffset < FPos || FHeader.FirstRowOffset > FBytes.size())
            Fail(22, "first-row offset " + std::to_string(FHeader.FirstRowOffset) +
                         " outside the row data");
        FPos = FHeader.FirstRowOffset;
    }
    FFrames.push_back({&FMetadata.Columns,
                       CheckRowCount(FHeader.RowCount, FMetadata.Columns.size()), false, 0, 0});
}

void TDataPacketReader::ReadHeader() {
    if (FBytes.empty()) Fail(0, "the file is empty");
    if (FBytes.size() < HeaderSize || Get<uint32_t>() != Magic) Fail(0, "not a binary data packet");
    FHeader.MajorVersion = Get<uint16_t>();
    FHeader.MinorVersion = Get<uint16_t>();
    if (FHeader.MajorVersion > MaxVersion || FHeader.MinorVersion > MaxVersion)
        Fail(4, "unsupported version " + std::to_string(FHeader.MajorVersion) + "." +
                    std::to_string(FHeader.MinorVersion));
    FHeader.HeaderSize = Get<uint32_t>();
    FHeader.ColumnCount = Get<uint16_t>();
    FHeader.RowCount = Get<uint32_t>();
    FHeader.Flags = Get<uint32_t>();
    FHeader.FirstRowOffset = Get<uint16_t>();
    if (!(FHeader.Flags & FlagPacket)) Fail(18, "flags without the packet bit");
    if (FHeader.HeaderSize < HeaderSize || FHeader.HeaderSize > FBytes.size())
        Fail(8, "header size " + std::to_string(FHeader.HeaderSize));
    FPos = FHeader.HeaderSize;
}

void TDataPacketReader::ReadDescriptor(TPacketColumn& column, size_t& descriptors, size_t& tables) {
    const size_t start = FPos;
    ++descriptors;
    const uint8_t length = Get<uint8_t>();
    if (length == 0) Fail(start, "empty column name");
    column.Name = GetBytes(length).substr(0, MaxNameLength);
    const size_t typeOffset = FPos;
    column.TypeWord = Get<uint32_t>();
    const uint32_t size = TypeSize(column.TypeWord);
    if (column.TypeWord & ArrayBit) Fail(typeOffset, "array column " + column.Name);
    if ((column.TypeWord & StructMask) && !column.IsNested())
        Fail(typeOffset, "unsupported column type of " + column.Name);
    if (!column.IsNested()) {
        if (TypeCode(column.TypeWord) > 18 || size == 0 ||
            ((column.TypeWord & VaryingBit) && size != 1 && size != 2 && size != 4))
            Fail(typeOffset, "invalid column type of " + column.Name);
    }
    column.Attributes = Get<uint16_t>();
    ReadProperties(column.Properties);
    if (!column.IsNested()) return;

    if (++tables > MaxTables) Fail(start, "too many nested tables");
    // The size field counts the descriptors that belong to the nested table, its own nested
    // tables' columns included.
    const size_t end = descriptors + size;
    if (end > FHeader.ColumnCount) Fail(typeOffset, "nested table " + column.Name + " too large");
    while (descriptors < end) {
        column.Columns.emplace_back();
        ReadDescriptor(column.Columns.back(), descriptors, tables);
    }
    if (descriptors != end) Fail(FPos, "nested table " + column.Name + " overruns its size");
    ReadProperties(column.TableProperties);
}

void TDataPacketReader::ReadProperties(std::vector<TPacketProperty>& properties) {
    const uint16_t count = Get<uint16_t>();
    for (uint16_t i = 0; i < count; ++i) {
        TPacketProperty p;
        const uint8_t length = Get<uint8_t>();
        p.Name = GetBytes(length);
        p.TypeWord = Get<uint32_t>();
        const size_t valueStart = FPos;
        const uint32_t size = TypeSize(p.TypeWord);
        if (p.TypeWord & ArrayBit) {
            const uint32_t n = Get<uint32_t>();
            GetBytes(size_t(n) * size);  // at most 2^48, checked against the bytes left
        } else if (p.TypeWord & VaryingBit) {
            uint32_t n = 0;
            switch (size) {
                case 1:
                    n = Get<uint8_t>();
                    break;
                case 2:
                    n = Get<uint16_t>();
                    break;
                case 4:
                    n = Get<uint32_t>();
                    break;
                default:
                    Fail(valueStart - 4, "invalid type of property " + p.Name);
            }
            GetBytes(n);
        } else {
            GetBytes(size);
        }
        p.Value = FBytes.substr(valueStart, FPos - valueStart);
        properties.push_back(std::move(p));
    }
}

uint32_t TDataPacketReader::CheckRowCount(int64_t count, size_t columns) {
    // A row takes its status byte and its state bytes at the least, so a count the remaining
    // bytes cannot hold is a damaged file, refused before anything is sized by it.
    const size_t minimum = 1 + (columns + 3) / 4;
    if (count < 0) return 0;
    if (uint64_t(count) > (FBytes.size() - FPos) / minimum)
        Fail(FPos, "row count " + std::to_string(count) + " beyond the end of data");
    return uint32_t(count);
}

uint8_t TDataPacketReader::BeginRow() {
    TFrame& f = FFrames.back();
    assert(!f.InRow && f.RowsLeft > 0 && "no row left in this table");
    --f.RowsLeft;
    f.InRow = true;
    f.Column = 0;
    const uint8_t status = Get<uint8_t>();
    f.StateOffset = FPos;
    GetBytes((f.Columns->size() + 3) / 4);
    return status;
}

void TDataPacketReader::EndRow() {
    TFrame& f = FFrames.back();
    assert(f.InRow && f.Column == f.Columns->size() && "columns left unread");
    f.InRow = false;
}

const TPacketColumn& TDataPacketReader::Column() const {
    const TFrame& f = FFrames.back();
    assert(f.InRow && f.Column < f.Columns->size());
    return (*f.Columns)[f.Column];
}

bool TDataPacketReader::NextNull() {
    TFrame& f = FFrames.back();
    assert(f.InRow && f.Column < f.Columns->size() && "no column left in this row");
    // Either state bit (null, or unchanged in a change log) means the row carries no value.
    const uint8_t state = uint8_t(FBytes[f.StateOffset + f.Column / 4]) >> (2 * (f.Column % 4));
    if (!(state & 3)) return false;
    ++f.Column;
    return true;
}

const TPacketColumn& TDataPacketReader::NextColumn(TValueKind kind) {
    TFrame& f = FFrames.back();
    assert(f.InRow && f.Column < f.Columns->size() && "no column left in this row");
    const TPacketColumn& column = (*f.Columns)[f.Column++];
    (void)kind;
    assert((kind == TValueKind::Raw || ValueKindOf(column.TypeWord) == kind) &&
           "value does not suit the column's kind");
    return column;
}

int64_t TDataPacketReader::ReadInt() {
    switch (TypeSize(NextColumn(TValueKind::Int).TypeWord)) {
        case 1:
            return Get<int8_t>();
        case 2:
            return Get<int16_t>();
        case 4:
            return Get<int32_t>();
        default:
            return Get<int64_t>();
    }
}

double TDataPacketReader::ReadFloat() {
    NextColumn(TValueKind::Float);
    return Get<double>();
}

double TDataPacketReader::ReadDateTimeMSecs() {
    NextColumn(TValueKind::DateTime);
    return std::nearbyint(Get<double>());
}

double TDataPacketReader::ReadDateTime() { return PacketMSecsToDateTime(ReadDateTimeMSecs()); }

std::string_view TDataPacketReader::ReadText() {
    const TPacketColumn& c = NextColumn(TValueKind::Text);
    uint32_t length;
    switch (TypeSize(c.TypeWord)) {
        case 1:
            length = Get<uint8_t>();
            break;
        case 2:
            length = Get<uint16_t>();
            break;
        default:
            length = Get<uint32_t>();
            break;
    }
    std::string_view text = GetBytes(length);
    if (TypeSize(c.TypeWord) < 4 && text == std::string_view("\0", 1)) return {};
    return text;
}

std::string_view TDataPacketReader::ReadRaw() {
    const TPacketColumn& c = NextColumn(TValueKind::Raw);
    assert(!c.IsNested() && !(c.TypeWord & VaryingBit));
    return GetBytes(TypeSize(c.TypeWord));
}

uint32_t TDataPacketReader::BeginNested() {
    const TFrame& outer = FFrames.back();
    const bool null = NextNull();
    const TPacketColumn& c = (*outer.Columns)[null ? outer.Column - 1 : outer.Column];
    assert(c.IsNested());
    uint32_t rows = 0;
    if (!null) {
        ++FFrames.back().Column;
        rows = CheckRowCount(Get<int32_t>(), c.Columns.size());
    }
    FFrames.push_back({&c.Columns, rows, false, 0, 0});
    return rows;
}

void TDataPacketReader::EndNested() {
    assert(FFrames.size() > 1 && FFrames.back().RowsLeft == 0 && !FFrames.back().InRow &&
           "nested rows left unread");
    FFrames.pop_back();
}

void TDataPacketReader::SkipValue() {
    const TPacketColumn& c = Column();
    if (c.IsNested()) {
        const uint32_t rows = BeginNested();
        for (uint32_t i = 0; i < rows; ++i) {
            BeginRow();
            for (size_t j = 0; j < c.Columns.size(); ++j) SkipValue();
            EndRow();
        }
        EndNested();
    } else if (!NextNull()) {
        if (c.TypeWord & VaryingBit)
            ReadText();
        else
            ReadRaw();
    }
}
