#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/classes/ClassErrors.h"
#include "platform/classes/Component.h"

namespace {

std::vector<std::string> gLog;

// Refers to another component and keeps the reference only while it lives.
class TWatcher : public TComponent {
    KV_DECLARE_CLASS(TWatcher, TComponent)
public:
    using TComponent::TComponent;
    ~TWatcher() override { gLog.push_back("free " + Name()); }

    TComponent* Target() const { return FTarget; }
    void SetTarget(TComponent* target) {
        if (FTarget) FTarget->RemoveFreeNotification(this);
        FTarget = target;
        if (FTarget) FTarget->FreeNotification(this);
    }
    // Frees this component too when freed (a companion that goes with it).
    TComponent* Companion = nullptr;

protected:
    void Notification(TComponent* component, TOperation operation) override {
        gLog.push_back(Name() + (operation == opInsert ? " +" : " -") + component->Name());
        if (operation == opRemove && component == FTarget) FTarget = nullptr;
        if (operation == opRemove && component == Companion) Companion = nullptr;
        TComponent::Notification(component, operation);
    }

private:
    TComponent* FTarget = nullptr;
};

class TWithCompanion : public TWatcher {
    KV_DECLARE_CLASS(TWithCompanion, TWatcher)
public:
    using TWatcher::TWatcher;
    ~TWithCompanion() override { delete Companion; }
};

TWatcher* Make(TComponent* owner, const char* name) {
    auto* c = new TWatcher(owner);
    c->SetName(name);
    return c;
}

}  // namespace

TEST(Component, FreeingTheOwnerFreesItsComponentsLastFirst) {
    gLog.clear();
    auto* owner = new TComponent(nullptr);
    TWatcher* a = Make(owner, "A");
    Make(a, "A1");
    Make(owner, "B");
    ASSERT_EQ(owner->ComponentCount(), 2);
    EXPECT_EQ(a->Components(0)->Name(), "A1");
    gLog.clear();
    TObject::Free(owner);
    // A subclass's destructor body runs before its owned components go.
    EXPECT_EQ(gLog, (std::vector<std::string>{"free B", "free A", "free A1"}));
}

TEST(Component, AReferenceIsClearedWhenItsTargetIsFreed) {
    // Across owners through the free notification, and among siblings through the owner.
    TComponent formA(nullptr), formB(nullptr);
    TWatcher* watcher = Make(&formA, "Watcher");
    TWatcher* sibling = Make(&formA, "Sibling");
    TWatcher* target = Make(&formB, "Target");
    watcher->SetTarget(target);
    sibling->SetTarget(watcher);
    gLog.clear();
    delete target;
    EXPECT_EQ(watcher->Target(), nullptr);
    EXPECT_EQ(gLog, (std::vector<std::string>{"free Target", "Watcher -Target"}));
    delete watcher;
    EXPECT_EQ(sibling->Target(), nullptr);
    // A removed free notification no longer reports.
    TWatcher* other = Make(&formB, "Other");
    sibling->SetTarget(other);
    sibling->SetTarget(nullptr);
    gLog.clear();
    delete other;
    EXPECT_EQ(gLog, (std::vector<std::string>{"free Other"}));
}

TEST(Component, FreeingDuringAWalkOfTheOwnersListIsSafe) {
    gLog.clear();
    auto* owner = new TComponent(nullptr);
    auto* first = new TWithCompanion(owner);
    first->SetName("First");
    TWatcher* second = Make(owner, "Second");
    auto* third = new TWithCompanion(owner);
    third->SetName("Third");
    third->Companion = first;  // freed last-first: Third frees First, which frees Second
    first->Companion = second;
    gLog.clear();
    delete owner;
    // Each is freed once; First, still in the owner's list, hears of Second leaving.
    EXPECT_EQ(gLog, (std::vector<std::string>{"free Second", "First -Second", "free First",
                                              "free Third"}));
}

