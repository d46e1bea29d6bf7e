#pragma once
// The in-memory client dataset: a TDataSet over a record store, with named indexes, nested
// tables and a change counter.
//
// A dataset whose DataSetField is set is a detail: it shows the child table that the master's
// current record holds in that column, and follows the master when it moves. A change in a
// detail puts a browsing master into edit (a master being inserted is posted first); posting
// the master commits the children, cancelling it puts back every child table as it was when its
// edit began, and deleting it deletes its children.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/classes/Publisher.h"
#include "platform/db/DataSet.h"
#include "platform/db/DataSetField.h"
#include "platform/db/RecordStore.h"

class TDataPacketFile;
class TStream;

class TClientDataSet : public TDataSet {
    KV_DECLARE_CLASS(TClientDataSet, TDataSet)
public:
    explicit TClientDataSet(TComponent* owner = nullptr);
    ~TClientDataSet() override;

    TIndexDefs& IndexDefs() { return FIndexDefs; }
    // The active index by name; empty for the insertion order. Switching keeps the record.
    const std::string& IndexName() const { return FIndexName; }
    void SetIndexName(const std::string& name);

    // A new empty table from the fields (or, without fields, from the field definitions), opened.
    void CreateDataSet();
    // Creates the table, lets fill put the records in, and only then opens it, so that what
    // follows the opening (grids, charts bound to the table) sees the records. A throw from fill
    // leaves the dataset closed.
    void CreateDataSet(const std::function<void(TRecordStore&)>& fill);
    // Removes every record (of the current child table, for a detail).
    void EmptyDataSet();

    // Searches on the active index with values for its first fields: FindKey moves to the
    // record with exactly that key; FindNearest to the first record whose key is not below
    // (the last record when every key is below), under the index's case rule.
    bool FindKey(const std::vector<TFieldValue>& keyValues);
    void FindNearest(const std::vector<TFieldValue>& keyValues);

    TDataSetField* DataSetField() const { return FDataSetField; }
    void SetDataSetField(TDataSetField* field);

    // The change log is a counter of posted and deleted records (details count in their
    // top-level dataset); merging empties it. Nothing in the program undoes changes.
    bool LogChanges() const { return FLogChanges; }
    void SetLogChanges(bool v) { FLogChanges = v; }
    int ChangeCount() const;
    void MergeChangeLog();

    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& v) { FFileName = v; }
    // The database file of a top-level dataset: every record, nested tables included, as one
    // binary data packet (ClientDataSetFile.cpp, over TDataPacketFile). An empty name means
    // FileName(). A failed load leaves the dataset closed; a save replaces the file atomically.
    void LoadFromFile(const std::string& fileName = {});
    void SaveToFile(const std::string& fileName = {});
    void LoadFromStream(TStream& stream);
    void SaveToStream(TStream& stream);

    // --- Low level, for the file reader and writer ---
    // The layout the fields and index definitions describe (creating the fields from the field
    // definitions when there are none). The dataset must be inactive.
    std::shared_ptr<const TTableLayout> BuildLayout();
    // The records shown: the dataset's own table, or for a detail the master's current child
    // table; none while inactive (or while the master has no stored current record). After
    // filling it directly, call First() to show the new records.
    TRecordStore* Store() const;

    static void Publish(TPublisher<TClientDataSet>& p);

protected:
    void InternalOpen() override;
    void InternalClose() override;
    int InternalRecordCount() const override;
    TRecordId InternalRecordAt(int position) const override;
    int InternalPositionOf(TRecordId id) const override;
    bool InternalRecordExists(TRecordId id) const override;
    TFieldValue InternalValue(TRecordId id, int column) const override;
    void InternalReadValues(TRecordId id, std::vector<TFieldValue>& values) const override;
    TRecordId InternalPost(const std::vector<TFieldValue>& buffer, TRecordId editing) override;
    void InternalDelete(TRecordId id) override;
    void InternalEdit() override;
    void InternalCancel() override;
    void CheckParentState() override;
    void CurrentRecordChanged() override;
    void LogChange() override;

private:
    TClientDataSet* Master() const;
    TClientDataSet* Root();
    void CreateFieldsFromDefs();
    int ResolveOrder(const std::string& indexName) const;
    // A detail is about to change the child table in `column` of the current record.
    void PrepareChildChange(int column);
    void FollowMaster();
    std::vector<TFieldValue> KeyOf(const std::vector<TFieldValue>& keyValues) const;
    TDataPacketFile& PacketFile();

    TIndexDefs FIndexDefs;
    std::string FIndexName;
    std::string FFileName;
    std::shared_ptr<TDataPacketFile> FPacketFile;  // keeps what the loaded packet carried
    int FOrder = 0;  // the store order shown: 0 insertion, i + 1 the layout's index i
    std::shared_ptr<const TTableLayout> FLayout;
    std::unique_ptr<TRecordStore> FOwnStore;
    TDataSetField* FDataSetField = nullptr;
    bool FLogChanges = true;
    int FChangeCount = 0;

    // The master's edit: child tables as they were when the edit began, taken when a detail
    // first changes each one.
    struct TChildSnapshot {
        int Column;
        std::unique_ptr<TRecordStore> Table;
    };
    std::vector<TChildSnapshot> FSnapshots;
};
