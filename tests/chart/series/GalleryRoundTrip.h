#pragma once
// The road of every series and function of the library through the program: created from its
// gallery entry as the gallery creates it, given sample values (a function from a source series
// of sample values), drawn on an off-screen bitmap, edited through the editor form its class
// names, then written as a chart stream in both forms and read back to the same chart.
//
// Use: TGalleryRoundTrip trip(entry) (the entry found by its gallery name with FindGalleryEntry),
// trip.FillSource(...) for a function, trip.Draw(), trip.OpenEditor() and change controls, then
// trip.ExpectStreamsBackEqual(). Opening an editor checks that loading it changed nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "chart/editors/SourceEditorBase.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/SeriesCreation.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/engine/TeeFunction.h"
#include "chart/export/ChartStream.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Form.h"
#include "platform/ui/Panel.h"
#include "tests/chart/series/SeriesLibraryStartup.h"

// The registered gallery entry of that name, series or function; none when absent.
inline TTeeSeriesType* FindGalleryEntry(const std::string& name) {
    for (int i = 0; i < SeriesTypeList().Count(); ++i) {
        TTeeSeriesType* e = SeriesTypeList()[i];
        if (e->VariantIndex == 0 && e->DescriptionText && *e->DescriptionText == name) return e;
    }
    return nullptr;
}

// The chart with its points, as text: two charts that give the same are equal.
inline std::string ChartSnapshot(TCustomChart& chart) {
    TMemoryStream s;
    WriteChartStream(chart, s, true, true);
    return std::string(s.Memory(), size_t(s.Size()));
}

class TGalleryRoundTrip {
public:
    // A function entry's series is of seriesClass (the gallery's line series when none).
    explicit TGalleryRoundTrip(const TTeeSeriesType& entry, TClass seriesClass = nullptr)
        : TGalleryRoundTrip(entry.SeriesClassRef ? entry.SeriesClassRef : seriesClass,
                            entry.FunctionClassRef) {}
    // A chart with one series of seriesClass (a line series when none): with sample values, or
    // with a new function of functionClass and no points until it has sources.
    explicit TGalleryRoundTrip(TClass seriesClass, TClass functionClass = nullptr) {
        Window.SetBounds(0, 0, 700, 600);
        Chart = new TChart(&Window);
        Chart->SetName("Chart1");
        Chart->SetParent(&Window);
        Chart->SetBounds(0, 0, 400, 250);
        Host = new TPanel(&Window);
        Host->SetParent(&Window);
        Host->SetBounds(0, 260, 600, 320);
        if (!seriesClass) seriesClass = &TLineSeries::StaticClass();
        Series = CreateChartSeries(&Window, Chart, seriesClass, functionClass);
        if (!functionClass) Series->FillSampleValues();
    }
    // The chart as the gallery shows the entry: as many series as its sample has (Series the
    // first), its variant applied, in the gallery's look with the gallery's sample values. A
    // function dresses the chart itself and may put a series of another class in the place of
    // its own; Series is then that one.
    void MakeGallerySample(const TTeeSeriesType& entry) {
        const TClass cls = &Series->ClassType();
        for (int i = 1; i < std::max(1, entry.SampleSeriesCount); ++i)
            CreateChartSeries(&Window, Chart, cls, entry.FunctionClassRef);
        if (entry.VariantIndex != 0)
            for (int i = 0; i < Chart->SeriesCount(); ++i)
                Chart->GetSeries(i)->ApplyGalleryVariant(Chart->GetSeries(i), entry.VariantIndex);
        if (entry.FunctionClassRef) {
            const std::unique_ptr<TTeeFunction> dresser(
                CreateAs<TTeeFunction>(entry.FunctionClassRef, nullptr));
            dresser->PrepareGalleryChart(*Chart);
            Series = Chart->GetSeries(0);
        } else {
            for (int i = 0; i < Chart->SeriesCount(); ++i)
                Chart->GetSeries(i)->PrepareForGallery(true);
        }
    }
    // A source series of sourceClass with sample values for the function.
    TChartSeries* FillSource(TClass sourceClass) {
        TChartSeries* source = CreateChartSeries(&Window, Chart, sourceClass);
        source->FillSampleValues();
        Series->SetDataSource(source);
        return source;
    }
    TTeeFunction* Function() const { return Series->Function(); }
    // The whole chart on a bitmap of the drawing platform.
    void Draw() {
        TBitmap target(400, 250);
        target.SetPixelFormat(pf24bit);
        Chart->Draw(target.Canvas(), TRect{0, 0, 400, 250});
    }
    // The editor form the series (or its function) names, shown on the host panel with the
    // edited object in its Tag; none, with a failure, when no such form is registered.
    TForm* OpenEditor() {
        if (TTeeFunction* function = Function())
            return OpenEditorOf(function, function->EditorClassName(),
                                TBaseFunctionEditor::StaticClass());
        return OpenEditorOf(Series, TCustomChartElement::EditorClassNameOf(&Series->ClassType()),
                            TForm::StaticClass());
    }
    // The form registered under the name, of base's kind as the page that embeds it asks,
    // shown on the host panel with edited in its Tag. None, with a failure, when there is no
    // such form; a failure too when loading it changed the chart.
    TForm* OpenEditorOf(TObject* edited, const std::string& name, const TClassInfo& base) {
        const TClass cls = GetClass(name);
        EXPECT_NE(cls, nullptr) << name;
        if (!cls) return nullptr;
        EXPECT_TRUE(cls->InheritsFrom(base)) << name << " is no " << base.ClassName();
        if (!cls->InheritsFrom(base)) return nullptr;
        const std::string before = ChartSnapshot(*Chart);
        auto* form = CreateAs<TForm>(cls, &Window);
        form->SetBorderStyle(bsNone);
        form->SetTagObject(edited);
        form->SetParent(Host);
        Window.Show();
        form->Show();
        EXPECT_EQ(ChartSnapshot(*Chart), before) << "loading " << name << " changed the chart";
        return form;
    }
    // Both stream forms read back into a fresh chart give the same chart.
    void ExpectStreamsBackEqual() {
        const std::string original = ChartSnapshot(*Chart);
        for (bool asText : {false, true}) {
            SCOPED_TRACE(asText ? "text stream" : "binary stream");
            TMemoryStream s;
            WriteChartStream(*Chart, s, true, asText);
            s.SetPosition(0);
            TComponent owner(nullptr);
            auto* copy = new TChart(&owner);
            ReadChartStream(*copy, s);
            EXPECT_EQ(ChartSnapshot(*copy), original);
            ASSERT_EQ(copy->SeriesCount(), Chart->SeriesCount());
            EXPECT_EQ(copy->GetSeries(0)->ClassName(), Series->ClassName());
        }
    }

    TForm Window{nullptr};
    TChart* Chart = nullptr;
    TPanel* Host = nullptr;
    TChartSeries* Series = nullptr;
};
