#include "platform/ui/DBFieldLink.h"

void TFieldDataLink::SetFieldName(const std::string& name) {
    if (name == FFieldName) return;
    FFieldName = name;
    UpdateField();
}

bool TFieldDataLink::CanModify() const {
    return !ReadOnly() && FField && !FField->ReadOnly() && Active();
}

void TFieldDataLink::UpdateRecord() {
    if (!FModified) return;
    if (OnUpdateData) OnUpdateData();
    FModified = false;
}

void TFieldDataLink::UpdateField() {
    TDataSet* dataSet = Active() ? DataSet() : nullptr;
    FField = dataSet && !FFieldName.empty() ? dataSet->FindField(FFieldName) : nullptr;
    Reset();
}

void TFieldDataLink::Reset() {
    FModified = false;
    if (OnDataChange) OnDataChange();
}

void TFieldDataLink::ActiveChanged() {
    UpdateField();
    if (OnActiveChange) OnActiveChange();
}

void TFieldDataLink::LayoutChanged() { UpdateField(); }

void TFieldDataLink::RecordChanged(TField* field) {
    // A change of another field leaves the text the user is typing here alone.
    if (field == nullptr || field == FField) Reset();
}

void TFieldDataLink::UpdateData() { UpdateRecord(); }

void TFieldDataLink::EditingChanged() {
    if (OnEditingChange) OnEditingChange();
}
