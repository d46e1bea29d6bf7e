#pragma once
// The dataset: a cursor over the records of a table with the states inactive, browse, edit and
// insert, persistent fields, navigation, editing through a record buffer, the dataset events and
// the data sources that tell data-aware controls. Where the records are kept is the business of
// the subclass (TClientDataSet), which answers the few cursor questions declared at the end.
//
// Handlers re-enter the dataset as a matter of course (an after-post handler that edits another
// table whose change moves this one), so no operation holds a position or an iterator across an
// event: each event fires once the dataset is consistent again.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/db/DBConsts.h"
#include "platform/db/Field.h"
#include "platform/db/FieldDefs.h"
#include "platform/db/RecordIndex.h"

class TDataSource;

enum TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert };

// What a dataset tells its data sources.
enum TDataEvent {
    deFieldChange,      // a field of the edited record changed (info: the field)
    deRecordChange,     // the current record changed in place (edit began)
    deDataSetChange,    // the records or the cursor changed: show everything again
    deDataSetScroll,    // the cursor moved (info: the distance)
    deLayoutChange,     // fields were shown, hidden, moved or relabelled
    deUpdateRecord,     // controls: write your pending edits to the fields now
    deUpdateState,      // the state changed
    deCheckBrowseMode,  // the dataset is about to leave the record
};

// What a post-error handler asks for: raise the error, end quietly, or try the post again.
enum TDataAction { daFail, daAbort, daRetry };

enum TLocateOption { loCaseInsensitive = 1, loPartialKey = 2 };
using TLocateOptions = unsigned;

// A bookmark names a record for as long as it exists; NoRecord names none.
using TBookmark = TRecordId;

class TDataSet;
using TDataSetNotifyEvent = std::function<void(TDataSet* dataSet)>;
using TDataSetErrorEvent =
    std::function<void(TDataSet* dataSet, EDatabaseError& error, TDataAction& action)>;

class TDataSet : public TComponent {
    KV_DECLARE_CLASS(TDataSet, TComponent)
public:
    explicit TDataSet(TComponent* owner = nullptr);
    ~TDataSet() override;
    TDataSet(const TDataSet&) = delete;
    TDataSet& operator=(const TDataSet&) = delete;

    // Fields. AddField creates a persistent field owned by the dataset (before it is opened).
    template <typename F, typename... Args>
    F* AddField(std::string fieldName, Args&&... args) {
        auto field = std::make_unique<F>(std::forward<Args>(args)...);
        F* result = field.get();
        result->SetFieldName(std::move(fieldName));
        AdoptField(std::move(field));
        return result;
    }
    int FieldCount() const { return static_cast<int>(FFields.size()); }
    TField* Fields(int index) const { return FFields.at(index); }
    // Case-insensitive; FieldByName raises "Field 'x' not found", FindField answers none.
    TField* FindField(const std::string& fieldName) const;
    TField* FieldByName(const std::string& fieldName) const;
    TFieldDefs& FieldDefs() { return FFieldDefs; }

    // State.
    bool Active() const { return FState != dsInactive; }
    void SetActive(bool v);
    void Open() { SetActive(true); }
    void Close() { SetActive(false); }
    TDataSetState State() const { return FState; }
    // The edited record differs from the stored one (or a detail changed under it).
    bool Modified() const { return FModified; }

    // Navigation in the active order.
    void First();
    void Last();
    void Next() { MoveBy(1); }
    void Prior() { MoveBy(-1); }
    int MoveBy(int distance);
    bool Eof() const { return FEof; }
    bool Bof() const { return FBof; }
    bool IsEmpty() const;
    int RecordCount() const;
    // 1-based number of the current record; -1 while inserting or when there is none.
    int RecNo() const;
    void SetRecNo(int recNo);
    TBookmark GetBookmark() const;
    bool BookmarkValid(TBookmark bookmark) const;
    // Raises "Record not found" for a deleted record; a bookmark of no record does nothing.
    void GotoBookmark(TBookmark bookmark);
    void FreeBookmark(TBookmark) {}
    // The first record, in the active order, whose fields ("A;B") hold the values.
    bool Locate(const std::string& keyFields, const std::vector<TFieldValue>& values,
                TLocateOptions options = 0);

    // Editing.
    void Insert();
    void Append();
    void Edit();
    void Post();
    void Cancel();
    void Delete();
    // Posts a modified record, cancels an unmodified one; nothing in browse state.
    void CheckBrowseMode();
    // Asks the data-aware controls to write their pending edits to the fields.
    void UpdateRecord();
    // Shows the records again, keeping the current one when it still exists.
    void Refresh();

    // Grids show the rows around the cursor: while a display record is set (a 0-based position
    // in the active order), fields read that stored record; -1 returns them to the cursor. No
    // event fires and the cursor stays.
    void SetDisplayRecord(int position);
    // Where the record being inserted shows among the stored ones: the position it stands
    // before (RecordCount when appended); -1 when not inserting.
    int InsertPosition() const;

