#include <gtest/gtest.h>

#include <QTimer>
#include <array>
#include <string>
#include <vector>

#include "engine/ConditionTrace.h"
#include "engine/Global.h"
#include "engine/Loaders.h"
#include "platform/ui/BitBtn.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/DBComboBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/Memo.h"
#include "platform/ui/ProgressBar.h"
#include "platform/ui/StatusBar.h"
#include "tests/workbench/windows/WindowFixture.h"
#include "workbench/ResultsDatabase.h"
#include "workbench/windows/ComputeDialog.h"
#include "workbench/windows/ResultsWindow.h"

namespace {

struct TNoMonitor : IRunMonitor {
    void Log(const std::string&) override {}
    void SetVCText(const std::string&) override {}
    void SetVCPosition(int) override {}
    void SetPercentage(int, const std::string&) override {}
    void PumpMessages() override {}
};

std::vector<std::string> LogLines(const TFCompute& d) {
    std::vector<std::string> lines;
    for (int i = 0; i < d.mProgress->Lines()->Count(); ++i)
        lines.push_back(d.mProgress->Lines()->Strings(i));
    return lines;
}

void SetField(TDataSet& ds, const char* name, double value) {
    ds.FieldByName(name)->SetAsFloat(value);
}

void AddRow(TDataSet& ds, std::initializer_list<std::pair<const char*, double>> values) {
    ds.Append();
    for (const auto& [name, value] : values) SetField(ds, name, value);
    ds.Post();
}

// The main window over a conical task of two viewing conditions and two wavelengths; the
// Compute button opens the dialog modeless, so that the test can click in it, and hands it to
// `drive`. Runs are seeded, on two threads.
struct ComputeDialogTest : ::testing::Test {
    TMainWindowFixture f;
    TRunOptionsGuard options{TRunOptions{2, 20261210u}};
    int resultsShown = 0;

    void SetUp() override {
        TFMainDB& w = f.Start();
        f.InsertDataset("Cone 1");
        TDatasetDatabase& db = f.Db();
        db.cdsMain.Edit();
        const std::pair<const char*, double> fields[] = {
            {"Tref", 1200},      {"Tbg", 290}, {"ViewIndex", 2}, {"NRF", 300},
            {"Threshold", 1e-6}, {"Z0", 0.25}, {"R0", 0}};
        for (const auto& [name, value] : fields) SetField(db.cdsMain, name, value);
        db.cdsMain.Post();
        for (const auto& row : {std::array{1.0, 1.0, 0.8, 1.0}, std::array{3.0, 1.0, 0.9, 0.5},
                                std::array{3.0, 0.5, 0.7, 1.0}})
            AddRow(db.cdsCavity,
                   {{"Z", row[0]}, {"R", row[1]}, {"Emissivity", row[2]}, {"Diffusity", row[3]}});
        AddRow(db.cdsTemperatures, {{"Xi", 0.1}, {"Z", 0.3}, {"R", 0.1}, {"isf", 1}, {"T", 1150}});
        for (double wl : {8.0, 2.0}) AddRow(db.cdsWavelengths, {{"Wavelength", wl}});
        AddRow(db.cdsVC2, {{"YB", 0}, {"ZB", 5}, {"w", 10}});
        AddRow(db.cdsVC2, {{"YB", 0.1}, {"ZB", 5}, {"w", 5}});
        PostIfEditing(db.cdsMain);
        f.dialogs.Messages.clear();
        (void)w;
    }

