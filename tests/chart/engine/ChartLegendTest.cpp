// The legend on a test chart: texts and counts per style, the check-box clicks, the rectangle it
// takes from the chart per alignment, and the hit test agreeing with what was drawn.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "ChartStubs.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/SeriesGroups.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeCanvas3D.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/foundation/TeeShadow.h"
#include "tests/chart/foundation/RecordingCanvas3D.h"
#include "tests/chart/foundation/SurfaceFixture.h"

namespace {

// Text 7 pixels a byte and lines 13 pixels high, whatever fonts the machine has.
class TLegendCanvas : public TRecordingCanvas3D {
public:
    int MeasureTextWidth(std::string_view text) override { return 7 * int(text.size()); }
    int MeasureTextHeight(std::string_view) override { return 13; }
};

// Value texts are "v" and the index, or what the test sets.
class TLegendTestChart : public TTestChart {
public:
    using TTestChart::TTestChart;
    void FormattedLegendText(const TChartSeries*, int index, std::string& text,
                             const TChartLegend*) override {
        text = ValueText.empty() ? "v" + std::to_string(index) : ValueText;
    }
    std::string ValueText;
};

struct TGlyph {
    int X, Y;
    bool Checked, IsCheckBox;
};

class TRecordingLegend : public TChartLegend {
public:
    using TChartLegend::TChartLegend;
    std::vector<TGlyph> Glyphs;

protected:
    void PaintCheckGlyph(int x, int y, bool checked, bool isCheckBox) override {
        Glyphs.push_back({x, y, checked, isCheckBox});
    }
};

class ChartLegendTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestChartClasses();
        auto canvas = std::make_unique<TLegendCanvas>();
        Canvas = canvas.get();
        Chart->ReplaceCanvas(std::move(canvas));
        Chart->SetBounds(0, 0, 500, 400);
    }
    TTestSeries* NewSeries(bool active = true) {
        auto* s = new TTestSeries(&Form);
        s->SetName("S" + std::to_string(Chart->SeriesCount() + 1));
        Chart->AddSeries(s);
        s->SetActive(active);
        return s;
    }
    void NewSeries(int count) {
        for (int i = 0; i < count; ++i) NewSeries();
    }
    // Draws the legend on a chart rectangle of the given size at the panel's origin.
    void Draw(int width, int height) {
        Chart->SetChartRect(TRect{0, 0, width, height});
        Canvas->ClearCalls();
        Legend.Glyphs.clear();
        Legend.DrawLegend();
    }
    // Value -> the centre of the symbol drawn for it, from the legend's item records.
    std::vector<std::pair<int, TPoint>> DrawnCells() {
        std::vector<std::pair<int, TPoint>> cells;
        for (int v = 0; v < Legend.Items().Count(); ++v)
            if (const TLegendItem* item = Legend.Items().Find(v)) {
                const TRect& r = item->SymbolRect();
                cells.push_back({v, TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}});
            }
        return cells;
    }
    std::vector<std::string> DrawnTexts() const {
        std::vector<std::string> texts;
        for (const TCanvas3DCall& c : Canvas->Calls())
            if (c.Op == "Text") texts.push_back(c.Text);
        return texts;
    }

    TComponent Form{nullptr};
    TLegendTestChart* Chart = new TLegendTestChart(&Form);
    TLegendCanvas* Canvas = nullptr;
    TRecordingLegend Legend{Chart};
};

