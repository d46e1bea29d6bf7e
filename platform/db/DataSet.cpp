#include "platform/db/DataSet.h"

#include <algorithm>
#include <utility>

#include "platform/db/DataSource.h"
#include "platform/rtl/StrUtils.h"

TDataSet::TDataSet(TComponent* owner) : TComponent(owner) {}

TDataSet::~TDataSet() {
    // A subclass closes itself in its own destructor (the record keeper is gone by now); here
    // the data sources only forget this dataset.
    for (TDataSource* source : std::vector<TDataSource*>(FDataSources)) source->SetDataSet(nullptr);
    for (TField* field : FFields) field->FDataSet = nullptr;
}

void TDataSet::AdoptField(std::unique_ptr<TField> field) {
    if (Active()) throw EDatabaseError(SDataSetOpen);
    field->FDataSet = this;
    FFields.push_back(field.get());
    FOwnedFields.push_back(std::move(field));
}

TField* TDataSet::FindField(const std::string& fieldName) const {
    for (TField* field : FFields)
        if (AnsiSameText(field->FieldName(), fieldName)) return field;
    return nullptr;
}

TField* TDataSet::FieldByName(const std::string& fieldName) const {
    TField* field = FindField(fieldName);
    if (!field) throw EDatabaseError(FieldNotFoundMessage(fieldName));
    return field;
}

void TDataSet::CheckActive() const {
    if (!Active()) throw EDatabaseError(SDataSetClosed);
}

void TDataSet::SetActive(bool v) {
    if (v == Active()) return;
    if (v) {
        FireEvent(BeforeOpen);
        InternalOpen();
        FCurrent = InternalRecordAt(0);
        FBof = true;
        FEof = FCurrent == NoRecord;
        SetState(dsBrowse);
        CurrentRecordChanged();
        DataEvent(deDataSetChange, 0);
        FireEvent(AfterOpen);
    } else {
        FireEvent(BeforeClose);
        if (FState == dsEdit || FState == dsInsert) InternalCancel();
        FBuffer.clear();
        FModified = false;
        InternalClose();
        FCurrent = NoRecord;
        FBof = FEof = true;
        SetState(dsInactive);
        CurrentRecordChanged();
        FireEvent(AfterClose);
    }
}

void TDataSet::SetState(TDataSetState state) {
    if (state == FState) return;
    FState = state;
    DataEvent(deUpdateState, 0);
}

void TDataSet::DataEvent(TDataEvent event, intptr_t info) {
    if (FDisableCount > 0) return;
    NotifyEach(FDataSources, [&](TDataSource* source) { source->DataEvent(event, info); });
}

void TDataSet::DisableControls() {
    if (FDisableCount++ == 0) FDisableState = FState;
}

void TDataSet::EnableControls() {
    if (FDisableCount == 0) return;
    if (--FDisableCount > 0) return;
    if (FDisableState != FState) DataEvent(deUpdateState, 0);
    if (FDisableState != dsInactive && FState != dsInactive) DataEvent(deDataSetChange, 0);
}

TFieldValue TDataSet::FieldValue(const TField* field) const {
    const int column = field->FieldNo();
    if (column < 0) return {};
    if (FDisplayRecord != NoRecord) return InternalValue(FDisplayRecord, column);
    if (FState == dsEdit || FState == dsInsert) return FBuffer[column];
    if (FState == dsBrowse && FCurrent != NoRecord) return InternalValue(FCurrent, column);
    return {};
}

void TDataSet::SetFieldValue(TField* field, TFieldValue value) {
    if (FState != dsEdit && FState != dsInsert) throw EDatabaseError(SNotEditing);
    if (field->ReadOnly()) throw EDatabaseError(FieldReadOnlyMessage(field->DisplayName()));
    const int column = field->FieldNo();
    if (column < 0) return;
    TFieldValue old = std::exchange(FBuffer[column], std::move(value));
    if (field->OnValidate) {
        try {
            field->OnValidate(field);
        } catch (...) {
            if (FState == dsEdit || FState == dsInsert) FBuffer[column] = std::move(old);
            throw;
        }
    }
    FModified = true;
    if (field->OnChange) field->OnChange(field);
    DataEvent(deFieldChange, reinterpret_cast<intptr_t>(field));
}

void TDataSet::Refresh() {
    CheckBrowseMode();
    if (FCurrent == NoRecord || !InternalRecordExists(FCurrent)) FCurrent = InternalRecordAt(0);
    FBof = FEof = FCurrent == NoRecord;
    CurrentRecordChanged();
    DataEvent(deDataSetChange, 0);
}

void TDataSet::SetDisplayRecord(int position) {
    const bool stored = Active() && position >= 0 && position < InternalRecordCount();
    FDisplayRecord = stored ? InternalRecordAt(position) : NoRecord;
}

int TDataSet::InsertPosition() const {
    if (FState != dsInsert) return -1;
    if (FBeforeInsert == NoRecord) return 0;
    const int at = InternalPositionOf(FBeforeInsert);
    return FAppending ? at + 1 : at;
}

void TDataSet::ResetCursor() {
    FCurrent = Active() ? InternalRecordAt(0) : NoRecord;
    FBof = true;
    FEof = FCurrent == NoRecord;
    CurrentRecordChanged();
    DataEvent(deDataSetChange, 0);
}
