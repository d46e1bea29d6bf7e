// The drawn scroll bar laid along a fixed rectangle: its parts in both directions, the thumb's
// length (proportional, fixed, at least the least size, none on a bar shorter than its two
// buttons), the steps of its buttons and track at both ends, the repeat of a held button on the
// manual clock, dragging the thumb; the legend scroll bar on the bench's legend; the thumb
// presets from the program's pictures; the stream and the editor.
#include <gtest/gtest.h>

#include "chart/engine/ChartLegend.h"
#include "chart/engine/ChartPage.h"
#include "chart/engine/ChartSeries.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/TeeFilterPicture.h"
#include "chart/tools/legend/LegendScrollBar.h"
#include "chart/tools/legend/ScrollBarThumb.h"
#include "chart/tools/legend/ScrollbarEditor.h"
#include "platform/graphics/Graphic.h"
#include "platform/graphics/GraphicFormats.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolEditorLoad.h"
#include "tests/chart/tools/ToolRoundTrip.h"

namespace {

// A bar along a rectangle of the test's choosing.
class TFixedScrollBar : public TTeeScrollBar {
public:
    using TTeeScrollBar::TTeeScrollBar;
    bool CalcBounds(TRect& rect) override {
        rect = Reference;
        return Max() > 0;
    }
    TRect Reference{50, 100, 250, 150};
};

struct ScrollBarTest : ::testing::Test {
    TToolBench bench;
    TFixedScrollBar* bar = bench.AddTool<TFixedScrollBar>();
    int scrolled = 0;
    ScrollBarTest() {
        bar->SetMax(100);
        bar->SetPageSize(10);
        bar->OnScrolled = [this](TObject*) { ++scrolled; };
    }
    void Lay(bool horizontal) {
        bar->SetHorizontal(horizontal);
        bench.Render();
    }
    void Click(TPoint p) {
        bench.Press(p.X, p.Y);
        bench.Release(p.X, p.Y);
    }
};

TEST_F(ScrollBarTest, ThePartsAlongTheRectangleInBothDirections) {
    const struct {
        bool Horizontal;
        TRect Bar, First, Second, Thumb;
        std::array<TPoint, 3> FirstArrow, SecondArrow;
        int Track;
    } cases[] = {
        {true,
         {50, 150, 250, 168},
         {50, 150, 68, 168},
         {232, 150, 250, 168},
         {68, 151, 85, 167},
         {{{53, 159}, {65, 153}, {65, 165}}},
         {{{247, 159}, {235, 153}, {235, 165}}},
         164},
        {false,
         {231, 100, 250, 150},
         {231, 100, 250, 118},
         {231, 132, 250, 150},
         {232, 118, 250, 123},
         {{{234, 112}, {240, 103}, {246, 112}}},
         {{{234, 138}, {240, 147}, {246, 138}}},
         14},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Horizontal ? "horizontal" : "vertical");
        Lay(c.Horizontal);
        const TScrollBarParts parts = bar->Parts();
        EXPECT_EQ(parts.Bar, c.Bar);
        EXPECT_EQ(parts.FirstButton, c.First);
        EXPECT_EQ(parts.SecondButton, c.Second);
        EXPECT_EQ(bar->TrackLength(), c.Track);
        EXPECT_EQ(bar->ThumbRect(), c.Thumb);
        EXPECT_EQ(bar->FirstArrow(), c.FirstArrow);
        EXPECT_EQ(bar->SecondArrow(), c.SecondArrow);
    }
    // At the far end the thumb starts Round(90 x 164 / 100) past the first button.
    bar->SetPosition(90);
    Lay(true);
    EXPECT_EQ(bar->ThumbStart(), 50 + 148 + 18);
}

TEST_F(ScrollBarTest, ThumbLengths) {
    const struct {
        int Max, PageSize, ThumbSize, MinThumb, Length;
    } cases[] = {
        {100, 10, 0, 4, 16},   // 10 x 164 / 100
        {100, 50, 0, 4, 82},   // half the track
        {1000, 10, 0, 4, 4},   // 1.64 rounds to 2: the least size
        {1000, 10, 0, 9, 9},   // a least size of its own
        {100, 10, 20, 4, 20},  // fixed
    };
    for (const auto& c : cases) {
        bar->SetMax(c.Max);
        bar->SetPageSize(c.PageSize);
        bar->SetThumbSize(c.ThumbSize);
        bar->SetMinThumbSize(c.MinThumb);
        Lay(true);
        EXPECT_EQ(bar->ThumbEnd() - bar->ThumbStart() - 1, c.Length) << c.Max << "/" << c.PageSize;
    }
    // With a fixed thumb the last position puts it at the track's end: 90 x 164 / 91.
    bar->SetMax(100);
    bar->SetPageSize(10);
    bar->SetThumbSize(20);
    bar->SetPosition(90);
    Lay(true);
    EXPECT_EQ(bar->ThumbStart(), 50 + 162 + 18);
    // Nothing to scroll: no bar at all.
    bar->SetMax(0);
    Lay(true);
    EXPECT_FALSE(bar->HasThumb());
}

