#include <gtest/gtest.h>

#include <memory>

#include "tests/chart/engine/AxisHostStub.h"

namespace {

class ChartAxisRangeTest : public ::testing::Test {
protected:
    TAxisHostStub Host;
    std::unique_ptr<TChartAxis> Make() {
        auto axis = std::make_unique<TChartAxis>(&Host);
        Host.Axes.push_back(axis.get());
        return axis;
    }
};

TEST_F(ChartAxisRangeTest, SetLimitsOrdersWidensAndFixesTheRange) {
    struct Case {
        double Min, Max, WantMin, WantMax;
    };
    const Case cases[] = {{10, 5, 5, 10}, {3, 3, 3, 3 + 1e-10}, {-1, 2, -1, 2}, {0, 0, 0, 1e-10}};
    for (const Case& c : cases) {
        auto axis = Make();
        axis->SetLimits(c.Min, c.Max);
        EXPECT_EQ(axis->Minimum(), c.WantMin);
        EXPECT_EQ(axis->Maximum(), c.WantMax);
        EXPECT_FALSE(axis->Automatic());
        EXPECT_FALSE(axis->AutomaticMinimum());
        EXPECT_FALSE(axis->AutomaticMaximum());
    }
}

TEST_F(ChartAxisRangeTest, FollowersTakeTheLimitsAndForgetAFreedMaster) {
    auto master = Make();
    auto follower = Make();
    follower->Master = master.get();
    master->SetLimits(4, 8);
    EXPECT_EQ(follower->Minimum(), 4);
    EXPECT_EQ(follower->Maximum(), 8);
    master.reset();
    EXPECT_EQ(follower->Master, nullptr);
    EXPECT_EQ(Host.Axes.size(), 1u);
}

TEST_F(ChartAxisRangeTest, AutomaticFlagsAreCoupledExceptWhileLoading) {
    auto axis = Make();
    axis->SetAutomaticMinimum(false);
    EXPECT_FALSE(axis->Automatic());
    axis->SetAutomaticMinimum(true);  // the maximum is still automatic
    EXPECT_TRUE(axis->Automatic());
    axis->SetAutomaticMaximum(false);
    axis->SetAutomaticMinimum(false);
    axis->SetAutomaticMinimum(true);  // the maximum is not
    EXPECT_FALSE(axis->Automatic());
    axis->SetAutomatic(true);
    EXPECT_TRUE(axis->AutomaticMinimum());
    EXPECT_TRUE(axis->AutomaticMaximum());

    Host.Loading = true;
    axis->SetAutomatic(false);
    EXPECT_TRUE(axis->AutomaticMinimum());
    EXPECT_TRUE(axis->AutomaticMaximum());
}

TEST_F(ChartAxisRangeTest, ExceptionTexts) {
    auto axis = Make();
    axis->SetLimits(0, 10);
    auto message = [&](auto&& action) -> std::string {
        try {
            action();
        } catch (const AxisException& e) {
            return e.Message();
        }
        return "no exception";
    };
    EXPECT_EQ(message([&] { axis->SetMinimum(11); }), "Axis Minimum Value must be <= Maximum");
    EXPECT_EQ(message([&] { axis->SetMaximum(-1); }), "Axis Maximum Value must be >= Minimum");
    EXPECT_EQ(message([&] { axis->SetLogarithmicBase(1); }),
              "Axis Logarithmic Base should be <> 1 and > 0");
    EXPECT_EQ(message([&] { axis->SetLogarithmicBase(0); }),
              "Axis Logarithmic Base should be <> 1 and > 0");
    EXPECT_EQ(axis->LogarithmicBase(), 10);
    EXPECT_EQ(message([&] { axis->SetIncrement(-1); }), "Axis increment must be >= 0");

    Host.DateTime = true;
    EXPECT_EQ(message([&] { axis->SetLogarithmic(true); }), "DateTime Axis cannot be Logarithmic");
    Host.DateTime = false;
    axis->SetLimits(-5, 10);
    EXPECT_EQ(message([&] { axis->SetLogarithmic(true); }),
              "Logarithmic Axis Min and Max values should be >= 0");
    EXPECT_FALSE(axis->Logarithmic());
    axis->SetLimits(1, 10);
    EXPECT_EQ(message([&] { axis->SetLogarithmic(true); }), "no exception");

    Host.Loading = true;  // a stream may set the ends in any order
    axis->SetMinimum(50);
    EXPECT_EQ(axis->Minimum(), 50);
}

TEST_F(ChartAxisRangeTest, ComputeRangeTakesSeriesValuesAndRoundsAutomaticEnds) {
    auto axis = Make();
    axis->SetHorizontal(true);
    axis->PositionInChart();
    Host.SeriesMinimum = 3;
    Host.SeriesMaximum = 97;
    Host.LabelIncrement = 20;
    axis->SetMaximumRound(true);
    axis->SetMinimumRound(true);
    axis->ComputeRange();
    EXPECT_EQ(axis->Maximum(), 97);  // the published end takes the series' value
    EXPECT_EQ(axis->WorkingMaximum(), 100);
    EXPECT_EQ(axis->WorkingMinimum(), 0);
    EXPECT_EQ(axis->XPixelOfValue(50), 300);

    axis->SetAutomaticMinimum(false);  // a fixed end is not rounded
    axis->SetMinimum(3);
    axis->ComputeRange();
    EXPECT_EQ(axis->WorkingMinimum(), 3);
    EXPECT_EQ(axis->WorkingMaximum(), 100);
}

TEST_F(ChartAxisRangeTest, ScrollRangeWithCheckStopsAtTheSeriesEnds) {
    auto axis = Make();
    Host.SeriesMinimum = 0;
    Host.SeriesMaximum = 100;
    axis->SetLimits(0, 50);
    axis->ScrollRange(10, true);  // the series reach 100, beyond 50
    EXPECT_EQ(axis->Minimum(), 10);
    EXPECT_EQ(axis->Maximum(), 60);
    axis->ScrollRange(-20, true);  // the series reach down to 0, below 10
    EXPECT_EQ(axis->Minimum(), -10);
    axis->ScrollRange(-20, true);  // nothing below -10 any more
    EXPECT_EQ(axis->Minimum(), -10);
    axis->ScrollRange(-20, false);
    EXPECT_EQ(axis->Minimum(), -30);
    Host.SeriesMaximum = 20;
    axis->ScrollRange(5, true);  // nothing above the axis maximum of 20
    EXPECT_EQ(axis->Maximum(), 20);
    axis->ScrollRange(0, true);
    EXPECT_EQ(axis->Maximum(), 20);
}

TEST_F(ChartAxisRangeTest, ZPositionKeepsOffTheFrontAndIsStoredByRule) {
    auto axis = Make();
    auto stored = [&] {
        return axis->ClassType().Properties().Find("ZPosition")->ShouldWrite(axis.get());
    };
    EXPECT_FALSE(stored());
    axis->SetZPosition(0);
    EXPECT_EQ(axis->ZPosition(), 0.01);
    EXPECT_FALSE(stored());
    axis->SetZPosition(50);
    EXPECT_TRUE(stored());
    EXPECT_EQ(axis->ZPixelPosition(), 25);  // half the 50-pixel depth
    axis->SetOtherSide(true);
    EXPECT_TRUE(stored());
    axis->SetZPosition(100);
    EXPECT_FALSE(stored());
}

TEST_F(ChartAxisRangeTest, DepthAxisInvertsItsPartnerQuietly) {
    TChartDepthAxis front(&Host), back(&Host);
    front.Partner = &back;
    EXPECT_FALSE(front.Visible());
    const int changes = Host.Changes;
    front.SetInverted(true);
    EXPECT_TRUE(back.Inverted());
    EXPECT_EQ(Host.Changes, changes + 1);  // only the axis set directly repaints
    front.SetPositions(0, 50);
    front.SetLimits(0, 10);
    front.ComputeRange();
    EXPECT_EQ(front.PixelOfValue(10), 0);  // counted from the front, inverted
    EXPECT_EQ(front.PixelOfValue(0), 50);
}

}  // namespace
