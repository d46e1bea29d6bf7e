// The targeting view opened by the Targeting command: the viewing-condition panel, the ray count
// refused with its messages, each projection at equal scales over its own range, and the rays each
// draw traces, checked on a recording surface against the engine's first bounces from the same
// seed; a ray that misses the aperture writes its text at the top and ends the rays.
#include <gtest/gtest.h>

#include <QTimer>
#include <functional>

#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/grid3d/Point3DSeries.h"
#include "engine/MT19937.h"
#include "engine/Preprocess.h"
#include "engine/Trace.h"
#include "platform/ui/Button.h"
#include "platform/ui/DBRadioGroup.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpinEdit.h"
#include "tests/chart/foundation/RecordingCanvas3D.h"
#include "tests/workbench/windows/WindowFixture.h"
#include "workbench/EqualScaleLimits.h"
#include "workbench/ProfileEdits.h"
#include "workbench/TargetingView.h"
#include "workbench/windows/TargetingWindow.h"

namespace {

// A cylinder of radius 1 and length 2 with an aperture of radius 0.5, and two normal viewing
// conditions: a beam of radius 0.4 inside the aperture, and one of radius 5 that mostly misses it.
struct TTargetingFixture : TMainWindowFixture {
    TTargetingFixture() {
        Start();
        InsertDataset("Cylinder");
        window->PageControl1->SetActivePage(window->tsVC);
        ReplaceGeneratrix(Db(), {{0, 0}, {{0, 1}, {2, 1}, {2, 0.5}}});
        for (double rb : {0.4, 5.0}) {
            Db().cdsVC0.Append();
            Db().cdsVC0.FieldByName("YB")->SetAsFloat(0);
            Db().cdsVC0.FieldByName("RB")->SetAsFloat(rb);
            Db().cdsVC0.Post();
        }
        PostIfEditing(Db().cdsMain);
        ConnectTargetingView(*window);
        dialogs.Messages.clear();
    }

    // Clicks Targeting and runs `inside` while the modal view is shown.
    void WithView(const std::function<void(TFTargeting&)>& inside) {
        TFTargeting* view = nullptr;
        bool ran = false;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&] {
            for (int i = 0; i < window->ComponentCount() && !view; ++i)
                view = dynamic_cast<TFTargeting*>(window->Components(i));
            if (ran || !view || !view->Visible()) return;
            ran = true;
            timer.stop();
            inside(*view);
            view->Close();
        });
        timer.start(0);
        Click(window->btnTargeting);
        EXPECT_TRUE(ran);
    }
};

struct TSegment {
    int X0, Y0, X1, Y1;
    bool operator==(const TSegment&) const = default;
};

// The segments of the last `count` rays drawn: each a move and a line, after everything else.
std::vector<TSegment> LastSegments(const TRecordingCanvas3D& canvas, size_t count) {
    std::vector<const TCanvas3DCall*> moves;
    for (const TCanvas3DCall& c : canvas.Calls())
        if (c.Op == "MoveTo" || c.Op == "LineTo") moves.push_back(&c);
    std::vector<TSegment> segments;
    if (moves.size() < 2 * count) return segments;
    for (size_t i = moves.size() - 2 * count; i < moves.size(); i += 2) {
        EXPECT_EQ(moves[i]->Op, "MoveTo");
        EXPECT_EQ(moves[i + 1]->PenColor, clRed);
        segments.push_back(
            {moves[i]->Args[0], moves[i]->Args[1], moves[i + 1]->Args[0], moves[i + 1]->Args[1]});
    }
    return segments;
}

TEST(TargetingWindow, RayCountConditionsAndScales) {
    TTargetingFixture f;
    f.WithView([&](TFTargeting& v) {
        EXPECT_EQ(v.Caption(), "KAVRI320: Targeting");
        EXPECT_TRUE(v.pVC->Visible());
        EXPECT_EQ(v.seiVC->MaxValue(), 2);
        EXPECT_EQ(v.chYZ->Hint(), "Double-click to edit");
        EXPECT_EQ(v.chYZ->ColorPaletteIndex(), 5);
        EXPECT_EQ(v.chYZ->Title()->Text()->Text(),
                  "Cylinder: Normal Effective Emissivity\r\nYB = 0.0; RB = 0.4\r\n");
        EXPECT_EQ(v.seUpper->Count(), 4);
        EXPECT_EQ(v.Point3DSeries2->YValues()[1], -1);

        // Bad counts are refused and the count in use stays.
        for (const char* text : {"abc", "0", "100001"}) {
            f.Retype(v.edNR, text);
            f.Click(v.btnTrace);
        }
        EXPECT_EQ(f.Messages(),
                  (std::vector<std::string>{"Invalid value for Number of Rays",
                                            "Number of Rays must be from 1 to 100000",
                                            "Number of Rays must be from 1 to 100000"}));
        EXPECT_EQ(v.RayCount(), 1000);
        f.Retype(v.edNR, "25");
        f.Click(v.btnTrace);
        EXPECT_EQ(v.RayCount(), 25);

        // Each projection at equal scales over its own range: Z reaches 10 % beyond the cavity.
        const TTargetingRanges ranges = TargetingRanges(0, {0, 0.4}, {0, 2, -1, 1, 2, 2}, 2);
        for (TChart* chart : {v.chYZ, v.chXZ}) {
            const TRect plot = chart->ChartRect();
            const auto limits =
                EqualScaleLimits(chart == v.chYZ ? ranges.YZBounds() : ranges.XZBounds(),
                                 plot.Width(), plot.Height())
                    .value();
            EXPECT_DOUBLE_EQ(chart->BottomAxis()->Minimum(), limits.Horizontal.Min);
            EXPECT_DOUBLE_EQ(chart->LeftAxis()->Maximum(), limits.Vertical.Max);
        }
    });
}

