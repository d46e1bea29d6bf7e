#include <gtest/gtest.h>

#include <memory>

#include "ChartStubs.h"
#include "chart/engine/ChartTitle.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/TeeFont.h"
#include "tests/chart/foundation/RecordingCanvas3D.h"

namespace {

// A chart that counts its repaints.
class TCountingChart : public TTestChart {
public:
    using TTestChart::TTestChart;
    void Invalidate() override {
        ++Repaints;
        TTestChart::Invalidate();
    }
    int Repaints = 0;
};

constexpr TRect ChartArea{10, 20, 410, 320};

class ChartTitleTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterTestChartClasses();
        Chart->ReplaceCanvas(std::make_unique<TRecordingCanvas3D>());
        Chart->SetChartRect(ChartArea);
    }
    TRecordingCanvas3D& Canvas() { return static_cast<TRecordingCanvas3D&>(*Chart->Canvas3D()); }
    // Line height and the width of "W" in the title's font.
    void Measure(TChartTitle& title, int& lh, int& xm) {
        Canvas().UseFont(title.Font());
        lh = Canvas().MeasureLineHeight();
        xm = Canvas().MeasureTextWidth("W");
    }
    std::vector<TCanvas3DCall> Texts() {
        std::vector<TCanvas3DCall> texts;
        for (const auto& c : Canvas().Calls())
            if (c.Op == "Text") texts.push_back(c);
        return texts;
    }
    TComponent Form{nullptr};
    TCountingChart* Chart = new TCountingChart(&Form);
};

TEST_F(ChartTitleTest, DefaultsOfTopAndFootTitles) {
    TChartTitle title(Chart);
    TChartFootTitle foot(Chart);
    EXPECT_TRUE(title.TextOnTop());
    EXPECT_FALSE(foot.TextOnTop());
    EXPECT_EQ(title.Font()->Color(), clBlue);
    EXPECT_EQ(foot.Font()->Color(), clRed);
    EXPECT_TRUE(foot.Font()->Style().Contains(fsItalic));
    EXPECT_TRUE(title.Transparent());
    EXPECT_FALSE(title.IsTransparentStored());
    EXPECT_EQ(title.VertMargin(), 5);
    EXPECT_EQ(title.BevelWidth(), 2);
    EXPECT_EQ(title.Alignment(), taCenter);
    EXPECT_TRUE(title.AdjustFrame());
    title.SetCaption("Temperature");
    EXPECT_EQ(title.Text()->Count(), 1);
    title.SetCaption("");
    EXPECT_EQ(title.Text()->Count(), 0);
}

// The chart rectangle each title leaves, for the frame widths that count (a hidden frame, a
// visible one, one of the automatic colour, a bevel) on top and foot titles of one and two
// lines.
TEST_F(ChartTitleTest, EachTitleCutsItsRoomOutOfTheChartRectangle) {
    struct Case {
        bool foot;
        int lines;
        bool frameVisible;
        TColor frameColor;
        int frameWidth;
        TBevelCut bevel;
        int fw;  // the frame width that counts
    };
    const Case cases[] = {
        {false, 1, false, clBlack, 1, bvNone, 0},  {false, 2, true, clBlack, 2, bvNone, 2},
        {false, 1, true, clDefault, 2, bvNone, 0}, {false, 1, false, clBlack, 1, bvRaised, 3},
        {true, 1, false, clBlack, 1, bvNone, 0},   {true, 2, true, clBlack, 2, bvNone, 2},
        {true, 1, true, clDefault, 4, bvNone, 0},  {true, 2, false, clBlack, 1, bvLowered, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "foot " << c.foot << " lines " << c.lines << " fw " << c.fw);
        Chart->SetChartRect(ChartArea);
        std::unique_ptr<TChartTitle> title(c.foot ? new TChartFootTitle(Chart)
                                                  : new TChartTitle(Chart));
        title->Frame()->SetVisible(c.frameVisible);
        title->Frame()->SetColor(c.frameColor);
        title->Frame()->SetWidth(c.frameWidth);
        title->SetBevel(c.bevel);
        title->SetBevelWidth(3);
        title->Text()->Add("Emissivity");
        if (c.lines == 2) title->Text()->Add("of a cavity");
        int lh = 0, xm = 0;
        Measure(*title, lh, xm);
        title->DrawTitle();
        const TRect r = title->GetTitleRect();
        const TRect chart = Chart->ChartRect();
        if (!c.foot) {
            EXPECT_EQ(r.Top, ChartArea.Top);  // moved down by FW, then grown by FW
            EXPECT_EQ(r.Bottom, ChartArea.Top + c.fw + c.lines * lh + c.fw);
            EXPECT_EQ(chart.Top, r.Bottom + 5 + c.fw);
            EXPECT_EQ(chart.Bottom, ChartArea.Bottom);
        } else {
            EXPECT_EQ(r.Bottom, ChartArea.Bottom + c.fw);
            EXPECT_EQ(r.Top, ChartArea.Bottom - c.lines * lh - c.fw);
            EXPECT_EQ(chart.Bottom, r.Bottom - 5 - c.fw - c.lines * lh);
            EXPECT_EQ(chart.Top, ChartArea.Top);
        }
        // Centred and as wide as the widest line, a "W" and the frame.
        int widest = 0;
        for (int i = 0; i < c.lines; ++i)
            widest = std::max(widest, Canvas().MeasureTextWidth(title->Text()->Strings(i)));
        const int t = widest + xm + c.fw;
        const int centre = (ChartArea.Left - c.fw + ChartArea.Right + c.fw) / 2;
        EXPECT_EQ(r.Left, centre - t / 2);
        EXPECT_EQ(r.Right, centre + t / 2);
        EXPECT_EQ(chart.Left, ChartArea.Left);
        EXPECT_EQ(chart.Right, ChartArea.Right);
    }
}

