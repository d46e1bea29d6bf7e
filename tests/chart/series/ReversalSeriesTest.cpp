// The point-and-figure, renko and kagi series on a chart: what they draw for a few prices, their
// axis ranges and legends, the box sizes they refuse, and each series as the program meets it:
// created from its gallery entry, filled, drawn, edited through its form and streamed back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chart/editors/PointerEditor.h"
#include "chart/engine/SeriesPointer.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/series/price/KagiSeries.h"
#include "chart/series/price/KagiSeriesEditor.h"
#include "chart/series/price/PointFigureEditor.h"
#include "chart/series/price/PointFigureSeries.h"
#include "chart/series/price/RenkoSeries.h"
#include "chart/series/price/RenkoSeriesEditor.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "tests/chart/series/GalleryRoundTrip.h"
#include "tests/chart/series/PriceChartFixture.h"

namespace {

class ReversalSeriesTest : public PriceChartFixture {
protected:
    std::vector<int> CentresOf(const std::string& op) const {
        std::vector<int> ys;
        for (const TCanvas3DCall& c : CallsOf(op)) ys.push_back((c.Args[1] + c.Args[3]) / 2);
        return ys;
    }
};

TEST_F(ReversalSeriesTest, PointFigureSymbolsAxisAndLegend) {
    auto* s = Add<TPointFigureSeries>();
    // A falling column 5..10 and 3..4, then a rise of three boxes to 6.
    const double high[] = {10, 6, 6};
    const double low[] = {5, 3, 4};
    for (int i = 0; i < 3; ++i) s->AddQuote(i, low[i], high[i], low[i], high[i]);
    EXPECT_EQ(s->GetMinXValue(), 0);
    EXPECT_EQ(s->GetMaxXValue(), 1);
    DrawPoints(*s);
    // Down symbols are circles in column 0, one a box from 3 to 10.
    std::vector<int> down;
    for (double v : {5, 6, 7, 8, 9, 10, 3, 4}) down.push_back(s->YValueToPixel(v));
    EXPECT_EQ(CentresOf("Ellipse"), down);
    for (const TCanvas3DCall& c : CallsOf("Ellipse")) {
        EXPECT_EQ((c.Args[0] + c.Args[2]) / 2, s->XValueToPixel(0));
        EXPECT_EQ(c.BrushColor, TColor(0x0000FF));
    }
    // A larger box turns the same bars into one column: the axis follows.
    s->SetBoxSize(2);
    EXPECT_EQ(s->GetMaxXValue(), 0);
    ASSERT_EQ(s->CountLegendItems(), 2);
    EXPECT_EQ(s->LegendItemText(0, ltsPlain), "Up");
    EXPECT_EQ(s->LegendItemText(1, ltsPlain), "Down");
    EXPECT_EQ(s->LegendItemColor(0), TColor(0x008000));
    EXPECT_EQ(s->LegendItemColor(1), TColor(0x0000FF));
}

TEST_F(ReversalSeriesTest, BoxSizesOfZeroOrLessAreRefused) {
    auto* pf = Add<TPointFigureSeries>();
    auto* renko = Add<TRenkoSeries>();
    pf->SetBoxSize(2.5);
    renko->SetBoxSize(2.5);
    for (double bad : {0.0, -1.0}) {
        pf->SetBoxSize(bad);
        renko->SetBoxSize(bad);
        EXPECT_EQ(pf->BoxSize(), 2.5);
        EXPECT_EQ(renko->BoxSize(), 2.5);
    }
}

TEST_F(ReversalSeriesTest, RenkoBricksColoursBlendsAndRanges) {
    auto* s = Add<TRenkoSeries>();
    for (double y : {10.0, 13.0, 11.0}) s->AddValue(y);
    EXPECT_EQ(s->BrickCount(), 4);
    EXPECT_EQ(s->GetMinXValue(), -0.5);
    EXPECT_EQ(s->GetMaxXValue(), 3.5);
    EXPECT_EQ(s->GetMinYValue(), 10);
    EXPECT_EQ(s->GetMaxYValue(), 13);
    DrawPoints(*s);
    // Bricks are rectangles at the series' middle depth: four-cornered polygons.
    const std::vector<TCanvas3DCall> bricks = CallsOf("Polygon");
    ASSERT_EQ(bricks.size(), 4u);
    // Three rising bricks from 10, then after the one-box gap a falling one from 12 to 11.
    const double from[] = {10, 11, 12, 12};
    const double to[] = {11, 12, 13, 11};
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        const int left = s->XValueToPixel(k - 0.5);
        const int right = s->XValueToPixel(k + 0.5);
        const int top = s->YValueToPixel(from[k]);
        const int bottom = s->YValueToPixel(to[k]);
        EXPECT_EQ(bricks[size_t(k)].Args,
                  (std::vector<int>{left, top, right, top, right, bottom, left, bottom}));
        EXPECT_EQ(bricks[size_t(k)].BrushColor, k < 3 ? clWhite : clBlack);
    }
    EXPECT_TRUE(Canvas->Blends.empty());
    s->SetTransparency(40);
    DrawPoints(*s);
    EXPECT_EQ(Canvas->Blends, (std::vector<int>{40, 40, 40, 40}));
    // Four bricks from three points: the points visited one by one stay within the points.
    EXPECT_EQ(s->FirstInView, 0);
    EXPECT_EQ(s->LastInView, 2);
    ASSERT_EQ(s->CountLegendItems(), 2);
    EXPECT_EQ(s->LegendItemColor(0), clWhite);
    EXPECT_EQ(s->LegendItemColor(1), clBlack);
}

