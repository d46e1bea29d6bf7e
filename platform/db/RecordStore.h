#pragma once
// The rows of one table in memory. Records are numbered by ids in the order they were added
// (the insertion order, which a file writer walks and a file reader restores); a removed record
// leaves its id unused. Each record holds one value per column and, for each nested-table column,
// a child store with the child rows, owned by the record. Every index of the layout is kept in
// order on each change, and unique indexes refuse a second record with the same key.
//
// Records are kept compact, because a results database holds millions of rows: each record is a
// fixed run of bytes (a bit per column telling whether it has a value, then a slot per column: 4
// bytes for an integer, 8 for a float or date-time, an offset and a length into the store's text
// block for a string or memo, nothing for a nested column). A row of seven floats and an integer
// takes 61 bytes. Values go in and out as TFieldValue; the typed readers below and the index
// comparisons read the slots directly.
//
// This is the low level under the client dataset: no states, no events, no field checks.
// A file reader fills a store directly (AppendNullUnindexed and the Load* writers, Child(...)),
// then lets the dataset resynchronise; a file writer reads it with ForEachRecord, the typed
// readers and FindChild.
#include <cassert>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/db/FieldValue.h"
#include "platform/db/RecordIndex.h"
#include "platform/db/TableLayout.h"

class TRecordStore {
public:
    explicit TRecordStore(std::shared_ptr<const TTableLayout> layout);
    // A deep copy, child tables included.
    TRecordStore(const TRecordStore& other);
    TRecordStore& operator=(const TRecordStore&) = delete;
    ~TRecordStore();

    const TTableLayout& Layout() const { return *FLayout; }
    const std::shared_ptr<const TTableLayout>& SharedLayout() const { return FLayout; }
    int ColumnCount() const { return FColumnCount; }
    int RecordCount() const { return FOrders[0].Count(); }

    // Records in insertion order: ids run from 0 to IdLimit() - 1, some of them removed.
    TRecordId IdLimit() const { return static_cast<TRecordId>(FLive.size()); }
    bool IsLive(TRecordId id) const { return id >= 0 && id < IdLimit() && FLive[id]; }
    template <typename F>
    void ForEachRecord(F f) const {
        for (TRecordId id = 0; id < IdLimit(); ++id)
            if (FLive[id]) f(id);
    }

    // A value of a live record (null for a nested column), and all of them in column order.
    TFieldValue Value(TRecordId id, int column) const;
    std::vector<TFieldValue> Values(TRecordId id) const;
    void ReadValues(TRecordId id, std::vector<TFieldValue>& into) const;
    // Typed reading without a TFieldValue: IsNull first; then the reader of the column's kind
    // (IntAt for small and plain integers, FloatAt for floats and date-times, TextAt for strings
    // and memos, a view valid until the store next changes).
    bool IsNull(TRecordId id, int column) const { return !HasValue(Row(id), column); }
    int32_t IntAt(TRecordId id, int column) const { return Slot<int32_t>(Row(id), column); }
    double FloatAt(TRecordId id, int column) const { return Slot<double>(Row(id), column); }
    std::string_view TextAt(TRecordId id, int column) const { return Text(Row(id), column); }

    // The child table of a nested column of a live record, created empty on first use.
    TRecordStore& Child(TRecordId id, int column);
    // The child table when it exists (none until first use).
    const TRecordStore* FindChild(TRecordId id, int column) const;
    // Puts a child table in place of the record's current one (restoring a copy taken before).
    void ReplaceChild(TRecordId id, int column, std::unique_ptr<TRecordStore> child);

    // Adds a record from ColumnCount() values (nested columns hold null) and returns its id.
    // Raises EDatabaseError "Key violation." when a unique index already holds its key, and
    // EInvalidCast for a value that does not suit its column (an integer column takes int32, a
    // float or date-time column int32 or double, a string or memo column a string); the store is
    // then unchanged. Both copy the values.
    TRecordId AppendRaw(std::vector<TFieldValue>&& values) { return Add(values.data()); }
    TRecordId Add(const TFieldValue* values);
    // Bulk loading: AppendUnindexed adds a record without its index entries (AppendNullUnindexed
    // one whose values are all null, for the Load* writers to fill); BuildIndexes then builds
    // every order at once (a sort, or none when the records came in order) and raises "Key
    // violation." when a unique index holds a key twice (the store is then cleared). Until
    // BuildIndexes, only these, Child and ReplaceChild may be used.
    TRecordId AppendUnindexed(std::vector<TFieldValue>&& values);
    TRecordId AppendNullUnindexed();
    void LoadInt(TRecordId id, int column, int32_t v) { Load(id, column, &v, sizeof v); }
    void LoadFloat(TRecordId id, int column, double v) { Load(id, column, &v, sizeof v); }
    void LoadText(TRecordId id, int column, std::string_view text);
    // Makes room for `count` more records.
    void ReserveRecords(int count);
    void BuildIndexes();
    // Rewrites a live record's values (children are kept), with the same checks as Add.
    void Update(TRecordId id, const TFieldValue* values);
    // Removes a live record and its child tables.
    void Remove(TRecordId id);
    void Clear();

