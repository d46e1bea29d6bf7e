#include "platform/db/Field.h"

#include <algorithm>
#include <cassert>

#include "platform/db/DataSet.h"
#include "platform/rtl/RtlMath.h"

TField::TField(TFieldType dataType, int size) : FDataType(dataType), FSize(size) {}

TField::~TField() = default;

void TField::SetDisplayLabel(std::string v) {
    if (v == FDisplayLabel) return;
    FDisplayLabel = std::move(v);
    if (FDataSet) FDataSet->LayoutChanged();
}

void TField::SetVisible(bool v) {
    if (v == FVisible) return;
    FVisible = v;
    if (FDataSet) FDataSet->LayoutChanged();
}

int TField::Index() const {
    if (!FDataSet) return -1;
    const auto& list = FDataSet->FFields;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TField::SetIndex(int v) {
    if (!FDataSet) return;
    auto& list = FDataSet->FFields;
    const int from = Index();
    const int to = std::clamp(v, 0, static_cast<int>(list.size()) - 1);
    if (from == to) return;
    list.erase(list.begin() + from);
    list.insert(list.begin() + to, this);
    FDataSet->LayoutChanged();
}

TFieldValue TField::Value() const { return FDataSet ? FDataSet->FieldValue(this) : TFieldValue{}; }

void TField::SetValue(const TFieldValue& v) {
    // Through the typed setters, so that conversion and range checks apply.
    if (IsNullValue(v))
        Clear();
    else if (const auto* i = std::get_if<int32_t>(&v))
        SetAsInteger(*i);
    else if (const auto* d = std::get_if<double>(&v))
        SetAsFloat(*d);
    else
        SetAsString(std::get<std::string>(v));
}

Variant TField::AsVariant() const {
    const TFieldValue& v = Value();
    if (IsNullValue(v)) return Variant::Null();
    if (const auto* i = std::get_if<int32_t>(&v)) return Variant(*i);
    if (const auto* d = std::get_if<double>(&v))
        return FDataType == ftDateTime ? Variant::FromDate(*d) : Variant(*d);
    return Variant(std::get<std::string>(v));
}

void TField::SetAsVariant(const Variant& v) {
    switch (v.VarType()) {
        case varEmpty:
        case varNull:
            Clear();
            break;
        case varBoolean:
        case varInt64: {
            const int64_t i = v.AsInteger();
            if (i < INT32_MIN || i > INT32_MAX)
                SetAsFloat(static_cast<double>(i));
            else
                SetAsInteger(static_cast<int32_t>(i));
            break;
        }
        case varDouble:
            SetAsFloat(static_cast<double>(v.AsFloat()));
            break;
        case varDate:
            SetAsDateTime(v.AsDateTime());
            break;
        default:
            SetAsString(v.AsString());
            break;
    }
}

bool TField::IsNull() const { return IsNullValue(Value()); }

void TField::Clear() { Write(TFieldValue{}); }

void TField::Write(TFieldValue v) {
    assert(FDataSet && "a field without a dataset has no value");
    FDataSet->SetFieldValue(this, std::move(v));
}

void TField::CheckRequired() const {
    if (!FRequired) return;
    const TFieldValue value = Value();
    bool missing = IsNullValue(value);
    const auto* text = std::get_if<std::string>(&value);
    if (!missing && text && (FDataType == ftString || FDataType == ftMemo))
        missing = std::all_of(text->begin(), text->end(),
                              [](char c) { return static_cast<unsigned char>(c) <= ' '; });
    if (missing) throw EDatabaseError(FieldRequiredMessage(DisplayName()));
}

void TField::ConvertError(const std::string& text, const char* what) const {
    throw EConvertError("'" + text + "' is not a valid " + what + " value for field '" +
                        DisplayName() + "'");
}

std::string TField::GetText(bool) const { return AsString(); }

// The base answers for kinds without such a value (a nested table): the conversion fails.
static std::string NoConversion(const TField& field) {
    return "Field '" + field.DisplayName() + "' cannot be read or written as this kind of value";
}
std::string TField::AsString() const { return {}; }
void TField::SetAsString(const std::string&) { throw EConvertError(NoConversion(*this)); }
double TField::AsFloat() const { throw EConvertError(NoConversion(*this)); }
void TField::SetAsFloat(double) { throw EConvertError(NoConversion(*this)); }
int32_t TField::AsInteger() const { return static_cast<int32_t>(Round(AsFloat())); }
void TField::SetAsInteger(int32_t v) { SetAsFloat(v); }
double TField::AsDateTime() const { return AsFloat(); }
void TField::SetAsDateTime(double v) { SetAsFloat(v); }