TEST_F(ReversalSeriesTest, RenkoWithoutAWholeBoxDrawsNothing) {
    auto* s = Add<TRenkoSeries>();
    for (double y : {10.0, 10.4, 9.6}) s->AddValue(y);
    DrawPoints(*s);
    EXPECT_TRUE(CallsOf("Polygon").empty());
    EXPECT_EQ(s->BrickCount(), 0);
    EXPECT_EQ(s->FirstInView, -1);
    EXPECT_EQ(s->LastInView, -1);
}

TEST_F(ReversalSeriesTest, KagiPensAndSymbols) {
    auto* s = Add<TKagiSeries>();
    s->SetAbsoluteReversal(true);
    s->SetReversalAmount(1);
    for (double y : {10.0, 8.0, 11.0, 7.0, 12.0}) s->AddValue(y);
    EXPECT_EQ(s->GetMaxXValue(), 3);
    DrawPoints(*s);
    // Buy, sell, buy: three triangles; the pens alternate thin and thick.
    EXPECT_EQ(CallsOf("Polygon").size(), 3u);
    std::vector<TColor> pens;
    for (TColor c : Canvas->PenColors)
        if (c == TColor(0x008000) || c == TColor(0x0000FF))
            if (pens.empty() || pens.back() != c) pens.push_back(c);
    ASSERT_GE(pens.size(), 2u);
    EXPECT_EQ(pens[0], TColor(0x0000FF));
    EXPECT_EQ(pens[1], TColor(0x008000));
    s->BuySymbol()->SetVisible(false);
    DrawPoints(*s);
    EXPECT_EQ(CallsOf("Polygon").size(), 1u);
    EXPECT_EQ(s->LegendItemText(0, ltsPlain), "Up");
    EXPECT_EQ(s->LegendItemColor(0), TColor(0x008000));
    EXPECT_EQ(s->LegendItemColor(1), TColor(0x0000FF));
    EXPECT_EQ(s->UpSwing()->Width(), 3);
}

struct ReversalEntry {
    const char* name;
    const char* className;
    const char* editor;
};
const ReversalEntry ReversalEntries[] = {
    {"Point & Figure", "TPointFigureSeries", "TPointFigureEditor"},
    {"Renko", "TRenkoSeries", "TRenkoSeriesEditor"},
    {"Kagi", "TKagiSeries", "TKagiSeriesEditor"},
};

