#include "platform/classes/Collection.h"

#include <algorithm>

#include "platform/classes/ClassErrors.h"
#include "platform/rtl/Strings.h"  // the list index message

namespace {

[[noreturn]] void IndexError(int index) {
    throw EListError(FormatClassMessage(SListIndexError, {std::to_string(index)}));
}

}  // namespace

TCollectionItem::TCollectionItem(TCollection* collection) { SetCollection(collection); }

TCollectionItem::~TCollectionItem() { SetCollection(nullptr); }

void TCollectionItem::SetCollection(TCollection* collection) {
    if (collection == FCollection) return;
    if (FCollection) FCollection->RemoveItem(this);
    if (collection) collection->InsertItem(this);
}

int TCollectionItem::Index() const {
    if (!FCollection) return -1;
    auto& items = FCollection->FItems;
    return int(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int index) {
    int current = Index();
    if (current < 0 || current == index) return;
    auto& items = FCollection->FItems;
    if (index < 0 || index >= int(items.size())) IndexError(index);
    items.erase(items.begin() + current);
    items.insert(items.begin() + index, this);
    Changed(true);
}

TPersistent* TCollectionItem::GetOwner() const { return FCollection; }

void TCollectionItem::Changed(bool allItems) {
    if (FCollection && FCollection->FUpdateCount == 0)
        FCollection->Update(allItems ? nullptr : this);
}

TCollection::TCollection(TClass itemClass) : FItemClass(itemClass) {}

TCollection::~TCollection() {
    FUpdateCount = 1;  // no reports while going
    while (!FItems.empty()) delete FItems.back();
}

TCollectionItem* TCollection::Items(int index) const {
    if (index < 0 || index >= Count()) IndexError(index);
    return FItems[size_t(index)];
}

TCollectionItem* TCollection::Add() {
    // The item's constructor puts it into this collection. The change is reported after the
    // constructor has finished, so Update never meets a half-made item.
    TCollectionUpdate update(*this);
    return static_cast<TCollectionItem*>(FItemClass->CreateItem(this));
}

TCollectionItem* TCollection::Insert(int index) {
    TCollectionItem* item = Add();
    item->SetIndex(index);
    return item;
}

void TCollection::Delete(int index) {
    TCollectionItem* item = Items(index);
    Notify(item, cnDeleting);
    delete item;
}

void TCollection::Clear() {
    if (FItems.empty()) return;
    TCollectionUpdate update(*this);
    while (!FItems.empty()) delete FItems.back();
}

TCollectionItem* TCollection::FindItemID(int id) const {
    for (TCollectionItem* item : FItems)
        if (item->FID == id) return item;
    return nullptr;
}

void TCollection::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0) Changed();
}

void TCollection::Changed() {
    if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TCollection*>(source)) {
        if (other == this) return;
        TCollectionUpdate update(*this);
        Clear();
        for (TCollectionItem* item : other->FItems) Add()->Assign(item);
        return;
    }
    TPersistent::Assign(source);
}

void TCollection::InsertItem(TCollectionItem* item) {
    FItems.push_back(item);
    item->FCollection = this;
    item->FID = FNextID++;
    Notify(item, cnAdded);
    Changed();
}

void TCollection::RemoveItem(TCollectionItem* item) {
    Notify(item, cnExtracting);
    FItems.erase(std::find(FItems.begin(), FItems.end(), item));
    item->FCollection = nullptr;
    Changed();
}

TOwnedCollection::TOwnedCollection(TPersistent* owner, TClass itemClass)
    : TCollection(itemClass), FOwner(owner) {}
