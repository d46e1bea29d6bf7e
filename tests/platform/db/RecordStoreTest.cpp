// The record store and its ordered index structure, checked against plain models.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <limits>
#include <random>

#include "platform/db/DBConsts.h"
#include "platform/db/RecordStore.h"

namespace {

// Random inserts and erases on an index, each step mirrored on a sorted vector; every few steps
// the index must answer positions, records and lower bounds as the vector does.
void CheckAgainstModel(TRecordIndex& index, std::vector<TRecordId> model,
                       const std::vector<int>& key, std::mt19937& random, unsigned seed) {
    auto less = [&](TRecordId a, TRecordId b) {
        return key[a] != key[b] ? key[a] < key[b] : a < b;
    };
    for (int step = 0; step < 12000; ++step) {
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
        const TRecordId id = static_cast<TRecordId>(random() % key.size());
        if (index.Contains(id)) {
            index.Erase(id);
            model.erase(std::find(model.begin(), model.end(), id));
        } else {
            index.Insert(id, less);
            model.insert(std::upper_bound(model.begin(), model.end(), id, less), id);
        }
    }
    EXPECT_EQ(index.At(-1), NoRecord);
    EXPECT_EQ(index.At(index.Count()), NoRecord);
}

}  // namespace

TEST(RecordIndex, AgreesWithASortedVectorUnderRandomInsertsAndErases) {
    const unsigned seed = 20261210;
    std::mt19937 random(seed);
    std::vector<int> key(4000);
    for (int& k : key) k = static_cast<int>(random() % 500);  // many equal keys
    TRecordIndex index;
    CheckAgainstModel(index, {}, key, random, seed);
}

