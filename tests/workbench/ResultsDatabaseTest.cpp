#include <gtest/gtest.h>

#include "tests/workbench/WorkbenchFixtures.h"
#include "workbench/DatabaseRoutines.h"
#include "workbench/ResultsDatabase.h"

namespace {

struct TOpenResults {
    TRecordingMessages Messages;
    TResultsDatabase Db{Messages};
    TOpenResults() {
        Db.cdsResults.CreateDataSet();
        Db.SetSortChoice(2);
    }

    // A run as the engine stores it: the row, then its copied profile, points and results.
    void AddRun(const std::string& name, double created, double started, int results) {
        TClientDataSet& r = Db.cdsResults;
        r.Append();
        r.FieldByName("DatasetName")->SetAsString(name);
        r.FieldByName("DateTime")->SetAsDateTime(created);
        r.FieldByName("StartDateTime")->SetAsDateTime(started);
        r.Post();
        AddRow(Db.cdsCavity, {{"D", 1}, {"Z", 1}, {"R", 1}});
        AddRow(Db.cdsTemperatures, {{"Xi", 0.5}, {"T", 300}});
        for (int k = 0; k < results; ++k)
            AddRow(Db.cdsSEERT, {{"Wavelength", k}, {"ivc", 1}, {"EE", 0.9}});
        PostIfEditing(r);
    }

    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (Db.cdsResults.First(); !Db.cdsResults.Eof(); Db.cdsResults.Next())
            names.push_back(Db.cdsResults.FieldByName("DatasetName")->AsString());
        return names;
    }
};

}  // namespace

TEST(ResultsDatabase, ThreeSortOrdersAndFindByName) {
    TOpenResults t;
    t.AddRun("b1", 46000, 46010, 1);
    t.AddRun("Abc", 46002, 46011, 1);
    t.AddRun("abd", 46001, 46009, 1);
    struct Case {
        int item;
        const char* index;
        std::vector<std::string> order;
        bool find;
    } cases[] = {{2, "cdsResultsIndex3", {"Abc", "b1", "abd"}, false},  // newest calculation first
                 {1, "cdsResultsIndex2", {"b1", "abd", "Abc"}, false},
                 {0, "cdsResultsIndex1", {"Abc", "abd", "b1"}, true}};
    for (const auto& c : cases) {
        t.Db.SetSortChoice(c.item);
        EXPECT_EQ(t.Db.cdsResults.IndexName(), c.index);
        EXPECT_EQ(t.Names(), c.order) << c.index;
        EXPECT_EQ(t.Db.FindVisible(), c.find);
    }
    t.Db.Find("AB");
    EXPECT_EQ(t.Db.cdsResults.FieldByName("DatasetName")->AsString(), "Abc");
}

TEST(ResultsDatabase, DeletesEmptyTheRunsNestedTables) {
    TOpenResults t;
    t.AddRun("only", 46000, 46001, 3);
    ASSERT_EQ(t.Db.cdsSEERT.RecordCount(), 3);
    t.Db.cdsResults.Delete();
    EXPECT_TRUE(t.Db.cdsResults.IsEmpty());
    for (TDataSet* nested : {&t.Db.cdsCavity, &t.Db.cdsTemperatures, &t.Db.cdsSEERT})
        EXPECT_EQ(RecordPositionText(*nested), "Dataset is empty");
    EXPECT_EQ(t.Db.SortChoice(), 2);

    // Clear All asks first; No keeps every run, Yes deletes them all.
    for (int i = 0; i < 3; ++i) t.AddRun("run", 46000 + i, 46010 + i, 2);
    t.Messages.Answer = false;
    EXPECT_FALSE(t.Db.ClearAll());
    EXPECT_EQ(t.Db.cdsResults.RecordCount(), 3);
    t.Messages.Answer = true;
    int progress = 0;
    EXPECT_TRUE(t.Db.ClearAll([&] { ++progress; }));
    EXPECT_TRUE(t.Db.cdsResults.IsEmpty());
    EXPECT_EQ(progress, 1);
    EXPECT_EQ(t.Messages.Asked,
              std::vector<std::string>(2, "All results will be erased\rContinue?"));
    EXPECT_FALSE(t.Db.ClearAll());  // nothing left: no question
    EXPECT_EQ(t.Messages.Asked.size(), 2u);
}
