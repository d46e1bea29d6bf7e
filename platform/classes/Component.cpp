#include "platform/classes/Component.h"

#include <algorithm>

#include "platform/classes/ClassErrors.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Strings.h"  // the list index message

namespace {

void Erase(std::vector<TComponent*>& list, TComponent* c) {
    auto it = std::find(list.begin(), list.end(), c);
    if (it != list.end()) list.erase(it);
}

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }

}  // namespace

bool IsValidIdent(std::string_view name) {
    if (name.empty() || !IsAsciiLetter(name[0])) return false;
    for (char c : name)
        if (!IsAsciiLetter(c) && !(c >= '0' && c <= '9')) return false;
    return true;
}

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
    Destroying();
    RemoveFreeNotifications();
    DestroyComponents();
    if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::Publish(TPublisher<TComponent>& p) {
    // The name is written in the object's header, not as a property.
    p.String("Name", &TComponent::Name, &TComponent::SetName).Stored(false);
    p.Integer("Tag", &TComponent::Tag, &TComponent::SetTag).Default(0);
}

void TComponent::SetName(const std::string& name) {
    if (name == FName) return;
    if (!name.empty() && !IsValidIdent(name))
        throw EComponentError(FormatClassMessage(SInvalidName, {name}));
    if (FOwner)
        FOwner->ValidateRename(this, FName, name);
    else
        ValidateRename(nullptr, FName, name);
    FName = name;
}

void TComponent::ValidateRename(TComponent* component, const std::string& curName,
                                const std::string& newName) const {
    if (component && !SameText(curName, newName) && component->FOwner == this &&
        FindComponent(newName))
        throw EComponentError(FormatClassMessage(SDuplicateName, {newName}));
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount())
        throw EListError(FormatClassMessage(SListIndexError, {std::to_string(index)}));
    return FComponents[size_t(index)];
}

int TComponent::ComponentIndex() const {
    if (!FOwner) return -1;
    auto& list = FOwner->FComponents;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : int(it - list.begin());
}

void TComponent::SetComponentIndex(int index) {
    if (!FOwner) return;
    int current = ComponentIndex();
    if (current < 0) return;
    auto& list = FOwner->FComponents;
    index = std::clamp(index, 0, int(list.size()) - 1);
    if (index == current) return;
    list.erase(list.begin() + current);
    list.insert(list.begin() + index, this);
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty()) return nullptr;
    for (TComponent* c : FComponents)
        if (SameText(c->FName, name)) return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
    // The name is checked before the component leaves its former owner, so a refusal leaves
    // it where it was.
    if (TComponent* same = FindComponent(component->FName); same && same != component)
        throw EComponentError(FormatClassMessage(SDuplicateName, {component->FName}));
    if (component->FOwner) component->FOwner->RemoveComponent(component);
    FComponents.push_back(component);
    component->FOwner = this;
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    if (component->FOwner != this) return;
    Notification(component, opRemove);
    Erase(FComponents, component);
    component->FOwner = nullptr;
}

void TComponent::DestroyComponents() {
    // One at a time from the end: a component may free a sibling while it is freed.
    while (!FComponents.empty()) {
        TComponent* c = FComponents.back();
        FComponents.pop_back();
        c->FOwner = nullptr;
        TObject::Free(c);
    }
}

void TComponent::Destroying() {
    if (FState.Contains(csDestroying)) return;
    FState.Include(csDestroying);
    for (TComponent* c : FComponents) c->Destroying();
}

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this) return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) == FFreeNotifies.end())
        FFreeNotifies.push_back(component);
    auto& theirs = component->FFreeNotifies;
    if (std::find(theirs.begin(), theirs.end(), this) == theirs.end()) theirs.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    if (!component) return;
    Erase(FFreeNotifies, component);
    Erase(component->FFreeNotifies, this);
}

void TComponent::RemoveFreeNotifications() {
    while (!FFreeNotifies.empty()) {
        TComponent* c = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        Erase(c->FFreeNotifies, this);
        c->Notification(this, opRemove);
    }
}

void TComponent::Notification(TComponent* component, TOperation operation) {
    if (operation == opRemove && component) RemoveFreeNotification(component);
    // From the end, re-clamped each step: a component told of the change may free others.
    for (int i = int(FComponents.size()) - 1; i >= 0;) {
        FComponents[size_t(i)]->Notification(component, operation);
        --i;
        if (i >= int(FComponents.size())) i = int(FComponents.size()) - 1;
    }
}

void TComponent::Loaded() { FState.Exclude(csLoading); }

void TComponent::SetState(TComponentStateItem item, bool on) {
    if (on)
        FState.Include(item);
    else
        FState.Exclude(item);
}

void TComponent::GetChildren(const std::function<void(TComponent*)>&, TComponent*) {}