TEST_F(ChartLegendTest, DefaultsAndTheFirstValueCheck) {
    EXPECT_EQ(Legend.Alignment(), laRight);
    EXPECT_EQ(Legend.MaxNumRows(), 10);
    EXPECT_EQ(Legend.TopPos(), 10);
    EXPECT_EQ(Legend.TextStyle(), ltsLeftValue);
    EXPECT_TRUE(Legend.ResizeChart());
    EXPECT_TRUE(Legend.CurrentPage());
    EXPECT_EQ(Legend.Symbol()->Shadow()->VertSize(), 3);
    EXPECT_EQ(Legend.Title()->Shadow()->Color(), clSilver);
    EXPECT_EQ(Legend.Title()->Shadow()->VertSize(), 2);
    EXPECT_TRUE(Legend.Title()->Transparent());
    EXPECT_FALSE(Legend.DividingLines()->Visible());
    EXPECT_EQ(Legend.Gradient()->Direction(), gdRightLeft);
    EXPECT_EQ(Legend.Gradient()->StartColor(), clSilver);
    Legend.SetColorWidth(30);
    EXPECT_EQ(Legend.Symbol()->Width(), 30);

    try {
        Legend.SetFirstValue(-1);
        FAIL() << "a negative first value is refused";
    } catch (const LegendException& e) {
        EXPECT_STREQ(e.what(), "First Legend Value must be > 0");
    }
    EXPECT_EQ(Legend.FirstValue(), 0);
    Legend.SetFirstValue(0);
    EXPECT_EQ(Legend.FirstValue(), 0);
}

TEST_F(ChartLegendTest, SymbolWidthPerUnits) {
    TLegendSymbol& symbol = *Legend.Symbol();
    EXPECT_EQ(symbol.WidthInPixels(62), 12);  // 12.4
    EXPECT_EQ(symbol.WidthInPixels(12), 2);   // 2.4
    symbol.SetWidth(25);
    EXPECT_EQ(symbol.WidthInPixels(10), 2);  // 2.5: halves to even
    EXPECT_EQ(symbol.WidthInPixels(30), 8);  // 7.5
    symbol.SetWidthUnits(lcsPixels);
    EXPECT_EQ(symbol.WidthInPixels(300), 25);
    symbol.SetSquared(true);
    EXPECT_EQ(symbol.WidthInPixels(300), 13 - 5);
    symbol.SetVisible(false);
    EXPECT_EQ(symbol.WidthInPixels(300), 0);
}

