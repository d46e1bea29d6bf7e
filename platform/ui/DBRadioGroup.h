#pragma once
// A radio group bound to a field: item i stands for Values[i] (or for the item's caption when
// Values has no line i). The field's value checks its item, or none when it is null or matches
// no item; OnChange follows every change of the value shown (a scroll, a write from code), while
// OnClick follows only the user's choice, which is written to the field first.
#include <memory>

#include "platform/ui/DBFieldLink.h"
#include "platform/ui/RadioGroup.h"

class TDBRadioGroup : public TRadioGroup {
    KV_DECLARE_CLASS(TDBRadioGroup, TRadioGroup)
public:
    explicit TDBRadioGroup(TComponent* owner);
    ~TDBRadioGroup() override;

    TDataSource* DataSource() const { return FLink.DataSource(); }
    void SetDataSource(TDataSource* v) { FLink.SetDataSource(v); }
    const std::string& DataField() const { return FLink.FieldName(); }
    void SetDataField(const std::string& v) { FLink.SetFieldName(v); }
    TField* Field() const { return FLink.Field(); }
    bool ReadOnly() const { return FLink.ReadOnly(); }
    void SetReadOnly(bool v) { FLink.SetReadOnly(v); }
    TStrings* Values() const { return FValues.get(); }
    void SetValues(const TStrings& v) { FValues->Assign(v); }
    // The value the checked item stands for ("" for none).
    const std::string& Value() const { return FValue; }

    void Click() override;

    TNotifyEvent OnChange;

private:
    std::string ValueOf(int index) const;
    void ShowField();
    void ShowValue(const std::string& value);

    TFieldDataLink FLink;
    std::unique_ptr<TStringList> FValues;
    std::string FValue;
    bool FSyncing = false;
};
