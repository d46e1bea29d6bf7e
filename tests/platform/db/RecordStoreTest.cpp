// The record store and its ordered index structure, checked against plain models.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "platform/db/DBConsts.h"
#include "platform/db/RecordStore.h"

TEST(RecordIndex, AgreesWithASortedVectorUnderRandomInsertsAndErases) {
    const unsigned seed = 20261210;
    std::mt19937 random(seed);
    std::vector<int> key(4000);
    for (int& k : key) k = static_cast<int>(random() % 500);  // many equal keys
    auto less = [&](TRecordId a, TRecordId b) {
        return key[a] != key[b] ? key[a] < key[b] : a < b;
    };
    TRecordIndex index;
    std::vector<TRecordId> model;
    for (int step = 0; step < 12000; ++step) {
        const TRecordId id = static_cast<TRecordId>(random() % key.size());
        if (index.Contains(id)) {
            index.Erase(id);
            model.erase(std::find(model.begin(), model.end(), id));
        } else {
            index.Insert(id, less);
            model.insert(std::upper_bound(model.begin(), model.end(), id, less), id);
        }
        if (step % 997 == 0 || step == 11999) {
            ASSERT_EQ(index.Count(), static_cast<int>(model.size())) << "seed " << seed;
            for (int pos = 0; pos < index.Count(); ++pos) {
                ASSERT_EQ(index.At(pos), model[pos]) << "seed " << seed << " step " << step;
                ASSERT_EQ(index.RankOf(model[pos]), pos) << "seed " << seed << " step " << step;
            }
            const int probe = static_cast<int>(random() % 500);
            const int bound = index.LowerBound([&](TRecordId id) { return key[id] < probe; });
            const auto expected = std::find_if(model.begin(), model.end(),
                                               [&](TRecordId id) { return key[id] >= probe; });
            ASSERT_EQ(bound, expected - model.begin()) << "seed " << seed;
        }
    }
    EXPECT_EQ(index.At(-1), NoRecord);
    EXPECT_EQ(index.At(index.Count()), NoRecord);
}

namespace {

std::shared_ptr<const TTableLayout> PairLayout() {
    auto child = std::make_shared<TTableLayout>();
    child->Columns = {{"V", ftInteger, 0, false, nullptr}};
    auto layout = std::make_shared<TTableLayout>();
    layout->Columns = {{"Name", ftString, 20, false, nullptr},
                       {"X", ftFloat, 0, false, nullptr},
                       {"Kids", ftDataSet, 0, false, child}};
    layout->Indexes = {{"ByNameX", {0, 1}, true, true, false}};
    return layout;
}

std::vector<TFieldValue> Row(TFieldValue name, TFieldValue x) {
    return {std::move(name), std::move(x), TFieldValue{}};
}

}  // namespace

TEST(RecordStore, UniqueKeysNullsAndInsertionOrder) {
    TRecordStore store(PairLayout());
    struct Case {
        TFieldValue name, x;
        bool accepted;
    } cases[] = {
        {std::string("abc"), 1.0, true},      {std::string("ABC"), 1.0, false},  // case-insensitive
        {std::string("ABC"), 2.0, true},      {TFieldValue{}, 1.0, true},
        {TFieldValue{}, 1.0, false},  // two null names with the same X collide
        {TFieldValue{}, TFieldValue{}, true},
    };
    std::vector<TRecordId> ids;
    for (const Case& c : cases) {
        try {
            ids.push_back(store.AppendRaw(Row(c.name, c.x)));
            EXPECT_TRUE(c.accepted);
        } catch (const EDatabaseError& e) {
            EXPECT_FALSE(c.accepted);
            EXPECT_EQ(e.Message(), SKeyViolation);
        }
    }
    EXPECT_EQ(store.RecordCount(), 4);
    EXPECT_EQ(store.IdLimit(), 4) << "a refused row takes no id";
    // Index order: nulls first.
    std::vector<TRecordId> indexed;
    for (int pos = 0; pos < store.RecordCount(); ++pos) indexed.push_back(store.RecordAt(1, pos));
    EXPECT_EQ(indexed, (std::vector<TRecordId>{ids[3], ids[2], ids[0], ids[1]}));
    // Updating into another record's key is refused and changes nothing.
    const std::vector<TFieldValue> clash = Row(std::string("abc"), 1.0);
    EXPECT_THROW(store.Update(ids[1], clash.data()), EDatabaseError);
    EXPECT_EQ(std::get<std::string>(store.Value(ids[1], 0)), "ABC");
    // Removing keeps the other ids and the insertion order.
    store.Remove(ids[0]);
    std::vector<TRecordId> walked;
    store.ForEachRecord([&](TRecordId id) { walked.push_back(id); });
    EXPECT_EQ(walked, (std::vector<TRecordId>{ids[1], ids[2], ids[3]}));
    EXPECT_NO_THROW(store.AppendRaw(Row(std::string("abc"), 1.0))) << "the key is free again";
}

TEST(RecordStore, CopyIsDeepIncludingChildTables) {
    TRecordStore store(PairLayout());
    const TRecordId id = store.AppendRaw(Row(std::string("a"), 1.0));
    store.Child(id, 2).AppendRaw({int32_t(7)});
    TRecordStore copy(store);
    store.Child(id, 2).AppendRaw({int32_t(8)});
    const std::vector<TFieldValue> renamed = Row(std::string("b"), 1.0);
    store.Update(id, renamed.data());
    EXPECT_EQ(copy.FindChild(id, 2)->RecordCount(), 1);
    EXPECT_EQ(std::get<std::string>(copy.Value(id, 0)), "a");
    EXPECT_EQ(copy.RecordAt(1, 0), id) << "the copy's index works on its own values";
    EXPECT_EQ(store.Child(id, 2).RecordCount(), 2);
}
