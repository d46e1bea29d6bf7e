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

TEST(ClientDataSet, FindNearestLandsOnFirstKeyAtOrAfterTheTextIgnoringCase) {
    TNamesTable t;
    for (const char* name : {"b1", "abd", "Abc", "zeta"}) t.Add(name);
    t.ds.SetIndexName("ByName");
    struct Case {
        std::string text, expected;
    } cases[] = {{"ab", "Abc"}, {"ABD", "abd"}, {"b", "b1"}, {"", "Abc"}, {"zz", "zeta"}};
    for (const Case& c : cases) {
        t.ds.FindNearest({c.text});
        EXPECT_EQ(t.Name->AsString(), c.expected) << "FindNearest of '" << c.text << "'";
    }
    EXPECT_TRUE(t.ds.FindKey({std::string("ABC"), 1.0}));
    EXPECT_EQ(t.Name->AsString(), "Abc");
    EXPECT_FALSE(t.ds.FindKey({std::string("ab")}));
    EXPECT_EQ(t.Name->AsString(), "Abc") << "a failed FindKey leaves the cursor";
}

TEST(ClientDataSet, IndexesOrderRecordsWhileInsertionOrderStays) {
    TNamesTable t;
    t.Add("b", 2);
    t.Add("a", 3);
    t.Add("c", 1);
    t.Add("a", 1);
    EXPECT_EQ(t.Names(), (std::vector<std::string>{"b", "a", "c", "a"})) << "insertion order";
    t.ds.SetIndexName("ByName");
    EXPECT_EQ(t.Names(), (std::vector<std::string>{"a", "a", "b", "c"}));
    t.ds.FindKey({std::string("a"), 3.0});
    t.ds.SetIndexName("ByStampDesc");  // switching keeps the record
    EXPECT_EQ(t.Name->AsString(), "a");
    EXPECT_EQ(t.Stamp->AsDateTime(), 3.0);
    EXPECT_EQ(t.ds.RecNo(), 1);
    EXPECT_EQ(t.Names(), (std::vector<std::string>{"a", "b", "c", "a"}))
        << "newest first, all fields descending";
    EXPECT_THROW(t.ds.SetIndexName("Nope"), EDatabaseError);
}

TEST(ClientDataSet, NavigationFlagsAndRecNo) {
    TNamesTable t;
    EXPECT_TRUE(t.ds.IsEmpty());
    EXPECT_TRUE(t.ds.Eof());
    EXPECT_TRUE(t.ds.Bof());
    EXPECT_EQ(t.ds.RecNo(), -1);
    for (const char* name : {"a", "b", "c", "d", "e", "f", "g"}) t.Add(name);
    t.ds.First();
    EXPECT_TRUE(t.ds.Bof());
    EXPECT_FALSE(t.ds.Eof());
    t.ds.Prior();
    EXPECT_EQ(t.ds.RecNo(), 1);
    EXPECT_EQ(t.ds.MoveBy(2), 2);
    EXPECT_EQ(t.ds.RecNo(), 3);
    EXPECT_EQ(t.ds.RecordCount(), 7);
    EXPECT_EQ(t.ds.MoveBy(100), 4);
    EXPECT_TRUE(t.ds.Eof());
    EXPECT_EQ(t.Name->AsString(), "g");
    EXPECT_EQ(t.ds.MoveBy(-100), -6);
    EXPECT_TRUE(t.ds.Bof());
    t.ds.Last();
    EXPECT_TRUE(t.ds.Eof());
    t.ds.SetRecNo(4);
    EXPECT_EQ(t.Name->AsString(), "d");
    const TBookmark mark = t.ds.GetBookmark();
    t.ds.First();
    t.ds.GotoBookmark(mark);
    EXPECT_EQ(t.Name->AsString(), "d");
    t.ds.Delete();
    EXPECT_FALSE(t.ds.BookmarkValid(mark));
    EXPECT_THROW(t.ds.GotoBookmark(mark), EDatabaseError);
}

TEST(ClientDataSet, InsertHasNoRecNoAndTakesItsIndexPlaceWhenPosted) {
    TNamesTable t;
    t.ds.SetIndexName("ByName");
    for (const char* name : {"a", "c", "e"}) t.Add(name);
    t.ds.First();
    t.ds.Next();  // on "c"
    t.ds.Insert();
    EXPECT_EQ(t.ds.RecNo(), -1);
    EXPECT_EQ(t.ds.GetBookmark(), NoRecord);
    t.ds.GotoBookmark(t.ds.GetBookmark());  // nothing to go back to: the insert stays
    EXPECT_EQ(t.ds.State(), dsInsert);
    EXPECT_EQ(t.ds.RecordCount(), 3);
    t.Name->SetAsString("z");
    t.ds.Post();
    EXPECT_EQ(t.ds.RecNo(), 4);
    EXPECT_EQ(t.Name->AsString(), "z");
    // A cancelled insert returns to the record that was current.
    t.ds.SetRecNo(2);
    t.ds.Insert();
    t.Name->SetAsString("b");
    t.ds.Cancel();
    EXPECT_EQ(t.Name->AsString(), "c");
    EXPECT_EQ(t.ds.RecordCount(), 4);
}

