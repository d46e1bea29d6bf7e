#include "platform/classes/PropAccess.h"

#include "platform/classes/ClassErrors.h"
#include "platform/classes/Component.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Strings.h"

namespace {

TColorToIdent gColorToIdent = nullptr;
TIdentToColor gIdentToColor = nullptr;

const TPropInfo& RequireProp(const TObject* instance, std::string_view name) {
    if (const TPropInfo* p = GetPropInfo(instance, name)) return *p;
    throw EPropertyError(FormatClassMessage(SUnknownProperty, {std::string(name)}));
}

[[noreturn]] void ElementError(std::string_view element) {
    throw EPropertyConvertError(
        FormatClassMessage(SInvalidPropertyElement, {std::string(element)}));
}

[[noreturn]] void ReadOnlyError() { throw EPropertyError("Property is read-only"); }

int64_t EnumOrdinal(const TPropInfo& prop, const Variant& value) {
    if (value.VarType() == varString) {
        int v = prop.EnumInfo->Value(Trim(value.AsString()));
        if (v < 0) ElementError(value.AsString());
        return v;
    }
    int64_t v = value.AsInteger();
    if (prop.Kind == tkEnumeration && (v < 0 || v >= prop.EnumInfo->Count()))
        ElementError(std::to_string(v));
    return v;
}

int64_t IntegerValue(const TPropInfo& prop, const Variant& value) {
    if (value.VarType() == varString && prop.Idents) {
        int64_t v;
        if (prop.Idents->FromIdent(Trim(value.AsString()), v)) return v;
    }
    return value.AsInteger();
}

}  // namespace

const TPropInfo* GetPropInfo(TClass cls, std::string_view name) {
    return cls ? cls->Properties().Find(name) : nullptr;
}

const TPropInfo* GetPropInfo(const TObject* instance, std::string_view name) {
    return instance ? GetPropInfo(&instance->ClassType(), name) : nullptr;
}

bool IsPublishedProp(const TObject* instance, std::string_view name) {
    return GetPropInfo(instance, name) != nullptr;
}

std::vector<const TPropInfo*> GetPropList(TClass cls) {
    std::vector<const TPropInfo*> list;
    for (const TPropInfo& p : cls->Properties()) list.push_back(&p);
    return list;
}

Variant GetPropValue(const TObject* instance, const TPropInfo& prop, bool preferStrings) {
    switch (prop.Kind) {
        case tkEnumeration:
            if (preferStrings) return Variant(prop.EnumInfo->Name(prop.GetOrd(instance)));
            return Variant(prop.GetOrd(instance));
        case tkSet:
            if (preferStrings)
                return Variant(SetToString(*prop.EnumInfo, uint64_t(prop.GetOrd(instance))));
            return Variant(prop.GetOrd(instance));
        case tkBoolean:
            return Variant(prop.GetOrd(instance) != 0);
        case tkFloat:
            if (prop.FloatType == ftDate) return Variant::FromDate(double(prop.GetFloat(instance)));
            return Variant(prop.GetFloat(instance));
        case tkString:
        case tkMethod:
            return Variant(prop.GetStr(instance));
        case tkClass:
        case tkComponent:
            return Variant(prop.GetObject(instance));
        case tkStrings:
            return Variant(prop.GetStrings(instance)->Text());
        default:
            return Variant(prop.GetOrd(instance));
    }
}

Variant GetPropValue(const TObject* instance, std::string_view name, bool preferStrings) {
    return GetPropValue(instance, RequireProp(instance, name), preferStrings);
}

void SetPropValue(TObject* instance, const TPropInfo& prop, const Variant& value) {
    if (prop.IsReadOnly()) ReadOnlyError();
    switch (prop.Kind) {
        case tkInteger:
        case tkColor:
            prop.SetOrd(instance, IntegerValue(prop, value));
            break;
        case tkBoolean:
            prop.SetOrd(instance, value.AsBoolean() ? 1 : 0);
            break;
        case tkEnumeration:
            prop.SetOrd(instance, EnumOrdinal(prop, value));
            break;
        case tkSet:
            if (value.VarType() == varString)
                prop.SetOrd(instance, int64_t(StringToSet(*prop.EnumInfo, value.AsString())));
            else
                prop.SetOrd(instance, value.AsInteger());
            break;
        case tkFloat:
            prop.SetFloat(instance, value.AsFloat());
            break;
        case tkString:
            prop.SetStr(instance, value.AsString());
            break;
        case tkMethod:
            if (!prop.SetStr(instance, value.AsString()))
                throw EPropertyError(SInvalidPropertyValue);
            break;
        case tkComponent:
            prop.SetObject(instance, value.AsObject());
            break;
        case tkStrings:
            prop.GetStrings(instance)->SetText(value.AsString());
            break;
        case tkClass:
            if (prop.SetObject) {
                prop.SetObject(instance, value.AsObject());
            } else {
                auto* target = dynamic_cast<TPersistent*>(prop.GetObject(instance));
                if (!target) ReadOnlyError();
                target->Assign(As<TPersistent>(value.AsObject()));
            }
            break;
        default:
            throw EPropertyError(SInvalidPropertyValue);
    }
}

