// Each price function as a user meets it: created from its gallery entry on a chart of sample
// quotes, edited through its options form, drawn, streamed with its chart and
// read back equal; and the series a function keeps for its extra lines, which live and go
// with the function and its parent.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "chart/editors/FunctionOptionEditors.h"
#include "chart/editors/SourceEditorBase.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartLists.h"
#include "chart/engine/FastLineSeries.h"
#include "chart/engine/SeriesCreation.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/export/ChartStream.h"
#include "chart/series/price/ADXFunction.h"
#include "chart/series/price/BollingerFunction.h"
#include "chart/series/price/CCIFunction.h"
#include "chart/series/price/IndicatorFunctionEditors.h"
#include "chart/series/price/MACDFunction.h"
#include "chart/series/price/MomentumFunctions.h"
#include "chart/series/price/MovingAverageFunctions.h"
#include "chart/series/price/PVOFunction.h"
#include "chart/series/price/PriceFunctionEditors.h"
#include "chart/series/price/SARFunction.h"
#include "chart/series/price/VolumeIndicatorFunctions.h"
#include "chart/series/price/VolumeSeries.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "tests/chart/series/GalleryRoundTrip.h"
#include "tests/chart/series/price/PriceFunctionScene.h"

namespace {

struct PriceFunctionFormsTest : ::testing::Test {
    TSeriesLibraryStartup library;
    // The gallery's line series, which the function results are, read back from the stream;
    // the registry is left as it was found.
    const bool LineKnown = GetClass("TLineSeries") != nullptr;
    PriceFunctionFormsTest() {
        if (!LineKnown) RegisterClass(&TLineSeries::StaticClass());
    }
    ~PriceFunctionFormsTest() override {
        if (!LineKnown) UnRegisterClass(&TLineSeries::StaticClass());
    }
};

template <class E>
E& Form(TBaseFunctionEditor& form) {
    return dynamic_cast<E&>(form);
}

struct TFormCase {
    const char* Gallery;  // the gallery name, line breaks as "\r"
    const char* Page;
    const char* Editor;
    std::function<void(TBaseFunctionEditor&, TChartSeries* volume)> Edit;
    std::function<void(TTeeFunction&, TChartSeries* volume)> Check;
};

template <class F>
F& FunctionAs(TTeeFunction& f) {
    return dynamic_cast<F&>(f);
}

TEST_F(PriceFunctionFormsTest, GalleryFormAndStreamOfEveryFunction) {
    const TFormCase cases[] = {
        {"Moving\rAverage", "Financial", "TMovAveFuncEditor",
         [](TBaseFunctionEditor& p, TChartSeries*) {
             auto& f = Form<TMovAveFuncEditor>(p);
             f.Edit1->SetText("4");
             f.CBStyle->SetItemIndex(2);
             f.CBAlign->SetItemIndex(0);
         },
         [](TTeeFunction& f, TChartSeries*) {
             EXPECT_EQ(f.Period(), 4);
             EXPECT_TRUE(FunctionAs<TMovingAverageFunction>(f).WeightedIndex());
             EXPECT_FALSE(FunctionAs<TMovingAverageFunction>(f).Weighted());
             EXPECT_EQ(f.PeriodAlign(), paFirst);
         }},
        {"Exp.Moving\rAverage", "Financial", "TTeeFunctionEditor",
         [](TBaseFunctionEditor& p, TChartSeries*) {
             Form<TTeeFunctionEditor>(p).ENum->SetText("5");
         },
         [](TTeeFunction& f, TChartSeries*) { EXPECT_EQ(f.Period(), 5); }},
        {"Exponential\rAverage", "Extended", "TExpAveFuncEditor",
         [](TBaseFunctionEditor& p, TChartSeries*) {
             Form<TExpAveFuncEditor>(p).Edit1->SetText("0.7");
         },
         [](TTeeFunction& f, TChartSeries*) {
             EXPECT_EQ(FunctionAs<TExpAverageFunction>(f).Weight(), 0.7);
         }},
        {"Momentum", "Financial", "TTeeFunctionEditor",
         [](TBaseFunctionEditor& p, TChartSeries*) {
             Form<TTeeFunctionEditor>(p).ENum->SetText("3");
         },
         [](TTeeFunction& f, TChartSeries*) { EXPECT_EQ(f.Period(), 3); }},
        {"Momentum\rDivision", "Financial", "TTeeFunctionEditor",
         [](TBaseFunctionEditor& p, TChartSeries*) {
             Form<TTeeFunctionEditor>(p).ENum->SetText("3");
         },
         [](TTeeFunction& f, TChartSeries*) { EXPECT_EQ(f.Period(), 3); }},
        {"Performance", "Extended", "TTeeFunctionEditor",
         [](TBaseFunctionEditor& p, TChartSeries*) {
             Form<TTeeFunctionEditor>(p).ENum->SetText("2");
         },
         [](TTeeFunction& f, TChartSeries*) { EXPECT_EQ(f.Period(), 2); }},
        {"R.S.I.", "Financial", "TTeeFunctionEditor",
         [](TBaseFunctionEditor& p, TChartSeries*) {
             Form<TTeeFunctionEditor>(p).ENum->SetText("6");
         },
         [](TTeeFunction& f, TChartSeries*) { EXPECT_EQ(f.Period(), 6); }},
        {"Stochastic", "Financial", "TTeeFunctionEditor",
         [](TBaseFunctionEditor& p, TChartSeries*) {
             Form<TTeeFunctionEditor>(p).ENum->SetText("7");
         },
         [](TTeeFunction& f, TChartSeries*) { EXPECT_EQ(f.Period(), 7); }},
        {"Commodity\rChannel Index", "Financial", "TCCIFuncEditor",
         [](TBaseFunctionEditor& p, TChartSeries*) {
             Form<TCCIFuncEditor>(p).EConst->SetText("0.02");
             Form<TCCIFuncEditor>(p).EPeriod->SetText("7");
         },
         [](TTeeFunction& f, TChartSeries*) {
             EXPECT_EQ(FunctionAs<TCCIFunction>(f).Constant(), 0.02);
             EXPECT_EQ(f.Period(), 7);
         }},
        {"ADX", "Financial", "TADXFuncEditor",
         [](TBaseFunctionEditor& p, TChartSeries*) {
             Form<TADXFuncEditor>(p).EPeriod->SetText("3");
         },
         [](TTeeFunction& f, TChartSeries*) { EXPECT_EQ(f.Period(), 3); }},
        {"SAR", "Financial", "TSARFuncEditor",
         [](TBaseFunctionEditor& p, TChartSeries*) {
             Form<TSARFuncEditor>(p).EAccel->SetText("0.05");
             Form<TSARFuncEditor>(p).EMaxStep->SetText("many");
         },
         [](TTeeFunction& f, TChartSeries*) {
             EXPECT_EQ(FunctionAs<TSARFunction>(f).AccelerationFactor(), 0.05);
             EXPECT_EQ(FunctionAs<TSARFunction>(f).MaxStep(), 0.2)
                 << "a text that is no number keeps it";
         }},
        {"MACD", "Financial", "TMACDFuncEditor",
         [](TBaseFunctionEditor& p, TChartSeries*) {
             auto& f = Form<TMACDFuncEditor>(p);
             f.ENum->SetText("20");
             f.Edit1->SetText("5");
             f.Edit2->SetText("4");
         },
         [](TTeeFunction& f, TChartSeries*) {
             EXPECT_EQ(f.Period(), 20);
             EXPECT_EQ(FunctionAs<TMACDFunction>(f).Period2(), 5);
             EXPECT_EQ(FunctionAs<TMACDFunction>(f).Period3(), 4);
         }},
        {"Bollinger\rbands", "Financial", "TBollingerFuncEditor",
         [](TBaseFunctionEditor& p, TChartSeries*) {
             auto& f = Form<TBollingerFuncEditor>(p);
             f.ENum->SetText("5");
             f.CheckBox1->SetChecked(false);
             f.Edit1->SetText("1.5");
         },
         [](TTeeFunction& f, TChartSeries*) {
             EXPECT_EQ(f.Period(), 5);
             EXPECT_FALSE(FunctionAs<TBollingerFunction>(f).Exponential());
             EXPECT_EQ(FunctionAs<TBollingerFunction>(f).Deviation(), 1.5);
         }},
        {"Close Location\rValue", "Financial", "TCLVFuncEditor",
         [](TBaseFunctionEditor& p, TChartSeries* volume) {
             auto& f = Form<TCLVFuncEditor>(p);
             f.CBVolume->SetItemIndex(f.CBVolume->Items()->IndexOfObject(volume));
             f.CBAccumulate->SetChecked(false);
         },
         [](TTeeFunction& f, TChartSeries* volume) {
             EXPECT_EQ(FunctionAs<TCLVFunction>(f).Volume(), volume);
             EXPECT_FALSE(FunctionAs<TCLVFunction>(f).Accumulate());
         }},
        {"On Balance\rVolume", "Financial", "TOBVFuncEditor",
         [](TBaseFunctionEditor& p, TChartSeries* volume) {
             auto& f = Form<TOBVFuncEditor>(p);
             EXPECT_EQ(f.CBVolume->Items()->Get(0), "(none)");
             EXPECT_EQ(f.CBVolume->Items()->IndexOfObject(p.IFunction->ParentSeries()), -1)
                 << "the function's own series is not offered";
             f.CBVolume->SetItemIndex(f.CBVolume->Items()->IndexOfObject(volume));
         },
         [](TTeeFunction& f, TChartSeries* volume) {
             EXPECT_EQ(FunctionAs<TOBVFunction>(f).Volume(), volume);
         }},
        {"Volume\rOscillator", "Financial", "TPVOFuncEditor",
         [](TBaseFunctionEditor& p, TChartSeries*) {
             auto& f = Form<TPVOFuncEditor>(p);
             f.EPeriod->SetText("5");
             f.Edit1->SetText("9");
             f.CBPercent->SetChecked(false);
         },
         [](TTeeFunction& f, TChartSeries*) {
             EXPECT_EQ(f.Period(), 5);
             EXPECT_EQ(FunctionAs<TPVOFunction>(f).Period2(), 9);
             EXPECT_FALSE(FunctionAs<TPVOFunction>(f).Percentage());
         }},
    };
    for (const TFormCase& c : cases) {
        SCOPED_TRACE(c.Editor + std::string(" for ") + c.Gallery);
        const TTeeSeriesType* entry = FindGalleryEntry(c.Gallery);
        ASSERT_NE(entry, nullptr);
        ASSERT_NE(entry->FunctionClassRef, nullptr);
        EXPECT_EQ(*entry->PageText, c.Page);
        EXPECT_EQ(entry->SampleSeriesCount, 1);

        TGalleryRoundTrip trip(*entry);
        trip.FillSource(&TOHLCSeries::StaticClass());
        TChartSeries* volume =
            CreateChartSeries(&trip.Window, trip.Chart, &TVolumeSeries::StaticClass());
        volume->FillSampleValues();
        trip.Draw();
        EXPECT_EQ(trip.Function()->EditorClassName(), c.Editor);

        auto* form = dynamic_cast<TBaseFunctionEditor*>(trip.OpenEditor());
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->ClassName(), c.Editor);
        EXPECT_EQ(form->IFunction, trip.Function());
        c.Edit(*form, volume);
        // As the function page applies: the controls' values under one recalculation.
        trip.Function()->BeginUpdate();
        form->ApplyFunction();
        trip.Function()->EndUpdate();
        c.Check(*trip.Function(), volume);
        EXPECT_GT(trip.Series->Count(), 0);
        trip.Draw();
        trip.ExpectStreamsBackEqual();
    }
}

