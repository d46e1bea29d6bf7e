#include "platform/classes/Object.h"

#include "platform/classes/PropInfo.h"

TClassInfo::TClassInfo(const char* name, TClass parent, TComponentFactory create,
                       TItemFactory createItem, TPublishProc publish)
    : FName(name), FParent(parent), FCreate(create), FCreateItem(createItem), FPublish(publish) {}

TClassInfo::~TClassInfo() = default;

bool TClassInfo::InheritsFrom(const TClassInfo& ancestor) const {
    for (TClass c = this; c; c = c->FParent)
        if (c == &ancestor) return true;
    return false;
}

TObject* TClassInfo::Create(TComponent* owner) const {
    if (!FCreate) throw EInvalidOperation("Cannot create an instance of " + FName);
    return FCreate(owner);
}

TObject* TClassInfo::CreateItem(TCollection* collection) const {
    if (!FCreateItem) throw EInvalidOperation("Cannot create an instance of " + FName);
    return FCreateItem(collection);
}

const TPropList& TClassInfo::Properties() const {
    if (!FProperties) {
        auto list = std::make_unique<TPropList>();
        if (FParent) list->CopyFrom(FParent->Properties());
        if (FPublish) FPublish(*list);
        FProperties = std::move(list);
    }
    return *FProperties;
}

TObject::~TObject() = default;

const TClassInfo& TObject::StaticClass() {
    static const TClassInfo info(
        "TObject", nullptr, [](TComponent*) { return new TObject(); }, nullptr, nullptr);
    return info;
}

void TObject::Free(TObject* object) {
    if (!object) return;
    object->BeforeDestruction();
    delete object;
}
