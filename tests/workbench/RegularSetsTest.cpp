// The regular wavelength and viewing-condition sets and the surface ranges: every message in the
// dialogs' order, and the values the sets hold.
#include <gtest/gtest.h>

#include "workbench/RegularViewingConditions.h"
#include "workbench/RegularWavelengths.h"
#include "workbench/SurfaceRange.h"

namespace {

using Spacing = TWavelengthSpacing;

TEST(RegularWavelengths, Sets) {
    const struct {
        const char *lo, *hi;
        Spacing spacing;
        const char* specify;
        std::vector<double> values;
    } cases[] = {
        {"1", "2", Spacing::Step, "0.25", {1, 1.25, 1.5, 1.75, 2}},
        {"1", "2", Spacing::Number, "3", {1, 1.5, 2}},
        {" 1 ", "2", Spacing::Number, "2", {1, 2}},
    };
    for (const auto& c : cases) {
        std::vector<double> values;
        std::string message;
        ASSERT_TRUE(RegularWavelengths(c.lo, c.hi, c.spacing, c.specify, values, message));
        ASSERT_EQ(values.size(), c.values.size());
        for (size_t i = 0; i < values.size(); ++i) EXPECT_NEAR(values[i], c.values[i], 1e-12);
    }
    std::vector<double> values;
    std::string message;
    ASSERT_TRUE(RegularWavelengths("0.01", "1000", Spacing::Step, "5", values, message));
    ASSERT_EQ(values.size(), 200u);
    EXPECT_NEAR(values.back(), 995.01, 1e-9);
}

TEST(RegularWavelengths, EveryMessage) {
    const std::string range = "Wavelength must be from 0.01 \u00B5m to 1000 \u00B5m";
    const struct {
        const char *lo, *hi;
        Spacing spacing;
        const char* specify;
        std::string message;
    } cases[] = {
        {"a", "2", Spacing::Step, "1", "Invalid value for Min. Wavelength"},
        {"0.001", "2", Spacing::Step, "1", "Min. " + range},
        {"1", "", Spacing::Step, "1", "Invalid value for Max.Wavelength"},
        {"1", "1000.5", Spacing::Step, "1", "Max. " + range},
        {"2", "2", Spacing::Step, "1", "Max. Wavelength must be greater than Min. Wavelength"},
        {"1", "2", Spacing::Number, "2.5", "Invalid value for Number of Wavelengths"},
        {"1", "2", Spacing::Number, "202", "Invalid value for Number of Wavelengths"},
        {"1", "2", Spacing::Number, "1", "Invalid value for Number of Wavelengths"},
        {"1", "2", Spacing::Number, "0", "Invalid value for Number of Wavelengths"},
        {"1", "2", Spacing::Step, "x", "Invalid value for Step"},
        {"0.01", "1000", Spacing::Step, "4",
         "Number of Wavelengths (202) cannot be greater than 201\rPlease decrease step."},
        {"1", "2", Spacing::Step, "0",
         "Number of Wavelengths (202) cannot be greater than 201\rPlease decrease step."},
        {"1", "2", Spacing::Step, "-1",
         "Number of Wavelengths (202) cannot be greater than 201\rPlease decrease step."},
    };
    for (const auto& c : cases) {
        std::vector<double> values;
        std::string message;
        EXPECT_FALSE(RegularWavelengths(c.lo, c.hi, c.spacing, c.specify, values, message));
        EXPECT_EQ(message, c.message) << c.lo << " " << c.hi << " " << c.specify;
        EXPECT_TRUE(values.empty());
    }
    EXPECT_EQ(WavelengthDuplicationText(1.5),
              "Record duplication: Wavelength = 1.5 \u00B5m\rSkipped.");
}

TRegularParameter Fixed(const char* name, const char* value) {
    return {name, value, "", "", false};
}
TRegularParameter Varying(const char* name, const char* lo, const char* hi, const char* n) {
    return {name, lo, hi, n, true};
}

TEST(RegularViewingConditions, DirectionalAngleVarying) {
    EXPECT_EQ(DefaultRegularVariable(0), 0);
    EXPECT_EQ(DefaultRegularVariable(1), 2);
    std::vector<std::array<double, 3>> rows;
    std::string message;
    ASSERT_TRUE(RegularViewingConditions(
        {Fixed("ZB", "1"), Fixed("RB", "0.5"), Varying("b (\u00B0)", "0", "60", "4")}, rows,
        message));
    ASSERT_EQ(rows.size(), 4u);
    for (int j = 0; j < 4; ++j) {
        EXPECT_EQ(rows[j][0], 1);
        EXPECT_EQ(rows[j][1], 0.5);
        EXPECT_NEAR(rows[j][2], 20.0 * j, 1e-12);
    }
}

TEST(RegularViewingConditions, EveryMessage) {
    const struct {
        std::vector<TRegularParameter> params;
        const char* message;
    } cases[] = {
        {{Varying("YB", "", "1", "2"), Fixed("RB", "0")}, "Invalid value for YB min."},
        {{Varying("YB", "0", "1", "2"), Fixed("RB", "x")}, "Invalid value for RB min."},
        {{Varying("YB", "0", "?", "2"), Fixed("RB", "0")}, "Invalid value for YB max."},
        {{Varying("YB", "1", "1", "2"), Fixed("RB", "0")}, "YB min. must be less then YB max."},
        {{Varying("YB", "0", "1", "two"), Fixed("RB", "0")}, "Invalid number of values for YB"},
        {{Varying("YB", "0", "1", "1"), Fixed("RB", "0")},
         "Number of values for YB must be greater than 1"},
        {{Varying("YB", "0", "1", "202"), Fixed("RB", "0")},
         "Number of values for YB cannot be greater than 201"},
    };
    for (const auto& c : cases) {
        std::vector<std::array<double, 3>> rows;
        std::string message;
        EXPECT_FALSE(RegularViewingConditions(c.params, rows, message));
        EXPECT_EQ(message, c.message);
    }
}

TEST(RegularViewingConditions, LocalHemisphericalPoints) {
    std::vector<double> xi;
    int total = 0;
    std::string message;
    ASSERT_TRUE(RegularLocalHemispherical(0, 1, 3, 0, xi, total, message));
    ASSERT_EQ(xi.size(), 3u);
    EXPECT_EQ(xi[0], 1e-12);
    EXPECT_EQ(xi[1], 0.5);
    EXPECT_EQ(xi[2], 1 - 1e-12);
    EXPECT_EQ(total, 3);
    EXPECT_FALSE(RegularLocalHemispherical(0, 1, 2, 200, xi, total, message));
    EXPECT_EQ(message, "Too many points\rOnly 201 allowed");
    EXPECT_EQ(total, 202);
    EXPECT_TRUE(xi.empty());
    EXPECT_FALSE(RegularLocalHemispherical(0.5, 0.5, 2, 0, xi, total, message));
    EXPECT_EQ(message, "Xi Starting Value must be less than Xi Ending Value");
}

TEST(RegularViewingConditions, BoundaryTexts) {
    EXPECT_EQ(BoundaryText(0.5), "   0.500000");
    EXPECT_EQ(BoundaryText(0), "   0.000000");
    EXPECT_EQ(BoundaryText(12.25), "  12.250000");
    EXPECT_EQ(BoundaryText(1234.5), "1234.500000");
    EXPECT_EQ(BoundaryText(-0.5), "-0000.500000");  // nothing changes after a minus sign
}

TEST(SurfaceRange, ItemsAndRefusals) {
    const struct {
        TRangeItem item;
        int from, to;
        int wantFrom, wantTo;
    } cases[] = {
        {riFirstToCurrent, 0, 0, 1, 3}, {riCurrentToLast, 0, 0, 3, 5}, {riAll, 0, 0, 1, 5},
        {riFromTo, 2, 4, 2, 4},         {riFromTo, 4, 4, 4, 4},
    };
    for (const auto& c : cases) {
        TSurfaceRange r;
        std::string message;
        ASSERT_TRUE(ResolveSurfaceRange(c.item, 3, 5, c.from, c.to, true, r, message));
        EXPECT_EQ(r.From, c.wantFrom);
        EXPECT_EQ(r.To, c.wantTo);
    }
    TSurfaceRange r;
    std::string message;
    EXPECT_FALSE(ResolveSurfaceRange(riFromTo, 3, 5, 4, 2, true, r, message));
    EXPECT_EQ(message, "Incorrect node numbers: from 4 to 2");
    EXPECT_FALSE(ResolveSurfaceRange(riFromTo, 3, 5, 4, 2, false, r, message));
    EXPECT_EQ(message, "Incorrect surface numbers: from 4 to 2");
    EXPECT_EQ(SurfaceCountText("Cone", 1), "Cone: 1 surface");
    EXPECT_EQ(SurfaceCountText("Cone", 2), "Cone: 2 surfaces");
}

TEST(SurfaceRange, UnitValues) {
    const struct {
        const char* text;
        bool ok;
        const char* message;
    } cases[] = {
        {"1", true, ""},
        {"0", true, ""},
        {"1.0001", false, "Emissivity must be from 0 to 1"},
        {"-0.1", false, "Emissivity must be from 0 to 1"},
        {"abc", false, "Invalid value for Emissivity"},
        {"", false, "Invalid value for Emissivity"},
    };
    for (const auto& c : cases) {
        double v = 0;
        std::string message;
        EXPECT_EQ(ReadUnitValue(c.text, "Emissivity", v, message), c.ok) << c.text;
        EXPECT_EQ(message, c.message);
    }
}

}  // namespace