TEST_F(PriceFunctionFormsTest, RefusedTextsInTheForms) {
    TPriceScene scene;
    scene.AddCloses({1, 2, 3});
    auto* blend = scene.Compute(new TExpAverageFunction(&scene.Form));
    TExpAveFuncEditor form(nullptr);
    form.SetTagObject(blend);
    form.Show();
    EXPECT_EQ(form.Edit1->Text(), "0.2");
    for (const char* text : {"abc", "1.5"}) {
        form.Edit1->SetText(text);
        EXPECT_THROW(form.ApplyFunction(), Exception) << text;
        EXPECT_EQ(blend->Weight(), 0.2) << text;
    }

    auto* bands = new TBollingerFunction(&scene.Form);
    scene.Result->SetFunction(bands);
    TBollingerFuncEditor bollinger(nullptr);
    bollinger.SetTagObject(bands);
    bollinger.Show();
    EXPECT_EQ(bollinger.Edit1->Text(), "2");
    bollinger.ENum->SetText("4");
    bollinger.Edit1->SetText("wide");
    EXPECT_THROW(bollinger.ApplyFunction(), EConvertError);
    EXPECT_EQ(bands->Period(), 10) << "nothing is taken";
    EXPECT_EQ(bands->Deviation(), 2);

    // Typed beyond the up-down's range, a period is held to it.
    auto* adx = new TADXFunction(&scene.Form);
    scene.Result->SetFunction(adx);
    TADXFuncEditor period(nullptr);
    period.SetTagObject(adx);
    period.Show();
    EXPECT_EQ(period.EPeriod->Text(), "14");
    period.EPeriod->SetText("1");
    period.ApplyFunction();
    EXPECT_EQ(adx->Period(), 2);
}

