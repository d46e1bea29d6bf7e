// The price series and the compression function as the program meets them: registered in the
// galleries under their names and pages with their editors, gone after the last shutdown, and
// each created from its entry, filled, drawn, edited through its form and streamed back.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "chart/editors/PenDialog.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/LibraryTexts.h"
#include "chart/series/price/CandleEditor.h"
#include "chart/series/price/CandleSeries.h"
#include "chart/series/price/CompressFuncEditor.h"
#include "chart/series/price/CompressFunction.h"
#include "chart/series/price/VolumeSeries.h"
#include "chart/series/price/VolumeSeriesEditor.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/RadioGroup.h"
#include "tests/chart/series/GalleryRoundTrip.h"

namespace {

struct EntryCase {
    const char* name;
    const char* page;
    const char* className;
    bool function;
};
const EntryCase PriceEntries[] = {
    {"Candle", "Financial", "TCandleSeries", false},
    {"Volume", "Financial", "TVolumeSeries", false},
    {"Darvas", "Financial", "TDarvasSeries", false},
    {"Big Candle", "Other", "TBigCandleSeries", false},
    {"Compression", "Financial", "TCompressFunction", true},
};

TEST(PriceRegistrationTest, EntriesInOrderAndGoneAfterTheLastShutdown) {
    {
        TSeriesLibraryStartup library;
        ChartSeriesUnitStartup();  // counted: the next shutdown keeps the entries
        ChartSeriesUnitShutdown();
        int previous = -1;
        for (const EntryCase& c : PriceEntries) {
            SCOPED_TRACE(c.name);
            TTeeSeriesType* e = FindGalleryEntry(c.name);
            ASSERT_NE(e, nullptr);
            EXPECT_EQ(*e->PageText, c.page);
            EXPECT_EQ(e->SampleSeriesCount, 1);
            const TClass cls = c.function ? e->FunctionClassRef : e->SeriesClassRef;
            ASSERT_NE(cls, nullptr);
            EXPECT_EQ(cls->ClassName(), c.className);
            int index = 0;
            while (SeriesTypeList()[index] != e) ++index;
            EXPECT_GT(index, previous);
            previous = index;
        }
        for (const char* editor : {"TCandleEditor", "TVolumeSeriesEditor", "TCompressFuncEditor"})
            EXPECT_NE(FindClass(editor), nullptr) << editor;
    }
    TSeriesLibraryStartup again;
    ChartSeriesUnitShutdown();
    for (const EntryCase& c : PriceEntries) EXPECT_EQ(FindGalleryEntry(c.name), nullptr) << c.name;
    ChartSeriesUnitStartup();
}

class PriceGalleryTest : public ::testing::Test {
protected:
    TSeriesLibraryStartup Library;
};

TEST_F(PriceGalleryTest, CandleThroughItsForm) {
    TGalleryRoundTrip trip(*FindGalleryEntry("Candle"));
    auto* series = static_cast<TCandleSeries*>(trip.Series);
    EXPECT_EQ(series->Count(), 40);
    trip.Draw();
    auto* form = dynamic_cast<TCandleEditor*>(trip.OpenEditor());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->RGStyle->ItemIndex(), 0);
    EXPECT_FALSE(form->CBShowOpen->Enabled());
    form->RGStyle->SetItemIndex(csCandleBar);
    EXPECT_EQ(series->CandleStyle(), csCandleBar);
    EXPECT_TRUE(form->CBShowOpen->Enabled());
    EXPECT_FALSE(form->CBDraw3D->Enabled());
    EXPECT_TRUE(form->Button1->HideColor);  // the bar draws in the candle colour
    form->CBShowOpen->SetChecked(false);
    EXPECT_FALSE(series->ShowOpenTick());
    form->SEWidth->SetText("9");
    EXPECT_EQ(series->CandleWidth(), 9);
    form->CBColorStyle->SetItemIndex(1);
    form->CBColorStyle->OnChange(form->CBColorStyle);
    EXPECT_EQ(series->ColorStyle(), cssRelativeToClose);
    form->RGStyle->SetItemIndex(csLine);
    EXPECT_FALSE(form->SEWidth->Enabled());
    series->SetUpCloseColor(clLime);
    trip.Draw();
    trip.ExpectStreamsBackEqual();
}

