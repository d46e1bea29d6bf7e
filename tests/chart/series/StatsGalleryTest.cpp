// The statistics and reshaping functions through the program: their gallery entries, each
// created from its entry on a series of sample values, edited through its form, drawn, and
// streamed back equal; the smoothing function's form the same way.
#include <gtest/gtest.h>

#include <string>

#include "chart/editors/FunctionOptionEditors.h"
#include "chart/engine/ChartValueList.h"
#include "chart/engine/DataSourcesList.h"
#include "chart/engine/LineSeriesClasses.h"
#include "chart/engine/SmoothingFunction.h"
#include "chart/series/stats/CurveFittingEditor.h"
#include "chart/series/stats/CurveFittingFunction.h"
#include "chart/series/stats/DownSamplingFunction.h"
#include "chart/series/stats/HistogramFunction.h"
#include "chart/series/stats/RMSFuncEditor.h"
#include "chart/series/stats/StatisticFunctions.h"
#include "chart/series/stats/SubsetFuncEditor.h"
#include "chart/series/stats/SubsetFunction.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FloatFormat.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/UpDown.h"
#include "tests/chart/series/GalleryRoundTrip.h"

namespace {

// The function entry of that gallery name (a series entry may share the name).
TTeeSeriesType* FindFunctionEntry(const std::string& name) {
    for (int i = 0; i < SeriesTypeList().Count(); ++i) {
        TTeeSeriesType* e = SeriesTypeList()[i];
        if (e->FunctionClassRef && e->DescriptionText && *e->DescriptionText == name) return e;
    }
    return nullptr;
}

// The outline lies on the screen, so a chart read back shows the same outline once it is drawn
// at the same size and the function computes again.
void ExpectDrawnCopyEqual(TGalleryRoundTrip& trip) {
    const std::string original = ChartSnapshot(*trip.Chart);
    TMemoryStream s;
    WriteChartStream(*trip.Chart, s, true, false);
    s.SetPosition(0);
    TForm window(nullptr);
    window.SetBounds(0, 0, 700, 600);
    auto* copy = new TChart(&window);
    copy->SetParent(&window);
    ReadChartStream(*copy, s);
    TBitmap target(400, 250);
    target.SetPixelFormat(pf24bit);
    copy->Draw(target.Canvas(), TRect{0, 0, 400, 250});
    ASSERT_NE(copy->GetSeries(0)->Function(), nullptr);
    copy->GetSeries(0)->Function()->Recalculate();
    EXPECT_EQ(ChartSnapshot(*copy), original);
}

struct StatsEntry {
    const char* name;
    const char* page;
    int sampleSeries;
    const char* className;
    const char* editor;
};
const StatsEntry StatsEntries[] = {
    {"Standard\rDeviation", "Extended", 1, "TStdDeviationFunction", "TRMSFuncEditor"},
    {"Root Mean\rSquare", "Extended", 1, "TRMSFunction", "TRMSFuncEditor"},
    {"Variance", "Extended", 1, "TVarianceFunction", "TTeeFunctionEditor"},
    {"Count", "Standard", 2, "TCountTeeFunction", "TTeeFunctionEditor"},
    {"Cumulative", "Extended", 2, "TCumulative", "TTeeFunctionEditor"},
    {"Cross Points", "Extended", 1, "TCrossPointsFunction", ""},
    {"Perimeter", "Extended", 1, "TPerimeterFunction", "TTeeFunctionEditor"},
    {"Curve Fitting", "Extended", 1, "TCurveFittingFunction", "TCurveFittingEditor"},
    {"Trend", "Extended", 1, "TTrendFunction", "TTeeFunctionEditor"},
    {"Exponential\rTrend", "Extended", 1, "TExpTrendFunction", "TTeeFunctionEditor"},
    {"Correlation", "Extended", 1, "TCorrelationFunction", "TTeeFunctionEditor"},
    {"Downsampling", "Extended", 1, "TDownSamplingFunction", "TTeeFunctionEditor"},
    {"Histogram", "Extended", 1, "THistogramFunction", "TTeeFunctionEditor"},
    {"Subset", "Standard", 2, "TSubsetTeeFunction", "TSubsetFuncEditor"},
};

class StatsGalleryTest : public ::testing::Test {
protected:
    // The stream reads the sources back, which are line series.
    StatsGalleryTest() {
        if (!GetClass("TLineSeries")) {
            RegisterLineSeriesClasses();
            FLineClasses = true;
        }
    }
    ~StatsGalleryTest() override {
        if (FLineClasses) UnregisterLineSeriesClasses();
    }
    TSeriesLibraryStartup Library;

private:
    bool FLineClasses = false;
};

TEST_F(StatsGalleryTest, EntriesNameTheirClassesPagesAndForms) {
    for (const StatsEntry& c : StatsEntries) {
        SCOPED_TRACE(c.name);
        TTeeSeriesType* e = FindFunctionEntry(c.name);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(*e->PageText, c.page);
        EXPECT_EQ(e->SampleSeriesCount, c.sampleSeries);
        EXPECT_EQ(e->FunctionClassRef->ClassName(), c.className);
        TComponent owner(nullptr);
        auto* f = CreateAs<TTeeFunction>(e->FunctionClassRef, &owner);
        EXPECT_EQ(f->EditorClassName(), c.editor);
        if (*c.editor) {
            EXPECT_NE(FindClass(c.editor), nullptr);
        }
    }
}

// Every entry from the gallery on sample values, through its form when it has one (the period
// of those that use the period form set to five points), then streamed back equal.
TEST_F(StatsGalleryTest, EveryFunctionFromTheGalleryStreamsBackEqual) {
    for (const StatsEntry& c : StatsEntries) {
        SCOPED_TRACE(c.name);
        TGalleryRoundTrip trip(*FindFunctionEntry(c.name));
        trip.FillSource(&TLineSeries::StaticClass());
        if (std::string(c.name) == "Cross Points") {
            TChartSeries* other =
                CreateChartSeries(&trip.Window, trip.Chart, &TLineSeries::StaticClass());
            other->FillSampleValues();
            trip.Series->ValidateAndAddSource(other, false);
            EXPECT_EQ(trip.Series->DataSources().Count(), 2);
        }
        trip.Draw();
        if (std::string(c.editor) == "TTeeFunctionEditor") {
            auto* form = dynamic_cast<TTeeFunctionEditor*>(trip.OpenEditor());
            ASSERT_NE(form, nullptr);
            form->CBStyle->SetItemIndex(1);
            form->CBStyleChange();
            form->ENum->SetText("5");
            ASSERT_TRUE(form->CloseQuery());
            EXPECT_EQ(trip.Function()->Period(), 5);
        }
        trip.Draw();
        if (std::string(c.name) == "Perimeter")
            ExpectDrawnCopyEqual(trip);
        else
            trip.ExpectStreamsBackEqual();
    }
}

TEST_F(StatsGalleryTest, SettingsOfTheFormlessFunctionsStreamBack) {
    TGalleryRoundTrip histogram(*FindFunctionEntry("Histogram"));
    histogram.FillSource(&TLineSeries::StaticClass());
    auto* h = static_cast<THistogramFunction*>(histogram.Function());
    h->SetNumBins(7);
    h->SetCumulative(true);
    h->SetDataStyle(hdsRound);
    EXPECT_EQ(histogram.Series->Count(), 7);
    histogram.ExpectStreamsBackEqual();

    TGalleryRoundTrip sampling(*FindFunctionEntry("Downsampling"));
    sampling.FillSource(&TLineSeries::StaticClass());
    auto* d = static_cast<TDownSamplingFunction*>(sampling.Function());
    d->SetDownSampleMethod(dsMinMaxFirstLast);
    d->SetTolerance(3);
    d->SetDisplayedPointCount(8);
    d->Recalculate();
    sampling.ExpectStreamsBackEqual();
}

TEST_F(StatsGalleryTest, RMSFormLoadsAndAppliesComplete) {
    for (const char* name : {"Root Mean\rSquare", "Standard\rDeviation"}) {
        SCOPED_TRACE(name);
        TGalleryRoundTrip trip(*FindFunctionEntry(name));
        trip.FillSource(&TLineSeries::StaticClass());
        auto* form = dynamic_cast<TRMSFuncEditor*>(trip.OpenEditor());
        ASSERT_NE(form, nullptr);
        EXPECT_FALSE(form->CBComplete->Checked());
        EXPECT_EQ(form->CBComplete->Caption(), "C&omplete R.M.S.");
        form->CBComplete->SetChecked(true);
        ASSERT_TRUE(form->CloseQuery());
        if (auto* rms = dynamic_cast<TRMSFunction*>(trip.Function()))
            EXPECT_TRUE(rms->Complete());
        else
            EXPECT_TRUE(static_cast<TStdDeviationFunction*>(trip.Function())->Complete());
        trip.ExpectStreamsBackEqual();
    }
}

TEST_F(StatsGalleryTest, CurveFittingFormWritesEverySetting) {
    TGalleryRoundTrip trip(*FindFunctionEntry("Curve Fitting"));
    trip.FillSource(&TLineSeries::StaticClass());
    auto* f = static_cast<TCurveFittingFunction*>(trip.Function());
    auto* form = dynamic_cast<TCurveFittingEditor*>(trip.OpenEditor());
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->UDDegree->Position(), 5);
    EXPECT_EQ(form->UDFactor->Position(), 1);
    EXPECT_TRUE(form->CBAllCalc->Checked());
    EXPECT_TRUE(form->CBAllDisp->Checked());
    form->Edit1->SetText("3");
    form->Edit2->SetText("4");
    form->Edit3->SetText("1");
    form->Edit4->SetText("8");
    form->Edit5->SetText("2");
    form->Edit6->SetText("30");
    ASSERT_TRUE(form->CloseQuery());
    EXPECT_EQ(f->PolyDegree(), 3);
    EXPECT_EQ(f->Factor(), 4);
    EXPECT_EQ(f->FirstCalcPoint(), 1);
    EXPECT_EQ(f->LastCalcPoint(), 8);
    EXPECT_EQ(f->FirstPoint(), 2);
    EXPECT_EQ(f->LastPoint(), 30);
    EXPECT_GT(trip.Series->Count(), 0);
    // "All" puts both ends of its range back to -1.
    EXPECT_FALSE(form->CBAllCalc->Checked());
    form->CBAllCalc->SetChecked(true);
    EXPECT_EQ(form->UDFirstCalc->Position(), -1);
    EXPECT_EQ(form->UDLastCalc->Position(), -1);
    ASSERT_TRUE(form->CloseQuery());
    EXPECT_EQ(f->FirstCalcPoint(), -1);
    EXPECT_EQ(f->LastCalcPoint(), -1);
    trip.Draw();
    trip.ExpectStreamsBackEqual();
}