    // Clicks Compute; the dialog it opens is handed to `drive`.
    void Compute(const std::function<void(TFCompute&)>& drive) {
        TFMainDB& w = *f.window;
        w.ShowComputeDialog = [&] {
            TFCompute d(&w, f.Db(), [&] { ++resultsShown; });
            d.Show();
            drive(d);
        };
        f.Click(w.btnCompute);
    }
    TClientDataSet& Runs() { return f.window->Data().Results.cdsResults; }
};

TEST_F(ComputeDialogTest, ACompletedRunIsSavedWithTheEngineValues) {
    // What the engine computes for this task with the same seed and threads.
    std::string message;
    ASSERT_TRUE(LoadDataset(message)) << message;
    TNoMonitor quiet;
    ASSERT_EQ(RunModeling(quiet, message), TRunOutcome::Completed) << message;
    const TSharedData expected = Shared;

    bool driven = false;
    Compute([&](TFCompute& d) {
        driven = true;
        EXPECT_EQ(d.Caption(), "KAVRI320: Compute");
        EXPECT_EQ(d.StatusBar1->Panels()->Items(0)->Text(), "Dataset Name: Cone 1");
        EXPECT_TRUE(d.btnRun->Enabled());
        EXPECT_FALSE(d.btnStop->Enabled());
        EXPECT_EQ(d.DBComboBox1->Text(), "300");
        f.Click(d.btnRun);
        const std::vector<std::string> log = LogLines(d);
        ASSERT_GE(log.size(), 9u);
        EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 7),
                  (std::vector<std::string>{"Geometry preprocessing...", "Successful.",
                                            "Monte Carlo modeling...", "Successful.",
                                            "Saving results...", "Successful.", ""}));
        EXPECT_EQ(log[7].rfind(" Start: ", 0), 0u);
        // The progress went all the way.
        EXPECT_EQ(d.lblVC->Caption(), "2 of 2");
        EXPECT_EQ(d.pbVC->Position(), 100);
        EXPECT_EQ(d.lblPercentage->Caption(), "100 %");
        EXPECT_EQ(d.pbPercentage->Position(), 100);
        // Shown the results and closed.
        EXPECT_EQ(resultsShown, 1);
        EXPECT_FALSE(d.Visible());
    });
    ASSERT_TRUE(driven);
    EXPECT_TRUE(f.Messages().empty());

    ASSERT_EQ(Runs().RecordCount(), 1);
    TClientDataSet& seert = f.window->Data().Results.cdsSEERT;
    ASSERT_EQ(seert.RecordCount(), 6);
    seert.First();
    for (long k = 0; k <= 2; ++k)
        for (long v = 1; v <= 2; ++v, seert.Next()) {
            const auto value = [&](const char* name) { return seert.FieldByName(name)->AsFloat(); };
            EXPECT_EQ(value("ivc"), v);
            EXPECT_EQ(value("EEiso"), double(expected.EEResults[v][0][k]));
            EXPECT_EQ(value("EE"), double(expected.EEResults[v][1][k]));
            EXPECT_EQ(value("RT"), double(expected.RTResults[v][1][k]));
            EXPECT_GT(value("EEiso"), 0.7);
        }
    // The run in the results browser.
    TFResults* browser = new TFResults(f.window, f.window->Data().Results);
    browser->Show();
    EXPECT_EQ(browser->sbResults->SimpleText(), "Record 1 of 1");
    EXPECT_EQ(browser->sbSEERT->SimpleText(), "Record 6 of 6");
    EXPECT_EQ(browser->StatusBar1->Panels()->Items(1)->Text(), "300 rays.    Threshold = 1E-6");
}

TEST_F(ComputeDialogTest, StopEndsALongRunAndSavesNothing) {
    Compute([&](TFCompute& d) {
        // A billion rays per condition, typed into the box: only Stop ends this run.
        f.Retype(d.DBComboBox1, "1e9");
        QTimer clicker;
        bool clicked = false;
        QObject::connect(&clicker, &QTimer::timeout, [&] {
            if (!clicked && d.lblVC->Caption() == "1 of 2") {
                clicked = true;
                f.Click(d.btnStop);
            }
        });
        clicker.start(0);
        f.Click(d.btnRun);
        clicker.stop();
        EXPECT_TRUE(clicked);
        const std::vector<std::string> log = LogLines(d);
        ASSERT_GE(log.size(), 2u);
        EXPECT_EQ(log[log.size() - 2], "Terminated by user's intervention.");
        EXPECT_EQ(log.back(), "");
        EXPECT_LT(d.pbVC->Position(), 100);
        EXPECT_EQ(Shared.RayCount, 1000000000u);
        // Back to idle, still open, nothing shown.
        EXPECT_TRUE(d.btnRun->Enabled());
        EXPECT_FALSE(d.btnStop->Enabled());
        EXPECT_TRUE(d.Visible());
        EXPECT_EQ(resultsShown, 0);

        // Unchecked "Show Results after Completion": a completed run leaves the dialog open.
        f.Retype(d.DBComboBox1, "20");
        f.Click(d.cbShowResults, QPoint(6, d.cbShowResults->Height() / 2));
        EXPECT_FALSE(d.cbShowResults->Checked());
        f.Click(d.btnRun);
        EXPECT_EQ(LogLines(d).back(), "");
        EXPECT_TRUE(d.Visible());
        EXPECT_FALSE(d.btnRun->Enabled());
        EXPECT_EQ(resultsShown, 0);
    });
    EXPECT_TRUE(f.Messages().empty());
    ASSERT_EQ(Runs().RecordCount(), 1);
    Runs().First();
    EXPECT_EQ(Runs().FieldByName("NRF")->AsFloat(), 20);
}

