#include "platform/db/StringField.h"

#include "platform/db/DBConsts.h"
#include "platform/rtl/Cp1252.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"

namespace {

// The text cut to `size` characters (UTF-8 sequences are kept whole).
std::string CutToCharacters(const std::string& text, int size) {
    int count = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;  // continuation byte
        if (count++ == size) return text.substr(0, i);
    }
    return text;
}

// The database file stores single-byte text: refuse what it could not write back.
void CheckStorable(const TField& field, const std::string& text) {
    if (!CanEncodeCp1252(text))
        throw EConvertError("Field '" + field.DisplayName() +
                            "' cannot hold a character of this text");
}

}  // namespace

std::string TStringField::AsString() const {
    const TFieldValue& v = Value();
    return IsNullValue(v) ? std::string{} : std::get<std::string>(v);
}

void TStringField::SetAsString(const std::string& v) {
    CheckStorable(*this, v);
    Write(Size() > 0 ? CutToCharacters(v, Size()) : v);
}

double TStringField::AsFloat() const {
    const std::string text = AsString();
    long double value = 0;
    if (!TryStrToFloat(text, value)) ConvertError(text, "floating point");
    return static_cast<double>(value);
}

void TStringField::SetAsFloat(double v) { SetAsString(FloatToStr(v)); }

int32_t TStringField::AsInteger() const {
    const std::string text = AsString();
    int value = 0;
    if (!TryStrToInt(text, value)) ConvertError(text, "integer");
    return value;
}

void TStringField::SetAsInteger(int32_t v) { SetAsString(IntToStr(v)); }

void TMemoField::SetAsString(const std::string& v) {
    CheckStorable(*this, v);
    Write(v);
}
