#pragma once
// The link a single-field data-aware control holds: it finds the control's field by name in the
// dataset of its data source and tells the control, through plain callbacks, when the field's
// value should be shown again, when editing starts or ends, and when the control must write its
// pending text to the field.
#include <functional>
#include <string>

#include "platform/db/DataSource.h"

class TFieldDataLink : public TDataLink {
public:
    const std::string& FieldName() const { return FFieldName; }
    void SetFieldName(const std::string& name);
    // The field of the open dataset, or null.
    TField* Field() const { return FField; }
    // A field to write to: the dataset is editing (or could be put into edit) and the field and
    // the link are writable.
    bool CanModify() const;

    // The control's text differs from the field; the next UpdateData writes it.
    bool Modified() const { return FModified; }
    void Modified(bool v) { FModified = v; }
    // The user has just changed the control's text (a key, a paste, a choice): puts the dataset
    // into edit when it is not, and marks the text as pending. Starting the edit does not show
    // the field again over what the user did, so the text and the caret stay as the user left
    // them. False when the field cannot be edited: the control is then told to show the field.
    // An error of the dataset while the edit starts passes on, the text no longer pending.
    bool UserEdited();
    // Makes the control write its pending text now (the control calls this on exit or Enter).
    void UpdateRecord();

    std::function<void()> OnDataChange;     // show the field's value again
    std::function<void()> OnEditingChange;  // editing began or ended
    std::function<void()> OnUpdateData;     // write the pending text to the field
    std::function<void()> OnActiveChange;

protected:
    void ActiveChanged() override;
    void RecordChanged(TField* field) override;
    void LayoutChanged() override;
    void UpdateData() override;
    void EditingChanged() override;

private:
    void UpdateField();
    void Reset();

    std::string FFieldName;
    TField* FField = nullptr;
    bool FModified = false;
    bool FStartingUserEdit = false;  // UserEdited is putting the dataset into edit
};
