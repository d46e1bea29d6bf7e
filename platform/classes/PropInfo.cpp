#include "platform/classes/PropInfo.h"

#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Strings.h"

TEnumInfo::TEnumInfo(std::initializer_list<const char*> names)
    : FNames(names.begin(), names.end()) {}

const std::string& TEnumInfo::Name(int64_t ordinal) const {
    static const std::string none;
    if (ordinal < 0 || ordinal >= int64_t(FNames.size())) return none;
    return FNames[size_t(ordinal)];
}

int TEnumInfo::Value(std::string_view name) const {
    for (size_t i = 0; i < FNames.size(); ++i)
        if (SameText(FNames[i], name)) return int(i);
    return -1;
}

const TEnumInfo& BooleanIdents() {
    static const TEnumInfo names{"False", "True"};
    return names;
}

bool TPropInfo::IsReadOnly() const {
    switch (Kind) {
        case tkFloat:
            return !SetFloat;
        case tkString:
        case tkMethod:
            return !SetStr;
        case tkClass:
        case tkStrings:
            return false;  // assigned into the existing object
        case tkComponent:
            return !SetObject;
        default:
            return !SetOrd;
    }
}

bool TPropInfo::IsStored(const TObject* instance) const {
    return StoredFn ? StoredFn(instance) : StoredFlag;
}

bool TPropInfo::IsDefaultValue(const TObject* instance) const {
    switch (Kind) {
        case tkFloat:
            return GetFloat(instance) == FloatDefault;
        case tkString:
            return GetStr(instance) == StrDefault;
        case tkMethod:
            return GetStr(instance).empty();
        case tkComponent:
            return GetObject(instance) == nullptr;
        case tkClass:
            return false;  // its own properties decide
        case tkStrings:
            return GetStrings(instance)->Count() == 0;
        default:
            return HasDefault && GetOrd(instance) == OrdDefault;
    }
}

const TPropInfo* TPropList::Find(std::string_view name) const {
    for (const TPropInfo& p : FItems)
        if (SameText(p.Name, name)) return &p;
    return nullptr;
}

TPropInfo& TPropList::Add(std::string name, TTypeKind kind) {
    for (TPropInfo& p : FItems)
        if (SameText(p.Name, name)) {  // a redeclaration takes the inherited entry's place
            p = TPropInfo{};
            p.Name = std::move(name);
            p.Kind = kind;
            return p;
        }
    TPropInfo& p = FItems.emplace_back();
    p.Name = std::move(name);
    p.Kind = kind;
    return p;
}

TPropInfo& TPropList::Inherited(std::string_view name) {
    for (TPropInfo& p : FItems)
        if (SameText(p.Name, name)) return p;
    throw EInvalidOperation("No inherited property " + std::string(name));
}

void TPropList::CopyFrom(const TPropList& inherited) { FItems = inherited.FItems; }
