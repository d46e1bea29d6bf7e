#include <functional>

#include "TablesFixture.h"
#include "engine/Loaders.h"
#include "platform/rtl/FormatSettings.h"

namespace {

class LoadersTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        FormatGuard.emplace(TFormatSettings{});
    }
    std::optional<TFormatSettingsGuard> FormatGuard;
};

TEST_F(LoadersTest, ValidDatasetFillsTheArea) {
    TDatasetTables db;
    db.AddValidDataset({0.5, 1000});
    db.SetMain("Z0", 0.25);
    db.SetMain("Tbg", 300);
    db.cdsCavity.SetRecNo(2);
    db.cdsTemperatures.SetRecNo(1);
    Shared.EEResults[3][1][0] = 0.5;  // a total of an earlier run

    std::string message = "stale";
    ASSERT_TRUE(LoadDataset(message)) << message;
    EXPECT_EQ(message, "");
    const TSharedData& s = Shared;
    EXPECT_EQ(s.CurDatasetName, "Cylinder");
    EXPECT_EQ(s.CurDateTime, 46000.5);
    EXPECT_EQ(s.CurTref, 1000);
    EXPECT_EQ(s.CurTbg, 300);
    EXPECT_EQ(s.CurNRF, 1000);
    EXPECT_EQ(s.EEResults[3][1][0], 0.5);

    EXPECT_EQ(s.NodeCount, 2);
    EXPECT_EQ(s.NodeZ[0], 0.25L);
    EXPECT_EQ(s.NodeZ[2], 2);
    EXPECT_EQ(s.NodeR[1], 1);
    EXPECT_EQ(s.SurfEmissivity[2], Real(0.9));
    EXPECT_EQ(s.SurfReflectivity[2], 1 - Real(0.9));
    EXPECT_EQ(s.SurfDiffusity[1], 1);

    EXPECT_EQ(s.TempPointCount, 2);
    EXPECT_EQ(s.TempPointXi[2], Real(0.9));
    EXPECT_EQ(s.TempPointR[1], 0.5L);
    EXPECT_EQ(s.TempPointSurf[2], 2);
    EXPECT_EQ(s.TempPointT[1], 900);

    // The upper bound of the wavelengths is inside; [0] stands for the total.
    EXPECT_EQ(s.WavelengthCount, 2);
    EXPECT_EQ(s.CurWavelengths[0], 0);
    EXPECT_EQ(s.CurWavelengths[2], 1000);

    EXPECT_EQ(s.VCCount, 2);
    EXPECT_EQ(s.VCParams[1][2], 0.5L);
    EXPECT_EQ(s.VCParams[2][1], 0.25L);

    // Cavity and temperatures go back to their rows; the other two stay where reading ended.
    EXPECT_EQ(db.cdsCavity.RecNo(), 2);
    EXPECT_EQ(db.cdsTemperatures.RecNo(), 1);
    EXPECT_TRUE(db.cdsWavelengths.Eof());
    EXPECT_TRUE(db.VC[0].Eof());
    for (TDataSet* t : {&db.cdsCavity, &db.cdsTemperatures, &db.cdsWavelengths, &db.VC[0]})
        EXPECT_FALSE(t->ControlsDisabled()) << t->Name();
}

