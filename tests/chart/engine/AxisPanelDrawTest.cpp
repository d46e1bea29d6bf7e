// The panel's drawing pass through a real chart: what it draws in which order (written down by
// a recording surface), which points and marks, with what clipping; and the series' legend
// protocol with its gallery look.
#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "ChartStubs.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/View3DOptions.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/FormatSettings.h"
#include "tests/chart/engine/AxisDrawStub.h"

namespace {

// Writes clipping down with the lines, texts and named parts.
class TPassCanvas : public TAxisRecordingCanvas {
public:
    void ClipToCube(const TRect& r, int z0, int z1) override {
        TAxisRecordingCanvas::ClipToCube(r, z0, z1);
        Calls.push_back("clip " + std::to_string(r.Top) + " " + std::to_string(r.Bottom) + " " +
                        std::to_string(z1));
    }
    void DrawRotatedText(int, int, std::string_view text, double) override {
        Calls.push_back("text '" + std::string(text) + "'");
    }
    void RemoveClipping() override {
        TAxisRecordingCanvas::RemoveClipping();
        Calls.push_back("unclip");
    }
};

// A series that writes each point it is asked to draw into the surface's record.
class TPointLogSeries : public TTestSeries {
public:
    using TTestSeries::TTestSeries;
    std::vector<std::string>* Log = nullptr;
    int FailAt = -1;  // the point whose drawing throws
    void DrawValue(int i) override {
        if (i == FailAt) throw std::runtime_error("point");
        Log->push_back("draw " + Name() + " " + std::to_string(i));
    }
};

class AxisPanelDrawTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestChartClasses();
        auto canvas = std::make_unique<TPassCanvas>();
        Canvas = canvas.get();
        Canvas->SetBufferedDisplay(false);
        Chart->ReplaceCanvas(std::move(canvas));
        Chart->SetBounds(0, 0, 400, 300);
        Chart->SetView3D(false);
        Chart->OnBeforeDrawChart = [this](TObject*) { Log().push_back("event chart"); };
        Chart->OnBeforeDrawAxes = [this](TObject*) { Log().push_back("event axes"); };
        Chart->OnBeforeDrawSeries = [this](TObject*) { Log().push_back("event series"); };
        Chart->OnAfterDraw = [this](TObject*) { Log().push_back("event after"); };
    }
    std::vector<std::string>& Log() { return Canvas->Calls; }
    TPointLogSeries* NewSeries(const std::string& name, int points) {
        auto* s = new TPointLogSeries(&Form);
        s->SetName(name);
        s->Log = &Log();
        s->BeforeDrawValues = [this, name](TObject*) { Log().push_back("before " + name); };
        s->AfterDrawValues = [this, name](TObject*) { Log().push_back("after " + name); };
        Chart->AddSeries(s);
        for (int i = 0; i < points; ++i) s->AddXYPoint(i, 10 * (i + 1));
        return s;
    }
    void Draw() {
        Log().clear();
        TBitmap target(400, 300);
        target.SetPixelFormat(pf24bit);
        Chart->Draw(target.Canvas(), TRect{0, 0, 400, 300});
    }
    // The record with each axis part folded into "axes" and each point part dropped (its
    // "draw" line stays); line primitives outside the axes are dropped too.
    std::vector<std::string> Outline() const {
        std::vector<std::string> out;
        std::vector<bool> kept;  // the named parts open, whether each one shows
        int axesDepth = 0;       // the depth of the part "axes" while inside it
        for (const std::string& c : Canvas->Calls) {
            if (c.starts_with("[")) {
                const bool point = std::isdigit(static_cast<unsigned char>(c[1])) != 0;
                const bool show = axesDepth == 0 && !point;
                if (c == "[axes" && axesDepth == 0) axesDepth = int(kept.size()) + 1;
                kept.push_back(show);
                if (show) out.push_back(c == "[axes" ? "axes" : c);
            } else if (c == "]") {
                if (!kept.empty() && kept.back() && int(kept.size()) != axesDepth) out.push_back(c);
                if (int(kept.size()) == axesDepth) axesDepth = 0;
                if (!kept.empty()) kept.pop_back();
            } else if (c.starts_with("event") ||
                       (axesDepth == 0 && !c.starts_with("H") && !c.starts_with("V") &&
                        !c.starts_with("L") && !c.starts_with("T") && !c.starts_with("R"))) {
                out.push_back(c);
            }
        }
        return out;
    }

    TFormatSettingsGuard PinnedFormats{TFormatSettings{}};
    TComponent Form{nullptr};
    TTestChart* Chart = new TTestChart(&Form);
    TPassCanvas* Canvas = nullptr;
};

