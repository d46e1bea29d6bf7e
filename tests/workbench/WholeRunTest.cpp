#include <gtest/gtest.h>

#include "engine/Compute.h"
#include "engine/Global.h"
#include "engine/Loaders.h"
#include "tests/support/CavityFixture.h"
#include "tests/workbench/WorkbenchFixtures.h"
#include "workbench/EngineTablesFromDatabases.h"
#include "workbench/ResultsDatabase.h"

namespace {

struct TSilentMonitor : IRunMonitor {
    void Log(const std::string& line) override { Lines.push_back(line); }
    void SetVCText(const std::string&) override {}
    void SetVCPosition(int) override {}
    void SetPercentage(int, const std::string&) override {}
    void PumpMessages() override {}
    std::vector<std::string> Lines;
};

// The two databases as the program holds them, with the engine set to work on them.
struct WholeRunTest : ::testing::Test {
    TRecordingMessages Messages;
    TDatasetDatabase Datasets{Messages};
    TResultsDatabase Results{Messages};

    void SetUp() override {
        ResetSharedData();
        Datasets.cdsMain.CreateDataSet();
        Results.cdsResults.CreateDataSet();
        SetEngineDatabases(Datasets, Results);
    }
    void TearDown() override {
        EngineTables = {};
        ResultTables = {};
    }

    // A conical run over a profile of a cone, a cylinder and an annular aperture disk.
    void AddConeDataset() {
        Datasets.Clock = [] { return 46005.75; };
        TClientDataSet& m = Datasets.cdsMain;
        m.Append();
        Datasets.cdsMainDatasetName->SetAsString("Cone 1");
        const std::pair<const char*, double> fields[] = {
            {"Tref", 1200},      {"Tbg", 290}, {"ViewIndex", 2}, {"NRF", 300},
            {"Threshold", 1e-6}, {"Z0", 0.25}, {"R0", 0}};
        for (const auto& [name, value] : fields) SetField(m, name, value);
        m.FieldByName("Rem")->SetAsString("a remark");
        m.Post();
        AppendCavityRows(Datasets.cdsCavity, {{1, 1, 0.8, 1}, {3, 1, 0.9, 0.5}, {3, 0.5, 0.7, 1}});
        AddRow(Datasets.cdsTemperatures,
               {{"Xi", 0.1}, {"Z", 0.3}, {"R", 0.1}, {"isf", 1}, {"T", 1150}});
        AddRow(Datasets.cdsTemperatures,
               {{"Xi", 0.8}, {"Z", 3}, {"R", 0.9}, {"isf", 3}, {"T", 1210}});
        for (double w : {8.0, 2.0}) AddRow(Datasets.cdsWavelengths, {{"Wavelength", w}});
        AddRow(Datasets.cdsVC2, {{"YB", 0}, {"ZB", 5}, {"w", 10}});
        AddRow(Datasets.cdsVC2, {{"YB", 0.1}, {"ZB", 5}, {"w", 5}});
        PostIfEditing(m);
    }
};

// Every field of every row of `from`, compared by name with the same row of `to`.
void ExpectSameRows(TDataSet& from, TDataSet& to) {
    ASSERT_EQ(from.RecordCount(), to.RecordCount()) << from.Name();
    from.First();
    for (to.First(); !to.Eof(); to.Next(), from.Next())
        for (int f = 0; f < to.FieldCount(); ++f) {
            const TField* field = to.Fields(f);
            EXPECT_EQ(field->AsString(), from.FieldByName(field->FieldName())->AsString())
                << from.Name() << " row " << to.RecNo() << " field " << field->FieldName();
        }
}

TEST_F(WholeRunTest, StoredDatasetToStoredResults) {
    AddDataset(Datasets, "Another", 46000, 2);  // not the current dataset
    AddConeDataset();
    std::string message;
    ASSERT_TRUE(LoadDataset(message)) << message;
    TSilentMonitor monitor;
    double now = 46006;
    ASSERT_EQ(RunAndSaveResults(monitor, message, [&] { return now += 0.125; }), TRunOutcome::Saved)
        << message;
    EXPECT_TRUE(Messages.Shown.empty());

    TClientDataSet& r = Results.cdsResults;
    ASSERT_EQ(r.RecordCount(), 1);
    r.First();
    EXPECT_EQ(r.FieldByName("DatasetName")->AsString(), "Cone 1");
    EXPECT_EQ(r.FieldByName("Rem")->AsString(), "a remark");
    const std::pair<const char*, double> master[] = {{"DateTime", 46005.75},
                                                     {"StartDateTime", 46006.125},
                                                     {"FinishDateTime", 46006.25},
                                                     {"Tref", 1200},
                                                     {"Tbg", 290},
                                                     {"ViewIndex", 2},
                                                     {"NRF", 300},
                                                     {"Threshold", 1e-6},
                                                     {"nw", 2},
                                                     {"nv", 2},
                                                     {"Z0", 0.25},
                                                     {"R0", 0}};
    for (const auto& [name, value] : master)
        EXPECT_EQ(r.FieldByName(name)->AsFloat(), value) << name;

    ExpectSameRows(Datasets.cdsCavity, Results.cdsCavity);
    ExpectSameRows(Datasets.cdsTemperatures, Results.cdsTemperatures);

    // One row per wavelength (the total first) and condition, with the condition's parameters
    // and the results the run left in the area.
    TClientDataSet& seert = Results.cdsSEERT;
    ASSERT_EQ(seert.RecordCount(), 6);
    const double wavelengths[] = {0, 2, 8};
    const double params[][3] = {{0, 5, 10}, {0.1, 5, 5}};
    seert.First();
    for (long k = 0; k < 3; ++k)
        for (long v = 1; v <= 2; ++v, seert.Next()) {
            const auto value = [&](const char* name) { return seert.FieldByName(name)->AsFloat(); };
            EXPECT_EQ(value("Wavelength"), wavelengths[k]);
            EXPECT_EQ(value("ivc"), v);
            EXPECT_EQ(value("param1"), params[v - 1][0]);
            EXPECT_EQ(value("param2"), params[v - 1][1]);
            EXPECT_EQ(value("param3"), params[v - 1][2]);
            EXPECT_EQ(value("EEiso"), double(Shared.EEResults[v][0][k]));
            EXPECT_EQ(value("EE"), double(Shared.EEResults[v][1][k]));
            EXPECT_EQ(value("RT"), double(Shared.RTResults[v][1][k]));
            // The walls' emissivities are 0.7 to 0.9 and a cavity only raises them.
            EXPECT_GT(value("EEiso"), 0.7);
            EXPECT_LE(value("EEiso"), 1);
        }
}

}  // namespace
