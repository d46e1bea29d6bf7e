#pragma once
// The rows of one table in memory. Records are numbered by ids in the order they were added
// (the insertion order, which a file writer walks and a file reader restores); a removed record
// leaves its id unused. Each record holds one value per column and, for each nested-table column,
// a child store with the child rows, owned by the record. Every index of the layout is kept in
// order on each change, and unique indexes refuse a second record with the same key.
//
// This is the low level under the client dataset: no states, no events, no field checks.
// A file reader fills a store directly with AppendRaw and Child(...), then lets the dataset
// resynchronise; a file writer reads it with ForEachRecord, Values and FindChild.
#include <memory>
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

    const TFieldValue* Values(TRecordId id) const { return &FValues[Offset(id)]; }
    const TFieldValue& Value(TRecordId id, int column) const {
        return FValues[Offset(id) + column];
    }

    // The child table of a nested column of a live record, created empty on first use.
    TRecordStore& Child(TRecordId id, int column);
    // The child table when it exists (none until first use).
    const TRecordStore* FindChild(TRecordId id, int column) const;
    // Puts a child table in place of the record's current one (restoring a copy taken before).
    void ReplaceChild(TRecordId id, int column, std::unique_ptr<TRecordStore> child);

    // Adds a record from ColumnCount() values (nested columns hold null) and returns its id.
    // Raises EDatabaseError "Key violation." when a unique index already holds its key; the
    // store is then unchanged. AppendRaw takes the values over; Add copies them.
    TRecordId AppendRaw(std::vector<TFieldValue>&& values);
    TRecordId Add(const TFieldValue* values);
    // Bulk loading: AppendUnindexed adds a record without its index entries; BuildIndexes then
    // builds every order at once (a sort, or none when the records came in order) and raises
    // "Key violation." when a unique index holds a key twice (the store is then cleared). Until
    // BuildIndexes, only AppendUnindexed, Child and ReplaceChild may be used.
    TRecordId AppendUnindexed(std::vector<TFieldValue>&& values);
    // Makes room for `count` more records.
    void ReserveRecords(int count);
    void BuildIndexes();
    // Rewrites a live record's values (children are kept), with the same key check.
    void Update(TRecordId id, const TFieldValue* values);
    // Removes a live record and its child tables.
    void Remove(TRecordId id);
    void Clear();

    // Ordered access. Order 0 is the insertion order, order i + 1 the layout's index i.
    int OrderCount() const { return static_cast<int>(FOrders.size()); }
    int PositionOf(int order, TRecordId id) const { return FOrders[order].RankOf(id); }
    TRecordId RecordAt(int order, int position) const { return FOrders[order].At(position); }
    // First position whose key is not below `key` on the first `keyCount` key columns of an
    // index order (order >= 1), under that index's case and direction rules.
    int LowerBound(int order, const TFieldValue* key, int keyCount) const;
    // Compares a key with a record's key on the first `keyCount` key columns of an index order.
    int CompareKey(int order, const TFieldValue* key, int keyCount, TRecordId id) const;
    // A record other than `except` whose key equals that of `values` in some unique index.
    TRecordId FindDuplicate(const TFieldValue* values, TRecordId except) const;

private:
    size_t Offset(TRecordId id) const { return static_cast<size_t>(id) * FColumnCount; }
    TRecordId Store(std::vector<TFieldValue>* moved, const TFieldValue* copied);
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
    std::vector<TFieldValue> FValues;                      // IdLimit x ColumnCount
    std::vector<uint8_t> FLive;                            // per id
    std::vector<std::unique_ptr<TRecordStore>> FChildren;  // IdLimit x nested columns
    std::vector<TRecordIndex> FOrders;                     // insertion order, then each index
};