TEST_F(AxisPanelDrawTest, AxesThenEachSeriesWithItsVisiblePointsThenItsClippedMarks) {
    TPointLogSeries* a = NewSeries("A", 10);
    TPointLogSeries* b = NewSeries("B", 3);
    a->Marks()->SetVisible(true);
    a->Marks()->SetClip(true);
    a->Marks()->SetDrawEvery(2);
    a->SetPointLabel(4, "four");
    b->Marks()->SetVisible(true);  // not clipped
    Chart->BottomAxis()->SetLimits(2.5, 6.5);
    auto* tool = new TTestSeriesTool(&Form);
    tool->SetParentChart(Chart);
    Draw();
    const std::string clip = "clip " + std::to_string(Chart->ChartRect().Top - 1) + " " +
                             std::to_string(Chart->ChartRect().Bottom + 1) + " 0";
    const std::vector<std::string> expected = {
        "event chart", "axes", "event axes", "event series",
        // Points 3 .. 6 inside the axis range; marks on every second index counted from 0.
        "[A", "before A", clip, "draw A 3", "draw A 4", "draw A 5", "draw A 6", "unclip", clip,
        "text 'four'", "text '70'", "unclip", "after A", "]",
        // B has no point from 2.5 on: no part, no events.
        "event after"};
    EXPECT_EQ(Outline(), expected);
    EXPECT_EQ(tool->Kinds, (std::vector<int>{cteBeforeDraw, cteBeforeDrawAxes, cteBeforeDrawSeries,
                                             cteAfterDrawSeries, cteAfterDraw}));
    EXPECT_EQ(a->FirstInView, 3);
    EXPECT_EQ(a->LastInView, 6);
    EXPECT_EQ(b->FirstInView, -1);
}

TEST_F(AxisPanelDrawTest, AxesOverTheSeriesWhenNotBehindAndNoneWhenHidden) {
    NewSeries("A", 2);
    Draw();
    const TRect withAxes = Chart->ChartRect();
    Chart->SetAxisBehind(false);
    Draw();
    std::vector<std::string> outline = Outline();
    ASSERT_GE(outline.size(), 5u);
    const std::string clip = outline[4];
    EXPECT_EQ(outline, (std::vector<std::string>{"event chart", "event series", "[A", "before A",
                                                 clip, "draw A 0", "draw A 1", "unclip", "after A",
                                                 "]", "axes", "event axes", "event after"}));
    Chart->SetAxisVisible(false);
    Draw();
    outline = Outline();
    ASSERT_GE(outline.size(), 5u);
    EXPECT_EQ(outline, (std::vector<std::string>{"event chart", "event series", "[A", "before A",
                                                 outline[4], "draw A 0", "draw A 1", "unclip",
                                                 "after A", "]", "event after"}));
    // Hidden axes take no room from the chart rectangle.
    EXPECT_GT(Chart->ChartRect().Width(), withAxes.Width());
    EXPECT_GT(Chart->ChartRect().Height(), withAxes.Height());
}

TEST_F(AxisPanelDrawTest, PointOrderFollowsTheAxisAcrossTheValues) {
    TPointLogSeries* a = NewSeries("A", 3);
    Chart->SetClipPoints(false);
    Chart->BottomAxis()->SetInverted(true);
    Draw();
    EXPECT_EQ(Outline(), (std::vector<std::string>{
                             "event chart", "axes", "event axes", "event series", "[A", "before A",
                             "draw A 2", "draw A 1", "draw A 0", "after A", "]", "event after"}));
    EXPECT_FALSE(a->DrawsValuesForward());
    Chart->ViewTurnedRound = true;  // a view from behind reverses it again
    EXPECT_TRUE(a->DrawsValuesForward());
}

