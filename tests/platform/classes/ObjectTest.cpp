#include <gtest/gtest.h>

#include <memory>

#include "platform/classes/ClassErrors.h"
#include "platform/classes/Component.h"

namespace {

// A family with a class-level virtual function, reached from a class value.
class TToolClass : public TClassInfo {
public:
    using TClassInfo::TClassInfo;
    virtual std::string KindName() const = 0;
};
template <class T>
class TToolClassOf : public TClassInfoOf<T, TToolClass> {
public:
    using TClassInfoOf<T, TToolClass>::TClassInfoOf;
    std::string KindName() const override { return T::KindName(); }
};

class TTool : public TComponent {
public:
    template <class T>
    using TMetaOf = TToolClassOf<T>;
    KV_DECLARE_CLASS(TTool, TComponent)
public:
    using TComponent::TComponent;
    static std::string KindName() { return "Tool"; }
    virtual void Click() = 0;  // abstract: no instance of TTool itself
};

class TCursorTool : public TTool {
    KV_DECLARE_CLASS(TCursorTool, TTool)
public:
    using TTool::TTool;
    static std::string KindName() { return "Cursor"; }
    void Click() override {}
};

class TLineCursorTool : public TCursorTool {  // inherits the kind name
    KV_DECLARE_CLASS(TLineCursorTool, TCursorTool)
public:
    using TCursorTool::TCursorTool;
};

class TSample : public TPersistent {
    KV_DECLARE_CLASS(TSample, TPersistent)
public:
    int Value = 0;
    void Assign(const TPersistent* source) override {
        if (auto* s = dynamic_cast<const TSample*>(source))
            Value = s->Value;
        else
            TPersistent::Assign(source);
    }
};

}  // namespace

TEST(Object, ClassValuesKnowTheirNamesAndAncestry) {
    TClass line = &TLineCursorTool::StaticClass();
    EXPECT_EQ(line->ClassName(), "TLineCursorTool");
    EXPECT_EQ(line->ClassParent()->ClassName(), "TCursorTool");
    EXPECT_TRUE(line->InheritsFrom(TTool::StaticClass()));
    EXPECT_TRUE(line->InheritsFrom(TObject::StaticClass()));
    EXPECT_FALSE(TTool::StaticClass().InheritsFrom(*line));
    EXPECT_FALSE(line->InheritsFrom(nullptr));
    EXPECT_EQ(TObject::StaticClass().ClassParent(), nullptr);
}

TEST(Object, VirtualConstructorsAndClassFunctionsWorkFromAClassValue) {
    TComponent owner(nullptr);
    struct Case {
        TClass cls;
        const char* kind;
    } cases[] = {{&TCursorTool::StaticClass(), "Cursor"},
                 {&TLineCursorTool::StaticClass(), "Cursor"}};
    for (const auto& c : cases) {
        EXPECT_EQ(ClassAs<TToolClass>(c.cls).KindName(), c.kind);
        TTool* tool = CreateAs<TTool>(c.cls, &owner);
        EXPECT_EQ(tool->ClassName(), c.cls->ClassName());
        EXPECT_EQ(tool->Owner(), &owner);
    }
    EXPECT_EQ(owner.ComponentCount(), 2);
    EXPECT_EQ(TTool::StaticClass().KindName(), "Tool");
    EXPECT_FALSE(TTool::StaticClass().CanCreate());
    EXPECT_THROW(TTool::StaticClass().Create(&owner), EInvalidOperation);
    EXPECT_THROW(ClassAs<TToolClass>(&TSample::StaticClass()), EInvalidCast);
    EXPECT_THROW(CreateAs<TTool>(&TSample::StaticClass()), EInvalidCast);
    // A plain class is made without an owner.
    std::unique_ptr<TObject> sample(TSample::StaticClass().Create());
    EXPECT_EQ(sample->ClassName(), "TSample");
}

TEST(Object, CheckedCastsRaiseInvalidCast) {
    TComponent owner(nullptr);
    TObject* tool = new TLineCursorTool(&owner);
    EXPECT_TRUE(Is<TCursorTool>(tool));
    EXPECT_FALSE(Is<TSample>(tool));
    EXPECT_EQ(As<TTool>(tool), tool);
    EXPECT_EQ(As<TTool>(static_cast<TObject*>(nullptr)), nullptr);
    try {
        As<TSample>(tool);
        FAIL();
    } catch (const EInvalidCast& e) {
        EXPECT_EQ(e.Message(), "Invalid class typecast");
    }
}

TEST(Object, AssignCopiesKnownSourcesAndRefusesOthers) {
    TSample a, b;
    a.Value = 5;
    b.Assign(&a);
    EXPECT_EQ(b.Value, 5);
    TComponent component(nullptr);
    struct Case {
        const TPersistent* source;
        const char* message;
    } cases[] = {{&component, "Cannot assign a TComponent to a TSample"},
                 {nullptr, "Cannot assign a nil to a TSample"}};
    for (const auto& c : cases) {
        try {
            b.Assign(c.source);
            ADD_FAILURE() << c.message;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
}
