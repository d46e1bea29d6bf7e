#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/ui/BitBtn.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/DBGrid.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/StatusBar.h"
#include "tests/support/KeptInputs.h"
#include "tests/workbench/windows/WindowFixture.h"
#include "workbench/ResultsDatabase.h"
#include "workbench/ResultsTextFile.h"
#include "workbench/TextFileFormat.h"
#include "workbench/windows/ResultsWindow.h"

namespace {

// The results window of the main window's results database, shown modeless.
struct ResultsWindowTest : ::testing::Test {
    TMainWindowFixture f;
    TFResults* w = nullptr;

    void SetUp() override {
        f.Start();
        w = new TFResults(f.window, Db());
        w->Show();
    }
    TResultsDatabase& Db() { return f.window->Data().Results; }

    // A stored run of `kind` with `conditions` viewing conditions and the total only.
    void AddRun(const std::string& name, double started, int kind, int conditions) {
        TClientDataSet& r = Db().cdsResults;
        r.Append();
        r.FieldByName("DatasetName")->SetAsString(name);
        r.FieldByName("DateTime")->SetAsDateTime(started - 1);
        r.FieldByName("StartDateTime")->SetAsDateTime(started);
        r.FieldByName("ViewIndex")->SetAsInteger(kind);
        r.FieldByName("NRF")->SetAsFloat(1234567);
        r.FieldByName("Threshold")->SetAsFloat(1e-6);
        r.Post();
        for (int v = 1; v <= conditions; ++v) {
            TClientDataSet& s = Db().cdsSEERT;
            s.Append();
            s.FieldByName("Wavelength")->SetAsFloat(0);
            s.FieldByName("ivc")->SetAsInteger(v);
            s.FieldByName("EE")->SetAsFloat(0.99);
            s.Post();
        }
        r.First();
    }
    std::string Panel(int i) const { return w->StatusBar1->Panels()->Items(i)->Text(); }
    std::vector<std::pair<std::string, bool>> ParamColumns() const {
        std::vector<std::pair<std::string, bool>> columns;
        for (int c = 2; c <= 4; ++c) {
            const TColumn* column = w->dbgSEERT->Columns()->Items(c);
            columns.emplace_back(column->Title()->Caption(), column->Visible());
        }
        return columns;
    }
};

TEST_F(ResultsWindowTest, EmptyDatabaseDisablesEverythingButClose) {
    EXPECT_EQ(w->Caption(), "KAVRI320: Results");
    for (TControl* c : std::initializer_list<TControl*>{
             w->btnClearAll, w->btnCreateReport, w->btnSave, w->btnPlotAgainstW,
             w->btnPlotAgainstVC, w->edFind, w->rgSort, w->gbSEERT})
        EXPECT_FALSE(c->Enabled());
    EXPECT_TRUE(w->btnClose->Enabled());
    EXPECT_EQ(w->sbResults->SimpleText(), "Dataset is empty");
    EXPECT_EQ(w->sbSEERT->SimpleText(), "Dataset is empty");
    EXPECT_EQ(Panel(0), "");
    EXPECT_EQ(Panel(1), "");
}

TEST_F(ResultsWindowTest, ColumnsStatusSortFindAndDeletes) {
    AddRun("Directional", 46010, 1, 2);
    AddRun("abc hemi", 46011, 4, 3);  // newest calculation: first at start
    EXPECT_TRUE(w->btnClearAll->Enabled());
    EXPECT_EQ(w->rgSort->ItemIndex(), 2);
    EXPECT_FALSE(w->edFind->Visible());
    EXPECT_EQ(w->sbResults->SimpleText(), "Record 1 of 2");
    EXPECT_EQ(w->sbSEERT->SimpleText(), "Record 1 of 3");
    EXPECT_EQ(Panel(0), "Local Hemispherical Effective Emissivity");
    EXPECT_EQ(Panel(1), "1,234,567 rays.    Threshold = 1E-6");
    using Columns = std::vector<std::pair<std::string, bool>>;
    EXPECT_EQ(ParamColumns(), (Columns{{"Xi", true}, {"Z", false}, {"Y", false}}));
    f.Click(w->cbShowEE, QPoint(6, w->cbShowEE->Height() / 2));
    EXPECT_FALSE(w->dbgSEERT->Columns()->Items(5)->Visible());
    EXPECT_FALSE(w->dbgSEERT->Columns()->Items(6)->Visible());
    EXPECT_TRUE(w->dbgSEERT->Columns()->Items(7)->Visible());

    // By name, with the find box: "DIR" finds "Directional" whatever the case.
    f.ClickRadio(w->rgSort, 0);
    EXPECT_TRUE(w->edFind->Visible());
    f.Type(w->edFind, "DIR");
    EXPECT_EQ(Db().cdsResults.FieldByName("DatasetName")->AsString(), "Directional");
    EXPECT_EQ(ParamColumns(), (Columns{{"ZB", true}, {"RB", true}, {"b (\u00B0)", true}}));
    f.Click(w->cbShowVC, QPoint(6, w->cbShowVC->Height() / 2));
    EXPECT_EQ(ParamColumns(), (Columns{{"ZB", false}, {"RB", false}, {"b (\u00B0)", false}}));

    // "Clear All": No keeps everything, Yes erases the runs with their nested rows.
    f.dialogs.Answers.push_back(mrNo);
    f.Click(w->btnClearAll);
    EXPECT_EQ(Db().cdsResults.RecordCount(), 2);
    f.Click(w->btnClearAll);
    EXPECT_EQ(f.Messages().back(), "All results will be erased\rContinue?");
    EXPECT_TRUE(Db().cdsResults.IsEmpty());
    EXPECT_FALSE(w->btnClearAll->Enabled());
    EXPECT_EQ(w->sbResults->SimpleText(), "Dataset is empty");
    EXPECT_EQ(Panel(0), "");
}

TEST_F(ResultsWindowTest, SaveAsWritesTheRunsTextFile) {
    AddRun("Normal", 46010, 0, 2);
    const std::string file = (f.dir.Path() / "normal.txt").string();
    f.dialogs.FileAnswers.push_back({file});
    f.Click(w->btnSave);
    ASSERT_EQ(f.dialogs.FileRequests.size(), 1u);
    EXPECT_EQ(f.dialogs.FileRequests[0].Title, "KAVRI320: Save Results in Text File");
    std::ifstream in(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    Db().cdsSEERT.First();
    EXPECT_EQ(bytes, TextFileBytes(ResultsTextLines(Db())));
    EXPECT_NE(bytes.find("Wavelength_(um) VC_# YB RB EEIso   EE    RT (K)\r\n0 1 "),
              std::string::npos);

    // A folder that does not exist: the file cannot be made.
    const std::string bad = (f.dir.Path() / "missing" / "x.txt").string();
    f.dialogs.FileAnswers.push_back({bad});
    f.Click(w->btnSave);
    EXPECT_EQ(f.Messages().back(), "Cannot save file " + bad);
}

// The kept database whose run has ViewIndex 16368, as the program finds it at start-up: the run
// is shown without a kind name or parameter columns and can still be deleted, while "Save As..."
// stops with the kind tables' range error, reported as any handler's error, and writes no file.
TEST(ResultsWindowDamagedRun, KindOutsideTheTablesStopsTheSaveAndTheRunCanBeDeleted) {
    TMainWindowFixture f;
    std::filesystem::create_directories(f.dir.Path() / "db");
    std::ofstream(f.dir.Path() / "db" / "kavri320res.dbs", std::ios::binary)
        << KeptInputBytes("results-db", "escaped-out_of_range-ViewIndex.bin");
    f.Start();
    ASSERT_EQ(f.window->Data().Results.cdsResults.RecordCount(), 1);
    const size_t before = f.Messages().size();
    TFResults* w = nullptr;
    ASSERT_NO_THROW(w = new TFResults(f.window, f.window->Data().Results));
    w->Show();
    EXPECT_EQ(f.Messages().size(), before);
    EXPECT_EQ(w->StatusBar1->Panels()->Items(0)->Text(), "");
    for (int c = 2; c <= 4; ++c) EXPECT_FALSE(w->dbgSEERT->Columns()->Items(c)->Visible());

    const std::string file = (f.dir.Path() / "damaged.txt").string();
    f.dialogs.FileAnswers.push_back({file});
    f.Click(w->btnSave);
    EXPECT_EQ(f.Messages().size(), before + 1);
    EXPECT_EQ(f.Messages().back(), "Range check error.");
    EXPECT_FALSE(std::filesystem::exists(file));

    f.Click(w->btnClearAll);
    EXPECT_TRUE(f.window->Data().Results.cdsResults.IsEmpty());
}

}  // namespace
