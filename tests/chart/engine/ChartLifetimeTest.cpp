// Freeing a series, an axis, a tool or the chart, in every order, leaves no reference to what
// was freed; and a chart written to the component stream reads back the same.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "ChartStubs.h"
#include "chart/engine/AxisGridPen.h"
#include "chart/engine/SeriesGroups.h"
#include "chart/foundation/TeeFont.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Streams.h"

namespace {

enum TPart { pSeries, pAxis, pSeriesTool, pAxisTool, pChart };

// A chart in a form with a series bound to a custom axis and in a group, a second series, a
// series tool on the first and an axis tool on the custom axis.
struct TScene {
    TComponent Form{nullptr};
    TTestChart* Chart;
    TTestSeries* Series;
    TTestSeries* Other;
    TChartAxis* Axis;
    TTestSeriesTool* SeriesTool;
    TTestAxisTool* AxisTool;
    std::array<bool, 5> Alive{true, true, true, true, true};

    TScene() {
        Chart = new TTestChart(&Form);
        Axis = new TChartAxis(Chart, Chart->CustomAxes());
        Series = new TTestSeries(&Form);
        Series->SetName("S1");
        Chart->AddSeries(Series);
        Series->SetCustomVertAxis(Axis);
        Other = new TTestSeries(&Form);
        Chart->AddSeries(Other);
        Chart->SeriesList().AddGroup("G")->Add(Series);
        SeriesTool = new TTestSeriesTool(&Form);
        Chart->Tools().AddTool(SeriesTool);
        SeriesTool->SetSeries(Series);
        AxisTool = new TTestAxisTool(&Form);
        AxisTool->SetAxis(Axis);
    }

    void Free(TPart part) {
        if (!Alive[part]) return;
        switch (part) {
            case pSeries:
                delete Series;
                break;
            case pAxis:
                delete Axis;
                break;
            case pSeriesTool:
                delete SeriesTool;
                break;
            case pAxisTool:
                delete AxisTool;
                break;
            case pChart:
                delete Chart;
                // The chart frees its series, axes and tools with it.
                Alive[pSeries] = Alive[pAxis] = Alive[pSeriesTool] = Alive[pAxisTool] = false;
                break;
        }
        Alive[part] = false;
    }

