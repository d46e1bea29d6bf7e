#pragma once
// A value of one of a few simple types, as the runtime's variants hold it: field values of the
// datasets and property values read or written by name. Scalars live inline (no heap); only a
// long string allocates. A failed conversion raises EVariantError with the runtime's text.
#include <concepts>
#include <cstdint>
#include <string>

#include "platform/rtl/Exceptions.h"

class TObject;

// Converting a variant to a type it cannot become. It is a conversion error, so handlers that
// catch EConvertError see it too.
KV_EXCEPTION_CLASS(EVariantError, EConvertError)

enum TVarType : uint8_t {
    varEmpty,  // unassigned
    varNull,   // the database null
    varBoolean,
    varInt64,
    varDouble,  // held as long double, named as the runtime names its floats
    varString,  // UTF-8
    varDate,    // TDateTime: days since 30 December 1899
    varObject,  // a non-owning object reference
};

class Variant {
public:
    Variant() noexcept : FType(varEmpty), FInt(0) {}
    Variant(bool v) noexcept : FType(varBoolean), FBool(v) {}
    template <std::integral I>
    requires(!std::same_as<I, bool> && !std::same_as<I, char>) Variant(I v)
    noexcept : FType(varInt64), FInt(static_cast<int64_t>(v)) {}
    template <std::floating_point F>
    Variant(F v) noexcept : FType(varDouble), FFloat(static_cast<long double>(v)) {}
    Variant(const char* v) : FType(varString) { new (&FStr) std::string(v); }
    Variant(std::string v) noexcept : FType(varString) { new (&FStr) std::string(std::move(v)); }
    Variant(TObject* v) noexcept : FType(varObject), FObject(v) {}
    static Variant Null() noexcept;
    static Variant FromDate(double dateTime) noexcept;

    Variant(const Variant& other);
    Variant(Variant&& other) noexcept;
    Variant& operator=(const Variant& other);
    Variant& operator=(Variant&& other) noexcept;
    ~Variant() {
        if (FType == varString) FStr.~basic_string();
    }

    TVarType VarType() const noexcept { return FType; }
    bool IsEmpty() const noexcept { return FType == varEmpty; }
    bool IsNull() const noexcept { return FType == varNull; }
    // Name of the held type as the conversion messages show it ("String", "Double"...).
    const char* TypeName() const noexcept;

    int64_t AsInteger() const;
    long double AsFloat() const;
    std::string AsString() const;
    bool AsBoolean() const;
    double AsDateTime() const;
    TObject* AsObject() const;

    // Same kind and same value; integers and floats compare by value.
    bool operator==(const Variant& other) const;

private:
    [[noreturn]] void ConversionError(const char* target) const;
    void CopyFrom(const Variant& other);

    TVarType FType;
    union {
        bool FBool;
        int64_t FInt;
        long double FFloat;  // also the date
        TObject* FObject;
        std::string FStr;
    };
};