    // Ordered access. Order 0 is the insertion order, order i + 1 the layout's index i.
    int OrderCount() const { return static_cast<int>(FOrders.size()); }
    int PositionOf(int order, TRecordId id) const { return FOrders[order].RankOf(id); }
    TRecordId RecordAt(int order, int position) const { return FOrders[order].At(position); }
    // First position whose key is not below `key` on the first `keyCount` key columns of an
    // index order (order >= 1), under that index's case and direction rules. Key values are of
    // their columns' kinds.
    int LowerBound(int order, const TFieldValue* key, int keyCount) const;
    // Compares a key with a record's key on the first `keyCount` key columns of an index order.
    int CompareKey(int order, const TFieldValue* key, int keyCount, TRecordId id) const;
    // A record other than `except` whose key equals that of `values` in some unique index.
    TRecordId FindDuplicate(const TFieldValue* values, TRecordId except) const;

private:
    enum class TSlotKind : uint8_t { None, Int, Float, Text };
    struct TSlot {
        TSlotKind Kind = TSlotKind::None;
        uint32_t Offset = 0;  // from the start of the record
    };
    // A text slot: where the text starts in FText and its length in bytes.
    struct TTextRef {
        uint64_t Start;
        uint32_t Size;
    };
    static constexpr uint32_t TextSlotSize = 12;

    const uint8_t* Row(TRecordId id) const {
        return FData.data() + static_cast<size_t>(id) * FStride;
    }
    uint8_t* Row(TRecordId id) { return FData.data() + static_cast<size_t>(id) * FStride; }
    static bool HasValue(const uint8_t* row, int column) {
        return (row[column >> 3] >> (column & 7)) & 1;
    }
    template <typename T>
    T Slot(const uint8_t* row, int column) const {
        T v;
        std::memcpy(&v, row + FSlots[column].Offset, sizeof v);
        return v;
    }
    std::string_view Text(const uint8_t* row, int column) const {
        const TTextRef t = ReadTextRef(row, column);
        return std::string_view(FText.data() + t.Start, t.Size);
    }
    TTextRef ReadTextRef(const uint8_t* row, int column) const {
        TTextRef t;
        std::memcpy(&t.Start, row + FSlots[column].Offset, sizeof t.Start);
        std::memcpy(&t.Size, row + FSlots[column].Offset + sizeof t.Start, sizeof t.Size);
        return t;
    }
    void Load(TRecordId id, int column, const void* value, size_t size) {
        assert(size == (FSlots[column].Kind == TSlotKind::Int ? 4u : 8u) &&
               "value of another kind");
        uint8_t* row = Row(id);
        std::memcpy(row + FSlots[column].Offset, value, size);
        row[column >> 3] |= uint8_t(1u << (column & 7));
    }
    TRecordId NewRecord();
    void CheckValues(const TFieldValue* values) const;
    void WriteValues(TRecordId id, const TFieldValue* values);
    void DropTexts(TRecordId id);
    void CompactText();
    // Comparisons under an index's rules; null sorts before every value, two nulls are equal.
    int CompareRows(const TIndexLayout& index, const uint8_t* a, const uint8_t* b) const;
    int CompareValueToRow(const TFieldValue& key, const uint8_t* row, int column,
                          bool caseInsensitive) const;
    int CompareKeyToRow(const TIndexLayout& index, const TFieldValue* key, int count,
                        const uint8_t* row) const;
    int CompareValuesToRow(const TIndexLayout& index, const TFieldValue* values,
                           const uint8_t* row) const;
    void Link(TRecordId id);
    void Unlink(TRecordId id);
    void CheckUnique(const TFieldValue* values, TRecordId except) const;
    // Puts ids in an index's order when its key columns are all numeric; false otherwise.
    // `duplicate` tells whether two records share a key.
    bool SortNumericKeys(const TIndexLayout& index, std::vector<TRecordId>& ids,
                         bool& duplicate) const;

    std::shared_ptr<const TTableLayout> FLayout;
    int FColumnCount;
    int FNestedCount;
    std::vector<TSlot> FSlots;   // per column
    uint32_t FNullBytes;         // the value bits at the start of each record
    uint32_t FStride;            // bytes per record
    std::vector<uint8_t> FData;  // IdLimit x FStride
    std::string FText;           // the texts of string and memo slots
    size_t FDeadText = 0;        // bytes of FText no slot refers to
    std::vector<uint8_t> FLive;  // per id
    std::vector<std::unique_ptr<TRecordStore>> FChildren;  // IdLimit x nested columns
    std::vector<TRecordIndex> FOrders;                     // insertion order, then each index
};