TEST_F(ChartTitleTest, LinesArePlacedByAlignmentAndFootTitlesFromTheBottom) {
    TChartFootTitle foot(Chart);
    foot.Frame()->SetVisible(false);
    foot.SetAdjustFrame(false);
    foot.Text()->Add("one");
    foot.Text()->Add("second");
    int lh = 0, xm = 0;
    Measure(foot, lh, xm);
    const int w1 = Canvas().MeasureTextWidth("one"), w2 = Canvas().MeasureTextWidth("second");
    struct Case {
        TAlignment alignment;
        int x1, x2;
    };
    const Case cases[] = {{taLeftJustify, 10 + xm / 2, 10 + xm / 2},
                          {taRightJustify, 410 - w1 - xm / 2, 410 - w2 - xm / 2},
                          {taCenter, 210 - w1 / 2, 210 - w2 / 2}};
    for (const Case& c : cases) {
        Chart->SetChartRect(ChartArea);
        Canvas().ClearCalls();
        foot.SetAlignment(c.alignment);
        foot.DrawTitle();
        // Without AdjustFrame the title spans the chart.
        EXPECT_EQ(foot.GetTitleRect().Left, ChartArea.Left);
        EXPECT_EQ(foot.GetTitleRect().Right, ChartArea.Right);
        const auto texts = Texts();
        ASSERT_EQ(texts.size(), 2u);
        EXPECT_EQ(texts[0].Text, "one");
        EXPECT_EQ(texts[0].Args, (std::vector<int>{c.x1, 320 - 2 * lh})) << c.alignment;
        EXPECT_EQ(texts[1].Args, (std::vector<int>{c.x2, 320 - lh})) << c.alignment;
    }
}

TEST_F(ChartTitleTest, NoLinesNoTitleButAnEmptyLineCounts) {
    TChartTitle title(Chart);
    title.Frame()->SetVisible(false);
    title.DrawTitle();
    EXPECT_EQ(Chart->ChartRect(), ChartArea);
    EXPECT_TRUE(Canvas().Calls().empty());
    title.Text()->Add("");
    int lh = 0, xm = 0;
    Measure(title, lh, xm);
    title.DrawTitle();
    EXPECT_EQ(Chart->ChartRect().Top, ChartArea.Top + lh + 5);
    title.SetVisible(false);
    Chart->SetChartRect(ChartArea);
    title.DrawTitle();
    EXPECT_EQ(Chart->ChartRect(), ChartArea);
}

TEST_F(ChartTitleTest, ACustomPositionedTitleStaysWhereItIsAndLeavesTheChartAlone) {
    TChartTitle title(Chart);
    title.Frame()->SetVisible(false);
    title.SetCaption("Here");
    const int before = Chart->Repaints;
    title.SetLeft(50);
    EXPECT_TRUE(title.CustomPosition());
    EXPECT_EQ(Chart->Repaints, before + 1);  // the coordinate's repaint only
    title.SetTop(60);
    EXPECT_EQ(Chart->Repaints, before + 2);
    int lh = 0, xm = 0;
    Measure(title, lh, xm);
    title.DrawTitle();
    EXPECT_EQ(Chart->ChartRect(), ChartArea);
    const TRect r = title.GetTitleRect();
    const int t = Canvas().MeasureTextWidth("Here") + xm;
    EXPECT_EQ(r.Top, 60);
    EXPECT_EQ(r.Bottom, 60 + lh);
    EXPECT_EQ(r.Left, (50 + 50 + t) / 2 - t / 2);
    EXPECT_EQ(r.Right, (50 + 50 + t) / 2 + t / 2);
    EXPECT_TRUE(title.ContainsPoint(r.Left, r.Bottom));  // edges included
    EXPECT_FALSE(title.ContainsPoint(r.Left - 1, r.Top));
    title.SetVisible(false);
    EXPECT_FALSE(title.ContainsPoint(r.Left, r.Top));

    // Assign carries the position only with CustomPosition.
    TChartTitle copy(Chart);
    copy.Assign(&title);
    EXPECT_TRUE(copy.CustomPosition());
    EXPECT_EQ(copy.Left(), r.Left);
    EXPECT_EQ(copy.Text()->Strings(0), "Here");
}

TEST_F(ChartTitleTest, AnOpaqueTitleWithAShadowTakesTheShadowToo) {
    TChartTitle title(Chart);
    title.Frame()->SetVisible(false);
    title.SetTransparent(false);
    title.Shadow()->SetVisible(true);
    title.Shadow()->SetVertSize(4);
    title.SetCaption("Shadowed");
    int lh = 0, xm = 0;
    Measure(title, lh, xm);
    title.DrawTitle();
    EXPECT_EQ(Chart->ChartRect().Top, ChartArea.Top + lh + 5 + 4);
}

}  // namespace