class ReversalGalleryTest : public ::testing::Test {
protected:
    TSeriesLibraryStartup Library;
};

TEST_F(ReversalGalleryTest, EntriesDrawnEditedAndStreamedBack) {
    for (const ReversalEntry& c : ReversalEntries) {
        SCOPED_TRACE(c.name);
        TTeeSeriesType* e = FindGalleryEntry(c.name);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(*e->PageText, "Financial");
        EXPECT_EQ(e->SampleSeriesCount, 1);
        EXPECT_EQ(e->SeriesClassRef->ClassName(), c.className);
        TGalleryRoundTrip trip(*e);
        EXPECT_GT(trip.Series->Count(), 0);
        trip.Draw();
        TForm* form = trip.OpenEditor();
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->ClassName(), c.editor);
        trip.Draw();
        trip.ExpectStreamsBackEqual();
    }
}

TEST_F(ReversalGalleryTest, PointFigureThroughItsForm) {
    TGalleryRoundTrip trip(*FindGalleryEntry("Point & Figure"));
    auto* s = static_cast<TPointFigureSeries*>(trip.Series);
    auto* form = dynamic_cast<TPointFigureEditor*>(trip.OpenEditor());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->EBoxSize->Text(), "1");
    EXPECT_EQ(form->EReversal->Text(), "3");
    form->EBoxSize->SetText("2.5");
    EXPECT_EQ(s->BoxSize(), 2.5);
    for (const char* kept : {"wide", "0", "-2"}) {
        form->EBoxSize->SetText(kept);
        EXPECT_EQ(s->BoxSize(), 2.5) << kept;
    }
    form->EReversal->SetText("2");
    EXPECT_EQ(s->ReversalAmount(), 2);
    s->UpSymbol()->SetStyle(psStar);
    trip.Draw();
    trip.ExpectStreamsBackEqual();
}

TEST_F(ReversalGalleryTest, RenkoThroughItsForm) {
    TGalleryRoundTrip trip(*FindGalleryEntry("Renko"));
    auto* s = static_cast<TRenkoSeries*>(trip.Series);
    auto* form = dynamic_cast<TRenkoSeriesEditor*>(trip.OpenEditor());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->EBoxSize->Text(), "1");
    EXPECT_TRUE(form->CB3D->Checked());
    EXPECT_EQ(s->Transparency(), 0);  // loading wrote nothing back
    form->EBoxSize->SetText("0.5");
    EXPECT_EQ(s->BoxSize(), 0.5);
    form->EBoxSize->SetText("none");
    EXPECT_EQ(s->BoxSize(), 0.5);
    form->ETransparency->SetText("40");
    EXPECT_EQ(s->Transparency(), 40);
    form->CB3D->SetChecked(false);
    EXPECT_FALSE(s->Draw3D());
    s->SetUpSwingColor(clYellow);
    trip.Draw();
    trip.ExpectStreamsBackEqual();
}

TEST_F(ReversalGalleryTest, KagiThroughItsForm) {
    TGalleryRoundTrip trip(*FindGalleryEntry("Kagi"));
    auto* s = static_cast<TKagiSeries*>(trip.Series);
    auto* form = dynamic_cast<TKagiSeriesEditor*>(trip.OpenEditor());
    ASSERT_NE(form, nullptr);
    ASSERT_NE(form->BuyEditor, nullptr);
    // Each marker page loads its symbol when it comes up.
    form->PageControl1->SetActivePage(form->TabBuy);
    EXPECT_EQ(form->BuyEditor->Pointer(), s->BuySymbol());
    form->PageControl1->SetActivePage(form->TabSell);
    EXPECT_EQ(form->SellEditor->Pointer(), s->SellSymbol());
    s->SetReversalAmount(0.05);
    s->SetAbsoluteReversal(true);
    s->DownSwing()->SetWidth(2);
    s->SellSymbol()->SetStyle(psDiamond);
    trip.Draw();
    trip.ExpectStreamsBackEqual();
}

}  // namespace