TEST(ClientDataSet, DeleteMovesToNextOrToPreviousAfterTheLast) {
    TNamesTable t;
    t.ds.SetIndexName("ByName");
    for (const char* name : {"a", "b", "c"}) t.Add(name);
    struct Step {
        int recNo;
        std::string after;
    } steps[] = {{2, "c"}, {2, "a"}, {1, ""}};
    for (const Step& s : steps) {
        t.ds.SetRecNo(s.recNo);
        t.ds.Delete();
        EXPECT_EQ(t.Name->AsString(), s.after) << "deleting record " << s.recNo;
    }
    EXPECT_TRUE(t.ds.IsEmpty());
    EXPECT_THROW(t.ds.Delete(), EDatabaseError);
}

TEST(ClientDataSet, MovingWhileEditingPostsAModifiedRecordAndDropsAnUntouchedInsert) {
    TNamesTable t;
    t.ds.SetIndexName("ByName");
    t.Add("a");
    t.Add("b");
    t.ds.First();
    t.ds.Edit();
    t.Value->SetAsFloat(7);
    t.ds.Next();
    EXPECT_EQ(t.ds.State(), dsBrowse);
    t.ds.First();
    EXPECT_EQ(t.Value->AsFloat(), 7);
    t.ds.Append();
    t.ds.First();
    EXPECT_EQ(t.ds.RecordCount(), 2) << "an append nobody typed into is cancelled";
    // A required field left empty stops the move: the error leaves the record in insert.
    t.ds.Append();
    t.Value->SetAsFloat(1);
    try {
        t.ds.First();
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message(), "Field 'Name' must have a value");
    }
    EXPECT_EQ(t.ds.State(), dsInsert);
}