// The series a function keeps for its extra lines: drawn with the parent, cleared with it,
// freed with the function, never stored.
TEST_F(PriceFunctionFormsTest, InternalSeriesLiveWithTheirFunction) {
    TPriceScene scene;
    scene.Prices->FillSampleValues(40);
    auto* axis = new TChartAxis(scene.Chart, scene.Chart->CustomAxes());
    scene.Result->SetCustomVertAxis(axis);
    int drawn = 0;
    scene.Result->BeforeDrawValues = [&drawn](TObject*) { ++drawn; };

    struct TOwnLines {
        TTeeFunction* Function;
        std::vector<TChartSeries*> Lines;
    };
    auto* macd = new TMACDFunction(&scene.Form);
    auto* adx = new TADXFunction(&scene.Form);
    auto* bands = new TBollingerFunction(&scene.Form);
    const TOwnLines functions[] = {{macd, {macd->Signal(), macd->Histogram()}},
                                   {adx, {adx->UpLine(), adx->DownLine()}},
                                   {bands, {bands->LowBand()}}};
    for (const TOwnLines& own : functions) {
        SCOPED_TRACE(own.Function->ClassName());
        scene.Compute(own.Function);
        for (TChartSeries* line : own.Lines) {
            EXPECT_EQ(line->Owner(), own.Function);
            EXPECT_EQ(line->ParentChart(), scene.Chart);
            EXPECT_EQ(line->CustomVertAxis(), axis);
            EXPECT_EQ(line->VertAxis(), aCustomVertAxis);
            EXPECT_TRUE(line->XValues().DateTime()) << "as the parent, which takes the dates";
            EXPECT_TRUE(line->InternalElement);
            EXPECT_FALSE(line->ShowInLegend());
            EXPECT_FALSE(line->ShowInEditor());
            ASSERT_TRUE(bool(line->BeforeDrawValues));
            EXPECT_GT(line->Count(), 0);
        }
        EXPECT_EQ(scene.Chart->SeriesCount(), 2 + int(own.Lines.size()));
        // Nothing of the function's own lines reaches the stream.
        const std::string text = ChartSnapshot(*scene.Chart);
        EXPECT_EQ(text.find("TFastLineSeries"), std::string::npos);
        EXPECT_EQ(text.find("TVolumeSeries"), std::string::npos);

        scene.Result->Clear();
        for (TChartSeries* line : own.Lines) EXPECT_EQ(line->Count(), 0);

        // The function goes when its series takes another, and its lines with it.
        scene.Result->SetFunction(nullptr);
        EXPECT_EQ(scene.Chart->SeriesCount(), 2);
    }
    EXPECT_EQ(drawn, 0);
}