// Series S1 and S3 active, S2 inactive, S4 active but not in the legend; each with 4 points.
TEST_F(ChartLegendTest, StylesCountsAndTexts) {
    for (int i = 0; i < 4; ++i) {
        TTestSeries* s = NewSeries(i != 1);
        for (int p = 0; p < 4; ++p) s->AddY(p);
    }
    Chart->GetSeries(3)->SetShowInLegend(false);
    Chart->SeriesGroups()->Add();
    auto* group = Chart->SeriesGroups()->GetGroup(0);
    group->SetName("Pair");

    struct TCase {
        TLegendStyle Style;
        bool CheckBoxes;
        int FirstValue;
        TLegendStyle Effective;
        int Count;
        std::string Text0, Text1;
    };
    const TCase cases[] = {
        {lsAuto, false, 0, lsSeries, 2, "S1", "S3"},   // three active series
        {lsSeries, true, 0, lsSeries, 3, "S1", "S2"},  // check boxes list inactive ones too
        {lsSeries, false, 1, lsSeries, 1, "S1", "S3"},
        {lsValues, false, 0, lsValues, 4, "v0", "v1"},
        {lsValues, false, 3, lsValues, 1, "v0", "v1"},
        {lsValues, false, 9, lsValues, 0, "v0", "v1"},  // never below 0
        {lsLastValues, false, 0, lsLastValues, 2, "v3", "v3"},
        {lsSeriesGroups, false, 0, lsSeriesGroups, 1, "Pair", ""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(int(c.Style) * 100 + c.FirstValue);
        Legend.SetLegendStyle(c.Style);
        Legend.SetCheckBoxes(c.CheckBoxes);
        Legend.SetFirstValue(c.FirstValue);
        Legend.ResolveStyle();
        EXPECT_EQ(Legend.EffectiveStyle(), c.Effective);
        EXPECT_EQ(Legend.ItemCount(), c.Count);
        EXPECT_EQ(Legend.ItemText(0), c.Text0);
        EXPECT_EQ(Legend.ItemText(1), c.Text1);
    }

    // One active series: lsAuto lists its points.
    Chart->GetSeries(2)->SetActive(false);
    Chart->GetSeries(3)->SetActive(false);
    Legend.SetLegendStyle(lsAuto);
    Legend.SetCheckBoxes(false);
    Legend.ResolveStyle();
    EXPECT_EQ(Legend.EffectiveStyle(), lsValues);
    // The only active series hidden from the legend: it is the legend series, yet nothing lists.
    Chart->GetSeries(0)->SetActive(false);
    Chart->GetSeries(3)->SetActive(true);
    Legend.SetFirstValue(0);
    EXPECT_EQ(Legend.LegendSeries(), Chart->GetSeries(3));
    EXPECT_EQ(Legend.ItemCount(), 0);
}

TEST_F(ChartLegendTest, ABoundSeriesThatLeftTheChartIsNoLongerUsed) {
    TTestSeries* bound = NewSeries();
    TTestSeries* other = NewSeries();
    Legend.SetSeries(bound);
    EXPECT_EQ(Legend.LegendSeries(), bound);
    delete bound;
    EXPECT_EQ(Legend.LegendSeries(), other);
}

TEST_F(ChartLegendTest, CheckAndRadioClicksOnSeriesAndGroups) {
    NewSeries(3);
    Chart->GetSeries(1)->SetShowInLegend(false);
    NewSeries();  // items: S1, S3, S4
    const auto active = [this] {
        std::string a;
        for (int i = 0; i < Chart->SeriesCount(); ++i)
            a += Chart->GetSeries(i)->Active() ? '1' : '0';
        return a;
    };
    Legend.SetLegendStyle(lsSeries);
    Legend.ResolveStyle();
    EXPECT_FALSE(Legend.ClickItem(1)) << "no check boxes";
    Legend.SetCheckBoxes(true);
    EXPECT_FALSE(Legend.ClickItem(-1));
    EXPECT_TRUE(Legend.ClickItem(1));
    EXPECT_EQ(active(), "1101");
    EXPECT_TRUE(Legend.ClickItem(1));
    EXPECT_EQ(active(), "1111");
    Legend.SetCheckBoxesStyle(cbsRadio);  // only the first legend series stays active
    EXPECT_EQ(active(), "1100");
    EXPECT_TRUE(Legend.ClickItem(2));
    EXPECT_EQ(active(), "0101");

    TSeriesGroups& groups = *Chart->SeriesGroups();
    for (int g = 0; g < 2; ++g) {
        groups.Add();
        groups.GetGroup(g)->Add(Chart->GetSeries(2 * g));
        groups.GetGroup(g)->Add(Chart->GetSeries(2 * g + 1));
    }
    Legend.SetLegendStyle(lsSeriesGroups);
    Legend.ResolveStyle();
    EXPECT_TRUE(Legend.ClickItem(0));  // radio: the clicked group on, the other off
    EXPECT_EQ(active(), "1100");
    Legend.SetCheckBoxesStyle(cbsCheck);
    EXPECT_TRUE(Legend.ClickItem(1));  // gaNo -> gaYes
    EXPECT_EQ(active(), "1111");
    Chart->GetSeries(3)->SetActive(false);
    EXPECT_TRUE(Legend.ClickItem(1));  // gaSome -> gaNo
    EXPECT_EQ(active(), "1100");
}

TEST_F(ChartLegendTest, ARightLegendListsTheRowsThatFitFromFirstValue) {
    NewSeries(30);
    // Top 20 (10 % of 200), frame 1: (200 - 2 - 20) div 13 = 13 rows.
    Draw(400, 200);
    EXPECT_EQ(Legend.RowCount(), 13);
    EXPECT_EQ(Legend.LastValue(), 12);
    EXPECT_EQ(DrawnTexts().front(), "S1");
    EXPECT_EQ(DrawnTexts().back(), "S13");
    Legend.SetFirstValue(13);
    Draw(400, 200);
    EXPECT_EQ(Legend.LastValue(), 25);
    EXPECT_EQ(DrawnTexts().front(), "S14");
}

TEST_F(ChartLegendTest, ABottomLegendStopsAtMaxNumRows) {
    NewSeries(9);
    Legend.SetAlignment(laBottom);
    Legend.SetMaxNumRows(2);
    // Texts "S1": 14 + 7 - 1 = 20, symbol 4, item width 4 + 20 + 8 = 32: (120 - 10) div 32 = 3.
    Draw(120, 300);
    EXPECT_EQ(Legend.ColumnCount(), 3);
    EXPECT_EQ(Legend.RowCount(), 2);
    EXPECT_EQ(Legend.LastValue(), 5);
    EXPECT_EQ(DrawnTexts().size(), 6u);
}

TEST_F(ChartLegendTest, TheChartRectangleGivesUpTheLegendsSide) {
    NewSeries(3);
    struct TCase {
        TLegendAlignment Alignment;
        int Margin;
    };
    for (const TCase c : {TCase{laLeft, 0}, TCase{laRight, 0}, TCase{laTop, 0}, TCase{laBottom, 0},
                          TCase{laRight, 7}, TCase{laBottom, 9}}) {
        SCOPED_TRACE(int(c.Alignment) * 100 + c.Margin);
        Legend.SetAlignment(c.Alignment);
        Legend.SetHorizMargin(c.Margin);
        Legend.SetVertMargin(c.Margin);
        Draw(500, 300);
        const TRect& chart = Chart->ChartRect();
        const TRect& legend = Legend.ShapeBounds();
        const int horizGap = c.Margin ? c.Margin : 15;  // 3 % of 500
        const int vertGap = c.Margin ? c.Margin : 12;   // 4 % of 300
        switch (c.Alignment) {
            case laLeft:
                EXPECT_EQ(chart, (TRect{legend.Right + horizGap, 0, 500, 300}));
                break;
            case laRight:
                EXPECT_EQ(chart, (TRect{0, 0, legend.Left - horizGap, 300}));
                break;
            case laTop:
                EXPECT_EQ(chart, (TRect{0, legend.Bottom + vertGap, 500, 300}));
                break;
            case laBottom:
                EXPECT_EQ(chart, (TRect{0, 0, 500, legend.Top - vertGap}));
                break;
        }
    }
    // Not resizing, or nothing to list: the chart keeps its rectangle.
    Legend.SetResizeChart(false);
    Draw(500, 300);
    EXPECT_EQ(Chart->ChartRect(), (TRect{0, 0, 500, 300}));
    Legend.SetResizeChart(true);
    for (int i = 0; i < 3; ++i) Chart->GetSeries(i)->SetActive(false);
    Draw(500, 300);
    EXPECT_EQ(Chart->ChartRect(), (TRect{0, 0, 500, 300}));
    EXPECT_TRUE(DrawnTexts().empty());
}

// Every drawn item is found again under the centre of its symbol, in both layouts, inverted or
// not, from the first value or later; the empty cell of an inverted partial row finds nothing.
TEST_F(ChartLegendTest, TheItemUnderEachDrawnCellIsTheOneDrawnThere) {
    NewSeries(7);
    Legend.Title()->SetCaption("Series");  // the items start below it
    for (TLegendAlignment alignment : {laRight, laBottom})
        for (bool inverted : {false, true})
            for (int first : {0, 2}) {
                SCOPED_TRACE(std::to_string(alignment) + " " + std::to_string(inverted) + " " +
                             std::to_string(first));
                Legend.SetAlignment(alignment);
                Legend.SetInverted(inverted);
                Legend.SetFirstValue(first);
                Legend.Items().Clear();
                Draw(alignment == laBottom ? 120 : 500, 300);
                const auto cells = DrawnCells();
                ASSERT_EQ(int(cells.size()), 7 - first);
                for (const auto& [value, centre] : cells)
                    EXPECT_EQ(Legend.ItemAtPoint(centre.X, centre.Y), value);
                const TRect& r = Legend.ShapeBounds();
                EXPECT_EQ(Legend.ItemAtPoint(r.Right + 1, r.Top + 5), -1);
                if (alignment == laBottom && first == 2) {
                    // 5 items in 3 columns: the last cell of the second row is empty.
                    ASSERT_EQ(Legend.ColumnCount(), 3);
                    int y = 0;
                    for (const auto& cell : cells) y = std::max(y, cell.second.Y);
                    EXPECT_EQ(Legend.ItemAtPoint(r.Right - 5, y), -1);
                }
            }
}

TEST_F(ChartLegendTest, CheckBoxGlyphsFollowTheSeriesAndAClickOnAnItemTogglesIt) {
    NewSeries(3);
    Chart->GetSeries(1)->SetActive(false);
    Legend.SetCheckBoxes(true);
    Draw(500, 300);
    ASSERT_EQ(Legend.Glyphs.size(), 3u);
    const TLegendItem* second = Legend.Items().Find(1);
    ASSERT_NE(second, nullptr);
    // Item height 17: the glyph sits at Y + (17 - 11) div 2 - 1, the text one lower than Y.
    EXPECT_EQ(Legend.Glyphs[1].Y, second->Top() - 1 + 2);
    EXPECT_EQ(Legend.Glyphs[1].X, Legend.ShapeBounds().Left + 4);
    EXPECT_FALSE(Legend.Glyphs[1].Checked);
    EXPECT_TRUE(Legend.Glyphs[0].Checked && Legend.Glyphs[0].IsCheckBox);

    const int hit = Legend.ItemAtPoint(Legend.Glyphs[1].X + 6, Legend.Glyphs[1].Y + 6);
    EXPECT_EQ(hit, 1);
    EXPECT_TRUE(Legend.ClickItem(hit));
    EXPECT_TRUE(Chart->GetSeries(1)->Active());

    Legend.SetCheckBoxesStyle(cbsRadio);
    Draw(500, 300);
    EXPECT_FALSE(Legend.Glyphs[0].IsCheckBox);
}

TEST_F(ChartLegendTest, ItemTextsSplitIntoTwoColumnsAndDropAThirdPart) {
    TTestSeries* s = NewSeries();
    s->AddY(1);
    s->AddY(2);
    Chart->ValueText = std::string("left") + ColumnSeparator + "right" + ColumnSeparator + "gone";
    Draw(500, 300);
    EXPECT_EQ(Legend.EffectiveStyle(), lsValues);
    EXPECT_EQ(DrawnTexts(), (std::vector<std::string>{"left", "right", "left", "right"}));
    EXPECT_EQ(Legend.Items().Find(0)->Text2(), "right");
}

TEST_F(ChartLegendTest, AValueLegendFollowsTheCurrentPage) {
    TTestSeries* s = NewSeries();
    for (int i = 0; i < 35; ++i) s->AddY(i);
    Chart->Pages()->SetMaxPointsPerPage(10);
    Chart->Pages()->SetCurrent(3);
    Draw(500, 400);
    EXPECT_EQ(Legend.FirstValue(), 20);
    EXPECT_EQ(Legend.LastValue(), 29);
    EXPECT_EQ(DrawnTexts().front(), "v20");
}

// Dividing lines go between items: across a vertical legend above each item but the first, down
// a horizontal one left of each column but the first.
TEST_F(ChartLegendTest, DividingLinesBetweenItems) {
    NewSeries(3);
    Legend.DividingLines()->SetVisible(true);
    Legend.DividingLines()->SetColor(clGreen);
    const auto lines = [this] {
        std::vector<std::vector<int>> found;
        const auto& calls = Canvas->Calls();
        for (size_t i = 0; i + 1 < calls.size(); ++i)
            if (calls[i].Op == "MoveTo" && calls[i + 1].Op == "LineTo" &&
                calls[i + 1].PenColor == clGreen)
                found.push_back({calls[i].Args[0], calls[i].Args[1], calls[i + 1].Args[0],
                                 calls[i + 1].Args[1]});
        return found;
    };
    Draw(500, 300);
    const TRect r = Legend.ShapeBounds();
    // Frame width 1: inset (1 + 1) div 2.
    ASSERT_EQ(lines().size(), 2u);
    for (int v = 1; v < 3; ++v) {
        const int y = Legend.Items().Find(v)->Top();
        EXPECT_EQ(lines()[size_t(v - 1)], (std::vector<int>{r.Left + 1, y, r.Right - 1, y}));
    }

    Legend.SetAlignment(laBottom);
    Draw(500, 300);
    ASSERT_EQ(Legend.ColumnCount(), 3);
    const TRect b = Legend.ShapeBounds();
    ASSERT_EQ(lines().size(), 2u);
    EXPECT_EQ(lines()[0][1], b.Top + 1);
    EXPECT_EQ(lines()[0][3], b.Bottom - 1);
    EXPECT_EQ(lines()[1][0] - lines()[0][0], lines()[0][0] - (b.Left + 2));
}

// A custom position in percent of the panel: the legend goes there and the chart keeps its room.
TEST_F(ChartLegendTest, ACustomPositionInPercentLeavesTheChartAlone) {
    NewSeries(2);
    Legend.SetCustomPosition(true);
    Legend.SetPositionUnits(muPercent);
    Legend.SetLeftPercent(50);
    Legend.SetTopPercent(25);
    Draw(500, 400);
    EXPECT_EQ(Legend.Left(), 250);
    EXPECT_EQ(Legend.Top(), 100);
    EXPECT_EQ(Chart->ChartRect(), (TRect{0, 0, 500, 400}));
    const TLegendItem& first = *Legend.Items().Find(0);
    EXPECT_EQ(Legend.ItemAtPoint(first.SymbolRect().Left + 1, first.SymbolRect().Top + 1), 0);
}

}  // namespace