TEST_F(LoadersTest, EachFaultGivesItsMessage) {
    using TChange = std::function<void(TDatasetTables&)>;
    auto setRow = [](TDataSet& table, int row, const char* field, TOptional value) {
        table.SetRecNo(row);
        table.Edit();
        SetOptional(table.FieldByName(field), value);
        table.Post();
    };
    auto emptyTable = [](TDataSet& table) {
        while (!table.IsEmpty()) table.Delete();
    };
    struct Case {
        const char* what;
        TChange change;
        std::string message;
    };
    const Case cases[] = {
        {"blank name",
         [](TDatasetTables& d) {
             d.cdsMain.Edit();
             d.cdsMain.FieldByName("DatasetName")->SetAsString("   ");
             d.cdsMain.Post();
         },
         "Dataset Name cannot be blanck"},
        {"Tref 0", [](TDatasetTables& d) { d.SetMain("Tref", 0); },
         "Invalid Value for Reference Temperature "},
        {"Tbg below 0", [](TDatasetTables& d) { d.SetMain("Tbg", -0.5); },
         "Negative Value for Background Temperature"},
        {"NRF 0", [](TDatasetTables& d) { d.SetMain("NRF", 0); },
         "Invalid Value for Number of Rays (0)"},
        {"threshold -1", [](TDatasetTables& d) { d.SetMain("Threshold", -1); },
         "Invalid Value for Flux Threshold (-1)"},
        {"kind 5", [](TDatasetTables& d) { d.SetMain("ViewIndex", 5); },
         "Invalid kind of viewing condition (5)"},
        {"kind -1", [](TDatasetTables& d) { d.SetMain("ViewIndex", -1); },
         "Invalid kind of viewing condition (-1)"},
        {"no cavity rows", [&](TDatasetTables& d) { emptyTable(d.cdsCavity); },
         "Dataset 'Cylinder':\rInsufficient number of nodes in cavity generatrix (0)"},
        {"emissivity missing in row 2",
         [&](TDatasetTables& d) {
             d.AddCavity({{2, 0.5}});
             setRow(d.cdsCavity, 2, "Emissivity", std::nullopt);
         },
         "Emissivity for surface # 2 is not specified"},
        {"diffusity in row 2 before emissivity in row 3",
         [&](TDatasetTables& d) {
             d.AddCavity({{2, 0.5}});
             setRow(d.cdsCavity, 3, "Emissivity", std::nullopt);
             setRow(d.cdsCavity, 2, "Diffusity", std::nullopt);
         },
         "Diffusity for surface # 2 is not specified"},
        {"T 0 at point 4",
         [](TDatasetTables& d) {
             AppendRow(d.cdsTemperatures, {0.95, 2, 0.9, 2, 1000});
             AppendRow(d.cdsTemperatures, {0.97, 2, 0.8, 2, 0});
         },
         "Invalid Temperature Value for Temperature in point # 4"},
        {"wavelength 1000.5", [](TDatasetTables& d) { AppendRow(d.cdsWavelengths, {1000.5}); },
         "Invalid Value for Wavelength # 3\rWavelength must be from 0.01 \xC2\xB5m to 1000 "
         "\xC2\xB5m"},
        {"wavelength below 0.01", [](TDatasetTables& d) { AppendRow(d.cdsWavelengths, {0.009}); },
         "Invalid Value for Wavelength # 1\rWavelength must be from 0.01 \xC2\xB5m to 1000 "
         "\xC2\xB5m"},
        {"no wavelengths", [&](TDatasetTables& d) { emptyTable(d.cdsWavelengths); },
         "Wavelengths are not specified\rAt least one wavelength is needed"},
        {"no viewing conditions", [&](TDatasetTables& d) { emptyTable(d.VC[0]); },
         "No Viewing Conditions are Specified"},
        {"wall point on surface 0",
         [](TDatasetTables& d) {
             d.SetMain("ViewIndex", 4);
             AppendRow(d.VC[4], {0.5, 1, 1, 2});
             AppendRow(d.VC[4], {0.6, 1, 1, 0});
         },
         "Invalid surface number in viewing condition # 2"},
        {"wall point beyond the last surface",
         [](TDatasetTables& d) {
             d.SetMain("ViewIndex", 4);
             AppendRow(d.VC[4], {0.5, 1, 1, 3});
         },
         "Invalid surface number in viewing condition # 1"},
    };
    for (const Case& c : cases) {
        ResetSharedData();
        TDatasetTables db;
        db.AddValidDataset();
        c.change(db);
        std::string message;
        EXPECT_FALSE(LoadDataset(message)) << c.what;
        EXPECT_EQ(message, c.message) << c.what;
        for (TDataSet* t : {&db.cdsCavity, &db.cdsTemperatures, &db.cdsWavelengths, &db.VC[0]})
            EXPECT_FALSE(t->ControlsDisabled()) << c.what;
    }
}

