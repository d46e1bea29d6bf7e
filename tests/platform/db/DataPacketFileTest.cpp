#include <gtest/gtest.h>

#include "platform/db/DataPacketFile.h"
#include "platform/rtl/Streams.h"
#include "tests/platform/db/DataSetFixtures.h"

namespace {

// Titles with their children, walked through the datasets' own cursors.
std::string Contents(TNestedTables& t) {
    std::string text;
    for (t.master.First(); !t.master.Eof(); t.master.Next())
        text += t.Title->AsString() + " [" + t.Children() + "] ";
    return text;
}

}  // namespace

TEST(DataPacketFile, DatasetWithNestedTablesRoundTrips) {
    TNestedTables a;
    a.AddMaster("second");
    a.AddPoint(2.5, 1);
    a.AddPoint(-1, 0.125);
    a.AddTag("x");
    a.master.Post();
    a.AddMaster("First");  // index order differs from insertion order
    a.AddMaster("empty");
    a.master.First();
    a.AddTag("only tag");
    a.master.Post();

    TMemoryStream stream;
    a.master.SaveToStream(stream);
    stream.SetPosition(0);
    TNestedTables b;
    b.master.LoadFromStream(stream);
    EXPECT_EQ(Contents(b), "First [| only tag] empty [|] second [-1:0.125 2.5:1 | x] ");
    EXPECT_EQ(Contents(b), Contents(a));
    EXPECT_EQ(b.master.ChangeCount(), 0);
    // The file order is the insertion order, so the bytes come back the same.
    EXPECT_EQ(TDataPacketFile(b.master).SaveToBytes(), TDataPacketFile(a.master).SaveToBytes());
}

TEST(DataPacketFile, FailedLoadLeavesTheDatasetClosed) {
    TNestedTables a;
    a.AddMaster("one");
    a.AddPoint(1, 1);
    a.master.Post();
    const std::string bytes = TDataPacketFile(a.master).SaveToBytes();

    TNestedTables b;
    TDataPacketFile file(b.master);
    EXPECT_THROW(file.LoadFromBytes(std::string_view(bytes).substr(0, bytes.size() - 3)),
                 EDataPacketError);
    EXPECT_FALSE(b.master.Active());
    EXPECT_THROW(file.SaveToBytes(), EDatabaseError);
    file.LoadFromBytes(bytes);  // and the same dataset loads a good packet afterwards
    EXPECT_EQ(Contents(b), Contents(a));
}