TEST_F(StatsGalleryTest, SubsetFormFillsLimitsFromTheChosenList) {
    TGalleryRoundTrip trip(*FindFunctionEntry("Subset"));
    TChartSeries* source = trip.FillSource(&TLineSeries::StaticClass());
    auto* f = static_cast<TSubsetTeeFunction*>(trip.Function());
    auto* form = dynamic_cast<TSubsetFuncEditor*>(trip.OpenEditor());
    ASSERT_NE(form, nullptr);
    ASSERT_EQ(form->CBValues->Items()->Count(), 2);
    EXPECT_EQ(form->CBValues->ItemIndex(), 0);
    EXPECT_EQ(form->EStart->Text(), FloatToStr(source->XValues().Minimum()));
    EXPECT_EQ(form->EEnd->Text(), FloatToStr(source->XValues().Maximum()));
    ASSERT_TRUE(form->CloseQuery());
    EXPECT_EQ(f->StartValue(), source->XValues().Minimum());
    EXPECT_EQ(trip.Series->Count(), source->Count());
    // The positions' list copies the series' own values.
    EXPECT_EQ(trip.Series->MandatoryValueList().ValueSource(), "");
    EXPECT_EQ(trip.Series->YValues()[3], source->YValues()[3]);
    // Not a number: the conversion error, and the limits stay.
    form->EStart->SetText("three");
    EXPECT_THROW(form->ApplyFunction(), EConvertError);
    EXPECT_EQ(f->StartValue(), source->XValues().Minimum());
    form->EStart->SetText("2");
    form->EEnd->SetText("4");
    ASSERT_TRUE(form->CloseQuery());
    EXPECT_EQ(trip.Series->Count(), 3);
    trip.ExpectStreamsBackEqual();
}

TEST_F(StatsGalleryTest, SmoothingFormThroughTheGallery) {
    SmoothingFunctionUnitStartup();
    {
        TGalleryRoundTrip trip(*FindFunctionEntry("Smoothing"));
        trip.FillSource(&TLineSeries::StaticClass());
        auto* f = static_cast<TSmoothingFunction*>(trip.Function());
        auto* form = dynamic_cast<TSmoothFuncEditor*>(trip.OpenEditor());
        ASSERT_NE(form, nullptr);
        EXPECT_TRUE(form->CBInterp->Checked());
        EXPECT_EQ(form->UpDown1->Position(), 4);
        form->CBInterp->SetChecked(false);
        form->Edit1->SetText("7");
        ASSERT_TRUE(form->CloseQuery());
        EXPECT_FALSE(f->Interpolate());
        EXPECT_EQ(f->Factor(), 7);
        trip.Draw();
        trip.ExpectStreamsBackEqual();
    }
    SmoothingFunctionUnitShutdown();
}

}  // namespace
