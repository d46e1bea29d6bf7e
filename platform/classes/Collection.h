#pragma once
// A list of items of one item class, owned by the collection: axes, series groups, contour
// levels, polygons. Items are made through the item class's constructor, which puts each into
// its collection. Changes report through Update(item) (null: the whole collection), once per
// BeginUpdate/EndUpdate bracket.
#include <string>
#include <vector>

#include "platform/classes/Persistent.h"

class TCollection;

class TCollectionItem : public TPersistent {
    KV_DECLARE_CLASS(TCollectionItem, TPersistent)
public:
    // Joins collection (when not null) at its end.
    explicit TCollectionItem(TCollection* collection);
    ~TCollectionItem() override;

    TCollection* Collection() const { return FCollection; }
    // Moves the item into another collection (or out of any with null).
    void SetCollection(TCollection* collection);
    // The position in the collection (-1 outside one); setting it moves the item.
    int Index() const;
    virtual void SetIndex(int index);
    // A number unique in the collection, kept when the item moves.
    int ID() const { return FID; }
    virtual std::string DisplayName() const { return ClassName(); }

    TPersistent* GetOwner() const override;

protected:
    // Reports a change of this item (or, with allItems, of the whole collection).
    void Changed(bool allItems);

private:
    friend class TCollection;
    TCollection* FCollection = nullptr;
    int FID = 0;
};

enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

class TCollection : public TPersistent {
    KV_DECLARE_CLASS(TCollection, TPersistent)
public:
    explicit TCollection(TClass itemClass = &TCollectionItem::StaticClass());
    ~TCollection() override;

    TClass ItemClass() const { return FItemClass; }
    int Count() const { return int(FItems.size()); }
    // Raises EListError outside 0..Count-1.
    TCollectionItem* Items(int index) const;
    TCollectionItem* Add();
    TCollectionItem* Insert(int index);
    void Delete(int index);
    void Clear();
    TCollectionItem* FindItemID(int id) const;

    void BeginUpdate() { ++FUpdateCount; }
    // The last EndUpdate reports the whole collection changed.
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    // From another collection: the same number of items, each assigned from its counterpart.
    void Assign(const TPersistent* source) override;

protected:
    virtual void Update(TCollectionItem*) {}
    // Told when an item joins, is about to leave, or is about to be deleted. An item that joins
    // from its own constructor is not whole yet: look at its collection fields only.
    virtual void Notify(TCollectionItem*, TCollectionNotification) {}
    void Changed();

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* item);
    void RemoveItem(TCollectionItem* item);

    TClass FItemClass;
    std::vector<TCollectionItem*> FItems;  // owned
    int FUpdateCount = 0;
    int FNextID = 0;
};

// A collection that names its owner (the object holding it as a property).
class TOwnedCollection : public TCollection {
    KV_DECLARE_CLASS(TOwnedCollection, TCollection)
public:
    TOwnedCollection(TPersistent* owner, TClass itemClass);
    TPersistent* GetOwner() const override { return FOwner; }

private:
    TPersistent* FOwner;
};

// BeginUpdate now, EndUpdate on every path out of the scope.
class TCollectionUpdate {
public:
    explicit TCollectionUpdate(TCollection& collection) : FCollection(collection) {
        FCollection.BeginUpdate();
    }
    ~TCollectionUpdate() { FCollection.EndUpdate(); }
    TCollectionUpdate(const TCollectionUpdate&) = delete;
    TCollectionUpdate& operator=(const TCollectionUpdate&) = delete;

private:
    TCollection& FCollection;
};
