#include <gtest/gtest.h>

#include "TestFamily.h"
#include "platform/classes/ClassErrors.h"

namespace {

class TCountingCollection : public TCollection {
    KV_DECLARE_CLASS(TCountingCollection, TCollection)
public:
    TCountingCollection() : TCollection(&TTestItem::StaticClass()) {}
    int Updates = 0;
    std::vector<TCollectionNotification> Notes;

protected:
    void Update(TCollectionItem*) override { ++Updates; }
    void Notify(TCollectionItem*, TCollectionNotification n) override { Notes.push_back(n); }
};

TTestItem* AddItem(TCollection& c, double value) {
    auto* item = static_cast<TTestItem*>(c.Add());
    item->SetValue(value);
    return item;
}

std::vector<double> Values(const TCollection& c) {
    std::vector<double> v;
    for (int i = 0; i < c.Count(); ++i) v.push_back(static_cast<TTestItem*>(c.Items(i))->Value());
    return v;
}

}  // namespace

TEST(Collection, AddInsertDeleteAndMove) {
    TCountingCollection c;
    TTestItem* a = AddItem(c, 1);
    AddItem(c, 2);
    TTestItem* inserted = static_cast<TTestItem*>(c.Insert(0));
    EXPECT_EQ(inserted->ClassName(), "TTestItem");
    inserted->SetValue(0);
    EXPECT_EQ(Values(c), (std::vector<double>{0, 1, 2}));
    a->SetIndex(2);
    EXPECT_EQ(Values(c), (std::vector<double>{0, 2, 1}));
    EXPECT_EQ(a->Index(), 2);
    EXPECT_THROW(a->SetIndex(3), EListError);
    EXPECT_EQ(c.FindItemID(a->ID()), a);
    c.Delete(0);
    EXPECT_EQ(Values(c), (std::vector<double>{2, 1}));
    EXPECT_EQ(c.Notes.back(), cnExtracting);
    EXPECT_THROW(c.Items(2), EListError);
    // An item moved to another collection keeps its ID there.
    TCountingCollection other;
    int id = a->ID();
    a->SetCollection(&other);
    EXPECT_EQ(other.FindItemID(id), a);
    EXPECT_EQ(c.Count(), 1);
    delete a;
    EXPECT_EQ(other.Count(), 0);
}

TEST(Collection, AnUpdateBracketReportsOnceAndEndsOnFailure) {
    TCountingCollection c;
    AddItem(c, 1);
    c.Updates = 0;
    {
        TCollectionUpdate outer(c);
        TCollectionUpdate inner(c);
        AddItem(c, 2);
        c.Delete(0);
        EXPECT_EQ(c.Updates, 0);
    }
    EXPECT_EQ(c.Updates, 1);
    try {
        TCollectionUpdate update(c);
        AddItem(c, 3);
        throw EAbort("stop");
    } catch (const EAbort&) {
    }
    EXPECT_EQ(c.UpdateCount(), 0);
    EXPECT_EQ(c.Updates, 2);
    c.Clear();
    EXPECT_EQ(c.Updates, 3);
    EXPECT_EQ(c.Count(), 0);
}

TEST(Collection, AssignRecreatesTheItemsAndOwnedCollectionsKnowTheirOwner) {
    TTestShape shape(nullptr);
    TOwnedCollection* items = shape.Items();
    EXPECT_EQ(items->GetOwner(), &shape);
    AddItem(*items, 1.5);
    static_cast<TTestItem*>(items->Items(0))->SetCaption("first");
    AddItem(*items, 2.5);
    TCountingCollection copy;
    AddItem(copy, 9);
    copy.Updates = 0;
    copy.Assign(items);
    EXPECT_EQ(Values(copy), (std::vector<double>{1.5, 2.5}));
    EXPECT_EQ(static_cast<TTestItem*>(copy.Items(0))->Caption(), "first");
    EXPECT_EQ(copy.Items(0)->GetOwner(), &copy);
    EXPECT_EQ(copy.Updates, 1);
    TTestPen pen;
    EXPECT_THROW(copy.Assign(&pen), EConvertError);
}