TEST_F(AxisPanelDrawTest, DepthRowsIn3DAndSeriesOfOneRowDrawnPointByPoint) {
    Chart->SetView3D(true);
    TPointLogSeries* a = NewSeries("A", 2);
    TPointLogSeries* b = NewSeries("B", 2);
    TPointLogSeries* c = NewSeries("C", 2);
    Chart->AssignDepthRows();
    EXPECT_EQ(Chart->DepthRowCount, 2);
    EXPECT_EQ((std::vector<int>{a->DrawDepthIndex, b->DrawDepthIndex, c->DrawDepthIndex}),
              (std::vector<int>{2, 1, 0}));
    Chart->DepthAxis()->SetInverted(true);
    c->SetDepthIndex(4);  // a row of its own, not a stale one
    Chart->AssignDepthRows();
    EXPECT_EQ((std::vector<int>{a->DrawDepthIndex, b->DrawDepthIndex, c->DrawDepthIndex}),
              (std::vector<int>{0, 1, 4}));
    c->SetDepthIndex(-1);
    Chart->SetView3D(false);
    Chart->AssignDepthRows();
    EXPECT_EQ(Chart->DepthRowCount, 0);
    EXPECT_EQ((std::vector<int>{a->DrawDepthIndex, b->DrawDepthIndex, c->DrawDepthIndex}),
              (std::vector<int>{0, 0, 0}));

    // A and B share row 0: the first of them draws both, point by point.
    Chart->SetView3D(true);
    Chart->SetClipPoints(false);
    c->SetActive(false);
    a->SetDepthIndex(0);
    b->SetDepthIndex(0);
    EXPECT_TRUE(a->IsFirstOfDepthRow());
    EXPECT_FALSE(b->IsFirstOfDepthRow());
    Draw();
    std::vector<std::string> draws;
    for (const std::string& call : Log())
        if (call.starts_with("draw")) draws.push_back(call);
    EXPECT_EQ(draws, (std::vector<std::string>{"draw A 0", "draw B 0", "draw A 1", "draw B 1"}));
}

TEST_F(AxisPanelDrawTest, APointFailingToDrawLeavesNoClipAndRepaintsOn) {
    TPointLogSeries* a = NewSeries("A", 2);
    a->FailAt = 1;
    EXPECT_THROW(Draw(), std::runtime_error);
    int open = 0;
    for (const std::string& c : Log()) open += c.starts_with("clip") ? 1 : c == "unclip" ? -1 : 0;
    EXPECT_EQ(open, 0);
    EXPECT_TRUE(Chart->AutoRepaint());
}

// A series that needs room before its first and after its last position.
class TMarginSeries : public TPointLogSeries {
public:
    using TPointLogSeries::TPointLogSeries;
    void HorizontalMarginsNeeded(int& left, int& right) override {
        left = 20;
        right = 0;
    }
};

TEST_F(AxisPanelDrawTest, AxisRangeWidenedByWhatTheSeriesNeedOrByItsOffsets) {
    auto* s = new TMarginSeries(&Form);
    s->Log = &Log();
    Chart->AddSeries(s);
    for (int i = 0; i < 10; ++i) s->AddXYPoint(i, i);
    TChartAxis& axis = *Chart->BottomAxis();
    struct {
        int minimumOffset;
        int expectedRoom;
    } cases[] = {{0, 20}, {30, 30}};  // an offset replaces what the series asks
    for (auto c : cases) {
        axis.SetMinimumOffset(c.minimumOffset);
        Draw();
        EXPECT_NEAR(s->PointXPixel(0) - axis.StartPos(), c.expectedRoom, 1) << c.minimumOffset;
        EXPECT_NEAR(s->PointXPixel(9), axis.EndPos(), 1) << c.minimumOffset;
    }
}

// A series with a point under x < 10 and a legend symbol drawn as a recorded rectangle.
class TMouseSeries : public TTestSeries {
public:
    using TTestSeries::TTestSeries;
    int ValueIndexAt(int x, int) override { return x < 10 ? 0 : -1; }
};

TEST_F(AxisPanelDrawTest, MouseEntersAndLeavesOnlyASeriesThatListens) {
    auto* s = new TMouseSeries(&Form);
    Chart->AddSeries(s);
    s->AddY(1);
    EXPECT_FALSE(Chart->CheckMouseOverSeries(5, 5));  // neither cursor nor mouse events
    std::vector<std::string> events;
    s->OnMouseEnter = [&](TObject*) { events.push_back("enter"); };
    s->OnMouseLeave = [&](TObject*) { events.push_back("leave"); };
    EXPECT_TRUE(Chart->CheckMouseOverSeries(5, 5));
    EXPECT_TRUE(Chart->CheckMouseOverSeries(6, 5));
    EXPECT_FALSE(Chart->CheckMouseOverSeries(50, 5));
    EXPECT_FALSE(Chart->CheckMouseOverSeries(60, 5));
    EXPECT_EQ(events, (std::vector<std::string>{"enter", "leave"}));
}