TEST_F(ScrollBarTest, ABarShorterThanItsButtonsHasNoThumbNorDrag) {
    bar->Reference = TRect{50, 100, 80, 150};
    Lay(true);
    EXPECT_LT(bar->TrackLength(), 0);
    EXPECT_FALSE(bar->HasThumb());
    EXPECT_EQ(bar->PixelsToPosition(70, 60), 0);
}

TEST_F(ScrollBarTest, StepsAtBothEnds) {
    Lay(true);
    // At 0 the first button does nothing, not even the event.
    Click({55, 159});
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_EQ(scrolled, 0);
    Click({240, 159});
    EXPECT_EQ(bar->Position(), 1);
    EXPECT_EQ(scrolled, 1);
    // At Max - PageSize the second button keeps the place but still tells.
    bar->SetPosition(90);
    Lay(true);
    Click({240, 159});
    EXPECT_EQ(bar->Position(), 90);
    EXPECT_EQ(scrolled, 2);
    Click({55, 159});
    EXPECT_EQ(bar->Position(), 89);
    // The track before the thumb: back a quarter of the page (10 div 4); after it, forward.
    bar->SetPosition(50);
    Lay(true);
    Click({bar->ThumbStart() - 3, 159});
    EXPECT_EQ(bar->Position(), 48);
    Lay(true);
    Click({bar->ThumbEnd() + 3, 159});
    EXPECT_EQ(bar->Position(), 50);
    // A page below 4 steps by 0 and still tells.
    bar->SetPageSize(3);
    Lay(true);
    const int before = scrolled;
    Click({bar->ThumbEnd() + 3, 159});
    EXPECT_EQ(bar->Position(), 50);
    EXPECT_EQ(scrolled, before + 1);
}

TEST_F(ScrollBarTest, AHeldButtonRepeatsAfter250ThenEvery50Milliseconds) {
    Lay(true);
    bench.Press(240, 159);
    EXPECT_EQ(bar->Position(), 1);
    const struct {
        int Advance, Position;
    } ticks[] = {{249, 1}, {1, 2}, {49, 2}, {1, 3}, {50, 4}, {100, 6}};
    for (const auto& t : ticks) {
        bench.Clock.Advance(t.Advance);
        EXPECT_EQ(bar->Position(), t.Position) << "at " << bench.Clock.Now();
    }
    bench.Release(240, 159);
    bench.Clock.Advance(500);
    EXPECT_EQ(bar->Position(), 6);
    // Without auto-repeat a press steps once.
    bar->SetAutoRepeat(false);
    bench.Press(240, 159);
    bench.Clock.Advance(500);
    bench.Release(240, 159);
    EXPECT_EQ(bar->Position(), 7);
}

TEST_F(ScrollBarTest, DraggingTheThumbScrollsByWholePositions) {
    Lay(true);
    bench.Press(75, 159);
    // One pixel is 100 / 164 of a position: no scroll and the reference point stays.
    bench.Move(76, 159);
    EXPECT_EQ(bar->Position(), 0);
    bench.Move(77, 159);
    EXPECT_EQ(bar->Position(), 1);
    bench.Move(93, 159);
    EXPECT_EQ(bar->Position(), 11);
    bench.Move(60, 159);
    EXPECT_EQ(bar->Position(), 0);
    bench.Release(60, 159);
}

TEST_F(ScrollBarTest, ThumbPresetsSetTheSizesFromTheirPictures) {
    int sizeChanges = 0;
    bar->OnChangeSize = [&](TObject*) { ++sizeChanges; };
    const struct {
        TScrollThumbStyle Style;
        int Width, Height;
    } presets[] = {
        {stsThumb1, 17, 16}, {stsThumb2, 12, 12}, {stsThumb3, 29, 13}, {stsThumb4, 9, 10}};
    for (const auto& p : presets) {
        bar->Thumb()->SetStyle(p.Style);
        ASSERT_NE(bar->Thumb()->Image()->Graphic(), nullptr);
        EXPECT_EQ(bar->ThumbSize(), p.Width);
        EXPECT_EQ(bar->Size(), p.Height);
    }
    EXPECT_EQ(sizeChanges, 0);
    bar->Thumb()->SetStyle(stsCustom);
    EXPECT_EQ(bar->Thumb()->Image()->Graphic(), nullptr);
    EXPECT_EQ(bar->Size(), 10);
    EXPECT_NO_THROW(bench.Render());
}