TEST_F(PriceFunctionFormsTest, FreeingTheChartFreesEveryLineOnce) {
    for (int order = 0; order < 2; ++order) {
        SCOPED_TRACE(order);
        TPriceScene scene;
        scene.Prices->FillSampleValues(40);
        scene.Compute(new TMACDFunction(&scene.Form));
        auto* other = new TLineSeries(&scene.Form);
        scene.Chart->AddSeries(other);
        auto* adx = new TADXFunction(&scene.Form);
        other->SetFunction(adx);
        other->SetDataSource(scene.Prices);
        // A volume indicator whose volume series goes before it.
        auto* volume = new TLineSeries(&scene.Form);
        scene.Chart->AddSeries(volume);
        volume->FillSampleValues(40);
        auto* obv = new TLineSeries(&scene.Form);
        scene.Chart->AddSeries(obv);
        auto* indicator = new TOBVFunction(&scene.Form);
        indicator->SetVolume(volume);
        obv->SetFunction(indicator);
        obv->SetDataSource(scene.Prices);
        ASSERT_GT(obv->Count(), 0);
        ASSERT_EQ(scene.Chart->SeriesCount(), 9);
        if (order == 1) {
            scene.Chart->ExchangeSeries(1, 5);
            scene.Chart->ExchangeSeries(0, 7);
        }
        // The chart frees its series; those of a function go with it, and none twice.
        TObject::Free(scene.Chart);
        scene.Chart = nullptr;
        EXPECT_EQ(scene.Form.ComponentCount(), 0) << "series and functions all went";
    }
}

}  // namespace
