#pragma once
// A field: one column of a dataset as code and controls see it. It reads the value of the
// dataset's current record (or of the record being edited) and writes through the dataset, which
// checks the state, keeps the edit buffer and tells the data links. Subclasses give the kinds of
// value; the base answers for the common attributes and the events.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/db/FieldValue.h"
#include "platform/db/TableLayout.h"
#include "platform/rtl/Variant.h"

class TDataSet;
class TField;

using TFieldNotifyEvent = std::function<void(TField* sender)>;

// Every field here holds stored data; the other kinds exist so that code asking can say so.
enum TFieldKind { fkData, fkCalculated, fkLookup, fkInternalCalc, fkAggregate };

class TField {
public:
    virtual ~TField();
    TField(const TField&) = delete;
    TField& operator=(const TField&) = delete;

    TDataSet* DataSet() const { return FDataSet; }
    TFieldType DataType() const { return FDataType; }
    TFieldKind FieldKind() const { return fkData; }

    const std::string& FieldName() const { return FFieldName; }
    void SetFieldName(std::string v) { FFieldName = std::move(v); }
    // The caption of grids and messages: the display label, or the field name when it is empty.
    const std::string& DisplayLabel() const {
        return FDisplayLabel.empty() ? FFieldName : FDisplayLabel;
    }
    void SetDisplayLabel(std::string v);
    const std::string& DisplayName() const { return DisplayLabel(); }
    int Size() const { return FSize; }
    void SetSize(int v) { FSize = v; }
    bool Required() const { return FRequired; }
    void SetRequired(bool v) { FRequired = v; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool v) { FReadOnly = v; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool v);
    // Text of the value a new record starts with ("0", "1000", 'text' for strings).
    const std::string& DefaultExpression() const { return FDefaultExpression; }
    void SetDefaultExpression(std::string v) { FDefaultExpression = std::move(v); }
    // Position in the dataset's field list; setting it moves the field.
    int Index() const;
    void SetIndex(int v);
    // Position of the field's column in the record (fixed while the dataset is open).
    int FieldNo() const { return FFieldNo; }

    bool IsNull() const;
    void Clear();
    virtual std::string AsString() const;
    virtual void SetAsString(const std::string& v);
    virtual double AsFloat() const;
    virtual void SetAsFloat(double v);
    virtual int32_t AsInteger() const;
    virtual void SetAsInteger(int32_t v);
    virtual double AsDateTime() const;
    virtual void SetAsDateTime(double v);
    // The value as stored (null, integer, double or string).
    TFieldValue Value() const;
    void SetValue(const TFieldValue& v);
    // The value as a variant: null, integer, double, date or string by the field's kind.
    Variant AsVariant() const;
    void SetAsVariant(const Variant& v);

    // The text a grid shows, and the text an editor starts from and writes back.
    std::string DisplayText() const { return GetText(true); }
    std::string Text() const { return GetText(false); }
    void SetText(const std::string& v) { SetAsString(v); }

    // Raises "Field 'x' must have a value" when the field is required and null, or, for a text
    // field, empty or blank (nothing but blanks and control characters): such a text names
    // nothing and is as missing as a null.
    void CheckRequired() const;

    // After a value is written to the record being edited.
    TFieldNotifyEvent OnChange;
    // Before a value is kept: the handler sees the new value and may raise to refuse it.
    TFieldNotifyEvent OnValidate;

protected:
    explicit TField(TFieldType dataType, int size = 0);

    // Stores a value already converted to the field's kind (through the dataset).
    void Write(TFieldValue v);
    virtual std::string GetText(bool display) const;
    [[noreturn]] void ConvertError(const std::string& text, const char* what) const;

private:
    friend class TDataSet;
    TDataSet* FDataSet = nullptr;
    TFieldType FDataType;
    std::string FFieldName;
    std::string FDisplayLabel;
    std::string FDefaultExpression;
    int FSize;
    int FFieldNo = -1;
    bool FRequired = false;
    bool FReadOnly = false;
    bool FVisible = true;
};
