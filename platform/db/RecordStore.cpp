#include "platform/db/RecordStore.h"

#include <cassert>

#include "platform/db/DBConsts.h"

int TTableLayout::NestedSlot(int column) const {
    if (Columns[column].DataType != ftDataSet) return -1;
    int slot = 0;
    for (int c = 0; c < column; ++c)
        if (Columns[c].DataType == ftDataSet) ++slot;
    return slot;
}

int TTableLayout::NestedCount() const {
    int n = 0;
    for (const TColumnLayout& c : Columns)
        if (c.DataType == ftDataSet) ++n;
    return n;
}

TRecordStore::TRecordStore(std::shared_ptr<const TTableLayout> layout)
    : FLayout(std::move(layout)),
      FColumnCount(static_cast<int>(FLayout->Columns.size())),
      FNestedCount(FLayout->NestedCount()),
      FSlots(FLayout->Columns.size()),
      FNullBytes(static_cast<uint32_t>((FColumnCount + 7) / 8)),
      FOrders(FLayout->Indexes.size() + 1) {
    uint32_t offset = FNullBytes;
    for (int c = 0; c < FColumnCount; ++c) {
        TSlot& slot = FSlots[c];
        slot.Offset = offset;
        switch (FLayout->Columns[c].DataType) {
            case ftSmallint:
            case ftInteger:
                slot.Kind = TSlotKind::Int;
                offset += sizeof(int32_t);
                break;
            case ftFloat:
            case ftDateTime:
                slot.Kind = TSlotKind::Float;
                offset += sizeof(double);
                break;
            case ftString:
            case ftMemo:
                slot.Kind = TSlotKind::Text;
                offset += TextSlotSize;
                break;
            default:  // nested columns keep their rows in child stores
                break;
        }
    }
    FStride = offset;
}

TRecordStore::TRecordStore(const TRecordStore& other)
    : FLayout(other.FLayout),
      FColumnCount(other.FColumnCount),
      FNestedCount(other.FNestedCount),
      FSlots(other.FSlots),
      FNullBytes(other.FNullBytes),
      FStride(other.FStride),
      FData(other.FData),
      FText(other.FText),
      FDeadText(other.FDeadText),
      FLive(other.FLive),
      FOrders(other.FOrders) {
    FChildren.reserve(other.FChildren.size());
    for (const auto& child : other.FChildren)
        FChildren.push_back(child ? std::make_unique<TRecordStore>(*child) : nullptr);
}

TRecordStore::~TRecordStore() = default;

// ---- values

TFieldValue TRecordStore::Value(TRecordId id, int column) const {
    assert(IsLive(id) && "value of a removed record");
    const uint8_t* row = Row(id);
    if (!HasValue(row, column)) return {};
    switch (FSlots[column].Kind) {
        case TSlotKind::Int:
            return Slot<int32_t>(row, column);
        case TSlotKind::Float:
            return Slot<double>(row, column);
        case TSlotKind::Text:
            return std::string(Text(row, column));
        default:
            return {};
    }
}

void TRecordStore::ReadValues(TRecordId id, std::vector<TFieldValue>& into) const {
    into.resize(static_cast<size_t>(FColumnCount));
    for (int c = 0; c < FColumnCount; ++c) into[c] = Value(id, c);
}

std::vector<TFieldValue> TRecordStore::Values(TRecordId id) const {
    std::vector<TFieldValue> values;
    ReadValues(id, values);
    return values;
}

void TRecordStore::CheckValues(const TFieldValue* values) const {
    for (int c = 0; c < FColumnCount; ++c) {
        const TFieldValue& v = values[c];
        if (IsNullValue(v)) continue;
        bool suits = true;
        switch (FSlots[c].Kind) {
            case TSlotKind::Int:
                suits = std::holds_alternative<int32_t>(v);
                break;
            case TSlotKind::Float:
                suits = !std::holds_alternative<std::string>(v);
                break;
            case TSlotKind::Text:
                suits = std::holds_alternative<std::string>(v);
                if (suits && std::get<std::string>(v).size() > UINT32_MAX)
                    throw EInvalidCast("Text of field " + FLayout->Columns[c].Name +
                                       " is too long");
                break;
            default:  // a nested column's value is ignored
                break;
        }
        if (!suits)
            throw EInvalidCast("Value of field " + FLayout->Columns[c].Name +
                               " does not suit its kind");
    }
}

// Writes checked values over a record's slots; the texts it held become dead.
void TRecordStore::WriteValues(TRecordId id, const TFieldValue* values) {
    DropTexts(id);
    std::memset(Row(id), 0, FStride);
    for (int c = 0; c < FColumnCount; ++c) {
        const TFieldValue& v = values[c];
        if (IsNullValue(v)) continue;
        switch (FSlots[c].Kind) {
            case TSlotKind::Int:
                LoadInt(id, c, std::get<int32_t>(v));
                break;
            case TSlotKind::Float:
                if (const auto* d = std::get_if<double>(&v))
                    LoadFloat(id, c, *d);
                else
                    LoadFloat(id, c, std::get<int32_t>(v));
                break;
            case TSlotKind::Text:
                LoadText(id, c, std::get<std::string>(v));
                break;
            default:
                break;
        }
    }
}