// A refused value never reaches the dataset: the one the dialog started with comes back, and the
// dialog is ready to run again. A refused value typed but never run goes at close too, so that
// the dataset can always be computed again.
TEST_F(ComputeDialogTest, ARefusedValueIsNeverStoredAndTheDialogIsReadyAgain) {
    const std::string raysMessage =
        "Incorrect value for Number of Rays.\rNumber of Rays must be from 1 to 1,000,000,000";
    const std::string thresholdMessage =
        "Incorrect value for Threshold.\rThreshold must be from 0 to 0.001";
    Compute([&](TFCompute& d) {
        const struct {
            TDBComboBox* box;
            const char* typed;
            const char* field;
            const std::string& message;
            const char* shownAgain;
        } refused[] = {{d.DBComboBox1, "-5", "NRF", raysMessage, "300"},
                       {d.DBComboBox1, "0.5", "NRF", raysMessage, "300"},
                       {d.DBComboBox2, "-1", "Threshold", thresholdMessage, "1e-6"}};
        for (const auto& c : refused) {
            SCOPED_TRACE(c.typed);
            f.dialogs.Messages.clear();
            f.Retype(c.box, c.typed);
            f.Click(d.btnRun);
            EXPECT_EQ(f.Messages(), std::vector<std::string>{c.message});
            EXPECT_TRUE(LogLines(d).empty());
            EXPECT_TRUE(d.btnRun->Enabled());
            EXPECT_FALSE(d.btnStop->Enabled());
            EXPECT_EQ(c.box->Text(), c.shownAgain);
        }
        EXPECT_EQ(f.Db().cdsMain.FieldByName("NRF")->AsFloat(), 300);
        EXPECT_EQ(f.Db().cdsMain.FieldByName("Threshold")->AsFloat(), 1e-6);
        f.Retype(d.DBComboBox1, "-5");
        d.Close();
    });
    EXPECT_EQ(Runs().RecordCount(), 0);
    PostIfEditing(f.Db().cdsMain);
    EXPECT_EQ(f.Db().cdsMain.FieldByName("NRF")->AsFloat(), 300);
    // The dataset still passes Compute, and a good value runs.
    f.dialogs.Messages.clear();
    Compute([&](TFCompute& d) {
        f.Retype(d.DBComboBox1, "20");
        f.Click(d.btnRun);
    });
    EXPECT_TRUE(f.Messages().empty());
    EXPECT_EQ(Runs().RecordCount(), 1);
}

// The dialog as the program opens it: modal, over the main window.
TEST_F(ComputeDialogTest, ClosingTheModalDialogDuringARunStopsIt) {
    TFMainDB& w = *f.window;
    ConnectComputeDialog(w);
    TFCompute* dialog = nullptr;
    bool closed = false;
    // The Run click happens inside the modal loop, the close click inside the run.
    QTimer runner, closer;
    QObject::connect(&runner, &QTimer::timeout, [&] {
        for (int i = 0; i < w.ComponentCount() && !dialog; ++i)
            dialog = dynamic_cast<TFCompute*>(w.Components(i));
        if (!dialog || !dialog->Visible()) return;
        runner.stop();
        f.Retype(dialog->DBComboBox1, "1e9");
        f.Click(dialog->btnRun);
    });
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (closed || !dialog || dialog->lblVC->Caption().empty()) return;
        closed = true;
        f.Click(dialog->btnClose);
    });
    runner.start(0);
    closer.start(0);
    f.Click(w.btnCompute);
    EXPECT_TRUE(closed);
    // The dialog was freed when it closed.
    for (int i = 0; i < w.ComponentCount(); ++i)
        EXPECT_EQ(dynamic_cast<TFCompute*>(w.Components(i)), nullptr);
    EXPECT_EQ(Runs().RecordCount(), 0);
    EXPECT_TRUE(f.Messages().empty());
}

}  // namespace
