#include "platform/db/DataPacket.h"

#include "platform/db/DataPacketReader.h"
#include "platform/db/DataPacketWriter.h"

using namespace DataPacket;

static void WriteRows(TDataPacketWriter& w, const std::vector<TPacketColumn>& columns,
                      const TPacketRows& rows) {
    for (const TPacketRow& row : rows) {
        if (row.Status & StatusNotWritten) continue;
        if (row.Values.size() != columns.size())
            throw EWriteError("Row has " + std::to_string(row.Values.size()) + " values for " +
                              std::to_string(columns.size()) + " columns");
        w.BeginRow(row.Status);
        for (size_t j = 0; j < columns.size(); ++j) {
            const TPacketColumn& c = columns[j];
            const TPacketValue& v = row.Values[j];
            if (c.IsNested()) {
                w.BeginNested();
                if (const auto* nested = std::get_if<TPacketRows>(&v))
                    WriteRows(w, c.Columns, *nested);
                w.EndNested();
                continue;
            }
            if (std::holds_alternative<std::monostate>(v)) {
                w.WriteNull();
                continue;
            }
            bool fits = false;
            switch (ValueKindOf(c.TypeWord)) {
                case TValueKind::Int:
                    if ((fits = std::holds_alternative<int64_t>(v)))
                        w.WriteInt(std::get<int64_t>(v));
                    break;
                case TValueKind::Float:
                    if ((fits = std::holds_alternative<double>(v)))
                        w.WriteFloat(std::get<double>(v));
                    break;
                case TValueKind::DateTime:
                    if ((fits = std::holds_alternative<double>(v)))
                        w.WriteDateTimeMSecs(std::get<double>(v));
                    break;
                case TValueKind::Text:
                    if ((fits = std::holds_alternative<std::string>(v)))
                        w.WriteText(std::get<std::string>(v));
                    break;
                case TValueKind::Raw:
                    if ((fits = std::holds_alternative<std::string>(v)))
                        w.WriteRaw(std::get<std::string>(v));
                    break;
                case TValueKind::Nested:
                    break;
            }
            if (!fits) throw EWriteError("Value of column " + c.Name + " does not fit its type");
        }
        w.EndRow();
    }
}

std::string EncodeDataPacket(const TDataPacket& packet) {
    TDataPacketWriter w(packet.Metadata);
    WriteRows(w, packet.Metadata.Columns, packet.Rows);
    return w.Finish();
}

static TPacketRows ReadRows(TDataPacketReader& r, const std::vector<TPacketColumn>& columns,
                            uint32_t count) {
    TPacketRows rows;
    rows.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        TPacketRow& row = rows.emplace_back();
        row.Status = r.BeginRow();
        row.Values.reserve(columns.size());
        for (const TPacketColumn& c : columns) {
            if (c.IsNested()) {
                const uint32_t n = r.BeginNested();
                row.Values.emplace_back(ReadRows(r, c.Columns, n));
                r.EndNested();
            } else if (r.NextNull()) {
                row.Values.emplace_back();
            } else {
                switch (ValueKindOf(c.TypeWord)) {
                    case TValueKind::Int:
                        row.Values.emplace_back(r.ReadInt());
                        break;
                    case TValueKind::Float:
                        row.Values.emplace_back(r.ReadFloat());
                        break;
                    case TValueKind::DateTime:
                        row.Values.emplace_back(r.ReadDateTimeMSecs());
                        break;
                    case TValueKind::Text:
                        row.Values.emplace_back(std::string(r.ReadText()));
                        break;
                    default:
                        row.Values.emplace_back(std::string(r.ReadRaw()));
                        break;
                }
            }
        }
        r.EndRow();
    }
    return rows;
}

TDataPacket DecodeDataPacket(std::string_view bytes) {
    TDataPacketReader r(bytes);
    TDataPacket packet;
    packet.Metadata = r.Metadata();
    packet.Rows = ReadRows(r, packet.Metadata.Columns, r.RowCount());
    return packet;
}