namespace {
// Frees the components it lists when it hears that its target goes: it does so in the middle of
// the owner telling its components, one by one, about the removal.
class TFreesOnNotice : public TWatcher {
    KV_DECLARE_CLASS(TFreesOnNotice, TWatcher)
public:
    using TWatcher::TWatcher;
    std::vector<TComponent*> Victims;

protected:
    void Notification(TComponent* component, TOperation operation) override {
        bool targetGoes = operation == opRemove && component == Target();
        TWatcher::Notification(component, operation);
        if (targetGoes)
            for (TComponent* v : std::exchange(Victims, {})) delete v;
    }
};
}  // namespace

TEST(Component, AComponentToldOfARemovalMayFreeItsSiblings) {
    TComponent owner(nullptr);
    TWatcher* b = Make(&owner, "B");
    TWatcher* c = Make(&owner, "C");
    auto* freer = new TFreesOnNotice(&owner);
    freer->SetName("Freer");
    TWatcher* d = Make(&owner, "D");
    TWatcher* target = Make(&owner, "Target");
    freer->SetTarget(target);
    target->RemoveFreeNotification(freer);  // a sibling: the owner's round of news tells it
    freer->Victims = {b, c, d};
    d->SetTarget(c);
    gLog.clear();
    delete target;
    EXPECT_EQ(freer->Target(), nullptr);
    ASSERT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(owner.Components(0), freer);
}

TEST(Component, NamesAreValidatedAndUniqueInTheOwner) {
    TComponent owner(nullptr);
    TWatcher* a = Make(&owner, "Series1");
    TWatcher* b = Make(&owner, "Series2");
    struct Case {
        const char* name;
        const char* error;  // null: accepted
    } cases[] = {
        {"1Series", "'1Series' is not a valid component name"},
        {"Series 3", "'Series 3' is not a valid component name"},
        {"series1", "A component named series1 already exists"},
        {"SERIES2", nullptr},  // its own name in another case
        {"_Grid3", nullptr},
        {"", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            b->SetName(c.name);
            EXPECT_EQ(c.error, nullptr);
            EXPECT_EQ(b->Name(), c.name);
        } catch (const EComponentError& e) {
            ASSERT_NE(c.error, nullptr);
            EXPECT_EQ(e.Message(), c.error);
        }
    }
    EXPECT_EQ(owner.FindComponent("SERIES1"), a);
    EXPECT_EQ(owner.FindComponent(""), nullptr);
    // A component taken over by an owner that already has its name is refused.
    TComponent other(nullptr);
    TWatcher* clash = Make(&other, "Series1");
    EXPECT_THROW(owner.InsertComponent(clash), EComponentError);
    EXPECT_EQ(clash->Owner(), &other);
}

TEST(Component, MovesBetweenOwnersAndReorders) {
    gLog.clear();
    TComponent owner(nullptr), other(nullptr);
    TWatcher* a = Make(&owner, "A");
    TWatcher* b = Make(&owner, "B");
    TWatcher* c = Make(&owner, "C");
    c->SetComponentIndex(0);
    EXPECT_EQ(owner.Components(0), c);
    EXPECT_EQ(a->ComponentIndex(), 1);
    a->SetComponentIndex(99);  // clamped to the last place
    EXPECT_EQ(owner.Components(2), a);
    gLog.clear();
    other.InsertComponent(b);
    EXPECT_EQ(b->Owner(), &other);
    EXPECT_EQ(owner.ComponentCount(), 2);
    EXPECT_EQ(other.Components(0), b);
    // The old owner's components hear of the removal, the new owner's of the insertion.
    EXPECT_EQ(gLog, (std::vector<std::string>{"A -B", "B -B", "C -B", "B +B"}));
    EXPECT_THROW(owner.Components(2), EListError);
}

TEST(Component, StatesAndTag) {
    TComponent owner(nullptr);
    TWatcher* a = Make(&owner, "A");
    EXPECT_TRUE(a->ComponentState().Empty());
    owner.Destroying();
    EXPECT_TRUE(a->ComponentState().Contains(csDestroying));
    EXPECT_FALSE(a->ComponentState().Contains(csDesigning));
    a->SetTagObject(&owner);
    EXPECT_EQ(a->TagObject(), &owner);
    a->SetTag(-7);
    EXPECT_EQ(a->Tag(), -7);
}
