#pragma once
// Declaring a class's published properties, once, in its static Publish function:
//
//     void TPen::Publish(TPublisher<TPen>& p) {
//         p.Color("Color", &TPen::Color, &TPen::SetColor).Default(clBlack);
//         p.Enumeration("Style", PenStyleNames, &TPen::Style, &TPen::SetStyle).Default(psSolid);
//         p.Integer("Width", &TPen::Width, &TPen::SetWidth).Default(1);
//         p.Boolean("Visible", &TPen::Visible, &TPen::SetVisible).Default(true)
//             .Stored(&TPen::IsVisibleStored);
//     }
//
// Getters and setters are member functions or lambdas taking the object. Ordinal values may be
// integers, enumerations, Booleans or TSet; an object property's getter returns a pointer to the
// sub-object, whose class is the property's class. The order of declaration is the order of
// writing.
#include <concepts>
#include <functional>
#include <string>
#include <type_traits>

#include "platform/classes/PropInfo.h"

namespace kv_detail {

template <class V>
int64_t ToOrd(const V& v) {
    if constexpr (std::is_same_v<V, bool>)
        return v ? 1 : 0;
    else if constexpr (std::is_enum_v<V> || std::is_integral_v<V>)
        return static_cast<int64_t>(v);
    else
        return static_cast<int64_t>(v.Mask());  // a set
}

template <class V>
V FromOrd(int64_t x) {
    if constexpr (std::is_same_v<V, bool>)
        return x != 0;
    else if constexpr (std::is_enum_v<V> || std::is_integral_v<V>)
        return static_cast<V>(x);
    else
        return V::FromMask(static_cast<uint64_t>(x));
}

template <class T, class G>
using GetterResult = std::decay_t<std::invoke_result_t<G, const T&>>;

}  // namespace kv_detail

// The entry being declared, to give it a default or a stored rule.
template <class T>
class TPropRef {
public:
    explicit TPropRef(TPropInfo& info) : FInfo(info) {}

    template <class V>
    TPropRef& Default(const V& value) {
        if constexpr (std::is_convertible_v<V, std::string> && !std::is_arithmetic_v<V>) {
            FInfo.StrDefault = value;
        } else if constexpr (std::is_floating_point_v<V>) {
            FInfo.FloatDefault = value;
        } else {
            if (FInfo.Kind == tkFloat)
                FInfo.FloatDefault = static_cast<long double>(kv_detail::ToOrd(value));
            else
                FInfo.OrdDefault = kv_detail::ToOrd(value);
        }
        FInfo.HasDefault = true;
        return *this;
    }
    // Always written, whatever its value.
    TPropRef& NoDefault() {
        FInfo.HasDefault = false;
        FInfo.OrdDefault = 0;
        return *this;
    }
    TPropRef& Stored(bool stored) {
        FInfo.StoredFlag = stored;
        FInfo.StoredFn = nullptr;
        return *this;
    }
    // A predicate: a const member function returning bool, or a lambda on the object.
    template <class F>
    requires std::is_invocable_r_v<bool, F, const T&> TPropRef& Stored(F predicate) {
        FInfo.StoredFlag = true;
        FInfo.StoredFn = [predicate](const TObject* o) {
            return std::invoke(predicate, *static_cast<const T*>(o));
        };
        return *this;
    }
    // Names for some of an integer property's values.
    TPropRef& Idents(const TIdentConverter& converter) {
        FInfo.Idents = &converter;
        return *this;
    }
    TPropRef& AsFloatType(TFloatType type) {
        FInfo.FloatType = type;
        return *this;
    }
    TPropInfo& Info() { return FInfo; }

private:
    TPropInfo& FInfo;
};

template <class T>
class TPublisher {
public:
    explicit TPublisher(TPropList& list) : FList(list) {}

