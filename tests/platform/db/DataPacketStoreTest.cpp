#include <gtest/gtest.h>

#include <random>

#include "platform/db/DBConsts.h"
#include "platform/db/DataPacket.h"
#include "platform/db/DataPacketStore.h"
#include "platform/db/DataPacketWriter.h"
#include "platform/db/RecordStore.h"
#include "tests/platform/db/PacketFixtures.h"

namespace {

std::shared_ptr<TTableLayout> Table(std::vector<TColumnLayout> columns) {
    auto t = std::make_shared<TTableLayout>();
    t->Columns = std::move(columns);
    return t;
}

TColumnLayout Col(const char* name, TFieldType type, bool required = false) {
    return {name, type, type == ftString ? 100 : 0, required, nullptr};
}

TColumnLayout Nested(const char* name, std::shared_ptr<TTableLayout> child) {
    return {name, ftDataSet, 0, false, std::move(child)};
}

// The results database's layout, with the unique index of its result rows.
std::shared_ptr<TTableLayout> ResultsLayout() {
    auto seert = Table({Col("Wavelength", ftFloat), Col("ivc", ftSmallint), Col("param1", ftFloat),
                        Col("param2", ftFloat), Col("param3", ftFloat), Col("EEiso", ftFloat),
                        Col("EE", ftFloat), Col("RT", ftFloat)});
    seert->Indexes.push_back({"cdsSEERTIndex1", {0, 1}, true, false, false});
    return Table(
        {Col("DatasetName", ftString), Col("DateTime", ftDateTime),
         Col("StartDateTime", ftDateTime), Col("FinishDateTime", ftDateTime), Col("Tref", ftFloat),
         Col("Tbg", ftFloat), Col("ViewIndex", ftSmallint), Col("NRF", ftFloat),
         Col("Threshold", ftFloat), Col("Rem", ftMemo),
         Nested("Cavity",
                Table({Col("D", ftFloat, true), Col("Z", ftFloat, true), Col("R", ftFloat, true),
                       Col("Emissivity", ftFloat), Col("Diffusity", ftFloat)})),
         Nested("Temperatures", Table({Col("Xi", ftFloat), Col("Z", ftFloat), Col("R", ftFloat),
                                       Col("isf", ftSmallint), Col("T", ftFloat)})),
         Nested("SEERT", seert), Col("nw", ftSmallint), Col("nv", ftSmallint), Col("Z0", ftFloat),
         Col("R0", ftFloat)});
}

TRecordId AddRun(TRecordStore& store, std::string name, double started, TFieldValue rem,
                 int results) {
    std::vector<TFieldValue> v(17);
    v[0] = std::move(name), v[1] = 45000.5, v[2] = started, v[3] = started + 0.125;
    v[6] = int32_t(4), v[9] = std::move(rem), v[13] = int32_t(results), v[15] = -0.5;
    const TRecordId id = store.AppendRaw(std::move(v));
    for (int k = 0; k < results; ++k) {
        std::vector<TFieldValue> row(8);
        row[0] = 0.25 * k, row[1] = int32_t(1), row[2] = 0.5, row[5] = 0.75, row[7] = 1234.5;
        store.Child(id, 12).AppendRaw(std::move(row));
    }
    return id;
}

}  // namespace

TEST(DataPacketStore, FreshStoreIsTheFreshResultsFile) {
    TRecordStore store(ResultsLayout());
    EXPECT_EQ(EncodeStorePacket(store, PacketMetadataOf(store.Layout())),
              PacketFixtures::FreshResultsPacket());
}

