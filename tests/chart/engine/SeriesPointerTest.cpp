#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ChartStubs.h"
#include "chart/engine/Callout.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/engine/SeriesPointer.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/classes/ObjectText.h"
#include "platform/classes/Publisher.h"
#include "platform/classes/Reader.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Streams.h"
#include "tests/chart/foundation/RecordingCanvas3D.h"
#include "tests/chart/foundation/SurfaceFixture.h"

namespace {

using TArgs = std::vector<int>;

// Records the solids, arrows and 3-D pixels too, as single calls.
class TSolidsRecorder : public TRecordingCanvas3D {
public:
    void DrawCuboid(int l, int r, int t, int b, int z0, int z1, bool dark) override {
        Solids.push_back({"Cuboid", {l, r, t, b, z0, z1, dark}});
    }
    void DrawPyramid(bool vertical, int l, int t, int r, int b, int z0, int z1,
                     bool dark) override {
        Solids.push_back({"Pyramid", {vertical, l, t, r, b, z0, z1, dark}});
    }
    void DrawSphere(int x, int y, int z, int radius) override {
        Solids.push_back({"Sphere", {x, y, z, radius}});
    }
    void DrawArrow(bool filled, TPoint from, TPoint to, int w, int h, int z, int shaft) override {
        Solids.push_back({"Arrow", {filled, from.X, from.Y, to.X, to.Y, w, h, z, shaft}});
    }
    struct TSolid {
        std::string Op;
        TArgs Args;
        bool operator==(const TSolid&) const = default;
    };
    std::vector<TSolid> Solids;
};

// The calls of one pointer drawn flat with its sizes, pen and brush as given.
std::vector<TCanvas3DCall> Drawn(TSeriesPointer& pointer, int x, int y, int h, int v,
                                 TSeriesPointerStyle style) {
    TSurfaceOnBitmap<TSolidsRecorder> s(200, 100);
    pointer.DrawOnCanvas(s.Surface, false, x, y, h, v, clRed, style);
    return s.Surface.Calls();
}

TEST(SeriesPointer, FlatGeometryOfEveryStyle) {
    struct {
        TSeriesPointerStyle style;
        int x, y, v;
        std::vector<std::pair<std::string, TArgs>> calls;
    } cases[] = {
        {psRectangle, 100, 50, 4, {{"Rectangle", {96, 46, 105, 55}}}},
        {psCircle, 100, 50, 4, {{"Ellipse", {96, 46, 104, 54}}}},
        {psTriangle, 100, 50, 4, {{"Polygon", {96, 54, 104, 54, 100, 46}}}},
        {psDownTriangle, 10, 10, 4, {{"Polygon", {6, 6, 14, 6, 10, 14}}}},
        {psCross,
         100,
         50,
         4,
         {{"MoveTo", {100, 46}},
          {"LineTo", {100, 55}},
          {"MoveTo", {96, 50}},
          {"LineTo", {105, 50}}}},
        {psDiagCross,
         100,
         50,
         4,
         {{"MoveTo", {96, 46}},
          {"LineTo", {105, 55}},
          {"MoveTo", {104, 46}},
          {"LineTo", {95, 55}}}},
        {psDiamond, 100, 50, 4, {{"Polygon", {96, 50, 100, 46, 104, 50, 100, 54}}}},
        {psSmallDot, 100, 50, 4, {{"Pixel", {100, 50, int(clRed)}}}},
        {psNothing, 100, 50, 4, {}},
        {psLeftTriangle, 100, 50, 4, {{"Polygon", {96, 50, 104, 54, 104, 46}}}},
        {psRightTriangle, 100, 50, 4, {{"Polygon", {104, 50, 96, 54, 96, 46}}}},
        {psHexagon,
         100,
         50,
         5,
         {{"Polygon", {100, 45, 104, 48, 104, 52, 100, 55, 96, 52, 96, 48}}}},
    };
    TSeriesPointer pointer;
    for (const auto& c : cases) {
        TSurfaceOnBitmap<TSolidsRecorder> s(200, 100);
        pointer.PrepareCanvas(s.Surface, clRed);
        s.Surface.ClearCalls();
        pointer.DrawOnCanvas(s.Surface, false, c.x, c.y, 4, c.v, clRed, c.style);
        std::vector<std::pair<std::string, TArgs>> seen;
        for (const auto& call : s.Surface.Calls()) seen.emplace_back(call.Op, call.Args);
        EXPECT_EQ(seen, c.calls) << int(c.style);
    }
    // psStar is the cross, then the diagonal cross.
    EXPECT_EQ(Drawn(pointer, 100, 50, 4, 4, psStar).size(), 8u);
}

TEST(SeriesPointer, ShadowOnlyUnderRectangleCircleAndHexagon) {
    TSeriesPointer pointer;
    pointer.Shadow()->SetVisible(true);
    struct {
        TSeriesPointerStyle style;
        size_t shapeCalls;
        bool shadowed;
    } cases[] = {{psRectangle, 1, true},
                 {psCircle, 1, true},
                 {psHexagon, 1, true},
                 {psDiamond, 1, false},
                 {psNothing, 0, false}};
    for (auto c : cases) {
        const auto calls = Drawn(pointer, 50, 50, 4, 4, c.style);
        EXPECT_EQ(calls.size() > c.shapeCalls, c.shadowed) << int(c.style);
        if (c.style == psNothing) {
            EXPECT_TRUE(calls.empty());
        }
    }
}

TEST(SeriesPointer, SizesAndMargins) {
    TSeriesPointer pointer;
    for (int bad : {0, -3}) {
        EXPECT_THROW(pointer.SetHorizSize(bad), ChartException);
        try {
            pointer.SetVertSize(bad);
        } catch (const ChartException& e) {
            EXPECT_STREQ(e.what(), "Pointer size must be greater than zero");
        }
    }
    EXPECT_EQ(pointer.HorizSize(), 4);
    EXPECT_EQ(pointer.VertSize(), 4);
    pointer.SetHorizSize(6);
    EXPECT_EQ(pointer.LargestSize(), 6);

    struct {
        bool visible, inflate;
        int expected;
    } cases[] = {{true, true, 7}, {false, true, 2}, {true, false, 2}};
    for (auto c : cases) {
        pointer.SetVisible(c.visible);
        pointer.SetInflateMargins(c.inflate);
        int left = 2, right = 2, top = 9, bottom = 9;
        pointer.HorizontalMargins(left, right);
        pointer.VerticalMargins(top, bottom);
        EXPECT_EQ(left, c.expected);
        EXPECT_EQ(right, c.expected);
        EXPECT_EQ(top, 9);  // already larger than VertSize + 1
        EXPECT_EQ(bottom, 9);
    }
}

TEST(SeriesPointer, SolidsIn3D) {
    RegisterTestChartClasses();
    TComponent form(nullptr);
    auto* chart = new TTestChart(&form);
    auto* series = new TTestSeries(&form);
    chart->AddSeries(series);
    series->FrontDepth = 10;
    series->MidDepth = 15;
    series->BackDepth = 20;
    TSeriesPointer pointer(series);
    struct {
        TSeriesPointerStyle style;
        bool draw3D;
        std::vector<TSolidsRecorder::TSolid> solids;
    } cases[] = {
        {psRectangle, true, {{"Cuboid", {96, 104, 46, 54, 10, 20, 1}}}},
        {psRectangle, false, {}},
        {psTriangle, true, {{"Pyramid", {1, 96, 46, 104, 54, 10, 20, 1}}}},
        {psDownTriangle, true, {{"Pyramid", {1, 96, 54, 104, 46, 10, 20, 1}}}},
        {psCircle, true, {}},  // no free rotation: an ellipse at the front
    };
    for (const auto& c : cases) {
        TSurfaceOnBitmap<TSolidsRecorder> s(200, 100);
        pointer.SetDraw3D(c.draw3D);
        pointer.DrawOnCanvas(s.Surface, true, 100, 50, 4, 4, clRed, c.style);
        EXPECT_EQ(s.Surface.Solids, c.solids) << int(c.style);
        if (c.solids.empty()) {
            EXPECT_FALSE(s.Surface.Calls().empty());
        }
    }
}

TEST(SeriesPointer, CircleFilledOnPixels) {
    TSurfaceOnBitmap<TTeeCanvas3D> s(40, 40);
    TSeriesPointer pointer;
    pointer.Pen()->SetColor(clBlack);
    pointer.PrepareCanvas(s.Surface, clBlue);
    pointer.DrawOnCanvas(s.Surface, false, 20, 20, 6, 6, clBlue, psCircle);
    EXPECT_EQ(s.At(20, 20), clBlue);
    EXPECT_EQ(s.At(14, 14), clWhite);  // outside the circle's corner
    EXPECT_EQ(s.At(20, 30), clWhite);
    // The gradient fills the circle from its own start colour to the point's colour.
    pointer.Gradient()->SetVisible(true);
    pointer.Gradient()->SetStartColor(clYellow);
    pointer.Gradient()->SetDirection(gdTopBottom);
    pointer.DrawOnCanvas(s.Surface, false, 20, 20, 6, 6, clBlue, psCircle);
    EXPECT_EQ(pointer.Gradient()->EndColor(), clBlue);
    EXPECT_NE(s.At(20, 16), clBlue);
    EXPECT_EQ(s.At(14, 14), clWhite);
}

TEST(Callout, LineThenPointerOrArrowAlone) {
    RegisterTestChartClasses();
    TComponent form(nullptr);
    auto* chart = new TTestChart(&form);
    chart->ReplaceCanvas(std::make_unique<TSolidsRecorder>());
    auto& canvas = static_cast<TSolidsRecorder&>(*chart->Canvas3D());
    chart->SetView3D(false);
    TCallout callout;
    callout.SetParentChart(chart);
    callout.Arrow()->SetColor(clDefault);
    callout.Draw(clLime, TPoint{10, 10}, TPoint{0, 0}, TPoint{50, 40}, 0, false);
    std::vector<std::string> ops;
    for (const auto& call : canvas.Calls()) ops.push_back(call.Op);
    EXPECT_EQ(ops, (std::vector<std::string>{"MoveTo", "LineTo", "Rectangle"}));
    EXPECT_EQ(canvas.Calls()[0].Args, (TArgs{10, 10}));
    EXPECT_EQ(canvas.Calls()[1].Args, (TArgs{50, 40}));
    EXPECT_EQ(canvas.Calls()[1].PenColor, clLime);  // a clDefault arrow takes the line colour
    EXPECT_EQ(canvas.Calls()[2].Args, (TArgs{6, 6, 15, 15}));
    EXPECT_EQ(canvas.Calls()[2].BrushColor, clBlack);

    canvas.ClearCalls();
    callout.SetArrowHead(ahLine);
    callout.Draw(clLime, TPoint{10, 10}, TPoint{0, 0}, TPoint{50, 40}, 0, false);
    EXPECT_TRUE(canvas.Calls().empty());
    ASSERT_EQ(canvas.Solids.size(), 1u);
    EXPECT_EQ(canvas.Solids[0],
              (TSolidsRecorder::TSolid{"Arrow", {0, 50, 40, 10, 10, 8, 8, 0, 50}}));
}

// A component that publishes a pointer and a marks callout, as series do.
class TPointerHolder : public TComponent {
    KV_DECLARE_CLASS(TPointerHolder, TComponent)
public:
    using TComponent::TComponent;
    TSeriesPointer* Pointer() const { return FPointer.get(); }
    void SetPointer(const TSeriesPointer* v) { FPointer->Assign(v); }
    TMarksCallout* Callout() const { return FCallout.get(); }
    void SetCallout(const TMarksCallout* v) { FCallout->Assign(v); }
    static void Publish(TPublisher<TPointerHolder>& p) {
        p.Object("Pointer", &TPointerHolder::Pointer, &TPointerHolder::SetPointer);
        p.Object("Callout", &TPointerHolder::Callout, &TPointerHolder::SetCallout);
    }

private:
    std::unique_ptr<TSeriesPointer> FPointer = std::make_unique<TSeriesPointer>();
    std::unique_ptr<TMarksCallout> FCallout = std::make_unique<TMarksCallout>();
};

TEST(SeriesPointer, PublishedPropertiesStream) {
    TPointerHolder holder(nullptr);
    auto text = [](TComponent& c) {
        TMemoryStream binary, out;
        WriteComponentToStream(binary, &c);
        binary.SetPosition(0);
        ObjectBinaryToText(binary, out);
        return std::string(out.Memory(), size_t(out.Size()));
    };
    const std::string plain = text(holder);
    EXPECT_NE(plain.find("Pointer.Style = psRectangle"), std::string::npos) << plain;
    for (const char* absent :
         {"HorizSize", "Callout.Length", "Callout.Visible", "Draw3D", "Shadow"})
        EXPECT_EQ(plain.find(absent), std::string::npos) << absent << "\n" << plain;

    holder.Pointer()->SetStyle(psHexagon);
    holder.Pointer()->SetHorizSize(7);
    holder.Pointer()->SetDraw3D(false);
    holder.Pointer()->Shadow()->SetVisible(true);
    holder.Callout()->SetLength(12);
    holder.Callout()->SetArrowHead(ahSolid);
    holder.Callout()->SetVisible(true);
    TMemoryStream stream;
    WriteComponentToStream(stream, &holder);
    stream.SetPosition(0);
    TPointerHolder copy(nullptr);
    ReadComponentFromStream(stream, &copy);
    EXPECT_EQ(copy.Pointer()->Style(), psHexagon);
    EXPECT_EQ(copy.Pointer()->HorizSize(), 7);
    EXPECT_FALSE(copy.Pointer()->Draw3D());
    EXPECT_TRUE(copy.Pointer()->Shadow()->Visible());
    EXPECT_EQ(copy.Callout()->Length(), 12);
    EXPECT_EQ(copy.Callout()->ArrowHead(), ahSolid);
    EXPECT_TRUE(copy.Callout()->Visible());
}

}  // namespace
