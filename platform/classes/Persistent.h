#pragma once
// An object whose settings can be copied into another (Assign) and written to and read from a
// component stream (its published properties plus the extra ones of DefineProperties).
#include "platform/classes/Object.h"
#include "platform/classes/Publisher.h"

class TFiler;

class TPersistent : public TObject {
    KV_DECLARE_CLASS(TPersistent, TObject)
public:
    TPersistent() = default;
    ~TPersistent() override;

    // Copies source's settings into this object. The base asks source to do it (AssignTo);
    // when neither side knows the other: EConvertError "Cannot assign a TSource to a TThis".
    virtual void Assign(const TPersistent* source);

    // The owner in the sense of the object tree (a collection for its items, the owner of an
    // owned collection); none by default.
    virtual TPersistent* GetOwner() const { return nullptr; }

    // Adds the properties that are not published: filer.DefineProperty / DefineBinaryProperty.
    virtual void DefineProperties(TFiler& filer);

protected:
    // Copies this object into dest; the base raises the assign error.
    virtual void AssignTo(TPersistent* dest) const;
    [[noreturn]] void AssignError(const TPersistent* source) const;
};