TEST_F(PriceGalleryTest, VolumeThroughItsForm) {
    TGalleryRoundTrip trip(*FindGalleryEntry("Volume"));
    auto* series = static_cast<TVolumeSeries*>(trip.Series);
    trip.Draw();
    auto* form = dynamic_cast<TVolumeSeriesEditor*>(trip.OpenEditor());
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(form->EOrigin->Enabled());
    form->CBUseOrigin->SetChecked(true);
    EXPECT_TRUE(series->UseYOrigin());
    EXPECT_TRUE(form->EOrigin->Enabled());
    form->EOrigin->SetText("12.5");
    EXPECT_EQ(series->YOrigin(), 12.5);
    form->EOrigin->SetText("twelve");  // not a number: the origin stays
    EXPECT_EQ(series->YOrigin(), 12.5);
    form->CBColorEach->SetChecked(true);
    EXPECT_TRUE(series->ColorEachPoint());
    EXPECT_FALSE(form->BColor->Enabled());
    trip.Draw();
    trip.ExpectStreamsBackEqual();
}

TEST_F(PriceGalleryTest, DarvasAndBigCandleUseTheCandleForm) {
    for (const char* name : {"Darvas", "Big Candle"}) {
        SCOPED_TRACE(name);
        TGalleryRoundTrip trip(*FindGalleryEntry(name));
        trip.Draw();
        auto* form = dynamic_cast<TCandleEditor*>(trip.OpenEditor());
        ASSERT_NE(form, nullptr);
        form->CBDark3D->SetChecked(false);
        EXPECT_FALSE(static_cast<TCandleSeries*>(trip.Series)->Dark3D());
        trip.ExpectStreamsBackEqual();
    }
}

TEST_F(PriceGalleryTest, CompressionThroughItsForm) {
    TGalleryRoundTrip trip(*FindGalleryEntry("Compression"), &TCandleSeries::StaticClass());
    trip.FillSource(&TOHLCSeries::StaticClass());
    auto* function = static_cast<TCompressFunction*>(trip.Function());
    ASSERT_NE(function, nullptr);
    EXPECT_GT(trip.Series->Count(), 0);
    trip.Draw();
    auto* form = dynamic_cast<TCompressFuncEditor*>(trip.OpenEditor());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->RGPeriod->ItemIndex(), TCompressFuncEditor::pcDate);
    EXPECT_EQ(form->CBDatePeriod->ItemIndex(), int(ocWeek));
    form->RGPeriod->SetItemIndex(TCompressFuncEditor::pcTime);
    form->CBTimePeriod->SetItemIndex(9);
    ASSERT_TRUE(form->CloseQuery());
    EXPECT_EQ(function->Compress(), ocHour);
    EXPECT_EQ(function->Period(), 0);
    form->RGPeriod->SetItemIndex(TCompressFuncEditor::pcPoints);
    form->ENum->SetText("5");
    ASSERT_TRUE(form->CloseQuery());
    EXPECT_EQ(function->Period(), 5);
    EXPECT_EQ(trip.Series->Count(), 8);  // 40 sample quotes, five a bar
    trip.Draw();
    trip.ExpectStreamsBackEqual();
}

}  // namespace

