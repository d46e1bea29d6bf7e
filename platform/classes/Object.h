#pragma once
// The root of the object model: every class that is found by name, created from a class value,
// streamed or reflected on derives from TObject and declares itself with KV_DECLARE_CLASS.
//
// Each class has one static TClassInfo: its name, its parent's info, how to create an instance
// (with an owner for components, with a collection for collection items) and its table of
// published properties. A class value (TClass) is a pointer to that info.
//
// Class-level virtual functions: a family that needs them (a series' EditorClassName, a tool's
// KindName) defines an info class with virtual functions and a template that forwards them to the
// class's static functions, and names it in its base class:
//
//     class TToolClass : public TClassInfo {        // the family's class value
//     public:
//         using TClassInfo::TClassInfo;
//         virtual std::string KindName() const = 0;
//     };
//     template <class T>
//     class TToolClassOf : public TClassInfoOf<T, TToolClass> {
//     public:
//         using TClassInfoOf<T, TToolClass>::TClassInfoOf;
//         std::string KindName() const override { return T::KindName(); }
//     };
//     class TTool : public TComponent {
//     public:
//         template <class T> using TMetaOf = TToolClassOf<T>;
//         KV_DECLARE_CLASS(TTool, TComponent)
//         static std::string KindName();            // a subclass hides it with its own
//     };
//
// Then ClassAs<TToolClass>(someClass).KindName() calls the right class's function without an
// instance, and every subclass of TTool gets a TToolClass info automatically.
#include <memory>
#include <string>
#include <type_traits>

#include "platform/rtl/Exceptions.h"

class TObject;
class TComponent;
class TCollection;
class TClassInfo;
struct TPropInfo;
class TPropList;
template <class T>
class TPublisher;

using TClass = const TClassInfo*;

inline constexpr const char* SInvalidCast = "Invalid class typecast";

class TClassInfo {
public:
    using TComponentFactory = TObject* (*)(TComponent* owner);
    using TItemFactory = TObject* (*)(TCollection* collection);
    using TPublishProc = void (*)(TPropList& list);

    TClassInfo(const char* name, TClass parent, TComponentFactory create, TItemFactory createItem,
               TPublishProc publish);
    virtual ~TClassInfo();
    TClassInfo(const TClassInfo&) = delete;
    TClassInfo& operator=(const TClassInfo&) = delete;

    const std::string& ClassName() const { return FName; }
    TClass ClassParent() const { return FParent; }
    // True for this class and every class derived from it.
    bool InheritsFrom(const TClassInfo& ancestor) const;
    bool InheritsFrom(TClass ancestor) const { return ancestor && InheritsFrom(*ancestor); }

    // The virtual constructor. A component class is created with its owner (who frees it); any
    // other default-constructible class ignores the owner and belongs to the caller. Raises
    // EInvalidOperation for a class without such a constructor (an abstract one).
    bool CanCreate() const { return FCreate != nullptr; }
    TObject* Create(TComponent* owner = nullptr) const;
    // The constructor of a collection item: the item joins the collection as it is made.
    bool CanCreateItem() const { return FCreateItem != nullptr; }
    TObject* CreateItem(TCollection* collection) const;

    // Published properties of this class and its ancestors, ancestors first.
    const TPropList& Properties() const;

private:
    std::string FName;
    TClass FParent;
    TComponentFactory FCreate;
    TItemFactory FCreateItem;
    TPublishProc FPublish;
    mutable std::unique_ptr<TPropList> FProperties;  // built on first use
};

template <class T, class TBase = TClassInfo>
class TClassInfoOf;

