#include "platform/rtl/Variant.h"

#include <charconv>
#include <cmath>
#include <new>

#include "platform/rtl/DateTimeFormat.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/rtl/NumberText.h"
#include "platform/rtl/RtlMath.h"

namespace {

std::string Trimmed(const std::string& s) {
    size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    size_t e = s.find_last_not_of(' ');
    return s.substr(b, e - b + 1);
}

bool ParseInteger(const std::string& text, int64_t& out) {
    std::string s = Trimmed(text);
    if (s.empty()) return false;
    int base = 10;
    size_t start = 0;
    bool negative = false;
    if (s[0] == '-' || s[0] == '+') {
        negative = s[0] == '-';
        start = 1;
    }
    if (s.compare(start, 1, "$") == 0) {
        base = 16;
        start += 1;
    } else if (s.compare(start, 2, "0x") == 0 || s.compare(start, 2, "0X") == 0) {
        base = 16;
        start += 2;
    }
    uint64_t magnitude = 0;
    const char* end = s.data() + s.size();
    auto [p, ec] = std::from_chars(s.data() + start, end, magnitude, base);
    if (ec != std::errc() || p != end || start == s.size()) return false;
    if (negative) {
        if (magnitude > uint64_t(INT64_MAX) + 1) return false;
        out = int64_t(0 - magnitude);
    } else {
        if (magnitude > uint64_t(INT64_MAX)) return false;
        out = int64_t(magnitude);
    }
    return true;
}

bool ParseFloat(const std::string& text, long double& out) { return TryStrToFloat(text, out); }

bool SameAscii(const std::string& a, const char* b) {
    size_t n = std::char_traits<char>::length(b);
    if (a.size() != n) return false;
    for (size_t i = 0; i < n; ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace

Variant Variant::Null() noexcept {
    Variant v;
    v.FType = varNull;
    return v;
}

Variant Variant::FromDate(double dateTime) noexcept {
    Variant v(dateTime);
    v.FType = varDate;
    return v;
}

void Variant::CopyFrom(const Variant& other) {
    FType = other.FType;
    switch (FType) {
        case varString:
            new (&FStr) std::string(other.FStr);
            break;
        case varDouble:
        case varDate:
            FFloat = other.FFloat;
            break;
        case varBoolean:
            FBool = other.FBool;
            break;
        case varObject:
            FObject = other.FObject;
            break;
        default:
            FInt = other.FInt;
            break;
    }
}

Variant::Variant(const Variant& other) { CopyFrom(other); }

Variant::Variant(Variant&& other) noexcept : FType(other.FType) {
    if (FType == varString)
        new (&FStr) std::string(std::move(other.FStr));
    else if (FType == varDouble || FType == varDate)
        FFloat = other.FFloat;
    else if (FType == varObject)
        FObject = other.FObject;
    else if (FType == varBoolean)
        FBool = other.FBool;
    else
        FInt = other.FInt;
}

Variant& Variant::operator=(const Variant& other) {
    if (this == &other) return *this;
    if (FType == varString && other.FType == varString) {
        FStr = other.FStr;
        return *this;
    }
    this->~Variant();
    CopyFrom(other);
    return *this;
}

Variant& Variant::operator=(Variant&& other) noexcept {
    if (this == &other) return *this;
    this->~Variant();
    new (this) Variant(std::move(other));
    return *this;
}

const char* Variant::TypeName() const noexcept {
    switch (FType) {
        case varEmpty:
            return "Empty";
        case varNull:
            return "Null";
        case varBoolean:
            return "Boolean";
        case varInt64:
            return "Int64";
        case varDouble:
            return "Double";
        case varString:
            return "String";
        case varDate:
            return "Date";
        case varObject:
            return "Object";
    }
    return "Unknown";
}

void Variant::ConversionError(const char* target) const {
    throw EVariantError(std::string("Could not convert variant of type (") + TypeName() +
                        ") into type (" + target + ")");
}

int64_t Variant::AsInteger() const {
    switch (FType) {
        case varEmpty:
            return 0;
        // The runtime's true is all bits set.
        case varBoolean:
            return FBool ? -1 : 0;
        case varInt64:
            return FInt;
        case varDouble:
        case varDate:
            if (!std::isfinite(FFloat) || std::fabs(FFloat) >= 9.2e18L) ConversionError("Integer");
            return Round(FFloat);
        case varString: {
            int64_t i;
            if (ParseInteger(FStr, i)) return i;
            long double f;
            if (ParseFloat(FStr, f) && std::isfinite(f) && std::fabs(f) < 9.2e18L) return Round(f);
            ConversionError("Integer");
        }
        default:
            ConversionError("Integer");
    }
}

long double Variant::AsFloat() const {
    switch (FType) {
        case varEmpty:
            return 0;
        case varBoolean:
            return FBool ? -1 : 0;
        case varInt64:
            return static_cast<long double>(FInt);
        case varDouble:
        case varDate:
            return FFloat;
        case varString: {
            long double f;
            if (ParseFloat(FStr, f)) return f;
            ConversionError("Double");
        }
        default:
            ConversionError("Double");
    }
}

double Variant::AsDateTime() const {
    if (FType == varString || FType == varObject || FType == varNull) ConversionError("Date");
    return static_cast<double>(AsFloat());
}

std::string Variant::AsString() const {
    switch (FType) {
        case varEmpty:
            return {};
        case varBoolean:
            return FBool ? "True" : "False";
        case varInt64:
            return std::to_string(FInt);
        case varDouble:
            return FloatToStr(FFloat);
        case varDate:
            return DateTimeToStr(static_cast<double>(FFloat));
        case varString:
            return FStr;
        default:
            ConversionError("String");
    }
}

bool Variant::AsBoolean() const {
    switch (FType) {
        case varEmpty:
            return false;
        case varBoolean:
            return FBool;
        case varInt64:
            return FInt != 0;
        case varDouble:
            return FFloat != 0;
        case varString: {
            if (SameAscii(FStr, "True")) return true;
            if (SameAscii(FStr, "False")) return false;
            long double f;
            if (ParseFloat(FStr, f)) return f != 0;
            ConversionError("Boolean");
        }
        default:
            ConversionError("Boolean");
    }
}

TObject* Variant::AsObject() const {
    if (FType == varObject) return FObject;
    if (FType == varEmpty) return nullptr;
    ConversionError("Object");
}

bool Variant::operator==(const Variant& other) const {
    bool numeric = (FType == varInt64 || FType == varDouble);
    bool otherNumeric = (other.FType == varInt64 || other.FType == varDouble);
    if (numeric && otherNumeric) {
        if (FType == varInt64 && other.FType == varInt64) return FInt == other.FInt;
        return AsFloat() == other.AsFloat();
    }
    if (FType != other.FType) return false;
    switch (FType) {
        case varEmpty:
        case varNull:
            return true;
        case varBoolean:
            return FBool == other.FBool;
        case varString:
            return FStr == other.FStr;
        case varDate:
            return FFloat == other.FFloat;
        case varObject:
            return FObject == other.FObject;
        default:
            return false;
    }
}