    // Every reference held by a living part points at a living part.
    void Check(const std::string& trace) const {
        SCOPED_TRACE(trace);
        if (Alive[pChart]) {
            EXPECT_EQ(Chart->SeriesCount(), Alive[pSeries] ? 2 : 1);
            EXPECT_EQ(Chart->Axes().Count(), Alive[pAxis] ? 7 : 6);
            EXPECT_EQ(Chart->CustomAxes()->Count(), Alive[pAxis] ? 1 : 0);
            EXPECT_EQ(Chart->Tools().Count(), int(Alive[pSeriesTool]) + int(Alive[pAxisTool]));
            EXPECT_EQ(Chart->SeriesGroups()->GetGroup(0)->Series().Count(), Alive[pSeries] ? 1 : 0);
            EXPECT_EQ(Other->ParentChart(), Chart);
        }
        if (Alive[pSeries]) {
            EXPECT_EQ(Series->ParentChart(), Alive[pChart] ? Chart : nullptr);
            EXPECT_EQ(Series->CustomVertAxis(), Alive[pAxis] ? Axis : nullptr);
        }
        if (Alive[pSeriesTool]) {
            EXPECT_EQ(SeriesTool->Series(), Alive[pSeries] ? Series : nullptr);
        }
        if (Alive[pAxisTool]) {
            EXPECT_EQ(AxisTool->Axis(), Alive[pAxis] ? Axis : nullptr);
            EXPECT_EQ(AxisTool->ParentChart(), Chart);  // a tool lives no longer than its chart
        }
    }
};

TEST(ChartLifetimeTest, FreeingInAnyOrderLeavesNoDanglingReference) {
    RegisterTestChartClasses();
    std::array<TPart, 5> order{pSeries, pAxis, pSeriesTool, pAxisTool, pChart};
    int orders = 0;
    do {
        TScene scene;
        std::string trace = "order";
        for (TPart part : order) {
            scene.Free(part);
            trace += " " + std::to_string(int(part));
            scene.Check(trace);
        }
        ++orders;
    } while (std::next_permutation(order.begin(), order.end()));
    EXPECT_EQ(orders, 120);
}

TEST(ChartLifetimeTest, TheFormFreesChartSeriesAndToolsInEitherOrder) {
    RegisterTestChartClasses();
    for (bool chartFirst : {true, false}) {
        TComponent form(nullptr);
        TTestChart* chart = nullptr;
        if (chartFirst) chart = new TTestChart(&form);
        auto* s = new TTestSeries(&form);
        auto* tool = new TTestSeriesTool(&form);
        if (!chartFirst) chart = new TTestChart(&form);
        chart->AddSeries(s);
        chart->Tools().AddTool(tool);
        tool->SetSeries(s);
        // The form frees its components last first: either the chart goes before the series and
        // tool (and frees them) or after them (and finds them gone).
    }
}

std::string Bytes(TMemoryStream& stream) {
    return std::string(stream.Memory(), size_t(stream.Size()));
}

TEST(ChartStreamTest, AChartWithSeriesCustomAxisAndToolsReadsBackEqual) {
    RegisterTestChartClasses();
    TMemoryStream first;
    {
        TTestChart chart(nullptr);
        chart.SetName("Plot");
        chart.SetChart3DPercent(30);
        chart.SetClipPoints(false);
        auto* axis = new TChartAxis(&chart, chart.CustomAxes());
        axis->SetHorizontal(false);
        axis->SetOtherSide(true);
        axis->SetLimits(-5, 5);
        axis->Grid()->SetDrawEvery(3);
        chart.TopAxis()->Grid()->SetZPosition(0);
        chart.LeftAxis()->SetInverted(true);
        chart.LeftAxis()->SetLabels(false);
        chart.BottomAxis()->LabelsFont()->SetSize(15);
        chart.BottomAxis()->SetGridCentered(true);
        chart.RightAxis()->Title()->SetAngle(0);
        chart.Pages()->SetMaxPointsPerPage(4);

        auto* a = new TTestSeries(&chart);
        a->SetName("Flux");
        chart.AddSeries(a);
        a->SetTitle("Flux density");
        a->SetCustomVertAxis(axis);
        a->SetIdentifier("flux-1");
        a->SetSeriesStyleFlags(5);
        a->SetSeriesColor(clFuchsia);
        a->SetPercentFormat("0 %");
        auto* b = new TTestHorizSeries(&chart);
        b->SetName("Power");
        chart.AddSeries(b);
        b->SetHorizAxis(aTopAxis);
        b->SetActive(false);
        b->SetDepth(7);

        auto* seriesTool = new TTestSeriesTool(&chart);
        seriesTool->SetName("Marker");
        chart.Tools().AddTool(seriesTool);
        seriesTool->SetSeries(b);
        auto* axisTool = new TTestAxisTool(&chart);
        axisTool->SetName("Scroller");
        axisTool->SetAxis(axis);
        axisTool->SetActive(false);
        WriteComponentToStream(first, &chart);
    }

    TTestChart copy(nullptr);
    first.SetPosition(0);
    ReadComponentFromStream(first, &copy);

    EXPECT_EQ(copy.Name(), "Plot");
    EXPECT_EQ(copy.Chart3DPercent(), 30);
    EXPECT_FALSE(copy.ClipPoints());
    ASSERT_EQ(copy.CustomAxes()->Count(), 1);
    TChartAxis* axis = copy.CustomAxes()->GetAxis(0);
    EXPECT_EQ(copy.Axes().Count(), 7);
    EXPECT_TRUE(axis->OtherSide());
    EXPECT_EQ(axis->Minimum(), -5);
    EXPECT_EQ(axis->Maximum(), 5);
    EXPECT_FALSE(axis->Automatic());
    EXPECT_EQ(axis->Grid()->DrawEvery(), 3);
    EXPECT_EQ(copy.TopAxis()->Grid()->ZPosition(), 0);
    EXPECT_TRUE(copy.LeftAxis()->Inverted());
    EXPECT_FALSE(copy.LeftAxis()->Labels());
    EXPECT_TRUE(copy.RightAxis()->Labels());
    EXPECT_EQ(copy.BottomAxis()->LabelsFont()->Size(), 15);
    EXPECT_TRUE(copy.BottomAxis()->GridCentered());
    // Title angles are stored against each axis' own default.
    EXPECT_EQ(copy.LeftAxis()->Title()->Angle(), 90);
    EXPECT_EQ(copy.RightAxis()->Title()->Angle(), 0);
    EXPECT_EQ(copy.MaxPointsPerPage(), 4);

    ASSERT_EQ(copy.SeriesCount(), 2);
    auto* a = copy.GetSeries(0);
    EXPECT_EQ(a->ClassName(), "TTestSeries");
    EXPECT_EQ(a->Title(), "Flux density");
    EXPECT_EQ(a->CustomVertAxis(), axis);
    EXPECT_EQ(a->ResolvedVertAxis(), axis);
    EXPECT_EQ(a->Identifier(), "flux-1");
    EXPECT_EQ(a->SeriesStyleFlags(), 5);
    EXPECT_EQ(a->Color(), clFuchsia);
    EXPECT_EQ(a->PercentFormat(), "0 %");
    auto* b = copy.GetSeries(1);
    EXPECT_EQ(b->ClassName(), "TTestHorizSeries");
    EXPECT_EQ(b->ResolvedHorizAxis(), copy.TopAxis());
    EXPECT_FALSE(b->Active());
    EXPECT_EQ(b->Depth(), 7);

    ASSERT_EQ(copy.Tools().Count(), 2);
    auto* seriesTool = dynamic_cast<TTestSeriesTool*>(copy.Tools()[0]);
    ASSERT_NE(seriesTool, nullptr);
    EXPECT_EQ(seriesTool->Series(), b);
    auto* axisTool = dynamic_cast<TTestAxisTool*>(copy.Tools()[1]);
    ASSERT_NE(axisTool, nullptr);
    EXPECT_EQ(axisTool->Axis(), axis);
    EXPECT_FALSE(axisTool->Active());

    // Written again, the copy gives the same bytes.
    TMemoryStream second;
    WriteComponentToStream(second, &copy);
    EXPECT_EQ(Bytes(first), Bytes(second));
}

// A chart as older streams held it: its paging as properties of its own.
class TOldStyleChart : public TTestChart {
public:
    using TTestChart::TTestChart;

protected:
    void DefineProperties(TFiler& filer) override {
        TTestChart::DefineProperties(filer);
        filer.DefineProperty(
            "MaxPointsPerPage", nullptr, [](TWriter& w) { w.WriteInteger(10); }, true);
        filer.DefineProperty(
            "ScaleLastPage", nullptr, [](TWriter& w) { w.WriteBoolean(false); }, true);
    }
};

TEST(ChartStreamTest, OlderPagingPropertiesAreReadIntoThePages) {
    RegisterTestChartClasses();
    TMemoryStream old;
    {
        TOldStyleChart chart(nullptr);
        WriteComponentToStream(old, &chart);
    }
    TTestChart copy(nullptr);
    old.SetPosition(0);
    ReadComponentFromStream(old, &copy);
    EXPECT_EQ(copy.MaxPointsPerPage(), 10);
    EXPECT_FALSE(copy.Pages()->ScaleLastPage());
    // Written again they go under Pages, never under their old names.
    TMemoryStream again;
    WriteComponentToStream(again, &copy);
    const std::string bytes = Bytes(again);
    EXPECT_NE(bytes.find("Pages.MaxPointsPerPage"), std::string::npos);
    EXPECT_EQ(bytes.find("\x10MaxPointsPerPage"), std::string::npos);
}

}  // namespace