TEST(RecordIndex, BuiltFromASortedListAnswersTheSameBeforeAndAfterItsFirstChange) {
    struct Case {
        const char* name;
        bool randomKeys;  // else keys rise with the id, so the ids are in their own order
        int step;         // every step-th id is in the built list
    } cases[] = {{"a list of every third id", true, 3}, {"every id in its own order", false, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const unsigned seed = 20261212;
        std::mt19937 random(seed);
        std::vector<int> key(4000);
        for (size_t id = 0; id < key.size(); ++id)
            key[id] = c.randomKeys ? static_cast<int>(random() % 500) : static_cast<int>(id / 8);
        std::vector<TRecordId> sorted;
        for (TRecordId id = 0; id < 4000; id += c.step) sorted.push_back(id);
        std::stable_sort(sorted.begin(), sorted.end(),
                         [&](TRecordId a, TRecordId b) { return key[a] < key[b]; });
        TRecordIndex index;
        index.Build(sorted);
        EXPECT_EQ(index.Contains(1), c.step == 1);
        EXPECT_FALSE(index.Contains(4000));
        const TRecordIndex copy = index;
        CheckAgainstModel(index, sorted, key, random, seed);
        EXPECT_EQ(copy.Count(), static_cast<int>(sorted.size())) << "a copy keeps its own content";
    }
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

namespace {

// One column of every kind, a nested one among them.
std::shared_ptr<const TTableLayout> KindsLayout() {
    auto child = std::make_shared<TTableLayout>();
    child->Columns = {{"V", ftInteger, 0, false, nullptr}};
    auto layout = std::make_shared<TTableLayout>();
    layout->Columns = {{"S", ftString, 20, false, nullptr},  {"I", ftInteger, 0, false, nullptr},
                       {"Kids", ftDataSet, 0, false, child}, {"F", ftFloat, 0, false, nullptr},
                       {"M", ftMemo, 0, false, nullptr},     {"K", ftSmallint, 0, false, nullptr},
                       {"D", ftDateTime, 0, false, nullptr}};
    return layout;
}

void ExpectRow(const TRecordStore& store, TRecordId id, const std::vector<TFieldValue>& want) {
    for (int c = 0; c < store.ColumnCount(); ++c)
        EXPECT_EQ(store.Value(id, c), want[c]) << "record " << id << ", column " << c;
}

}  // namespace

TEST(RecordStore, CompactRecordsKeepEveryKindNullsAndTextsThroughEdits) {
    const TFieldValue null;
    const std::string longText(5000, 'x');
    const std::vector<std::vector<TFieldValue>> rows = {
        {null, null, null, null, null, null, null},
        {std::string(), int32_t(0), null, 0.0, std::string(), int32_t(0), 0.0},  // empty, not null
        {std::string("\xC2\xB5m 90\xC2\xB0"), int32_t(INT32_MIN), null, -1e300,
         std::string("line 1\r\nline 2"), int32_t(-32768), 45000.5},
        {longText, int32_t(INT32_MAX), null, 1e-300, longText + "y", int32_t(32767), -693593.0},
    };
    TRecordStore store(KindsLayout());
    std::vector<TRecordId> ids;
    for (auto row : rows) ids.push_back(store.AppendRaw(std::move(row)));
    for (size_t r = 0; r < rows.size(); ++r) ExpectRow(store, ids[r], rows[r]);
    EXPECT_TRUE(store.IsNull(ids[0], 0));
    EXPECT_FALSE(store.IsNull(ids[1], 0)) << "an empty string is a value";
    EXPECT_EQ(store.TextAt(ids[3], 4).size(), 5001u);
    EXPECT_EQ(store.IntAt(ids[2], 1), INT32_MIN);
    EXPECT_EQ(store.Value(ids[1], 2), null) << "a nested column holds no value";

    // An integer written to a float column reads back as a float.
    std::vector<TFieldValue> widened = rows[1];
    widened[3] = int32_t(7);
    store.Update(ids[1], widened.data());
    EXPECT_EQ(store.Value(ids[1], 3), TFieldValue(7.0));

    // Rewriting texts over and over leaves dead text behind that the store reclaims, without
    // disturbing the texts of the other records, the copy, or a removed record's neighbours.
    std::vector<TFieldValue> edited = rows[3];
    for (int round = 0; round < 50; ++round) {
        edited[0] = std::string(300 + round, char('a' + round % 26));
        edited[4] = round % 2 ? TFieldValue{} : TFieldValue(longText + std::to_string(round));
        store.Update(ids[3], edited.data());
        if (round == 10) store.Remove(ids[0]);
    }
    const TRecordStore copy(store);
    for (const TRecordStore* s : {static_cast<const TRecordStore*>(&store), &copy}) {
        ExpectRow(*s, ids[2], rows[2]);
        ExpectRow(*s, ids[3], edited);
        EXPECT_FALSE(s->IsLive(ids[0]));
    }
}

TEST(RecordStore, ValueOfAnotherKindIsRefusedAndChangesNothing) {
    struct Case {
        int column;
        TFieldValue value;
    } cases[] = {
        {0, int32_t(1)},          // a number for a string
        {1, 2.5},                 // a float for an integer
        {1, std::string("3")},    // text for an integer
        {3, std::string("1.5")},  // text for a float
        {4, 4.0},                 // a float for a memo
    };
    TRecordStore store(KindsLayout());
    std::vector<TFieldValue> good = {std::string("a"), int32_t(1), {}, 1.5,
                                     std::string("m"), int32_t(2), 3.0};
    const TRecordId id = store.Add(good.data());
    for (const Case& c : cases) {
        std::vector<TFieldValue> bad = good;
        bad[c.column] = c.value;
        EXPECT_THROW(store.Add(bad.data()), EInvalidCast) << "column " << c.column;
        EXPECT_THROW(store.Update(id, bad.data()), EInvalidCast) << "column " << c.column;
        EXPECT_THROW(store.AppendUnindexed(std::vector<TFieldValue>(bad)), EInvalidCast);
        EXPECT_EQ(store.IdLimit(), 1);
        ExpectRow(store, id, good);
    }
}

TEST(RecordStore, BulkNumericOrdersMatchInsertsAcrossSignsAndMagnitudes) {
    // The bulk build sorts numeric keys by their bit images; the record-by-record inserts compare
    // values. Both must agree for negative, zero, tiny, huge, infinite, NaN and null keys in
    // either direction (a NaN can come from a file and must not break the order).
    auto layout = std::make_shared<TTableLayout>();
    layout->Columns = {{"F", ftFloat, 0, false, nullptr},
                       {"I", ftInteger, 0, false, nullptr},
                       {"D", ftDateTime, 0, false, nullptr},
                       {"Seq", ftInteger, 0, false, nullptr}};  // rises with the insertion order
    layout->Indexes = {{"FI", {0, 1}, false, false, false},   {"IDesc", {1, 2}, false, false, true},
                       {"D", {2}, false, false, false},       {"ISeq", {1, 3}, false, false, false},
                       {"SeqF", {3, 0}, false, false, false}, {"SeqDesc", {3}, false, false, true}};
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const TFieldValue floats[] = {TFieldValue{}, -1e300, -2.5,  -1e-300, -0.0, 0.0, 1e-300,
                                  0.5,           3.0,    1e300, -inf,    inf,  nan, -nan};
    const size_t floatCount = std::size(floats);
    const TFieldValue ints[] = {TFieldValue{}, int32_t(INT32_MIN), int32_t(-256),
                                int32_t(-1),   int32_t(0),         int32_t(1),
                                int32_t(255),  int32_t(256),       int32_t(INT32_MAX)};
    const unsigned seed = 20261211;
    std::mt19937 random(seed);
    TRecordStore oneByOne(layout), bulk(layout);
    for (int r = 0; r < 3000; ++r) {
        std::vector<TFieldValue> row = {floats[random() % floatCount], ints[random() % 9],
                                        floats[random() % floatCount], int32_t(r / 7 - 200)};
        oneByOne.Add(row.data());
        bulk.AppendUnindexed(std::move(row));
    }
    bulk.BuildIndexes();
    for (int order = 0; order < bulk.OrderCount(); ++order)
        for (int pos = 0; pos < bulk.RecordCount(); ++pos)
            ASSERT_EQ(bulk.RecordAt(order, pos), oneByOne.RecordAt(order, pos))
                << "seed " << seed << ", order " << order << ", position " << pos;

    // -0 and +0 are one key to a unique index, and so are any two NaNs, on either path.
    auto uniqueLayout = std::make_shared<TTableLayout>(*layout);
    uniqueLayout->Indexes = {{"F", {0}, true, false, false}};
    const std::pair<double, double> sameKeys[] = {{0.0, -0.0}, {nan, -nan}};
    for (const auto& [first, second] : sameKeys) {
        TRecordStore unique(uniqueLayout), uniqueBulk(uniqueLayout);
        const std::vector<TFieldValue> a = {first, {}, {}, {}}, b = {second, {}, {}, {}};
        unique.Add(a.data());
        EXPECT_THROW(unique.Add(b.data()), EDatabaseError);
        uniqueBulk.AppendUnindexed(std::vector<TFieldValue>(b));
        uniqueBulk.AppendUnindexed(std::vector<TFieldValue>(a));
        EXPECT_THROW(uniqueBulk.BuildIndexes(), EDatabaseError);
        EXPECT_EQ(uniqueBulk.RecordCount(), 0);
    }
}
