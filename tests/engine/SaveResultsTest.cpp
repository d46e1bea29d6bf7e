#include "RunFixture.h"
#include "TablesFixture.h"
#include "engine/Loaders.h"
#include "engine/SaveResults.h"
#include "platform/classes/Cursors.h"

namespace {

struct TRecordingCursor : IScreenCursor {
    void SetCursor(TCursor cursor) override { Shown.push_back(cursor); }
    std::vector<TCursor> Shown;
};

class SaveResultsTest : public RunTest {
protected:
    void SetUp() override {
        RunTest::SetUp();
        SetScreenCursor(&Cursor);
        Db.AddValidDataset();
        AppendRow(Db.cdsCavity, {5, 2, 0.5, 0.7, std::nullopt});  // an empty diffusity is copied
        Db.SetMain("Z0", -0.5);
        Db.SetMain("R0", 0.125);
        std::string message;
        ASSERT_TRUE(LoadMainFields(message)) << message;
        // The area as a run leaves it: the start node, three wavelengths, two conditions and
        // distinct results.
        Shared.NodeZ[0] = -0.5;
        Shared.NodeR[0] = 0.125;
        SetWavelengths({1, 2, 4});
        SetConditions(1, {{0.5, 0.25, 10}, {0.75, 0.125, 20}});
        for (long v = 1; v <= 2; ++v)
            for (long k = 0; k <= 3; ++k) {
                Shared.EEResults[v][0][k] = v + k / 8.0L;
                Shared.EEResults[v][1][k] = v + k / 16.0L;
                Shared.RTResults[v][1][k] = 100 * v + k;
            }
    }
    void TearDown() override {
        SetScreenCursor(nullptr);
        RunTest::TearDown();
    }
    double Seert(const char* field) { return Res.cdsSEERT.FieldByName(field)->AsFloat(); }

    TRecordingCursor Cursor;
    TDatasetTables Db;
    TResultTablesFixture Res;
};

TEST_F(SaveResultsTest, MasterRowCopiesAndResultRowsInTheirOrder) {
    std::string message = "stale";
    ASSERT_TRUE(SaveResults(46001.25, 46001.5, message));
    EXPECT_EQ(message, "");
    EXPECT_EQ(Cursor.Shown, (std::vector<TCursor>{crHourGlass, crDefault}));

    TClientDataSet& r = Res.cdsResults;
    ASSERT_EQ(r.RecordCount(), 1);
    EXPECT_EQ(r.State(), dsBrowse);
    const std::vector<std::pair<const char*, double>> master = {{"DateTime", 46000.5},
                                                                {"StartDateTime", 46001.25},
                                                                {"FinishDateTime", 46001.5},
                                                                {"Tref", 1000},
                                                                {"Tbg", 0},
                                                                {"ViewIndex", 1},
                                                                {"NRF", 1000},
                                                                {"Threshold", 0},
                                                                {"nw", 3},
                                                                {"nv", 2},
                                                                {"Z0", -0.5},
                                                                {"R0", 0.125}};
    for (const auto& [field, value] : master)
        EXPECT_EQ(r.FieldByName(field)->AsFloat(), value) << field;
    EXPECT_EQ(r.FieldByName("DatasetName")->AsString(), "Cylinder");
    EXPECT_EQ(r.FieldByName("Rem")->AsString(), "remark");

    // Cavity and temperature rows, field by field position; the source stands on its last row.
    ASSERT_EQ(Res.cdsCavity.RecordCount(), 3);
    Res.cdsCavity.Last();
    EXPECT_EQ(Res.cdsCavity.FieldByName("R")->AsFloat(), 0.5);
    EXPECT_EQ(Res.cdsCavity.FieldByName("Emissivity")->AsFloat(), 0.7);
    EXPECT_TRUE(Res.cdsCavity.FieldByName("Diffusity")->IsNull());
    EXPECT_EQ(Db.cdsCavity.RecNo(), 3);
    ASSERT_EQ(Res.cdsTemperatures.RecordCount(), 2);
    Res.cdsTemperatures.First();
    EXPECT_EQ(Res.cdsTemperatures.FieldByName("isf")->AsInteger(), 1);
    EXPECT_EQ(Res.cdsTemperatures.FieldByName("T")->AsFloat(), 900);

    // Wavelength index outer, viewing condition inner; the total is wavelength 0.
    const std::vector<std::pair<double, int>> order = {{0, 1}, {0, 2}, {1, 1}, {1, 2},
                                                       {2, 1}, {2, 2}, {4, 1}, {4, 2}};
    EXPECT_EQ(Res.Posted, order);
    ASSERT_TRUE(Res.cdsSEERT.Locate("Wavelength;ivc", {TFieldValue(4.0), TFieldValue(int32_t(2))}));
    EXPECT_EQ(Seert("EEiso"), 2 + 3 / 8.0);
    EXPECT_EQ(Seert("EE"), 2 + 3 / 16.0);
    EXPECT_EQ(Seert("RT"), 203);
    EXPECT_EQ(Seert("param1"), 0.75);
    EXPECT_EQ(Seert("param2"), 0.125);
    EXPECT_EQ(Seert("param3"), 20);
}

TEST_F(SaveResultsTest, LocalHemisphericalRowsKeepOnlyXi) {
    SetConditions(4, {{0.25, 1, 1, 2}, {0.5, 2, 1, 2}});
    std::string message;
    ASSERT_TRUE(SaveResults(0, 0, message)) << message;
    ASSERT_EQ(Res.cdsSEERT.RecordCount(), 8);
    for (Res.cdsSEERT.First(); !Res.cdsSEERT.Eof(); Res.cdsSEERT.Next()) {
        EXPECT_EQ(Seert("param1"), Res.cdsSEERT.FieldByName("ivc")->AsInteger() * 0.25);
        EXPECT_TRUE(Res.cdsSEERT.FieldByName("param2")->IsNull());
        EXPECT_TRUE(Res.cdsSEERT.FieldByName("param3")->IsNull());
    }
}

TEST_F(SaveResultsTest, AResultRowThatCannotBePostedEndsTheSave) {
    Shared.CurWavelengths[2] = 1;  // the same key as wavelength 1: its first row fails
    std::string message;
    EXPECT_FALSE(SaveResults(0, 0, message));
    EXPECT_EQ(message, "Error saving results in database");
    EXPECT_EQ(Res.Posted.size(), 4u);
    // What was posted stays, with the run's row posted; the failed row is gone.
    EXPECT_EQ(Res.cdsResults.State(), dsBrowse);
    EXPECT_EQ(Res.cdsSEERT.State(), dsBrowse);
    EXPECT_EQ(Res.cdsSEERT.RecordCount(), 4);
    EXPECT_EQ(Res.cdsCavity.RecordCount(), 3);
    EXPECT_EQ(Cursor.Shown.back(), crDefault);
}

}  // namespace

TEST(ScreenCursorTest, NestedGuardsKeepTheOuterHourglass) {
    TRecordingCursor cursor;
    SetScreenCursor(&cursor);
    {
        TCursorGuard outer;
        { TCursorGuard inner; }
        EXPECT_EQ(ScreenCursorShape(), crHourGlass);
    }
    SetScreenCursor(nullptr);
    EXPECT_EQ(cursor.Shown,
              (std::vector<TCursor>{crHourGlass, crHourGlass, crHourGlass, crDefault}));
}
