#pragma once
// A component: an object with an owner that frees it, a name unique among its owner's
// components, a state (loading, reading, writing, destroying) and notifications of the
// components inserted into and removed from its owner or freed while it refers to them.
//
// Destruction: the destructor sets the destroying state, tells every component that asked for a
// free notification, frees the owned components (last first) and leaves its owner. A subclass
// whose owned components call back into it while they are freed calls DestroyComponents() in its
// own destructor, while its members still live. TObject::Free sets the destroying state before
// any destructor runs.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/classes/Persistent.h"
#include "platform/classes/Set.h"

enum TOperation { opInsert, opRemove };

enum TComponentStateItem { csLoading, csReading, csWriting, csDestroying, csDesigning };
// Designing never happens: the program has no form designer.
using TComponentState = TSet<TComponentStateItem>;

class TReader;
class TWriter;

class TComponent : public TPersistent {
    KV_DECLARE_CLASS(TComponent, TPersistent)
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    TComponent* Owner() const { return FOwner; }
    TPersistent* GetOwner() const override { return FOwner; }
    const std::string& Name() const { return FName; }
    // Raises EComponentError for a name that is not an identifier or that another component of
    // the owner already has (letter case aside). The empty name is allowed.
    virtual void SetName(const std::string& name);
    // Tag holds an integer or, for the editors, an object reference.
    int64_t Tag() const { return FTag; }
    void SetTag(int64_t tag) { FTag = tag; }
    TObject* TagObject() const { return reinterpret_cast<TObject*>(static_cast<intptr_t>(FTag)); }
    void SetTagObject(TObject* object) {
        FTag = static_cast<int64_t>(reinterpret_cast<intptr_t>(object));
    }

    int ComponentCount() const { return int(FComponents.size()); }
    // Raises EListError outside 0..ComponentCount-1.
    TComponent* Components(int index) const;
    // The position in the owner's list (-1 without owner); setting it moves the component.
    int ComponentIndex() const;
    void SetComponentIndex(int index);
    // An owned component by name, letter case aside; null when there is none.
    TComponent* FindComponent(std::string_view name) const;
    // Takes over a component (it leaves its former owner) / lets one go, with notifications.
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    // Frees every owned component, last first; safe when one frees another on the way.
    void DestroyComponents();

    TComponentState ComponentState() const { return FState; }
    // Sets the destroying state of this component and of all it owns.
    void Destroying();

    // Asks to be told (Notification opRemove) when component is freed, and tells component the
    // same about this one.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    // Component streaming protocol. GetChildren lists the components written inside this one
    // (none by default); a child whose HasParent is true is given its parent when read.
    virtual void GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root);
    virtual bool HasParent() const { return false; }
    virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual void SetParentComponent(TComponent*) {}
    // The owner of the children read inside this component; null: the reader's owner (the root).
    virtual TComponent* GetChildOwner() { return nullptr; }

    void BeforeDestruction() override { Destroying(); }
    static void Publish(TPublisher<TComponent>& p);

protected:
    // component was inserted into or is leaving the owner, or is being freed while this one
    // asked for it. The base drops the free notification link and passes the news on to the
    // owned components. Overrides clear their references, then call inherited.
    virtual void Notification(TComponent* component, TOperation operation);
    // The stream reading ended: the base leaves the loading state.
    virtual void Loaded();
    virtual void ValidateRename(TComponent* component, const std::string& curName,
                                const std::string& newName) const;
    void SetState(TComponentStateItem item, bool on);

private:
    friend class TReader;
    friend class TWriter;
    void RemoveFreeNotifications();

    TComponent* FOwner = nullptr;
    std::string FName;
    int64_t FTag = 0;
    TComponentState FState;
    std::vector<TComponent*> FComponents;  // owned: freed by DestroyComponents
    std::vector<TComponent*> FFreeNotifies;
};

// A letter or underscore, then letters, digits and underscores.
bool IsValidIdent(std::string_view name);
