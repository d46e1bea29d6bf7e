#pragma once
// A label showing a field's display text.
#include "platform/ui/DBFieldLink.h"
#include "platform/ui/Label.h"

class TDBText : public TLabel {
    KV_DECLARE_CLASS(TDBText, TLabel)
public:
    explicit TDBText(TComponent* owner);
    ~TDBText() override;

    TDataSource* DataSource() const { return FLink.DataSource(); }
    void SetDataSource(TDataSource* v) { FLink.SetDataSource(v); }
    const std::string& DataField() const { return FLink.FieldName(); }
    void SetDataField(const std::string& v) { FLink.SetFieldName(v); }
    TField* Field() const { return FLink.Field(); }

private:
    TFieldDataLink FLink;
};
