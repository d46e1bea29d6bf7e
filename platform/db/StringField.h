#pragma once
// Text fields: TStringField holds at most Size characters; TMemoField holds free text of any
// length (CR LF between lines). Both refuse text the database file could not store.
#include "platform/db/Field.h"

class TStringField : public TField {
public:
    explicit TStringField(int size = 20) : TField(ftString, size) {}

    std::string AsString() const override;
    void SetAsString(const std::string& v) override;
    double AsFloat() const override;
    void SetAsFloat(double v) override;
    int32_t AsInteger() const override;
    void SetAsInteger(int32_t v) override;

protected:
    explicit TStringField(TFieldType dataType) : TField(dataType, 0) {}
};

class TMemoField : public TStringField {
public:
    TMemoField() : TStringField(ftMemo) {}

    void SetAsString(const std::string& v) override;
};
