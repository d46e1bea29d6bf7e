// The report window opened from the results browser with the user's clicks: the report of the
// selected run, unlocked for editing, saved with the edits, and a save that fails.
#include <gtest/gtest.h>

#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "engine/Global.h"
#include "platform/graphics/Font.h"
#include "platform/ui/BitBtn.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Memo.h"
#include "tests/workbench/WorkbenchFixtures.h"
#include "tests/workbench/windows/WindowFixture.h"
#include "workbench/Report.h"
#include "workbench/ResultsDatabase.h"
#include "workbench/StoredRun.h"
#include "workbench/TextFileFormat.h"
#include "workbench/windows/ReportWindow.h"
#include "workbench/windows/ResultsWindow.h"

namespace {

struct ReportWindowTest : ::testing::Test {
    TMainWindowFixture f;
    TFResults* browser = nullptr;

    void SetUp() override {
        f.Start();
        f.dialogs.Messages.clear();  // the new, empty database's notice
        browser = new TFResults(f.window, Db());
        browser->Show();
    }
    TResultsDatabase& Db() { return f.window->Data().Results; }

    // A normal run on a disk-and-cylinder profile with one condition and one wavelength.
    void AddRun(const std::string& name, double started) {
        TClientDataSet& r = Db().cdsResults;
        r.Append();
        r.FieldByName("DatasetName")->SetAsString(name);
        r.FieldByName("DateTime")->SetAsDateTime(started - 1);
        r.FieldByName("StartDateTime")->SetAsDateTime(started);
        r.FieldByName("FinishDateTime")->SetAsDateTime(started + 0.25);
        r.FieldByName("ViewIndex")->SetAsInteger(0);
        r.FieldByName("NRF")->SetAsFloat(1000);
        r.FieldByName("nw")->SetAsInteger(1);
        r.FieldByName("nv")->SetAsInteger(1);
        r.FieldByName("Z0")->SetAsFloat(0);
        r.FieldByName("R0")->SetAsFloat(0);
        r.Post();
        AddRow(Db().cdsCavity, {{"D", 1}, {"Z", 0}, {"R", 1}, {"Emissivity", 0.9}});
        AddRow(Db().cdsCavity, {{"D", 2}, {"Z", 5}, {"R", 1}, {"Emissivity", 0.8}});
        AddRow(Db().cdsTemperatures, {{"Xi", 0.5}, {"T", 1000}});
        for (double w : {0.0, 1.5}) AddRow(Db().cdsSEERT, {{"Wavelength", w}, {"ivc", 1}});
        PostIfEditing(r);
    }

    // Clicks "Create Report" and runs `inside` while the modal report window is open; the
    // window must have been closed by then.
    void WithReport(const std::function<void(TFReport&)>& inside) {
        TFReport* report = nullptr;
        bool ran = false;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            for (int i = 0; i < browser->ComponentCount() && !report; ++i)
                report = dynamic_cast<TFReport*>(browser->Components(i));
            if (ran || !report || !report->Visible()) return;
            ran = true;
            timer.stop();
            inside(*report);
        });
        timer.start(0);
        f.Click(browser->btnCreateReport);
        EXPECT_TRUE(ran);
        // The window went with the click that made it.
        for (int i = 0; i < browser->ComponentCount(); ++i)
            EXPECT_EQ(dynamic_cast<TFReport*>(browser->Components(i)), nullptr);
    }
};