TEST(TargetingWindow, RaysAreTheEnginesFirstBounces) {
    TTargetingFixture f;
    f.WithView([&](TFTargeting& v) {
        f.Retype(v.edNR, "20");
        f.Click(v.btnTrace);
        for (TChart* chart : {v.chYZ, v.chXZ}) {
            SCOPED_TRACE(chart == v.chYZ ? "YZ" : "XZ");
            chart->ReplaceCanvas(std::make_unique<TRecordingCanvas3D>());
            auto& canvas = static_cast<TRecordingCanvas3D&>(*chart->Canvas3D());
            const uint32_t seed = 20261210;
            MTSeed(seed);
            chart->DrawToClient();
            const std::vector<TSegment> drawn = LastSegments(canvas, 20);

            // The same seed through the engine, mapped through the chart's axes.
            MTSeed(seed);
            std::string message;
            ASSERT_TRUE(PreprocessGeometry(message));
            std::vector<TSegment> traced;
            const TChartAxis& h = *chart->BottomAxis();
            const TChartAxis& vert = *chart->LeftAxis();
            for (int i = 0; i < 20; ++i) {
                Real x0, y0, z0, x1, y1, z1;
                ASSERT_TRUE(TraceFirstBounce(x0, y0, z0, x1, y1, z1, message)) << message;
                const bool yz = chart == v.chYZ;
                traced.push_back(
                    {h.PixelOfValue(double(z0)), vert.PixelOfValue(double(yz ? y0 : x0)),
                     h.PixelOfValue(double(z1)), vert.PixelOfValue(double(yz ? y1 : x1))});
            }
            EXPECT_EQ(drawn, traced) << "seed " << seed;
        }
    });
}

TEST(TargetingWindow, AMissedApertureWritesItsTextAndEndsTheRays) {
    TTargetingFixture f;
    f.WithView([&](TFTargeting& v) {
        v.seiVC->SetValue(2);  // the wide beam
        EXPECT_EQ(v.chXZ->Title()->Text()->Text(),
                  "Cylinder: Normal Effective Emissivity\r\nYB = 0.0; RB = 5.0\r\n");
        v.chXZ->ReplaceCanvas(std::make_unique<TRecordingCanvas3D>());
        auto& canvas = static_cast<TRecordingCanvas3D&>(*v.chXZ->Canvas3D());
        MTSeed(1);
        v.chXZ->DrawToClient();
        const TCanvas3DCall& last = canvas.Calls().back();
        EXPECT_EQ(last.Op, "Text");
        EXPECT_EQ(last.Text, "OUT OF APERTURE");
        EXPECT_EQ(last.Args[1], 5);
    });
    EXPECT_TRUE(f.Messages().empty());
}

TEST(TargetingWindow, TheIntegratedKindDrawsItsDetectorEdgeOn) {
    TTargetingFixture f;
    f.ClickRadio(f.window->dbrgVC, 3);
    f.Db().cdsVC3.Append();
    for (auto [field, value] : {std::pair{"YD", 0.25}, {"RD", 0.5}, {"H", 1.0}})
        f.Db().cdsVC3.FieldByName(field)->SetAsFloat(value);
    f.Db().cdsVC3.Post();
    PostIfEditing(f.Db().cdsMain);
    f.WithView([&](TFTargeting& v) {
        EXPECT_FALSE(v.pVC->Visible());
        for (TChart* chart : {v.chYZ, v.chXZ}) {
            chart->ReplaceCanvas(std::make_unique<TRecordingCanvas3D>());
            auto& canvas = static_cast<TRecordingCanvas3D&>(*chart->Canvas3D());
            chart->DrawToClient();
            // The detector at Z 2 + 1, one pixel right of it: YD -/+ RD on the YZ plane, -/+ RD
            // on the XZ plane.
            const bool yz = chart == v.chYZ;
            const int x = chart->BottomAxis()->PixelOfValue(3) + 1;
            const TChartAxis& vert = *chart->LeftAxis();
            std::vector<TCanvas3DCall> navy;
            for (const TCanvas3DCall& c : canvas.Calls())
                if (c.PenColor == clNavy && (c.Op == "MoveTo" || c.Op == "LineTo"))
                    navy.push_back(c);
            ASSERT_EQ(navy.size(), 2u);
            EXPECT_EQ(navy[0].Args, (std::vector<int>{x, vert.PixelOfValue(yz ? 0.75 : 0.5)}));
            EXPECT_EQ(navy[1].Args, (std::vector<int>{x, vert.PixelOfValue(yz ? -0.25 : -0.5)}));
        }
    });
}

}  // namespace
