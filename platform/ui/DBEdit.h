#pragma once
// An edit bound to one field. It shows the field's display text, and its edit text while the
// dataset edits or while the edit has the focus; typing puts the dataset into edit (when the
// source allows) and lands where the caret is, and the text is written to the field on exit, on
// Enter, and when the dataset posts. Esc brings the field's text back.
#include "platform/ui/DBFieldLink.h"
#include "platform/ui/Edit.h"

class TDBEdit : public TEdit {
    KV_DECLARE_CLASS(TDBEdit, TEdit)
public:
    explicit TDBEdit(TComponent* owner);
    ~TDBEdit() override;

    TDataSource* DataSource() const { return FLink.DataSource(); }
    void SetDataSource(TDataSource* v) { FLink.SetDataSource(v); }
    const std::string& DataField() const { return FLink.FieldName(); }
    void SetDataField(const std::string& v) { FLink.SetFieldName(v); }
    TField* Field() const { return FLink.Field(); }
    bool ReadOnly() const { return FLink.ReadOnly(); }
    void SetReadOnly(bool v);

protected:
    void Change() override;
    void KeyDown(int& key, TShiftState shift) override;
    void DoEnter() override;
    void DoExit() override;

private:
    void ShowField();
    void WriteField();

    TFieldDataLink FLink;
    bool FSyncing = false;
    bool FFocused = false;
};