    // While controls are disabled (nestable) the dataset works and fires its own events, but
    // data sources and links hear nothing; the last EnableControls refreshes them.
    void DisableControls();
    void EnableControls();
    bool ControlsDisabled() const { return FDisableCount > 0; }

    // Read and written by fields.
    TFieldValue FieldValue(const TField* field) const;
    void SetFieldValue(TField* field, TFieldValue value);
    // A field was shown, hidden, moved or relabelled.
    void LayoutChanged() { DataEvent(deLayoutChange, 0); }

    TDataSetNotifyEvent BeforeOpen, AfterOpen, BeforeClose, AfterClose;
    TDataSetNotifyEvent BeforeInsert, AfterInsert, OnNewRecord;
    TDataSetNotifyEvent BeforeEdit, AfterEdit, BeforePost, AfterPost;
    TDataSetNotifyEvent BeforeCancel, AfterCancel, BeforeDelete, AfterDelete;
    TDataSetNotifyEvent BeforeScroll, AfterScroll;
    TDataSetErrorEvent OnPostError;

protected:
    // --- What the record keeper answers. Positions are 0-based in the active order. ---
    virtual void InternalOpen() = 0;   // the records become available (or raise)
    virtual void InternalClose() = 0;  // the records go
    virtual int InternalRecordCount() const = 0;
    virtual TRecordId InternalRecordAt(int position) const = 0;
    virtual int InternalPositionOf(TRecordId id) const = 0;
    virtual bool InternalRecordExists(TRecordId id) const = 0;
    // A value of a record, as a copy: the record keeper may hold its values packed.
    virtual TFieldValue InternalValue(TRecordId id, int column) const = 0;
    // All values of a record, in column order.
    virtual void InternalReadValues(TRecordId id, std::vector<TFieldValue>& values) const = 0;
    // Writes the buffer as a new record (editing == NoRecord) or over `editing`; returns the id.
    // Raises EDatabaseError on a key violation, leaving the records as they were.
    virtual TRecordId InternalPost(const std::vector<TFieldValue>& buffer, TRecordId editing) = 0;
    virtual void InternalDelete(TRecordId id) = 0;
    // Hooks around editing for datasets with details: an edit begins, is cancelled, or the
    // record's change is about to be made (a detail asks its master to be ready).
    virtual void InternalEdit() {}
    virtual void InternalCancel() {}
    virtual void CheckParentState() {}
    // The current record changed (moved, posted, cancelled, deleted, reopened).
    virtual void CurrentRecordChanged() {}
    // Counts a posted or deleted record in the change log.
    virtual void LogChange() {}

    void CheckActive() const;
    void DataEvent(TDataEvent event, intptr_t info);
    // Moves to a record with the scroll events (posting an edited record first).
    void GotoRecord(TRecordId id);
    TRecordId CurrentId() const { return FCurrent; }
    // Puts the cursor on the first record without events (a detail following its master).
    void ResetCursor();
    void MarkModified() { FModified = true; }
    static void SetFieldNo(TField* field, int fieldNo) { field->FFieldNo = fieldNo; }
    std::vector<TField*>& FieldList() { return FFields; }
    // Datasets showing nested tables of this one's records: they are posted before this one
    // posts, cancelled before it cancels or deletes.
    std::vector<TDataSet*> FDetails;

private:
    friend class TDataSource;
    friend class TField;

    void AdoptField(std::unique_ptr<TField> field);
    void SetState(TDataSetState state);
    void BeginInsertAppend();
    void EndInsertAppend();
    void ApplyDefaults();
    void PostDetails();
    void CancelDetails();
    bool PostRecord();
    void CheckRequiredFields() const;
    void FireEvent(const TDataSetNotifyEvent& event) {
        if (event) event(this);
    }
    int CurrentPosition() const;

    std::vector<std::unique_ptr<TField>> FOwnedFields;
    std::vector<TField*> FFields;  // in display order
    TFieldDefs FFieldDefs;
    std::vector<TDataSource*> FDataSources;

    TDataSetState FState = dsInactive;
    TRecordId FCurrent = NoRecord;
    TRecordId FBeforeInsert = NoRecord;  // where the cursor returns when an insert is cancelled
    bool FAppending = false;             // the record being inserted goes after the last
    TRecordId FDisplayRecord = NoRecord;
    bool FBof = true;
    bool FEof = true;
    bool FModified = false;
    std::vector<TFieldValue> FBuffer;  // the record being edited or inserted

    int FDisableCount = 0;
    TDataSetState FDisableState = dsInactive;  // the state the links last heard of
};

// Disables a dataset's controls for a scope and enables them again on every path out of it.
class TDisableControlsGuard {
public:
    explicit TDisableControlsGuard(TDataSet& dataSet) : FDataSet(dataSet) {
        FDataSet.DisableControls();
    }
    ~TDisableControlsGuard() { FDataSet.EnableControls(); }
    TDisableControlsGuard(const TDisableControlsGuard&) = delete;
    TDisableControlsGuard& operator=(const TDisableControlsGuard&) = delete;

private:
    TDataSet& FDataSet;
};
