// Nested tables: details following their master, the commit and cancel rules, cascade delete,
// and handlers that re-enter datasets.
#include <gtest/gtest.h>

#include "platform/db/DataSource.h"
#include "tests/platform/db/DataSetFixtures.h"

namespace {

// Two masters, "one" with points and tags, "two" with one point.
void Fill(TNestedTables& n) {
    n.AddMaster("one");
    n.AddPoint(2, 20);
    n.AddPoint(1, 10);
    n.AddTag("red");
    n.AddTag("Blue");
    n.master.Post();
    n.AddMaster("two");
    n.AddPoint(5, 50);
    n.master.Post();
}

// The current master's child tables in insertion order, with their record ids: what a file
// writer would walk.
std::string StoredChildren(TNestedTables& n) {
    std::string text;
    for (TDataSetField* field : {n.PointsField, n.TagsField}) {
        const TRecordStore* table =
            n.master.Store()->FindChild(n.master.GetBookmark(), field->FieldNo());
        if (!table) continue;
        table->ForEachRecord([&](TRecordId id) {
            text += std::to_string(id) + "=";
            for (int c = 0; c < table->ColumnCount(); ++c) {
                const TFieldValue& v = table->Value(id, c);
                if (const auto* d = std::get_if<double>(&v)) text += std::to_string(*d) + ",";
                if (const auto* s = std::get_if<std::string>(&v)) text += *s + ",";
            }
            text += " ";
        });
        text += "| ";
    }
    return text;
}

}  // namespace

TEST(NestedDataSet, DetailsFollowTheMastersCurrentRecord) {
    TNestedTables n;
    Fill(n);
    EXPECT_TRUE(n.points.Active());
    n.master.First();
    EXPECT_EQ(n.Children(), "1:10 2:20 | Blue red");
    n.master.Next();
    EXPECT_EQ(n.Children(), "5:50 |");
    EXPECT_EQ(n.points.RecNo(), 1);
    n.master.Close();
    EXPECT_FALSE(n.points.Active());
}

TEST(NestedDataSet, CancellingTheMasterRestoresEveryChildTableExactly) {
    TNestedTables n;
    Fill(n);
    n.master.First();
    const std::string before = n.Children();
    const std::string stored = StoredChildren(n);
    // Inserts, edits and deletes in both nested tables, then the master's own field.
    n.AddPoint(3, 30);
    EXPECT_EQ(n.master.State(), dsEdit) << "a detail change puts the browsing master into edit";
    n.points.First();
    n.points.Edit();
    n.Y->SetAsFloat(-1);
    n.points.Post();
    n.points.Last();
    n.points.Delete();
    n.tags.First();
    n.tags.Delete();
    n.AddTag("green");
    n.Title->SetAsString("renamed");
    n.tags.Edit();
    n.Tag->SetAsString("half-typed");  // a child edit still open when the master cancels
    ASSERT_NE(n.Children(), before);
    n.master.Cancel();
    EXPECT_EQ(n.master.State(), dsBrowse);
    EXPECT_EQ(n.tags.State(), dsBrowse);
    EXPECT_EQ(n.Title->AsString(), "one");
    EXPECT_EQ(n.Children(), before);
    EXPECT_EQ(StoredChildren(n), stored) << "the same records, ids and insertion order";
    // The other master's children were never touched.
    n.master.Next();
    EXPECT_EQ(n.Children(), "5:50 |");
}

TEST(NestedDataSet, PostingTheMasterCommitsTheChildrenAndALaterCancelKeepsThem) {
    TNestedTables n;
    Fill(n);
    n.master.First();
    n.AddPoint(3, 30);
    n.points.Append();
    n.X->SetAsFloat(4);  // posted by the master's post
    n.master.Post();
    EXPECT_EQ(n.points.State(), dsBrowse);
    n.master.Edit();
    n.points.First();
    n.points.Delete();
    n.master.Cancel();
    EXPECT_EQ(n.Children(), "1:10 2:20 3:30 4: | Blue red");
    // A child post that fails keeps both in their editing states.
    n.points.Append();
    n.X->SetAsFloat(3);
    EXPECT_THROW(n.master.Post(), EDatabaseError);
    EXPECT_EQ(n.points.State(), dsInsert);
    EXPECT_EQ(n.master.State(), dsEdit);
}

TEST(NestedDataSet, ScrollingTheMasterPostsItsChildChanges) {
    TNestedTables n;
    Fill(n);
    n.master.First();
    n.AddPoint(9, 90);
    n.master.Next();  // the master is modified by its child, so the move posts it
    n.master.First();
    EXPECT_EQ(n.Children(), "1:10 2:20 9:90 | Blue red");
}

TEST(NestedDataSet, ChildrenOfAMasterBeingInsertedAreAddedOnceItIsPosted) {
    TNestedTables n;
    n.master.Insert();
    EXPECT_TRUE(n.points.IsEmpty());
    // Without a title the master cannot be posted, so no child can be added.
    EXPECT_THROW(n.points.Append(), EDatabaseError);
    EXPECT_EQ(n.master.State(), dsInsert);
    n.Title->SetAsString("new");
    n.AddPoint(1, 1);  // posts the master first, then edits it
    EXPECT_EQ(n.master.State(), dsEdit);
    n.master.Post();
    EXPECT_EQ(n.master.RecordCount(), 1);
    EXPECT_EQ(n.Children(), "1:1 |");
    EXPECT_EQ(n.master.ChangeCount(), 3) << "master insert, child insert, master edit";
}

