#pragma once
// Number fields. A float or integer field with a minimum or maximum other than 0 refuses a value
// outside them when it is assigned, from a control or from code alike, with a range error that
// names the field.
#include "platform/db/Field.h"

class TNumericField : public TField {
public:
    // Number-format pictures for the grid text and the editing text; empty for the plain form.
    const std::string& DisplayFormat() const { return FDisplayFormat; }
    void SetDisplayFormat(std::string v);
    const std::string& EditFormat() const { return FEditFormat; }
    void SetEditFormat(std::string v) { FEditFormat = std::move(v); }

protected:
    using TField::TField;
    [[noreturn]] void RangeError(double value, double min, double max) const;

private:
    std::string FDisplayFormat;
    std::string FEditFormat;
};

class TIntegerField : public TNumericField {
public:
    TIntegerField() : TIntegerField(ftInteger) {}

    int32_t MinValue() const { return FMinValue; }
    void SetMinValue(int32_t v) { FMinValue = v; }
    int32_t MaxValue() const { return FMaxValue; }
    void SetMaxValue(int32_t v) { FMaxValue = v; }

    std::string AsString() const override;
    void SetAsString(const std::string& v) override;
    double AsFloat() const override;
    void SetAsFloat(double v) override;
    int32_t AsInteger() const override;
    void SetAsInteger(int32_t v) override;

protected:
    explicit TIntegerField(TFieldType dataType) : TNumericField(dataType) {}
    std::string GetText(bool display) const override;
    // The limits of the stored type (a small integer holds 16 bits).
    virtual int64_t TypeMin() const { return INT32_MIN; }
    virtual int64_t TypeMax() const { return INT32_MAX; }
    void SetChecked(int64_t v);

private:
    int32_t FMinValue = 0;
    int32_t FMaxValue = 0;
};

class TSmallintField : public TIntegerField {
public:
    TSmallintField() : TIntegerField(ftSmallint) {}

protected:
    int64_t TypeMin() const override { return -32768; }
    int64_t TypeMax() const override { return 32767; }
};

class TFloatField : public TNumericField {
public:
    TFloatField() : TNumericField(ftFloat) {}

    // Significant digits of the plain texts (2..15).
    int Precision() const { return FPrecision; }
    void SetPrecision(int v);
    double MinValue() const { return FMinValue; }
    void SetMinValue(double v) { FMinValue = v; }
    double MaxValue() const { return FMaxValue; }
    void SetMaxValue(double v) { FMaxValue = v; }

    std::string AsString() const override;
    void SetAsString(const std::string& v) override;
    double AsFloat() const override;
    void SetAsFloat(double v) override;
    int32_t AsInteger() const override;
    void SetAsInteger(int32_t v) override;

protected:
    std::string GetText(bool display) const override;

private:
    int FPrecision = 15;
    double FMinValue = 0;
    double FMaxValue = 0;
};