TEST(DataPacketStore, StoreRoundTripKeepsInsertionOrderAndText) {
    TRecordStore store(ResultsLayout());
    AddRun(store, "zeta \xC2\xB5m 90\xC2\xB0", 45010.000001157, std::string("line 1\r\nline 2"), 3);
    const TRecordId removed = AddRun(store, "removed", 45011.0, {}, 1);
    AddRun(store, "", 45012.5, {}, 0);  // empty name kept as an empty string, null memo
    store.Remove(removed);

    const TPacketMetadata meta = PacketMetadataOf(store.Layout());
    const std::string bytes = EncodeStorePacket(store, meta);
    // Windows-1252 on disk: the micro and degree signs are one byte each.
    EXPECT_NE(bytes.find("zeta \xB5m 90\xB0"), std::string::npos);

    TRecordStore back(ResultsLayout());
    EXPECT_EQ(DecodeStorePacket(bytes, back), meta);
    ASSERT_EQ(back.RecordCount(), 2);
    EXPECT_EQ(back.Value(0, 0), TFieldValue(std::string("zeta \xC2\xB5m 90\xC2\xB0")));
    EXPECT_EQ(back.Value(1, 0), TFieldValue(std::string()));
    EXPECT_TRUE(IsNullValue(back.Value(1, 9)));
    EXPECT_EQ(back.Value(0, 9), TFieldValue(std::string("line 1\r\nline 2")));
    ASSERT_NE(back.FindChild(0, 12), nullptr);
    EXPECT_EQ(back.FindChild(0, 12)->RecordCount(), 3);
    EXPECT_TRUE(back.FindChild(1, 12) == nullptr || back.FindChild(1, 12)->RecordCount() == 0);
    // The same bytes again: every value, null and date-time (to the millisecond) survived.
    EXPECT_EQ(EncodeStorePacket(back, meta), bytes);
}

TEST(DataPacketStore, RemovedRowsInAPacketAreSkippedWithTheirNestedRows) {
    auto kids = Table({Col("V", ftInteger)});
    kids->Indexes.push_back({"ByV", {0}, true, false, true});
    auto layout = Table({Col("Name", ftString), Nested("Kids", kids), Col("X", ftFloat)});
    const TPacketMetadata meta = PacketMetadataOf(*layout);
    TDataPacketWriter w(meta);
    const uint8_t removed = DataPacket::StatusDeadMask & ~DataPacket::StatusNotWritten;
    struct Row {
        uint8_t status;
        const char* name;
        std::vector<int32_t> kids;
    } rows[] = {{0, "first", {1, 3, 2}},
                {removed, "gone \xB5", {7, 7}},  // a duplicate key, not read
                {0, "second \xB5", {}}};
    for (const Row& row : rows) {
        w.BeginRow(row.status);
        w.WriteText(row.name);
        w.BeginNested();
        for (int32_t v : row.kids) {
            w.BeginRow();
            w.WriteInt(v);
            w.EndRow();
        }
        w.EndNested();
        w.WriteFloat(row.kids.size());
        w.EndRow();
    }
    TRecordStore store(layout);
    DecodeStorePacket(w.Finish(), store);
    ASSERT_EQ(store.RecordCount(), 2);
    EXPECT_EQ(store.Value(0, 0), TFieldValue(std::string("first")));
    EXPECT_EQ(store.Value(1, 0), TFieldValue(std::string("second \xC2\xB5")));
    EXPECT_EQ(store.Value(1, 2), TFieldValue(0.0));
    const TRecordStore* children = store.FindChild(0, 1);
    ASSERT_NE(children, nullptr);
    std::vector<TFieldValue> descending;
    for (int pos = 0; pos < children->RecordCount(); ++pos)
        descending.push_back(children->Value(children->RecordAt(1, pos), 0));
    EXPECT_EQ(descending, (std::vector<TFieldValue>{int32_t(3), int32_t(2), int32_t(1)}));
    EXPECT_TRUE(store.FindChild(1, 1) == nullptr || store.FindChild(1, 1)->RecordCount() == 0);
}