TEST_F(LoadersTest, NameAndKindAlone) {
    TDatasetTables db;
    db.AddValidDataset();
    db.SetMain("ViewIndex", 3);
    std::string message;
    ASSERT_TRUE(LoadNameAndViewIndex(message)) << message;
    EXPECT_EQ(Shared.CurDatasetName, "Cylinder");
    EXPECT_EQ(Shared.CurViewIndex, 3);

    db.SetMain("ViewIndex", 7);
    EXPECT_FALSE(LoadNameAndViewIndex(message));
    EXPECT_EQ(message, "Invalid kind of viewing condition (7)");

    // The spelling differs from the one LoadDataset gives.
    db.cdsMain.Edit();
    db.cdsMain.FieldByName("DatasetName")->SetAsString("   ");
    db.cdsMain.Post();
    EXPECT_FALSE(LoadNameAndViewIndex(message));
    EXPECT_EQ(message, "Dataset Name cannot be blank");
}

TEST_F(LoadersTest, WallPointsAreCheckedAgainstTheCurrentDatasetsSurfaces) {
    // Whatever was loaded before, a wall point of the current two-surface dataset must lie on
    // surface 1 or 2.
    const std::function<void(TDatasetTables&)> before[] = {
        [](TDatasetTables&) {},  // nothing: the targeting view's order
        [](TDatasetTables& d) {  // the whole of the five-surface dataset
            d.cdsMain.First();
            std::string message;
            ASSERT_TRUE(LoadDataset(message)) << message;
            ASSERT_EQ(Shared.NodeCount, 5);
            d.cdsMain.Last();
        },
        [](TDatasetTables&) {  // the current cavity first
            std::string message;
            ASSERT_TRUE(LoadCavity(message)) << message;
        },
    };
    for (size_t order = 0; order < std::size(before); ++order) {
        for (const int isf : {1, 2, 3}) {
            ResetSharedData();
            TDatasetTables db;
            db.AddDataset("Deep", 1000, 4);
            db.AddCavity({{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}});
            AppendRow(db.cdsWavelengths, {1});
            AppendRow(db.VC[4], {0.5, 1, 1, 5});
            db.AddDataset("Shallow", 1000, 4);
            db.AddCavity({{0, 1}, {2, 1}});
            AppendRow(db.VC[4], {0.5, 1, 1, double(isf)});
            before[order](db);

            std::string message;
            ASSERT_TRUE(LoadNameAndViewIndex(message)) << message;
            ASSERT_EQ(Shared.CurDatasetName, "Shallow");
            EXPECT_EQ(LoadViewingConditions(message), isf <= 2)
                << "order " << order << ", isf " << isf;
            EXPECT_EQ(message, isf <= 2 ? "" : "Invalid surface number in viewing condition # 1")
                << "order " << order << ", isf " << isf;
        }
    }
}

TEST_F(LoadersTest, DatasetWithoutTemperaturePointsLoads) {
    TDatasetTables db;
    db.AddValidDataset();
    while (!db.cdsTemperatures.IsEmpty()) db.cdsTemperatures.Delete();
    Shared.TempPointCount = 5;
    std::string message;
    ASSERT_TRUE(LoadDataset(message)) << message;
    EXPECT_EQ(Shared.TempPointCount, 0);
}

