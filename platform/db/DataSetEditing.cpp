// Editing: insert, append, edit, post, cancel and delete, with their events and errors.
#include <algorithm>

#include "platform/db/DataSet.h"
#include "platform/rtl/NumberText.h"

void TDataSet::CheckBrowseMode() {
    CheckActive();
    DataEvent(deCheckBrowseMode, 0);
    if (FState == dsEdit || FState == dsInsert) {
        UpdateRecord();
        if (FModified)
            Post();
        else
            Cancel();
    }
}

void TDataSet::UpdateRecord() {
    if (FState == dsEdit || FState == dsInsert) DataEvent(deUpdateRecord, 0);
}

void TDataSet::BeginInsertAppend() {
    CheckBrowseMode();
    CheckParentState();
    FireEvent(BeforeInsert);
    FireEvent(BeforeScroll);
}

void TDataSet::ApplyDefaults() {
    FBuffer.assign(FFields.size(), TFieldValue{});
    // Default expressions are plain constants written with a point: "0", "1000", 'text'.
    static const TFormatSettings point = [] {
        TFormatSettings settings;
        settings.DecimalSeparator = '.';
        return settings;
    }();
    for (TField* field : FFields) {
        std::string text = field->DefaultExpression();
        if (text.empty() || field->FieldNo() < 0) continue;
        if (text.size() >= 2 && text.front() == '\'' && text.back() == '\'')
            text = text.substr(1, text.size() - 2);
        TFieldValue& slot = FBuffer[field->FieldNo()];
        long double number = 0;
        switch (field->DataType()) {
            case ftString:
            case ftMemo:
                slot = text;
                break;
            case ftSmallint:
            case ftInteger:
                if (int i = 0; TryStrToInt(text, i)) slot = static_cast<int32_t>(i);
                break;
            case ftFloat:
            case ftDateTime:
                if (TryStrToFloat(text, number, point)) slot = static_cast<double>(number);
                break;
            default:
                break;
        }
    }
}

void TDataSet::EndInsertAppend() {
    FBeforeInsert = FCurrent;
    ApplyDefaults();
    SetState(dsInsert);
    CurrentRecordChanged();  // details of a record being inserted show no rows
    try {
        FireEvent(OnNewRecord);
    } catch (...) {
        FBuffer.clear();
        FCurrent = FBeforeInsert;
        SetState(dsBrowse);
        DataEvent(deDataSetChange, 0);
        throw;
    }
    FModified = false;
    DataEvent(deDataSetChange, 0);
    FireEvent(AfterInsert);
    FireEvent(AfterScroll);
}

void TDataSet::Insert() {
    BeginInsertAppend();
    FAppending = false;
    EndInsertAppend();
}

void TDataSet::Append() {
    BeginInsertAppend();
    // The new record belongs after the last; a cancelled append leaves the cursor there.
    FCurrent = InternalRecordAt(InternalRecordCount() - 1);
    FAppending = true;
    EndInsertAppend();
}

void TDataSet::Edit() {
    if (FState == dsEdit || FState == dsInsert) return;
    CheckActive();
    if (InternalRecordCount() == 0 || FCurrent == NoRecord) {
        Insert();
        return;
    }
    FireEvent(BeforeEdit);
    CheckParentState();
    InternalEdit();
    InternalReadValues(FCurrent, FBuffer);
    FBuffer.resize(FFields.size());
    FModified = false;
    SetState(dsEdit);
    DataEvent(deRecordChange, 0);
    FireEvent(AfterEdit);
}

void TDataSet::CheckRequiredFields() const {
    for (TField* field : FFields)
        if (field->DataType() != ftDataSet) field->CheckRequired();
}

bool TDataSet::PostRecord() {
    for (;;) {
        try {
            CheckRequiredFields();
            FCurrent = InternalPost(FBuffer, FState == dsEdit ? FCurrent : NoRecord);
            return true;
        } catch (EDatabaseError& error) {
            TDataAction action = daFail;
            if (OnPostError) OnPostError(this, error, action);
            if (action == daFail) throw;
            if (action == daAbort) Abort();
            // A handler that cancelled the record leaves nothing to try again.
            if (FState != dsEdit && FState != dsInsert) return false;
        }
    }
}

void TDataSet::PostDetails() {
    for (TDataSet* detail : std::vector<TDataSet*>(FDetails))
        if (detail->State() == dsEdit || detail->State() == dsInsert) detail->Post();
}

void TDataSet::CancelDetails() {
    for (TDataSet* detail : std::vector<TDataSet*>(FDetails)) detail->Cancel();
}

void TDataSet::Post() {
    UpdateRecord();
    if (FState != dsEdit && FState != dsInsert) return;
    // Children first: posting the master commits them, so a half-edited child row is posted
    // (or refuses, leaving both in their editing states).
    PostDetails();
    // A detail's handler may have posted or cancelled this record meanwhile.
    if (FState != dsEdit && FState != dsInsert) return;
    DataEvent(deCheckBrowseMode, 0);
    FireEvent(BeforePost);
    if (FState != dsEdit && FState != dsInsert) return;  // a handler cancelled
    if (!PostRecord()) return;
    FBuffer.clear();
    FModified = false;
    FBof = FEof = false;
    SetState(dsBrowse);
    LogChange();
    CurrentRecordChanged();
    DataEvent(deDataSetChange, 0);
    FireEvent(AfterPost);
}

void TDataSet::Cancel() {
    if (FState != dsEdit && FState != dsInsert) return;
    FireEvent(BeforeCancel);
    if (FState != dsEdit && FState != dsInsert) return;
    const bool inserting = FState == dsInsert;
    CancelDetails();
    // A detail's after-cancel handler may have posted this record meanwhile.
    if (FState != dsEdit && FState != dsInsert) return;
    InternalCancel();
    FBuffer.clear();
    FModified = false;
    if (inserting) FCurrent = FBeforeInsert;
    if (FCurrent != NoRecord && !InternalRecordExists(FCurrent)) FCurrent = InternalRecordAt(0);
    FBof = FEof = FCurrent == NoRecord;
    SetState(dsBrowse);
    CurrentRecordChanged();
    DataEvent(deDataSetChange, 0);
    FireEvent(AfterCancel);
}

void TDataSet::Delete() {
    CheckActive();
    if (FState == dsInsert) {
        Cancel();
        return;
    }
    if (InternalRecordCount() == 0) throw EDatabaseError(SDataSetEmpty);
    DataEvent(deCheckBrowseMode, 0);
    FireEvent(BeforeDelete);
    FireEvent(BeforeScroll);
    CheckParentState();
    // The handlers may have moved the cursor or switched the order: take the position now.
    CancelDetails();
    if (FState == dsEdit) {
        InternalCancel();
        FBuffer.clear();
        FModified = false;
    }
    if (FCurrent == NoRecord) throw EDatabaseError(SDataSetEmpty);
    const int position = InternalPositionOf(FCurrent);
    InternalDelete(FCurrent);
    const int count = InternalRecordCount();
    FCurrent = InternalRecordAt(std::min(position, count - 1));
    FBof = FEof = count == 0;
    SetState(dsBrowse);
    LogChange();
    CurrentRecordChanged();
    DataEvent(deDataSetChange, 0);
    FireEvent(AfterDelete);
    FireEvent(AfterScroll);
}
