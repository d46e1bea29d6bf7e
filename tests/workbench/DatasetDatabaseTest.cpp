#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "platform/classes/Cursors.h"
#include "tests/workbench/WorkbenchFixtures.h"
#include "workbench/DatabaseRoutines.h"
#include "workbench/DatasetDatabase.h"

namespace {

std::vector<double> CavityKeys(TDatasetDatabase& db) {
    std::vector<double> keys;
    for (db.cdsCavity.First(); !db.cdsCavity.Eof(); db.cdsCavity.Next())
        keys.push_back(db.cdsCavityD->AsFloat());
    return keys;
}

}  // namespace

TEST(DatasetDatabase, NewDatasetGetsItsDefaults) {
    TOpenDatabase t;
    t.Db.Clock = [] { return 46001.5; };
    t.Db.cdsMain.Insert();
    struct Case {
        const char* field;
        double value;
    } cases[] = {{"Tbg", 0}, {"ViewIndex", 0}, {"NRF", 1000},        {"Threshold", 0},
                 {"Z0", 0},  {"R0", 0},        {"DateTime", 46001.5}};
    for (const auto& c : cases) {
        EXPECT_FALSE(t.Db.cdsMain.FieldByName(c.field)->IsNull()) << c.field;
        EXPECT_EQ(t.Db.cdsMain.FieldByName(c.field)->AsFloat(), c.value) << c.field;
    }
    EXPECT_TRUE(t.Db.cdsMain.FieldByName("Tref")->IsNull());
    // The name must be typed before the row can be posted.
    EXPECT_THROW(t.Db.cdsMain.Post(), EDatabaseError);
    EXPECT_EQ(t.Db.cdsMain.State(), dsInsert);
    t.Db.cdsMain.Cancel();

    // A creation time that cannot be set leaves the bound controls resumed.
    t.Db.Clock = []() -> double { throw Exception("no clock"); };
    EXPECT_THROW(t.Db.cdsMain.Insert(), Exception);
    EXPECT_FALSE(t.Db.cdsMain.ControlsDisabled());
}