namespace {

std::vector<std::string> VariantNames(TChartSeries& series) {
    std::vector<std::string> names;
    series.ListGalleryVariants([&](const std::string& name) { names.push_back(name); });
    return names;
}

TEST_F(PriceGalleryTest, GalleryVariantsOfCandleAndVolume) {
    TGalleryRoundTrip trip(*FindGalleryEntry("Candle"));
    auto* candle = static_cast<TCandleSeries*>(trip.Series);
    EXPECT_EQ(VariantNames(*candle), (std::vector<std::string>{"Normal", "Bar", "No Open",
                                                               "No Close", "No Border", "Line"}));
    struct Case {
        int variant;
        TCandleStyle style;
        bool open, close, pen;
    };
    const Case cases[] = {{1, csCandleBar, true, true, true},
                          {2, csCandleBar, false, true, true},
                          {3, csCandleBar, true, false, true},
                          {4, csCandleStick, true, true, false},
                          {5, csLine, true, true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.variant);
        TGalleryRoundTrip fresh(*FindGalleryEntry("Candle"));
        auto* s = static_cast<TCandleSeries*>(fresh.Series);
        s->ApplyGalleryVariant(s, c.variant);
        EXPECT_EQ(s->CandleStyle(), c.style);
        EXPECT_EQ(s->ShowOpenTick(), c.open);
        EXPECT_EQ(s->ShowCloseTick(), c.close);
        EXPECT_EQ(s->CandlePen()->Visible(), c.pen);
        // The gallery's up and down colours come from the chart's palette.
        EXPECT_EQ(s->DownCloseColor(), fresh.Chart->PaletteColor(0));
        EXPECT_EQ(s->UpCloseColor(), fresh.Chart->PaletteColor(4));
    }
    candle->PrepareForGallery(false);
    EXPECT_EQ(candle->Count(), 4);
    EXPECT_EQ(candle->CandleWidth(), 12);
    EXPECT_EQ(candle->UpCloseColor(), clSilver);
    EXPECT_EQ(candle->DownCloseColor(), clGray);

    TGalleryRoundTrip volumes(*FindGalleryEntry("Volume"));
    auto* volume = static_cast<TVolumeSeries*>(volumes.Series);
    EXPECT_EQ(VariantNames(*volume),
              (std::vector<std::string>{"Normal", "Dotted", "Colors", "Origin"}));
    volume->ApplyGalleryVariant(volume, 1);
    EXPECT_TRUE(volume->LinePen()->SmallDots());
    volume->ApplyGalleryVariant(volume, 2);
    EXPECT_TRUE(volume->ColorEachPoint());
    volume->ApplyGalleryVariant(volume, 3);
    EXPECT_TRUE(volume->UseYOrigin());
    volume->PrepareForGallery(true);
    EXPECT_EQ(volume->Count(), 26);
}

TEST_F(PriceGalleryTest, CompressionGalleryShowsCompressedCandles) {
    TGalleryRoundTrip trip(*FindGalleryEntry("Compression"));
    TCompressFunction function(nullptr);
    function.PrepareGalleryChart(*trip.Chart);
    ASSERT_EQ(trip.Chart->SeriesCount(), 1);
    TChartSeries* s = trip.Chart->GetSeries(0);
    EXPECT_EQ(s->ClassName(), "TCandleSeries");
    ASSERT_NE(s->Function(), nullptr);
    EXPECT_EQ(s->Function()->ClassName(), "TCompressFunction");
    EXPECT_EQ(s->Count(), 4);
    trip.Draw();
}

TEST_F(PriceGalleryTest, CompressionFormLoadsEveryKindOfPeriod) {
    TGalleryRoundTrip trip(*FindGalleryEntry("Compression"), &TCandleSeries::StaticClass());
    auto* function = static_cast<TCompressFunction*>(trip.Function());
    struct Case {
        double period;
        TCompressionPeriod compress;
        int choice, dateItem, timeItem;
        const char* count;
    };
    const Case cases[] = {
        {0, ocMonth, TCompressFuncEditor::pcDate, 2, 0, "1"},
        {0, ocHour, TCompressFuncEditor::pcTime, 0, 9, "1"},
        {0, ocTwelveHour, TCompressFuncEditor::pcTime, 0, 13, "1"},
        {7, ocHour, TCompressFuncEditor::pcPoints, 0, 0, "7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.compress);
        function->SetPeriod(c.period);
        function->SetCompress(c.compress);
        std::unique_ptr<TForm> form(trip.OpenEditor());
        auto* editor = dynamic_cast<TCompressFuncEditor*>(form.get());
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->RGPeriod->ItemIndex(), c.choice);
        EXPECT_EQ(editor->CBDatePeriod->ItemIndex(), c.dateItem);
        EXPECT_EQ(editor->CBTimePeriod->ItemIndex(), c.timeItem);
        EXPECT_EQ(editor->ENum->Text(), c.count);
    }
}

}  // namespace