TEST(DataPacketStore, UnknownPropertiesAreWrittenBack) {
    TRecordStore store(ResultsLayout());
    TDataPacket packet = DecodeDataPacket(PacketFixtures::FreshResultsPacket());
    packet.Metadata.TableProperties.push_back({"CHANGE_LOG", 0x00820004, std::string(4, '\0')});
    packet.Metadata.TableProperties.push_back({"OWNER_NOTE", 0x00490001, std::string("\x02hi")});
    packet.Metadata.Columns[12].Properties.push_back(
        {"colour", 0x00010004, std::string(4, '\x07')});
    TRecordStore loaded(ResultsLayout());
    const TPacketMetadata kept = DecodeStorePacket(EncodeDataPacket(packet), loaded);

    const TPacketMetadata written = PacketMetadataOf(loaded.Layout(), &kept);
    ASSERT_EQ(written.TableProperties.size(), 1u);  // the change log is merged, not kept
    EXPECT_EQ(written.TableProperties[0].Name, "OWNER_NOTE");
    EXPECT_EQ(written.Columns[12].Properties, packet.Metadata.Columns[12].Properties);
}

TEST(DataPacketStore, MismatchedOrDuplicateContentIsRefused) {
    TRecordStore store(ResultsLayout());
    AddRun(store, "run", 45000.0, {}, 2);
    const std::string good = EncodeStorePacket(store, PacketMetadataOf(store.Layout()));

    // Another schema: the dataset database's file in place of the results database.
    TRecordStore other(ResultsLayout());
    EXPECT_THROW(DecodeStorePacket(PacketFixtures::FreshDatasetPacket(), other), EDataPacketError);
    // A column of another kind: nv written as a 32-bit integer.
    TDataPacket packet = DecodeDataPacket(good);
    packet.Metadata.Columns[14] = Int32PacketColumn("nv");
    EXPECT_THROW(DecodeStorePacket(EncodeDataPacket(packet), other), EDataPacketError);
    // Two result rows with one key break the unique index.
    packet = DecodeDataPacket(good);
    auto& rows = std::get<TPacketRows>(packet.Rows[0].Values[12]);
    rows[1] = rows[0];
    TRecordStore dup(ResultsLayout());
    EXPECT_THROW(DecodeStorePacket(EncodeDataPacket(packet), dup), EDatabaseError);
}

TEST(DataPacketStore, BulkBuiltIndexesMatchRecordByRecordInserts) {
    // Indexes of every kind: numeric with repeated keys and nulls, descending, case-insensitive
    // text, and a unique pair that the load checks.
    auto layout = Table(
        {Col("Name", ftString), Col("X", ftFloat), Col("K", ftSmallint), Col("Id", ftInteger)});
    layout->Indexes = {{"ByX", {1, 2}, false, false, false},
                       {"ByKDesc", {2, 1}, false, false, true},
                       {"ByName", {0}, false, true, false},
                       {"ById", {3}, true, false, false}};
    const unsigned seed = 20261210;
    std::mt19937 random(seed);
    TRecordStore oneByOne(layout), bulk(layout);
    const char* names[] = {"abc", "ABC", "b", "", "Zeta", "\xC2\xB5m"};
    for (int32_t id = 0; id < 500; ++id) {
        std::vector<TFieldValue> row(4);
        if (random() % 7) row[0] = std::string(names[random() % 6]);
        if (random() % 9) row[1] = double(int(random() % 20) - 10) / 4;
        row[2] = int32_t(random() % 5);
        row[3] = int32_t((id * 7919) % 1000);
        std::vector<TFieldValue> copy = row;
        oneByOne.AppendRaw(std::move(row));
        bulk.AppendUnindexed(std::move(copy));
    }
    bulk.BuildIndexes();
    ASSERT_EQ(bulk.RecordCount(), oneByOne.RecordCount());
    for (int order = 0; order < bulk.OrderCount(); ++order)
        for (int pos = 0; pos < bulk.RecordCount(); ++pos) {
            ASSERT_EQ(bulk.RecordAt(order, pos), oneByOne.RecordAt(order, pos))
                << "seed " << seed << ", order " << order;
            ASSERT_EQ(bulk.PositionOf(order, bulk.RecordAt(order, pos)), pos);
        }

    // A key twice in the unique index fails the build.
    TRecordStore twice(layout);
    for (int i = 0; i < 2; ++i)
        twice.AppendUnindexed({TFieldValue{}, 1.0, int32_t(i), int32_t(42)});
    EXPECT_THROW(twice.BuildIndexes(), EDatabaseError);
}
