#include "RunFixture.h"
#include "TablesFixture.h"
#include "engine/Loaders.h"
#include "platform/rtl/FormatSettings.h"

namespace {

// A whole run of the Run button over a dataset loaded from the tables, up to the results table.
class SaveResultsRunTest : public RunTest {
public:
    void SetUp() override {
        RunTest::SetUp();
        FormatGuard.emplace(TFormatSettings{});
        Db.AddValidDataset({1, 2, 4});
        std::string message;
        ASSERT_TRUE(LoadDataset(message)) << message;
        // The dialog's combo box edits the number of rays of the current dataset.
        Db.cdsMain.Edit();
        Db.cdsMain.FieldByName("NRF")->SetAsFloat(20);
    }
    TRunOutcome RunAndSave() {
        std::vector<double> times = {46001.25, 46001.5};
        size_t next = 0;
        return RunAndSaveResults(Monitor, Message, [&] { return times.at(next++); });
    }

    using RunTest::Monitor;
    std::optional<TFormatSettingsGuard> FormatGuard;
    TDatasetTables Db;
    TResultTablesFixture Res;
};

TEST_F(SaveResultsRunTest, CompletedRunIsSavedAndLogged) {
    ASSERT_EQ(RunAndSave(), TRunOutcome::Saved) << Message;
    EXPECT_EQ(Monitor.Lines,
              (std::vector<std::string>{
                  "Geometry preprocessing...", "Successful.", "Monte Carlo modeling...",
                  "Successful.", "Saving results...", "Successful.", "",
                  " Start: 12/10/2025 06:00:00", "Finish: 12/10/2025 12:00:00", ""}));
    EXPECT_EQ(Db.cdsMain.State(), dsBrowse);  // the pending edit is posted
    ASSERT_EQ(Res.cdsResults.RecordCount(), 1);
    EXPECT_EQ(Res.cdsResults.FieldByName("NRF")->AsFloat(), 20);
    EXPECT_EQ(Res.cdsResults.FieldByName("StartDateTime")->AsDateTime(), 46001.25);
    const std::vector<std::pair<double, int>> order = {{0, 1}, {0, 2}, {1, 1}, {1, 2},
                                                       {2, 1}, {2, 2}, {4, 1}, {4, 2}};
    EXPECT_EQ(Res.Posted, order);
    // Every ray first meets a wall of emissivity 0.9, and some of the rest is absorbed later.
    for (Res.cdsSEERT.First(); !Res.cdsSEERT.Eof(); Res.cdsSEERT.Next()) {
        const double ee = Res.cdsSEERT.FieldByName("EEiso")->AsFloat();
        EXPECT_GE(ee, 0.9);
        EXPECT_LE(ee, 1);
    }
}

struct TUnsavedCase {
    const char* what;
    std::function<void(SaveResultsRunTest&)> arrange;
    TRunOutcome outcome;
};

class UnsavedRunTest : public SaveResultsRunTest,
                       public ::testing::WithParamInterface<TUnsavedCase> {};

TEST_P(UnsavedRunTest, LeavesTheResultsUnchanged) {
    const TUnsavedCase& c = GetParam();
    c.arrange(*this);
    const int changes = Res.cdsResults.ChangeCount();
    EXPECT_EQ(RunAndSave(), c.outcome);
    EXPECT_EQ(Res.cdsResults.RecordCount(), 0);
    EXPECT_EQ(Res.cdsResults.ChangeCount(), changes);
    EXPECT_TRUE(Res.Posted.empty());
    EXPECT_EQ(std::count(Monitor.Lines.begin(), Monitor.Lines.end(), "Saving results..."), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, UnsavedRunTest,
    ::testing::Values(TUnsavedCase{"stop", [](SaveResultsRunTest& t) { t.Monitor.StopAtPump = 3; },
                                   TRunOutcome::Stopped},
                      TUnsavedCase{"stop while eight threads trace",
                                   [](SaveResultsRunTest& t) {
                                       t.Db.cdsMain.FieldByName("NRF")->SetAsFloat(1e9);
                                       RunOptions.Threads = 8;
                                       t.Monitor.StopAtPump = 2;  // the first poll
                                   },
                                   TRunOutcome::Stopped},
                      TUnsavedCase{"refused number of rays",
                                   [](SaveResultsRunTest& t) {
                                       t.Db.cdsMain.FieldByName("NRF")->SetAsFloat(0.5);
                                   },
                                   TRunOutcome::Refused},
                      // Wholly outside: the first ray of condition 2 misses.
                      TUnsavedCase{"beam outside the aperture",
                                   [](SaveResultsRunTest&) { Shared.VCParams[1][2] = 1.3; },
                                   TRunOutcome::RayFailed}),
    [](const auto& info) {
        return std::string(info.param.what).substr(0, 4) + std::to_string(info.index);
    });

TEST_F(SaveResultsRunTest, StoppedRunPostsThePendingEditAndCanRunAgain) {
    Monitor.StopAtPump = 3;
    ASSERT_EQ(RunAndSave(), TRunOutcome::Stopped);
    EXPECT_EQ(Monitor.Lines.back(), "");
    EXPECT_EQ(Monitor.Lines.end()[-2], "Terminated by user's intervention.");
    EXPECT_EQ(Db.cdsMain.State(), dsBrowse);
    EXPECT_FALSE(StopFlag);

    Monitor.StopAtPump = 0;
    ASSERT_EQ(RunAndSave(), TRunOutcome::Saved) << Message;
    EXPECT_EQ(Res.cdsResults.RecordCount(), 1);
}

TEST_F(SaveResultsRunTest, FailedSaveIsShownAndLogged) {
    int posts = 0;
    Res.cdsSEERT.BeforePost = [&](TDataSet*) {
        if (++posts == 3) throw EDatabaseError("Key violation");
    };
    ASSERT_EQ(RunAndSave(), TRunOutcome::SaveFailed);
    EXPECT_EQ(Message, "Error saving results in database");
    EXPECT_EQ(Monitor.Lines.end()[-2], "Saving results...");
    EXPECT_EQ(Monitor.Lines.back(), "Failed: Error saving results in database");
    EXPECT_EQ(Messages.Shown, std::vector<std::string>{"Error saving results in database"});
}

}  // namespace