TEST_F(LoadersTest, CountsBeyondTheArraysAreRangeErrors) {
    struct Case {
        const char* what;
        std::function<void(TDatasetTables&)> fill;
        std::function<bool(std::string&)> load;
        bool ok;
    };
    auto nodes = [](int n) {
        std::vector<TNode> v;
        for (int i = 1; i <= n; ++i) v.push_back({Real(i), 1});
        return v;
    };
    const Case cases[] = {
        // 202 nodes load (though no run can use them); 203 do not fit.
        {"202 nodes", [&](TDatasetTables& d) { d.AddCavity(nodes(202)); }, LoadCavity, true},
        {"203 nodes", [&](TDatasetTables& d) { d.AddCavity(nodes(203)); }, LoadCavity, false},
        {"102 temperature points",
         [](TDatasetTables& d) {
             for (int i = 1; i <= 102; ++i) AppendRow(d.cdsTemperatures, {i / 200.0, 0, 0, 1, 300});
         },
         LoadTemperatures, false},
        {"temperature point on surface 0",
         [](TDatasetTables& d) {
             AppendRow(d.cdsTemperatures, {0.5, 0, 0, 0, 300});
         },
         LoadTemperatures, false},
        {"temperature point on surface 203",
         [](TDatasetTables& d) {
             AppendRow(d.cdsTemperatures, {0.5, 0, 0, 203, 300});
         },
         LoadTempPointPositions, false},
        {"202 wavelengths",
         [](TDatasetTables& d) {
             for (int i = 1; i <= 202; ++i) AppendRow(d.cdsWavelengths, {i * 0.1});
         },
         LoadWavelengths, false},
    };
    for (const Case& c : cases) {
        TDatasetTables db;
        db.AddDataset("Big");
        c.fill(db);
        std::string message;
        if (c.ok) {
            EXPECT_TRUE(c.load(message)) << c.what << ": " << message;
        } else {
            EXPECT_THROW(c.load(message), ERangeError) << c.what;
        }
        for (TDataSet* t : {&db.cdsCavity, &db.cdsTemperatures, &db.cdsWavelengths})
            EXPECT_FALSE(t->ControlsDisabled()) << c.what;
    }
}

TEST_F(LoadersTest, TempPointPositionsWithoutTemperatures) {
    TDatasetTables db;
    db.AddDataset("Points");
    std::string message = "stale";
    EXPECT_FALSE(LoadTempPointPositions(message));  // no rows
    EXPECT_EQ(message, "");

    AppendRow(db.cdsTemperatures, {0.2, 1, 0.5, 1, 0});  // T 0 is not looked at
    AppendRow(db.cdsTemperatures, {0.7, 2, 0.25, 2, std::nullopt});
    db.cdsTemperatures.SetRecNo(1);
    ASSERT_TRUE(LoadTempPointPositions(message));
    EXPECT_EQ(Shared.TempPointCount, 2);
    EXPECT_EQ(Shared.TempPointZ[2], 2);
    EXPECT_EQ(Shared.TempPointSurf[2], 2);
    EXPECT_EQ(Shared.TempPointT[1], 0);
    EXPECT_EQ(db.cdsTemperatures.RecNo(), 1);
}

TEST_F(LoadersTest, OutlineFromTheTables) {
    TDatasetTables db;
    db.AddValidDataset();
    db.SetMain("R0", 0.5);
    db.cdsCavity.SetRecNo(1);
    std::string message;
    ASSERT_TRUE(LoadCavityOutline(message)) << message;
    EXPECT_EQ(Shared.NodeR[0], 0.5L);
    EXPECT_EQ(Shared.CavZRange, 2);
    EXPECT_EQ(Shared.NodeXi[2], 1);
    EXPECT_EQ(Host.Status[0], "Cavity boundaries:     -1.0000<=Y<=1.0000,   0.0000<=Z<=2.0000");
    EXPECT_EQ(Host.Status[2], "Aperture radius = 1.0000");
    EXPECT_EQ(db.cdsCavity.RecNo(), 1);

    // Two consecutive nodes at one point: named by their numbers and the dataset.
    db.AddCavity({{2, 1}});
    EXPECT_FALSE(LoadCavityOutline(message));
    EXPECT_EQ(message, "Two points (2 and 3) merge together  in dataset Cylinder");

    // Without cavity rows the status texts go, and there is nothing to report.
    while (!db.cdsCavity.IsEmpty()) db.cdsCavity.Delete();
    EXPECT_FALSE(LoadCavityOutline(message));
    EXPECT_EQ(message, "");
    for (const std::string& text : Host.Status) EXPECT_EQ(text, "");
}