TEST(NestedDataSet, DeletingAMasterDeletesItsChildren) {
    TNestedTables n;
    Fill(n);
    n.master.First();
    TRecordStore* table = n.master.Store();
    const TRecordId first = n.master.GetBookmark();
    n.master.Delete();
    EXPECT_EQ(n.Title->AsString(), "two");
    EXPECT_EQ(n.Children(), "5:50 |");
    EXPECT_EQ(table->FindChild(first, n.PointsField->FieldNo()), nullptr);
    n.master.Delete();
    EXPECT_TRUE(n.master.IsEmpty());
    EXPECT_TRUE(n.points.IsEmpty());
    EXPECT_EQ(n.points.RecNo(), -1);
}

TEST(NestedDataSet, BeforeDeleteHandlerThatEmptiesChildrenAndSwitchesOrder) {
    TNestedTables n;
    Fill(n);
    n.master.First();
    n.master.BeforeDelete = [&](TDataSet*) {
        n.master.SetIndexName("");
        while (!n.points.IsEmpty()) n.points.Delete();
        n.master.SetIndexName("ByTitle");
    };
    n.master.Delete();
    EXPECT_EQ(n.master.RecordCount(), 1);
    EXPECT_EQ(n.Title->AsString(), "two");
    EXPECT_EQ(n.master.State(), dsBrowse);
}

TEST(NestedDataSet, AfterPostHandlerEditsAnotherTableWhoseChangeReloadsTheFirst) {
    TNestedTables n;
    Fill(n);
    TNamesTable log;
    log.Add("sum");
    // Posting a point edits the log table; the log's field change walks all points again,
    // with the points' controls disabled, and puts the cursor back.
    log.Value->OnChange = [&](TField*) {
        n.points.DisableControls();
        const TBookmark mark = n.points.GetBookmark();
        double sum = 0;
        for (n.points.First(); !n.points.Eof(); n.points.Next()) sum += n.Y->AsFloat();
        n.points.GotoBookmark(mark);
        n.points.EnableControls();
        log.Stamp->SetAsDateTime(sum);
    };
    n.points.AfterPost = [&](TDataSet*) {
        log.ds.First();
        log.ds.Edit();
        log.Value->SetAsFloat(n.X->AsFloat());
        log.ds.Post();
    };
    n.master.First();
    n.AddPoint(1.5, 15);
    EXPECT_EQ(n.X->AsFloat(), 1.5) << "the cursor is back on the posted point";
    EXPECT_EQ(log.Value->AsFloat(), 1.5);
    EXPECT_EQ(log.Stamp->AsDateTime(), 45.0);
    EXPECT_EQ(n.points.State(), dsBrowse);
    EXPECT_EQ(log.ds.State(), dsBrowse);
}

TEST(NestedDataSet, AnOwnerFreesMastersDetailsAndSourcesInAnyOrder) {
    for (bool detailFirst : {false, true}) {
        auto owner = std::make_unique<TComponent>(nullptr);
        TClientDataSet* detail = nullptr;
        if (detailFirst) detail = new TClientDataSet(owner.get());
        auto* master = new TClientDataSet(owner.get());
        if (!detailFirst) detail = new TClientDataSet(owner.get());
        auto* source = new TDataSource(owner.get());
        master->AddField<TStringField>("Title", 10);
        auto* nested = master->AddField<TDataSetField>("Rows");
        detail->AddField<TFloatField>("X");
        detail->SetDataSetField(nested);
        master->CreateDataSet();
        master->Append();
        master->Fields(0)->SetAsString("m");
        master->Post();
        detail->Append();
        detail->Fields(0)->SetAsFloat(1);
        detail->Post();
        source->SetDataSet(detail);
        EXPECT_TRUE(detail->Active());
        owner.reset();  // frees the three, last created first
    }
}

TEST(NestedDataSet, ADetailsAfterCancelThatPostsTheMasterWinsOverTheMastersCancel) {
    // The workbench posts the master whenever a child edit is cancelled; when that happens
    // inside the master's own cancel, the master ends posted, once, and nothing is left open.
    TNestedTables n;
    Fill(n);
    n.master.First();
    int masterCancels = 0, masterPosts = 0;
    n.master.AfterCancel = [&](TDataSet*) { ++masterCancels; };
    n.master.AfterPost = [&](TDataSet*) { ++masterPosts; };
    n.points.AfterCancel = [&](TDataSet*) {
        if (n.master.State() == dsEdit) n.master.Post();
    };
    n.AddPoint(7, 70);
    n.points.First();
    n.points.Edit();
    n.Y->SetAsFloat(0);
    n.master.Cancel();
    EXPECT_EQ(n.master.State(), dsBrowse);
    EXPECT_EQ(n.points.State(), dsBrowse);
    EXPECT_EQ(masterPosts, 1);
    EXPECT_EQ(masterCancels, 0);
    EXPECT_EQ(n.Children(), "1:10 2:20 7:70 | Blue red");
}

TEST(NestedDataSet, DetailSearchesAndOrdersWithinItsChildTable) {
    TNestedTables n;
    Fill(n);
    n.master.First();
    n.points.FindNearest({1.5});
    EXPECT_EQ(n.X->AsFloat(), 2);
    EXPECT_FALSE(n.points.FindKey({5.0})) << "5 belongs to the other master's table";
    n.points.SetIndexName("");
    n.points.First();
    EXPECT_EQ(n.X->AsFloat(), 2) << "insertion order";
    n.points.SetIndexName("ByX");
    EXPECT_EQ(n.points.RecNo(), 2);
}
