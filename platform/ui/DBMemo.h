#pragma once
// A memo bound to a text field, lines joined by CR LF. A change of the lines, typed or made from
// code, puts the dataset into edit (when the source allows) and stays as it was made (typing
// lands where the caret is); the text is written to the field on exit and when the dataset
// posts.
#include "platform/ui/DBFieldLink.h"
#include "platform/ui/Memo.h"

class TDBMemo : public TMemo {
    KV_DECLARE_CLASS(TDBMemo, TMemo)
public:
    explicit TDBMemo(TComponent* owner);
    ~TDBMemo() override;

    TDataSource* DataSource() const { return FLink.DataSource(); }
    void SetDataSource(TDataSource* v) { FLink.SetDataSource(v); }
    const std::string& DataField() const { return FLink.FieldName(); }
    void SetDataField(const std::string& v) { FLink.SetFieldName(v); }
    TField* Field() const { return FLink.Field(); }
    bool ReadOnly() const { return FLink.ReadOnly(); }
    void SetReadOnly(bool v);

    // Follows every edit of the text, typed or from code, but not the showing of another value
    // (the memo's own change event serves the link).
    TNotifyEvent OnChange;

protected:
    void DoExit() override;

private:
    void ShowField();
    void LinesEdited();
    std::string FieldText() const;

    TFieldDataLink FLink;
    bool FSyncing = false;
};
