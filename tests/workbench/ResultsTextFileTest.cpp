#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/rtl/DateTimeFormat.h"
#include "platform/rtl/Exceptions.h"
#include "tests/support/KeptInputs.h"
#include "tests/workbench/WorkbenchFixtures.h"
#include "workbench/ProgramFolders.h"
#include "workbench/ResultsDatabase.h"
#include "workbench/ResultsTextFile.h"

namespace {

// A run of `kind` with two viewing conditions and one wavelength besides the total, stored in
// the order the engine stores it; the text follows the result rows' active order.
struct TResultsText : ::testing::Test {
    TRecordingMessages Messages;
    TResultsDatabase Db{Messages};

    void AddRun(int kind) {
        Db.cdsResults.CreateDataSet();
        TClientDataSet& r = Db.cdsResults;
        r.Append();
        r.FieldByName("DatasetName")->SetAsString("Cone 1");
        r.FieldByName("DateTime")->SetAsDateTime(46005.75);
        r.FieldByName("StartDateTime")->SetAsDateTime(46006.125);
        SetField(r, "ViewIndex", kind);
        SetField(r, "NRF", 1e6);
        SetField(r, "Threshold", 1e-6);
        r.Post();
        for (double w : {0.0, 2.5})
            for (int v : {2, 1})
                AddRow(Db.cdsSEERT, {{"Wavelength", w},
                                     {"ivc", v},
                                     {"param1", 0.1 * v},
                                     {"param2", 5},
                                     {"param3", 10},
                                     {"EEiso", 0.99875},
                                     {"EE", 1.0 / 3},
                                     {"RT", 1199.5}});
        PostIfEditing(r);
    }
};

TEST_F(TResultsText, HeaderAndRowsFollowTheKind) {
    struct Case {
        int kind;
        const char* header;
        const char* firstRow;
    } cases[] = {
        {0, "Wavelength_(um) VC_# YB RB EEIso   EE    RT (K)",
         "0 1 0.1 5 0.99875 0.333333333333333 1199.5"},
        {2, "Wavelength_(um) VC_# YB ZB w (\u00B0) EEIso   EE    RT (K)",
         "0 1 0.1 5 10 0.99875 0.333333333333333 1199.5"},
        {4, "Wavelength_(um) VC_# Xi EEIso   EE    RT (K)",
         "0 1 0.1 0.99875 0.333333333333333 1199.5"},
    };
    for (const Case& c : cases) {
        Db.cdsResults.Close();
        AddRun(c.kind);
        const std::vector<std::string> lines = ResultsTextLines(Db);
        ASSERT_EQ(lines.size(), 13u) << c.kind;
        const std::vector<std::string> head = {"// Dataset Name:",
                                               "Cone 1",
                                               "// Date and Time of Dataset Creation :",
                                               DateTimeToStr(46005.75),
                                               "// Date and Time of Modeling :",
                                               DateTimeToStr(46006.125),
                                               "1000000   // Number of rays Traced",
                                               " 1.00000000000000E-0006   // Radiance Threshold",
                                               c.header};
        EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 9), head) << c.kind;
        // Wavelength first, then the viewing condition: the totals lead.
        EXPECT_EQ(lines[9], c.firstRow) << c.kind;
        EXPECT_EQ(lines[10].substr(0, 4), "0 2 ") << c.kind;
        EXPECT_EQ(lines[12].substr(0, 6), "2.5 2 ") << c.kind;
        EXPECT_NE(lines[12].back(), ' ');
        // Left on the last result row.
        EXPECT_EQ(Db.cdsSEERT.FieldByName("ivc")->AsInteger(), 2);
        EXPECT_EQ(Db.cdsSEERT.FieldByName("Wavelength")->AsFloat(), 2.5);
    }
}

// A run whose kind is outside the kind tables raises their range error, the program's own, not
// the library's.
TEST_F(TResultsText, KindOutsideTheTablesRaisesTheRangeError) {
    for (int kind : {5, -1, 16368}) {
        Db.cdsResults.Close();
        AddRun(kind);
        try {
            ResultsTextLines(Db);
            ADD_FAILURE() << kind;
        } catch (const ERangeError& e) {
            EXPECT_EQ(e.Message(), "Range check error") << kind;
        }
    }
}

// The results databases that once let another error escape: every run of each gives its text or
// one of the program's errors.
TEST(ResultsTextFile, KeptDatabasesGiveTheTextOrTheProgramsError) {
    int runs = 0;
    for (const TKeptInput& input :
         KeptInputs(std::filesystem::path(KV_FUZZ_REGRESSIONS) / "results-db")) {
        SCOPED_TRACE(input.Name);
        TTempDir dir;
        std::ofstream(dir.File(ResultsDatabaseFile), std::ios::binary) << input.Bytes;
        TProgramFolders folders;
        folders.DbDir = dir.Str() + "/";
        TRecordingMessages messages;
        TResultsDatabase db(messages);
        db.Open(folders);
        for (db.cdsResults.First(); !db.cdsResults.Eof(); db.cdsResults.Next()) {
            ++runs;
            try {
                ResultsTextLines(db);
            } catch (const Exception& e) {
                EXPECT_FALSE(e.Message().empty());
            }
        }
    }
    EXPECT_GE(runs, 1);  // the kept ViewIndex 16368 is a run of a database that loads
}

}  // namespace
