// Cursor, editing, indexes and events of the client dataset on a flat table.
#include <gtest/gtest.h>

#include "tests/platform/db/DataSetFixtures.h"

TEST(ClientDataSet, UniqueCaseInsensitiveTwoFieldIndexRefusesSameKeyAndStaysInInsert) {
    TNamesTable t;
    t.ds.SetIndexName("ByName");
    t.Add("ABC", 10.5);
    t.Add("abc", 11.0);  // same name in other case, other date: allowed
    t.ds.Insert();
    t.Name->SetAsString("abc");
    t.Stamp->SetAsDateTime(10.5);
    try {
        t.ds.Post();
        FAIL() << "the post should fail";
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message(), "Key violation.");
    }
    EXPECT_EQ(t.ds.State(), dsInsert);
    EXPECT_EQ(t.ds.RecordCount(), 2);
    // Mended, the same record posts.
    t.Stamp->SetAsDateTime(12.0);
    t.ds.Post();
    EXPECT_EQ(t.ds.RecordCount(), 3);
}
