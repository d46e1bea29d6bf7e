#pragma once
// A combo box bound to a field: it shows the field's text and writes the text chosen or typed.
// A choice from the list is written at once; typed text on exit and when the dataset posts.
#include "platform/ui/ComboBox.h"
#include "platform/ui/DBFieldLink.h"

class TDBComboBox : public TComboBox {
    KV_DECLARE_CLASS(TDBComboBox, TComboBox)
public:
    explicit TDBComboBox(TComponent* owner);
    ~TDBComboBox() override;

    TDataSource* DataSource() const { return FLink.DataSource(); }
    void SetDataSource(TDataSource* v) { FLink.SetDataSource(v); }
    const std::string& DataField() const { return FLink.FieldName(); }
    void SetDataField(const std::string& v) { FLink.SetFieldName(v); }
    TField* Field() const { return FLink.Field(); }
    bool ReadOnly() const { return FLink.ReadOnly(); }
    void SetReadOnly(bool v) { FLink.SetReadOnly(v); }

    // Follows the user's choice or typing (the combo box's own change event serves the link).
    TNotifyEvent OnChange;

protected:
    void DoExit() override;

private:
    void ShowField();
    void UserChanged();

    TFieldDataLink FLink;
};
