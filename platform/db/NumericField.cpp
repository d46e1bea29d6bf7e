#include "platform/db/NumericField.h"

#include <cmath>

#include "platform/db/DataSet.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/StrUtils.h"

void TNumericField::SetDisplayFormat(std::string v) {
    if (v == FDisplayFormat) return;
    FDisplayFormat = std::move(v);
    if (DataSet()) DataSet()->LayoutChanged();
}

void TNumericField::RangeError(double value, double min, double max) const {
    throw ERangeError(FloatToStr(value) + " is not a valid value for field '" + DisplayName() +
                      "'. The allowed range is " + FloatToStr(min) + " to " + FloatToStr(max));
}

// --- Integers ---

int32_t TIntegerField::AsInteger() const {
    const TFieldValue& v = Value();
    return IsNullValue(v) ? 0 : std::get<int32_t>(v);
}

double TIntegerField::AsFloat() const { return AsInteger(); }

std::string TIntegerField::AsString() const {
    return IsNull() ? std::string{} : IntToStr(AsInteger());
}

void TIntegerField::SetChecked(int64_t v) {
    // The field's own limits when it has any, else those of its type.
    int64_t min = TypeMin(), max = TypeMax();
    if (FMinValue != 0 || FMaxValue != 0) {
        min = FMinValue;
        max = FMaxValue;
    }
    if (v < min || v > max)
        RangeError(static_cast<double>(v), static_cast<double>(min), static_cast<double>(max));
    Write(static_cast<int32_t>(v));
}

void TIntegerField::SetAsInteger(int32_t v) { SetChecked(v); }

void TIntegerField::SetAsFloat(double v) {
    if (!std::isfinite(v) || std::fabs(v) > 9.0e18) RangeError(v, TypeMin(), TypeMax());
    SetChecked(Round(v));
}

void TIntegerField::SetAsString(const std::string& v) {
    const std::string text = Trim(v);
    if (text.empty()) {
        Clear();
        return;
    }
    int value = 0;
    if (!TryStrToInt(text, value)) ConvertError(v, "integer");
    SetChecked(value);
}

std::string TIntegerField::GetText(bool display) const {
    if (IsNull()) return {};
    if (display && !DisplayFormat().empty()) return FormatFloat(DisplayFormat(), AsInteger());
    if (!display && !EditFormat().empty()) return FormatFloat(EditFormat(), AsInteger());
    return IntToStr(AsInteger());
}

// --- Floats ---

void TFloatField::SetPrecision(int v) {
    if (v < 2) v = 2;
    if (v > 15) v = 15;
    FPrecision = v;
}

double TFloatField::AsFloat() const {
    const TFieldValue& v = Value();
    return IsNullValue(v) ? 0.0 : std::get<double>(v);
}

int32_t TFloatField::AsInteger() const {
    const double v = AsFloat();
    if (!std::isfinite(v) || v < INT32_MIN || v > INT32_MAX) RangeError(v, INT32_MIN, INT32_MAX);
    return static_cast<int32_t>(Round(v));
}

std::string TFloatField::AsString() const {
    return IsNull() ? std::string{} : FloatToStr(AsFloat());
}

void TFloatField::SetAsFloat(double v) {
    // Limits apply once either is set; a NaN is never within them.
    if ((FMinValue != 0 || FMaxValue != 0) && !(v >= FMinValue && v <= FMaxValue))
        RangeError(v, FMinValue, FMaxValue);
    Write(v);
}

void TFloatField::SetAsInteger(int32_t v) { SetAsFloat(v); }

void TFloatField::SetAsString(const std::string& v) {
    const std::string text = Trim(v);
    if (text.empty()) {
        Clear();
        return;
    }
    long double value = 0;
    if (!TryStrToFloat(text, value)) ConvertError(v, "floating point");
    SetAsFloat(static_cast<double>(value));
}

std::string TFloatField::GetText(bool display) const {
    if (IsNull()) return {};
    const std::string& format = display ? DisplayFormat() : EditFormat();
    if (!format.empty()) return FormatFloat(format, AsFloat());
    return FloatToStrF(AsFloat(), ffGeneral, FPrecision, 0);
}