struct LegendScrollBarTest : ::testing::Test {
    TToolBench bench;
    LegendScrollBarTest() {
        std::vector<std::pair<double, double>> points;
        for (int i = 0; i < 40; ++i) points.push_back({i, i});
        bench.AddSeries(points);
        bench.Chart().Legend()->SetVisible(true);
        bench.Render();
    }
};

TEST_F(LegendScrollBarTest, ScrollsTheLegendAndWidensIt) {
    const TRect plain = bench.Chart().Legend()->ShapeBounds();
    auto* bar = bench.AddTool<TLegendScrollBar>();
    bench.Render();
    TChartLegend& legend = *bench.Chart().Legend();
    EXPECT_EQ(legend.ShapeBounds().Right - legend.ShapeBounds().Left,
              plain.Right - plain.Left + 19);
    EXPECT_FALSE(bar->Horizontal());
    EXPECT_TRUE(bar->HasThumb());
    EXPECT_EQ(bar->Max(), 40);
    EXPECT_EQ(bar->PageSize(), legend.LastValue() + 1);
    const TRect second = bar->Parts().SecondButton;
    bench.Press(second.Left + 5, second.Top + 5);
    bench.Release(second.Left + 5, second.Top + 5);
    EXPECT_EQ(legend.FirstValue(), 1);
    EXPECT_EQ(bar->Max(), 40);
    // A paged chart scrolls its pages, one at a time.
    bench.Chart().Pages()->SetMaxPointsPerPage(10);
    bench.Render();
    EXPECT_EQ(bar->Max(), 4);
    EXPECT_EQ(bar->PageSize(), 1);
    bar->SetPosition(2);
    EXPECT_EQ(bench.Chart().CurrentPage(), 3);
    // Freed, it leaves the legend its own size again.
    delete bar;
    bench.Chart().Pages()->SetMaxPointsPerPage(0);
    bench.Chart().Legend()->SetFirstValue(0);
    bench.Render();
    EXPECT_EQ(legend.ShapeBounds().Right - legend.ShapeBounds().Left, plain.Right - plain.Left);
}

TEST_F(LegendScrollBarTest, WhenNeededOnlyWhileItemsAreHidden) {
    auto* bar = bench.AddTool<TLegendScrollBar>();
    bar->SetDrawStyle(dsWhenNeeded);
    bench.Render();
    TRect r;
    EXPECT_TRUE(bar->CalcBounds(r));
    TChartSeries& series = *bench.Chart().SeriesList()[0];
    series.Clear();
    series.AddX(1);
    series.AddX(2);
    bench.Render();
    EXPECT_FALSE(bar->CalcBounds(r));
    bar->SetDrawStyle(dsAlways);
    bench.Render();
    EXPECT_TRUE(bar->CalcBounds(r));
}

TEST_F(LegendScrollBarTest, StreamedAndEdited) {
    // The thumb's picture is streamed as a bitmap file.
    RegisterStandardGraphicFormats();
    auto* bar = bench.AddTool<TLegendScrollBar>();
    bar->SetSize(22);
    bar->SetInitialDelay(400);
    bar->SetBevel(bvLowered);
    bar->SetDrawStyle(dsWhenNeeded);
    bar->ArrowBrush()->SetColor(clRed);
    bar->SetThumbSize(30);
    bar->Thumb()->SetStyle(stsThumb2);
    ExpectToolRoundTrips(bench, *bar);
    TComponent owner(nullptr);
    auto* editor = ShowToolEditor<TScrollbarEditor>(bench, *bar, owner);
    EXPECT_EQ(editor->Bar(), bar);
    EXPECT_EQ(editor->Edit2->Text(), "400");
    EXPECT_EQ(editor->CBStyle->ItemIndex(), 2);
    EXPECT_TRUE(editor->BFilters->Enabled());
    editor->CBAuto->SetChecked(false);
    EXPECT_FALSE(bar->AutoRepeat());
    editor->Edit1->SetText("25");
    EXPECT_EQ(bar->Size(), 25);
    editor->CBStyle->SetItemIndex(0);
    editor->CBStyle->OnChange(editor->CBStyle);
    EXPECT_EQ(bar->Thumb()->Image()->Graphic(), nullptr);
    EXPECT_FALSE(editor->BFilters->Enabled());
    UnregisterStandardGraphicFormats();
}

}  // namespace
