#include "platform/db/DateTimeField.h"

#include "platform/db/DataSet.h"
#include "platform/rtl/DateTimeFormat.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/StrUtils.h"

void TDateTimeField::SetDisplayFormat(std::string v) {
    if (v == FDisplayFormat) return;
    FDisplayFormat = std::move(v);
    if (DataSet()) DataSet()->LayoutChanged();
}

double TDateTimeField::AsDateTime() const {
    const TFieldValue& v = Value();
    return IsNullValue(v) ? 0.0 : std::get<double>(v);
}

void TDateTimeField::SetAsDateTime(double v) { Write(v); }

double TDateTimeField::AsFloat() const { return AsDateTime(); }

void TDateTimeField::SetAsFloat(double v) { SetAsDateTime(v); }

std::string TDateTimeField::AsString() const {
    return IsNull() ? std::string{} : DateTimeToStr(AsDateTime());
}

void TDateTimeField::SetAsString(const std::string& v) {
    const std::string text = Trim(v);
    if (text.empty()) {
        Clear();
        return;
    }
    // A plain number is the day number it writes, as before; any other text is a date and time
    // as AsString and the display formats write them.
    long double days = 0;
    if (TryStrToFloat(text, days)) {
        SetAsDateTime(static_cast<double>(days));
        return;
    }
    TDateTime value = 0;
    if (!TryStrToDateTime(text, value)) ConvertError(v, "date and time");
    SetAsDateTime(value);
}

std::string TDateTimeField::GetText(bool display) const {
    if (IsNull()) return {};
    if (display && !FDisplayFormat.empty()) return FormatDateTime(FDisplayFormat, AsDateTime());
    return DateTimeToStr(AsDateTime());
}
