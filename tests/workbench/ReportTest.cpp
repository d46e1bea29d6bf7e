// The report of a stored run, read from the results database: the whole text for a normal and a
// local-hemispherical run, and where it stops when the run's generatrix or results fail it.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "platform/rtl/FormatSettings.h"
#include "tests/workbench/WorkbenchFixtures.h"
#include "workbench/Report.h"
#include "workbench/ResultsDatabase.h"
#include "workbench/StoredRun.h"
#include "workbench/TextFileFormat.h"

namespace {

struct TStoredRunData {
    int Kind = 0;
    std::array<double, 2> StartNode{0, 0};
    std::vector<std::array<double, 4>> Nodes;   // Z, R, Emissivity, Diffusity
    std::vector<std::array<double, 2>> Points;  // Xi, T
    std::vector<std::array<double, 3>> Conditions;
    std::vector<double> Wavelengths;
};

// A results database holding one run as the engine stores it. The results of condition v at
// wavelength index k are EEiso 0.9 + v/100 + k/1000, EE 0.0005 less and RT 1000 - v - k/2.
struct ReportTest : ::testing::Test {
    TFormatSettingsGuard Settings{TFormatSettings{}};
    TRecordingMessages Messages;
    TResultsDatabase Db{Messages};

    void Store(const std::string& name, const TStoredRunData& run) {
        Db.cdsResults.CreateDataSet();
        TClientDataSet& r = Db.cdsResults;
        r.Append();
        r.FieldByName("DatasetName")->SetAsString(name);
        r.FieldByName("DateTime")->SetAsDateTime(46005.75);
        r.FieldByName("StartDateTime")->SetAsDateTime(46006.125);
        r.FieldByName("FinishDateTime")->SetAsDateTime(46006.5);
        SetField(r, "Tref", 1000);
        SetField(r, "Tbg", 295.5);
        SetField(r, "ViewIndex", run.Kind);
        SetField(r, "NRF", 1e6);
        SetField(r, "Threshold", 1e-6);
        r.FieldByName("Rem")->SetAsString("Blackbody for the 1000 K point\r\nsecond try");
        SetField(r, "nw", double(run.Wavelengths.size()));
        SetField(r, "nv", double(run.Conditions.size()));
        SetField(r, "Z0", run.StartNode[0]);
        SetField(r, "R0", run.StartNode[1]);
        r.Post();
        for (size_t i = 0; i < run.Nodes.size(); ++i) {
            const auto& n = run.Nodes[i];
            AddRow(Db.cdsCavity, {{"D", i + 1},
                                  {"Z", n[0]},
                                  {"R", n[1]},
                                  {"Emissivity", n[2]},
                                  {"Diffusity", n[3]}});
        }
        for (const auto& p : run.Points) AddRow(Db.cdsTemperatures, {{"Xi", p[0]}, {"T", p[1]}});
        std::vector<double> wavelengths{0};
        wavelengths.insert(wavelengths.end(), run.Wavelengths.begin(), run.Wavelengths.end());
        for (size_t k = 0; k < wavelengths.size(); ++k)
            for (size_t v = 1; v <= run.Conditions.size(); ++v) {
                const auto& c = run.Conditions[v - 1];
                const double eeIso = 0.9 + 0.01 * double(v) + 0.001 * double(k);
                AddRow(Db.cdsSEERT, {{"Wavelength", wavelengths[k]},
                                     {"ivc", double(v)},
                                     {"param1", c[0]},
                                     {"param2", c[1]},
                                     {"param3", c[2]},
                                     {"EEiso", eeIso},
                                     {"EE", eeIso - 0.0005},
                                     {"RT", 1000 - double(v) - 0.5 * double(k)}});
            }
        PostIfEditing(r);
    }
    TReport Report() { return BuildReport(ReadStoredRun(Db), "Kavri320"); }
};

// A disk bottom, a cylinder and an aperture lip, 65 long.
TStoredRunData CylinderRun(int kind) {
    TStoredRunData run;
    run.Kind = kind;
    run.Nodes = {{0, 10, 0.9, 1}, {50, 10, 0.85, 0.5}, {50, 5, 0.8, 0}};
    run.Points = {{0, 1000}, {0.5, 1010.5}, {1, 990.25}};
    run.Conditions = {{0, 0, 0}, {2.5, 1, 0}};
    run.Wavelengths = {0.65, 10};
    return run;
}

void ExpectLines(const std::vector<std::string>& actual, const std::vector<std::string>& expected) {
    for (size_t i = 0; i < std::min(actual.size(), expected.size()); ++i)
        EXPECT_EQ(actual[i], expected[i]) << "line " << i + 1;
    EXPECT_EQ(actual.size(), expected.size());
}

const std::string Rule(120, '-');
const std::string Banner =
    "============= KAVRI320 ============= TALVOR INTERNATIONAL, LLC ============="
    "=======================================================";

TEST(ReportFormatting, BlankZerosAndPaddedIntegers) {
    TFormatSettingsGuard settings{TFormatSettings{}};
    struct {
        const char* format;
        double value;
        const char* expected;
    } cases[] = {
        {"00000.000000", 0.5, "    0.500000"},
        {"00000.000000", -0.5, "-00000.500000"},  // nothing blanked after a minus
        {"00000.000000", 120.25, "  120.250000"},
        {"0000.0000", 0, "   0.0000"},
        {"0.00000000", 0.9985, "0.99850000"},
        {"###,###,###,##0", 1234567, "1,234,567"},
        {"###,###,###,##0", 0, "0"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatBlankZeros(c.format, c.value), c.expected);
    EXPECT_EQ(PadInt(3, 7), "  7");
    EXPECT_EQ(PadInt(3, 1234), "1234");
    // The separator is the locale's.
    TFormatSettings comma;
    comma.DecimalSeparator = ',';
    TFormatSettingsGuard pinned{comma};
    EXPECT_EQ(FormatBlankZeros("0000.0000", 0.5), "   0,5000");
}

TEST_F(ReportTest, NormalRun) {
    Store("Cylinder A", CylinderRun(0));
    const TReport report = Report();
    EXPECT_EQ(report.Failure, "");
    ExpectLines(report.Lines,
                {
                    Banner,
                    "",
                    "Dataset name: Cylinder A",
                    "          Created: 12/14/2025 18:00:00",
                    "Start of Modeling: 12/15/2025 03:00:00",
                    "  End of Modeling: 12/15/2025 12:00:00",
                    "",
                    "Cavity (4 points, 3 surfaces):",
                    "     z            y         Emissivity  Diffusity",
                    "    0.000000     0.000000",
                    "    0.000000    10.000000     0.9000      1.0000",
                    "   50.000000    10.000000     0.8500      0.5000",
                    "   50.000000     5.000000     0.8000      0.0000",
                    "",
                    "T ref (K) = 1000.0000   T bg (K) =  295.5000",
                    "",
                    " xi          z             y        Surface #  T (K)",
                    "0.000000     0.000000     0.000000      1      1000.0000",
                    "0.500000    22.500000    10.000000      2      1010.5000",
                    "1.000000    50.000000     5.000000      3       990.2500",
                    "",
                    "Viewing conditions (2) for Normal Effective Emissivity:",
                    "      YB           RB           ",
                    "     0.000000     0.000000",
                    "     2.500000     1.000000",
                    "",
                    Rule,
                    "Comments:",
                    "Blackbody for the 1000 K point",
                    "second try",
                    Rule,
                    "",
                    "Number of rays traced: 1000000",
                    "       Flux Threshold: 0.000001000",
                    "",
                    Rule,
                    "",
                    "RESULTS FOR NORMAL EFFECTIVE EMISSIVITY AND RADIOMETRIC TEMPERATURES",
                    "",
                    "*** Viewing Conditions 1 of 2: YB = 0.0   RB = 0.0   ",
                    "",
                    "   Total Effective Emissivity of Isothermal Cavity = 0.91000000",
                    "Total Effective Emissivity of Nonisothermal Cavity = 0.90950000",
                    "     Radiation Temperature of Nonisothermal Cavity = 999.0 K",
                    "",
                    "Spectral Effective Emissivities (SEE) and Radiance Temperatures (RT) for 2 "
                    "wavelengths:",
                    "",
                    "Wavelength (\u00B5m)      SEEiso  SEEnoniso    RT (K)",
                    "         0.6500  0.91100000 0.91050000  998.500",
                    "        10.0000  0.91200000 0.91150000  998.000",
                    "",
                    "*** Viewing Conditions 2 of 2: YB = 2.5   RB = 1.0   ",
                    "",
                    "   Total Effective Emissivity of Isothermal Cavity = 0.92000000",
                    "Total Effective Emissivity of Nonisothermal Cavity = 0.91950000",
                    "     Radiation Temperature of Nonisothermal Cavity = 998.0 K",
                    "",
                    "Spectral Effective Emissivities (SEE) and Radiance Temperatures (RT) for 2 "
                    "wavelengths:",
                    "",
                    "Wavelength (\u00B5m)      SEEiso  SEEnoniso    RT (K)",
                    "         0.6500  0.92100000 0.92050000  997.500",
                    "        10.0000  0.92200000 0.92150000  997.000",
                    "",
                    Rule,
                    "",
                });
}

// Points by Xi on the run's own generatrix (1 then 3 long), one wavelength, no temperature
// points. Xi 0.25 is the node between the two surfaces: the later surface takes it.
TEST_F(ReportTest, LocalHemisphericalRun) {
    TStoredRunData run;
    run.Kind = 4;
    run.StartNode = {0, 0};
    run.Nodes = {{0, 1, 1, 1}, {3, 1, 0.5, 0.25}};
    run.Conditions = {{0.2, 0, 0}, {0.25, 0, 0}, {1, 0, 0}};
    run.Wavelengths = {4};
    Store("Hemi", run);
    const TReport report = Report();
    EXPECT_EQ(report.Failure, "");
    const std::vector<std::string> lines = report.Lines;
    ASSERT_GT(lines.size(), 20u);
    ExpectLines(std::vector<std::string>(lines.begin() + 7, lines.begin() + 28),
                {
                    "Cavity (3 points, 2 surfaces):",
                    "     z            y         Emissivity  Diffusity",
                    "    0.000000     0.000000",
                    "    0.000000     1.000000     1.0000      1.0000",
                    "    3.000000     1.000000     0.5000      0.2500",
                    "",
                    "T ref (K) = 1000.0000   T bg (K) =  295.5000",
                    "",
                    " xi          z             y        Surface #  T (K)",
                    "",
                    "Viewing conditions (3) for Local Hemispherical Effective Emissivity:",
                    "      Xi           ",
                    "     0.200000",
                    "     0.250000",
                    "     1.000000",
                    "",
                    Rule,
                    "Comments:",
                    "Blackbody for the 1000 K point",
                    "second try",
                    Rule,
                });
    ExpectLines(std::vector<std::string>(lines.begin() + 34, lines.end()),
                {
                    "RESULTS FOR LOCAL HEMISPHERICAL EFFECTIVE EMISSIVITY AND RADIOMETRIC "
                    "TEMPERATURES",
                    "",
                    "*** Viewing Conditions 1 of 3: Xi = 0.2   z = 0.0   y = 0.8   Surface # 1",
                    "",
                    "   Total Effective Emissivity of Isothermal Cavity = 0.91000000",
                    "Total Effective Emissivity of Nonisothermal Cavity = 0.90950000",
                    "     Radiation Temperature of Nonisothermal Cavity = 999.0 K",
                    "",
                    "Spectral Effective Emissivities (SEE) and Radiance Temperatures (RT) for 1 "
                    "wavelength:",
                    "",
                    "Wavelength (\u00B5m)      SEEiso  SEEnoniso    RT (K)",
                    "         4.0000  0.91100000 0.91050000  998.500",
                    "",
                    "*** Viewing Conditions 2 of 3: Xi = 0.25   z = 0.0   y = 1.0   Surface # 2",
                    "",
                    "   Total Effective Emissivity of Isothermal Cavity = 0.92000000",
                    "Total Effective Emissivity of Nonisothermal Cavity = 0.91950000",
                    "     Radiation Temperature of Nonisothermal Cavity = 998.0 K",
                    "",
                    "Spectral Effective Emissivities (SEE) and Radiance Temperatures (RT) for 1 "
                    "wavelength:",
                    "",
                    "Wavelength (\u00B5m)      SEEiso  SEEnoniso    RT (K)",
                    "         4.0000  0.92100000 0.92050000  997.500",
                    "",
                    "*** Viewing Conditions 3 of 3: Xi = 1.0   z = 3.0   y = 1.0   Surface # 2",
                    "",
                    "   Total Effective Emissivity of Isothermal Cavity = 0.93000000",
                    "Total Effective Emissivity of Nonisothermal Cavity = 0.92950000",
                    "     Radiation Temperature of Nonisothermal Cavity = 997.0 K",
                    "",
                    "Spectral Effective Emissivities (SEE) and Radiance Temperatures (RT) for 1 "
                    "wavelength:",
                    "",
                    "Wavelength (\u00B5m)      SEEiso  SEEnoniso    RT (K)",
                    "         4.0000  0.93100000 0.93050000  996.500",
                    "",
                    Rule,
                    "",
                });
}

// A run whose generatrix cannot be laid out, or whose start node or results are missing, stops
// the report where it first needs them; the lines before stay.
TEST_F(ReportTest, FailureEndsTheReportAfterTheLinesBefore) {
    const std::vector<std::array<double, 4>> merging = {
        {0, 5, 1, 1}, {3, 5, 1, 1}, {3, 5, 1, 1}, {3, 1, 1, 1}};
    const std::string merge = "Two points (2 and 3) merge together  in dataset Bad";
    struct Case {
        const char* what;
        std::function<void(TStoredRunData&)> change;
        std::string reason;
        const char* lineBefore;  // the last line before the failure
    } cases[] = {
        {"coincident nodes, a temperature point", [&](TStoredRunData& s) { s.Nodes = merging; },
         merge, " xi          z             y        Surface #  T (K)"},
        {"coincident nodes, no point to place",
         [&](TStoredRunData& s) {
             s.Nodes = merging;
             s.Points.clear();
         },
         "", ""},
        {"coincident nodes, local hemispherical",
         [&](TStoredRunData& s) {
             s.Kind = 4;
             s.Nodes = merging;
             s.Points.clear();
         },
         merge, ""},
        {"zero range of Y",
         [](TStoredRunData& s) {
             s.StartNode = {0, 0};
             s.Nodes = {{1, 0, 1, 1}, {2, 0, 1, 1}};
         },
         "Warning: zero range of Y in dataset Bad",
         " xi          z             y        Surface #  T (K)"},
        {"temperature point beyond the generatrix",
         [](TStoredRunData& s) {
             s.Points = {{0.5, 300}, {1.5, 300}};
         },
         "No segment of the cavity generatrix contains Xi = 1.5",
         "0.500000    22.500000    10.000000      2       300.0000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Db.cdsResults.Close();
        TStoredRunData run = CylinderRun(0);
        c.change(run);
        Store("Bad", run);
        const TReport report = Report();
        EXPECT_EQ(report.Failure, c.reason);
        if (c.reason.empty()) {
            EXPECT_EQ(report.Lines.back(), "");  // the whole report
            continue;
        }
        ASSERT_GE(report.Lines.size(), 2u);
        EXPECT_EQ(report.Lines.back(), "REPORT GENERATION FAILED: " + c.reason);
        EXPECT_EQ(report.Lines[report.Lines.size() - 2], c.lineBefore);
    }
}

TEST_F(ReportTest, MissingStartNodeAndIncompleteResults) {
    TStoredRunData run = CylinderRun(0);
    Store("Old", run);
    Db.cdsResults.Edit();
    Db.cdsResults.FieldByName("Z0")->Clear();
    Db.cdsResults.Post();
    TReport report = Report();
    EXPECT_EQ(report.Failure, "The start node of the generatrix is not stored with this run");
    EXPECT_EQ(report.Lines[report.Lines.size() - 2],
              "     z            y         Emissivity  Diffusity");

    // Saving stopped after three of the six result rows: the conditions' table is there, the
    // results are not.
    Db.cdsResults.Close();
    Store("Part", run);
    Db.cdsSEERT.Last();
    for (int i = 0; i < 3; ++i) Db.cdsSEERT.Delete();
    PostIfEditing(Db.cdsResults);
    report = Report();
    EXPECT_EQ(report.Failure, "The results of this run are incomplete: 3 of 6 rows are stored");
    EXPECT_EQ(report.Lines[report.Lines.size() - 2],
              "RESULTS FOR NORMAL EFFECTIVE EMISSIVITY AND RADIOMETRIC TEMPERATURES");
    // One row left: not even the conditions' parameters are all there.
    Db.cdsSEERT.First();
    for (int i = 0; i < 2; ++i) Db.cdsSEERT.Delete();
    PostIfEditing(Db.cdsResults);
    report = Report();
    EXPECT_EQ(report.Failure, "The results of this run are incomplete: 1 of 6 rows are stored");
    EXPECT_EQ(report.Lines[report.Lines.size() - 2], "      YB           RB           ");
}

// One surface is still counted in the plural; more rows than the arrays hold and an unknown
// kind stop the report with the range error.
TEST_F(ReportTest, OneSurfaceAndRangeLimits) {
    TStoredRunData run = CylinderRun(1);
    run.Nodes.resize(1);
    run.Points = {{0.5, 300}};
    run.Conditions = {{1, 0.5, 30}};
    Store("Disk", run);
    const TReport report = Report();
    EXPECT_EQ(report.Failure, "");
    EXPECT_EQ(report.Lines[7], "Cavity (2 points, 1 surfaces):");
    EXPECT_EQ(report.Lines[11], "");
    EXPECT_EQ(report.Lines[15], "0.500000     0.000000     5.000000      1       300.0000");
    EXPECT_EQ(report.Lines[18], "      ZB           RB           b (\u00B0)           ");
    EXPECT_EQ(report.Lines[19], "     1.000000     0.500000    30.000000");

    for (int kind : {-1, 5}) {
        Db.cdsResults.Edit();
        SetField(Db.cdsResults, "ViewIndex", kind);
        Db.cdsResults.Post();
        EXPECT_THROW(ReadStoredRun(Db), ERangeError) << kind;
    }
    Db.cdsResults.Close();
    run.Points.clear();
    for (int i = 0; i < 102; ++i) run.Points.push_back({i / 200.0, 300});
    Store("Many", run);
    EXPECT_THROW(ReadStoredRun(Db), ERangeError);
}

}  // namespace