class LegendProtocolTest : public AxisPanelDrawTest {};

TEST_F(LegendProtocolTest, TextsByStyle) {
    TPointLogSeries* s = NewSeries("A", 0);
    s->SetValueFormat("0");
    s->SetPercentFormat("0");
    s->AddXYPoint(0, -2);
    s->AddXYPoint(1, 2, "b");
    const std::string c(1, ColumnSeparator);
    struct {
        int index;
        TLegendTextStyle style;
        std::string text;
    } cases[] = {{1, ltsPlain, "b"},
                 {1, ltsLeftValue, "2" + c + "b"},
                 {0, ltsRightValue, "-2"},  // no label, no separator
                 {1, ltsRightValue, "b" + c + "2"},
                 {1, ltsLeftPercent, "50" + c + "b"},
                 {1, ltsRightPercent, "b" + c + "50"},
                 {0, ltsPercent, "-50"},  // signed, unlike the marks' percent
                 {1, ltsXValue, "1"},
                 {0, ltsValue, "-2"},
                 {0, ltsXAndValue, "0" + c + "-2"},
                 {1, ltsXAndPercent, "1" + c + "50"}};
    for (const auto& k : cases)
        EXPECT_EQ(s->LegendItemText(k.index, k.style), k.text) << k.index << " " << k.style;
    EXPECT_EQ(s->PercentText(0, false), "50");
    EXPECT_EQ(s->CountLegendItems(), 2);
    s->SetPointColor(1, clRed);
    EXPECT_EQ(s->LegendItemColor(1), clRed);
    EXPECT_EQ(s->LegendItemColor(0), s->SeriesColor());
}

// Legend symbols drawn on the panel's surface, each rectangle written down with its brush.
class TSymbolCanvas : public TPassCanvas {
public:
    void DrawRectangle(int x0, int y0, int x1, int y1) override {
        Calls.push_back("rect " + std::to_string(x0) + " " + std::to_string(y0) + " " +
                        std::to_string(x1) + " " + std::to_string(y1) + " " +
                        std::to_string(Brush()->Color()));
    }
};

TEST_F(LegendProtocolTest, SymbolsSkipASeriesOfColouredPointsAndNullPoints) {
    auto canvas = std::make_unique<TSymbolCanvas>();
    Canvas = canvas.get();
    Chart->ReplaceCanvas(std::move(canvas));
    TPointLogSeries* s = NewSeries("A", 2);
    s->SetSeriesColor(clBlue);
    s->SetPointColor(1, clNone);
    Log().clear();
    s->DrawLegendSymbol(-1, TRect{1, 2, 11, 12});
    s->DrawLegendSymbol(1, TRect{1, 2, 11, 12});  // a null point
    EXPECT_EQ(Log(), (std::vector<std::string>{"rect 1 2 11 12 " + std::to_string(clBlue)}));
    EXPECT_TRUE(Chart->AutoRepaint());
    s->SetColorEachPoint(true);
    Log().clear();
    s->DrawLegendSymbol(-1, TRect{1, 2, 11, 12});
    EXPECT_TRUE(Log().empty());
}

TEST_F(LegendProtocolTest, GalleryPreviewLook) {
    TPointLogSeries* first = NewSeries("A", 0);
    TPointLogSeries* second = NewSeries("B", 0);
    first->PrepareForGallery(true);
    second->PrepareForGallery(true);
    EXPECT_EQ(first->Count(), 4);
    EXPECT_FALSE(first->Marks()->Visible());
    EXPECT_EQ(first->Marks()->DrawEvery(), 2);
    EXPECT_TRUE(first->ColorEachPoint());
    EXPECT_EQ(first->SeriesColor(), Chart->PaletteColor(0));
    EXPECT_EQ(second->SeriesColor(), Chart->PaletteColor(3));
    second->PrepareForGallery(false);
    EXPECT_EQ(second->SeriesColor(), clSilver);
    std::vector<std::string> variants;
    first->ListGalleryVariants([&](const std::string& name) { variants.push_back(name); });
    EXPECT_EQ(variants, std::vector<std::string>{"Normal"});
}

}  // namespace