TEST_F(LoadersTest, OutlineWithoutACurrentProfileHasNothingToReport) {
    struct Case {
        const char* what;
        std::function<void(TDatasetTables&)> arrange;
    };
    const Case cases[] = {
        {"no tables", [](TDatasetTables&) { EngineTables = {}; }},
        {"no dataset", [](TDatasetTables&) {}},
        {"a cavity row being inserted",
         [](TDatasetTables& d) {
             d.AddValidDataset();
             d.cdsCavity.Insert();
         }},
    };
    for (const Case& c : cases) {
        TDatasetTables db;
        c.arrange(db);
        Host.Status[0] = "kept";
        std::string message = "stale";
        EXPECT_FALSE(LoadCavityOutline(message)) << c.what;
        EXPECT_EQ(message, "") << c.what;
        EXPECT_EQ(Host.Status[0], "kept") << c.what;
    }
}

TEST_F(LoadersTest, XiToPointReportsAFailedReloadOnlyWhileTheMainWindowIsActive) {
    TDatasetTables db;
    db.AddValidDataset();
    std::string message;
    ASSERT_TRUE(LoadCavityOutline(message)) << message;
    db.AddCavity({{2, 1}});  // the reload now fails on the merged nodes
    for (bool active : {true, false}) {
        Host.MainWindowActive = active;
        Real z = 0, y = 0;
        int32_t surface = 0;
        EXPECT_EQ(XiToPoint(0.5L, z, y, surface, message), !active);
        if (active) {
            EXPECT_EQ(message, "Two points (2 and 3) merge together  in dataset Cylinder");
        }
    }
}

TEST_F(LoadersTest, ClearingKeepsWhatItShould) {
    TSharedData& s = Shared;
    s.CurDatasetName = "x";
    s.CurTref = s.CurNRF = 5;
    s.CurViewIndex = 4;  // one parameter kept per condition
    s.EEResults[201][1][0] = s.RTResults[1][1][0] = 0.5;
    s.EEResults[201][1][201] = s.RTResults[1][1][1] = 0.5;
    s.SurfReflectivity[3] = s.SurfKind[3] = s.NodeZ[202] = 1;
    s.TempPointT[101] = s.CurWavelengths[0] = s.CurWavelengths[201] = 7;
    s.VCParams[1][201] = s.VCParams[2][1] = 3;

    ClearVCParams();
    EXPECT_EQ(s.VCParams[1][201], 0);
    EXPECT_EQ(s.VCParams[2][1], 3);  // beyond the kind's parameter count

    ClearSharedData();
    EXPECT_EQ(s.CurDatasetName, "");
    EXPECT_EQ(s.CurTref + s.CurNRF + s.CurViewIndex, 0);
    EXPECT_EQ(s.EEResults[201][1][0], 0.5);  // totals stay
    EXPECT_EQ(s.RTResults[1][1][0], 0.5);
    EXPECT_EQ(s.EEResults[201][1][201], 0);
    EXPECT_EQ(s.RTResults[1][1][1], 0);
    EXPECT_EQ(s.NodeZ[202], 0);
    EXPECT_EQ(s.SurfReflectivity[3], 1);  // derived arrays are the preprocessing's
    EXPECT_EQ(s.SurfKind[3], 1);
    EXPECT_EQ(s.TempPointT[101], 0);
    EXPECT_EQ(s.TempPointSurf[101], 1);
    EXPECT_EQ(s.CurWavelengths[0] + s.CurWavelengths[201], 0);
}

TEST_F(LoadersTest, PostIfEditingPostsOnlyAPendingRow) {
    TDatasetTables db;
    db.AddDataset("A");
    PostIfEditing(db.cdsMain);  // browsing: nothing to do
    EXPECT_EQ(db.cdsMain.State(), dsBrowse);

    db.cdsMain.Edit();
    db.cdsMain.FieldByName("Tref")->SetAsFloat(5);
    PostIfEditing(db.cdsMain);
    EXPECT_EQ(db.cdsMain.State(), dsBrowse);
    EXPECT_EQ(db.cdsMain.FieldByName("Tref")->AsFloat(), 5);

    db.cdsMain.Append();
    db.cdsMain.FieldByName("DatasetName")->SetAsString("B");
    PostIfEditing(db.cdsMain);
    EXPECT_EQ(db.cdsMain.State(), dsBrowse);
    EXPECT_EQ(db.cdsMain.RecordCount(), 2);
}

}  // namespace