void TRecordStore::LoadText(TRecordId id, int column, std::string_view text) {
    assert(FSlots[column].Kind == TSlotKind::Text && "text for a column of another kind");
    if (text.size() > UINT32_MAX) throw EInvalidCast("Text too long for a field");
    const uint64_t start = FText.size();
    const uint32_t size = static_cast<uint32_t>(text.size());
    FText.append(text);
    uint8_t* row = Row(id);
    std::memcpy(row + FSlots[column].Offset, &start, sizeof start);
    std::memcpy(row + FSlots[column].Offset + sizeof start, &size, sizeof size);
    row[column >> 3] |= uint8_t(1u << (column & 7));
}

void TRecordStore::DropTexts(TRecordId id) {
    const uint8_t* row = Row(id);
    for (int c = 0; c < FColumnCount; ++c)
        if (FSlots[c].Kind == TSlotKind::Text && HasValue(row, c))
            FDeadText += ReadTextRef(row, c).Size;
}

// Edits and removals leave dead text behind; once it outweighs the live text the block is
// rewritten, so that a long editing session does not grow the store without end.
void TRecordStore::CompactText() {
    if (FDeadText < 4096 || FDeadText < FText.size() / 2) return;
    std::string live;
    live.reserve(FText.size() - FDeadText);
    for (TRecordId id = 0; id < IdLimit(); ++id) {
        if (!FLive[id]) continue;
        uint8_t* row = Row(id);
        for (int c = 0; c < FColumnCount; ++c) {
            if (FSlots[c].Kind != TSlotKind::Text || !HasValue(row, c)) continue;
            const TTextRef t = ReadTextRef(row, c);
            const uint64_t start = live.size();
            live.append(FText, t.Start, t.Size);
            std::memcpy(row + FSlots[c].Offset, &start, sizeof start);
        }
    }
    FText.swap(live);
    FDeadText = 0;
}

// ---- records

TRecordId TRecordStore::NewRecord() {
    const TRecordId id = IdLimit();
    FData.resize(FData.size() + FStride);  // zeroed: every value null
    FLive.push_back(1);
    FChildren.resize(FChildren.size() + FNestedCount);
    return id;
}

TRecordId TRecordStore::Add(const TFieldValue* values) {
    CheckValues(values);
    CheckUnique(values, NoRecord);
    const TRecordId id = NewRecord();
    WriteValues(id, values);
    Link(id);
    return id;
}

void TRecordStore::ReserveRecords(int count) {
    FData.reserve(FData.size() + static_cast<size_t>(count) * FStride);
    FLive.reserve(FLive.size() + count);
    FChildren.reserve(FChildren.size() + static_cast<size_t>(count) * FNestedCount);
}

TRecordId TRecordStore::AppendUnindexed(std::vector<TFieldValue>&& values) {
    assert(static_cast<int>(values.size()) == FColumnCount);
    CheckValues(values.data());
    const TRecordId id = NewRecord();
    WriteValues(id, values.data());
    return id;
}

TRecordId TRecordStore::AppendNullUnindexed() { return NewRecord(); }

void TRecordStore::Update(TRecordId id, const TFieldValue* values) {
    assert(IsLive(id));
    CheckValues(values);
    CheckUnique(values, id);
    Unlink(id);
    WriteValues(id, values);
    Link(id);
    CompactText();
}

void TRecordStore::Remove(TRecordId id) {
    assert(IsLive(id));
    Unlink(id);
    DropTexts(id);
    FLive[id] = 0;
    std::memset(Row(id), 0, FStride);
    for (int s = 0; s < FNestedCount; ++s)
        FChildren[static_cast<size_t>(id) * FNestedCount + s].reset();
    CompactText();
}

void TRecordStore::Clear() {
    FData.clear();
    FText.clear();
    FDeadText = 0;
    FLive.clear();
    FChildren.clear();
    for (TRecordIndex& order : FOrders) order.Clear();
}

// ---- child tables

TRecordStore& TRecordStore::Child(TRecordId id, int column) {
    assert(IsLive(id) && "child table of a removed record");
    const int slot = FLayout->NestedSlot(column);
    assert(slot >= 0 && "child table of a column that is not nested");
    auto& child = FChildren[static_cast<size_t>(id) * FNestedCount + slot];
    if (!child) child = std::make_unique<TRecordStore>(FLayout->Columns[column].Child);
    return *child;
}

const TRecordStore* TRecordStore::FindChild(TRecordId id, int column) const {
    const int slot = FLayout->NestedSlot(column);
    if (!IsLive(id) || slot < 0) return nullptr;
    return FChildren[static_cast<size_t>(id) * FNestedCount + slot].get();
}

void TRecordStore::ReplaceChild(TRecordId id, int column, std::unique_ptr<TRecordStore> child) {
    const int slot = FLayout->NestedSlot(column);
    assert(IsLive(id) && slot >= 0);
    FChildren[static_cast<size_t>(id) * FNestedCount + slot] = std::move(child);
}
