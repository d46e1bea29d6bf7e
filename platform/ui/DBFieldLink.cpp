#include "platform/ui/DBFieldLink.h"

void TFieldDataLink::SetFieldName(const std::string& name) {
    if (name == FFieldName) return;
    FFieldName = name;
    UpdateField();
}

bool TFieldDataLink::CanModify() const {
    return !ReadOnly() && FField && !FField->ReadOnly() && Active();
}

bool TFieldDataLink::UserEdited() {
    if (Editing()) {
        FModified = true;
        return true;
    }
    if (!CanModify()) {
        Reset();
        return false;
    }
    // The dataset tells every link that the record changed when its edit begins; this link's
    // control already shows the user's text, which must not be replaced by the field's.
    FModified = true;
    FStartingUserEdit = true;
    try {
        Edit();
    } catch (...) {
        FStartingUserEdit = false;
        Reset();
        throw;
    }
    FStartingUserEdit = false;
    if (Editing()) return true;
    Reset();  // the source does not start editing (AutoEdit off)
    return false;
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
    if (FStartingUserEdit) return;
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