    template <class G, class S = std::nullptr_t>
    TPropRef<T> Integer(std::string name, G get, S set = nullptr) {
        return Ordinal(std::move(name), tkInteger, get, set);
    }
    template <class G, class S = std::nullptr_t>
    TPropRef<T> Enumeration(std::string name, const TEnumInfo& names, G get, S set = nullptr) {
        auto ref = Ordinal(std::move(name), tkEnumeration, get, set);
        ref.Info().EnumInfo = &names;
        return ref;
    }
    // A set of an enumeration whose value names are `names`; the value is a TSet or a bit mask.
    template <class G, class S = std::nullptr_t>
    TPropRef<T> Set(std::string name, const TEnumInfo& names, G get, S set = nullptr) {
        auto ref = Ordinal(std::move(name), tkSet, get, set);
        ref.Info().EnumInfo = &names;
        ref.Info().HasDefault = true;  // the empty set unless declared otherwise
        return ref;
    }
    template <class G, class S = std::nullptr_t>
    TPropRef<T> Color(std::string name, G get, S set = nullptr) {
        auto ref = Ordinal(std::move(name), tkColor, get, set);
        ref.Info().Idents = &ColorIdentConverter();
        return ref;
    }
    template <class G, class S = std::nullptr_t>
    TPropRef<T> Boolean(std::string name, G get, S set = nullptr) {
        auto ref = Ordinal(std::move(name), tkBoolean, get, set);
        ref.Info().EnumInfo = &BooleanIdents();
        return ref;
    }
    template <class G, class S = std::nullptr_t>
    TPropRef<T> Float(std::string name, G get, S set = nullptr) {
        using V = kv_detail::GetterResult<T, G>;
        TPropInfo& info = FList.Add(std::move(name), tkFloat);
        if constexpr (std::is_same_v<V, float>) info.FloatType = ftSingle;
        info.GetFloat = [get](const TObject* o) {
            return static_cast<long double>(std::invoke(get, *static_cast<const T*>(o)));
        };
        if constexpr (!std::is_null_pointer_v<S>)
            info.SetFloat = [set](TObject* o, long double v) {
                std::invoke(set, *static_cast<T*>(o), static_cast<V>(v));
            };
        return TPropRef<T>(info);
    }
    template <class G, class S = std::nullptr_t>
    TPropRef<T> String(std::string name, G get, S set = nullptr) {
        TPropInfo& info = FList.Add(std::move(name), tkString);
        info.GetStr = [get](const TObject* o) {
            return std::string(std::invoke(get, *static_cast<const T*>(o)));
        };
        if constexpr (!std::is_null_pointer_v<S>)
            info.SetStr = [set](TObject* o, const std::string& v) {
                std::invoke(set, *static_cast<T*>(o), v);
                return true;
            };
        return TPropRef<T>(info);
    }
    // An owned persistent sub-object (a pen, a font, a collection). Without a setter, writes by
    // name and reads from a stream go into the existing object.
    template <class G, class S = std::nullptr_t>
    TPropRef<T> Object(std::string name, G get, S set = nullptr) {
        return ObjectKind(std::move(name), tkClass, get, set);
    }
    // A reference to a component elsewhere, written by its name and resolved after reading.
    template <class G, class S = std::nullptr_t>
    TPropRef<T> Component(std::string name, G get, S set = nullptr) {
        return ObjectKind(std::move(name), tkComponent, get, set);
    }
    // An event. getName gives the handler's name ("" for none, or for a handler without a name);
    // bindName binds the handler of a name and returns false when the program has none.
    template <class G = std::nullptr_t, class S = std::nullptr_t>
    TPropRef<T> Method(std::string name, G getName = nullptr, S bindName = nullptr) {
        TPropInfo& info = FList.Add(std::move(name), tkMethod);
        if constexpr (!std::is_null_pointer_v<G>)
            info.GetStr = [getName](const TObject* o) {
                return std::string(std::invoke(getName, *static_cast<const T*>(o)));
            };
        else
            info.GetStr = [](const TObject*) { return std::string(); };
        if constexpr (!std::is_null_pointer_v<S>)
            info.SetStr = [bindName](TObject* o, const std::string& v) {
                return bool(std::invoke(bindName, *static_cast<T*>(o), v));
            };
        else
            info.SetStr = [](TObject*, const std::string&) { return false; };
        return TPropRef<T>(info);
    }
    // A list of lines the object owns (a TStrings), written as "Name.Strings".
    template <class G>
    TPropRef<T> Strings(std::string name, G get) {
        TPropInfo& info = FList.Add(std::move(name), tkStrings);
        info.GetStrings = [get](const TObject* o) -> TStrings* {
            return std::invoke(get, *static_cast<const T*>(o));
        };
        return TPropRef<T>(info);
    }
    // An inherited property, to give it this class's default or stored rule.
    TPropRef<T> Inherited(std::string_view name) { return TPropRef<T>(FList.Inherited(name)); }

private:
    template <class G, class S>
    TPropRef<T> Ordinal(std::string name, TTypeKind kind, G get, S set) {
        using V = kv_detail::GetterResult<T, G>;
        TPropInfo& info = FList.Add(std::move(name), kind);
        info.GetOrd = [get](const TObject* o) {
            return kv_detail::ToOrd<V>(std::invoke(get, *static_cast<const T*>(o)));
        };
        if constexpr (!std::is_null_pointer_v<S>)
            info.SetOrd = [set](TObject* o, int64_t v) {
                std::invoke(set, *static_cast<T*>(o), kv_detail::FromOrd<V>(v));
            };
        return TPropRef<T>(info);
    }
    template <class G, class S>
    TPropRef<T> ObjectKind(std::string name, TTypeKind kind, G get, S set) {
        using P = std::remove_cv_t<std::remove_pointer_t<kv_detail::GetterResult<T, G>>>;
        TPropInfo& info = FList.Add(std::move(name), kind);
        info.PropClass = &P::StaticClass();
        info.GetObject = [get](const TObject* o) -> TObject* {
            return const_cast<P*>(std::invoke(get, *static_cast<const T*>(o)));
        };
        if constexpr (!std::is_null_pointer_v<S>)
            info.SetObject = [set](TObject* o, TObject* v) {
                std::invoke(set, *static_cast<T*>(o), As<P>(v));
            };
        return TPropRef<T>(info);
    }

    TPropList& FList;
};
