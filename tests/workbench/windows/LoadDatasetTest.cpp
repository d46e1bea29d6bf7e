// Load Dataset refuses a file that holds no dataset: an empty or cut-short file, one without a
// viewing-condition row, one without a name.
#include <fstream>

#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "tests/workbench/windows/WindowFixture.h"
#include "workbench/DatasetTextFile.h"

namespace {

// A whole dataset of one surface, wavelength, temperature point and viewing condition.
TDatasetText OneOfEach(const std::string& name) {
    TDatasetText d;
    d.Name = name;
    d.Y0 = 1;
    d.Surfaces = {{2, 0, 0.9, 1}};
    d.Wavelengths = {10};
    d.Tref = 1000;
    d.TempPoints = {{0.5, 1, 0.5, 1, 900}};
    d.Conditions = {{0, 0.5, 0}};
    d.NRF = 1000;
    return d;
}

TEST(LoadDataset, FilesThatHoldNoDatasetAddNone) {
    TMainWindowFixture f;
    TFMainDB& w = f.Start();
    f.InsertDataset("Kept");
    const std::string missingName = ExceptionReportText("Field 'Dataset  Name' must have a value");
    const struct {
        const char* what;
        std::string bytes;
        std::string message;
    } cases[] = {
        {"empty file", "", "Error reading file"},
        {"one line", "   DatasetName:\r\n", "Error reading file"},
        {"counts of 0 and nothing more", "   DatasetName:\r\nx\r\n0\r\n0\r\n0\r\n0\r\n0\r\n",
         "Error reading file"},
        {"empty name", DatasetFileBytes(OneOfEach("")), missingName},
        {"blank name", DatasetFileBytes(OneOfEach("   ")), missingName},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string file = f.dir.File("dataset.txt");
        std::ofstream(file, std::ios::binary) << c.bytes;
        f.dialogs.Messages.clear();
        f.dialogs.FileAnswers.push_back({file});
        f.Click(w.btnLoadDataset);
        EXPECT_EQ(f.Messages(), std::vector<std::string>{c.message});
        EXPECT_EQ(f.Db().cdsMain.State(), dsBrowse);
        EXPECT_EQ(f.Db().cdsMain.RecordCount(), 1);
    }
    // The same file with a name is a dataset.
    const std::string file = f.dir.File("dataset.txt");
    std::ofstream(file, std::ios::binary) << DatasetFileBytes(OneOfEach("Loaded"));
    f.dialogs.Messages.clear();
    f.dialogs.FileAnswers.push_back({file});
    f.Click(w.btnLoadDataset);
    EXPECT_TRUE(f.Messages().empty());
    EXPECT_EQ(f.Db().cdsMain.RecordCount(), 2);
}

}  // namespace
