#include "platform/db/DataPacketStore.h"

#include <memory>
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

[[noreturn]] void CannotWrite(const TColumnLayout& c) {
    throw EWriteError("Value of field " + c.Name + " cannot be stored in a data packet");
}

double AsDouble(const TFieldValue& v, const TColumnLayout& c) {
    if (const auto* d = std::get_if<double>(&v)) return *d;
    if (const auto* i = std::get_if<int32_t>(&v)) return *i;
    CannotWrite(c);
}

void WriteRecords(TDataPacketWriter& w, const TRecordStore& store, std::string& text) {
    const TTableLayout& layout = store.Layout();
    const int columns = store.ColumnCount();
    store.ForEachRecord([&](TRecordId id) {
        const TFieldValue* values = store.Values(id);
        w.BeginRow();
        for (int j = 0; j < columns; ++j) {
            const TColumnLayout& c = layout.Columns[j];
            const TFieldValue& v = values[j];
            if (c.DataType == ftDataSet) {
                w.BeginNested();
                if (const TRecordStore* child = store.FindChild(id, j))
                    WriteRecords(w, *child, text);
                w.EndNested();
                continue;
            }
            if (IsNullValue(v)) {
                w.WriteNull();
                continue;
            }
            switch (c.DataType) {
                case ftString:
                case ftMemo: {
                    const auto* s = std::get_if<std::string>(&v);
                    if (!s) CannotWrite(c);
                    text.clear();
                    if (!Utf8ToCp1252(*s, text))
                        throw EWriteError("Field " + c.Name + " holds text that cannot be stored");
                    w.WriteText(text);
                    break;
                }
                case ftSmallint:
                case ftInteger:
                    if (const auto* i = std::get_if<int32_t>(&v))
                        w.WriteInt(*i);
                    else
                        CannotWrite(c);
                    break;
                case ftFloat:
                    w.WriteFloat(AsDouble(v, c));
                    break;
                case ftDateTime:
                    w.WriteDateTime(AsDouble(v, c));
                    break;
                default:
                    CannotWrite(c);
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

void ReadRecords(TDataPacketReader& r, uint32_t count, TRecordStore& store) {
    const TTableLayout& layout = store.Layout();
    const int columns = store.ColumnCount();
    // One value buffer for every row: the store moves the values out and leaves it for reuse.
    std::vector<TFieldValue> values(static_cast<size_t>(columns));
    std::vector<std::unique_ptr<TRecordStore>> children(size_t(layout.NestedCount()));
    store.ReserveRecords(int(count));
    for (uint32_t i = 0; i < count; ++i) {
        const bool live = TDataPacketReader::IsLive(r.BeginRow());
        for (auto& v : values) v = TFieldValue{};
        for (int j = 0; j < columns; ++j) {
            const TColumnLayout& c = layout.Columns[j];
            if (c.DataType == ftDataSet) {
                // Nested rows come before the parent's later values, so they are gathered in a
                // store of their own that the parent record takes over once it exists.
                auto& child = children[size_t(layout.NestedSlot(j))];
                if (!child || child->RecordCount() > 0)
                    child = std::make_unique<TRecordStore>(c.Child);
                const uint32_t n = r.BeginNested();
                ReadRecords(r, n, *child);
                r.EndNested();
                continue;
            }
            if (r.NextNull()) continue;
            switch (c.DataType) {
                case ftString:
                case ftMemo:
                    values[j] = Cp1252ToUtf8(r.ReadText());
                    break;
                case ftSmallint:
                case ftInteger:
                    values[j] = int32_t(r.ReadInt());
                    break;
                case ftFloat:
                    values[j] = r.ReadFloat();
                    break;
                case ftDateTime:
                    values[j] = r.ReadDateTime();
                    break;
                default:
                    r.SkipValue();
                    break;
            }
        }
        r.EndRow();
        if (!live) continue;
        const TRecordId id = store.AppendUnindexed(std::move(values));
        for (int j = 0; j < columns; ++j)
            if (layout.Columns[j].DataType == ftDataSet) {
                auto& child = children[size_t(layout.NestedSlot(j))];
                if (child->RecordCount() > 0) store.ReplaceChild(id, j, std::move(child));
            }
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