// Declares a class of the object model in its body: the class info, ClassType and `inherited`.
// Put it first in the body; the access after it is private.
#define KV_DECLARE_CLASS(Self, Parent)                                     \
public:                                                                    \
    using inherited = Parent;                                              \
    static const TMetaOf<Self>& StaticClass() {                            \
        static const TMetaOf<Self> info(#Self, &Parent::StaticClass());    \
        return info;                                                       \
    }                                                                      \
    const TClassInfo& ClassType() const override { return StaticClass(); } \
                                                                           \
private:

class TObject {
public:
    // The info class of this family; a family with class-level virtual functions names its own.
    template <class T>
    using TMetaOf = TClassInfoOf<T, TClassInfo>;

    TObject() = default;
    virtual ~TObject();
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;

    static const TClassInfo& StaticClass();
    virtual const TClassInfo& ClassType() const { return StaticClass(); }
    const std::string& ClassName() const { return ClassType().ClassName(); }
    bool InheritsFrom(const TClassInfo& ancestor) const {
        return ClassType().InheritsFrom(ancestor);
    }
    bool InheritsFrom(TClass ancestor) const { return ClassType().InheritsFrom(ancestor); }

    // Frees the object after telling it so while it is still whole (a component sets its
    // destroying state first). Free on a null pointer does nothing.
    static void Free(TObject* object);
    virtual void BeforeDestruction() {}

    // The published properties of this object (see TPublisher).
    static void Publish(TPublisher<TObject>&) {}
};

// The info of class T: name, parent, factories and property table, found at compile time.
template <class T, class TBase>
class TClassInfoOf : public TBase {
public:
    TClassInfoOf(const char* name, TClass parent)
        : TBase(name, parent, ComponentFactory(), ItemFactory(), PublishProc()) {}

private:
    static constexpr TClassInfo::TComponentFactory ComponentFactory() {
        if constexpr (std::is_abstract_v<T>)
            return nullptr;
        else if constexpr (std::is_constructible_v<T, TComponent*>)
            return [](TComponent* owner) -> TObject* { return new T(owner); };
        else if constexpr (std::is_constructible_v<T, TCollection*>)
            return nullptr;
        else if constexpr (std::is_default_constructible_v<T>)
            return [](TComponent*) -> TObject* { return new T(); };
        else
            return nullptr;
    }
    static constexpr TClassInfo::TItemFactory ItemFactory() {
        if constexpr (!std::is_abstract_v<T> && std::is_constructible_v<T, TCollection*>)
            return [](TCollection* collection) -> TObject* { return new T(collection); };
        else
            return nullptr;
    }
    // Only a class that declares its own Publish adds to the table it inherits.
    static constexpr TClassInfo::TPublishProc PublishProc() {
        if constexpr (std::is_same_v<decltype(&T::Publish), void (*)(TPublisher<T>&)>)
            return [](TPropList& list) {
                TPublisher<T> publisher(list);
                T::Publish(publisher);
            };
        else
            return nullptr;
    }
};

// Checked casts. Is: the object is of class T or derives from it (false for null). As: the same
// object as a T, or EInvalidCast "Invalid class typecast"; null stays null.
template <class T>
bool Is(const TObject* object) {
    return dynamic_cast<const T*>(object) != nullptr;
}
template <class T>
T* As(TObject* object) {
    if (!object) return nullptr;
    T* result = dynamic_cast<T*>(object);
    if (!result) throw EInvalidCast(SInvalidCast);
    return result;
}
template <class T>
const T* As(const TObject* object) {
    return As<T>(const_cast<TObject*>(object));
}
// A class value as the info class of its family (ClassAs<TToolClass>(c).KindName()).
template <class TMeta>
const TMeta& ClassAs(TClass cls) {
    const TMeta* result = dynamic_cast<const TMeta*>(cls);
    if (!result) throw EInvalidCast(SInvalidCast);
    return *result;
}
// Creates an instance of cls that must be a T (a class value of T's family).
template <class T>
T* CreateAs(TClass cls, TComponent* owner = nullptr) {
    if (!cls || !cls->InheritsFrom(T::StaticClass())) throw EInvalidCast(SInvalidCast);
    TObject* object = cls->Create(owner);
    if (T* result = dynamic_cast<T*>(object)) return result;
    TObject::Free(object);  // a class that forgot to declare itself
    throw EInvalidCast(SInvalidCast);
}
