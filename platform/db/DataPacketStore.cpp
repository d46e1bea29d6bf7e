#include "platform/db/DataPacketStore.h"

#include <string_view>
#include <vector>

#include "platform/db/DataPacketReader.h"
#include "platform/db/DataPacketWriter.h"
#include "platform/db/RecordStore.h"
#include "platform/rtl/Cp1252.h"

using namespace DataPacket;

namespace {

// Properties the writer builds from the layout or that describe state the store does not keep.
bool IsKnownColumnProperty(const std::string& name) {
    for (const char* known : {"WIDTH", "SUBTYPE", "DECIMALS", "CALCULATED"})
        if (SamePropertyName(name, known)) return true;
    return false;
}

bool IsKnownTableProperty(const std::string& name) {
    for (const char* known : {"DEFAULT_ORDER", "PRIMARY_KEY", "UNIQUE_KEY", "CHANGE_LOG",
                              "AUTOINCVALUE", "MD_FIELDLINKS"})
        if (SamePropertyName(name, known)) return true;
    return false;
}

void KeepUnknown(std::vector<TPacketProperty>& into, const std::vector<TPacketProperty>& from,
                 bool (*known)(const std::string&)) {
    for (const auto& p : from)
        if (!known(p.Name)) into.push_back(p);
}

const TPacketColumn* FindKeptColumn(const std::vector<TPacketColumn>* kept,
                                    const std::string& name) {
    if (!kept) return nullptr;
    for (const auto& c : *kept)
        if (SamePropertyName(c.Name, name)) return &c;
    return nullptr;
}

std::vector<TPacketColumn> ColumnsOf(const TTableLayout& layout,
                                     const std::vector<TPacketColumn>* kept) {
    std::vector<TPacketColumn> columns;
    columns.reserve(layout.Columns.size());
    for (const TColumnLayout& c : layout.Columns) {
        const uint16_t attributes = c.Required ? AttrRequired : 0;
        const TPacketColumn* old = FindKeptColumn(kept, c.Name);
        switch (c.DataType) {
            case ftString:
                columns.push_back(StringPacketColumn(c.Name, c.Size, attributes));
                break;
            case ftSmallint:
                columns.push_back(Int16PacketColumn(c.Name, attributes));
                break;
            case ftInteger:
                columns.push_back(Int32PacketColumn(c.Name, attributes));
                break;
            case ftFloat:
                columns.push_back(FloatPacketColumn(c.Name, attributes));
                break;
            case ftDateTime:
                columns.push_back(DateTimePacketColumn(c.Name, attributes));
                break;
            case ftMemo:
                columns.push_back(MemoPacketColumn(c.Name, attributes));
                break;
            case ftDataSet:
                columns.push_back(NestedPacketColumn(
                    c.Name, ColumnsOf(*c.Child, old ? &old->Columns : nullptr), attributes));
                if (old)
                    KeepUnknown(columns.back().TableProperties, old->TableProperties,
                                IsKnownTableProperty);
                break;
            default:
                throw EWriteError("Field " + c.Name + " cannot be stored in a data packet");
        }
        if (old) KeepUnknown(columns.back().Properties, old->Properties, IsKnownColumnProperty);
    }
    return columns;
}

// ---- writing

// An upper bound of the bytes the rows of a store take in a packet, so that the writer's buffer
// grows once instead of doubling (and copying) its way up to a results database's size.
size_t PacketBytesBound(const TRecordStore& store) {
    const TTableLayout& layout = store.Layout();
    const int columns = store.ColumnCount();
    size_t perRow = 1 + (size_t(columns) + 3) / 4;  // status byte and the row's state bits
    std::vector<int> texts, nested;
    for (int j = 0; j < columns; ++j) {
        switch (layout.Columns[j].DataType) {
            case ftString:
            case ftMemo:
                perRow += 4;  // the length
                texts.push_back(j);
                break;
            case ftDataSet:
                perRow += 4;  // the row count
                nested.push_back(j);
                break;
            case ftSmallint:
                perRow += 2;
                break;
            case ftInteger:
                perRow += 4;
                break;
            default:
                perRow += 8;
                break;
        }
    }
    size_t bytes = size_t(store.RecordCount()) * perRow;
    if (!texts.empty() || !nested.empty())
        store.ForEachRecord([&](TRecordId id) {
            // Cp1252 never takes more bytes than the UTF-8 text.
            for (int j : texts)
                if (!store.IsNull(id, j)) bytes += store.TextAt(id, j).size();
            for (int j : nested)
                if (const TRecordStore* child = store.FindChild(id, j))
                    bytes += PacketBytesBound(*child);
        });
    return bytes;
}

void WriteRecords(TDataPacketWriter& w, const TRecordStore& store, std::string& text) {
    const TTableLayout& layout = store.Layout();
    const int columns = store.ColumnCount();
    store.ForEachRecord([&](TRecordId id) {
        w.BeginRow();
        for (int j = 0; j < columns; ++j) {
            const TColumnLayout& c = layout.Columns[j];
            if (c.DataType == ftDataSet) {
                w.BeginNested();
                if (const TRecordStore* child = store.FindChild(id, j))
                    WriteRecords(w, *child, text);
                w.EndNested();
                continue;
            }
            if (store.IsNull(id, j)) {
                w.WriteNull();
                continue;
            }
            switch (c.DataType) {
                case ftString:
                case ftMemo:
                    text.clear();
                    if (!Utf8ToCp1252(store.TextAt(id, j), text))
                        throw EWriteError("Field " + c.Name + " holds text that cannot be stored");
                    w.WriteText(text);
                    break;
                case ftSmallint:
                case ftInteger:
                    w.WriteInt(store.IntAt(id, j));
                    break;
                case ftFloat:
                    w.WriteFloat(store.FloatAt(id, j));
                    break;
                case ftDateTime:
                    w.WriteDateTime(store.FloatAt(id, j));
                    break;
                default:
                    throw EWriteError("Value of field " + c.Name +
                                      " cannot be stored in a data packet");
            }
        }
        w.EndRow();
    });
}

// ---- reading

bool Matches(TFieldType type, uint32_t typeWord) {
    switch (type) {
        case ftString:
            return (typeWord & VaryingBit) && TypeCode(typeWord) == 9 && TypeSize(typeWord) <= 2;
        case ftMemo:
            return typeWord == TypeMemo;
        case ftSmallint:
            return typeWord == TypeInt16;
        case ftInteger:
            return typeWord == TypeInt32;
        case ftFloat:
            return typeWord == TypeFloat;
        case ftDateTime:
            return typeWord == TypeDateTime;
        case ftDataSet:
            return IsNested(typeWord);
        default:
            return false;
    }
}

void CheckColumns(const TTableLayout& layout, const std::vector<TPacketColumn>& columns,
                  const std::string& table) {
    if (columns.size() != layout.Columns.size())
        throw EDataPacketError("The data packet's table " + table + " has " +
                               std::to_string(columns.size()) + " columns instead of " +
                               std::to_string(layout.Columns.size()));
    for (size_t j = 0; j < columns.size(); ++j) {
        const TColumnLayout& c = layout.Columns[j];
        if (!SamePropertyName(columns[j].Name, c.Name) || !Matches(c.DataType, columns[j].TypeWord))
            throw EDataPacketError("Column " + columns[j].Name +
                                   " of the data packet does not match field " + c.Name);
        if (c.DataType == ftDataSet) CheckColumns(*c.Child, columns[j].Columns, c.Name);
    }
}

bool IsAscii(std::string_view text) {
    for (const char ch : text)
        if (static_cast<unsigned char>(ch) >= 0x80) return false;
    return true;
}

// Reads `count` rows into the store: each value goes from the packet straight into its slot.
void ReadRecords(TDataPacketReader& r, uint32_t count, TRecordStore& store) {
    const TTableLayout& layout = store.Layout();
    const int columns = store.ColumnCount();
    store.ReserveRecords(int(count));
    for (uint32_t i = 0; i < count; ++i) {
        if (!TDataPacketReader::IsLive(r.BeginRow())) {
            for (int j = 0; j < columns; ++j) r.SkipValue();
            r.EndRow();
            continue;
        }
        const TRecordId id = store.AppendNullUnindexed();
        for (int j = 0; j < columns; ++j) {
            const TColumnLayout& c = layout.Columns[j];
            if (c.DataType == ftDataSet) {
                const uint32_t n = r.BeginNested();
                if (n > 0) ReadRecords(r, n, store.Child(id, j));
                r.EndNested();
                continue;
            }
            if (r.NextNull()) continue;
            switch (c.DataType) {
                case ftString:
                case ftMemo: {
                    // ASCII reads the same in both encodings and needs no conversion.
                    const std::string_view text = r.ReadText();
                    if (IsAscii(text))
                        store.LoadText(id, j, text);
                    else
                        store.LoadText(id, j, Cp1252ToUtf8(text));
                    break;
                }
                case ftSmallint:
                case ftInteger:
                    store.LoadInt(id, j, int32_t(r.ReadInt()));
                    break;
                case ftFloat:
                    store.LoadFloat(id, j, r.ReadFloat());
                    break;
                case ftDateTime:
                    store.LoadFloat(id, j, r.ReadDateTime());
                    break;
                default:
                    r.SkipValue();
                    break;
            }
        }
        r.EndRow();
    }
    // The indexes are built once the table is complete: one sort per index (none for rows that
    // came in index order) instead of a search per row.
    store.BuildIndexes();
}

}  // namespace

TPacketMetadata PacketMetadataOf(const TTableLayout& layout, const TPacketMetadata* kept) {
    TPacketMetadata m;
    m.Columns = ColumnsOf(layout, kept ? &kept->Columns : nullptr);
    if (kept) KeepUnknown(m.TableProperties, kept->TableProperties, IsKnownTableProperty);
    return m;
}

std::string EncodeStorePacket(const TRecordStore& store, const TPacketMetadata& metadata) {
    TDataPacketWriter w(metadata);
    w.Reserve(PacketBytesBound(store) + (1 << 16));  // the rows and the descriptors
    std::string text;
    WriteRecords(w, store, text);
    return w.Finish();
}

TPacketMetadata DecodeStorePacket(std::string_view bytes, TRecordStore& store) {
    TDataPacketReader r(bytes);
    CheckColumns(store.Layout(), r.Metadata().Columns, "");
    ReadRecords(r, r.RowCount(), store);
    return r.Metadata();
}
