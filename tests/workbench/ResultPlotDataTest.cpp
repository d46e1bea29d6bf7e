// The result plots' copy of a stored run: the result rows read as blocks of viewing conditions
// per wavelength, in single precision, and a run whose saving stopped part-way copied as far as
// it goes.
#include <gtest/gtest.h>

#include <cmath>

#include "workbench/ResultPlotData.h"
#include "workbench/StoredRun.h"

namespace {

// A directional run of two viewing conditions and three wavelengths: row (k, v) has EEiso
// 0.9 + k / 100 + v / 1000, EE that plus 0.0001 and RT 1000 k + v.
TStoredRun DirectionalRun(size_t rows) {
    TStoredRun run;
    run.DatasetName = "Cone";
    run.ViewIndex = 1;
    run.WavelengthCount = 3;
    run.VCCount = 2;
    run.Tref = 1234.5L;
    const double wavelengths[] = {0, 1.5, 3, 10};
    for (int k = 0; k <= 3; ++k)
        for (int v = 1; v <= 2; ++v) {
            TStoredResult r;
            r.Wavelength = wavelengths[k];
            r.ViewCondition = v;
            r.Params = {10.0L * v, 2, 30.0L * (3 - v)};
            r.EEiso = 0.9L + k / 100.0L + v / 1000.0L;
            r.EE = r.EEiso + 0.0001L;
            r.RT = 1000.0L * k + v;
            run.Results.push_back(r);
        }
    run.Results.resize(rows);
    return run;
}

TEST(ResultPlotData, BlocksOfConditionsPerWavelength) {
    const TRunPlotData d = PlotDataOf(DirectionalRun(8));
    EXPECT_EQ(d.DatasetName, "Cone");
    EXPECT_EQ(d.Kind, 1);
    EXPECT_EQ(d.WavelengthCount, 3);
    EXPECT_EQ(d.VCCount, 2);
    EXPECT_DOUBLE_EQ(d.Tref, 1234.5);
    EXPECT_EQ(d.Wavelengths, (std::vector<float>{0, 1.5f, 3, 10}));
    ASSERT_EQ(d.Params.size(), 2u);
    EXPECT_EQ(d.Params[0], (std::array<float, 3>{10, 2, 60}));
    EXPECT_EQ(d.Params[1], (std::array<float, 3>{20, 2, 30}));
    for (size_t v = 0; v < 2; ++v)
        for (size_t k = 0; k <= 3; ++k) {
            // Single precision: the stored value rounded to the nearest float.
            EXPECT_EQ(d.EEiso[v][k], float(0.9L + k / 100.0L + (v + 1) / 1000.0L)) << v << k;
            EXPECT_EQ(d.RT[v][k], float(1000 * k + v + 1)) << v << k;
        }
    EXPECT_NE(d.EE[1][2], d.EEiso[1][2]);
}

TEST(ResultPlotData, APartlySavedRunEndsWithItsRows) {
    // Five of eight rows: wavelength 2 has its first condition only, wavelength 3 none.
    const TRunPlotData d = PlotDataOf(DirectionalRun(5));
    EXPECT_EQ(d.RT[0][2], 2001);
    EXPECT_TRUE(std::isnan(d.RT[1][2]));
    EXPECT_TRUE(std::isnan(d.EE[0][3]));
    EXPECT_TRUE(std::isnan(d.EEiso[1][3]));
    EXPECT_EQ(d.Wavelengths[3], 0);
    // A run without viewing conditions has nothing to plot.
    TStoredRun empty = DirectionalRun(0);
    empty.VCCount = 0;
    const TRunPlotData none = PlotDataOf(empty);
    EXPECT_TRUE(none.Params.empty());
    EXPECT_TRUE(none.EE.empty());
}

}  // namespace