// A required text that is empty or blank names nothing: it is refused as a missing one, and the
// row stays in its editing state for the user to mend.
TEST(ClientDataSet, AnEmptyOrBlankRequiredTextIsMissing) {
    const struct {
        std::string name;
        bool posts;
    } cases[] = {{"", false}, {"   ", false}, {" \t ", false}, {"a", true}, {"  b ", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE("'" + c.name + "'");
        TNamesTable t;
        t.ds.Append();
        t.Name->SetAsString(c.name);
        if (c.posts) {
            t.ds.Post();
            EXPECT_EQ(t.Names(), std::vector<std::string>{c.name});
            continue;
        }
        try {
            t.ds.Post();
            ADD_FAILURE() << "the post should fail";
        } catch (const EDatabaseError& e) {
            EXPECT_EQ(e.Message(), "Field 'Name' must have a value");
        }
        EXPECT_EQ(t.ds.State(), dsInsert);
        EXPECT_EQ(t.ds.RecordCount(), 0);
    }
}

TEST(ClientDataSet, PostErrorActions) {
    struct Case {
        TDataAction action;
        bool raisesDatabaseError, raisesAbort;
        int handlerCalls;
    } cases[] = {{daFail, true, false, 1}, {daAbort, false, true, 1}, {daRetry, false, false, 2}};
    for (const Case& c : cases) {
        TNamesTable t;
        int calls = 0;
        t.ds.OnPostError = [&](TDataSet*, EDatabaseError&, TDataAction& action) {
            ++calls;
            action = c.action;
            // The second retry comes after the record was mended, and succeeds.
            if (c.action == daRetry && calls == 2) t.Name->SetAsString("mended");
        };
        t.ds.Insert();
        bool databaseError = false, abort = false;
        try {
            t.ds.Post();
        } catch (const EAbort&) {
            abort = true;
        } catch (const EDatabaseError&) {
            databaseError = true;
        }
        EXPECT_EQ(databaseError, c.raisesDatabaseError) << "action " << c.action;
        EXPECT_EQ(abort, c.raisesAbort) << "action " << c.action;
        EXPECT_EQ(calls, c.handlerCalls) << "action " << c.action;
        EXPECT_EQ(t.ds.State(), c.action == daRetry ? dsBrowse : dsInsert);
    }
}

TEST(ClientDataSet, PostErrorHandlerThatCancelsTheRecord) {
    // Cancelling in the handler and then asking to abort ends the post quietly; asking to
    // retry has nothing left to retry.
    for (TDataAction then : {daAbort, daRetry}) {
        TNamesTable t;
        t.Add("a");
        t.ds.OnPostError = [&](TDataSet* ds, EDatabaseError&, TDataAction& action) {
            ds->Cancel();
            action = then;
        };
        t.ds.Append();
        t.Name->SetAsString("a");
        t.Stamp->SetAsDateTime(1);
        if (then == daAbort)
            EXPECT_THROW(t.ds.Post(), EAbort);
        else
            EXPECT_NO_THROW(t.ds.Post());
        EXPECT_EQ(t.ds.State(), dsBrowse);
        EXPECT_EQ(t.ds.RecordCount(), 1);
        EXPECT_EQ(t.Name->AsString(), "a");
    }
}

TEST(ClientDataSet, EventOrderOfInsertPostEditCancelDelete) {
    TNamesTable t;
    std::string log;
    auto record = [&](const char* name) {
        return [&log, name](TDataSet*) {
            log += name;
            log += ' ';
        };
    };
    t.ds.BeforeInsert = record("BI");
    t.ds.AfterInsert = record("AI");
    t.ds.OnNewRecord = [&](TDataSet*) {
        log += "NR(" + t.Value->AsString() + ") ";  // defaults are in place already
    };
    t.ds.BeforeEdit = record("BE");
    t.ds.AfterEdit = record("AE");
    t.ds.BeforePost = record("BP");
    t.ds.AfterPost = record("AP");
    t.ds.BeforeCancel = record("BC");
    t.ds.AfterCancel = record("AC");
    t.ds.BeforeDelete = record("BD");
    t.ds.AfterDelete = record("AD");
    t.ds.BeforeScroll = record("BS");
    t.ds.AfterScroll = record("AS");
    t.Value->SetDefaultExpression("1000");
    t.ds.Insert();
    t.Name->SetAsString("x");
    t.ds.Post();
    t.ds.Edit();
    t.ds.Cancel();
    t.ds.Delete();
    EXPECT_EQ(log, "BI BS NR(1000) AI AS BP AP BE AE BC AC BD BS AD AS ");
}

TEST(ClientDataSet, DescendingIndexAndEmptyDataSet) {
    TNamesTable t;
    t.ds.SetIndexName("ByStampDesc");
    t.Add("old", 1);
    t.Add("new", 3);
    t.Add("mid", 2);
    EXPECT_EQ(t.Names(), (std::vector<std::string>{"new", "mid", "old"}));
    t.ds.FindNearest({2.5});
    EXPECT_EQ(t.Name->AsString(), "mid") << "the first key not above 2.5 in descending order";
    t.ds.EmptyDataSet();
    EXPECT_TRUE(t.ds.IsEmpty());
    EXPECT_EQ(t.ds.ChangeCount(), 6);
    t.ds.MergeChangeLog();
    EXPECT_EQ(t.ds.ChangeCount(), 0);
    t.ds.SetLogChanges(false);
    t.Add("any");
    EXPECT_EQ(t.ds.ChangeCount(), 0);
}

TEST(ClientDataSet, LocateByFieldsWithOptions) {
    TNamesTable t;
    t.Add("Alpha", 1, 10);
    t.Add("beta", 2, 20);
    t.Add("Gamma", 3, 20);
    struct Case {
        std::string fields;
        std::vector<TFieldValue> values;
        TLocateOptions options;
        std::string found;  // empty: not found
    } cases[] = {
        {"Name", {std::string("beta")}, 0, "beta"},
        {"Name", {std::string("BETA")}, 0, ""},
        {"Name", {std::string("BETA")}, loCaseInsensitive, "beta"},
        {"name", {std::string("gam")}, loCaseInsensitive | loPartialKey, "Gamma"},
        {"Value;Stamp", {20.0, 3.0}, 0, "Gamma"},
        {"Value", {int32_t(10)}, 0, "Alpha"},
    };
    for (const Case& c : cases) {
        t.ds.First();
        const bool found = t.ds.Locate(c.fields, c.values, c.options);
        EXPECT_EQ(found, !c.found.empty()) << c.fields;
        EXPECT_EQ(t.Name->AsString(), found ? c.found : "Alpha") << c.fields;
    }
    EXPECT_THROW(t.ds.Locate("Missing", {1.0}), EDatabaseError);
}

TEST(ClientDataSet, FieldDefsMakeFieldsWhenThereAreNone) {
    TClientDataSet ds;
    ds.FieldDefs().Add("Id", ftInteger, 0, true);
    ds.FieldDefs().Add("Label", ftString, 8);
    ds.CreateDataSet();
    ASSERT_EQ(ds.FieldCount(), 2);
    ds.Append();
    ds.FieldByName("id")->SetAsInteger(5);
    ds.FieldByName("LABEL")->SetAsString("abcdefghijk");
    ds.Post();
    EXPECT_EQ(ds.Fields(1)->AsString(), "abcdefgh") << "cut to the size";
    EXPECT_EQ(ds.FindField("nope"), nullptr);
    try {
        ds.FieldByName("nope");
        FAIL();
    } catch (const EDatabaseError& e) {
        EXPECT_EQ(e.Message(), "Field 'nope' not found");
    }
    TClientDataSet bare;
    EXPECT_THROW(bare.CreateDataSet(), EDatabaseError);
    EXPECT_THROW(bare.Open(), EDatabaseError);
}
