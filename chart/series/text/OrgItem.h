#pragma once
// The companion of one point of an organisation chart: the format of that point's box. The
// items are kept in point order, one per point, by the series that owns their collection.
#include <memory>

#include "chart/series/text/OrgShape.h"
#include "platform/classes/Collection.h"

class TOrgSeries;

class TOrgItem : public TCollectionItem {
    KV_DECLARE_CLASS(TOrgItem, TCollectionItem)
public:
    explicit TOrgItem(TCollection* collection);
    ~TOrgItem() override;

    // The series whose collection holds the item; none outside one.
    TOrgSeries* Series() const;
    TOrgShape* Format() const { return FFormat.get(); }
    void SetFormat(const TOrgShape* value);

    void Assign(const TPersistent* source) override;
    static void Publish(TPublisher<TOrgItem>& p);

private:
    std::unique_ptr<TOrgShape> FFormat;
};

// The items of an organisation chart, owned by it.
class TOrgItemCollection : public TOwnedCollection {
    KV_DECLARE_CLASS(TOrgItemCollection, TOwnedCollection)
public:
    explicit TOrgItemCollection(TOrgSeries* series);
    TOrgSeries* Series() const { return FSeries; }
    TOrgItem* Item(int index) const { return static_cast<TOrgItem*>(Items(index)); }
    TOrgItem* AddItem() { return static_cast<TOrgItem*>(Add()); }

private:
    TOrgSeries* FSeries;
};