TEST(DatasetDatabase, NewCavityRowsLandWhereTheyWereInserted) {
    const double one = 1.0, justAbove = std::nextafter(1.0, 2.0);
    struct Case {
        const char* what;
        std::vector<double> keys;  // existing rows
        int current;               // 1-based row the cursor is on
        bool gridAppend;
        std::vector<double> expected;
    } cases[] = {
        {"empty table", {}, 0, false, {1}},
        {"grid append on the last row", {1, 2, 3}, 3, true, {1, 2, 3, 4}},
        {"insert before the first row", {1, 2, 3}, 1, false, {0.5, 1, 2, 3}},
        {"insert between two rows", {1, 2, 3}, 3, false, {1, 2, 2.5, 3}},
        {"Down in the middle, then insert", {1, 2, 3}, 2, true, {1, 1.5, 2, 3}},
        {"keys too close to halve", {one, justAbove, 5}, 2, false, {1, 1.5, 2, 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TOpenDatabase t;
        AddDataset(t.Db, "profile", 46000, 0);
        t.Db.CavityGridAppend = true;  // rows set up as appended, with their keys as given
        for (double key : c.keys) AddRow(t.Db.cdsCavity, {{"D", key}, {"Z", key}, {"R", 1}});
        ASSERT_EQ(CavityKeys(t.Db), c.keys);
        if (c.current > 0) t.Db.cdsCavity.SetRecNo(c.current);
        t.Db.CavityGridAppend = c.gridAppend;
        if (c.gridAppend)
            t.Db.cdsCavity.Append();
        else
            t.Db.cdsCavity.Insert();
        SetField(t.Db.cdsCavity, "Z", -1);
        SetField(t.Db.cdsCavity, "R", 1);
        t.Db.cdsCavity.Post();
        EXPECT_EQ(CavityKeys(t.Db), c.expected);
    }
}

TEST(DatasetDatabase, DeletingADatasetEmptiesItsNestedTablesAndKeepsTheSort) {
    for (int sort : {0, 1}) {
        SCOPED_TRACE(sort);
        TOpenDatabase t;
        AddDataset(t.Db, "b", 46000, 2);
        AddDataset(t.Db, "a", 46001, 3);
        AddDataset(t.Db, "c", 46002, 1);
        t.Db.SetSortChoice(sort);
        t.Db.cdsMain.First();  // "a" by name, "c" by date
        const std::string first = t.Db.cdsMainDatasetName->AsString();
        t.Db.cdsMain.Delete();

        EXPECT_EQ(t.Db.SortChoice(), sort);
        EXPECT_EQ(t.Db.cdsMain.IndexName(), sort == 0 ? "cdsMainIndex1" : "cdsMainIndex2");
        EXPECT_EQ(t.Db.cdsMain.RecordCount(), 2);
        EXPECT_TRUE(t.Messages.Shown.empty());
        EXPECT_FALSE(t.Db.cdsMain.Locate("DatasetName", {TFieldValue(first)}));
        ASSERT_TRUE(t.Db.cdsMain.Locate("DatasetName", {TFieldValue(std::string("b"))}));
        EXPECT_EQ(NestedCounts(t.Db), std::vector<int>(8, 2));
    }

    // The only dataset: an empty database remains, with empty nested tables.
    TOpenDatabase t;
    AddDataset(t.Db, "only", 46000, 4);
    t.Db.cdsMain.Delete();
    EXPECT_TRUE(t.Db.cdsMain.IsEmpty());
    EXPECT_EQ(NestedCounts(t.Db), std::vector<int>(8, 0));
    EXPECT_EQ(RecordPositionText(t.Db.cdsCavity), "Dataset is empty");
}

TEST(DatasetDatabase, SortOrdersAndFindByName) {
    TOpenDatabase t;
    AddDataset(t.Db, "b1", 46000, 0);
    AddDataset(t.Db, "abd", 46002, 0);
    AddDataset(t.Db, "Abc", 46001, 0);
    EXPECT_EQ(Names(t.Db), (std::vector<std::string>{"Abc", "abd", "b1"}));
    t.Db.cdsMain.Last();
    t.Db.Find("ab");
    EXPECT_EQ(t.Db.cdsMainDatasetName->AsString(), "Abc");
    t.Db.Find("AB");
    EXPECT_EQ(t.Db.cdsMainDatasetName->AsString(), "Abc");
    t.Db.Find("abd");
    EXPECT_EQ(t.Db.cdsMainDatasetName->AsString(), "abd");
    t.Db.Find("");  // an empty text leaves the cursor alone
    EXPECT_EQ(t.Db.cdsMainDatasetName->AsString(), "abd");
    EXPECT_TRUE(t.Db.FindVisible());

    t.Db.SetSortChoice(1);   // newest first
    t.Db.SetSortChoice(-1);  // no item chosen: the order stays
    EXPECT_EQ(t.Db.SortChoice(), 1);
    EXPECT_FALSE(t.Db.FindVisible());
    EXPECT_EQ(Names(t.Db), (std::vector<std::string>{"abd", "Abc", "b1"}));

    // Names that differ only in letter case cannot share a creation time.
    t.Db.Clock = [] { return 46001.0; };
    t.Db.cdsMain.Append();
    t.Db.cdsMainDatasetName->SetAsString("ABC");
    EXPECT_THROW(t.Db.cdsMain.Post(), EDatabaseError);
    EXPECT_EQ(t.Db.cdsMain.State(), dsInsert);
}

TEST(DatasetDatabase, RecordPositionTexts) {
    TOpenDatabase t;
    std::string status = "untouched";
    TClientDataSet closed;
    ShowRecordPosition(closed, status);
    EXPECT_EQ(status, "untouched");
    ShowRecordPosition(t.Db.cdsMain, status);
    EXPECT_EQ(status, "Dataset is empty");
    for (int i = 0; i < 7; ++i) AddDataset(t.Db, "set " + std::to_string(i), 46000 + i, 0);
    t.Db.cdsMain.SetRecNo(3);
    ShowRecordPosition(t.Db.cdsMain, status);
    EXPECT_EQ(status, "Record 3 of 7");
    t.Db.cdsMain.Insert();
    ShowRecordPosition(t.Db.cdsMain, status);
    EXPECT_EQ(status, "");
}

TEST(DatasetDatabase, DeleteAllRecordsReportsAFailureOnce) {
    TOpenDatabase t;
    AddDataset(t.Db, "x", 46000, 3);
    int attempts = 0;
    t.Db.cdsWavelengths.BeforeDelete = [&](TDataSet*) {
        if (++attempts == 2) throw EDatabaseError("refused");
    };
    EXPECT_FALSE(DeleteAllRecords(t.Db.cdsWavelengths, t.Messages));
    EXPECT_EQ(attempts, 2);
    EXPECT_EQ(t.Messages.Shown,
              std::vector<std::string>{"Cannot delete records in table cdsWavelengths"});
    EXPECT_EQ(t.Db.cdsWavelengths.RecordCount(), 2);
    EXPECT_FALSE(t.Db.cdsMain.ControlsDisabled() || t.Db.cdsWavelengths.ControlsDisabled());
}

TEST(DatasetDatabase, DeleteAllRecordsShowsTheHourglassOnEveryPath) {
    // The cursor, the deletes and the messages in the order they happen.
    struct TLog : IScreenCursor, IMessageService {
        std::vector<std::string> Events;
        IScreenCursor* Former = SetScreenCursor(this);
        ~TLog() override { SetScreenCursor(Former); }
        void SetCursor(TCursor cursor) override {
            Events.push_back(cursor == crHourGlass ? "hourglass" : "normal cursor");
        }
        void ShowMessage(const std::string& text) override { Events.push_back(text); }
        bool ConfirmYesNo(const std::string&) override { return true; }
    };
    enum TRefusal { None, DatabaseError, OtherError };
    struct Case {
        const char* what;
        int rows;
        TRefusal refusal;  // of the second delete
        std::vector<std::string> events;
    } cases[] = {
        {"every row deleted",
         3,
         None,
         {"hourglass", "delete", "delete", "delete", "normal cursor"}},
        {"an empty table", 0, None, {"hourglass", "normal cursor"}},
        {"a refused delete",
         3,
         DatabaseError,
         {"hourglass", "delete", "delete", "normal cursor",
          "Cannot delete records in table cdsWavelengths"}},
        {"an error passed on", 3, OtherError, {"hourglass", "delete", "delete", "normal cursor"}},
    };
    for (const Case& c : cases) {
        TOpenDatabase t;
        AddDataset(t.Db, "x", 46000, c.rows);
        TLog log;
        int attempts = 0;
        t.Db.cdsWavelengths.BeforeDelete = [&](TDataSet*) {
            log.Events.push_back("delete");
            if (++attempts != 2) return;
            if (c.refusal == DatabaseError) throw EDatabaseError("refused");
            if (c.refusal == OtherError) throw std::runtime_error("out of memory");
        };
        bool emptied = false;
        if (c.refusal == OtherError)
            EXPECT_THROW(DeleteAllRecords(t.Db.cdsWavelengths, log), std::runtime_error) << c.what;
        else
            emptied = DeleteAllRecords(t.Db.cdsWavelengths, log);
        EXPECT_EQ(log.Events, c.events) << c.what;
        EXPECT_EQ(emptied, c.refusal == None) << c.what;
        EXPECT_FALSE(t.Db.cdsWavelengths.ControlsDisabled()) << c.what;
    }
}

TEST(DatasetDatabase, EmissivityAndDiffusityStayWithinZeroAndOne) {
    TOpenDatabase t;
    AddDataset(t.Db, "profile", 46000, 1);
    t.Db.cdsCavity.Edit();
    for (const char* name : {"Emissivity", "Diffusity"}) {
        TField* field = t.Db.cdsCavity.FieldByName(name);
        for (double ok : {0.0, 1.0, 0.25}) EXPECT_NO_THROW(field->SetAsFloat(ok)) << name << ok;
        for (double bad : {1.0001, -0.0001}) {
            EXPECT_THROW(field->SetAsFloat(bad), Exception) << name << bad;
            EXPECT_EQ(field->AsFloat(), 0.25) << name;
        }
    }
}