namespace {

// On a real surface: the symbols take the series' colours and the check boxes are painted.
TEST_F(ChartLegendTest, OnARealSurfaceSymbolsAndCheckBoxesArePainted) {
    TBitmap target(300, 200);
    target.SetPixelFormat(pf24bit);
    ClearSavedClips();
    Chart->ReplaceCanvas(std::make_unique<TTeeCanvas3D>());
    TCanvas3D& surface = *Chart->Canvas3D();
    surface.SetBufferedDisplay(false);
    surface.PrepareDrawing(target.Canvas(), nullptr, clWhite, false, TRect{0, 0, 300, 200});
    surface.ResetDrawingState();
    NewSeries()->SetSeriesColor(clRed);
    NewSeries(false)->SetSeriesColor(clBlue);
    TChartLegend legend(Chart);
    legend.SetCheckBoxes(true);
    Chart->SetChartRect(TRect{0, 0, 300, 200});
    legend.DrawLegend();
    ClearSavedClips();

    const auto at = [&](int x, int y) {
        const uint8_t* bgr = target.ScanLine(y) + 3 * x;
        return RGB(bgr[2], bgr[1], bgr[0]);
    };
    for (int v = 0; v < 2; ++v) {
        const TRect& r = legend.Items().Find(v)->SymbolRect();
        EXPECT_EQ(at((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2), v == 0 ? clRed : clBlue);
    }
    const TLegendItem& first = *legend.Items().Find(0);
    int marked = 0;
    const int boxX = legend.ShapeBounds().Left + 4;
    for (int y = first.Top() + 1; y < first.Top() + 14; ++y)
        for (int x = boxX; x < boxX + 13; ++x) marked += at(x, y) != clWhite;
    EXPECT_GT(marked, 13) << "a framed, checked box";
}

}  // namespace