std::string FileBytes(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(ReportWindowTest, OpensFromTheBrowserEditsAndSaves) {
    AddRun("Older run", 46010);
    AddRun("Chosen run", 46011);  // newest calculation: selected at first
    ASSERT_EQ(Db().cdsResults.FieldByName("DatasetName")->AsString(), "Chosen run");
    const std::vector<std::string> expected = BuildReport(ReadStoredRun(Db()), "KAVRI320").Lines;
    const std::string file = (f.dir.Path() / "chosen.txt").string();
    const std::string bad = (f.dir.Path() / "missing" / "x.txt").string();

    WithReport([&](TFReport& r) {
        EXPECT_EQ(r.Caption(), "KAVRI320: Report");
        EXPECT_EQ(r.Memo1->Font()->Name(), "Courier New");
        EXPECT_EQ(r.Memo1->ScrollBars(), ssBoth);
        EXPECT_EQ(r.btnSaveReport->Caption(), "Save &As..");
        std::vector<std::string> shown;
        for (int i = 0; i < r.Memo1->Lines()->Count(); ++i)
            shown.push_back(r.Memo1->Lines()->Get(i));
        EXPECT_EQ(shown, expected);
        EXPECT_EQ(shown[2], "Dataset name: Chosen run");

        // Read-only at first: typing changes nothing.
        EXPECT_TRUE(r.Memo1->ReadOnly());
        f.Key(r.Memo1, Qt::Key_Home, {}, Qt::ControlModifier);
        f.Type(r.Memo1, "Edited ");
        EXPECT_EQ(r.Memo1->Lines()->Get(0), expected[0]);
        // Unchecked, the memo takes the user's edits, and the saved file has them.
        f.Click(r.cbReadOnly, QPoint(6, r.cbReadOnly->Height() / 2));
        EXPECT_FALSE(r.Memo1->ReadOnly());
        f.Type(r.Memo1, "Edited ");
        ASSERT_EQ(r.Memo1->Lines()->Get(0), "Edited " + expected[0]);

        f.dialogs.FileAnswers.push_back({file});
        f.Click(r.btnSaveReport);
        ASSERT_EQ(f.dialogs.FileRequests.size(), 1u);
        const auto& request = f.dialogs.FileRequests[0];
        EXPECT_EQ(request.Title, "KAVRI320: Save Report in Text File");
        EXPECT_EQ(request.FileName, "Chosen run");
        EXPECT_EQ(request.InitialDir, Shared.ReportsDir);
        EXPECT_EQ(request.Filter, "Text Files (*.txt)|*.txt|All Files (*.*)|*.*");
        std::vector<std::string> edited = expected;
        edited[0] = "Edited " + edited[0];
        EXPECT_EQ(FileBytes(file), TextFileBytes(edited));
        EXPECT_NE(FileBytes(file).find("Wavelength (\xB5m)"), std::string::npos);

        // Cancelled: nothing written, nothing said.
        f.dialogs.FileAnswers.push_back({""});
        f.Click(r.btnSaveReport);
        EXPECT_TRUE(f.Messages().empty());

        // A file that cannot be made reaches the program's error report; the window stays.
        f.dialogs.FileAnswers.push_back({bad});
        f.Click(r.btnSaveReport);
        ASSERT_EQ(f.Messages().size(), 1u);
        EXPECT_EQ(f.Messages()[0].rfind("Cannot create file \"" + bad + "\"", 0), 0u)
            << f.Messages()[0];
        EXPECT_TRUE(r.Visible());
        f.Click(r.btnClose);
    });
    EXPECT_FALSE(std::filesystem::exists(bad));
}

TEST_F(ReportWindowTest, FailureIsShownAndEndsTheText) {
    AddRun("Merged", 46010);
    // The first two nodes of the stored profile coincide.
    Db().cdsCavity.First();
    Db().cdsCavity.Edit();
    Db().cdsCavity.FieldByName("R")->SetAsFloat(0);
    Db().cdsCavity.Post();
    PostIfEditing(Db().cdsResults);
    const std::string reason = "Two points (0 and 1) merge together  in dataset Merged";
    WithReport([&](TFReport& r) {
        EXPECT_EQ(f.Messages(), std::vector<std::string>{reason});
        const int n = r.Memo1->Lines()->Count();
        ASSERT_GT(n, 2);
        EXPECT_EQ(r.Memo1->Lines()->Get(n - 1), "REPORT GENERATION FAILED: " + reason);
        EXPECT_EQ(r.Memo1->Lines()->Get(n - 2),
                  " xi          z             y        Surface #  T (K)");
        f.Click(r.btnClose);
    });
}

}  // namespace