void SetPropValue(TObject* instance, std::string_view name, const Variant& value) {
    SetPropValue(instance, RequireProp(instance, name), value);
}

int64_t GetOrdProp(const TObject* instance, std::string_view name) {
    const TPropInfo& p = RequireProp(instance, name);
    if (!p.GetOrd) throw EPropertyError(SInvalidPropertyValue);
    return p.GetOrd(instance);
}

void SetOrdProp(TObject* instance, std::string_view name, int64_t value) {
    const TPropInfo& p = RequireProp(instance, name);
    if (!p.GetOrd) throw EPropertyError(SInvalidPropertyValue);
    SetPropValue(instance, p, Variant(value));
}

std::string GetEnumProp(const TObject* instance, std::string_view name) {
    return GetPropValue(instance, name, true).AsString();
}

void SetEnumProp(TObject* instance, std::string_view name, std::string_view value) {
    SetPropValue(instance, name, Variant(std::string(value)));
}

long double GetFloatProp(const TObject* instance, std::string_view name) {
    return GetPropValue(instance, name).AsFloat();
}

void SetFloatProp(TObject* instance, std::string_view name, long double value) {
    SetPropValue(instance, name, Variant(value));
}

std::string GetStrProp(const TObject* instance, std::string_view name) {
    return GetPropValue(instance, name).AsString();
}

void SetStrProp(TObject* instance, std::string_view name, const std::string& value) {
    SetPropValue(instance, name, Variant(value));
}

TObject* GetObjectProp(const TObject* instance, std::string_view name) {
    return GetPropValue(instance, name).AsObject();
}

void SetObjectProp(TObject* instance, std::string_view name, TObject* value) {
    SetPropValue(instance, name, Variant(value));
}

void AssignPublished(TPersistent* dest, const TPersistent* source) {
    const TPropList& sourceProps = source->ClassType().Properties();
    bool isComponent = Is<TComponent>(dest);
    for (const TPropInfo& d : dest->ClassType().Properties()) {
        const TPropInfo* s = sourceProps.Find(d.Name);
        if (!s || s->Kind != d.Kind || d.Kind == tkMethod) continue;
        if (isComponent && d.Name == "Name") continue;
        switch (d.Kind) {
            case tkClass: {
                auto* to = dynamic_cast<TPersistent*>(d.GetObject(dest));
                auto* from = dynamic_cast<const TPersistent*>(s->GetObject(source));
                if (to && from && to != from) to->Assign(from);
                break;
            }
            case tkStrings: {
                TStrings* to = d.GetStrings(dest);
                const TStrings* from = s->GetStrings(source);
                if (to != from) to->Assign(*from);
                break;
            }
            case tkFloat:
                if (d.SetFloat) d.SetFloat(dest, s->GetFloat(source));
                break;
            case tkString:
                if (d.SetStr) d.SetStr(dest, s->GetStr(source));
                break;
            case tkComponent:
                if (d.SetObject) d.SetObject(dest, s->GetObject(source));
                break;
            default:
                if (d.SetOrd) d.SetOrd(dest, s->GetOrd(source));
                break;
        }
    }
}

std::string GetEnumName(const TEnumInfo& info, int64_t value) { return info.Name(value); }

int GetEnumValue(const TEnumInfo& info, std::string_view name) { return info.Value(name); }

std::string SetToString(const TEnumInfo& info, uint64_t mask, bool brackets) {
    std::string text;
    for (int i = 0; i < info.Count() && i < 64; ++i)
        if (mask & (uint64_t(1) << i)) {
            if (!text.empty()) text += ',';
            text += info.Name(i);
        }
    return brackets ? "[" + text + "]" : text;
}

uint64_t StringToSet(const TEnumInfo& info, std::string_view text) {
    std::string s = Trim(text);
    if (!s.empty() && s.front() == '[') s.erase(0, 1);
    if (!s.empty() && s.back() == ']') s.pop_back();
    uint64_t mask = 0;
    size_t start = 0;
    while (start <= s.size()) {
        size_t comma = s.find(',', start);
        if (comma == std::string::npos) comma = s.size();
        std::string element = Trim(std::string_view(s).substr(start, comma - start));
        if (!element.empty()) {
            int v = info.Value(element);
            if (v < 0 || v >= 64) ElementError(element);
            mask |= uint64_t(1) << v;
        }
        start = comma + 1;
    }
    return mask;
}

void SetColorIdentHooks(TColorToIdent toIdent, TIdentToColor toColor) {
    gColorToIdent = toIdent;
    gIdentToColor = toColor;
}

bool ColorToIdent(int64_t color, std::string& ident) {
    return gColorToIdent && gColorToIdent(color, ident);
}

bool IdentToColor(std::string_view ident, int64_t& color) {
    return gIdentToColor && gIdentToColor(ident, color);
}

const TIdentConverter& ColorIdentConverter() {
    static const TIdentConverter converter{ColorToIdent, IdentToColor};
    return converter;
}
