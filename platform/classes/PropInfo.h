#pragma once
// The published-property table: one entry per property with its kind, typed accessors, default
// and stored rule. Streaming, property access by name and the editors all read this one table.
// Entries are made with TPublisher (Publisher.h) in each class's Publish function.
#include <cstdint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/classes/Object.h"

class TStrings;

enum TTypeKind : uint8_t {
    tkUnknown,
    tkInteger,
    tkEnumeration,
    tkSet,
    tkFloat,
    tkString,
    tkColor,  // an integer that may have a name (clRed)
    tkBoolean,
    tkClass,      // an owned persistent sub-object, streamed inline
    tkComponent,  // a reference to a component, streamed by name
    tkMethod,     // an event, streamed by its handler's name
    tkStrings,    // an owned list of lines, streamed as "Name.Strings = ( ... )"
};

// How a float property is kept on a stream.
enum TFloatType : uint8_t { ftExtended, ftDouble, ftSingle, ftDate };

// The value names of an enumeration, in ordinal order from 0.
class TEnumInfo {
public:
    TEnumInfo(std::initializer_list<const char*> names);
    int Count() const { return int(FNames.size()); }
    // The name of an ordinal; an empty string outside the range.
    const std::string& Name(int64_t ordinal) const;
    // The ordinal of a name, without regard to letter case; -1 when unknown.
    int Value(std::string_view name) const;

private:
    std::vector<std::string> FNames;
};

// Names for some values of an integer property: colours (clRed), cursors (crHandPoint). Such a
// value is written by its name and read from its name or its number.
struct TIdentConverter {
    bool (*ToIdent)(int64_t value, std::string& ident);
    bool (*FromIdent)(std::string_view ident, int64_t& value);
};
// The colour names, through the conversions the graphics layer installs (SetColorIdentHooks).
const TIdentConverter& ColorIdentConverter();

// The names of a Boolean's values, as enumeration names.
const TEnumInfo& BooleanIdents();

struct TPropInfo {
    std::string Name;
    TTypeKind Kind = tkUnknown;
    TFloatType FloatType = ftExtended;
    const TEnumInfo* EnumInfo = nullptr;      // enumeration and set
    TClass PropClass = nullptr;               // class and component: the declared class
    const TIdentConverter* Idents = nullptr;  // integer and colour: names of values

    // Accessors by kind: ordinal (integer, enumeration, set as a bit mask, colour, Boolean as
    // 0/1), float, string (also the handler name of an event), object (class and component).
    // A missing setter makes the property read-only.
    std::function<int64_t(const TObject*)> GetOrd;
    std::function<void(TObject*, int64_t)> SetOrd;
    std::function<long double(const TObject*)> GetFloat;
    std::function<void(TObject*, long double)> SetFloat;
    std::function<std::string(const TObject*)> GetStr;
    // For an event: binds the handler of that name; false when there is none.
    std::function<bool(TObject*, const std::string&)> SetStr;
    std::function<TObject*(const TObject*)> GetObject;
    std::function<void(TObject*, TObject*)> SetObject;
    std::function<TStrings*(const TObject*)> GetStrings;

    // Ordinals without a declared default are always written; floats and strings default to 0
    // and "", references and events to none, line lists to no lines.
    bool HasDefault = false;
    int64_t OrdDefault = 0;
    long double FloatDefault = 0;
    std::string StrDefault;
    std::function<bool(const TObject*)> StoredFn;  // none: stored
    bool StoredFlag = true;

    bool IsReadOnly() const;
    bool IsStored(const TObject* instance) const;
    // The value equals the default, so a writer leaves the property out.
    bool IsDefaultValue(const TObject* instance) const;
    // Stored and not at its default: what a writer writes.
    bool ShouldWrite(const TObject* instance) const {
        return IsStored(instance) && !IsDefaultValue(instance);
    }
};

// The properties of one class, ancestors' first; a subclass's entry of the same name takes the
// inherited entry's place.
class TPropList {
public:
    TPropList() = default;
    size_t Count() const { return FItems.size(); }
    const TPropInfo& operator[](size_t i) const { return FItems[i]; }
    // Without regard to letter case; null when there is none.
    const TPropInfo* Find(std::string_view name) const;

    // Building (TPublisher): a new entry, or the inherited one of that name to adjust.
    TPropInfo& Add(std::string name, TTypeKind kind);
    TPropInfo& Inherited(std::string_view name);
    void CopyFrom(const TPropList& inherited);

    auto begin() const { return FItems.begin(); }
    auto end() const { return FItems.end(); }

private:
    std::deque<TPropInfo> FItems;  // entries keep their address while the table grows
};
